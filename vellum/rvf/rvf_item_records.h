// The parts of non-text item records that the reader needs to keep their framing: the rest of
// the header line, which data line is the item's text, where a binary body begins, and the
// extra property lines ("key=value") that every kind shares.
#pragma once

#include "vellum/document/custom_item_info.h"
#include "vellum/rvf/rvf_field_cursor.h"
#include "vellum/rvf/rvf_header.h"
#include "vellum/rvf/rvf_item_context.h"
#include "vellum/rvf/rvf_line_reader.h"

#include <string_view>

namespace vellum {

// Style names that item headers may use instead of numbers.
class RvfItemStyleNames {
public:
    virtual ~RvfItemStyleNames() = default;
    virtual int32_t TextStyleByName(std::string_view name) = 0;
    virtual int32_t ListStyleByName(std::string_view name) = 0;
};

// Reads what follows the tag on the header line of a non-text item. False fails the header.
bool ReadItemHeaderRest(TCustomRVItemInfo& item, RvfFieldCursor& rest, RvfHeader& header,
                        RvfItemStyleNames& names);

// One data line of a non-text item record. Collects the item's text into ITEMTEXT and may
// switch MODE so that the next line is read as a binary block; the kind's other fixed lines go
// to ReadFixedItemLine with CONTEXT. False fails the record.
bool ReadItemDataLine(TCustomRVItemInfo& item, RvfHeader& header, std::string_view line,
                      RvfLineMode& mode, TRVRawByteString& itemText, RvfItemContext& context);

// Applies an extra property line; unknown keys and lines without "=" are ignored.
void ApplyExtraPropertyLine(TCustomRVItemInfo& item, std::string_view line, bool utf8);

} // namespace vellum
