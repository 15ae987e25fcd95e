#include "platform/picture.h"
#include "tests/platform/picture_fixtures.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

using namespace picture_fixtures;
using platform::PictureFormat;

constexpr uint32_t A = 0xFF112233, B = 0xFFA0B0C0, C = 0xFF0000FF, D = 0xFFFFFF00;
constexpr uint32_t Black = 0xFF000000;
const std::vector<uint32_t> kPalette = {0x112233, 0xA0B0C0, 0x0000FF, 0xFFFF00};

struct BitmapCase {
    const char* name;
    DibSpec layout;
    int width;
    int height;
    std::vector<uint32_t> pixels; // top-down
};

DibSpec WithPalette(DibSpec layout, uint32_t colours)
{
    layout.palette.assign(kPalette.begin(), kPalette.begin() + colours);
    layout.colorsUsed = colours;
    return layout;
}

DibSpec WithMasks(DibSpec layout, std::array<uint32_t, 4> masks, uint32_t headerSize = 40)
{
    layout.compression = 3;
    layout.masks = masks;
    layout.headerSize = headerSize;
    return layout;
}

DibSpec Compressed(DibSpec layout, uint32_t compression)
{
    layout.compression = compression;
    return layout;
}

DibSpec Core(DibSpec layout)
{
    layout.headerSize = 12;
    layout.colorsUsed = 0;
    return layout;
}

