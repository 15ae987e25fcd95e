#include "vellum/layout/document_painter.h"

#include <algorithm>
#include <optional>

#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/paragraph_rect.h"
#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

int32_t Saturate(int64_t value)
{
    return int32_t(std::clamp<int64_t>(value, INT32_MIN / 2, INT32_MAX / 2));
}

// Back to the first draw item of the line holding NO.
int32_t LineStart(const TRVDrawLines& items, int32_t no)
{
    while (no > 0 && !items[no].IsFirstOfLine())
        --no;
    return no;
}

// Where the last line ends, gaps included.
int64_t BottomOfLastLine(const TRVDrawLines& items)
{
    int64_t bottom = INT64_MIN;
    for (int32_t no = LineStart(items, items.Count() - 1); no < items.Count(); ++no)
        bottom = std::max<int64_t>(bottom, int64_t(items[no].Top) + items[no].Height + items[no].GapBelow);
    return bottom;
}

} // namespace

VisibleRange VisibleDrawItems(const TCustomRVFormattedData& data, int32_t visibleTop, int32_t visibleBottom)
{
    const TRVDrawLines& items = data.DrawItems();
    VisibleRange range;
    if (items.Empty() || visibleBottom <= visibleTop || BottomOfLastLine(items) <= visibleTop)
        return range;
    // 1. The draw item at the top of a view, found by binary search (a line earlier, so that
    // pieces reaching up from lower tops are not missed).
    int32_t first = std::clamp(data.DrawItemAtY(visibleTop, DrawItemSearch::ViewTop), 0, items.Count() - 1);
    // 2. Back to the first draw item of its paragraph.
    while (first > 0 && (items[first].ItemNo == items[first - 1].ItemNo ||
                         !data.StartsParagraphAt(items[first].ItemNo)))
        --first;
    // 3. Down to the first line start after a draw item whose top is below the bottom.
    range.first = first;
    range.last = items.Count() - 1;
    const int32_t below = data.DrawItemAtY(visibleBottom, DrawItemSearch::AtOrBelow);
    for (int32_t no = std::max(below, first + 1); no < items.Count(); ++no) {
        if (items[no].IsFirstOfLine() && items[no - 1].Top >= visibleBottom) {
            range.last = no;
            break;
        }
    }
    return range;
}

PieceSelection SelectedCharacters(const PaintSelection& sel, int32_t no, int32_t textLength)
{
    PieceSelection piece;
    if (sel.entirelySelected) {
        piece.last = textLength;
        piece.whole = true;
        return piece;
    }
    if (!sel.Exists() || no < sel.startNo || no > sel.endNo)
        return piece;
    piece.first = no == sel.startNo && sel.startOffs > 1 ? sel.startOffs : 1;
    piece.last = no == sel.endNo ? std::min(textLength, sel.endOffs - 1) : textLength;
    piece.whole = (no > sel.startNo || sel.startOffs <= 1) && (no < sel.endNo || sel.endOffs > textLength);
    if (piece.whole) {
        piece.first = 1;
        piece.last = std::max(piece.last, textLength);
    }
    return piece;
}

bool NonTextSelected(const PaintSelection& sel, int32_t no)
{
    if (sel.entirelySelected)
        return true;
    if (!sel.Exists() || no < sel.startNo || no > sel.endNo)
        return false;
    return !(no == sel.endNo && sel.endOffs == 0) && !(no == sel.startNo && sel.startOffs == 1);
}

DocumentPainter::DocumentPainter(TCustomRVFormattedData& data, const PaintArgs& args)
    : m_data(data), m_args(args), m_canvas(*args.canvas), m_style(*data.GetRVStyle()),
      m_layout(data.GetLayoutSettings())
{
    m_originX = int64_t(data.GetHScrollPos()) + args.clip.left + args.xOffset;
    m_originY = int64_t(data.GetVScrollPos()) + args.clip.top + args.yOffset;
    m_selection = SelectionToPaint(data);
    const TRVOptions options = data.Settings().Options;
    m_showSpecial = HasOption(options, rvoShowSpecialCharacters) && !args.printing;
    m_showCheckpoints = HasOption(options, rvoShowCheckpoints);
    m_showPageBreaks = HasOption(options, rvoShowPageBreaks);
}

int32_t DocumentPainter::CanvasX(int64_t docX) const
{
    return Saturate(docX - m_originX);
}

