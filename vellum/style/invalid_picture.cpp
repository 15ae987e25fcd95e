// The built-in picture shown where a stored picture cannot be loaded.
#include <string>
#include <vector>

#include "platform/picture.h"
#include "vellum/style/rv_style.h"

namespace vellum {

namespace {

constexpr int kSide = 32;

void PutLE(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A grey frame on white with a red cross, as 0xAARRGGBB pixels, rows top-down.
std::vector<uint32_t> BadPicturePixels()
{
    std::vector<uint32_t> pixels(kSide * kSide, 0xFFFFFFFF);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            bool frame = x == 0 || y == 0 || x == kSide - 1 || y == kSide - 1;
            bool cross = x >= 6 && x <= 25 && (x - y == 0 || x + y == kSide - 1 || x - y == 1 || x + y == kSide);
            if (frame)
                pixels[y * kSide + x] = 0xFF808080;
            else if (cross)
                pixels[y * kSide + x] = 0xFFFF0000;
        }
    }
    return pixels;
}

// The same pixels as a 24-bit BMP file (rows bottom-up, blue-green-red), so that writers can
// store the picture like any other bitmap.
std::string BmpBytes(const std::vector<uint32_t>& pixels)
{
    const uint32_t imageSize = kSide * kSide * 3;
    std::string bmp = "BM";
    PutLE(bmp, 54 + imageSize, 4);
    PutLE(bmp, 0, 4);
    PutLE(bmp, 54, 4);
    PutLE(bmp, 40, 4);
    PutLE(bmp, kSide, 4);
    PutLE(bmp, kSide, 4);
    PutLE(bmp, 1, 2);
    PutLE(bmp, 24, 2);
    PutLE(bmp, 0, 4);
    PutLE(bmp, imageSize, 4);
    PutLE(bmp, 2835, 4);
    PutLE(bmp, 2835, 4);
    PutLE(bmp, 0, 4);
    PutLE(bmp, 0, 4);
    for (int y = kSide - 1; y >= 0; --y) {
        for (int x = 0; x < kSide; ++x)
            PutLE(bmp, pixels[y * kSide + x] & 0xFFFFFF, 3);
    }
    return bmp;
}

} // namespace

std::unique_ptr<platform::Picture> MakeBuiltInInvalidPicture()
{
    std::vector<uint32_t> pixels = BadPicturePixels();
    std::string bytes = BmpBytes(pixels);
    return std::make_unique<platform::Picture>(platform::PictureFormat::Bitmap, kSide, kSide, std::move(pixels),
                                               std::move(bytes));
}

} // namespace vellum
