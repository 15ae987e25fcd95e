// A tab inside a line; its width comes from the paragraph's tab stops.
#pragma once

#include "vellum/document/custom_item_info.h"

namespace vellum {

class TRVTabItemInfo : public TRVRectItemInfo {
public:
    explicit TRVTabItemInfo(TCustomRVData* rvData);
    int32_t TabTextStyle = 0; // rvsDefStyle: the paragraph's default text style

    int32_t DrawingTextStyle() const override { return TabTextStyle; }
    void SetDrawingTextStyle(int32_t value) override { TabTextStyle = value; }
    // A tab is as high as its text style's font; its width comes from the tab stops.
    ItemLayoutSize MeasureForLayout(const ItemLayoutContext& context) override;
    bool BoolQuery(int code) const override;
    bool BoolQueryStyled(int code, const TRVStyle* style) const override { return code == 6; }
    void AssignFrom(const TCustomRVItemInfo& source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
};

} // namespace vellum
