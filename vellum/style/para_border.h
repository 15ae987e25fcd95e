// The parts of a paragraph style that are objects of their own: side rectangles, the border and
// the background rectangle, and how the last two are drawn on a canvas.
#pragma once

#include <cstdint>

#include "vellum/style/persistent.h"
#include "vellum/style/style_types.h"

namespace platform {
class Canvas;
struct Rect;
} // namespace platform

namespace vellum {

// Four per-side lengths in pixels.
class TRVRect : public Persistent {
public:
    int32_t Left = 0;
    int32_t Right = 0;
    int32_t Top = 0;
    int32_t Bottom = 0;

    void Assign(const TRVRect& source) { *this = source; }
    void SetAll(int32_t value) { Left = Right = Top = Bottom = value; }
    bool operator==(const TRVRect& o) const
    {
        return Left == o.Left && Right == o.Right && Top == o.Top && Bottom == o.Bottom;
    }
    std::span<const PropertyInfo> Properties() const override;
};

// Four per-side flags.
class TRVBooleanRect : public Persistent {
public:
    bool Left = true;
    bool Right = true;
    bool Top = true;
    bool Bottom = true;

    void Assign(const TRVBooleanRect& source) { *this = source; }
    bool operator==(const TRVBooleanRect& o) const
    {
        return Left == o.Left && Right == o.Right && Top == o.Top && Bottom == o.Bottom;
    }
    std::span<const PropertyInfo> Properties() const override;
};

enum TRVBorderStyle : uint8_t { rvbNone, rvbSingle, rvbDouble, rvbTriple, rvbThickInside, rvbThickOutside };

// The colour COLOR as the painter's colour mode shows it: system colours become fixed printing
// colours in the printing modes, and grey in the grey-scale mode.
platform::Color RVColorForMode(platform::Color color, ColorMode mode);

class TRVBorder : public Persistent {
public:
    int32_t Width = 1;
    int32_t InternalWidth = 1;
    platform::Color Color = clWindowText;
    TRVBorderStyle Style = rvbNone;
    TRVBooleanRect VisibleBorders;
    TRVRect BorderOffsets;

    void Assign(const TRVBorder& source) { *this = source; }
    // Every field, whatever the style.
    bool IsEqual(const TRVBorder& other) const;
    // Whether SIDE (0 left, 1 top, 2 right, 3 bottom) is drawn: a style and a visible side.
    bool SideShown(int side) const;
    // Draws the border around RECT, the paragraph rectangle (the offsets are added here).
    void Draw(const platform::Rect& rect, platform::Canvas& canvas, ColorMode colorMode) const;

    std::span<const PropertyInfo> Properties() const override;

private:
    struct BorderBox {
        int64_t left, top, right, bottom;
    };
    int LineCount() const;
    void DrawSides(platform::Canvas& canvas, const BorderBox& box) const;
    bool FillIfSolid(platform::Canvas& canvas, const BorderBox& box, int64_t penWidth, platform::Color color) const;
    void DrawBands(platform::Canvas& canvas, const BorderBox& box, int64_t penWidth, platform::Color color) const;
    static void FillClipped(platform::Canvas& canvas, const BorderBox& area, platform::Color color);
};

class TRVBackgroundRect : public Persistent {
public:
    platform::Color Color = clNone;
    TRVRect BorderOffsets;

    void Assign(const TRVBackgroundRect& source) { *this = source; }
    bool IsEqual(const TRVBackgroundRect& other) const
    {
        return Color == other.Color && BorderOffsets == other.BorderOffsets;
    }
    // Fills RECT (already grown by the offsets) and the pixel column and row after it.
    void Draw(const platform::Rect& rect, platform::Canvas& canvas, ColorMode colorMode) const;

    std::span<const PropertyInfo> Properties() const override;
};

} // namespace vellum
