// Where a paragraph's background and border go: from its left indent to the right edge of the
// text width (or further, where a piece reaches), over the full height of its lines including
// the gaps that line spacing added.
#pragma once

#include <cstdint>

namespace vellum {

class TCustomRVFormattedData;

// Document coordinates; 64 bits, so indents and offsets from a file cannot overflow.
struct ParagraphBox {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;
};

// The rectangle of the paragraph whose first draw item is FIRSTDRAWITEMNO.
ParagraphBox ParagraphRect(const TCustomRVFormattedData& data, int32_t firstDrawItemNo);

} // namespace vellum