std::vector<BitmapCase> BitmapCases()
{
    return {
        {"1 bit, bottom-up", WithPalette(Layout(10, 2, 1, Rows({Bytes({0x00, 0x40}), Bytes({0xAA, 0x80})})), 2),
         10, 2, {B, A, B, A, B, A, B, A, B, A, A, A, A, A, A, A, A, A, A, B}},
        {"4 bit, top-down, index past the palette is black",
         WithPalette(Layout(3, -2, 4, Rows({Bytes({0x01, 0x20}), Bytes({0x21, 0x50})})), 3),
         3, 2, {A, B, C, C, B, Black}},
        {"8 bit, short palette", WithPalette(Layout(2, 2, 8, Rows({Bytes({0, 1}), Bytes({3, 2})})), 4),
         2, 2, {D, C, A, B}},
        {"16 bit 5-5-5", Layout(3, 1, 16, Rows({Bytes({0x00, 0x7C, 0xE0, 0x03, 0x21, 0x04})})),
         3, 1, {0xFFFF0000, 0xFF00FF00, 0xFF080808}},
        {"16 bit 5-6-5 bit fields",
         WithMasks(Layout(3, 1, 16, Rows({Bytes({0x00, 0xF8, 0xE0, 0x07, 0x20, 0x00})})),
                   {0xF800, 0x07E0, 0x001F, 0}),
         3, 1, {0xFFFF0000, 0xFF00FF00, 0xFF000400}},
        {"24 bit, bottom-up",
         Layout(2, 2, 24, Rows({Bytes({1, 2, 3, 4, 5, 6}), Bytes({0x33, 0x22, 0x11, 0xC0, 0xB0, 0xA0})})),
         2, 2, {A, B, 0xFF030201, 0xFF060504}},
        {"32 bit plain ignores the fourth byte",
         Layout(2, 1, 32, Bytes({0x33, 0x22, 0x11, 0x80, 0xC0, 0xB0, 0xA0, 0x00})),
         2, 1, {A, B}},
        {"32 bit with an alpha mask in a version 5 header",
         WithMasks(Layout(2, 1, 32, Bytes({0x33, 0x22, 0x11, 0x80, 0xC0, 0xB0, 0xA0, 0x00})),
                   {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 124),
         2, 1, {0x80112233, 0x00A0B0C0}},
        {"32 bit alpha that is zero everywhere is opaque",
         WithMasks(Layout(1, 1, 32, Bytes({0x33, 0x22, 0x11, 0x00})), {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
                   108),
         1, 1, {A}},
        {"core header, 1 bit", [] {
             DibSpec layout = Core(Layout(2, 1, 1, Rows({Bytes({0x40})})));
             layout.palette = {0x112233, 0xA0B0C0};
             return layout;
         }(),
         2, 1, {A, B}},
        {"core header, 24 bit", Core(Layout(1, 1, 24, Rows({Bytes({0x33, 0x22, 0x11})}))), 1, 1, {A}},
        // Bottom row: run of three 1s; delta to (3, 1); one 3; end of line; top row: absolute
        // 2 1 2 (padded), one 1; end of bitmap. Skipped pixels take colour 0.
        {"RLE8 with delta, absolute run and end of bitmap",
         Compressed(WithPalette(Layout(4, 3, 8, Bytes({3, 1, 0, 2, 0, 1, 1, 3, 0, 0, 0, 3, 2, 1, 2, 0,
                                                     1, 1, 0, 1})),
                                4),
                    1),
         4, 3, {C, B, C, B, A, A, A, D, B, B, B, A}},
        {"RLE8 run longer than the row is clipped",
         Compressed(WithPalette(Layout(2, 1, 8, Bytes({5, 2, 0, 1})), 4), 1), 2, 1, {C, C}},
        {"RLE4 with run and absolute nibbles",
         Compressed(WithPalette(Layout(6, 1, 4, Bytes({2, 0x12, 0, 3, 0x30, 0x20, 0, 1})), 4), 2),
         6, 1, {B, C, D, A, C, A}},
        {"RLE4 odd absolute run is padded to a word",
         Compressed(WithPalette(Layout(4, 2, 4, Bytes({0, 5, 0x12, 0x30, 0x00, 0x77, 0, 0, 1, 0x30, 0, 1})), 4), 2),
         4, 2, {D, A, A, A, B, C, D, A}},
    };
}

TEST(PictureBmpTest, DecodesFilesAndBareDibsOfEveryDepth)
{
    for (const BitmapCase& c : BitmapCases()) {
        SCOPED_TRACE(c.name);
        for (const std::string& bytes : {MakeBmpFile(c.layout), MakeBmpFile(c.layout, 6), MakeDib(c.layout)}) {
            const auto result = platform::TryDecodePicture(PictureFormat::Bitmap, bytes);
            ASSERT_TRUE(result.picture) << result.error;
            EXPECT_EQ(result.picture->Format(), PictureFormat::Bitmap);
            EXPECT_EQ(result.picture->Width(), c.width);
            EXPECT_EQ(result.picture->Height(), c.height);
            EXPECT_EQ(Hex(result.picture->Pixels()), Hex(c.pixels));
            EXPECT_EQ(result.picture->Bytes(), bytes);
        }
    }
}

TEST(PictureBmpTest, EveryTruncationIsRefused)
{
    for (const BitmapCase& c : BitmapCases()) {
        SCOPED_TRACE(c.name);
        const std::string bytes = MakeBmpFile(c.layout);
        for (size_t length = 0; length < bytes.size(); ++length)
            EXPECT_FALSE(platform::DecodePicture(PictureFormat::Bitmap, bytes.substr(0, length)))
                << "prefix of " << length << " bytes";
    }
}

struct RefusalCase {
    const char* name;
    std::string bytes;
    const char* error;
};

std::vector<RefusalCase> RefusalCases()
{
    auto file = [](DibSpec layout) { return MakeBmpFile(layout); };
    DibSpec hugePalette = WithPalette(Layout(1, 1, 8, Rows({Bytes({0})})), 1);
    hugePalette.colorsUsed = 0xFFFFFFFF;
    std::string badOffset = file(Layout(1, 1, 24, Rows({Bytes({1, 2, 3})})));
    badOffset[10] = char(0xF0);
    DibSpec unknownHeader = Layout(1, 1, 24, Rows({Bytes({1, 2, 3})}));
    unknownHeader.headerSize = 41;
    return {
        {"20000 x 20000 claim", file(Layout(20000, 20000, 24, "")), "too large"},
        {"width just past the limit", file(Layout(100'000'001, 1, 1, "")), "too large"},
        {"stride overflows 32 bits", file(Layout(0x7FFFFFFF, 1, 32, "")), "too large"},
        {"100 megapixels claimed with no data", file(Layout(10000, 10000, 24, "")),
         "pixel data is truncated"},
        {"negative width", file(Layout(-5, 1, 24, Rows({Bytes({1, 2, 3})}))), "invalid size"},
        {"zero height", file(Layout(1, 0, 24, Rows({Bytes({1, 2, 3})}))), "invalid size"},
        {"most negative height", file(Layout(1, INT32_MIN, 24, "")), "invalid size"},
        {"3 bits per pixel", file(Layout(1, 1, 3, Rows({Bytes({0})}))), "unsupported"},
        {"embedded JPEG", file(Compressed(Layout(1, 1, 24, Rows({Bytes({0})})), 4)), "unsupported"},
        {"RLE8 at 4 bits", file(Compressed(Layout(1, 1, 4, Bytes({0, 1})), 1)), "unsupported"},
        {"top-down RLE", file(Compressed(WithPalette(Layout(1, -1, 8, Bytes({1, 0, 0, 1})), 1), 1)),
         "invalid size"},
        {"RLE claiming 16 megapixels from 2 bytes",
         file(Compressed(WithPalette(Layout(4000, 4000, 8, Bytes({0, 1})), 1), 1)), "too short"},
        {"RLE without end", file(Compressed(WithPalette(Layout(1, 2, 8, Bytes({1, 0, 0, 0})), 1), 1)),
         "truncated"},
        {"unknown header size", file(unknownHeader), "unknown header"},
        {"palette count beyond the data", file(hugePalette), "colour table"},
        {"data offset past the end", badOffset, "data offset"},
        {"empty", "", "unknown header"},
    };
}

TEST(PictureBmpTest, RefusesImpossibleHeadersWithAReason)
{
    for (const RefusalCase& c : RefusalCases()) {
        SCOPED_TRACE(c.name);
        const auto result = platform::TryDecodePicture(PictureFormat::Bitmap, c.bytes);
        EXPECT_FALSE(result.picture);
        EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
    }
}

// Up to a megapixel, run-length data may leave everything blank; the blank is colour 0.
TEST(PictureBmpTest, SparseRunLengthBitmapUpToAMegapixel)
{
    const DibSpec layout = Compressed(WithPalette(Layout(1024, 1024, 8, Bytes({1, 1, 0, 1})), 2), 1);
    const auto picture = platform::DecodePicture(PictureFormat::Bitmap, MakeBmpFile(layout));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Pixels()[1023 * 1024], B); // bottom-left, the one pixel drawn
    EXPECT_EQ(picture->Pixels()[1023 * 1024 + 1], A);
    EXPECT_EQ(picture->Pixels()[0], A);
}

QImage Pattern(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x * y * 53 + 17) % 256));
    if (format == QImage::Format_Indexed8)
        return image.convertToFormat(format, {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 90, 255),
                                              qRgb(250, 250, 250), qRgb(17, 130, 60)});
    return image.convertToFormat(format);
}

