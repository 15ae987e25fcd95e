#include "vellum/document/graphic_item_info.h"

#include "vellum/layout/resolution_pair.h"

namespace vellum {

TRVGraphicItemInfo::TRVGraphicItemInfo(TCustomRVData* rvData) : TRVRectItemInfo(rvData)
{
    StyleNo = rvsPicture;
}

TRVGraphicItemInfo::TRVGraphicItemInfo(TCustomRVData* rvData,
                                       std::shared_ptr<const platform::Picture> picture,
                                       uint8_t placement)
    : TRVGraphicItemInfo(rvData)
{
    this->Picture = std::move(picture);
    this->Placement = placement;
}

bool TRVGraphicItemInfo::HoldsBitmap() const
{
    return Picture && Picture->Format() == platform::PictureFormat::Bitmap;
}

bool TRVGraphicItemInfo::HoldsIcon() const
{
    return Picture && Picture->Format() == platform::PictureFormat::Icon;
}

bool TRVGraphicItemInfo::BoolQuery(int code) const
{
    switch (code) {
    case rvbpValid:
        return Picture != nullptr;
    case rvbpReadsDataLines:
    case rvbpDrawingChangesFont:
    case rvbpStyleApplicable:
        return true;
    case rvbpResizable:
        return Picture && !HoldsIcon() && resizable;
    case 8:
        return false; // no animation player on this platform
    default:
        return code > rvbpStyleApplicable;
    }
}

bool TRVGraphicItemInfo::BoolQueryStyled(int code, const TRVStyle* style) const
{
    if (code == 0)
        return true;
    if (code == 1)
        return !(Picture && Picture->IsMetafile());
    return false;
}

void TRVGraphicItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TRVRectItemInfo::AssignFrom(source);
    auto* src = dynamic_cast<const TRVGraphicItemInfo*>(&source);
    if (!src)
        return;
    Picture = src->Picture;
    resizable = src->resizable;
    width = src->width;
    height = src->height;
    nohtmlsize = src->nohtmlsize;
    ainterval = src->ainterval;
    filename = src->filename;
    alt = src->alt;
    PictureTransparent = src->PictureTransparent;
    PictureTransparentMode = src->PictureTransparentMode;
    PictureTransparentColor = src->PictureTransparentColor;
}

std::unique_ptr<TCustomRVItemInfo> TRVGraphicItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVGraphicItemInfo>(rvData);
}

bool TRVGraphicItemInfo::StoreExtraInt(int prop, int32_t value)
{
    switch (prop) {
    case rvepWidth: width = value; return true;
    case rvepHeight: height = value; return true;
    case rvepMinHeightOnPage: minheightonpage = value; return true;
    case rvepResizable: resizable = value != 0; return true;
    case rvepNoHtmlSize: nohtmlsize = value != 0; return true;
    case rvepAInterval: ainterval = value; return true;
    case rvepTransparent:
        if (!HoldsBitmap())
            return false;
        PictureTransparent = value != 0;
        return true;
    case rvepTMode:
        if (!HoldsBitmap())
            return false;
        PictureTransparentMode = value;
        return true;
    case rvepTColor:
        if (!HoldsBitmap())
            return false;
        PictureTransparentColor = value;
        return true;
    default:
        return TRVRectItemInfo::StoreExtraInt(prop, value);
    }
}

bool TRVGraphicItemInfo::FetchExtraInt(int prop, int32_t& value) const
{
    switch (prop) {
    case rvepWidth: value = width; return true;
    case rvepHeight: value = height; return true;
    case rvepMinHeightOnPage: value = minheightonpage; return true;
    case rvepResizable: value = resizable; return true;
    case rvepNoHtmlSize: value = nohtmlsize; return true;
    case rvepAInterval: value = ainterval; return true;
    case rvepTransparent:
        value = PictureTransparent;
        return HoldsBitmap();
    case rvepTMode:
        value = PictureTransparentMode;
        return HoldsBitmap();
    case rvepTColor:
        value = PictureTransparentColor;
        return HoldsBitmap();
    default:
        return TRVRectItemInfo::FetchExtraInt(prop, value);
    }
}

bool TRVGraphicItemInfo::StoreExtraStr(int prop, const std::string& value)
{
    switch (prop) {
    case rvespAlt: alt = value; return true;
    case rvespFilename: filename = value; return true;
    default: return TRVRectItemInfo::StoreExtraStr(prop, value);
    }
}

bool TRVGraphicItemInfo::FetchExtraStr(int prop, std::string& value) const
{
    switch (prop) {
    case rvespAlt: value = alt; return true;
    case rvespFilename: value = filename; return true;
    default: return TRVRectItemInfo::FetchExtraStr(prop, value);
    }
}

TRVHotGraphicItemInfo::TRVHotGraphicItemInfo(TCustomRVData* rvData) : TRVGraphicItemInfo(rvData)
{
    StyleNo = rvsHotPicture;
}

TRVHotGraphicItemInfo::TRVHotGraphicItemInfo(TCustomRVData* rvData,
                                             std::shared_ptr<const platform::Picture> picture,
                                             uint8_t placement)
    : TRVGraphicItemInfo(rvData, std::move(picture), placement)
{
    StyleNo = rvsHotPicture;
}

bool TRVHotGraphicItemInfo::BoolQueryStyled(int code, const TRVStyle* style) const
{
    if (code == rvbpxJump || code == rvbpxMouseSensitive || code == 5)
        return true;
    return TRVGraphicItemInfo::BoolQueryStyled(code, style);
}

std::unique_ptr<TCustomRVItemInfo> TRVHotGraphicItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVHotGraphicItemInfo>(rvData);
}


int32_t TRVGraphicItemInfo::ContentWidth() const
{
    if (width > 0 || !Picture)
        return width;
    return Picture->Width();
}

int32_t TRVGraphicItemInfo::ContentHeight() const
{
    if (height > 0 || !Picture)
        return height;
    return Picture->Height();
}

// A picture cannot be narrower than itself and its border.
int32_t TRVGraphicItemInfo::NarrowestWidth(const ResolutionPair& resolution) const
{
    return resolution.XToDevice(OuterWidth());
}

} // namespace vellum
