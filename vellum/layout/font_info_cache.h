// The per-pass cache of what the formatter needs to know about each text style: the font
// selected on a surface, its metrics, how far its runs are raised and the size of a hyphen.
// Entries are built on first request and never rebuilt within the cache's life; a change of a
// text style, of the style sheet or of the canvas needs a new cache.
#pragma once

#include "platform/canvas.h"
#include "vellum/style/style_types.h"

#include <memory>
#include <vector>

namespace vellum {

class TCustomRVFormattedData;
class TFontInfo;
class TRVStyle;

// One text style as selected on a surface.
class TRVFontInfoCacheItem {
public:
    // The surface on which the style's font is selected: the entry's own memory surface in the
    // Fast cache, the formatting canvas itself in the LowResource cache.
    platform::Canvas* Canvas = nullptr;
    // Metrics of the final font (the scripted one for sub- and superscript styles).
    platform::FontMetrics TextMetric;
    // Height of the sub- or superscript font from the outline metrics or the fixed fraction;
    // kept for callers, not used by layout.
    int ScriptHeight = 0;
    const TFontInfo* FontInfo = nullptr;
    // How far the run's baseline lies above the line's baseline (negative: below): the sub- or
    // superscript offset plus the VShift share of the font height.
    int VerticalOffset = 0;
    // Size of the string "-" in this font.
    int HyphenHeight = 0;
    int HyphenWidth = 0;
    TRVBiDiMode AppliedBiDiMode = rvbdUnspecified;

    // Makes SURFACE this entry's own canvas (Fast cache).
    void AdoptCanvas(std::unique_ptr<platform::Canvas> surface);
    bool OwnsCanvas() const { return FOwnedCanvas != nullptr; }

private:
    std::unique_ptr<platform::Canvas> FOwnedCanvas;
};

class TRVFontInfoCache {
public:
    // One slot per text style of STYLE as it is now, plus one that every number outside the
    // table shares (the table's fallback style). REFERENCECANVAS is the control's canvas,
    // FORMATCANVAS the canvas of the pass; both must outlive the cache.
    TRVFontInfoCache(const TCustomRVFormattedData* owner, bool useStylePixelsPerInch,
                     platform::Canvas& referenceCanvas, platform::Canvas& formatCanvas,
                     TRVStyle& style);
    virtual ~TRVFontInfoCache();
    TRVFontInfoCache(const TRVFontInfoCache&) = delete;
    TRVFontInfoCache& operator=(const TRVFontInfoCache&) = delete;

    // The entry of text style STYLENO, built on first request with CurrentBiDiMode as the
    // default direction. Any number is accepted: numbers outside the table share the fallback
    // slot. The reference stays valid until Clear or the cache's end.
    virtual TRVFontInfoCacheItem& GetItem(int styleNo) = 0;
    // Frees every entry; the slots stay and fill again on request.
    virtual void Clear();

    // Slots, the fallback slot included.
    int Count() const { return int(FItems.size()); }
    // The entry in STYLENO's slot if it was built, else none.
    const TRVFontInfoCacheItem* Find(int styleNo) const;

    platform::Canvas* FormatCanvas;
    platform::Canvas* ReferenceCanvas;
    TRVStyle* Style;
    bool UseStylePixelsPerInch;
    // The formatted document that created the cache; only it frees the cache.
    const TCustomRVFormattedData* Owner;
    // Reading direction applied together with each style (the formatter sets it from the
    // paragraph before each request).
    TRVBiDiMode CurrentBiDiMode = rvbdUnspecified;
    // Never advanced: every LowResource request selects the font again.
    int LastAppliedStyleNo = -1;

protected:
    size_t SlotOf(int styleNo) const;
    // The style the slot of STYLENO holds: STYLENO itself, or -1 (the table's fallback style)
    // for the shared slot of numbers outside the table.
    int SlotStyleNo(int styleNo) const;
    // Steps shared by the variants once the style is applied full-size on ENTRY.Canvas:
    // script metrics, the scripted font for sub- and superscript styles, the final metrics,
    // the VShift share and the hyphen size.
    void CompleteItem(TRVFontInfoCacheItem& entry, int styleNo);
    void ApplyTo(platform::Canvas& canvas, int styleNo, bool ignoreScript);

    std::vector<std::unique_ptr<TRVFontInfoCacheItem>> FItems;
};

// Every entry keeps its own one-pixel memory surface with its style's font selected, so that
// switching styles costs nothing.
class TRVFontInfoCacheFast : public TRVFontInfoCache {
public:
    using TRVFontInfoCache::TRVFontInfoCache;
    ~TRVFontInfoCacheFast() override;
    TRVFontInfoCacheItem& GetItem(int styleNo) override;
    void Clear() override;
};

// Entries share the formatting canvas: each request selects the style's font on it again,
// trading speed for surfaces. The requested style's font is selected on FormatCanvas when
// GetItem returns.
class TRVFontInfoCacheLowResource : public TRVFontInfoCache {
public:
    using TRVFontInfoCache::TRVFontInfoCache;
    TRVFontInfoCacheItem& GetItem(int styleNo) override;
};

} // namespace vellum
