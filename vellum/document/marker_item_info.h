// A list marker: the number or bullet that begins a list paragraph.
#pragma once

#include <string>

#include "vellum/document/custom_item_info.h"

namespace vellum {

class TRVMarkerItemInfo : public TRVRectItemInfo {
public:
    explicit TRVMarkerItemInfo(TCustomRVData* rvData);
    TRVMarkerItemInfo(TCustomRVData* rvData, int32_t listNo, int32_t level, int32_t startFrom,
                      bool resetNumbering);

    int32_t ListNo = -1; // index into the list styles; -1 none
    int32_t Level = 0;   // -1 none
    int32_t StartFrom = 1;
    bool ResetNumbering = false;
    bool nohtmlsize = false;
    // Run-time numbering and measuring state.
    int32_t Counter = 1;
    std::string MarkerText;
    int32_t MarkerListIndex = -1; // position in the document's marker list
    int32_t CachedWidth = 0;
    int32_t CachedHeight = 0;
    int32_t CachedDescent = 0;
    int32_t CachedLeftOffset = 0;
    // Layout hooks: the marker text measured on the context's canvas.
    int32_t ContentWidth() const override { return CachedWidth; }
    int32_t ContentHeight() const override { return CachedHeight; }
    ItemLayoutSize MeasureForLayout(const ItemLayoutContext& context) override;

    bool BoolQuery(int code) const override;
    bool BoolQueryStyled(int code, const TRVStyle* style) const override;
    void AssignFrom(const TCustomRVItemInfo& source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
    bool StoreExtraInt(int prop, int32_t value) override;
    bool FetchExtraInt(int prop, int32_t& value) const override;
};

} // namespace vellum