int32_t DocumentPainter::CanvasY(int64_t docY) const
{
    return Saturate(docY - m_originY);
}

PaintReport DocumentPainter::Run()
{
    const int64_t top = int64_t(m_args.clip.top) + m_data.GetVScrollPos();
    const int64_t bottom = int64_t(m_args.clip.bottom) + m_data.GetVScrollPos();
    const VisibleRange range = VisibleDrawItems(m_data, Saturate(top), Saturate(bottom));
    m_canvas.SetBrush(clNone);
    if (range.Empty())
        return m_report;
    m_report.firstDrawItemNo = range.first;
    m_report.lastDrawItemNo = range.last;
    PaintParagraphBacks(range);
    RaiseTextBacks(range);
    for (int32_t no = range.first; no <= range.last; ++no)
        PaintDrawItem(no);
    if (range.last == m_data.DrawItems().Count() - 1)
        PaintEndCheckpoint();
    return m_report;
}

// ---- Paragraph backgrounds and borders ----

void DocumentPainter::PaintParagraphBacks(const VisibleRange& range)
{
    for (int32_t no = range.first; no <= range.last; ++no) {
        if (no == range.first || StartsParagraph(no))
            PaintParagraphBack(no);
    }
}

void DocumentPainter::PaintParagraphBack(int32_t firstNo)
{
    const TCustomRVItemInfo& item = *m_data.ItemAt(m_data.DrawItems()[firstNo].ItemNo);
    if (item.StyleNo == rvsBreak)
        return;
    const TParaInfo& para = m_style.ParaStyles()[item.ParaNo];
    if (para.Border.Style == rvbNone && para.Background.Color == clNone && !m_style.OnDrawParaBack)
        return;
    const std::optional<platform::Rect> box = ParagraphRect(m_data, ParagraphDrawItems(m_data, firstNo));
    if (!box)
        return;
    platform::Rect rect{CanvasX(box->left), CanvasY(box->top), CanvasX(box->right), CanvasY(box->bottom)};
    const TRVRect& grow = para.Background.BorderOffsets;
    const platform::Rect back{Saturate(int64_t(rect.left) - grow.Left), Saturate(int64_t(rect.top) - grow.Top),
                              Saturate(int64_t(rect.right) + grow.Right),
                              Saturate(int64_t(rect.bottom) + grow.Bottom)};
    m_style.DrawParaBack(m_canvas, item.ParaNo, back);
    para.Border.Draw(rect, m_canvas, rvcmColor);
}

void DocumentPainter::RaiseTextBacks(const VisibleRange& range)
{
    if (!m_style.OnDrawTextBack)
        return;
    const TRVDrawLines& items = m_data.DrawItems();
    for (int32_t no = range.first; no <= range.last; ++no) {
        const TRVDrawLineInfo& d = items[no];
        const TCustomRVItemInfo& item = *m_data.ItemAt(d.ItemNo);
        if (item.StyleNo < 0)
            continue;
        TRVTextDrawStates states;
        states.Set(rvtsHover, IsHovered(item));
        m_style.DrawTextBack(m_canvas, m_data.EffectiveStyleNo(item), CanvasX(d.Left), CanvasY(d.Top), d.Width,
                             d.Height, states);
    }
}

// ---- Draw items ----

void DocumentPainter::PaintDrawItem(int32_t no)
{
    const TRVDrawLineInfo& d = m_data.DrawItems()[no];
    // 1. Whole lines only: nothing that reaches below the clip rectangle.
    if (m_args.wholeLinesOnly && CanvasY(int64_t(d.Top) + d.Height) > m_args.clip.Height())
        return;
    TCustomRVItemInfo& item = *m_data.ItemAt(d.ItemNo);
    // 2. The line band of a line-scope selection.
    if (d.IsFirstOfLine())
        UpdateLineBand(no);
    PaintMarks(no, item);
    if (item.StyleNo < 0)
        PaintNonText(no, item);
    else
        PaintTextRun(no, item);
    // 7. Paragraph marks after the last piece of a paragraph or line.
    if (!m_showSpecial)
        return;
    const TRVDrawLines& items = m_data.DrawItems();
    const bool lastOfAll = no + 1 == items.Count();
    if (!lastOfAll && items[no + 1].ItemNo == d.ItemNo)
        return;
    const bool paragraphEnds = lastOfAll || m_data.StartsParagraphAt(items[no + 1].ItemNo);
    if (paragraphEnds || m_data.ItemAt(items[no + 1].ItemNo)->StartsNewLine())
        PaintParagraphMark(no, paragraphEnds);
}

