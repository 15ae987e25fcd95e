// A horizontal line occupying a line of its own.
#pragma once

#include "vellum/document/custom_item_info.h"

namespace vellum {

class TRVBreakItemInfo : public TRVFullLineItemInfo {
public:
    using TRVFullLineItemInfo::TRVFullLineItemInfo;
    uint8_t Thickness = 0; // pixels
    uint8_t LineKind = 0;  // 0 single, 1 rectangle, 2 sunken 3-D, 3 dotted, 4 dashed
    platform::Color LineColor = 0; // clNone: the colour of text style 0

    // What a record without its three numbers gives: one pixel, single line, colour none.
    void SetRecordDefaults();

    void AssignFrom(const TCustomRVItemInfo& source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
};

} // namespace vellum
