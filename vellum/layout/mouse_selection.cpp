// Selecting with the mouse, as operations on plain points: starting a drag, growing the
// selection by characters, words, lines or paragraphs while it runs, finishing it, and the
// right button's collapse.
#include "vellum/layout/custom_rv_formatted_data.h"

#include "vellum/style/rv_style.h"

namespace vellum {

bool TCustomRVFormattedData::StartMouseSelection(int32_t x, int32_t y, bool shift)
{
    FSelectingInfo.reset();
    FLineSelecting = false;
    const DrawPosition hit = HasOption(Settings().Options, rvoAllowSelection) ? HitTest(x, y, false)
                                                                               : DrawPosition{-1, -1};
    FSelecting = hit.Valid();
    if (!FSelecting)
        return false;
    FActive = hit;
    if (!shift || !ValidDrawItem(FAnchor.drawItemNo))
        FAnchor = hit;
    const TRVStyle& style = *GetRVStyle();
    if (style.LineSelectCursor != -1 && Settings().BiDiMode != rvbdRightToLeft && !shift &&
        x < GetLayoutSettings().LeftMargin) {
        FLineSelecting = true;
        ExtendToLines(true);
        return true;
    }
    if (style.SelectionMode == rvsmChar)
        return true;
    auto info = std::make_unique<TRVSelectingInfo>();
    info->InitialOffset = info->CurrentOffset = FAnchor.offset;
    info->InitialDrawItemNo = info->CurrentDrawItemNo = FAnchor.drawItemNo;
    info->InitialWordStart = info->InitialWordEnd = FAnchor.offset;
    FSelectingInfo = std::move(info);
    if (style.SelectionMode == rvsmParagraph) {
        FSelectingInfo->Mode = TRVSelectingInfo::smParagraphs;
        if (shift)
            ExtendToParagraphs(true);
        return true;
    }
    const WordRange word = WordAt(FAnchor.drawItemNo, FAnchor.offset);
    if (word.found) {
        FSelectingInfo->InitialWordStart = word.start;
        FSelectingInfo->InitialWordEnd = word.end;
        FSelectingInfo->Mode = TRVSelectingInfo::smInsideInitialWord;
    } else {
        FSelectingInfo->Mode = TRVSelectingInfo::smNoInitialWord;
    }
    return true;
}

// The pointer's word: it becomes the current one, and unless the pointer moved back toward
// the anchor inside it, POS snaps to its far edge.
void TCustomRVFormattedData::SnapToWords(DrawPosition& pos)
{
    TRVSelectingInfo& info = *FSelectingInfo;
    const WordRange word = WordAt(pos.drawItemNo, pos.offset);
    const bool isCurrent = word.found && pos.drawItemNo == info.CurrentDrawItemNo &&
                           word.start == info.CurrentWordStart && word.end == info.CurrentWordEnd;
    const bool before = info.IsBeforeInitial(pos);
    info.CurrentDrawItemNo = pos.drawItemNo;
    if (!word.found) {
        info.CurrentWordStart = info.CurrentWordEnd = -1;
        return;
    }
    if (isCurrent) {
        const bool movedBack = before ? pos.offset > info.CurrentOffset : pos.offset < info.CurrentOffset;
        if (movedBack)
            info.WordState = TRVSelectingInfo::wsExact;
        else
            info.CurrentOffset = pos.offset;
    } else {
        info.CurrentWordStart = word.start;
        info.CurrentWordEnd = word.end;
        info.WordState = TRVSelectingInfo::wsNormal;
        info.CurrentOffset = pos.offset;
    }
    if (info.WordState == TRVSelectingInfo::wsExact)
        return;
    if (before)
        pos.offset = word.start;
    else if (info.IsAfterInitial(pos))
        pos.offset = word.end;
}

bool TCustomRVFormattedData::ExtendSelectionTo(int32_t x, int32_t y)
{
    DrawPosition hit = HitTest(x, y, false);
    if (!hit.Valid())
        return false;
    const DrawPosition oldAnchor = FAnchor;
    const DrawPosition oldActive = FActive;
    TRVSelectingInfo* info = FSelectingInfo.get();
    if (info && !ValidDrawItem(info->InitialDrawItemNo)) {
        FSelectingInfo.reset();
        info = nullptr;
    }
    if (info && info->Mode == TRVSelectingInfo::smParagraphs) {
        info->CurrentDrawItemNo = hit.drawItemNo;
        info->CurrentOffset = hit.offset;
        FAnchor = DrawPosition{info->InitialDrawItemNo, info->InitialOffset};
        FActive = hit;
        ExtendToParagraphs(true);
        return !(FAnchor == oldAnchor) || !(FActive == oldActive);
    }
    if (info) {
        bool snap = info->Mode != TRVSelectingInfo::smInsideInitialWord;
        if (info->Mode == TRVSelectingInfo::smWordSnapping && info->IsInsideInitial(hit)) {
            FAnchor = DrawPosition{info->InitialDrawItemNo, info->InitialOffset};
            info->Mode = TRVSelectingInfo::smNoInitialWord;
            snap = false;
        } else if (info->Mode != TRVSelectingInfo::smNoInitialWord && !info->IsInsideInitial(hit)) {
            // Leaving the first word, or jumping across it: the anchor holds the whole word.
            const bool before = info->IsBeforeInitial(hit);
            FAnchor = DrawPosition{info->InitialDrawItemNo, before ? info->InitialWordEnd : info->InitialWordStart};
            info->Mode = TRVSelectingInfo::smWordSnapping;
            snap = true;
        }
        if (snap)
            SnapToWords(hit);
    }
    FActive = hit;
    return !(FAnchor == oldAnchor) || !(FActive == oldActive);
}

bool TCustomRVFormattedData::ExtendSelectionByLines(int32_t x, int32_t y)
{
    const DrawPosition hit = HitTest(x, y, false);
    if (!hit.Valid())
        return false;
    const DrawPosition oldAnchor = FAnchor;
    const DrawPosition oldActive = FActive;
    FActive = hit;
    ExtendToLines(false);
    if (GetRVStyle()->SelectionMode == rvsmParagraph)
        ExtendToParagraphs(false);
    return !(FAnchor == oldAnchor) || !(FActive == oldActive);
}

bool TCustomRVFormattedData::ExtendToLines(bool oneLine)
{
    if (!ValidDrawItem(FAnchor.drawItemNo) || !ValidDrawItem(FActive.drawItemNo))
        return false;
    const DrawPosition oldAnchor = FAnchor;
    const DrawPosition oldActive = FActive;
    if (oneLine)
        FActive = FAnchor;
    const bool backward = FActive < FAnchor;
    DrawPosition& start = backward ? FActive : FAnchor;
    DrawPosition& end = backward ? FAnchor : FActive;
    const int32_t first = LineOfDrawItem(start.drawItemNo).first;
    const int32_t last = LineOfDrawItem(end.drawItemNo).last;
    start = DrawPosition{first, FirstOffsetOf(first)};
    end = DrawPosition{last, LastOffsetOf(last)};
    return !(FAnchor == oldAnchor) || !(FActive == oldActive);
}

int32_t TCustomRVFormattedData::ParagraphFirstDrawItem(int32_t drawItemNo) const
{
    int32_t itemNo = FDrawItems[drawItemNo].ItemNo;
    while (itemNo > 0 && !StartsParagraphAt(itemNo))
        --itemNo;
    const int32_t first = ItemAt(itemNo)->FirstDrawItemNo;
    return ValidDrawItem(first) && first <= drawItemNo ? first : drawItemNo;
}

int32_t TCustomRVFormattedData::ParagraphLastDrawItem(int32_t drawItemNo) const
{
    int32_t itemNo = FDrawItems[drawItemNo].ItemNo;
    while (itemNo + 1 < CountItems() && !StartsParagraphAt(itemNo + 1))
        ++itemNo;
    if (itemNo + 1 >= CountItems())
        return FDrawItems.Count() - 1;
    const int32_t next = ItemAt(itemNo + 1)->FirstDrawItemNo;
    return ValidDrawItem(next) && next > drawItemNo ? next - 1 : drawItemNo;
}

bool TCustomRVFormattedData::ExtendToParagraphs(bool onlyIfSpanning)
{
    if (SelectionIsEmpty() || !ValidDrawItem(FAnchor.drawItemNo) || !ValidDrawItem(FActive.drawItemNo))
        return false;
    if (onlyIfSpanning && !SelectionSpansParagraphs())
        return false;
    const DrawPosition oldAnchor = FAnchor;
    const DrawPosition oldActive = FActive;
    const bool backward = FActive < FAnchor;
    DrawPosition& start = backward ? FActive : FAnchor;
    DrawPosition& end = backward ? FAnchor : FActive;
    const int32_t first = ParagraphFirstDrawItem(start.drawItemNo);
    const int32_t last = ParagraphLastDrawItem(end.drawItemNo);
    start = DrawPosition{first, FirstOffsetOf(first)};
    end = DrawPosition{last, LastOffsetOf(last)};
    return !(FAnchor == oldAnchor) || !(FActive == oldActive);
}

bool TCustomRVFormattedData::FinishMouseSelection(int32_t x, int32_t y)
{
    if (!FSelecting)
        return false;
    const bool changed = FLineSelecting ? ExtendSelectionByLines(x, y) : ExtendSelectionTo(x, y);
    FSelectingInfo.reset();
    FSelecting = false;
    FLineSelecting = false;
    SelectionChanged();
    return changed;
}

bool TCustomRVFormattedData::RightClickSelection(int32_t x, int32_t y)
{
    if (!HasOption(Settings().Options, rvoRClickDeselects))
        return false;
    const DrawPosition hit = HitTest(x, y, false);
    if (!hit.Valid())
        return false;
    const SelectionBounds bounds = GetSelectionBounds(true);
    const bool inside = !SelectionIsEmpty() && !(hit < bounds.start) && !(bounds.end < hit);
    if (inside)
        return false;
    FAnchor = FActive = hit;
    SelectionChanged();
    return true;
}

} // namespace vellum