void DocumentPainter::UpdateLineBand(int32_t no)
{
    m_bandTop = m_bandBottom = 0;
    const TRVDrawLines& items = m_data.DrawItems();
    const TCustomRVItemInfo& item = *m_data.ItemAt(items[no].ItemNo);
    if (!m_selection.Exists() || m_style.SelectionStyle != rvssLines || !LineScope(item))
        return;
    int64_t top = INT64_MAX;
    int64_t bottom = INT64_MIN;
    int32_t end = no;
    for (; end < items.Count() && (end == no || !items[end].IsFirstOfLine()); ++end) {
        top = std::min<int64_t>(top, items[end].Top);
        bottom = std::max<int64_t>(bottom, int64_t(items[end].Top) + items[end].Height + items[end].GapBelow);
    }
    const TParaInfo& para = m_style.ParaStyles()[item.ParaNo];
    if (StartsParagraph(no))
        top -= para.SpaceBefore;
    if (end == items.Count() || StartsParagraph(end))
        bottom += para.SpaceAfter;
    m_bandTop = CanvasY(top);
    m_bandBottom = CanvasY(bottom);
}

// Steps 3 and 4: the page-break mark above the line and the checkpoint of the item.
void DocumentPainter::PaintMarks(int32_t no, const TCustomRVItemInfo& item)
{
    if (!FirstOfItem(no))
        return;
    const TRVDrawLineInfo& d = m_data.DrawItems()[no];
    if (item.BreakPageBefore() && m_showPageBreaks && m_data.AllowsPageBreaks())
        m_style.DrawPageBreak(m_canvas, CanvasY(int64_t(LineTop(no)) - 1), d.ItemNo, &m_data, nullptr,
                              rvpbPageBreak, Saturate(m_originX), m_data.GetClientWidth());
    if (!m_args.printing && item.AttachedCheckpoint() && m_showCheckpoints)
        m_style.DrawCheckpoint(m_canvas, CanvasX(d.Left), CanvasY(d.Top), d.ItemNo, Saturate(m_originX),
                               item.AttachedCheckpoint()->RaiseEvent, nullptr, &m_data, 0,
                               m_data.GetClientWidth());
}

void DocumentPainter::PaintEndCheckpoint()
{
    if (m_args.printing || !m_showCheckpoints || !m_data.EndCheckpoint)
        return;
    const TRVDrawLineInfo& last = m_data.DrawItems().Last();
    const int64_t y = int64_t(last.Top) + last.Height + last.GapBelow;
    m_style.DrawCheckpoint(m_canvas, -1, CanvasY(y), -1, Saturate(m_originX), m_data.EndCheckpoint->RaiseEvent,
                           nullptr, &m_data, 0, m_data.GetClientWidth());
}

ItemDrawState DocumentPainter::NonTextState(int32_t no, const TCustomRVItemInfo& item) const
{
    ItemDrawState state;
    state.Set(idsSelected, !m_args.printing && NonTextSelected(m_selection, no));
    state.Set(idsCurrent, m_args.currentItemNo >= 0 && m_args.currentItemNo == m_data.DrawItems()[no].ItemNo);
    state.Set(idsHover, IsHovered(item));
    state.Set(idsControlFocused, m_args.controlFocused);
    state.Set(idsStylePixelsPerInch, m_data.UseStylePixelsPerInch());
    state.Set(idsRightToLeft, ParaBiDi(item) == rvbdRightToLeft);
    state.Set(idsSpecialCharacters, m_showSpecial);
    state.Set(idsReferenceMetrics, m_args.referenceMetrics);
    state.Set(idsPrinting, m_args.printing);
    return state;
}

int32_t DocumentPainter::FullLineWidth() const
{
    if (HasOption(m_data.Settings().Options, rvoClientTextWidth))
        return m_data.GetClientWidth();
    int64_t width = int64_t(m_data.DocumentWidth()) + m_layout.LeftMargin + m_layout.RightMargin;
    if (m_layout.MaxTextWidth > 0)
        width = std::min<int64_t>(width, int64_t(m_layout.LeftMargin) + m_layout.MaxTextWidth + m_layout.RightMargin);
    return Saturate(width);
}

