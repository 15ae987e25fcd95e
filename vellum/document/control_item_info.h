// An inserted control inside a line.
#pragma once

#include <memory>

#include "vellum/document/custom_item_info.h"
#include "vellum/document/hosted_control.h"

namespace vellum {

class TRVControlItemInfo : public TRVRectItemInfo {
public:
    explicit TRVControlItemInfo(TCustomRVData* rvData);
    TRVControlItemInfo(TCustomRVData* rvData, std::unique_ptr<RvHostedControl> control,
                       uint8_t placement);

    std::unique_ptr<RvHostedControl> HostedControl;
    bool resizable = false;
    int32_t WidthPercent = 0; // 1..100: sized to that percentage of the text width

    bool visible() const { return Fvisible; }
    // Shows or hides a control that has a parent.
    void SetVisible(bool value);
    // Layout hooks (screen pixels): the control's own size.
    int32_t ContentWidth() const override;
    int32_t ContentHeight() const override;

    bool BoolQuery(int code) const override;
    bool BoolQueryStyled(int code, const TRVStyle* style) const override;
    // Copies the settings and a duplicate of the control's stored data.
    void AssignFrom(const TCustomRVItemInfo& source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
    bool StoreExtraInt(int prop, int32_t value) override;
    bool FetchExtraInt(int prop, int32_t& value) const override;

private:
    bool Fvisible = true;
};

} // namespace vellum
