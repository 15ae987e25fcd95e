#include "vellum/layout/paragraph_rect.h"

#include <algorithm>

#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/style/rv_style.h"

namespace vellum {

ParagraphBox ParagraphRect(const TCustomRVFormattedData& data, int32_t firstDrawItemNo)
{
    const TRVDrawLines& items = data.DrawItems();
    const TRVDrawLineInfo& first = items[firstDrawItemNo];
    const TParaInfo& para = data.GetRVStyle()->ParaStyles()[data.ItemAt(first.ItemNo)->ParaNo];
    const LayoutSettings& layout = data.GetLayoutSettings();
    ParagraphBox box;
    // Left: the left indent, or the first line's when it hangs further out.
    box.left = int64_t(layout.LeftMargin) + para.LeftIndent + std::min(para.FirstIndent, 0);
    // Right: the right edge of the text width.
    if (HasOption(data.Settings().Options, rvoClientTextWidth))
        box.right = int64_t(data.GetClientWidth()) - layout.RightMargin - para.RightIndent;
    else if (layout.MaxTextWidth < 1)
        box.right = int64_t(data.DocumentWidth()) + layout.LeftMargin - para.RightIndent;
    else
        box.right = int64_t(layout.LeftMargin) + layout.MaxTextWidth - para.RightIndent;
    box.top = INT64_MAX;
    box.bottom = INT64_MIN;
    // Every piece up to the next paragraph's first widens the box.
    for (int32_t no = firstDrawItemNo; no < items.Count(); ++no) {
        const TRVDrawLineInfo& d = items[no];
        if (no > firstDrawItemNo && d.ItemNo != items[no - 1].ItemNo && data.StartsParagraphAt(d.ItemNo))
            break;
        box.top = std::min<int64_t>(box.top, int64_t(d.Top) - d.GapAbove);
        box.bottom = std::max<int64_t>(box.bottom, int64_t(d.Top) + d.Height + d.GapBelow);
        box.right = std::max<int64_t>(box.right, int64_t(d.Left) + d.Width);
    }
    return box;
}

} // namespace vellum