// Step 5: an item that is not text paints itself.
void DocumentPainter::PaintNonText(int32_t no, TCustomRVItemInfo& item)
{
    const TRVDrawLineInfo& d = m_data.DrawItems()[no];
    const ItemDrawState state = NonTextState(no, item);
    if (item.FullLine()) {
        const platform::Rect clip{0, 0, m_args.clip.Width(), m_args.clip.Height()};
        item.PaintFullWidth(CanvasX(0), CanvasX(FullLineWidth()), CanvasY(d.Top), d, clip, m_style, state, m_canvas);
    } else {
        if (state.Contains(idsSelected) && m_bandBottom > m_bandTop && item.StyleNo != rvsListMarker) {
            const platform::Color color = m_args.controlFocused ? m_style.SelColor : m_style.InactiveSelColor;
            m_canvas.FillRect({CanvasX(d.Left), m_bandTop, CanvasX(int64_t(d.Left) + d.Width), m_bandBottom}, color);
        }
        item.Paint(CanvasX(d.Left), CanvasY(d.Top), d, m_style, state, m_canvas);
    }
    if (item.BoolQuery(rvbpDrawingChangesFont))
        m_appliedStyleNo = -1;
}

// ---- Questions ----

bool DocumentPainter::StartsParagraph(int32_t no) const
{
    const TRVDrawLines& items = m_data.DrawItems();
    return FirstOfItem(no) && m_data.StartsParagraphAt(items[no].ItemNo);
}

bool DocumentPainter::FirstOfItem(int32_t no) const
{
    const TRVDrawLines& items = m_data.DrawItems();
    return no == 0 || items[no - 1].ItemNo != items[no].ItemNo;
}

bool DocumentPainter::IsHovered(const TCustomRVItemInfo& item) const
{
    if (m_args.hoveredJumpId < 0 || item.JumpIndex != m_args.hoveredJumpId)
        return false;
    if (item.StyleNo >= 0)
        return m_style.TextStyles()[m_data.EffectiveStyleNo(item)].Jump;
    return item.BoolQueryStyled(rvbpxJump, &m_style);
}

TRVBiDiMode DocumentPainter::ParaBiDi(const TCustomRVItemInfo& item) const
{
    const TRVBiDiMode own = m_style.ParaStyles()[item.ParaNo].BiDiMode;
    return own != rvbdUnspecified ? own : m_data.Settings().BiDiMode;
}

bool DocumentPainter::LineScope(const TCustomRVItemInfo& item) const
{
    if (ParaBiDi(item) != rvbdUnspecified)
        return false;
    if (item.StyleNo < 0)
        return true;
    return m_style.TextStyles()[m_data.EffectiveStyleNo(item)].BiDiMode == rvbdUnspecified;
}

TRVTextDrawStates DocumentPainter::BaseStates() const
{
    TRVTextDrawStates states;
    states.Set(rvtsControlFocused, m_args.controlFocused);
    states.Set(rvtsSpecialCharacters, m_showSpecial);
    return states;
}

int32_t DocumentPainter::LineTop(int32_t no) const
{
    const TRVDrawLines& items = m_data.DrawItems();
    const int32_t start = LineStart(items, no);
    int64_t top = int64_t(items[start].Top) - items[start].GapAbove;
    for (int32_t i = start + 1; i < items.Count() && !items[i].IsFirstOfLine(); ++i)
        top = std::min<int64_t>(top, int64_t(items[i].Top) - items[i].GapAbove);
    return Saturate(top);
}

PaintSelection SelectionToPaint(const TCustomRVFormattedData& data)
{
    const SelectionBounds bounds = data.GetSelectionBounds(true);
    PaintSelection selection{bounds.start.drawItemNo, bounds.start.offset, bounds.end.drawItemNo,
                             bounds.end.offset, data.EntirelySelected()};
    return selection;
}

PaintReport PaintDocument(TCustomRVFormattedData& data, const PaintArgs& args)
{
    if (!args.canvas || !data.GetRVStyle() || data.DrawItems().Empty())
        return {};
    DocumentPainter painter(data, args);
    return painter.Run();
}

} // namespace vellum
