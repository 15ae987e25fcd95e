// The fixed data lines of non-text item records other than the item text: caption lines of
// labels, sequences, notes and note references; class names and bodies of pictures and controls;
// the nested document that holds a note's text. Extra property lines and the item text are read
// by the record framing; it hands every other line here.
#pragma once

#include "vellum/document/custom_item_info.h"
#include "vellum/rvf/rvf_header.h"
#include "vellum/rvf/rvf_item_context.h"

#include <optional>
#include <string_view>

namespace vellum {

// Reads the fixed line HEADER.LineIndex of the record HEADER describes into ITEM. A caption
// style given by name sets HEADER.ItemByName. False fails the record.
bool ReadFixedItemLine(TCustomRVItemInfo& item, RvfHeader& header, std::string_view line,
                       RvfItemContext& context);

// A number on a data line: optional sign, decimal digits, nothing else, within 32 bits.
std::optional<int32_t> ParseRvfLineInteger(std::string_view line);

} // namespace vellum
