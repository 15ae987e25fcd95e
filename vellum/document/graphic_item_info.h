// Pictures inside a line: a plain picture and a picture that is a hypertext link.
#pragma once

#include <memory>
#include <string>

#include "platform/picture.h"
#include "vellum/document/custom_item_info.h"

namespace vellum {

class TRVGraphicItemInfo : public TRVRectItemInfo {
public:
    explicit TRVGraphicItemInfo(TCustomRVData* rvData);
    // A picture item made in code around Picture with a placement.
    TRVGraphicItemInfo(TCustomRVData* rvData, std::shared_ptr<const platform::Picture> picture,
                       uint8_t placement);

    // Pictures are immutable once decoded, so copies share them; that is the same as
    // duplicating them.
    std::shared_ptr<const platform::Picture> Picture;
    bool resizable = true;
    int32_t width = 0;  // 0: the picture's own size
    int32_t height = 0; // 0: the picture's own size
    bool nohtmlsize = false;
    int32_t ainterval = 0; // frame interval of an animation, 0 = none
    std::string filename;
    std::string alt;
    // The transparency settings a bitmap picture carries ("transparent", "tmode", "tcolor").
    bool PictureTransparent = false;
    int32_t PictureTransparentMode = 0; // 0 automatic, 1 fixed colour
    int32_t PictureTransparentColor = 0;

    const platform::Picture* PictureOf() const override { return Picture.get(); }
    // Layout hooks (screen pixels).
    int32_t ContentWidth() const override;
    int32_t ContentHeight() const override;
    int32_t NarrowestWidth(const ResolutionPair& resolution) const override;
    bool BoolQuery(int code) const override;
    bool BoolQueryStyled(int code, const TRVStyle* style) const override;
    void Paint(int x, int y, const TRVDrawLineInfo& drawItem, TRVStyle& style, ItemDrawState state,
               platform::Canvas& canvas) override;
    void AssignFrom(const TCustomRVItemInfo& source) override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
    bool StoreExtraInt(int prop, int32_t value) override;
    bool FetchExtraInt(int prop, int32_t& value) const override;
    bool StoreExtraStr(int prop, const std::string& value) override;
    bool FetchExtraStr(int prop, std::string& value) const override;

private:
    bool HoldsBitmap() const;
    bool HoldsIcon() const;
};

class TRVHotGraphicItemInfo : public TRVGraphicItemInfo {
public:
    explicit TRVHotGraphicItemInfo(TCustomRVData* rvData);
    TRVHotGraphicItemInfo(TCustomRVData* rvData, std::shared_ptr<const platform::Picture> picture,
                          uint8_t placement);
    bool BoolQueryStyled(int code, const TRVStyle* style) const override;
    std::unique_ptr<TCustomRVItemInfo> NewSameClass(TCustomRVData* rvData) const override;
};

} // namespace vellum
