// A document that is laid out: the item list plus what a formatting pass produces and needs.
// Nested formatted documents (table cells) hand their font cache requests to the root
// document of their control, so that one cache serves the whole control during a pass.
#pragma once

#include "vellum/document/custom_rv_data.h"
#include "vellum/layout/draw_lines.h"
#include "vellum/layout/layout_settings.h"
#include "vellum/layout/paragraph_steps.h"
#include "vellum/layout/selection.h"

#include <memory>
#include <string_view>
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
    // Selection and scrolling questions: the horizontal scroll position, horizontal scroll
    // requests, the vertical scroll unit in pixels, the word delimiters, the selection-changed
    // notification and a repaint request.
    virtual int32_t GetHScrollPos() const { return 0; }
    virtual void ScrollToX(int32_t x) {}
    virtual int32_t GetVerticalUnit() const { return 1; }
    virtual std::string_view GetDelimiters() const { return kDefaultDelimiters; }
    virtual void SelectionChanged() {}
    virtual void Invalidate() {}
    // False while the document is in a state that forbids deselecting.
    virtual bool CanDeselect() const { return true; }

    // --- Selection, kept in draw items (positions: selection.h) -------------------------------
    // Every operation accepts -1 ends and draw item numbers beyond the list (after a change):
    // such ends are clamped or ignored, never used as indexes.
    int32_t AnchorDrawItemNo() const { return FAnchor.drawItemNo; }
    int32_t AnchorOffset() const { return FAnchor.offset; }
    int32_t ActiveDrawItemNo() const { return FActive.drawItemNo; }
    int32_t ActiveOffset() const { return FActive.offset; }
    DrawPosition Anchor() const { return FAnchor; }
    DrawPosition Active() const { return FActive; }
    // Sets both ends as given (no notification); ClampSelection makes them valid.
    void SetSelection(DrawPosition anchor, DrawPosition active);
    // An item that keeps a selection of its own inside (a table); -1 for none.
    int32_t PartialSelectionItemNo() const { return FPartialSelectionItemNo; }
    void SetPartialSelectionItemNo(int32_t itemNo) { FPartialSelectionItemNo = itemNo; }
    // Painting draws every piece as selected (a table cell inside a larger selection).
    bool EntirelySelected() const { return FEntirelySelected; }
    void SetEntirelySelected(bool value) { FEntirelySelected = value; }

    // The ends; with NORMALIZE the earlier one first, else the anchor first.
    SelectionBounds GetSelectionBounds(bool normalize) const;
    // Empty: an end is -1, or both ends are the same draw item and offset.
    bool SelectionIsEmpty() const;
    // Both ends set and different (with COUNTCELLSELECTION an item holding its own selection
    // counts too); an empty selection is deselected when RESETIFEMPTY.
    bool SelectionExists(bool resetIfEmpty, bool countCellSelection);
    // Drops the selection (unless CanDeselect says no) and the partial selection of an item
    // other than ITEMTOKEEP; notifies, and repaints with REDRAW.
    void Deselect(const TCustomRVItemInfo* itemToKeep, bool redraw);
    // From before the first draw item to after the last; notifies and repaints.
    void SelectAll();
    // The ends in item positions (item -1 for an end outside the draw items).
    ItemSelectionBounds GetSelectionInItems(bool normalize) const;
    // The inverse: an item position moves to the piece that holds it, a boundary between two
    // pieces belonging to the upper one; an end of item -1 (or beyond the list) becomes -1.
    void SetSelectionFromItems(ItemPosition anchor, ItemPosition active);
    DrawPosition ItemToDrawPosition(ItemPosition pos) const;
    ItemPosition DrawToItemPosition(DrawPosition pos) const;
    // Brings every offset into its draw item's range, and a draw item beyond the list to the
    // end of the last one.
    void ClampSelection();
    // A draw item after the first selected one, up to the last, starts a paragraph.
    bool SelectionSpansParagraphs() const;
    // The first and last position of a draw item (1 and TextLength + 1 for text, else 0 and 1).
    int32_t FirstOffsetOf(int32_t drawItemNo) const;
    int32_t LastOffsetOf(int32_t drawItemNo) const;

    // --- Hit testing (document coordinates) ---------------------------------------------------
    // The draw item and offset at (X, Y); STRICT asks for a piece whose box holds the point
    // (else -1), otherwise the nearest piece of the nearest line. -1 without draw items. Text
    // is measured on the reference canvas, one piece per call.
    DrawPosition HitTest(int32_t x, int32_t y, bool strict);
    int32_t DrawItemAtY(int32_t y, DrawItemSearch mode) const;
    LineRange LineOfDrawItem(int32_t drawItemNo) const;
    // The word holding OFFSET of draw item DRAWITEMNO, by GetDelimiters.
    WordRange WordAt(int32_t drawItemNo, int32_t offset) const;
    // Forgets the fonts hit testing measures with (they are rebuilt on the next hit test);
    // every formatting pass does it, and so must a change of the style sheet.
    void DropHitTestFonts();

    // --- Mouse selection (document coordinates; the mouse handlers decide when) ------------
    // Left button down: false when no draw item is under the point (or selection is not
    // allowed) and the document is not selecting.
    bool StartMouseSelection(int32_t x, int32_t y, bool shift);
    // Each extension answers whether an end of the selection changed.
    bool ExtendSelectionTo(int32_t x, int32_t y);
    bool ExtendSelectionByLines(int32_t x, int32_t y);
    bool ExtendToLines(bool oneLine);
    bool ExtendToParagraphs(bool onlyIfSpanning);
    // Left button up: the last extension, then the selecting state ends and the control hears
    // of the selection.
    bool FinishMouseSelection(int32_t x, int32_t y);
    // Right button (with rvoRClickDeselects): a point outside the selection collapses it there.
    bool RightClickSelection(int32_t x, int32_t y);
    bool IsSelecting() const { return FSelecting; }
    bool IsLineSelecting() const { return FLineSelecting; }
    // Present only while a drag in word or paragraph mode runs.
    const TRVSelectingInfo* SelectingInfo() const { return FSelectingInfo.get(); }

    // Scrolls so that the rectangle (document coordinates) comes into view.
    void ScrollIntoView(int32_t x, int32_t y, int32_t width, int32_t height);

