// The background: its queries, the style mapping, what it paints for each placement (as drawn
// on the recording canvas), and where tiles land in real pixels.
#include "vellum/control/rv_background.h"

#include "app/snapshot_style.h"
#include "platform/qt/qt_canvas.h"
#include "platform/testing/recording_canvas.h"
#include "tests/platform/qt_test_app.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using platform::PictureFormat;
using platform::RecordingCanvas;

std::shared_ptr<const platform::Picture> MakePicture(int width, int height,
                                                     PictureFormat format = PictureFormat::Bitmap,
                                                     uint32_t argb = 0xFF0000FF)
{
    const size_t count = size_t(std::max(width, 0)) * size_t(std::max(height, 0));
    return std::make_shared<platform::Picture>(format, width, height,
                                               std::vector<uint32_t>(count, argb), std::string());
}

TRVBackground BackgroundWith(TBackgroundStyle style, std::shared_ptr<const platform::Picture> picture)
{
    TRVBackground background;
    background.BackStyle = style;
    background.SetPicture(std::move(picture));
    return background;
}

constexpr platform::Color kRed = 0x0000FF;

TEST(Background, Queries)
{
    struct Case {
        const char* name;
        TBackgroundStyle style;
        int width;
        PictureFormat format;
        bool scrollsByRepaint;
        bool isEmpty;
        bool needsColor;
    };
    const Case cases[] = {
        {"no picture", bsNoBitmap, -1, PictureFormat::Bitmap, false, true, false},
        {"no picture, tiled", bsTiled, -1, PictureFormat::Bitmap, false, false, false},
        {"picture without style", bsNoBitmap, 64, PictureFormat::Bitmap, false, false, false},
        {"stretched", bsStretched, 64, PictureFormat::Bitmap, true, false, false},
        {"tiled", bsTiled, 64, PictureFormat::Bitmap, true, false, false},
        {"tiled and scrolled", bsTiledAndScrolled, 64, PictureFormat::Bitmap, false, false, false},
        {"centred", bsCentered, 64, PictureFormat::Bitmap, true, false, true},
        {"top left", bsTopLeft, 64, PictureFormat::Jpeg, true, false, true},
        {"bottom right", bsBottomRight, 64, PictureFormat::Bitmap, true, false, true},
        {"tiled icon", bsTiled, 64, PictureFormat::Icon, true, false, true},
        {"stretched metafile", bsStretched, 64, PictureFormat::Metafile, true, false, true},
        {"tiled jpeg", bsTiled, 64, PictureFormat::Jpeg, true, false, false},
        {"zero-width picture, centred", bsCentered, 0, PictureFormat::Bitmap, false, false, false},
        {"zero-size picture, no style", bsNoBitmap, 0, PictureFormat::Bitmap, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto picture = c.width < 0 ? nullptr : MakePicture(c.width, 64, c.format);
        const TRVBackground background = BackgroundWith(c.style, picture);
        EXPECT_EQ(background.ScrollsByRepaint(), c.scrollsByRepaint);
        EXPECT_EQ(background.IsEmpty(), c.isEmpty);
        EXPECT_EQ(background.NeedsColorUnderPicture(), c.needsColor);
    }
}

TEST(Background, StyleMapping)
{
    const int kinds[] = {0, 1, 2, 2, 3, 3, 3, 3, 3};
    for (int ordinal = 0; ordinal <= 8; ++ordinal) {
        SCOPED_TRACE(ordinal);
        EXPECT_EQ(BackgroundStyleToKind(BackgroundStyleFromOrdinal(ordinal)), kinds[ordinal]);
    }
    const std::pair<int, TBackgroundStyle> back[] = {
        {0, bsNoBitmap}, {1, bsStretched}, {2, bsTiled}, {3, bsCentered}, {4, bsTiled}, {-1, bsTiled}};
    for (const auto& [kind, style] : back)
        EXPECT_EQ(BackgroundStyleFromKind(kind), style) << kind;
    EXPECT_EQ(BackgroundStyleFromOrdinal(9), bsNoBitmap);
    EXPECT_EQ(BackgroundStyleFromOrdinal(-1), bsNoBitmap);
}

TEST(Background, SharesItsPictureWithOrWithoutTheCopySwitch)
{
    const auto picture = MakePicture(8, 8);
    TRVBackground background;
    background.SetPicture(picture, true);
    EXPECT_EQ(background.Picture(), picture);
    background.SetPicture(nullptr, false);
    EXPECT_EQ(background.Picture(), nullptr);
}

TEST(Background, TakesWhatAReadingPassHandsOver)
{
    TRVBackground background;
    background.BackStyle = bsTopLeft;
    background.SetPicture(MakePicture(8, 8));
    background.TakeReadResult({}); // no background record
    EXPECT_EQ(background.BackStyle, bsTopLeft);
    EXPECT_NE(background.Picture(), nullptr);

    BackgroundReadResult read;
    read.style = bsTiledAndScrolled;
    read.picture = std::make_unique<platform::Picture>(PictureFormat::Bitmap, 2, 2,
                                                       std::vector<uint32_t>(4, 0xFF000000u), "");
    background.TakeReadResult(std::move(read));
    EXPECT_EQ(background.BackStyle, bsTiledAndScrolled);
    ASSERT_NE(background.Picture(), nullptr);
    EXPECT_EQ(background.Picture()->Width(), 2);

    BackgroundReadResult unknown;
    unknown.style = 77; // a style no placement has, and a record without a picture
    background.TakeReadResult(std::move(unknown));
    EXPECT_EQ(background.BackStyle, bsNoBitmap);
    EXPECT_EQ(background.Picture(), nullptr);
}

// A document read with its background: the record's style and bitmap reach the background.
TEST(Background, ReadFromAnRvfDocument)
{
    const auto le32 = [](uint32_t v) {
        return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    };
    // A 1 x 1 24-bit BMP, as hexadecimal text.
    const std::string bmp = "BM" + le32(58) + le32(0) + le32(54) + le32(40) + le32(1) + le32(1) +
                            std::string("\x01\x00\x18\x00", 4) + le32(0) + le32(4) + le32(0) +
                            le32(0) + le32(0) + le32(0) + std::string("\x10\x20\x30\x00", 4);
    std::string hex;
    for (unsigned char c : bmp)
        hex += {"0123456789ABCDEF"[c >> 4], "0123456789ABCDEF"[c & 15]};
    struct Case {
        const char* name;
        std::string records;
        TBackgroundStyle style;
        int width; // 0: no picture
    };
    const Case cases[] = {
        {"record with a bitmap", "-7 2 0 0 0 0 4 255\r\nTBitmap\r\n" + hex + "\r\n", bsCentered, 1},
        {"record without a bitmap", "-7 0 -1 0 0 0 2 255\r\n", bsTiled, 0},
        {"no record", "", bsTopLeft, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wenlocke::SnapshotDocument doc;
        doc.Data.Settings().RVFOptions |= OptionBit<TRVFOptions>(rvfoLoadBack);
        TRVBackground background;
        background.BackStyle = bsTopLeft;
        background.SetPicture(MakePicture(8, 8));
        platform::Color color = clNone;
        BackgroundReadResult read;
        RvfReadTargets targets;
        targets.Color = &color;
        read.Attach(targets);
        TRVMemoryStream stream("-8 1 3\r\n" + c.records + "0 1 0 0 0 0\r\nhello\r\n");
        ASSERT_TRUE(ReadRvfStream(doc.Data, stream, targets));
        background.TakeReadResult(std::move(read));
        EXPECT_EQ(background.BackStyle, c.style);
        EXPECT_EQ(background.Picture() ? background.Picture()->Width() : 0, c.width);
    }
}

struct PaintCase {
    const char* name;
    TBackgroundStyle style;
    int pw; // picture size; a negative width: no picture
    int ph;
    PictureFormat format;
    platform::Color color;
    platform::Rect area;
    platform::Point docOrigin;
    const char* expected;
};

// Client 800 x 600 throughout.
const PaintCase kPaintCases[] = {
    {"colour only", bsNoBitmap, -1, 0, PictureFormat::Bitmap, kRed, {0, 0, 800, 600}, {0, 0},
     "fill 0,0,800,600 #0000FF\n"},
    {"no colour, no picture: nothing", bsTiled, -1, 0, PictureFormat::Bitmap, clNone,
     {0, 0, 800, 600}, {0, 0}, ""},
    {"opaque tiled skips the fill", bsTiled, 64, 64, PictureFormat::Bitmap, kRed,
     {0, 0, 800, 600}, {0, 30}, "tile 0,0,800,600 64x64 bitmap origin=0,0\n"},
    {"tiled and scrolled moves the grid", bsTiledAndScrolled, 64, 64, PictureFormat::Bitmap, kRed,
     {0, 580, 800, 600}, {5, 10}, "tile 0,580,800,600 64x64 bitmap origin=-5,-10\n"},
    {"transparent tiled keeps the fill", bsTiled, 32, 32, PictureFormat::Icon, kRed,
     {0, 0, 100, 100}, {0, 0}, "fill 0,0,100,100 #0000FF\ntile 0,0,100,100 32x32 icon origin=0,0\n"},
    {"opaque stretched skips the fill", bsStretched, 100, 50, PictureFormat::Jpeg, kRed,
     {0, 0, 800, 20}, {0, 0},
     "clip push\nclip 0,0,800,20 -> 0,0,800,20\nstretch 0,0,800,600 100x50 jpeg\nclip pop\n"},
    {"centred, larger than the client", bsCentered, 1000, 801, PictureFormat::Bitmap, kRed,
     {0, 0, 800, 600}, {0, 0},
     "fill 0,0,800,600 #0000FF\nclip push\nclip 0,0,800,600 -> 0,0,800,600\n"
     "picture -100,-100 1000x801 bitmap\nclip pop\n"},
    {"top left", bsTopLeft, 100, 50, PictureFormat::Bitmap, clNone, {0, 0, 800, 600}, {0, 0},
     "clip push\nclip 0,0,800,600 -> 0,0,800,600\npicture 0,0 100x50 bitmap\nclip pop\n"},
    {"top right", bsTopRight, 100, 50, PictureFormat::Bitmap, clNone, {0, 0, 800, 600}, {0, 0},
     "clip push\nclip 0,0,800,600 -> 0,0,800,600\npicture 700,0 100x50 bitmap\nclip pop\n"},
    {"bottom left", bsBottomLeft, 100, 50, PictureFormat::Bitmap, clNone, {0, 0, 800, 600},
     {0, 0}, "clip push\nclip 0,0,800,600 -> 0,0,800,600\npicture 0,550 100x50 bitmap\nclip pop\n"},
    {"bottom right", bsBottomRight, 100, 50, PictureFormat::Bitmap, clNone, {0, 0, 800, 600},
     {0, 0}, "clip push\nclip 0,0,800,600 -> 0,0,800,600\npicture 700,550 100x50 bitmap\nclip pop\n"},
    {"placed picture outside the area", bsTopLeft, 100, 50, PictureFormat::Bitmap, kRed,
     {0, 580, 800, 600}, {0, 0}, "fill 0,580,800,600 #0000FF\n"},
    {"no style draws no picture", bsNoBitmap, 100, 50, PictureFormat::Bitmap, kRed,
     {0, 0, 10, 10}, {0, 0}, "fill 0,0,10,10 #0000FF\n"},
    {"zero-size picture is neither tiled nor filled over", bsTiled, 0, 0, PictureFormat::Bitmap,
     kRed, {0, 0, 800, 600}, {0, 0}, "fill 0,0,800,600 #0000FF\n"},
    {"zero-height picture is not placed", bsCentered, 64, 0, PictureFormat::Bitmap, kRed,
     {0, 0, 800, 600}, {0, 0}, "fill 0,0,800,600 #0000FF\n"},
    {"empty area paints nothing", bsNoBitmap, -1, 0, PictureFormat::Bitmap, kRed,
     {10, 10, 10, 20}, {0, 0}, ""},
};

TEST(Background, PaintsByPlacement)
{
    for (const PaintCase& c : kPaintCases) {
        SCOPED_TRACE(c.name);
        const auto picture = c.pw < 0 ? nullptr : MakePicture(c.pw, c.ph, c.format);
        const TRVBackground background = BackgroundWith(c.style, picture);
        RecordingCanvas canvas(800, 600);
        background.Paint(canvas, c.area, c.color, {800, 600}, c.docOrigin);
        EXPECT_EQ(canvas.Dump(), c.expected);
    }
}

// A 64 x 64 picture whose first row is red and the rest blue, tiled on a real canvas.
class TiledPixels : public ::testing::Test {
protected:
    void SetUp() override { platform::testing::EnsureQtApplication(); }
    static bool RedAt(const QImage& image, int y) { return image.pixel(3, y) == 0xFFFF0000u; }
    static QImage Paint(TBackgroundStyle style, platform::Point docOrigin)
    {
        std::vector<uint32_t> pixels(64 * 64, 0xFF0000FFu);
        std::fill(pixels.begin(), pixels.begin() + 64, 0xFFFF0000u);
        auto picture = std::make_shared<platform::Picture>(PictureFormat::Bitmap, 64, 64,
                                                           std::move(pixels), std::string());
        const TRVBackground background = BackgroundWith(style, picture);
        platform::QtImageCanvas canvas(200, 200);
        background.Paint(canvas, {0, 0, 200, 200}, kRed, {200, 200}, docOrigin);
        return canvas.Image().copy();
    }
};

TEST_F(TiledPixels, FixedGridStaysWithTheWindow)
{
    const QImage image = Paint(bsTiled, {0, 10});
    for (int y = 0; y < 200; ++y)
        EXPECT_EQ(RedAt(image, y), y % 64 == 0) << y;
}

TEST_F(TiledPixels, ScrolledGridMovesWithTheDocument)
{
    const QImage image = Paint(bsTiledAndScrolled, {0, 10});
    for (int y = 0; y < 200; ++y)
        EXPECT_EQ(RedAt(image, y), y % 64 == 54) << y;
}

TEST_F(TiledPixels, FarDownTheGridStillLinesUp)
{
    const QImage image = Paint(bsTiledAndScrolled, {0, 400000 * 64 + 10});
    for (int y = 0; y < 200; ++y)
        EXPECT_EQ(RedAt(image, y), y % 64 == 54) << y;
}

} // namespace
} // namespace vellum
