// Text runs: the selected and unselected parts of a piece, its justification gap, and the
// paragraph marks shown after the last piece of a paragraph or line.
#include "vellum/layout/document_painter.h"

#include <algorithm>

#include "platform/canvas.h"
#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/text_measure.h"
#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

constexpr char16_t kSoftHyphen = 0x00AD;
constexpr char16_t kPilcrow = 0x00B6;
constexpr uint8_t kSymbolReturnArrow = 0xBF; // shown as U+21B5 by the "Symbol" font

int32_t Saturate(int64_t value)
{
    return int32_t(std::clamp<int64_t>(value, INT32_MIN / 2, INT32_MAX / 2));
}

// A soft hyphen that ends a line is drawn as "-": the line was widened by that glyph, and
// every font has it.
void ShowTrailingHyphen(std::string& display, bool unicode)
{
    if (!unicode || display.size() < 2)
        return;
    const size_t at = display.size() - 2 - display.size() % 2;
    if (uint8_t(display[at]) == (kSoftHyphen & 0xFF) && uint8_t(display[at + 1]) == (kSoftHyphen >> 8)) {
        display[at] = '-';
        display[at + 1] = '\0';
    }
}

bool SymbolLike(const platform::FontSpec& font)
{
    return font.charset == SYMBOL_CHARSET || platform::IsSymbolFace(font.face);
}

} // namespace

// Characters FIRSTCHAR..LASTCHAR (1-based) of the piece's stored text.
std::string DocumentPainter::RawPart(int32_t no, const TCustomRVItemInfo& item, int32_t firstChar,
                                     int32_t lastChar) const
{
    const TRVDrawLineInfo& d = m_data.DrawItems()[no];
    const size_t unit = item.UnicodeText() ? 2 : 1;
    const size_t from = size_t(std::max(0, d.TextStart + firstChar - 2)) * unit;
    const size_t count = size_t(std::max(0, lastChar - firstChar + 1)) * unit;
    if (from >= item.Text.size())
        return {};
    return std::string(item.Text.View().substr(from, count));
}

bool DocumentPainter::EndsLine(int32_t no) const
{
    const TRVDrawLines& items = m_data.DrawItems();
    return no + 1 == items.Count() || items[no + 1].IsFirstOfLine();
}

void DocumentPainter::ApplyRunStyle(int32_t styleNo, const TCustomRVItemInfo& item)
{
    if (styleNo == m_appliedStyleNo)
        return;
    m_style.ApplyStyle(m_canvas, styleNo, false, std::nullopt, m_data.UseStylePixelsPerInch(), ParaBiDi(item));
    m_appliedStyleNo = styleNo;
}

void DocumentPainter::PaintTextRun(int32_t no, const TCustomRVItemInfo& item)
{
    const TRVDrawLineInfo& d = m_data.DrawItems()[no];
    const int32_t styleNo = m_data.EffectiveStyleNo(item);
    ApplyRunStyle(styleNo, item);
    m_lastTextStyleNo = styleNo;
    TRVTextDrawStates states = BaseStates();
    const bool hovered = IsHovered(item);
    states.Set(rvtsHover, hovered);
    // 1. Unselected, selected as a whole, or unselected with the selected part drawn over it.
    const PieceSelection selected =
        m_args.printing ? PieceSelection{} : SelectedCharacters(m_selection, no, d.TextLength);
    TRVTextDrawStates selectedStates = states;
    selectedStates.Include(rvtsSelected);
    if (selected.whole) {
        DrawPart(no, item, styleNo, 1, d.TextLength, selectedStates);
    } else {
        DrawPart(no, item, styleNo, 1, d.TextLength, states);
        if (selected.Any())
            DrawPart(no, item, styleNo, selected.first, selected.last, selectedStates);
    }
    // A hover underline changed the font of the style.
    if (hovered)
        m_appliedStyleNo = -1;
}

