// The bodies of the layout record, of the list of markers that precede a document fragment, and
// of the background record's picture.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vellum/rv_types.h"

namespace platform {
class Picture;
}

namespace vellum {

// The layout body's fields as stored.
struct LayoutBody {
    bool Nested = false;
    bool HasMargins = false; // the viewer's margins and widths (top-level documents only)
    int32_t LeftMargin = 0;
    int32_t RightMargin = 0;
    int32_t TopMargin = 0;
    int32_t BottomMargin = 0;
    int32_t MinTextWidth = 0;
    int32_t MaxTextWidth = 0;
    uint8_t BiDiMode = 0;
    bool FirstParaContinued = false;
    bool LastParaContinued = false;
    int32_t ContinuedListNo = -1;
    int32_t ContinuedListLevel = 0;
};

// Reads a layout body. Throws EVellumError "Invalid RVF format" when a top-level body is
// shorter than its fixed part or any group is cut short. A continued list style is translated
// through LISTMAP when there is one; a number beyond the map means no list.
LayoutBody ReadRvfLayoutBody(std::string_view body, const TRVIntegerList* listMap);
std::string WriteRvfLayoutBody(const LayoutBody& layout);

// One marker standing before a document fragment, for numbering that continues.
struct PrecedingMarker {
    int32_t ListNo = -1;
    int32_t Level = 0;
    bool ResetNumbering = false;
    int32_t StartFrom = 1;
    int32_t Counter = 0;
};

// Reads a marker list body; false when the count claims more markers than the body holds.
// List numbers are translated through LISTMAP as layout bodies translate theirs.
bool ReadRvfMarkerList(std::string_view body, const TRVIntegerList* listMap, std::vector<PrecedingMarker>& out);

// The background picture of a background record: always a bitmap. DataMode 0 is hex that must
// decode completely, 2 the bytes as they are. Null when the body cannot be loaded.
std::unique_ptr<platform::Picture> ReadRvfBackgroundBody(std::string_view line, int32_t dataMode);

} // namespace vellum
