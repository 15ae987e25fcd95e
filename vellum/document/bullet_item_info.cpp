#include "vellum/document/bullet_item_info.h"

#include "vellum/layout/resolution_pair.h"

namespace vellum {

TRVBulletItemInfo::TRVBulletItemInfo(TCustomRVData* rvData) : TRVRectItemInfo(rvData)
{
    StyleNo = rvsBullet;
}

bool TRVBulletItemInfo::BoolQuery(int code) const
{
    if (code == rvbpValid)
        return Images != nullptr;
    if (code == rvbpReadsDataLines || code == rvbpStyleApplicable)
        return true;
    return code > rvbpStyleApplicable;
}

bool TRVBulletItemInfo::BoolQueryStyled(int code, const TRVStyle* style) const
{
    return code == 0 || code == 1;
}

void TRVBulletItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TRVRectItemInfo::AssignFrom(source);
    auto* src = dynamic_cast<const TRVBulletItemInfo*>(&source);
    if (!src)
        return;
    Images = src->Images;
    ImageNo = src->ImageNo;
    nohtmlsize = src->nohtmlsize;
    alt = src->alt;
}

std::unique_ptr<TCustomRVItemInfo> TRVBulletItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVBulletItemInfo>(rvData);
}

bool TRVBulletItemInfo::StoreExtraInt(int prop, int32_t value)
{
    if (prop != rvepNoHtmlSize)
        return TRVRectItemInfo::StoreExtraInt(prop, value);
    nohtmlsize = value != 0;
    return true;
}

bool TRVBulletItemInfo::FetchExtraInt(int prop, int32_t& value) const
{
    if (prop != rvepNoHtmlSize)
        return TRVRectItemInfo::FetchExtraInt(prop, value);
    value = nohtmlsize;
    return true;
}

bool TRVBulletItemInfo::StoreExtraStr(int prop, const std::string& value)
{
    if (prop != rvespAlt)
        return TRVRectItemInfo::StoreExtraStr(prop, value);
    alt = value;
    return true;
}

bool TRVBulletItemInfo::FetchExtraStr(int prop, std::string& value) const
{
    if (prop != rvespAlt)
        return TRVRectItemInfo::FetchExtraStr(prop, value);
    value = alt;
    return true;
}

TRVHotspotItemInfo::TRVHotspotItemInfo(TCustomRVData* rvData) : TRVBulletItemInfo(rvData)
{
    StyleNo = rvsHotspot;
}

bool TRVHotspotItemInfo::BoolQueryStyled(int code, const TRVStyle* style) const
{
    switch (code) {
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

void TRVHotspotItemInfo::AssignFrom(const TCustomRVItemInfo& source)
{
    TRVBulletItemInfo::AssignFrom(source);
    if (auto* src = dynamic_cast<const TRVHotspotItemInfo*>(&source))
        HotImageNo = src->HotImageNo;
}

std::unique_ptr<TCustomRVItemInfo> TRVHotspotItemInfo::NewSameClass(TCustomRVData* rvData) const
{
    return std::make_unique<TRVHotspotItemInfo>(rvData);
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
