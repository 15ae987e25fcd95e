#include "vellum/document/label_item_info.h"

#include <algorithm>
#include "platform/canvas.h"

namespace vellum {

TRVLabelItemInfo::TRVLabelItemInfo(TCustomRVData* RVData) : TRVRectItemInfo(RVData), FRVData(RVData)
{
    StyleNo = rvsLabel;
}

TRVLabelItemInfo::TRVLabelItemInfo(TCustomRVData* RVData, int32_t TextStyleNo,
                                   const std::string& Caption)
    : TRVLabelItemInfo(RVData)
{
    CaptionStyleNo = TextStyleNo;
    this->Caption = Caption;
}

void TRVLabelItemInfo::SetCaption(const std::string& value)
{
    if (Caption == value)
        return;
    Caption = value;
    MarkCaptionNotMeasured();
}

void TRVLabelItemInfo::SetDrawingTextStyle(int32_t value)
{
    if (CaptionStyleNo == value)
        return;
    CaptionStyleNo = value;
    MarkCaptionNotMeasured();
}

bool TRVLabelItemInfo::BoolQuery(int Code) const
{
    switch (Code) {
    case rvbpValid:
    case rvbpReadsDataLines:
    case rvbpDrawingChangesFont:
    case rvbpAlwaysInText:
        return true;
    case rvbpStyleApplicable:
        return !LockCaptionStyle;
    default:
        return Code > rvbpStyleApplicable;
    }
}

void TRVLabelItemInfo::AfterInsertion(TCustomRVData& RVData, int32_t ItemNo)
{
    FRVData = &RVData;
    TRVRectItemInfo::AfterInsertion(RVData, ItemNo);
}

void TRVLabelItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TRVRectItemInfo::AssignFrom(Source);
    auto* source = dynamic_cast<const TRVLabelItemInfo*>(&Source);
    if (!source)
        return;
    Caption = source->Caption;
    CaptionStyleNo = source->CaptionStyleNo;
    MinCaptionWidth = source->MinCaptionWidth;
    CaptionAlign = source->CaptionAlign;
    LockCaptionStyle = source->LockCaptionStyle;
    MarkCaptionNotMeasured();
}

std::unique_ptr<TCustomRVItemInfo> TRVLabelItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVLabelItemInfo>(RVData);
}


ItemLayoutSize TRVLabelItemInfo::MeasureForLayout(const ItemLayoutContext& context)
{
    if (!CaptionMeasured && context.styleCanvas) {
        const platform::FontMetrics metrics = context.styleCanvas->GetFontMetrics();
        Width = std::max(context.styleCanvas->TextExtent(Caption).cx, MinCaptionWidth);
        Height = metrics.height;
        Descent = metrics.descent;
        CaptionMeasured = true;
    }
    ItemLayoutSize size;
    size.belowBaseline = Descent + spacing();
    return size;
}

} // namespace vellum
