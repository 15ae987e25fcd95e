#include "vellum/document/bullet_item_info.h"

#include "vellum/layout/resolution_pair.h"

namespace vellum {

TRVBulletItemInfo::TRVBulletItemInfo(TCustomRVData* RVData) : TRVRectItemInfo(RVData)
{
    StyleNo = rvsBullet;
}

bool TRVBulletItemInfo::BoolQuery(int Code) const
{
    if (Code == rvbpValid)
        return Images != nullptr;
    if (Code == rvbpReadsDataLines || Code == rvbpStyleApplicable)
        return true;
    return Code > rvbpStyleApplicable;
}

bool TRVBulletItemInfo::BoolQueryStyled(int Code, const TRVStyle* Style) const
{
    return Code == 0 || Code == 1;
}

void TRVBulletItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TRVRectItemInfo::AssignFrom(Source);
    auto* source = dynamic_cast<const TRVBulletItemInfo*>(&Source);
    if (!source)
        return;
    Images = source->Images;
    ImageNo = source->ImageNo;
    nohtmlsize = source->nohtmlsize;
    alt = source->alt;
}

std::unique_ptr<TCustomRVItemInfo> TRVBulletItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVBulletItemInfo>(RVData);
}

bool TRVBulletItemInfo::StoreExtraInt(int Prop, int32_t Value)
{
    if (Prop != rvepNoHtmlSize)
        return TRVRectItemInfo::StoreExtraInt(Prop, Value);
    nohtmlsize = Value != 0;
    return true;
}

bool TRVBulletItemInfo::FetchExtraInt(int Prop, int32_t& Value) const
{
    if (Prop != rvepNoHtmlSize)
        return TRVRectItemInfo::FetchExtraInt(Prop, Value);
    Value = nohtmlsize;
    return true;
}

bool TRVBulletItemInfo::StoreExtraStr(int Prop, const std::string& Value)
{
    if (Prop != rvespAlt)
        return TRVRectItemInfo::StoreExtraStr(Prop, Value);
    alt = Value;
    return true;
}

bool TRVBulletItemInfo::FetchExtraStr(int Prop, std::string& Value) const
{
    if (Prop != rvespAlt)
        return TRVRectItemInfo::FetchExtraStr(Prop, Value);
    Value = alt;
    return true;
}

TRVHotspotItemInfo::TRVHotspotItemInfo(TCustomRVData* RVData) : TRVBulletItemInfo(RVData)
{
    StyleNo = rvsHotspot;
}

bool TRVHotspotItemInfo::BoolQueryStyled(int Code, const TRVStyle* Style) const
{
    switch (Code) {
    case 0:
    case 1:
    case rvbpxJump:
    case rvbpxMouseSensitive:
    case 5:
        return true;
    case rvbpxHover:
        return HotImageNo != ImageNo;
    default:
        return false;
    }
}

void TRVHotspotItemInfo::AssignFrom(const TCustomRVItemInfo& Source)
{
    TRVBulletItemInfo::AssignFrom(Source);
    if (auto* source = dynamic_cast<const TRVHotspotItemInfo*>(&Source))
        HotImageNo = source->HotImageNo;
}

std::unique_ptr<TCustomRVItemInfo> TRVHotspotItemInfo::NewSameClass(TCustomRVData* RVData) const
{
    return std::make_unique<TRVHotspotItemInfo>(RVData);
}


int32_t TRVBulletItemInfo::ContentWidth() const
{
    return Images ? Images->Width() : 0;
}

int32_t TRVBulletItemInfo::ContentHeight() const
{
    return Images ? Images->Height() : 0;
}

int32_t TRVBulletItemInfo::NarrowestWidth(const ResolutionPair& resolution) const
{
    return resolution.XToDevice(OuterWidth());
}

} // namespace vellum
