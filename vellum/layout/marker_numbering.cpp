#include "vellum/layout/marker_numbering.h"

#include "vellum/document/seq_item_info.h"
#include "vellum/style/list_info.h"
#include "vellum/style/rv_style.h"

#include <algorithm>
#include <array>

namespace vellum {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads "n:" at POS (n below kMaxListFormatArgs); POS moves past the colon.
std::optional<size_t> ReadArgIndex(std::string_view format, size_t& pos)
{
    size_t value = 0;
    size_t start = pos;
    while (pos < format.size() && IsDigit(format[pos])) {
        value = value * 10 + static_cast<size_t>(format[pos] - '0');
        if (value >= kMaxListFormatArgs)
            return std::nullopt;
        ++pos;
    }
    if (pos == start || pos >= format.size() || format[pos] != ':')
        return std::nullopt;
    ++pos;
    return value;
}

// The level index a marker's counter text goes to: its level, clamped like the level lookup.
int32_t ClampedLevel(const TRVStyle* style, const TRVMarkerItemInfo& marker)
{
    const TRVListLevel* level = MarkerLevel(style, marker);
    if (!level)
        return -1;
    const int32_t last = style->ListStyles()[marker.ListNo].Levels.Count() - 1;
    return std::min(marker.Level, last);
}

const TRVListLevel& LevelOfList(const TRVStyle* style, int32_t listNo, int32_t level)
{
    return style->ListStyles()[listNo].Levels[level];
}

bool IsLetterOrRoman(TRVListType type)
{
    return type == rvlstLowerAlpha || type == rvlstUpperAlpha || type == rvlstLowerRoman ||
           type == rvlstUpperRoman;
}

// The counter a marker takes from the markers before it in the list.
int32_t CounterFromEarlier(const TRVMarkerList& list, int32_t index, const TRVListLevel& level)
{
    const TRVMarkerItemInfo& marker = *list[index];
    int32_t counter = level.StartFrom;
    for (int32_t i = index - 1; i >= 0; --i) {
        const TRVMarkerItemInfo& earlier = *list[i];
        if (earlier.ListNo != marker.ListNo)
            continue;
        if (earlier.Level == marker.Level)
            return earlier.Counter + 1;
        if (earlier.Level > marker.Level) {
            counter = level.StartFrom + 1;
            continue;
        }
        if (level.Options.Contains(rvloLevelReset))
            return level.StartFrom;
    }
    return counter;
}

void RecalcCounter(TRVMarkerList& list, int32_t index, const TRVStyle* style)
{
    TRVMarkerItemInfo& marker = *list[index];
    const TRVListLevel* level = MarkerLevel(style, marker);
    if (marker.ResetNumbering)
        marker.Counter = marker.StartFrom;
    else if (!level)
        marker.Counter = 0;
    else
        marker.Counter = CounterFromEarlier(list, index, *level);
    MakeMarkerText(list, index, style);
}

using FormatArgs = std::array<std::string, kMaxListFormatArgs>;

// Fills the entries of the levels above the marker's from the nearest earlier markers of
// smaller levels; levels skipped between them count from their StartFrom.
void FillHigherLevels(const TRVMarkerList& list, int32_t index, const TRVStyle* style,
                      FormatArgs& args, bool legal)
{
    const TRVMarkerItemInfo& marker = *list[index];
    int32_t below = ClampedLevel(style, marker);
    auto put = [&](int32_t levelNo, int32_t value) {
        TRVListType type = LevelOfList(style, marker.ListNo, levelNo).ListType;
        if (legal && IsLetterOrRoman(type))
            type = rvlstDecimal;
        args[static_cast<size_t>(levelNo)] = ListNumberText(value, type);
    };
    for (int32_t i = index - 1; i >= 0 && below > 0; --i) {
        const TRVMarkerItemInfo& earlier = *list[i];
        if (earlier.ListNo != marker.ListNo)
            continue;
        int32_t levelNo = ClampedLevel(style, earlier);
        if (levelNo < 0 || levelNo >= below)
            continue;
        put(levelNo, earlier.Counter);
        for (int32_t between = levelNo + 1; between < below; ++between)
            put(between, LevelOfList(style, marker.ListNo, between).StartFrom);
        below = levelNo;
    }
}

std::string NumberedMarkerText(const TRVMarkerList& list, int32_t index, const TRVStyle* style,
                               const TRVListLevel& level)
{
    const TRVMarkerItemInfo& marker = *list[index];
    int32_t levelNo = ClampedLevel(style, marker);
    // Format strings address levels 0 to 255 only; deeper levels have no argument of their own.
    if (levelNo >= static_cast<int32_t>(kMaxListFormatArgs))
        return level.FormatString;
    auto args = std::make_unique<FormatArgs>();
    (*args)[static_cast<size_t>(levelNo)] = ListNumberText(marker.Counter, level.ListType);
    FillHigherLevels(list, index, style, *args,
                     level.Options.Contains(rvloLegalStyleNumbering));
    return FormatListString(level.FormatString, *args).value_or(level.FormatString);
}

} // namespace

