#include "vellum/layout/font_info_cache.h"

#include "platform/checked_math.h"
#include "vellum/style/rv_style.h"

#include <cmath>
#include <cstdlib>

namespace vellum {
namespace {

// Halves go to the even neighbour, as the fixed script fractions are specified.
int RoundEven(double value)
{
    return int(std::nearbyint(value));
}

// Sub- and superscript size and raise from the full-size font selected on CANVAS.
void ComputeScriptMetrics(TRVFontInfoCacheItem& entry, const TFontInfo& style, platform::Canvas& canvas)
{
    entry.ScriptHeight = 0;
    entry.VerticalOffset = 0;
    if (style.SubSuperScriptType == rvsssNormal)
        return;
    const bool subscript = style.SubSuperScriptType == rvsssSubscript;
    platform::OutlineMetrics outline;
    if (canvas.GetOutlineMetrics(outline)) {
        entry.ScriptHeight = subscript ? outline.subscriptSizeY : outline.superscriptSizeY;
        entry.VerticalOffset = subscript ? -outline.subscriptOffsetY
                                         : canvas.GetFontMetrics().ascent - outline.superscriptOffsetY;
        return;
    }
    // Without outline metrics: fixed fractions of the font's height request.
    const double h = platform::FontHeightRequest(canvas.Font(), canvas.PixelsPerInchY());
    entry.ScriptHeight = std::abs(RoundEven(h * 2 / 3));
    entry.VerticalOffset = subscript ? -std::abs(RoundEven(h * 0.25)) : std::abs(RoundEven(h * 0.45));
}

} // namespace

void TRVFontInfoCacheItem::AdoptCanvas(std::unique_ptr<platform::Canvas> surface)
{
    FOwnedCanvas = std::move(surface);
    Canvas = FOwnedCanvas.get();
}

TRVFontInfoCache::TRVFontInfoCache(const TCustomRVFormattedData* owner, bool useStylePixelsPerInch,
                                   platform::Canvas& referenceCanvas, platform::Canvas& formatCanvas,
                                   TRVStyle& style)
    : FormatCanvas(&formatCanvas), ReferenceCanvas(&referenceCanvas), Style(&style),
      UseStylePixelsPerInch(useStylePixelsPerInch), Owner(owner)
{
    FItems.resize(size_t(style.TextStyles().Count()) + 1);
}

TRVFontInfoCache::~TRVFontInfoCache() = default;

void TRVFontInfoCache::Clear()
{
    for (auto& item : FItems)
        item.reset();
}

size_t TRVFontInfoCache::SlotOf(int styleNo) const
{
    const size_t fallback = FItems.size() - 1;
    if (styleNo < 0 || size_t(styleNo) >= fallback)
        return fallback;
    return size_t(styleNo);
}

int TRVFontInfoCache::SlotStyleNo(int styleNo) const
{
    return SlotOf(styleNo) == FItems.size() - 1 ? -1 : styleNo;
}

const TRVFontInfoCacheItem* TRVFontInfoCache::Find(int styleNo) const
{
    return FItems[SlotOf(styleNo)].get();
}

void TRVFontInfoCache::ApplyTo(platform::Canvas& canvas, int styleNo, bool ignoreScript)
{
    Style->ApplyStyle(canvas, styleNo, ignoreScript, std::nullopt, UseStylePixelsPerInch, CurrentBiDiMode);
}

void TRVFontInfoCache::CompleteItem(TRVFontInfoCacheItem& entry, int styleNo)
{
    platform::Canvas& canvas = *entry.Canvas;
    ComputeScriptMetrics(entry, *entry.FontInfo, canvas);
    if (entry.FontInfo->SubSuperScriptType != rvsssNormal)
        ApplyTo(canvas, styleNo, false);
    entry.TextMetric = canvas.GetFontMetrics();
    entry.VerticalOffset += platform::MulDiv(entry.TextMetric.height, entry.FontInfo->VShift, 100);
    const platform::Size hyphen = canvas.TextExtent("-");
    entry.HyphenHeight = hyphen.cy;
    entry.HyphenWidth = hyphen.cx;
}

TRVFontInfoCacheFast::~TRVFontInfoCacheFast()
{
    TRVFontInfoCacheFast::Clear();
}

TRVFontInfoCacheItem& TRVFontInfoCacheFast::GetItem(int requestedNo)
{
    const int styleNo = SlotStyleNo(requestedNo);
    std::unique_ptr<TRVFontInfoCacheItem>& slot = FItems[SlotOf(styleNo)];
    if (!slot) {
        // 1. A surface of the formatting canvas's resolution; Qt canvases share the
        // process-wide font tables, so the surface costs no font of its own.
        auto entry = std::make_unique<TRVFontInfoCacheItem>();
        entry->AdoptCanvas(FormatCanvas->CreateBuffer(1, 1));
        entry->FontInfo = &Style->TextStyles()[styleNo];
        ApplyTo(*entry->Canvas, styleNo, true);
        entry->AppliedBiDiMode = CurrentBiDiMode;
        CompleteItem(*entry, styleNo);
        slot = std::move(entry);
        return *slot;
    }
    // 2. Only the direction follows a change of the default; the font stays.
    if (slot->AppliedBiDiMode != CurrentBiDiMode)
        slot->FontInfo->ApplyBiDiMode(*slot->Canvas, CurrentBiDiMode);
    return *slot;
}

void TRVFontInfoCacheFast::Clear()
{
    // Surfaces go before the entries that refer to them.
    for (auto& item : FItems) {
        if (item)
            item->AdoptCanvas(nullptr);
    }
    TRVFontInfoCache::Clear();
}

TRVFontInfoCacheItem& TRVFontInfoCacheLowResource::GetItem(int requestedNo)
{
    const int styleNo = SlotStyleNo(requestedNo);
    std::unique_ptr<TRVFontInfoCacheItem>& slot = FItems[SlotOf(styleNo)];
    if (slot) {
        ApplyTo(*FormatCanvas, styleNo, false);
        slot->AppliedBiDiMode = CurrentBiDiMode;
        return *slot;
    }
    auto entry = std::make_unique<TRVFontInfoCacheItem>();
    entry->Canvas = FormatCanvas;
    entry->FontInfo = &Style->TextStyles()[styleNo];
    // Full size first: the script metrics are read from the full-size font.
    ApplyTo(*FormatCanvas, styleNo, true);
    entry->AppliedBiDiMode = CurrentBiDiMode;
    CompleteItem(*entry, styleNo);
    slot = std::move(entry);
    return *slot;
}

} // namespace vellum
