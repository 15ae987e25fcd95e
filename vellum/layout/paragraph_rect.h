// Where a paragraph's background and border go, in document coordinates: between its indents
// (or the widest of its draw items) and from its first line's top to its last line's bottom,
// gaps of line spacing included. The painter fills and frames it.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/canvas.h"

namespace vellum {

class TCustomRVFormattedData;

// Draw items [first, end).
struct DrawItemRange {
    int32_t first = 0;
    int32_t end = 0;
};

// The draw items of the paragraph that draw item DRAWITEMNO belongs to.
DrawItemRange ParagraphDrawItems(const TCustomRVFormattedData& data, int32_t drawItemNo);

// The rectangle of the paragraph whose draw items are RANGE; none for an empty range and for
// a paragraph of horizontal lines, which have neither background nor border.
std::optional<platform::Rect> ParagraphRect(const TCustomRVFormattedData& data, DrawItemRange range);

} // namespace vellum
