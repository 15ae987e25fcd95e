#include "vellum/document/break_item_info.h"

namespace vellum {

void TRVBreakItemInfo::SetRecordDefaults()
{
    Thickness = 1;
    LineKind = 0;
    LineColor = clNone;
}

void TRVBreakItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TRVFullLineItemInfo::AssignFrom(source);
    auto* src = dynamic_cast<const TRVBreakItemInfo*>(&source);
    if (!src)
        return;
    Thickness = src->Thickness;
    LineKind = src->LineKind;
    LineColor = src->LineColor;
}

std::unique_ptr<TCustomRVItemInfo> TRVBreakItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVBreakItemInfo>(rvData);
}

} // namespace vellum
