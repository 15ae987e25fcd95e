#include "vellum/rvf/rvf_item_records.h"

#include "vellum/document/break_item_info.h"
#include "vellum/document/bullet_item_info.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/document/tab_item_info.h"
#include "vellum/rvf/rvf_item_lines.h"
#include "vellum/style/style_types.h"

#include <charconv>
#include <optional>

namespace vellum {
namespace {

constexpr int32_t kNoTextLine = -1;

// Which data line holds the item's text, by kind.
int32_t ItemTextLine(int32_t styleNo)
{
    switch (styleNo) {
    case rvsPicture:
    case rvsHotPicture:
    case rvsComponent:
    case rvsBullet:
    case rvsHotspot:
    case rvsTable:
        return 0;
    case rvsNoteReference:
        return 4;
    case rvsLabel:
        return 5;
    case rvsFootnote:
    case rvsEndnote:
        return 6;
    case rvsSequence:
        return 8;
    default:
        return kNoTextLine;
    }
}

// Number of fixed lines before the extras, by kind and body.
int32_t FixedLeadingLines(int32_t styleNo, int32_t dataMode)
{
    switch (styleNo) {
    case rvsPicture:
    case rvsHotPicture:
    case rvsComponent:
        return dataMode == kRvfDataNoBody ? 1 : 2;
    case rvsBullet:
    case rvsHotspot:
    case rvsTable:
        return 1;
    case rvsNoteReference:
        return 5;
    case rvsLabel:
        return 6;
    case rvsFootnote:
    case rvsEndnote:
        return 7;
    case rvsSequence:
        return 10;
    default:
        return 0;
    }
}

// Number of fixed lines after the extras: bodies.
int32_t FixedTrailingLines(int32_t styleNo, int32_t dataMode)
{
    switch (styleNo) {
    case rvsPicture:
    case rvsHotPicture:
    case rvsComponent:
        return dataMode == kRvfDataNoBody ? 0 : 1;
    case rvsFootnote:
    case rvsEndnote:
        return 1;
    case rvsTable:
        return 2; // a line holding "1", then the body
    default:
        return 0;
    }
}

bool HasBody(int32_t styleNo, int32_t dataMode)
{
    return FixedTrailingLines(styleNo, dataMode) > 0;
}

std::optional<int32_t> OptionalInteger(RvfFieldCursor& rest, int32_t absent)
{
    if (rest.AtLineEnd())
        return absent;
    return rest.ReadInteger();
}

bool ReadPlacement(TRVRectItemInfo& item, RvfFieldCursor& rest)
{
    std::optional<int32_t> placement = OptionalInteger(rest, 0);
    item.Placement = static_cast<uint8_t>(placement.value_or(0));
    return placement.has_value();
}

bool ReadBreakRest(TRVBreakItemInfo& item, RvfFieldCursor& rest)
{
    // All three numbers or none.
    if (rest.AtLineEnd()) {
        item.LineColor = clNone;
        item.LineKind = 0;
        item.Thickness = 1;
        return true;
    }
    std::optional<int32_t> color = rest.ReadInteger();
    std::optional<int32_t> kind = rest.ReadInteger();
    std::optional<int32_t> thickness = rest.ReadInteger();
    if (!color || !kind || !thickness)
        return false;
    item.LineColor = *color;
    item.LineKind = static_cast<uint8_t>(*kind);
    item.Thickness = static_cast<uint8_t>(*thickness);
    return true;
}

// A style number, or a quoted name resolved by RESOLVE (the header then says "by name").
template <typename Resolve>
std::optional<int32_t> ReadItemStyle(RvfFieldCursor& rest, RvfHeader& header, Resolve resolve)
{
    if (rest.PeekChar() != '"')
        return rest.ReadInteger();
    std::optional<std::string> name = rest.ReadQuoted();
    if (!name)
        return std::nullopt;
    header.ItemByName = true;
    return resolve(DecodeRvfString(*name, header.Utf8));
}

bool ReadTabRest(TRVTabItemInfo& item, RvfFieldCursor& rest, RvfHeader& header,
                 RvfItemStyleNames& names)
{
    if (rest.AtLineEnd())
        return true;
    std::optional<int32_t> style = ReadItemStyle(
        rest, header, [&](const std::string& name) { return names.TextStyleByName(name); });
    item.TabTextStyle = style.value_or(0);
    return style.has_value();
}

bool ReadMarkerRest(TRVMarkerItemInfo& item, RvfFieldCursor& rest, RvfHeader& header,
                    RvfItemStyleNames& names)
{
    std::optional<int32_t> listNo = ReadItemStyle(
        rest, header, [&](const std::string& name) { return names.ListStyleByName(name); });
    std::optional<int32_t> level = rest.ReadInteger();
    std::optional<int32_t> startFrom = rest.ReadInteger();
    std::optional<int32_t> reset = rest.ReadInteger();
    if (!listNo || !level || !startFrom || !reset)
        return false;
    item.ListNo = *listNo;
    item.Level = *level;
    item.StartFrom = *startFrom;
    item.ResetNumbering = *reset != 0;
    return true;
}

bool ReadBulletRest(TRVBulletItemInfo& item, RvfFieldCursor& rest)
{
    std::optional<int32_t> imageListTag = rest.ReadInteger();
    std::optional<int32_t> imageNo = rest.ReadInteger();
    if (!imageListTag || !imageNo)
        return false;
    item.ImageNo = *imageNo;
    auto* hotspot = dynamic_cast<TRVHotspotItemInfo*>(&item);
    if (!hotspot)
        return true;
    std::optional<int32_t> hotImageNo = OptionalInteger(rest, *imageNo);
    hotspot->HotImageNo = hotImageNo.value_or(0);
    return hotImageNo.has_value();
}

// The platform's string-to-integer conversion with a default: optional sign, decimal digits,
// nothing else.
int32_t IntegerOrZero(std::string_view text)
{
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

struct ExtraKey {
    std::string_view key;
    int number;
    bool isString;
};

constexpr ExtraKey kExtraKeys[] = {
    {"vshift", rvepVShift, false},
    {"vshiftabs", rvepVShiftAbs, false},
    {"width", rvepWidth, false},
    {"height", rvepHeight, false},
    {"transparent", rvepTransparent, false},
    {"tmode", rvepTMode, false},
    {"tcolor", rvepTColor, false},
    {"minheightonpage", rvepMinHeightOnPage, false},
    {"spacing", rvepSpacing, false},
    {"resizable", rvepResizable, false},
    {"unremovable", rvepUnremovable, false},
    {"nohtmlsize", rvepNoHtmlSize, false},
    {"ainterval", rvepAInterval, false},
    {"visible", rvepVisible, false},
    {"hint", rvespHint, true},
    {"alt", rvespAlt, true},
    {"filename", rvespFilename, true},
};

} // namespace

bool ReadItemHeaderRest(TCustomRVItemInfo& item, RvfFieldCursor& rest, RvfHeader& header,
                        RvfItemStyleNames& names)
{
    if (auto* lineItem = dynamic_cast<TRVBreakItemInfo*>(&item))
        return ReadBreakRest(*lineItem, rest);
    if (auto* tab = dynamic_cast<TRVTabItemInfo*>(&item))
        return ReadTabRest(*tab, rest, header, names);
    if (auto* marker = dynamic_cast<TRVMarkerItemInfo*>(&item))
        return ReadMarkerRest(*marker, rest, header, names);
    if (auto* bullet = dynamic_cast<TRVBulletItemInfo*>(&item))
        return ReadBulletRest(*bullet, rest);
    if (auto* rect = dynamic_cast<TRVRectItemInfo*>(&item))
        return ReadPlacement(*rect, rest);
    return true;
}

bool ReadItemDataLine(TCustomRVItemInfo& item, RvfHeader& header, std::string_view line,
                      RvfLineMode& mode, TRVRawByteString& itemText, RvfItemContext& context)
{
    const int32_t index = header.LineIndex;
    const int64_t lastLine = static_cast<int64_t>(header.LineCount) - 1;
    // A body sent as a binary block follows the CR LF of the line before it.
    if (header.DataMode == kRvfDataBinary && HasBody(header.StyleNo, header.DataMode) &&
        index == lastLine - 1)
        mode = RvfLineMode::BinaryNext;
    if (index == ItemTextLine(header.StyleNo)) {
        itemText.assign(line);
        return true;
    }
    bool leading = index < FixedLeadingLines(header.StyleNo, header.DataMode);
    bool trailing = index > lastLine - FixedTrailingLines(header.StyleNo, header.DataMode);
    if (leading || trailing)
        return ReadFixedItemLine(item, header, line, context);
    ApplyExtraPropertyLine(item, line, header.Utf8);
    return true;
}

void ApplyExtraPropertyLine(TCustomRVItemInfo& item, std::string_view line, bool utf8)
{
    size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return;
    std::string_view key = line.substr(0, equals);
    std::string_view value = line.substr(equals + 1);
    for (const ExtraKey& known : kExtraKeys) {
        if (known.key != key)
            continue;
        if (known.isString)
            item.StoreExtraStr(known.number, DecodeRvfString(value, utf8));
        else
            item.StoreExtraInt(known.number, IntegerOrZero(value));
        return;
    }
}

} // namespace vellum
