#include "vellum/layout/resolution_pair.h"

#include "platform/testing/recording_canvas.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(ResolutionPairTest, ConvertsBetweenScreenAndDevice)
{
    struct Case {
        int screenX, screenY, deviceX, deviceY, v, toX, toY, fromX, fromY;
    };
    const Case cases[] = {
        {96, 96, 96, 96, 37, 37, 37, 37, 37},
        {96, 96, 600, 300, 10, 63, 31, 2, 3}, // 62.5 rounds away from zero
        {96, 96, 600, 300, -10, -63, -31, -2, -3},
        {0, -5, 96, 96, 2, 192, 192, 0, 0},   // resolutions of 0 or less count as 1
        {96, 96, 0, 0, 96, 1, 1, 9216, 9216},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deviceX * 1000 + c.screenX);
        platform::RecordingCanvas screen(10, 10, c.screenX, c.screenY);
        platform::RecordingCanvas device(10, 10, c.deviceX, c.deviceY);
        const ResolutionPair pair = ResolutionPair::FromCanvases(screen, device);
        EXPECT_EQ(pair.XToDevice(c.v), c.toX);
        EXPECT_EQ(pair.YToDevice(c.v), c.toY);
        EXPECT_EQ(pair.XFromDevice(c.v), c.fromX);
        EXPECT_EQ(pair.YFromDevice(c.v), c.fromY);
    }
    platform::RecordingCanvas printer(10, 10, 600, 600);
    const ResolutionPair same = ResolutionPair::FromCanvas(printer);
    EXPECT_EQ(same.XToDevice(123), 123);
    EXPECT_EQ(same.DevicePpiY, 600);
}

} // namespace
} // namespace vellum
