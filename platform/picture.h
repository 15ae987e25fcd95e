// Pictures held by documents: decoded once from their stored bytes, drawn by the canvas.
// Bitmaps, icons and JPEGs decode to 32-bit pixels; metafiles keep their bytes and the size
// their header gives.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class PictureFormat { Bitmap, Icon, Jpeg, Metafile, EnhancedMetafile };

class Picture {
public:
    PictureFormat Format() const { return m_format; }
    int Width() const { return m_width; }   // pixels
    int Height() const { return m_height; } // pixels
    bool IsMetafile() const
    {
        return m_format == PictureFormat::Metafile || m_format == PictureFormat::EnhancedMetafile;
    }
    // Width() * Height() pixels, rows top-down, each 0xAARRGGBB (not premultiplied);
    // empty for metafiles.
    const std::vector<uint32_t>& Pixels() const { return m_pixels; }
    // The bytes the picture was decoded from, kept so that writers can store them again.
    const std::string& Bytes() const { return m_bytes; }
    // A metafile's own size in 0.01 mm, from its header (Width() and Height() are that size at
    // 96 pixels per inch); 0 for the other formats.
    int LogicalWidth() const { return m_logicalWidth; }
    int LogicalHeight() const { return m_logicalHeight; }
    void SetLogicalSize(int width, int height)
    {
        m_logicalWidth = width;
        m_logicalHeight = height;
    }

    Picture(PictureFormat format, int width, int height, std::vector<uint32_t> pixels,
            std::string bytes)
        : m_format(format), m_width(width), m_height(height), m_pixels(std::move(pixels)),
          m_bytes(std::move(bytes))
    {
    }

private:
    PictureFormat m_format;
    int m_width;
    int m_height;
    std::vector<uint32_t> m_pixels;
    std::string m_bytes;
    int m_logicalWidth = 0;
    int m_logicalHeight = 0;
};

// Largest picture we decode; a header claiming more is a decode failure.
constexpr int64_t kMaxPicturePixels = 100'000'000;

// A decoded picture, or null and a short English reason why the bytes were refused.
struct PictureDecodeResult {
    std::unique_ptr<Picture> picture;
    std::string error;
};

// Decodes BYTES of the given format. Returns null when the data is malformed, truncated or too
// large; never crashes on any input.
// Bitmap accepts a BMP file or a bare DIB (an info header without the file header); Metafile and
// EnhancedMetafile both accept either kind of metafile, and the result's Format() tells which
// one the bytes hold.
std::unique_ptr<Picture> DecodePicture(PictureFormat format, std::string_view bytes);
PictureDecodeResult TryDecodePicture(PictureFormat format, std::string_view bytes);

// The same, guessing the format from the bytes' signature.
std::unique_ptr<Picture> DecodePictureGuessingFormat(std::string_view bytes);

// The format whose signature BYTES start with, if any.
std::optional<PictureFormat> GuessPictureFormat(std::string_view bytes);

} // namespace platform