void DocumentPainter::DrawPart(int32_t no, const TCustomRVItemInfo& item, int32_t styleNo, int32_t firstChar,
                               int32_t lastChar, TRVTextDrawStates states)
{
    const TRVDrawLineInfo& d = m_data.DrawItems()[no];
    const TFontInfo& style = m_style.TextStyles()[styleNo];
    const bool unicode = item.UnicodeText();
    const bool toEnd = lastChar >= d.TextLength;
    // 2. The characters in display form, zero-width characters removed.
    std::string text = MakeDisplayText(RawPart(no, item, firstChar, lastChar), style,
                                       toEnd && EndsLine(no), true, m_showSpecial);
    if (toEnd && EndsLine(no) && !m_showSpecial)
        ShowTrailingHyphen(text, unicode);
    if (text.empty() && d.GapBefore == 0 && !m_style.OnDrawStyleText)
        return;
    // 3. Colours for the draw state.
    m_style.ApplyStyleColor(m_canvas, styleNo, rvcmColor, m_args.printing, states);
    // 4. The gap belongs to the part that begins the draw item; a later part moves right by it.
    StyleTextPart part;
    part.text = text;
    part.unicode = unicode;
    part.top = CanvasY(d.Top);
    part.height = d.Height;
    const int32_t left = CanvasX(d.Left);
    if (firstChar <= 1) {
        part.left = left;
        part.gapBefore = d.GapBefore;
    } else {
        const std::string before = MakeDisplayText(RawPart(no, item, 1, firstChar - 1), style, false, false,
                                                   m_showSpecial);
        part.left = Saturate(int64_t(left) + d.GapBefore +
                             MeasureRunSize(m_canvas, before, firstChar - 1, unicode).cx);
    }
    if (toEnd)
        part.width = Saturate(int64_t(left) + d.Width - part.left);
    else
        part.width = part.gapBefore + MeasureRunSize(m_canvas, text, CharCount(text, unicode), unicode).cx;
    part.drawState = states;
    if (m_style.OnDrawStyleText) {
        const int32_t itemFirst = d.TextStart + firstChar - 1;
        part.drawState.Set(rvtsItemStart, itemFirst == 1);
        part.drawState.Set(rvtsItemEnd, d.TextStart - 1 + lastChar >= CharCount(item.Text, unicode));
        part.drawState.Set(rvtsDrawItemStart, firstChar <= 1);
        part.drawState.Set(rvtsDrawItemEnd, toEnd);
    }
    part.printing = m_args.printing;
    part.referenceCanvas = m_args.referenceMetrics ? m_data.GetReferenceCanvas() : nullptr;
    part.emptyRun = d.TextLength == 0;
    part.document = &m_data;
    part.itemNo = d.ItemNo;
    part.offset = d.TextStart + firstChar - 1;
    // 5. A line-scope selection fills the band around the part.
    if (states.Contains(rvtsSelected) && m_style.SelectionStyle == rvssLines)
        FillBandAround(part.left - 1, Saturate(int64_t(part.left) + part.width + 1));
    // 6. The style sheet draws it.
    m_style.DrawStyleText(m_canvas, styleNo, part);
    ++m_report.textParts;
}

void DocumentPainter::FillBandAround(int32_t left, int32_t right)
{
    if (m_bandBottom <= m_bandTop)
        return;
    m_canvas.FillRect({left, m_bandTop, right, m_bandBottom}, m_canvas.Brush());
}

// "¶" where the paragraph ends, the return arrow where only the line does, bottom-aligned
// just after the piece (before it in right-to-left paragraphs).
void DocumentPainter::PaintParagraphMark(int32_t no, bool paragraphEnds)
{
    const TRVDrawLineInfo& d = m_data.DrawItems()[no];
    const TCustomRVItemInfo& item = *m_data.ItemAt(d.ItemNo);
    const int32_t styleNo = m_lastTextStyleNo >= 0 ? m_lastTextStyleNo : 0;
    ApplyRunStyle(styleNo, item);
    m_style.ApplyStyleColor(m_canvas, styleNo, rvcmColor, m_args.printing, BaseStates());
    platform::FontSpec font = m_canvas.Font();
    if (SymbolLike(font)) {
        font.face = u"Arial";
        font.charset = DEFAULT_CHARSET;
    }
    std::string mark;
    std::u16string wideMark;
    if (paragraphEnds) {
        wideMark.assign(1, kPilcrow);
    } else {
        font.face = u"Symbol";
        font.charset = SYMBOL_CHARSET;
        mark.assign(1, char(kSymbolReturnArrow));
    }
    m_canvas.SetFont(font);
    m_appliedStyleNo = -1;
    const platform::Size size = paragraphEnds ? m_canvas.TextExtentW(wideMark) : m_canvas.TextExtent(mark);
    const bool rightToLeft = ParaBiDi(item) == rvbdRightToLeft;
    const int32_t x = rightToLeft ? CanvasX(int64_t(d.Left) - size.cx) : CanvasX(int64_t(d.Left) + d.Width);
    const int32_t y = CanvasY(int64_t(d.Top) + d.Height - size.cy);
    if (paragraphEnds)
        m_canvas.TextOutW(x, y, wideMark);
    else
        m_canvas.TextOut(x, y, mark);
}

} // namespace vellum