protected:
    // Selection hooks of a pass: a width-only pass keeps the selection in item positions
    // across the pass; a full pass drops it.
    virtual void SaveSelectionForResize();
    virtual void RestoreSelectionAfterResize();
    virtual void DropSelection();
    // Tells item ITEMNO to drop the selection it keeps inside (tables do).
    virtual void DropItemSelection(int32_t itemNo) {}

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

    // Selection.
    struct PieceEdges;
    PieceEdges MeasurePiece(int32_t drawItemNo);
    int32_t TextOffsetAt(int32_t drawItemNo, int32_t x);
    int32_t HitLine(int32_t y) const;
    DrawPosition ExtendedEnd(DrawPosition pos, bool backward, bool toLines) const;
    int32_t ParagraphFirstDrawItem(int32_t drawItemNo) const;
    int32_t ParagraphLastDrawItem(int32_t drawItemNo) const;
    void SnapToWords(DrawPosition& pos);
    bool ValidDrawItem(int32_t drawItemNo) const { return drawItemNo >= 0 && drawItemNo < FDrawItems.Count(); }

    DrawPosition FAnchor;
    DrawPosition FActive;
    int32_t FPartialSelectionItemNo = -1;
    bool FEntirelySelected = false;
    bool FSelecting = false;
    bool FLineSelecting = false;
    std::unique_ptr<TRVSelectingInfo> FSelectingInfo;
    ItemSelectionBounds FSelectionBeforeResize; // kept in items across a width-only pass
    std::unique_ptr<TRVFontInfoCache> FHitTestFonts; // built on the first hit test after a pass
};

} // namespace vellum
