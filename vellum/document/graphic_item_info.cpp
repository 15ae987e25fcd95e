#include "vellum/document/graphic_item_info.h"

#include "vellum/layout/resolution_pair.h"

namespace vellum {

TRVGraphicItemInfo::TRVGraphicItemInfo(TCustomRVData* RVData) : TRVRectItemInfo(RVData)
{
    StyleNo = rvsPicture;
}

TRVGraphicItemInfo::TRVGraphicItemInfo(TCustomRVData* RVData,
                                       std::shared_ptr<const platform::Picture> Picture,
                                       uint8_t Placement)
    : TRVGraphicItemInfo(RVData)
{
    this->Picture = std::move(Picture);
    this->Placement = Placement;
}

bool TRVGraphicItemInfo::HoldsBitmap() const
{
    return Picture && Picture->Format() == platform::PictureFormat::Bitmap;
}

bool TRVGraphicItemInfo::HoldsIcon() const
{
    return Picture && Picture->Format() == platform::PictureFormat::Icon;
}

bool TRVGraphicItemInfo::BoolQuery(int Code) const
{
    switch (Code) {
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
        return Code > rvbpStyleApplicable;
    }
}

bool TRVGraphicItemInfo::BoolQueryStyled(int Code, const TRVStyle* Style) const
{
    if (Code == 0)
        return true;
    if (Code == 1)
        return !(Picture && Picture->IsMetafile());
    return false;
}

void TRVGraphicItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TRVRectItemInfo::AssignFrom(Source);
    auto* source = dynamic_cast<const TRVGraphicItemInfo*>(&Source);
    if (!source)
        return;
    Picture = source->Picture;
    resizable = source->resizable;
    width = source->width;
    height = source->height;
    nohtmlsize = source->nohtmlsize;
    ainterval = source->ainterval;
    filename = source->filename;
    alt = source->alt;
    PictureTransparent = source->PictureTransparent;
    PictureTransparentMode = source->PictureTransparentMode;
    PictureTransparentColor = source->PictureTransparentColor;
}

std::unique_ptr<TCustomRVItemInfo> TRVGraphicItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVGraphicItemInfo>(RVData);
}

bool TRVGraphicItemInfo::StoreExtraInt(int Prop, int32_t Value)
{
    switch (Prop) {
    case rvepWidth: width = Value; return true;
    case rvepHeight: height = Value; return true;
    case rvepMinHeightOnPage: minheightonpage = Value; return true;
    case rvepResizable: resizable = Value != 0; return true;
    case rvepNoHtmlSize: nohtmlsize = Value != 0; return true;
    case rvepAInterval: ainterval = Value; return true;
    case rvepTransparent:
        if (!HoldsBitmap())
            return false;
        PictureTransparent = Value != 0;
        return true;
    case rvepTMode:
        if (!HoldsBitmap())
            return false;
        PictureTransparentMode = Value;
        return true;
    case rvepTColor:
        if (!HoldsBitmap())
            return false;
        PictureTransparentColor = Value;
        return true;
    default:
        return TRVRectItemInfo::StoreExtraInt(Prop, Value);
    }
}

bool TRVGraphicItemInfo::FetchExtraInt(int Prop, int32_t& Value) const
{
    switch (Prop) {
    case rvepWidth: Value = width; return true;
    case rvepHeight: Value = height; return true;
    case rvepMinHeightOnPage: Value = minheightonpage; return true;
    case rvepResizable: Value = resizable; return true;
    case rvepNoHtmlSize: Value = nohtmlsize; return true;
    case rvepAInterval: Value = ainterval; return true;
    case rvepTransparent:
        Value = PictureTransparent;
        return HoldsBitmap();
    case rvepTMode:
        Value = PictureTransparentMode;
        return HoldsBitmap();
    case rvepTColor:
        Value = PictureTransparentColor;
        return HoldsBitmap();
    default:
        return TRVRectItemInfo::FetchExtraInt(Prop, Value);
    }
}

bool TRVGraphicItemInfo::StoreExtraStr(int Prop, const std::string& Value)
{
    switch (Prop) {
    case rvespAlt: alt = Value; return true;
    case rvespFilename: filename = Value; return true;
    default: return TRVRectItemInfo::StoreExtraStr(Prop, Value);
    }
}

bool TRVGraphicItemInfo::FetchExtraStr(int Prop, std::string& Value) const
{
    switch (Prop) {
    case rvespAlt: Value = alt; return true;
    case rvespFilename: Value = filename; return true;
    default: return TRVRectItemInfo::FetchExtraStr(Prop, Value);
    }
}

TRVHotGraphicItemInfo::TRVHotGraphicItemInfo(TCustomRVData* RVData) : TRVGraphicItemInfo(RVData)
{
    StyleNo = rvsHotPicture;
}

TRVHotGraphicItemInfo::TRVHotGraphicItemInfo(TCustomRVData* RVData,
                                             std::shared_ptr<const platform::Picture> Picture,
                                             uint8_t Placement)
    : TRVGraphicItemInfo(RVData, std::move(Picture), Placement)
{
    StyleNo = rvsHotPicture;
}

bool TRVHotGraphicItemInfo::BoolQueryStyled(int Code, const TRVStyle* Style) const
{
    if (Code == rvbpxJump || Code == rvbpxMouseSensitive || Code == 5)
        return true;
    return TRVGraphicItemInfo::BoolQueryStyled(Code, Style);
}

std::unique_ptr<TCustomRVItemInfo> TRVHotGraphicItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVHotGraphicItemInfo>(RVData);
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