// Qt's own BMP writer is an independent source of files; odd widths exercise row padding.
TEST(PictureBmpTest, MatchesBitmapsWrittenByQt)
{
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888,
                                  QImage::Format_Indexed8, QImage::Format_Mono}) {
        for (int width = 1; width <= 9; ++width) {
            SCOPED_TRACE(testing::Message() << "format " << format << ", width " << width);
            const QImage image = Pattern(width, 3, format);
            QByteArray data;
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            ASSERT_TRUE(image.save(&buffer, "BMP"));
            const auto picture = platform::DecodePicture(PictureFormat::Bitmap, data.toStdString());
            ASSERT_TRUE(picture);
            ASSERT_EQ(picture->Width(), width);
            ASSERT_EQ(picture->Height(), 3);
            std::vector<uint32_t> expected;
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < width; ++x)
                    expected.push_back(image.pixel(x, y) | 0xFF000000);
            EXPECT_EQ(Hex(picture->Pixels()), Hex(expected));
        }
    }
}

// A file says where its pixels start, so a wild colour count on a 24-bit bitmap does not matter
// there; a bare DIB's pixels follow the colour table, which must then be present in full.
TEST(PictureBmpTest, ColourCountMattersOnlyWherePixelsFollowTheTable)
{
    DibSpec layout = Layout(1, 1, 24, Rows({Bytes({0x33, 0x22, 0x11})}));
    layout.colorsUsed = 0x00FFFFFF;
    const auto fromFile = platform::DecodePicture(PictureFormat::Bitmap, MakeBmpFile(layout));
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(Hex(fromFile->Pixels()), Hex({A}));
    const auto bare = platform::TryDecodePicture(PictureFormat::Bitmap, MakeDib(layout));
    EXPECT_FALSE(bare.picture);
    EXPECT_NE(bare.error.find("colour table"), std::string::npos) << bare.error;
}

} // namespace
