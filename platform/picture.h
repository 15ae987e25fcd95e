// Pictures held by documents: decoded once from their stored bytes, drawn by the canvas.
// Bitmaps, icons and JPEGs decode to 32-bit pixels; metafiles keep their bytes and the size
// their header gives.
#pragma once

#include <cstdint>
#include <memory>
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
};

// Largest picture we decode; a header claiming more is a decode failure.
constexpr int64_t kMaxPicturePixels = 100'000'000;

// Decodes BYTES of the given format. Returns null when the data is malformed, truncated or too
// large; never crashes on any input.
std::unique_ptr<Picture> DecodePicture(PictureFormat format, std::string_view bytes);

// The same, guessing the format from the bytes' signature.
std::unique_ptr<Picture> DecodePictureGuessingFormat(std::string_view bytes);

} // namespace platform
