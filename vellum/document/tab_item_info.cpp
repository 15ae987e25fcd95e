#include "vellum/document/tab_item_info.h"

#include "platform/canvas.h"

namespace vellum {

TRVTabItemInfo::TRVTabItemInfo(TCustomRVData* rvData) : TRVRectItemInfo(rvData)
{
    StyleNo = rvsTab;
}

bool TRVTabItemInfo::BoolQuery(int code) const
{
    if (code == rvbpDrawingChangesFont || code == rvbpAlwaysInText)
        return true;
    return TRVRectItemInfo::BoolQuery(code);
}

void TRVTabItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TRVRectItemInfo::AssignFrom(source);
    if (auto* src = dynamic_cast<const TRVTabItemInfo*>(&source))
        TabTextStyle = src->TabTextStyle;
}

std::unique_ptr<TCustomRVItemInfo> TRVTabItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVTabItemInfo>(rvData);
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
