#include "vellum/document/marker_item_info.h"

#include "platform/canvas.h"
#include "vellum/document/numbering_lists.h"

namespace vellum {

void NoteListIndex(TRVMarkerItemInfo* item, int32_t index)
{
    item->MarkerListIndex = index;
}

TRVMarkerItemInfo::TRVMarkerItemInfo(TCustomRVData* rvData) : TRVRectItemInfo(rvData)
{
    StyleNo = rvsListMarker;
    // A marker always begins its paragraph.
    Options &= static_cast<uint8_t>(~rvioContinuesParagraph);
}

TRVMarkerItemInfo::TRVMarkerItemInfo(TCustomRVData* rvData, int32_t listNo, int32_t level,
                                     int32_t startFrom, bool resetNumbering)
    : TRVMarkerItemInfo(rvData)
{
    this->ListNo = listNo;
    this->Level = level;
    this->StartFrom = startFrom;
    this->ResetNumbering = resetNumbering;
}

bool TRVMarkerItemInfo::BoolQuery(int code) const
{
    if (code == rvbpDrawingChangesFont || code == rvbpGivesUnicodeText)
        return true;
    return TRVRectItemInfo::BoolQuery(code);
}

void TRVMarkerItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TRVRectItemInfo::AssignFrom(source);
    auto* src = dynamic_cast<const TRVMarkerItemInfo*>(&source);
    if (!src)
        return;
    ListNo = src->ListNo;
    Level = src->Level;
    StartFrom = src->StartFrom;
    ResetNumbering = src->ResetNumbering;
    nohtmlsize = src->nohtmlsize;
    Counter = src->Counter;
    MarkerText = src->MarkerText;
}

std::unique_ptr<TCustomRVItemInfo> TRVMarkerItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVMarkerItemInfo>(rvData);
}

bool TRVMarkerItemInfo::StoreExtraInt(int prop, int32_t value)
{
    if (prop != rvepNoHtmlSize)
        return TRVRectItemInfo::StoreExtraInt(prop, value);
    nohtmlsize = value != 0;
    return true;
}

bool TRVMarkerItemInfo::FetchExtraInt(int prop, int32_t& value) const
{
    if (prop != rvepNoHtmlSize)
        return TRVRectItemInfo::FetchExtraInt(prop, value);
    value = nohtmlsize;
    return true;
}


ItemLayoutSize TRVMarkerItemInfo::MeasureForLayout(const ItemLayoutContext& context)
{
    ItemLayoutSize size;
    size.sizedByItem = true;
    if (!context.styleCanvas)
        return size;
    const platform::FontMetrics metrics = context.styleCanvas->GetFontMetrics();
    CachedWidth = MarkerText.empty() ? 0 : context.styleCanvas->TextExtent(MarkerText).cx;
    CachedHeight = metrics.height;
    CachedDescent = metrics.descent;
    size.width = CachedWidth;
    size.height = CachedHeight;
    size.belowBaseline = CachedDescent;
    return size;
}

} // namespace vellum
