// A document that is laid out: the item list plus what a formatting pass produces and needs.
// Nested formatted documents (table cells) hand their font cache requests to the root
// document of their control, so that one cache serves the whole control during a pass.
#pragma once

#include "vellum/document/custom_rv_data.h"

#include <memory>

namespace platform {
class Canvas;
}

namespace vellum {

class TRVFontInfoCache;

class TCustomRVFormattedData : public TCustomRVData {
public:
    TCustomRVFormattedData();
    ~TCustomRVFormattedData() override;

    // --- Font information cache of a pass (CANVAS: the canvas being formatted on) -----------
    // Frees any cache this document keeps and creates and keeps a new one: the Fast variant
    // when the options hold rvoFastFormatting, else the LowResource one.
    void CreateFontInfoCache(platform::Canvas& canvas);
    // The kept cache, or a new one that the caller must release.
    TRVFontInfoCache* GetFontInfoCache(platform::Canvas& canvas);
    // Forgets CACHE if it is the kept one, frees it if this document is its owner, and clears
    // the reference.
    void ReleaseFontInfoCache(TRVFontInfoCache*& cache);

    // --- What the control supplies (the viewer's document answers from its control) ---------
    // The canvas whose resolution lengths are stored in; none: the canvas of the pass.
    virtual platform::Canvas* GetReferenceCanvas() const { return nullptr; }
    // Whether font sizes follow the text style table's own pixels per inch (the viewer and
    // editor controls say yes).
    virtual bool UseStylePixelsPerInch() const { return true; }

private:
    // The formatted document that serves this one's cache requests: the root of the control
    // when it is a formatted document, else this one.
    TCustomRVFormattedData& CacheDocument();
    std::unique_ptr<TRVFontInfoCache> NewFontInfoCache(platform::Canvas& canvas);

    TRVFontInfoCache* FFontInfoCache = nullptr;
};

} // namespace vellum
