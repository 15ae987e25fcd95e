// The selection of a formatted document: its ends, emptiness, Select All and deselection, the
// conversion between draw item and item positions, keeping it across a width-only pass, and
// scrolling a rectangle into view.
#include "vellum/layout/custom_rv_formatted_data.h"

#include <algorithm>

#include "vellum/layout/font_info_cache.h"
#include "vellum/layout/line_formatter.h"

namespace vellum {

void TCustomRVFormattedData::SetSelection(DrawPosition anchor, DrawPosition active)
{
    FAnchor = anchor;
    FActive = active;
}

int32_t TCustomRVFormattedData::FirstOffsetOf(int32_t drawItemNo) const
{
    if (!ValidDrawItem(drawItemNo))
        return 0;
    return ItemAt(FDrawItems[drawItemNo].ItemNo)->StyleNo >= 0 ? 1 : 0;
}

int32_t TCustomRVFormattedData::LastOffsetOf(int32_t drawItemNo) const
{
    if (!ValidDrawItem(drawItemNo))
        return 0;
    const TRVDrawLineInfo& piece = FDrawItems[drawItemNo];
    return ItemAt(piece.ItemNo)->StyleNo >= 0 ? piece.TextLength + 1 : 1;
}

SelectionBounds TCustomRVFormattedData::GetSelectionBounds(bool normalize) const
{
    SelectionBounds bounds{FAnchor, FActive};
    if (normalize && bounds.start.Valid() && bounds.end.Valid() && bounds.end < bounds.start)
        std::swap(bounds.start, bounds.end);
    return bounds;
}

bool TCustomRVFormattedData::SelectionIsEmpty() const
{
    return !FAnchor.Valid() || !FActive.Valid() || FAnchor == FActive;
}

bool TCustomRVFormattedData::SelectionExists(bool resetIfEmpty, bool countCellSelection)
{
    if (countCellSelection && FPartialSelectionItemNo >= 0 && FPartialSelectionItemNo < CountItems())
        return true;
    if (!FAnchor.Valid() || !FActive.Valid())
        return false;
    if (!(FAnchor == FActive))
        return true;
    if (resetIfEmpty && CanDeselect()) {
        const TCustomRVItemInfo* keep = FPartialSelectionItemNo >= 0 && FPartialSelectionItemNo < CountItems()
                                            ? ItemAt(FPartialSelectionItemNo)
                                            : nullptr;
        Deselect(keep, false);
    }
    return false;
}

void TCustomRVFormattedData::Deselect(const TCustomRVItemInfo* itemToKeep, bool redraw)
{
    if (!CanDeselect())
        return;
    FAnchor = DrawPosition{};
    FActive = DrawPosition{};
    if (FPartialSelectionItemNo >= 0 && FPartialSelectionItemNo < CountItems() &&
        ItemAt(FPartialSelectionItemNo) != itemToKeep) {
        DropItemSelection(FPartialSelectionItemNo);
        FPartialSelectionItemNo = -1;
    } else if (FPartialSelectionItemNo >= CountItems()) {
        FPartialSelectionItemNo = -1;
    }
    SelectionChanged();
    if (redraw)
        Invalidate();
}

void TCustomRVFormattedData::SelectAll()
{
    if (FDrawItems.Empty())
        return;
    const int32_t last = FDrawItems.Count() - 1;
    FAnchor = DrawPosition{0, FirstOffsetOf(0)};
    FActive = DrawPosition{last, LastOffsetOf(last)};
    SelectionChanged();
    Invalidate();
}

// --- Item positions --------------------------------------------------------------------------

ItemPosition TCustomRVFormattedData::DrawToItemPosition(DrawPosition pos) const
{
    if (!ValidDrawItem(pos.drawItemNo))
        return ItemPosition{};
    const TRVDrawLineInfo& piece = FDrawItems[pos.drawItemNo];
    if (ItemAt(piece.ItemNo)->StyleNo < 0)
        return ItemPosition{piece.ItemNo, pos.offset};
    return ItemPosition{piece.ItemNo, piece.TextStart + pos.offset - 1};
}

DrawPosition TCustomRVFormattedData::ItemToDrawPosition(ItemPosition pos) const
{
    if (pos.itemNo < 0 || pos.itemNo >= CountItems())
        return DrawPosition{};
    const TCustomRVItemInfo& item = *ItemAt(pos.itemNo);
    const int32_t first = item.FirstDrawItemNo;
    if (!ValidDrawItem(first) || FDrawItems[first].ItemNo != pos.itemNo)
        return DrawPosition{};
    if (item.StyleNo < 0)
        return DrawPosition{first, std::clamp(pos.offset, 0, 1)};
    // The item's pieces follow each other in reading order: the first one whose range reaches
    // the position holds it, so a boundary between two pieces belongs to the upper line.
    const auto& all = FDrawItems.Items();
    const int32_t itemNo = pos.itemNo;
    const int32_t k = pos.offset;
    auto it = std::partition_point(all.begin() + first, all.end(), [itemNo, k](const TRVDrawLineInfo& d) {
        return d.ItemNo == itemNo && d.TextStart + d.TextLength < k;
    });
    if (it == all.end() || it->ItemNo != itemNo) {
        // Past the last piece (a space eaten after it, or an offset beyond the text): the end
        // of the last piece.
        const int32_t last = int32_t(it - all.begin()) - 1;
        return DrawPosition{last, FDrawItems[last].TextLength + 1};
    }
    const int32_t drawItemNo = int32_t(it - all.begin());
    // A position inside a space eaten at a line break goes to the start of the next piece.
    return DrawPosition{drawItemNo, std::max(1, k - it->TextStart + 1)};
}

ItemSelectionBounds TCustomRVFormattedData::GetSelectionInItems(bool normalize) const
{
    const SelectionBounds bounds = GetSelectionBounds(normalize);
    return ItemSelectionBounds{DrawToItemPosition(bounds.start), DrawToItemPosition(bounds.end)};
}

void TCustomRVFormattedData::SetSelectionFromItems(ItemPosition anchor, ItemPosition active)
{
    FAnchor = ItemToDrawPosition(anchor);
    FActive = ItemToDrawPosition(active);
}

void TCustomRVFormattedData::ClampSelection()
{
    if (FDrawItems.Empty()) {
        FAnchor = FActive = DrawPosition{};
        return;
    }
    const int32_t last = FDrawItems.Count() - 1;
    for (DrawPosition* end : {&FAnchor, &FActive}) {
        if (!end->Valid())
            continue;
        if (end->drawItemNo > last)
            *end = DrawPosition{last, LastOffsetOf(last)};
        end->offset = std::clamp(end->offset, FirstOffsetOf(end->drawItemNo), LastOffsetOf(end->drawItemNo));
    }
}

bool TCustomRVFormattedData::SelectionSpansParagraphs() const
{
    const SelectionBounds bounds = GetSelectionBounds(true);
    if (!ValidDrawItem(bounds.start.drawItemNo) || !ValidDrawItem(bounds.end.drawItemNo))
        return false;
    // Every item after the first selected one up to the last selected one has its first draw
    // item inside the selection.
    const int32_t firstItem = FDrawItems[bounds.start.drawItemNo].ItemNo;
    const int32_t lastItem = FDrawItems[bounds.end.drawItemNo].ItemNo;
    for (int32_t i = firstItem + 1; i <= lastItem; ++i)
        if (StartsParagraphAt(i))
            return true;
    return false;
}

// --- Width-only passes -------------------------------------------------------------------------

void TCustomRVFormattedData::SaveSelectionForResize()
{
    DropHitTestFonts();
    FSelectionBeforeResize = GetSelectionInItems(false);
}

void TCustomRVFormattedData::RestoreSelectionAfterResize()
{
    SetSelectionFromItems(FSelectionBeforeResize.start, FSelectionBeforeResize.end);
    FSelectionBeforeResize = ItemSelectionBounds{};
}

// The draw items a drag or the selection points at are gone: so are the drag and the selection.
void TCustomRVFormattedData::DropSelection()
{
    DropHitTestFonts();
    FAnchor = FActive = DrawPosition{};
    FSelectingInfo.reset();
    FSelecting = false;
    FLineSelecting = false;
}

// --- Scrolling ---------------------------------------------------------------------------------

void TCustomRVFormattedData::ScrollIntoView(int32_t x, int32_t y, int32_t width, int32_t height)
{
    const int64_t clientWidth = GetClientWidth();
    const int64_t clientHeight = GetClientHeight();
    const int64_t left = GetHScrollPos();
    const int64_t top = GetVScrollPos();
    const int64_t unit = std::max(1, GetVerticalUnit());
    const int64_t right = int64_t(x) + width;
    const int64_t bottom = int64_t(y) + height;
    if (x < left || right > left + clientWidth)
        ScrollToX(SaturateCoordinate(std::max<int64_t>(0, x - clientWidth / 4)));
    const int64_t viewBottom = top + clientHeight;
    // A rectangle taller than the view that already covers it stays where it is.
    if (bottom > viewBottom - 2 * unit && y < top + unit)
        return;
    if (bottom <= viewBottom) {
        if (y < top)
            ScrollToY(y);
        return;
    }
    ScrollToY(SaturateCoordinate(bottom - clientHeight + unit));
}

} // namespace vellum
