// The style-table records of an RVF document (text, paragraph and list styles): their body is a
// collection in the property stream format, read into a temporary table and then either
// replacing the style sheet's table or merged into it with a map for the rest of the pass.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "vellum/document/document_types.h"
#include "vellum/rv_types.h"
#include "vellum/style/custom_rv_info.h"

namespace vellum {

class TRVStyle;
class RvImageList;

// Sub-kinds of the document property record.
constexpr int32_t kRvfTextStyleTable = 1;
constexpr int32_t kRvfParaStyleTable = 2;
constexpr int32_t kRvfLayoutRecord = 3;
constexpr int32_t kRvfListStyleTable = 4;
constexpr int32_t kRvfDocPropertyStrings = 5;
constexpr int32_t kRvfPrecedingMarkers = 6;
constexpr int32_t kRvfDocParameters = 7;

// Warning bit of a style table that held an unknown property or a bad value.
constexpr uint8_t kRvfWarnStyleProperty = 1 << 7;

inline bool IsRvfStyleTable(int32_t subKind)
{
    return subKind == kRvfTextStyleTable || subKind == kRvfParaStyleTable || subKind == kRvfListStyleTable;
}

// What a style table record may touch during one reading pass.
struct RvfStyleTableContext {
    TRVStyle* Style = nullptr; // none: tables are read and dropped
    TRVFReaderStyleMode TextMode = rvf_sInsertMerge;
    TRVFReaderStyleMode ParaMode = rvf_sInsertMerge; // paragraph and list styles
    bool ReplaceStyles = false;                       // loading a whole document
    uint8_t* Warnings = nullptr;
    StyleAddedListener* OwnerDocument = nullptr; // told about styles a merge appends
    std::function<RvImageList*(int32_t tag)> ImageListNeeded;
    // The pass's style maps; a map exists once a table of that kind was merged.
    std::unique_ptr<TRVIntegerList>* TextMap = nullptr;
    std::unique_ptr<TRVIntegerList>* ParaMap = nullptr;
    std::unique_ptr<TRVIntegerList>* ListMap = nullptr;
};

// The bytes of a record body line: hex decoded for DataMode 0 (an odd length gives nothing, a
// bad digit ends the bytes), as they are for DataMode 2, nothing for other modes.
std::string RvfBodyBytes(std::string_view line, int32_t dataMode);

// Applies the body of a style table record of SUBKIND (1, 2 or 4). False when the pass must
// fail: a body that does not start a collection, or a collection that is cut short or
// malformed. Unknown properties and bad values only set the warning bit.
bool ApplyRvfStyleTable(int32_t subKind, std::string_view body, RvfStyleTableContext& context);

// Writes a style table record's collection body (the bytes behind the record's second line).
std::string WriteRvfStyleTableBody(const TCustomRVInfos& table);

} // namespace vellum
