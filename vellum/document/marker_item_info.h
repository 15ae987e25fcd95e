// A list marker: the number or bullet that begins a list paragraph.
#pragma once

#include <string>

#include "vellum/document/custom_item_info.h"

namespace vellum {

class TRVMarkerItemInfo : public TRVRectItemInfo {
public:
    explicit TRVMarkerItemInfo(TCustomRVData* RVData);
    TRVMarkerItemInfo(TCustomRVData* RVData, int32_t ListNo, int32_t Level, int32_t StartFrom,
                      bool ResetNumbering);

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

    bool BoolQuery(int Code) const override;
    bool BoolQueryStyled(int Code, const TRVStyle* Style) const override;
    void AssignFrom(const TCustomRVItemInfo& Source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* RVData) const override;
    bool StoreExtraInt(int Prop, int32_t Value) override;
    bool FetchExtraInt(int Prop, int32_t& Value) const override;
};

} // namespace vellum
