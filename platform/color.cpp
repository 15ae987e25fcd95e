#include "platform/color.h"

#include <array>
#include <cstddef>

namespace platform {
namespace {

// The desktop palette the stored documents were made under, as 0x00BBGGRR.
constexpr std::array<Color, kSystemColorCount> kDefaultSystemColors = {
    Rgb(0xC8, 0xC8, 0xC8), // 0 scroll bar
    Rgb(0x00, 0x00, 0x00), // 1 desktop
    Rgb(0x99, 0xB4, 0xD1), // 2 active caption
    Rgb(0xBF, 0xCD, 0xDB), // 3 inactive caption
    Rgb(0xF0, 0xF0, 0xF0), // 4 menu
    Rgb(0xFF, 0xFF, 0xFF), // 5 window
    Rgb(0x64, 0x64, 0x64), // 6 window frame
    Rgb(0x00, 0x00, 0x00), // 7 menu text
    Rgb(0x00, 0x00, 0x00), // 8 window text
    Rgb(0x00, 0x00, 0x00), // 9 caption text
    Rgb(0xB4, 0xB4, 0xB4), // 10 active border
    Rgb(0xF4, 0xF7, 0xFC), // 11 inactive border
    Rgb(0xAB, 0xAB, 0xAB), // 12 application workspace
    Rgb(0x33, 0x99, 0xFF), // 13 highlight
    Rgb(0xFF, 0xFF, 0xFF), // 14 highlight text
    Rgb(0xF0, 0xF0, 0xF0), // 15 button face
    Rgb(0xA0, 0xA0, 0xA0), // 16 button shadow
    Rgb(0x6D, 0x6D, 0x6D), // 17 grey text
    Rgb(0x00, 0x00, 0x00), // 18 button text
    Rgb(0x43, 0x4E, 0x54), // 19 inactive caption text
    Rgb(0xFF, 0xFF, 0xFF), // 20 button highlight
    Rgb(0x69, 0x69, 0x69), // 21 3-D dark shadow
    Rgb(0xE3, 0xE3, 0xE3), // 22 3-D light
    Rgb(0x00, 0x00, 0x00), // 23 tooltip text
    Rgb(0xFF, 0xFF, 0xE1), // 24 tooltip background
    Rgb(0x00, 0x00, 0x00), // 25 (unused)
    Rgb(0x00, 0x66, 0xCC), // 26 hot-tracked item
    Rgb(0xB9, 0xD1, 0xEA), // 27 active caption gradient
    Rgb(0xD7, 0xE4, 0xF2), // 28 inactive caption gradient
    Rgb(0x33, 0x99, 0xFF), // 29 menu highlight
    Rgb(0xF0, 0xF0, 0xF0), // 30 menu bar
};

std::array<Color, kSystemColorCount>& Table()
{
    static std::array<Color, kSystemColorCount> table = kDefaultSystemColors;
    return table;
}

} // namespace

Color SystemColorValue(int index)
{
    if (index < 0 || index >= kSystemColorCount)
        return Rgb(0, 0, 0);
    return Table()[size_t(index)];
}

void SetSystemColorValue(int index, Color rgb)
{
    if (index < 0 || index >= kSystemColorCount)
        return;
    Table()[size_t(index)] = Color(uint32_t(rgb) & 0x00FFFFFFu);
}

void ResetSystemColors()
{
    Table() = kDefaultSystemColors;
}

Color ResolveColor(Color color)
{
    if (IsSystemColor(color)) {
        // Only the low byte selects the entry; anything else in the middle bytes is no index.
        if ((uint32_t(color) & 0x00FFFF00u) != 0)
            return Rgb(0, 0, 0);
        return SystemColorValue(int(uint32_t(color) & 0xFF));
    }
    return Color(uint32_t(color) & 0x00FFFFFFu);
}

uint32_t ColorToArgb(Color color)
{
    const Color rgb = ResolveColor(color);
    return 0xFF000000u | (uint32_t(RedOf(rgb)) << 16) | (uint32_t(GreenOf(rgb)) << 8) |
           uint32_t(BlueOf(rgb));
}

} // namespace platform
