#include "vellum/document/tab_item_info.h"

#include "platform/canvas.h"

namespace vellum {

TRVTabItemInfo::TRVTabItemInfo(TCustomRVData* RVData) : TRVRectItemInfo(RVData)
{
    StyleNo = rvsTab;
}

bool TRVTabItemInfo::BoolQuery(int Code) const
{
    if (Code == rvbpDrawingChangesFont || Code == rvbpAlwaysInText)
        return true;
    return TRVRectItemInfo::BoolQuery(Code);
}

void TRVTabItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TRVRectItemInfo::AssignFrom(Source);
    if (auto* source = dynamic_cast<const TRVTabItemInfo*>(&Source))
        TabTextStyle = source->TabTextStyle;
}

std::unique_ptr<TCustomRVItemInfo> TRVTabItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVTabItemInfo>(RVData);
}


ItemLayoutSize TRVTabItemInfo::MeasureForLayout(const ItemLayoutContext& context)
{
    ItemLayoutSize size;
    size.sizedByItem = true;
    if (!context.styleCanvas)
        return size;
    const platform::FontMetrics metrics = context.styleCanvas->GetFontMetrics();
    size.height = metrics.height;
    size.belowBaseline = metrics.descent;
    return size;
}

} // namespace vellum
