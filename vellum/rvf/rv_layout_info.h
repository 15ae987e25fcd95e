// The page layout a document may carry: the viewer's margins and widths, its reading direction,
// and whether the document is a fragment that continues paragraphs across its edges.
#pragma once

#include <cstdint>

namespace vellum {

struct TRVLayoutInfo {
    bool Loaded = false;
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
