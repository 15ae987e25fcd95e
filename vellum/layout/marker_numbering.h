// Numbering of list markers and the text they show: counters per list and level, and marker
// texts built from the level's format string.
#pragma once

#include "vellum/document/marker_item_info.h"
#include "vellum/document/numbering_lists.h"
#include "vellum/style/list_level.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vellum {

class TRVStyle;

// Format strings refer to at most this many counters, one per level.
constexpr size_t kMaxListFormatArgs = 256;

// The level a marker draws with: none without a style sheet, for a list number outside the
// list styles, a negative level or a list without levels; the last level for a level beyond it.
const TRVListLevel* MarkerLevel(const TRVStyle* style, const TRVMarkerItemInfo& marker);

// Applies a list level's format string. Only "%n:s" (n below 256), "%s" (the argument after the
// last one used) and "%%" are understood; any other directive, or an argument that is not
// there, gives none. The text never reaches a printf-style function.
std::optional<std::string> FormatListString(std::string_view format,
                                            std::span<const std::string> args);

// VALUE written in the number style of TYPE; empty for types without one.
std::string ListNumberText(int32_t value, TRVListType type);

// Recomputes Counter and MarkerText of every marker of LIST from STARTINDEX on that shares the
// list style of the marker at STARTINDEX.
void RecalcCounters(TRVMarkerList& list, int32_t startIndex, const TRVStyle* style);
// Rebuilds MarkerText of the marker at INDEX of LIST from the counters before it.
void MakeMarkerText(TRVMarkerList& list, int32_t index, const TRVStyle* style);
// Numbers every list of LIST from its start.
void RecalcAllCounters(TRVMarkerList& list, const TRVStyle* style);

} // namespace vellum
