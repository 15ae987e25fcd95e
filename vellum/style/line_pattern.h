// Underlines and the lines drawn like them: solid, thick, double, dotted and dashed patterns
// whose periods follow the canvas resolution.
#pragma once

#include <cstdint>
#include <vector>

#include "vellum/style/font_info.h"
#include "vellum/style/style_types.h"

namespace platform {
class Canvas;
}

namespace vellum {

// A drawn piece of a patterned line, relative to the line's start.
struct LineSegment {
    int64_t start = 0;
    int64_t length = 0;
    friend bool operator==(const LineSegment&, const LineSegment&) = default;
};

// The thick types draw with twice the thickness.
bool IsThickUnderline(TRVUnderlineType type);

// The pieces TYPE draws along a line LENGTH pixels long at PPI pixels per inch, cut at the
// line's end; only pieces that reach into [VISIBLEFROM, VISIBLETO) are listed, so a line of
// any length costs only what is visible. Solid and double types give one piece. Every period
// is at least one pixel, whatever the resolution.
std::vector<LineSegment> UnderlineSegments(TRVUnderlineType type, int ppi, int64_t length,
                                           int64_t visibleFrom = 0, int64_t visibleTo = INT64_MAX);

// Draws TYPE's line from LEFT to RIGHT centred on Y, THICKNESS pixels thick (before the thick
// types double it), in COLOR, with the pattern scaled to the canvas's font resolution. Nothing
// is drawn for a thickness of 0 or less or for clNone.
void DrawUnderline(platform::Canvas& canvas, TRVUnderlineType type, int left, int right, int y,
                   int thickness, platform::Color color);

// A solid line of THICKNESS pixels centred on Y: filled rectangles, or a one-pixel pen line
// for a thickness of 1.
void DrawSolidLine(platform::Canvas& canvas, int left, int right, int y, int thickness, platform::Color color);

} // namespace vellum
