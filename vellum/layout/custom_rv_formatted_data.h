// A document that is laid out: the item list plus what a formatting pass produces and needs.
// Nested formatted documents (table cells) hand their font cache requests to the root
// document of their control, so that one cache serves the whole control during a pass.
#pragma once

#include "vellum/document/custom_rv_data.h"
#include "vellum/layout/draw_lines.h"
#include "vellum/layout/layout_settings.h"
#include "vellum/layout/paragraph_steps.h"

#include <memory>
#include <vector>

namespace platform {
class Canvas;
}

namespace vellum {

class ParagraphSteps;
class TRVFontInfoCache;
struct ResolutionPair;

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

    // --- Line formatting ------------------------------------------------------------------------
    // Lays the items out in draw items for the control's client width. ONLYRESIZED: the client
    // size changed (nothing happens when neither width does, unless FORCEFORMAT); ONLYTAIL:
    // format only the items added after LastFormattedItemNo; NOCACHING and REFORMATTING are
    // handed on to items that lay themselves out; CANVAS defaults to the reference canvas;
    // DEPTH is 0 from outside; KEEPSCROLL keeps the scroll position of a width-only pass.
    virtual void Format(bool onlyResized, bool forceFormat, bool noCaching, bool reformatting,
                        bool onlyTail, platform::Canvas* canvas, int depth, bool keepScroll);

    const TRVDrawLines& DrawItems() const { return FDrawItems; }
    TRVDrawLines& DrawItems() { return FDrawItems; }
    // Each line's first draw item and baseline, in order.
    const std::vector<FormattedLine>& Lines() const { return FLines; }
    std::vector<FormattedLine>& Lines() { return FLines; }
    const std::vector<TRVJumpInfo>& Jumps() const { return FJumps; }
    std::vector<TRVJumpInfo>& Jumps() { return FJumps; }
    int32_t DocumentWidth() const { return FDocumentWidth; }
    int32_t TextWidth() const { return FTextWidth; }
    int32_t DocumentHeight() const { return FDocumentHeight; }
    int32_t LastFormattedItemNo() const { return FLastFormattedItemNo; }
    int32_t NextJumpId() const { return FNextJumpId; }
    int32_t TakeNextJumpId() { return FNextJumpId++; }
    bool InFormatting() const { return FInFormatting; }
    // Drops every formatting result (the document is unformatted afterwards).
    void ClearFormatting();

    // The steps that shape lines by the paragraph styles; STEPS must outlive the document.
    void SetParagraphSteps(ParagraphSteps& steps) { FParagraphSteps = &steps; }
    ParagraphSteps& GetParagraphSteps() const { return *FParagraphSteps; }

    // --- What the pass asks of the control. The defaults describe no control: no client area,
    // no canvas, nothing to scroll.
    virtual const LayoutSettings& GetLayoutSettings() const { return FLayoutSettings; }
    virtual int32_t GetClientWidth() const { return 0; }
    virtual int32_t GetClientHeight() const { return 0; }
    // Tells the control the size of the document area (it may show or hide scroll bars).
    virtual void SetDocumentAreaSize(int32_t width, int32_t height, bool repaint) {}
    virtual int32_t GetVScrollPos() const { return 0; }
    virtual void ScrollToY(int32_t y) {}
    virtual void AdjustVScrollUnit() {}
    // False while the document is in a state that forbids formatting.
    virtual bool CanFormat() const { return true; }

protected:
    // Selection hooks of a pass: a width-only pass keeps the selection in item positions
    // across the pass; a full pass drops it.
    virtual void SaveSelectionForResize() {}
    virtual void RestoreSelectionAfterResize() {}
    virtual void DropSelection() {}

    LayoutSettings FLayoutSettings;

private:
    struct FormatRequest;
    struct ScrollAnchor;
    void RunFormatPass(const FormatRequest& request, platform::Canvas& canvas);
    ScrollAnchor RememberScroll(const FormatRequest& request);
    void RestoreScroll(const FormatRequest& request, const ScrollAnchor& anchor);
    void ComputeWidths(const FormatRequest& request, const ResolutionPair& rp, const LayoutSettings& settings,
                       int32_t clientTextWidth, int32_t firstItem, TRVFontInfoCache& cache);
    void PlaceItems(const FormatRequest& request, const ResolutionPair& rp, const LayoutSettings& settings,
                    int32_t leftMargin, int32_t firstItem, TRVFontInfoCache& cache);

    TRVDrawLines FDrawItems;
    std::vector<FormattedLine> FLines;
    std::vector<TRVJumpInfo> FJumps;
    int32_t FDocumentWidth = 0;
    int32_t FTextWidth = 0;
    int32_t FDocumentHeight = 0;
    int32_t FLastFormattedItemNo = -1;
    int32_t FNextJumpId = 0;
    int32_t FMinContentWidth = -1; // of the last pass, -1 unknown
    int FMinContentDevicePpi = 0;
    bool FInFormatting = false;
    bool FFormatting = false; // a pass at depth 0 is running
    ParagraphSteps* FParagraphSteps = &DefaultParagraphSteps();

    // The formatted document that serves this one's cache requests: the root of the control
    // when it is a formatted document, else this one.
    TCustomRVFormattedData& CacheDocument();
    std::unique_ptr<TRVFontInfoCache> NewFontInfoCache(platform::Canvas& canvas);

    TRVFontInfoCache* FFontInfoCache = nullptr;
};

} // namespace vellum
