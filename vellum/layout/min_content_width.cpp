#include "vellum/layout/min_content_width.h"

#include <algorithm>

#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/font_info_cache.h"
#include "vellum/layout/layout_settings.h"
#include "vellum/layout/line_formatter.h"
#include "vellum/layout/resolution_pair.h"
#include "vellum/layout/text_measure.h"
#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

bool StartsParagraph(const TCustomRVItemInfo& item)
{
    return !item.ContinuesParagraph() && !item.StartsNewLine();
}

int64_t IndentWidth(const TParaInfo& para, const ResolutionPair& rp)
{
    return ToDeviceX(rp, para.LeftIndent) + int64_t(ToDeviceX(rp, para.RightIndent)) +
           std::max(0, ToDeviceX(rp, para.FirstIndent));
}

// A text item's full width in its style: what a line that never wraps needs for it.
int64_t FullTextWidth(const TCustomRVFormattedData& data, const TCustomRVItemInfo& item,
                      TRVFontInfoCache& cache)
{
    TRVFontInfoCacheItem& entry = cache.GetItem(data.EffectiveStyleNo(item));
    return MeasureRun(*entry.Canvas, item.Text, item.UnicodeText());
}

int64_t ItemMinWidth(const TCustomRVItemInfo& item, const ResolutionPair& rp)
{
    return item.StyleNo >= 0 ? ToDeviceX(rp, 20) : item.NarrowestWidth(rp);
}

} // namespace

int32_t MinContentWidth(const TCustomRVFormattedData& data, const ResolutionPair& rp,
                        const LayoutSettings& settings, TRVFontInfoCache& cache, int32_t firstItem)
{
    int64_t widest = 0;
    int64_t lineSum = 0; // a no-wrap paragraph's items side by side
    bool noWrap = false;
    int64_t indent = 0;
    for (int32_t i = std::max(0, firstItem); i < data.CountItems(); ++i) {
        const TCustomRVItemInfo& item = *data.ItemAt(i);
        if (i == firstItem || StartsParagraph(item)) {
            const TParaInfo& para = data.GetRVStyle()->ParaStyles()[item.ParaNo];
            noWrap = para.Options.Contains(rvpaoNoWrap) || !settings.WordWrap;
            indent = IndentWidth(para, rp);
            lineSum = indent;
        }
        if (noWrap) {
            lineSum += item.StyleNo >= 0 ? FullTextWidth(data, item, cache) : item.NarrowestWidth(rp);
            widest = std::max(widest, lineSum);
            continue;
        }
        int64_t width = indent + ItemMinWidth(item, rp);
        if (i > 0 && data.ItemAt(i - 1)->StyleNo == rvsListMarker)
            width += data.ItemAt(i - 1)->NarrowestWidth(rp);
        widest = std::max(widest, width);
    }
    return SaturateCoordinate(widest);
}

} // namespace vellum
