#include "platform/picture.h"
#include "tests/platform/picture_fixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace picture_fixtures;
using platform::PictureFormat;

DibSpec OnePixel(uint32_t headerSize)
{
    DibSpec layout;
    layout.headerSize = headerSize;
    layout.bits = Rows({Bytes({0x33, 0x22, 0x11})});
    return layout;
}

TEST(PictureDecodeTest, GuessesTheFormatFromTheSignature)
{
    const struct {
        const char* name;
        std::string bytes;
        std::optional<PictureFormat> format;
    } cases[] = {
        {"BMP file", MakeBmpFile(OnePixel(40)), PictureFormat::Bitmap},
        {"bare DIB", MakeDib(OnePixel(40)), PictureFormat::Bitmap},
        {"bare DIB, version 5 header", MakeDib(OnePixel(124)), PictureFormat::Bitmap},
        {"bare DIB, core header", MakeDib(OnePixel(12)), PictureFormat::Bitmap},
        {"icon", Bytes({0, 0, 1, 0, 1, 0}), PictureFormat::Icon},
        {"cursor", Bytes({0, 0, 2, 0, 1, 0}), PictureFormat::Icon},
        {"JPEG", Bytes({0xFF, 0xD8, 0xFF, 0xE0}), PictureFormat::Jpeg},
        {"placeable metafile", Bytes({0xD7, 0xCD, 0xC6, 0x9A}), PictureFormat::Metafile},
        {"plain metafile", Bytes({1, 0, 9, 0, 0, 3}), PictureFormat::Metafile},
        {"GIF", "GIF89a", std::nullopt},
        {"PNG", "\x89PNG\r\n\x1a\n", std::nullopt},
        {"enhanced metafile header without its signature", Bytes({1, 0, 0, 0, 88, 0, 0, 0}),
         std::nullopt},
        {"too short", "BM", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::GuessPictureFormat(c.bytes), c.format);
    }
}

TEST(PictureDecodeTest, DecodesByGuessAndRefusesTheUnknown)
{
    const std::string bmp = MakeBmpFile(OnePixel(40));
    const auto picture = platform::DecodePictureGuessingFormat(bmp);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Format(), PictureFormat::Bitmap);
    EXPECT_EQ(picture->Pixels(), std::vector<uint32_t>{0xFF112233});
    EXPECT_FALSE(platform::DecodePictureGuessingFormat("GIF89a"));
    // A stated format wins over the signature: bitmap bytes are no icon.
    EXPECT_FALSE(platform::DecodePicture(PictureFormat::Icon, bmp));
    EXPECT_FALSE(platform::DecodePicture(PictureFormat::Jpeg, bmp));
    EXPECT_FALSE(platform::DecodePicture(PictureFormat::Metafile, bmp));
}

} // namespace
