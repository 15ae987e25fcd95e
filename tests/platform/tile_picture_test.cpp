// Tiling a picture over an area: where the copies land on the Qt canvas (for origins near and
// far), that nothing outside the area is touched, and what the recording canvas writes.
#include "platform/qt/qt_canvas.h"
#include "platform/testing/recording_canvas.h"

#include "qt_test_app.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// 3 x 2: red, green, blue / black, white, transparent.
const std::vector<uint32_t> kPattern = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                        0xFF000000, 0xFFFFFFFF, 0x00000000};

QRgb PatternAt(int x, int y, Point origin)
{
    const auto wrap = [](int64_t v, int n) { return int(((v % n) + n) % n); };
    const uint32_t p = kPattern[size_t(wrap(int64_t(y) - origin.y, 2) * 3 + wrap(int64_t(x) - origin.x, 3))];
    return (p >> 24) == 0 ? kWhite : p; // transparent shows the white below
}

class TilePictureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing::EnsureQtApplication(); }
};

TEST_F(TilePictureTest, CopiesFollowTheGridWithinTheAreaOnly)
{
    const Picture picture(PictureFormat::Bitmap, 3, 2, kPattern, "");
    const Point origins[] = {{0, 0}, {1, 1}, {-1, -1}, {7, -4}, {-2000000001, 1999999999}};
    const Rect area{2, 3, 15, 11};
    for (const Point origin : origins) {
        SCOPED_TRACE(std::to_string(origin.x) + "," + std::to_string(origin.y));
        QtImageCanvas canvas(20, 14);
        canvas.TilePicture(picture, area, origin);
        for (int y = 0; y < 14; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool inside = x >= area.left && x < area.right && y >= area.top &&
                                    y < area.bottom;
                ASSERT_EQ(canvas.Image().pixel(x, y), inside ? PatternAt(x, y, origin) : kWhite)
                    << x << "," << y;
            }
        }
    }
}

TEST_F(TilePictureTest, TheClipStillHolds)
{
    const Picture picture(PictureFormat::Bitmap, 3, 2, kPattern, "");
    QtImageCanvas canvas(10, 10);
    canvas.IntersectClip({0, 0, 4, 4});
    canvas.TilePicture(picture, {0, 0, 10, 10}, {0, 0});
    EXPECT_EQ(canvas.Image().pixel(3, 3), PatternAt(3, 3, {0, 0}));
    EXPECT_EQ(canvas.Image().pixel(5, 5), kWhite);
}

TEST_F(TilePictureTest, NothingForZeroSizePicturesOrEmptyAreas)
{
    const Picture empty(PictureFormat::Bitmap, 0, 5, {}, "");
    const Picture picture(PictureFormat::Bitmap, 3, 2, kPattern, "");
    QtImageCanvas canvas(10, 10);
    RecordingCanvas recording;
    for (Canvas* target : {static_cast<Canvas*>(&canvas), static_cast<Canvas*>(&recording)}) {
        target->TilePicture(empty, {0, 0, 10, 10}, {0, 0});
        target->TilePicture(picture, {5, 5, 5, 9}, {0, 0});
    }
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(canvas.Image().pixel(x, y), kWhite);
    EXPECT_EQ(recording.Dump(), "");
}

TEST_F(TilePictureTest, MetafilesFrameTheAreaOnce)
{
    const Picture metafile(PictureFormat::EnhancedMetafile, 2, 2, {}, "x");
    QtImageCanvas canvas(10, 10);
    canvas.TilePicture(metafile, {1, 1, 9, 9}, {0, 0});
    EXPECT_EQ(canvas.Image().pixel(1, 1), ColorToArgb(kColorBtnShadow));
    EXPECT_EQ(canvas.Image().pixel(8, 8), ColorToArgb(kColorBtnShadow));
    EXPECT_EQ(canvas.Image().pixel(3, 3), kWhite);
}

TEST_F(TilePictureTest, RecordingCanvasWritesOneLine)
{
    const Picture picture(PictureFormat::Jpeg, 64, 32, std::vector<uint32_t>(64 * 32), "");
    RecordingCanvas canvas;
    canvas.TilePicture(picture, {0, 580, 800, 600}, {-5, -10});
    EXPECT_EQ(canvas.Dump(), "tile 0,580,800,600 64x32 jpeg origin=-5,-10\n");
}

} // namespace
} // namespace platform
