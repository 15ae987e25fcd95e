// The visual order of a line's pieces in a paragraph with a reading direction. Pieces keep
// their place in the draw item list (logical order); only their Left positions change. Inside
// one text piece the letters follow the canvas's own reading order.
#pragma once

#include <cstdint>

#include "vellum/layout/line_shaping.h"
#include "vellum/style/style_types.h"

namespace vellum {

class TCustomRVFormattedData;

// Lays the pieces of LINE out again from its first Left in the visual order of DIRECTION
// (rvbdLeftToRight or rvbdRightToLeft; unspecified leaves the line alone), keeping the gap in
// front of each piece.
void ReorderLine(const TCustomRVFormattedData& data, LineSpan line, TRVBiDiMode direction);

} // namespace vellum
