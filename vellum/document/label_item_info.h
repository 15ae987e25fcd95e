// A caption drawn as one unit in a text style (a field).
#pragma once

#include <string>

#include "vellum/document/custom_item_info.h"

namespace vellum {

class TRVLabelItemInfo : public TRVRectItemInfo {
public:
    explicit TRVLabelItemInfo(TCustomRVData* rvData);
    TRVLabelItemInfo(TCustomRVData* rvData, int32_t textStyleNo, const std::string& caption);

    std::string Caption;
    int32_t CaptionStyleNo = 0;
    int32_t MinCaptionWidth = 0; // pixels
    uint8_t CaptionAlign = 0;    // 0 left, 1 right, 2 centre
    bool LockCaptionStyle = false;
    // Run-time size of the caption in its font on the screen; valid while CaptionMeasured.
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Descent = 0;
    bool CaptionMeasured = false;

    // The document the label was read into or placed in (its style sheet measures the caption).
    TCustomRVData* GetDocument() const { return FRVData; }
    void SetDocument(TCustomRVData* rvData) { FRVData = rvData; }
    void MarkCaptionNotMeasured() { CaptionMeasured = false; }
    // Sets the caption; the size is measured again when it changed.
    void SetCaption(const std::string& value);
    // Layout hooks: the caption measured in its style (the context's canvas) once until the
    // caption or its style changes.
    int32_t ContentWidth() const override { return Width; }
    int32_t ContentHeight() const override { return Height; }
    ItemLayoutSize MeasureForLayout(const ItemLayoutContext& context) override;

    int32_t DrawingTextStyle() const override { return CaptionStyleNo; }
    void SetDrawingTextStyle(int32_t value) override;
    bool BoolQuery(int code) const override;
    bool BoolQueryStyled(int code, const TRVStyle* style) const override;
    void BeforeLoading(TCustomRVData& rvData) override { FRVData = &rvData; }
    void AfterInsertion(TCustomRVData& rvData, int32_t itemNo) override;
    void AfterLoading() override { MarkCaptionNotMeasured(); }
    void AssignFrom(const TCustomRVItemInfo& source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;

private:
    TCustomRVData* FRVData = nullptr;
};

} // namespace vellum