const TRVListLevel* MarkerLevel(const TRVStyle* style, const TRVMarkerItemInfo& marker)
{
    if (!style)
        return nullptr;
    return style->ListStyles().FindLevel(marker.ListNo, marker.Level);
}

std::optional<std::string> FormatListString(std::string_view format,
                                            std::span<const std::string> args)
{
    std::string out;
    size_t next = 0;
    for (size_t pos = 0; pos < format.size(); ++pos) {
        if (format[pos] != '%') {
            out += format[pos];
            continue;
        }
        if (++pos >= format.size())
            return std::nullopt;
        if (format[pos] == '%') {
            out += '%';
            continue;
        }
        size_t index = next;
        if (IsDigit(format[pos])) {
            std::optional<size_t> given = ReadArgIndex(format, pos);
            if (!given)
                return std::nullopt;
            index = *given;
        }
        if (pos >= format.size() || (format[pos] != 's' && format[pos] != 'S'))
            return std::nullopt;
        if (index >= args.size())
            return std::nullopt;
        out += args[index];
        next = index + 1;
    }
    return out;
}

std::string ListNumberText(int32_t value, TRVListType type)
{
    switch (type) {
    case rvlstDecimal:
        return SeqNumberText(value, rvseqDecimal);
    case rvlstLowerAlpha:
        return SeqNumberText(value, rvseqLowerAlpha);
    case rvlstUpperAlpha:
        return SeqNumberText(value, rvseqUpperAlpha);
    case rvlstLowerRoman:
        return SeqNumberText(value, rvseqLowerRoman);
    case rvlstUpperRoman:
        return SeqNumberText(value, rvseqUpperRoman);
    case rvlstBullet:
    case rvlstPicture:
    case rvlstImageList:
    case rvlstImageListCounter:
    case rvlstUnicodeBullet:
        return {};
    }
    return {};
}

void MakeMarkerText(TRVMarkerList& list, int32_t index, const TRVStyle* style)
{
    TRVMarkerItemInfo& marker = *list[index];
    const TRVListLevel* level = MarkerLevel(style, marker);
    if (!level) {
        marker.MarkerText.clear();
        return;
    }
    if (level->ListType == rvlstBullet) {
        marker.MarkerText = FormatListString(level->FormatString, {}).value_or(level->FormatString);
        return;
    }
    if (!IsTextNumberedListType(level->ListType)) {
        marker.MarkerText.clear();
        return;
    }
    marker.MarkerText = NumberedMarkerText(list, index, style, *level);
}

void RecalcCounters(TRVMarkerList& list, int32_t startIndex, const TRVStyle* style)
{
    if (startIndex < 0 || startIndex >= list.Count())
        return;
    const int32_t listNo = list[startIndex]->ListNo;
    for (int32_t i = startIndex; i < list.Count(); ++i)
        if (list[i]->ListNo == listNo)
            RecalcCounter(list, i, style);
}

void RecalcAllCounters(TRVMarkerList& list, const TRVStyle* style)
{
    for (int32_t i = 0; i < list.Count(); ++i)
        RecalcCounter(list, i, style);
}

} // namespace vellum
