#include "platform/picture.h"
#include "tests/platform/picture_fixtures.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

using namespace picture_fixtures;
using platform::PictureFormat;

constexpr uint32_t A = 0xFF112233, B = 0xFFA0B0C0, C = 0xFF0000FF;

// 2 x 2, 8 bit: bottom row A B, top row B A; no pixel masked.
IconImage SmallPaletteImage()
{
    DibSpec layout = Layout(2, 2, 8, Rows({Bytes({0, 1}), Bytes({1, 0})}));
    layout.palette = {0x112233, 0xA0B0C0};
    layout.colorsUsed = 2;
    return {2, 2, 8, MakeIconDib(layout, Rows({Bytes({0}), Bytes({0})}))};
}

// 3 x 2, 24 bit; the mask hides the bottom row's middle pixel and the top row's first pixel.
IconImage MaskedImage()
{
    const std::string bottom = Bytes({0x33, 0x22, 0x11, 0xC0, 0xB0, 0xA0, 0xFF, 0, 0});
    const std::string top = Bytes({0xFF, 0, 0, 0x33, 0x22, 0x11, 0xC0, 0xB0, 0xA0});
    DibSpec layout = Layout(3, 2, 24, Rows({bottom, top}));
    return {3, 2, 24, MakeIconDib(layout, Rows({Bytes({0x40}), Bytes({0x80})}))};
}

std::string Png(const QImage& image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data.toStdString();
}

IconImage PngImage()
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0x80112233);
    image.setPixel(1, 0, 0xFFA0B0C0);
    return {0, 0, 32, Png(image)};
}

struct IconCase {
    const char* name;
    std::vector<IconImage> images;
    int width;
    int height;
    std::vector<uint32_t> pixels;
};

std::vector<IconCase> IconCases()
{
    // 32 bit colours carry their own alpha; the mask that would hide everything is ignored.
    const IconImage alpha = {2, 1, 32,
                             MakeIconDib(Layout(2, 1, 32, Bytes({0x33, 0x22, 0x11, 0x80, 0xC0, 0xB0,
                                                                0xA0, 0x00})),
                                         Rows({Bytes({0xC0})}))};
    // 32 bit colours whose alpha is zero everywhere are opaque and take the mask.
    const IconImage noAlpha = {2, 1, 32,
                               MakeIconDib(Layout(2, 1, 32, Bytes({0x33, 0x22, 0x11, 0, 0xC0, 0xB0,
                                                                  0xA0, 0})),
                                           Rows({Bytes({0x40})}))};
    return {
        {"8 bit palette image", {SmallPaletteImage()}, 2, 2, {B, A, A, B}},
        {"the larger image wins", {SmallPaletteImage(), MaskedImage()}, 3, 2,
         {0x000000FF, A, B, A, 0x00A0B0C0, C}},
        {"32 bit alpha beats the mask", {alpha}, 2, 1, {0x80112233, 0x00A0B0C0}},
        {"zero alpha takes the mask", {noAlpha}, 2, 1, {A, 0x00A0B0C0}},
        {"PNG image", {PngImage()}, 2, 1, {0x80112233, B}},
        {"a stated 0 means 256 and wins over 48", {{48, 48, 32, SmallPaletteImage().data}, PngImage()},
         2, 1, {0x80112233, B}},
    };
}

TEST(PictureIcoTest, DecodesTheBestImage)
{
    for (const IconCase& c : IconCases()) {
        SCOPED_TRACE(c.name);
        const std::string bytes = MakeIco(c.images);
        const auto result = platform::TryDecodePicture(PictureFormat::Icon, bytes);
        ASSERT_TRUE(result.picture) << result.error;
        EXPECT_EQ(result.picture->Format(), PictureFormat::Icon);
        EXPECT_EQ(result.picture->Width(), c.width);
        EXPECT_EQ(result.picture->Height(), c.height);
        EXPECT_EQ(Hex(result.picture->Pixels()), Hex(c.pixels));
        EXPECT_EQ(platform::GuessPictureFormat(bytes), PictureFormat::Icon);
    }
}

TEST(PictureIcoTest, EveryTruncationIsRefused)
{
    for (const IconCase& c : IconCases()) {
        SCOPED_TRACE(c.name);
        const std::string bytes = MakeIco(c.images);
        for (size_t length = 0; length < bytes.size(); ++length)
            EXPECT_FALSE(platform::DecodePicture(PictureFormat::Icon, bytes.substr(0, length)))
                << "prefix of " << length << " bytes";
    }
}

TEST(PictureIcoTest, RefusesMalformedIcons)
{
    std::string wrongType = MakeIco({SmallPaletteImage()});
    wrongType[2] = 3;
    std::string noImages = MakeIco({SmallPaletteImage()});
    noImages[4] = 0;
    std::string farOffset = MakeIco({SmallPaletteImage()});
    farOffset[18] = char(0xFF);
    DibSpec rle = Layout(1, 1, 8, Bytes({1, 0, 0, 1}));
    rle.compression = 1;
    DibSpec huge = Layout(20000, 20000, 32, "");
    QImage bigPng(1, 1, QImage::Format_ARGB32);
    std::string pngClaim = Png(bigPng);
    pngClaim[16] = 0x7F; // IHDR width
    const struct {
        const char* name;
        std::string bytes;
        const char* error;
    } cases[] = {
        {"type 3", wrongType, "invalid directory"},
        {"no images", noImages, "invalid directory"},
        {"image past the end", farOffset, "truncated"},
        {"colour bits without a mask", MakeIco({{1, 1, 24, MakeDib([] {
                                                    DibSpec s = Layout(1, 1, 24, Rows({Bytes({1, 2, 3})}));
                                                    s.height = 2;
                                                    return s;
                                                }())}}),
         "mask is truncated"},
        {"run-length image", MakeIco({{1, 1, 8, MakeIconDib(rle, "")}}), "unsupported"},
        {"20000 x 20000 claim", MakeIco({{0, 0, 32, MakeIconDib(huge, "")}}), "too large"},
        {"PNG claiming 2 billion pixels wide", MakeIco({{0, 0, 32, pngClaim}}), "too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = platform::TryDecodePicture(PictureFormat::Icon, c.bytes);
        EXPECT_FALSE(result.picture);
        EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
    }
}

} // namespace
