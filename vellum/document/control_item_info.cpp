#include "vellum/document/control_item_info.h"

namespace vellum {

TRVControlItemInfo::TRVControlItemInfo(TCustomRVData* rvData) : TRVRectItemInfo(rvData)
{
    StyleNo = rvsComponent;
}

TRVControlItemInfo::TRVControlItemInfo(TCustomRVData* rvData,
                                       std::unique_ptr<RvHostedControl> control,
                                       uint8_t placement)
    : TRVControlItemInfo(rvData)
{
    HostedControl = std::move(control);
    this->Placement = placement;
}

void TRVControlItemInfo::SetVisible(bool value)
{
    Fvisible = value;
    if (HostedControl && HostedControl->HasParent)
        HostedControl->Visible = value;
}

bool TRVControlItemInfo::BoolQuery(int code) const
{
    switch (code) {
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
        return code > rvbpStyleApplicable;
    }
}

bool TRVControlItemInfo::BoolQueryStyled(int code, const TRVStyle* style) const
{
    if (code == 0 || code == 1)
        return true;
    if (code == 6)
        return WidthPercent >= 1 && WidthPercent <= 100;
    // Placeholders take no focus.
    return false;
}

void TRVControlItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TRVRectItemInfo::AssignFrom(source);
    auto* src = dynamic_cast<const TRVControlItemInfo*>(&source);
    if (!src)
        return;
    resizable = src->resizable;
    WidthPercent = src->WidthPercent;
    Fvisible = src->Fvisible;
    HostedControl = src->HostedControl
                        ? std::make_unique<RvHostedControl>(*src->HostedControl)
                        : nullptr;
}

std::unique_ptr<TCustomRVItemInfo> TRVControlItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVControlItemInfo>(rvData);
}

bool TRVControlItemInfo::StoreExtraInt(int prop, int32_t value)
{
    switch (prop) {
    case rvepMinHeightOnPage: minheightonpage = value; return true;
    case rvepResizable: resizable = value != 0; return true;
    case rvepVisible: SetVisible(value != 0); return true;
    default: return TRVRectItemInfo::StoreExtraInt(prop, value);
    }
}

bool TRVControlItemInfo::FetchExtraInt(int prop, int32_t& value) const
{
    switch (prop) {
    case rvepMinHeightOnPage: value = minheightonpage; return true;
    case rvepResizable: value = resizable; return true;
    case rvepVisible: value = Fvisible; return true;
    default: return TRVRectItemInfo::FetchExtraInt(prop, value);
    }
}


int32_t TRVControlItemInfo::ContentWidth() const
{
    return HostedControl ? HostedControl->Width : 0;
}

int32_t TRVControlItemInfo::ContentHeight() const
{
    return HostedControl ? HostedControl->Height : 0;
}

} // namespace vellum
