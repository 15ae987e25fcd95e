// Pictures taken from an image list: a bullet, and a hotspot (a link with a hover image).
#pragma once

#include <string>

#include "vellum/document/custom_item_info.h"
#include "vellum/style/image_list.h"

namespace vellum {

class TRVBulletItemInfo : public TRVRectItemInfo {
public:
    explicit TRVBulletItemInfo(TCustomRVData* rvData);
    RvImageList* Images = nullptr; // not owned
    int32_t ImageNo = 0;
    bool nohtmlsize = false;
    std::string alt;

    // The image number to draw: the hover image of a hotspot under the mouse.
    virtual int32_t ImageIndexToDraw(bool hot) const { return ImageNo; }
    // Layout hooks (screen pixels).
    int32_t ContentWidth() const override;
    int32_t ContentHeight() const override;
    int32_t NarrowestWidth(const ResolutionPair& resolution) const override;

    bool BoolQuery(int code) const override;
    bool BoolQueryStyled(int code, const TRVStyle* style) const override;
    void AssignFrom(const TCustomRVItemInfo& source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
    bool StoreExtraInt(int prop, int32_t value) override;
    bool FetchExtraInt(int prop, int32_t& value) const override;
    bool StoreExtraStr(int prop, const std::string& value) override;
    bool FetchExtraStr(int prop, std::string& value) const override;
};

class TRVHotspotItemInfo : public TRVBulletItemInfo {
public:
    explicit TRVHotspotItemInfo(TCustomRVData* rvData);
    int32_t HotImageNo = 0; // equals ImageNo when a record does not give it

    int32_t ImageIndexToDraw(bool hot) const override { return hot ? HotImageNo : ImageNo; }
    bool BoolQueryStyled(int code, const TRVStyle* style) const override;
    void AssignFrom(const TCustomRVItemInfo& source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
};

} // namespace vellum
