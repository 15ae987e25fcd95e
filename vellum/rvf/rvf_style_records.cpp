#include "vellum/rvf/rvf_style_records.h"

#include "vellum/rvf/prop_reader.h"
#include "vellum/rvf/prop_writer.h"
#include "vellum/rvf/rvf_hex.h"
#include "vellum/style/list_info.h"
#include "vellum/style/rv_style.h"

namespace vellum {

namespace {

// A style table read from the body, of the kind SUBKIND names.
std::unique_ptr<TCustomRVInfos> NewTable(int32_t subKind, TRVStyle& style, const RvfStyleTableContext& context)
{
    switch (subKind) {
    case kRvfTextStyleTable: return style.NewTextStyles();
    case kRvfParaStyleTable: return style.NewParaStyles();
    case kRvfListStyleTable: {
        auto lists = style.NewListStyles();
        lists->ImageListNeeded = context.ImageListNeeded;
        return lists;
    }
    default: return nullptr;
    }
}

// Without a style sheet the table is still read (so that a broken body fails the pass alike).
std::unique_ptr<TCustomRVInfos> NewDetachedTable(int32_t subKind)
{
    switch (subKind) {
    case kRvfTextStyleTable: return std::make_unique<TFontInfos>(nullptr);
    case kRvfParaStyleTable: return std::make_unique<TParaInfos>(nullptr);
    case kRvfListStyleTable: return std::make_unique<TRVListInfos>(nullptr);
    default: return nullptr;
    }
}

bool ReadTable(std::string_view body, TCustomRVInfos& table, uint8_t* warnings)
{
    PropReader reader(body);
    // Inside an entry every error is handled: the style keeps its value and the document
    // notes that its table held something this program does not know.
    reader.OnError = [warnings](const PropError&) {
        if (warnings)
            *warnings |= kRvfWarnStyleProperty;
        return true;
    };
    return reader.ReadCollectionValue(table);
}

std::unique_ptr<TRVIntegerList>* MapOf(int32_t subKind, const RvfStyleTableContext& context)
{
    switch (subKind) {
    case kRvfTextStyleTable: return context.TextMap;
    case kRvfParaStyleTable: return context.ParaMap;
    case kRvfListStyleTable: return context.ListMap;
    default: return nullptr;
    }
}

TCustomRVInfos& SheetTable(int32_t subKind, TRVStyle& style)
{
    switch (subKind) {
    case kRvfTextStyleTable: return style.TextStyles();
    case kRvfParaStyleTable: return style.ParaStyles();
    default: return style.ListStyles();
    }
}

void ReplaceTable(int32_t subKind, TRVStyle& style, const TCustomRVInfos& table)
{
    if (subKind != kRvfListStyleTable) {
        SheetTable(subKind, style).AssignFrom(table);
        return;
    }
    // A replaced list table keeps the identities its lists were stored with.
    TRVListInfos& lists = style.ListStyles();
    const bool saved = lists.AllowAssignListID;
    lists.AllowAssignListID = true;
    lists.AssignFrom(table);
    lists.AllowAssignListID = saved;
}

void MergeTable(int32_t subKind, TRVStyle& style, const TCustomRVInfos& table, TRVFReaderStyleMode mode,
                RvfStyleTableContext& context, std::unique_ptr<TRVIntegerList>& map)
{
    map = std::make_unique<TRVIntegerList>();
    const TRVIntegerList* textMap =
        subKind != kRvfTextStyleTable && context.TextMap ? context.TextMap->get() : nullptr;
    const StyleMergeMode mergeMode = mode == rvf_sInsertMap ? rvsmmMap : rvsmmMerge;
    SheetTable(subKind, style).MergeStyles(table, mergeMode, context.OwnerDocument, textMap, *map);
}

} // namespace

std::string RvfBodyBytes(std::string_view line, int32_t dataMode)
{
    if (dataMode == 2)
        return std::string(line);
    if (dataMode == 0)
        return DecodeRvfHex(line).bytes;
    return {};
}

bool ApplyRvfStyleTable(int32_t subKind, std::string_view body, RvfStyleTableContext& context)
{
    // 1. The read mode of this kind of table.
    const TRVFReaderStyleMode mode = subKind == kRvfTextStyleTable ? context.TextMode : context.ParaMode;
    if (body.empty() || mode == rvf_sIgnore || !IsRvfStyleTable(subKind))
        return true;
    if (static_cast<uint8_t>(body[0]) != static_cast<uint8_t>(PropValueType::Collection))
        return false;
    // 2. Read into a temporary table of the same kind.
    auto table = context.Style ? NewTable(subKind, *context.Style, context) : NewDetachedTable(subKind);
    if (!ReadTable(body, *table, context.Warnings))
        return false;
    // 3. An empty table changes nothing; when merging, only the first table of a kind counts.
    std::unique_ptr<TRVIntegerList>* map = MapOf(subKind, context);
    if (!context.Style || table->Count() == 0 || (map && *map))
        return true;
    // 4. Loading a document replaces the styles; the document's numbers stay as they are.
    if (context.ReplaceStyles) {
        ReplaceTable(subKind, *context.Style, *table);
        return true;
    }
    // 5. Otherwise merge, and translate this kind's numbers for the rest of the pass.
    std::unique_ptr<TRVIntegerList> scratch;
    MergeTable(subKind, *context.Style, *table, mode, context, map ? *map : scratch);
    return true;
}

std::string WriteRvfStyleTableBody(const TCustomRVInfos& table)
{
    return WriteCollectionValue(table);
}

} // namespace vellum
