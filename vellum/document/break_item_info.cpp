#include "vellum/document/break_item_info.h"

namespace vellum {

void TRVBreakItemInfo::SetRecordDefaults()
{
    Thickness = 1;
    LineKind = 0;
    LineColor = clNone;
}

void TRVBreakItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TRVFullLineItemInfo::AssignFrom(Source);
    auto* source = dynamic_cast<const TRVBreakItemInfo*>(&Source);
    if (!source)
        return;
    Thickness = source->Thickness;
    LineKind = source->LineKind;
    LineColor = source->LineColor;
}

std::unique_ptr<TCustomRVItemInfo> TRVBreakItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVBreakItemInfo>(RVData);
}

} // namespace vellum
