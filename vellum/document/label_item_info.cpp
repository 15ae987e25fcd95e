#include "vellum/document/label_item_info.h"

#include <algorithm>
#include "platform/canvas.h"

namespace vellum {

TRVLabelItemInfo::TRVLabelItemInfo(TCustomRVData* rvData) : TRVRectItemInfo(rvData), FRVData(rvData)
{
    StyleNo = rvsLabel;
}

TRVLabelItemInfo::TRVLabelItemInfo(TCustomRVData* rvData, int32_t textStyleNo,
                                   const std::string& caption)
    : TRVLabelItemInfo(rvData)
{
    CaptionStyleNo = textStyleNo;
    this->Caption = caption;
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

bool TRVLabelItemInfo::BoolQuery(int code) const
{
    switch (code) {
    case rvbpValid:
    case rvbpReadsDataLines:
    case rvbpDrawingChangesFont:
    case rvbpAlwaysInText:
        return true;
    case rvbpStyleApplicable:
        return !LockCaptionStyle;
    default:
        return code > rvbpStyleApplicable;
    }
}

void TRVLabelItemInfo::AfterInsertion(TCustomRVData& rvData, int32_t itemNo)
{
    FRVData = &rvData;
    TRVRectItemInfo::AfterInsertion(rvData, itemNo);
}

void TRVLabelItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TRVRectItemInfo::AssignFrom(source);
    auto* src = dynamic_cast<const TRVLabelItemInfo*>(&source);
    if (!src)
        return;
    Caption = src->Caption;
    CaptionStyleNo = src->CaptionStyleNo;
    MinCaptionWidth = src->MinCaptionWidth;
    CaptionAlign = src->CaptionAlign;
    LockCaptionStyle = src->LockCaptionStyle;
    MarkCaptionNotMeasured();
}

std::unique_ptr<TCustomRVItemInfo> TRVLabelItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVLabelItemInfo>(rvData);
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
