#include "vellum/style/para_border.h"

#include <algorithm>
#include <cmath>

#include "platform/canvas.h"
#include "platform/color.h"
#include "vellum/style/property_builders.h"

namespace vellum {

namespace {

constexpr std::string_view kBorderStyleNames[] = {"rvbNone",  "rvbSingle",      "rvbDouble",
                                                  "rvbTriple", "rvbThickInside", "rvbThickOutside"};

// Printers get fixed colours for the screen's system colours.
platform::Color PrinterColor(platform::Color color)
{
    switch (color) {
    case clScrollBar:
    case clBtnFace: return clSilver;
    case clWindow:
    case clBtnHighlight: return clWhite;
    case clWindowText: return clBlack;
    case clBtnShadow: return clGray;
    default: return color;
    }
}

platform::Color GrayOf(platform::Color color)
{
    platform::Color rgb = platform::ResolveColor(color);
    double lum = 0.30 * platform::RedOf(rgb) + 0.59 * platform::GreenOf(rgb) + 0.11 * platform::BlueOf(rgb);
    int gray = std::min(255, static_cast<int>(std::lround(lum)));
    return platform::Rgb(gray, gray, gray);
}

} // namespace

platform::Color RVColorForMode(platform::Color color, ColorMode mode)
{
    if (color == clNone)
        return color;
    switch (mode) {
    case rvcmColor: return color;
    case rvcmPrinterColor: return PrinterColor(color);
    case rvcmGrayScale: return GrayOf(PrinterColor(color));
    case rvcmBlackAndWhite:
    case rvcmBlackOnWhite: return clBlack;
    }
    return color;
}

// ---- TRVRect, TRVBooleanRect ----

std::span<const PropertyInfo> TRVRect::Properties() const
{
    static const PropertyInfo table[] = {
        props::Integer<&TRVRect::Left>("Left", 0),
        props::Integer<&TRVRect::Right>("Right", 0),
        props::Integer<&TRVRect::Top>("Top", 0),
        props::Integer<&TRVRect::Bottom>("Bottom", 0),
    };
    return table;
}

std::span<const PropertyInfo> TRVBooleanRect::Properties() const
{
    static const PropertyInfo table[] = {
        props::Boolean<&TRVBooleanRect::Left>("Left", true),
        props::Boolean<&TRVBooleanRect::Right>("Right", true),
        props::Boolean<&TRVBooleanRect::Top>("Top", true),
        props::Boolean<&TRVBooleanRect::Bottom>("Bottom", true),
    };
    return table;
}

// ---- TRVBorder ----

bool TRVBorder::IsEqual(const TRVBorder& o) const
{
    return Style == o.Style && Color == o.Color && Width == o.Width && InternalWidth == o.InternalWidth &&
           BorderOffsets == o.BorderOffsets && VisibleBorders == o.VisibleBorders;
}

bool TRVBorder::SideShown(int side) const
{
    if (Style == rvbNone)
        return false;
    switch (side) {
    case 0: return VisibleBorders.Left;
    case 1: return VisibleBorders.Top;
    case 2: return VisibleBorders.Right;
    default: return VisibleBorders.Bottom;
    }
}

int TRVBorder::LineCount() const
{
    switch (Style) {
    case rvbNone: return 0;
    case rvbSingle: return 1;
    case rvbDouble:
    case rvbThickInside:
    case rvbThickOutside: return 2;
    case rvbTriple: return 3;
    }
    return 0;
}

void TRVBorder::DrawSides(platform::Canvas& canvas, int left, int top, int right, int bottom) const
{
    // Each side goes there and back, so that both of its end pixels are drawn.
    auto there_and_back = [&](platform::Point a, platform::Point b) {
        canvas.Line(a, b);
        canvas.Line(b, a);
    };
    if (VisibleBorders.Top)
        there_and_back({left, top}, {right, top});
    if (VisibleBorders.Right)
        there_and_back({right, top}, {right, bottom});
    if (VisibleBorders.Bottom)
        there_and_back({right, bottom}, {left, bottom});
    if (VisibleBorders.Left)
        there_and_back({left, bottom}, {left, top});
}

void TRVBorder::Draw(const platform::Rect& rect, platform::Canvas& canvas, ColorMode colorMode) const
{
    if (Style == rvbNone)
        return;
    // 1. The border rectangle lies outside the paragraph rectangle by the offsets.
    int left = rect.left - BorderOffsets.Left;
    int top = rect.top - BorderOffsets.Top;
    int right = rect.right + BorderOffsets.Right;
    int bottom = rect.bottom + BorderOffsets.Bottom;
    platform::Pen pen;
    pen.color = RVColorForMode(Color, colorMode);
    pen.style = platform::PenStyle::Solid;
    // 2. Lines from the innermost outward; pass 1 is the outermost.
    for (int pass = LineCount(); pass >= 1; --pass) {
        // 3. The thick line of the thick styles is twice as wide.
        bool thick = (Style == rvbThickOutside && pass == 1) || (Style == rvbThickInside && pass == 2);
        pen.width = thick ? 2 * Width : Width;
        canvas.SetPen(pen);
        DrawSides(canvas, left, top, right, bottom);
        // 4. The next line lies a gap further out.
        int grow = 1 + InternalWidth;
        left -= grow;
        top -= grow;
        right += grow;
        bottom += grow;
        if (Width == 1 && Style == rvbThickOutside) {
            ++right;
            ++bottom;
        }
        if (Width == 1 && Style == rvbThickInside) {
            --left;
            --top;
        }
    }
    // 5. Leave a one-pixel pen behind.
    pen.width = 1;
    canvas.SetPen(pen);
}

std::span<const PropertyInfo> TRVBorder::Properties() const
{
    static const PropertyInfo table[] = {
        props::Integer<&TRVBorder::Width>("Width", 1),
        props::Integer<&TRVBorder::InternalWidth>("InternalWidth", 1),
        props::Integer<&TRVBorder::Color>("Color", clWindowText, IntegerNameTable::Color),
        props::Enumeration<&TRVBorder::Style>("Style", kBorderStyleNames, rvbNone),
        props::Object<&TRVBorder::VisibleBorders>("VisibleBorders"),
        props::Object<&TRVBorder::BorderOffsets>("BorderOffsets"),
    };
    return table;
}

// ---- TRVBackgroundRect ----

void TRVBackgroundRect::Draw(const platform::Rect& rect, platform::Canvas& canvas, ColorMode colorMode) const
{
    if (Color == clNone || colorMode == rvcmBlackAndWhite || colorMode == rvcmBlackOnWhite)
        return;
    // A rectangle without an outline stops one pixel short at the right and the bottom, so
    // widening by one makes the fill cover exactly the paragraph rectangle.
    platform::Rect area = rect;
    ++area.right;
    ++area.bottom;
    const platform::Pen oldPen = canvas.GetPen();
    const platform::Color oldBrush = canvas.Brush();
    canvas.SetPen({oldPen.color, 1, platform::PenStyle::Null});
    canvas.SetBrush(RVColorForMode(Color, colorMode));
    canvas.Rectangle(area);
    canvas.SetPen(oldPen);
    canvas.SetBrush(oldBrush);
}

std::span<const PropertyInfo> TRVBackgroundRect::Properties() const
{
    static const PropertyInfo table[] = {
        props::Integer<&TRVBackgroundRect::Color>("Color", clNone, IntegerNameTable::Color),
        props::Object<&TRVBackgroundRect::BorderOffsets>("BorderOffsets"),
    };
    return table;
}

} // namespace vellum
