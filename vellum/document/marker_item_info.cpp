#include "vellum/document/marker_item_info.h"

#include "platform/canvas.h"
#include "vellum/document/numbering_lists.h"

namespace vellum {

void NoteListIndex(TRVMarkerItemInfo* item, int32_t index)
{
    item->MarkerListIndex = index;
}

TRVMarkerItemInfo::TRVMarkerItemInfo(TCustomRVData* RVData) : TRVRectItemInfo(RVData)
{
    StyleNo = rvsListMarker;
    // A marker always begins its paragraph.
    Options &= static_cast<uint8_t>(~rvioContinuesParagraph);
}

TRVMarkerItemInfo::TRVMarkerItemInfo(TCustomRVData* RVData, int32_t ListNo, int32_t Level,
                                     int32_t StartFrom, bool ResetNumbering)
    : TRVMarkerItemInfo(RVData)
{
    this->ListNo = ListNo;
    this->Level = Level;
    this->StartFrom = StartFrom;
    this->ResetNumbering = ResetNumbering;
}

bool TRVMarkerItemInfo::BoolQuery(int Code) const
{
    if (Code == rvbpDrawingChangesFont || Code == rvbpGivesUnicodeText)
        return true;
    return TRVRectItemInfo::BoolQuery(Code);
}

void TRVMarkerItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TRVRectItemInfo::AssignFrom(Source);
    auto* source = dynamic_cast<const TRVMarkerItemInfo*>(&Source);
    if (!source)
        return;
    ListNo = source->ListNo;
    Level = source->Level;
    StartFrom = source->StartFrom;
    ResetNumbering = source->ResetNumbering;
    nohtmlsize = source->nohtmlsize;
    Counter = source->Counter;
    MarkerText = source->MarkerText;
}

std::unique_ptr<TCustomRVItemInfo> TRVMarkerItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVMarkerItemInfo>(RVData);
}

bool TRVMarkerItemInfo::StoreExtraInt(int Prop, int32_t Value)
{
    if (Prop != rvepNoHtmlSize)
        return TRVRectItemInfo::StoreExtraInt(Prop, Value);
    nohtmlsize = Value != 0;
    return true;
}

bool TRVMarkerItemInfo::FetchExtraInt(int Prop, int32_t& Value) const
{
    if (Prop != rvepNoHtmlSize)
        return TRVRectItemInfo::FetchExtraInt(Prop, Value);
    Value = nohtmlsize;
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
