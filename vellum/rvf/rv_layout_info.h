// The page layout a document may carry, as its layout record stores it: the viewer's margins and
// widths (top-level documents only), its reading direction, and whether the document is a
// fragment that continues paragraphs across its edges.
#pragma once

#include <cstdint>

namespace vellum {

struct TRVLayoutInfo {
    bool Loaded = false; // a layout record has been read into it
    bool Nested = false; // the record of a nested document, which carries no margins
    int32_t LeftMargin = 0;
    int32_t RightMargin = 0;
    int32_t TopMargin = 0;
    int32_t BottomMargin = 0;
    int32_t MinTextWidth = 0;
    int32_t MaxTextWidth = 0;
    uint8_t BiDiMode = 0;
    bool LastParaContinued = false;
    bool FirstParaContinued = false;
    int32_t ContinuedListNo = -1;
    int32_t ContinuedListLevel = 0;
};

} // namespace vellum
