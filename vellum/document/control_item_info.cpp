#include "vellum/document/control_item_info.h"

namespace vellum {

TRVControlItemInfo::TRVControlItemInfo(TCustomRVData* RVData) : TRVRectItemInfo(RVData)
{
    StyleNo = rvsComponent;
}

TRVControlItemInfo::TRVControlItemInfo(TCustomRVData* RVData,
                                       std::unique_ptr<RvHostedControl> Control,
                                       uint8_t Placement)
    : TRVControlItemInfo(RVData)
{
    HostedControl = std::move(Control);
    this->Placement = Placement;
}

void TRVControlItemInfo::SetVisible(bool value)
{
    Fvisible = value;
    if (HostedControl && HostedControl->HasParent)
        HostedControl->Visible = value;
}

bool TRVControlItemInfo::BoolQuery(int Code) const
{
    switch (Code) {
    case rvbpValid:
        return HostedControl != nullptr;
    case rvbpReadsDataLines:
    case 6:
    case 8:
    case rvbpStyleApplicable:
        return true;
    case rvbpResizable:
        return resizable && !(WidthPercent >= 1 && WidthPercent <= 100);
    default:
        return Code > rvbpStyleApplicable;
    }
}

bool TRVControlItemInfo::BoolQueryStyled(int Code, const TRVStyle* Style) const
{
    if (Code == 0 || Code == 1)
        return true;
    if (Code == 6)
        return WidthPercent >= 1 && WidthPercent <= 100;
    // Placeholders take no focus.
    return false;
}

void TRVControlItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TRVRectItemInfo::AssignFrom(Source);
    auto* source = dynamic_cast<const TRVControlItemInfo*>(&Source);
    if (!source)
        return;
    resizable = source->resizable;
    WidthPercent = source->WidthPercent;
    Fvisible = source->Fvisible;
    HostedControl = source->HostedControl
                        ? std::make_unique<RvHostedControl>(*source->HostedControl)
                        : nullptr;
}

std::unique_ptr<TCustomRVItemInfo> TRVControlItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVControlItemInfo>(RVData);
}

bool TRVControlItemInfo::StoreExtraInt(int Prop, int32_t Value)
{
    switch (Prop) {
    case rvepMinHeightOnPage: minheightonpage = Value; return true;
    case rvepResizable: resizable = Value != 0; return true;
    case rvepVisible: SetVisible(Value != 0); return true;
    default: return TRVRectItemInfo::StoreExtraInt(Prop, Value);
    }
}

bool TRVControlItemInfo::FetchExtraInt(int Prop, int32_t& Value) const
{
    switch (Prop) {
    case rvepMinHeightOnPage: Value = minheightonpage; return true;
    case rvepResizable: Value = resizable; return true;
    case rvepVisible: Value = Fvisible; return true;
    default: return TRVRectItemInfo::FetchExtraInt(Prop, Value);
    }
}

} // namespace vellum
