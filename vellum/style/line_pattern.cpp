#include "vellum/style/line_pattern.h"

#include <algorithm>

#include "platform/canvas.h"

namespace vellum {
namespace {

// A / B rounded to the nearest integer, halves up; A >= 0, B > 0.
int64_t RoundDiv(int64_t a, int64_t b)
{
    return (2 * a + b) / (2 * b);
}

// One period of a pattern: the pieces at their offsets and the distance to the next period.
struct Pattern {
    std::vector<LineSegment> pieces;
    int64_t period = 0; // 0: solid
};

Pattern PatternOf(TRVUnderlineType type, int ppi)
{
    auto scaled = [ppi](int64_t p96) { return std::max<int64_t>(1, RoundDiv(p96 * std::max(ppi, 1), 96)); };
    switch (type) {
    case rvutNormal:
    case rvutThick:
    case rvutDouble: return {};
    case rvutDotted:
    case rvutThickDotted: {
        const int64_t p = scaled(4);
        return {{{0, RoundDiv(p, 2)}}, p};
    }
    case rvutDashed:
    case rvutThickDashed: {
        const int64_t p = scaled(12);
        return {{{0, RoundDiv(2 * p, 3)}}, p};
    }
    case rvutLongDashed:
    case rvutThickLongDashed: {
        const int64_t p = scaled(24);
        return {{{0, RoundDiv(2 * p, 3)}}, p};
    }
    case rvutDashDotted:
    case rvutThickDashDotted: {
        const int64_t p = scaled(14);
        const int64_t dot = RoundDiv(5 * p, 7);
        return {{{0, RoundDiv(4 * p, 7)}, {dot, RoundDiv(p, 7)}}, std::max<int64_t>(1, dot + RoundDiv(2 * p, 7))};
    }
    case rvutDashDotDotted:
    case rvutThickDashDotDotted: {
        const int64_t p = scaled(16);
        const int64_t first = RoundDiv(p, 2);
        const int64_t second = first + RoundDiv(p, 4);
        const int64_t dot = RoundDiv(p, 8);
        return {{{0, RoundDiv(3 * p, 8)}, {first, dot}, {second, dot}},
                std::max<int64_t>(1, second + RoundDiv(p, 4))};
    }
    }
    return {};
}

// A piece cut to [0, LENGTH) and kept when it reaches into the visible window.
void AddPiece(std::vector<LineSegment>& out, int64_t start, int64_t length, int64_t lineLength,
              int64_t visibleFrom, int64_t visibleTo)
{
    const int64_t end = std::min(start + length, lineLength);
    if (end <= start || end <= visibleFrom || start >= visibleTo)
        return;
    out.push_back({start, end - start});
}

void FillSegment(platform::Canvas& canvas, int64_t left, int64_t right, int y, int thickness, platform::Color color)
{
    const int l = int(std::clamp<int64_t>(left, INT32_MIN / 2, INT32_MAX / 2));
    const int r = int(std::clamp<int64_t>(right, INT32_MIN / 2, INT32_MAX / 2));
    if (thickness == 1) {
        canvas.SetPen({color, 1, platform::PenStyle::Solid});
        canvas.Line({l, y}, {r, y});
        return;
    }
    const int64_t top = int64_t(y) - thickness / 2;
    canvas.FillRect({l, int(std::clamp<int64_t>(top, INT32_MIN / 2, INT32_MAX / 2)), r,
                     int(std::clamp<int64_t>(top + thickness, INT32_MIN / 2, INT32_MAX / 2))},
                    color);
}

} // namespace

bool IsThickUnderline(TRVUnderlineType type)
{
    switch (type) {
    case rvutThick:
    case rvutThickDotted:
    case rvutThickDashed:
    case rvutThickLongDashed:
    case rvutThickDashDotted:
    case rvutThickDashDotDotted: return true;
    case rvutNormal:
    case rvutDouble:
    case rvutDotted:
    case rvutDashed:
    case rvutLongDashed:
    case rvutDashDotted:
    case rvutDashDotDotted: return false;
    }
    return false;
}

std::vector<LineSegment> UnderlineSegments(TRVUnderlineType type, int ppi, int64_t length,
                                           int64_t visibleFrom, int64_t visibleTo)
{
    std::vector<LineSegment> out;
    if (length <= 0)
        return out;
    const Pattern pattern = PatternOf(type, ppi);
    if (pattern.period == 0) {
        AddPiece(out, 0, length, length, visibleFrom, visibleTo);
        return out;
    }
    // Start at the period that holds the first visible pixel.
    const int64_t from = std::clamp<int64_t>(visibleFrom, 0, length);
    const int64_t to = std::min(visibleTo, length);
    for (int64_t base = from / pattern.period * pattern.period; base < to; base += pattern.period) {
        for (const LineSegment& piece : pattern.pieces)
            AddPiece(out, base + piece.start, piece.length, length, visibleFrom, visibleTo);
    }
    return out;
}

void DrawSolidLine(platform::Canvas& canvas, int left, int right, int y, int thickness, platform::Color color)
{
    if (thickness <= 0 || color == clNone || right <= left)
        return;
    FillSegment(canvas, left, right, y, thickness, color);
}

void DrawUnderline(platform::Canvas& canvas, TRVUnderlineType type, int left, int right, int y,
                   int thickness, platform::Color color)
{
    if (thickness <= 0 || color == clNone || right <= left)
        return;
    const int t = IsThickUnderline(type) ? int(std::min<int64_t>(int64_t(thickness) * 2, INT32_MAX / 4)) : thickness;
    if (type == rvutDouble) {
        const int half = std::max(1, int(RoundDiv(t, 2)));
        DrawSolidLine(canvas, left, right, y - t, half, color);
        DrawSolidLine(canvas, left, right, y + t, half, color);
        return;
    }
    const platform::Rect clip = canvas.ClipBox();
    const int64_t length = int64_t(right) - left;
    for (const LineSegment& s : UnderlineSegments(type, canvas.PixelsPerInchY(), length,
                                                  int64_t(clip.left) - left, int64_t(clip.right) - left))
        FillSegment(canvas, int64_t(left) + s.start, int64_t(left) + s.start + s.length, y, t, color);
}

} // namespace vellum
