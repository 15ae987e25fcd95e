#include "vellum/layout/custom_rv_formatted_data.h"

#include "vellum/layout/font_info_cache.h"
#include "vellum/style/rv_style.h"

namespace vellum {

TCustomRVFormattedData::TCustomRVFormattedData() = default;

TCustomRVFormattedData::~TCustomRVFormattedData()
{
    if (FFontInfoCache && FFontInfoCache->Owner == this)
        delete FFontInfoCache;
}

TCustomRVFormattedData& TCustomRVFormattedData::CacheDocument()
{
    auto* root = dynamic_cast<TCustomRVFormattedData*>(OutermostDocument());
    return root ? *root : *this;
}

std::unique_ptr<TRVFontInfoCache> TCustomRVFormattedData::NewFontInfoCache(platform::Canvas& canvas)
{
    TRVStyle* style = GetRVStyle();
    if (!style)
        return nullptr;
    platform::Canvas* reference = GetReferenceCanvas();
    platform::Canvas& referenceCanvas = reference ? *reference : canvas;
    // This platform counts as the Unicode-capable family, where fast formatting is available.
    if (HasOption(Settings().Options, rvoFastFormatting))
        return std::make_unique<TRVFontInfoCacheFast>(this, UseStylePixelsPerInch(), referenceCanvas,
                                                      canvas, *style);
    return std::make_unique<TRVFontInfoCacheLowResource>(this, UseStylePixelsPerInch(), referenceCanvas,
                                                         canvas, *style);
}

void TCustomRVFormattedData::CreateFontInfoCache(platform::Canvas& canvas)
{
    TCustomRVFormattedData& root = CacheDocument();
    if (&root != this) {
        root.CreateFontInfoCache(canvas);
        return;
    }
    TRVFontInfoCache* kept = FFontInfoCache;
    ReleaseFontInfoCache(kept);
    FFontInfoCache = NewFontInfoCache(canvas).release();
}

TRVFontInfoCache* TCustomRVFormattedData::GetFontInfoCache(platform::Canvas& canvas)
{
    TCustomRVFormattedData& root = CacheDocument();
    if (&root != this)
        return root.GetFontInfoCache(canvas);
    if (FFontInfoCache)
        return FFontInfoCache;
    return NewFontInfoCache(canvas).release();
}

void TCustomRVFormattedData::ReleaseFontInfoCache(TRVFontInfoCache*& cache)
{
    TCustomRVFormattedData& root = CacheDocument();
    if (&root != this) {
        root.ReleaseFontInfoCache(cache);
        return;
    }
    if (!cache)
        return;
    if (cache == FFontInfoCache)
        FFontInfoCache = nullptr;
    if (cache->Owner == this)
        delete cache;
    cache = nullptr;
}

} // namespace vellum
