// The shaping of one finished line by its paragraph style, step by step: items aligned to the
// line box, the line-spacing gaps, and horizontal alignment with justification.
#pragma once

#include <cstdint>

#include "vellum/layout/draw_lines.h"
#include "vellum/layout/format_state.h"
#include "vellum/style/para_info.h"

namespace vellum {

class TCustomRVFormattedData;

// The draw items [first, end) of one line.
struct LineSpan {
    TRVDrawLines& items;
    int32_t first = 0;
    int32_t end = 0;

    TRVDrawLineInfo& operator[](int32_t i) const { return items[i]; }
    TRVDrawLineInfo& Last() const { return items[end - 1]; }
};

// Places the rect items aligned to the line's top, bottom or middle in the box the other
// pieces (or the line-spacing frame) make. When one starts above the box (and the frame is not
// exact) the whole line, baseline included, moves down. Returns how far they reach below the
// box, which widens the gap below the line.
int32_t PlaceLineAlignedItems(const TCustomRVFormattedData& data, LineSpan line, FormatState& state);

// Applies PARA's line spacing to the line: the gaps above and below that every piece records,
// and the gap to leave below the line (0 for the at-least and exact frames).
int32_t ApplyLineSpacing(const TCustomRVFormattedData& data, LineSpan line, const TParaInfo& para,
                         const FormatState& state);

// Moves the pieces by ALIGNMENT (rvaJustify is already resolved for the reading direction) so
// that the line ends at LINERIGHT; justification spreads the free space over the gaps before
// the words after the first (or after the last tab) unless LASTOFPARAGRAPH. A line wider than
// its room is never moved left and never gets negative gaps.
void AlignLine(const TCustomRVFormattedData& data, LineSpan line, TRVAlignment alignment, int32_t lineRight,
               bool lastOfParagraph);

} // namespace vellum
