#include "vellum/layout/paragraph_rect.h"

#include <algorithm>

#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/line_formatter.h"
#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

// The first piece of an item that begins a paragraph.
bool StartsParagraphAt(const TCustomRVFormattedData& data, int32_t drawItemNo)
{
    const TCustomRVItemInfo& item = *data.ItemAt(data.DrawItems()[drawItemNo].ItemNo);
    return !item.ContinuesParagraph() && !item.StartsNewLine() && item.FirstDrawItemNo == drawItemNo;
}

// The right edge the paragraph's indents leave; margins and indents are used as stored.
int64_t IndentRight(const TCustomRVFormattedData& data, const TParaInfo& para)
{
    const LayoutSettings& settings = data.GetLayoutSettings();
    if (HasOption(data.Settings().Options, rvoClientTextWidth))
        return int64_t(data.GetClientWidth()) - settings.RightMargin - para.RightIndent;
    if (settings.MaxTextWidth < 1)
        return int64_t(data.DocumentWidth()) + settings.LeftMargin - para.RightIndent;
    return int64_t(settings.LeftMargin) + settings.MaxTextWidth - para.RightIndent;
}

} // namespace

DrawItemRange ParagraphDrawItems(const TCustomRVFormattedData& data, int32_t drawItemNo)
{
    const int32_t count = data.DrawItems().Count();
    if (drawItemNo < 0 || drawItemNo >= count)
        return {};
    DrawItemRange range{drawItemNo, drawItemNo + 1};
    while (range.first > 0 && !StartsParagraphAt(data, range.first))
        --range.first;
    while (range.end < count && !StartsParagraphAt(data, range.end))
        ++range.end;
    return range;
}

std::optional<platform::Rect> ParagraphRect(const TCustomRVFormattedData& data, DrawItemRange range)
{
    const TRVDrawLines& items = data.DrawItems();
    range.first = std::max(0, range.first);
    range.end = std::min(range.end, items.Count());
    if (range.first >= range.end)
        return std::nullopt;
    const TCustomRVItemInfo& first = *data.ItemAt(items[range.first].ItemNo);
    if (first.StyleNo == rvsBreak)
        return std::nullopt;
    const TParaInfo& para = data.GetRVStyle()->ParaStyles()[first.ParaNo];
    const LayoutSettings& settings = data.GetLayoutSettings();
    int64_t left = int64_t(settings.LeftMargin) + para.LeftIndent + std::min(0, para.FirstIndent);
    int64_t right = IndentRight(data, para);
    int64_t top = INT64_MAX;
    int64_t bottom = INT64_MIN;
    for (int32_t i = range.first; i < range.end; ++i) {
        const TRVDrawLineInfo& piece = items[i];
        right = std::max<int64_t>(right, int64_t(piece.Left) + piece.Width);
        top = std::min<int64_t>(top, int64_t(piece.Top) - piece.GapAbove);
        bottom = std::max<int64_t>(bottom, int64_t(piece.Top) + piece.Height + piece.GapBelow);
    }
    return platform::Rect{SaturateCoordinate(left), SaturateCoordinate(top), SaturateCoordinate(right),
                          SaturateCoordinate(bottom)};
}

} // namespace vellum
