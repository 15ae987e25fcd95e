// Pictures taken from an image list: a bullet, and a hotspot (a link with a hover image).
#pragma once

#include <string>

#include "vellum/document/custom_item_info.h"
#include "vellum/style/image_list.h"

namespace vellum {

class TRVBulletItemInfo : public TRVRectItemInfo {
public:
    explicit TRVBulletItemInfo(TCustomRVData* RVData);
    RvImageList* Images = nullptr; // not owned
    int32_t ImageNo = 0;
    bool nohtmlsize = false;
    std::string alt;

    // The image number to draw: the hover image of a hotspot under the mouse.
    virtual int32_t ImageIndexToDraw(bool Hot) const { return ImageNo; }

    bool BoolQuery(int Code) const override;
    bool BoolQueryStyled(int Code, const TRVStyle* Style) const override;
    void AssignFrom(const TCustomRVItemInfo& Source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* RVData) const override;
    bool StoreExtraInt(int Prop, int32_t Value) override;
    bool FetchExtraInt(int Prop, int32_t& Value) const override;
    bool StoreExtraStr(int Prop, const std::string& Value) override;
    bool FetchExtraStr(int Prop, std::string& Value) const override;
};

class TRVHotspotItemInfo : public TRVBulletItemInfo {
public:
    explicit TRVHotspotItemInfo(TCustomRVData* RVData);
    int32_t HotImageNo = 0; // equals ImageNo when a record does not give it

    int32_t ImageIndexToDraw(bool Hot) const override { return Hot ? HotImageNo : ImageNo; }
    bool BoolQueryStyled(int Code, const TRVStyle* Style) const override;
    void AssignFrom(const TCustomRVItemInfo& Source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* RVData) const override;
};

} // namespace vellum
