// Colours in the engine's stored form and their resolution to RGB, in one place.
//
// A colour is a 32-bit value: 0x00BBGGRR is an RGB colour with red in the low byte;
// 0xFF0000nn is system colour nn, looked up in the system-colour table below; 0x1FFFFFFF is
// the none colour (transparent, not set, or the default).
#pragma once

#include <cstdint>

namespace platform {

using Color = int32_t;

constexpr Color kColorNone = 0x1FFFFFFF;

constexpr Color SystemColor(int index)
{
    return static_cast<Color>(0xFF000000u | static_cast<uint32_t>(index & 0xFF));
}

// System colour indexes the engine names.
constexpr int kColorIndexBtnFace = 15;
constexpr int kColorIndexWindow = 5;
constexpr int kColorIndexWindowText = 8;
constexpr int kColorIndexHighlight = 13;
constexpr int kColorIndexHighlightText = 14;
constexpr int kColorIndexBtnShadow = 16;
constexpr int kColorIndexBtnHighlight = 20;

constexpr Color kColorWindow = SystemColor(kColorIndexWindow);
constexpr Color kColorWindowText = SystemColor(kColorIndexWindowText);
constexpr Color kColorHighlight = SystemColor(kColorIndexHighlight);
constexpr Color kColorHighlightText = SystemColor(kColorIndexHighlightText);
constexpr Color kColorBtnFace = SystemColor(kColorIndexBtnFace);
constexpr Color kColorBtnShadow = SystemColor(kColorIndexBtnShadow);
constexpr Color kColorBtnHighlight = SystemColor(kColorIndexBtnHighlight);

// Number of entries of the system-colour table (indexes 0 .. kSystemColorCount - 1).
constexpr int kSystemColorCount = 31;

constexpr Color Rgb(int red, int green, int blue)
{
    return static_cast<Color>((uint32_t(red) & 0xFF) | ((uint32_t(green) & 0xFF) << 8) |
                              ((uint32_t(blue) & 0xFF) << 16));
}

constexpr bool IsNoneColor(Color color) { return color == kColorNone; }
constexpr bool IsSystemColor(Color color) { return (uint32_t(color) & 0xFF000000u) == 0xFF000000u; }

// The colour as 0x00BBGGRR: system colours through the table (an index outside it gives
// black), every other value by its low 24 bits (so the none colour gives white, as a surface
// that is handed it anyway would show).
Color ResolveColor(Color color);

// Channels of a resolved colour.
constexpr int RedOf(Color rgb) { return int(uint32_t(rgb) & 0xFF); }
constexpr int GreenOf(Color rgb) { return int((uint32_t(rgb) >> 8) & 0xFF); }
constexpr int BlueOf(Color rgb) { return int((uint32_t(rgb) >> 16) & 0xFF); }

// The resolved colour as 0xAARRGGBB with full alpha, the pixel form of pictures and buffers.
uint32_t ColorToArgb(Color color);

// The system-colour table entry INDEX as 0x00BBGGRR; black outside the table.
Color SystemColorValue(int index);

// Replaces one table entry (the application may follow the desktop's palette). Indexes outside
// the table are ignored.
void SetSystemColorValue(int index, Color rgb);

// Restores the built-in table.
void ResetSystemColors();

} // namespace platform
