// The text form of a formatted document, for golden tests and `wenlocke-cli layout`. Later
// fields are only ever appended, never reordered, so older dumps stay readable.
//
//   document client=C width=W text-width=T height=H
//   dN item=I text=S+L left=X top=Y width=W height=H baseline=B[ line][ gaps=G,A,B] "text"
//   dN item=I kind=K left=X top=Y width=W height=H baseline=B[ line][ gaps=G,A,B]
//
// One "d" line per draw item in order. text=S+L: the 1-based first character and the
// character count of a text piece; kind=K: the item's style number for other items. baseline
// is the baseline of the draw item's line; "line" marks the first piece of a line; gaps= lists
// GapBefore, GapAbove and GapBelow when any is non-zero. The text is the piece's stored
// characters as UTF-8 in double quotes: '"' and '\' escaped with '\', control characters and
// invisible format characters (soft hyphen, zero-width spaces and joiners, byte order mark) as
// \u{XXXX}.
#pragma once

#include <cstdint>
#include <string>

namespace vellum {

class TCustomRVFormattedData;

// The "document" line without its line end.
std::string LayoutDocumentLine(const TCustomRVFormattedData& data);
// The whole dump, each line ending in '\n'.
std::string LayoutDump(const TCustomRVFormattedData& data);
// The document line extended for timing runs: draw-items=N lines=M format-ms=F.
std::string LayoutSummary(const TCustomRVFormattedData& data, double formatMs);

} // namespace vellum
