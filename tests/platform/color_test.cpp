#include "platform/color.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

TEST(Color, ResolvesEveryForm)
{
    struct Case {
        Color color;
        Color rgb;
        uint32_t argb;
    };
    const std::vector<Case> cases = {
        {Rgb(0x12, 0x34, 0x56), 0x563412, 0xFF123456},
        {0x00000000, 0x000000, 0xFF000000},
        {kColorWindow, 0xFFFFFF, 0xFFFFFFFF},
        {kColorWindowText, 0x000000, 0xFF000000},
        {kColorHighlight, Rgb(0x33, 0x99, 0xFF), 0xFF3399FF},
        {kColorBtnFace, Rgb(0xF0, 0xF0, 0xF0), 0xFFF0F0F0},
        {kColorBtnShadow, Rgb(0xA0, 0xA0, 0xA0), 0xFFA0A0A0},
        {SystemColor(30), Rgb(0xF0, 0xF0, 0xF0), 0xFFF0F0F0},
        // Outside the table: black.
        {SystemColor(31), 0x000000, 0xFF000000},
        {SystemColor(0xFF), 0x000000, 0xFF000000},
        {Color(0xFF010005u), 0x000000, 0xFF000000},
        // Palette-relative forms keep their RGB bytes; the none colour shows as white.
        {Color(0x02112233), 0x112233, 0xFF332211},
        {kColorNone, 0xFFFFFF, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveColor(c.color), c.rgb) << std::hex << uint32_t(c.color);
        EXPECT_EQ(ColorToArgb(c.color), c.argb) << std::hex << uint32_t(c.color);
    }
}

TEST(Color, ClassifiesForms)
{
    EXPECT_TRUE(IsNoneColor(0x1FFFFFFF));
    EXPECT_FALSE(IsNoneColor(0x00FFFFFF));
    EXPECT_TRUE(IsSystemColor(Color(0xFF000008u)));
    EXPECT_FALSE(IsSystemColor(0x00000008));
    EXPECT_EQ(kColorWindowText, Color(0xFF000008u));
    EXPECT_LT(kColorWindowText, 0); // stored colours are signed: system colours are negative
}

TEST(Color, TableEntriesCanBeReplacedAndReset)
{
    SetSystemColorValue(kColorIndexHighlight, Rgb(1, 2, 3));
    SetSystemColorValue(-1, Rgb(9, 9, 9));
    SetSystemColorValue(kSystemColorCount, Rgb(9, 9, 9));
    EXPECT_EQ(ResolveColor(kColorHighlight), Rgb(1, 2, 3));
    ResetSystemColors();
    EXPECT_EQ(ResolveColor(kColorHighlight), Rgb(0x33, 0x99, 0xFF));
    EXPECT_EQ(SystemColorValue(-5), 0);
}

} // namespace
} // namespace platform
