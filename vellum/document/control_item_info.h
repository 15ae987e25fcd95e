// An inserted control inside a line.
#pragma once

#include <memory>

#include "vellum/document/custom_item_info.h"
#include "vellum/document/hosted_control.h"

namespace vellum {

class TRVControlItemInfo : public TRVRectItemInfo {
public:
    explicit TRVControlItemInfo(TCustomRVData* RVData);
    TRVControlItemInfo(TCustomRVData* RVData, std::unique_ptr<RvHostedControl> Control,
                       uint8_t Placement);

    std::unique_ptr<RvHostedControl> HostedControl;
    bool resizable = false;
    int32_t WidthPercent = 0; // 1..100: sized to that percentage of the text width

    bool visible() const { return Fvisible; }
    // Shows or hides a control that has a parent.
    void SetVisible(bool value);

    bool BoolQuery(int Code) const override;
    bool BoolQueryStyled(int Code, const TRVStyle* Style) const override;
    // Copies the settings and a duplicate of the control's stored data.
    void AssignFrom(const TCustomRVItemInfo& Source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* RVData) const override;
    bool StoreExtraInt(int Prop, int32_t Value) override;
    bool FetchExtraInt(int Prop, int32_t& Value) const override;

private:
    bool Fvisible = true;
};

} // namespace vellum
