// The decoders behind DecodePicture, one per stored picture format, and the pieces that the icon
// decoder shares with the bitmap decoder.
#pragma once

#include "platform/picture.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::codecs {

// Rows top-down, 0xAARRGGBB, not premultiplied.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// Checks a claimed size before anything is allocated for it.
bool IsAcceptableSize(int64_t width, int64_t height, std::string& error);

// How a device-independent bitmap is read: a bitmap file's pixels sit at an offset given by the
// file header, an icon's bitmap holds two images (colours, then a 1-bit mask) in twice the height.
struct DibOptions {
    std::optional<size_t> pixelOffset; // from the start of the DIB; none = right after the palette
    bool icon = false;
};

struct DibImage {
    PixelImage image;
    bool hasAlpha = false; // the bitmap carried an alpha channel that is not all zero
    size_t pixelEnd = 0;   // offset just past the colour bits, where an icon's mask starts
};

std::optional<DibImage> DecodeDib(std::string_view dib, const DibOptions& options,
                                  std::string& error);

PictureDecodeResult DecodeBmp(std::string_view bytes);
PictureDecodeResult DecodeIco(std::string_view bytes);
PictureDecodeResult DecodeJpeg(std::string_view bytes);
PictureDecodeResult DecodeMetafile(std::string_view bytes);

PictureDecodeResult Failure(std::string error);

} // namespace platform::codecs
