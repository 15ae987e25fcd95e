#include "vellum/layout/line_formatter.h"

#include <algorithm>
#include <cstring>

#include "vellum/document/custom_item_info.h"
#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/font_info_cache.h"
#include "vellum/layout/line_break.h"
#include "vellum/layout/paragraph_steps.h"
#include "vellum/layout/text_measure.h"
#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

constexpr char16_t kSoftHyphen = 0x00AD;

std::u16string StoredUtf16(const TRVRawByteString& text)
{
    std::u16string out(text.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = char16_t(uint8_t(text[2 * i]) | uint8_t(text[2 * i + 1]) << 8);
    return out;
}

char16_t StoredCharAt(const TRVRawByteString& text, bool unicode, int32_t index)
{
    if (!unicode)
        return char16_t(uint8_t(text[size_t(index)]));
    return char16_t(uint8_t(text[2 * size_t(index)]) | uint8_t(text[2 * size_t(index) + 1]) << 8);
}

// The display form follows the style's encoding; an item whose flag disagrees with its style
// is measured as stored, so that offsets stay offsets of the item.
std::string DisplayText(const TCustomRVItemInfo& item, const TFontInfo& style, bool showSoftHyphens)
{
    std::string display = MakeDisplayText(item.Text, style, false, false, showSoftHyphens);
    if (CharCount(display, item.UnicodeText()) != CharCount(item.Text, item.UnicodeText()))
        return item.Text;
    return display;
}

} // namespace

int32_t SaturateCoordinate(int64_t value)
{
    return int32_t(std::clamp<int64_t>(value, -kCoordinateLimit, kCoordinateLimit));
}

namespace {

int32_t ToDevice(int64_t value, int devicePpi, int screenPpi)
{
    if (devicePpi == screenPpi || screenPpi <= 0)
        return SaturateCoordinate(value);
    value = std::clamp<int64_t>(value, -kCoordinateLimit, kCoordinateLimit);
    const int64_t scaled = value * devicePpi;
    const int64_t half = screenPpi / 2;
    return SaturateCoordinate(scaled >= 0 ? (scaled + half) / screenPpi : (scaled - half) / screenPpi);
}

} // namespace

int32_t ToDeviceX(const ResolutionPair& rp, int64_t value)
{
    return ToDevice(value, rp.DevicePpiX, rp.ScreenPpiX);
}

int32_t ToDeviceY(const ResolutionPair& rp, int64_t value)
{
    return ToDevice(value, rp.DevicePpiY, rp.ScreenPpiY);
}

LineFormatter::LineFormatter(TCustomRVFormattedData& data, FormatState& state,
                             const LayoutSettings& settings, int32_t leftMargin)
    : m_data(data), m_state(state), m_settings(settings), m_steps(data.GetParagraphSteps()),
      m_leftMargin(leftMargin), m_trimWrapSpaces(settings.HasFlag(cfTrimWrapSpaces)),
      m_recordJumps(settings.HasFlag(cfRecordJumps)),
      m_showSoftHyphens(HasOption(data.Settings().Options, rvoShowSpecialCharacters))
{
}

// --- Questions about items ----------------------------------------------------------------------

const TParaInfo& LineFormatter::ParaOf(int32_t itemNo) const
{
    return m_data.GetRVStyle()->ParaStyles()[m_data.ParaAt(itemNo)];
}

bool LineFormatter::IsNoWrap(const TParaInfo& para) const
{
    return para.Options.Contains(rvpaoNoWrap) || !m_state.WordWrap;
}

bool LineFormatter::WrapsLines(const TParaInfo& para) const
{
    return !IsNoWrap(para);
}

bool LineFormatter::FollowsMarker(int32_t itemNo) const
{
    return itemNo > 0 && m_data.ItemAt(itemNo - 1)->StyleNo == rvsListMarker;
}

// A paragraph starts at an item that neither continues the previous one nor breaks a line.
bool LineFormatter::StartsParagraph(int32_t itemNo) const
{
    const TCustomRVItemInfo& item = *m_data.ItemAt(itemNo);
    return !item.ContinuesParagraph() && !item.StartsNewLine();
}

bool LineFormatter::LastBeforeParagraphEnd(int32_t itemNo) const
{
    return itemNo + 1 >= m_data.CountItems() || !m_data.ItemAt(itemNo + 1)->ContinuesParagraph();
}

// --- Items ---------------------------------------------------------------------------------------

void LineFormatter::PlaceItem(int32_t itemNo)
{
    const TCustomRVItemInfo& item = *m_data.ItemAt(itemNo);
    if (StartsParagraph(itemNo))
        m_state.ParaFirstItemNo = itemNo;
    if (item.StyleNo < 0) {
        if (item.FullLine() || !dynamic_cast<const TRVRectItemInfo*>(&item))
            PlaceFullLineItem(itemNo);
        else
            PlaceRectItem(itemNo);
        return;
    }
    PlaceText(itemNo, 0, CharCount(item.Text, item.UnicodeText()));
}

void LineFormatter::SelectTextStyle(int32_t styleNo, const TParaInfo& para)
{
    if (styleNo == m_state.LastStyleNo)
        return;
    TRVBiDiMode direction = para.BiDiMode != rvbdUnspecified ? para.BiDiMode : m_data.Settings().BiDiMode;
    m_state.FontCache->CurrentBiDiMode = direction;
    TRVFontInfoCacheItem& entry = m_state.FontCache->GetItem(styleNo);
    m_state.TextMetric = entry.TextMetric;
    m_state.RunVerticalOffset = entry.VerticalOffset;
    m_state.Canvas = entry.Canvas;
    m_state.LastStyleNo = styleNo;
}

// One measurement of the whole display text serves every piece of the item.
void LineFormatter::PrepareRun(int32_t itemNo)
{
    if (m_run.itemNo == itemNo)
        return;
    const TCustomRVItemInfo& item = *m_data.ItemAt(itemNo);
    const int32_t styleNo = m_data.EffectiveStyleNo(item);
    const TFontInfo& style = m_data.GetRVStyle()->TextStyles()[styleNo];
    m_run.itemNo = itemNo;
    m_run.unicode = item.UnicodeText();
    m_run.display = MakeDisplayText(item.Text, style, false, false, m_showSoftHyphens, m_run.buffer);
    // The display form follows the style's encoding; an item whose flag disagrees with its
    // style is measured as stored, so that offsets stay offsets of the item.
    if (CharCount(m_run.display, m_run.unicode) != CharCount(item.Text, m_run.unicode))
        m_run.display = item.Text;
    m_run.stored = m_run.unicode ? StoredUtf16(item.Text) : std::u16string();
    m_run.widths.Measure(*m_state.Canvas, m_run.display, m_run.unicode, m_data.CodePageOfStyle(styleNo));
}

// --- Text ----------------------------------------------------------------------------------------

void LineFormatter::PlaceText(int32_t itemNo, int32_t offset, int32_t count)
{
    TCustomRVItemInfo& item = *m_data.ItemAt(itemNo);
    const TParaInfo& para = ParaOf(itemNo);
    // 1. A piece at the item's start of a line-starting item starts a line.
    if (!item.ContinuesParagraph() && offset == 0) {
        m_state.IsParaStart = true;
        m_state.SpaceEaten = false;
    }
    // 2. The item's text style on the canvas.
    const int32_t styleNo = m_data.EffectiveStyleNo(item);
    SelectTextStyle(styleNo, para);
    // 3. An empty item still makes a line of the height of a hyphen.
    if (count == 0) {
        PlaceEmptyText(itemNo, offset, styleNo);
        return;
    }
    PrepareRun(itemNo);
    const int32_t itemLength = m_run.widths.Count();
    const int32_t end = std::min(offset + count, itemLength);
    const bool afterMarker = offset == 0 && FollowsMarker(itemNo);
    const bool fromItemStart = offset == 0;
    int32_t pos = offset;
    bool needNewLine = m_state.FirstLine || m_state.IsParaStart;
    bool firstPiece = true;
    bool eatenAtBreak = false;
    // 4. Piece by piece, one line each.
    while (pos < end) {
        bool onNewLine = false;
        if (needNewLine) {
            m_state.SpaceEaten = m_state.SpaceEaten || eatenAtBreak;
            StartNewLine(itemNo, m_state.IsParaStart ? Break::Paragraph : Break::Soft);
            SelectTextStyle(styleNo, para);
            if (m_trimWrapSpaces && !eatenAtBreak && !m_state.SpaceEaten && !m_lineIsParaFirst &&
                end - pos > 1 && StoredCharAt(item.Text, m_run.unicode, pos) == u' ')
                ++pos;
            m_state.SpaceEaten = false;
            eatenAtBreak = false;
            onNewLine = true;
            needNewLine = false;
        }
        const bool mayMoveOn = !onNewLine && !(firstPiece && afterMarker);
        const int32_t remaining = end - pos;
        int32_t fit = FitPiece(itemNo, para, pos, remaining);
        if (fit == 0) {
            if (mayMoveOn) {
                needNewLine = true;
                continue;
            }
            fit = WidenToCharacter(pos, end);
        }
        int32_t shown = fit;
        bool eaten = false;
        if (fit < remaining) {
            BreakQuery query{fit, m_trimWrapSpaces, LastBeforeParagraphEnd(itemNo) && end == itemLength};
            BreakAnswer answer = m_run.unicode
                                     ? FindUnicodeBreak(std::u16string_view(m_run.stored).substr(size_t(pos), size_t(remaining)), query)
                                     : FindByteBreak(std::string_view(m_run.display).substr(size_t(pos), size_t(remaining)), query);
            if (answer.found) {
                shown = answer.count - (answer.spaceEaten ? 1 : 0);
                eaten = answer.spaceEaten;
            } else if (mayMoveOn) {
                needNewLine = true;
                continue;
            }
        }
        AddTextPiece(itemNo, pos, shown, onNewLine);
        AddTextJump(itemNo, m_state.DrawItemCount - 1, fromItemStart);
        pos += shown + (eaten ? 1 : 0);
        eatenAtBreak = eaten;
        m_state.IsParaStart = false;
        firstPiece = false;
        needNewLine = true;
    }
    m_state.SpaceEaten = eatenAtBreak && pos >= itemLength;
    // 5. A link item takes the next link number once.
    if (fromItemStart && m_data.GetRVStyle()->TextStyles()[styleNo].Jump)
        item.JumpIndex = m_data.TakeNextJumpId();
}

int32_t LineFormatter::FitPiece(int32_t itemNo, const TParaInfo& para, int32_t pos, int32_t remaining)
{
    const bool limited = m_state.MaxLength > 0 && WrapsLines(para);
    if (limited) {
        if (m_state.CharsInLine >= m_state.MaxLength)
            return 0;
        remaining = std::min(remaining, m_state.MaxLength - m_state.CharsInLine);
    }
    FitQuery query;
    query.from = pos;
    query.remaining = remaining;
    query.available = std::max(0, m_state.LineWidth - m_state.X);
    query.checkWidth = WrapsLines(para);
    if (m_run.unicode && !m_showSoftHyphens) {
        query.stored = m_run.stored;
        query.hyphenWidth = m_state.FontCache->GetItem(m_state.LastStyleNo).HyphenWidth;
    }
    return FitCharacters(m_run.widths, query);
}

// A character that fits nowhere still goes on a line of its own, whole.
int32_t LineFormatter::WidenToCharacter(int32_t pos, int32_t end) const
{
    return std::min(m_run.widths.StartAfter(pos, pos), end) - pos;
}

void LineFormatter::PlaceEmptyText(int32_t itemNo, int32_t offset, int32_t styleNo)
{
    TCustomRVItemInfo& item = *m_data.ItemAt(itemNo);
    const TRVFontInfoCacheItem& entry = m_state.FontCache->GetItem(styleNo);
    TRVDrawLineInfo piece;
    piece.ItemNo = itemNo;
    piece.SetSize(0, entry.HyphenHeight);
    piece.TextStart = offset + 1;
    piece.TextLength = 0;
    const int32_t ascent = m_state.TextMetric.ascent + m_state.RunVerticalOffset;
    const int32_t descent = m_state.TextMetric.descent - m_state.RunVerticalOffset;
    if (item.ContinuesParagraph() && !m_state.FirstLine && !m_state.IsParaStart) {
        PlaceOnLine(piece, ascent, descent, true);
    } else {
        StartNewLine(itemNo, Break::Paragraph);
        PlaceFirstOfLine(piece, ascent, descent);
    }
    piece.Left = m_state.X + m_state.LineStartX;
    m_steps.AdjustLineDescent(m_state);
    InsertDrawItem(piece);
    m_state.IsParaStart = false;
    if (m_data.GetRVStyle()->TextStyles()[styleNo].Jump)
        item.JumpIndex = -3;
}

void LineFormatter::AddTextPiece(int32_t itemNo, int32_t pos, int32_t count, bool firstOfLine)
{
    TRVDrawLineInfo piece;
    piece.ItemNo = itemNo;
    piece.TextStart = pos + 1;
    piece.TextLength = count;
    piece.SetSize(m_run.widths.Width(pos, count), m_state.TextMetric.height);
    const int32_t ascent = m_state.TextMetric.ascent + m_state.RunVerticalOffset;
    const int32_t descent = m_state.TextMetric.descent - m_state.RunVerticalOffset;
    if (firstOfLine)
        PlaceFirstOfLine(piece, ascent, descent);
    else
        PlaceOnLine(piece, ascent, descent, true);
    m_steps.AdjustLineDescent(m_state);
    piece.Left = SaturateCoordinate(int64_t(m_state.X) + m_state.LineStartX);
    InsertDrawItem(piece);
    m_state.CharsInLine += count;
    m_state.X = SaturateCoordinate(int64_t(m_state.X) + piece.Width);
}

void LineFormatter::AddTextJump(int32_t itemNo, int32_t drawItemNo, bool fromItemStart)
{
    if (!m_recordJumps)
        return;
    const TFontInfo& style = m_data.GetRVStyle()->TextStyles()[m_state.LastStyleNo];
    if (!style.Jump)
        return;
    const TRVDrawLineInfo& piece = m_data.DrawItems()[drawItemNo];
    TRVJumpInfo jump;
    jump.Width = piece.Width;
    jump.Height = piece.Height;
    jump.Id = m_data.NextJumpId() - (fromItemStart ? 0 : 1);
    jump.DrawItemNo = drawItemNo;
    jump.Cursor = style.JumpCursor;
    jump.RVData = &m_data;
    m_data.Jumps().push_back(jump);
}

// --- Lines ---------------------------------------------------------------------------------------

int32_t LineFormatter::InsertDrawItem(const TRVDrawLineInfo& piece)
{
    const int32_t index = m_state.DrawItemCount;
    m_data.DrawItems().Insert(index, piece);
    ++m_state.DrawItemCount;
    TCustomRVItemInfo& item = *m_data.ItemAt(piece.ItemNo);
    if (item.FirstDrawItemNo < 0 || item.FirstDrawItemNo > index)
        item.FirstDrawItemNo = index;
    return index;
}

void LineFormatter::PlaceFirstOfLine(TRVDrawLineInfo& piece, int32_t ascent, int32_t descent)
{
    piece.StartsLine = 255;
    m_state.X = 0;
    m_state.Baseline = SaturateCoordinate(int64_t(m_state.Baseline) + m_pendingGap);
    m_pendingGap = 0;
    int64_t top = int64_t(m_state.Baseline) + m_state.LineDescent;
    m_state.LineAscent = ascent;
    const bool framed = m_state.Frame == LineFrame::Exact ||
                        (m_state.Frame == LineFrame::AtLeast && ascent < m_state.FixedAscent);
    if (framed) {
        m_state.LineAscent = m_state.FixedAscent;
        top = top + m_state.FixedAscent - ascent;
    }
    piece.Top = SaturateCoordinate(top);
    m_state.Baseline =
        SaturateCoordinate(int64_t(m_state.Baseline) + m_state.LineDescent + m_state.LineAscent);
    m_state.LineDescent = descent;
    BeginLineRecord();
}

void LineFormatter::PlaceOnLine(TRVDrawLineInfo& piece, int32_t ascent, int32_t descent, bool widenDescent)
{
    piece.StartsLine = 0;
    RaiseLine(ascent);
    piece.Top = SaturateCoordinate(int64_t(m_state.Baseline) - ascent);
    if (widenDescent)
        m_state.LineDescent = std::max(m_state.LineDescent, descent);
}

// A taller piece moves the line's earlier pieces and its baseline down.
void LineFormatter::RaiseLine(int32_t ascent)
{
    if (ascent <= m_state.LineAscent || m_state.Frame == LineFrame::Exact)
        return;
    const int32_t shift = ascent - m_state.LineAscent;
    TRVDrawLines& items = m_data.DrawItems();
    for (int32_t i = m_state.LineFirstDrawItem; i < m_state.DrawItemCount; ++i)
        items[i].Top = SaturateCoordinate(int64_t(items[i].Top) + shift);
    m_state.Baseline = SaturateCoordinate(int64_t(m_state.Baseline) + shift);
    m_state.LineAscent = ascent;
}

void LineFormatter::BeginLineRecord()
{
    std::vector<FormattedLine>& lines = m_data.Lines();
    m_state.LineFirstDrawItem = m_state.DrawItemCount;
    if (!lines.empty() && lines.back().firstDrawItemNo >= m_state.DrawItemCount)
        lines.pop_back();
    lines.push_back({m_state.DrawItemCount, m_state.Baseline});
}

void LineFormatter::FinishCurrentLine(bool lastOfParagraph)
{
    m_steps.FinishPendingTab(m_data, m_state);
    if (m_state.FirstLine) {
        m_state.FirstLine = false;
        return;
    }
    FinishLineArgs args;
    args.lineRight = m_state.LineWidth + m_state.LineStartX;
    args.isLastLineOfParagraph = lastOfParagraph;
    args.hasAbsAligned = m_state.HasAbsAligned;
    args.firstDrawItemNo = m_state.LineFirstDrawItem;
    args.drawItemCount = m_state.DrawItemCount;
    m_pendingGap = m_steps.FinishLine(m_data, m_state, args);
    if (!m_data.Lines().empty())
        m_data.Lines().back().baseline = m_state.Baseline;
}

void LineFormatter::StartNewLine(int32_t itemNo, Break kind)
{
    if (kind == Break::Soft && !m_state.SpaceEaten && m_state.DrawItemCount > 0)
        TrimTrailingSpace();
    if (kind == Break::Soft)
        WidenForSoftHyphen();
    FinishCurrentLine(kind == Break::Paragraph);
    const TCustomRVItemInfo& item = *m_data.ItemAt(itemNo);
    const bool paraStart = StartsParagraph(itemNo);
    const LineIndents indents = m_steps.StartLineIndents(m_data, m_state, itemNo, m_state.IsParaStart);
    const ResolutionPair& rp = m_state.Resolution;
    const int32_t left = ToDeviceX(rp, indents.left);
    const int32_t right = ToDeviceX(rp, indents.right);
    m_state.MarkerIndent = ToDeviceX(rp, indents.marker);
    m_state.RightIndent = right;
    if (paraStart)
        m_state.LineDescent = SaturateCoordinate(int64_t(m_state.LineDescent) + ParagraphSpacing(itemNo));
    const TParaInfo& para = ParaOf(itemNo);
    const int32_t width = IsNoWrap(para) ? m_data.DocumentWidth() : m_data.TextWidth();
    m_state.LineWidth = SaturateCoordinate(int64_t(width) - right - left);
    m_state.LineStartX = SaturateCoordinate(int64_t(m_leftMargin) + left);
    m_state.CharsInLine = 0;
    m_state.HasAbsAligned = false;
    m_state.X = 0;
    m_lineIsParaFirst = kind == Break::Paragraph && (paraStart || item.StartsNewLine());
    m_steps.StartLineSpacing(m_data, m_state, item.ParaNo);
}

// The space after the previous paragraph and before this one.
int32_t LineFormatter::ParagraphSpacing(int32_t itemNo) const
{
    const ResolutionPair& rp = m_state.Resolution;
    int64_t spacing = ToDeviceY(rp, ParaOf(itemNo).SpaceBefore);
    if (itemNo > 0)
        spacing += ToDeviceY(rp, ParaOf(itemNo - 1).SpaceAfter);
    return SaturateCoordinate(spacing);
}

// At a soft break the space ending the line is not drawn: the last piece loses it (or goes
// away when it shows nothing else), and its jump area goes with it.
void LineFormatter::TrimTrailingSpace()
{
    TRVDrawLines& items = m_data.DrawItems();
    const int32_t lastNo = m_state.DrawItemCount - 1;
    TRVDrawLineInfo& last = items[lastNo];
    const TCustomRVItemInfo& item = *m_data.ItemAt(last.ItemNo);
    if (item.StyleNo < 0 || last.TextLength == 0 || last.IsFirstOfLine())
        return;
    if (lastNo > 0 && m_data.ItemAt(items[lastNo - 1].ItemNo)->StyleNo == rvsListMarker &&
        lastNo == m_state.LineFirstDrawItem + 1)
        return;
    const int32_t lastChar = last.TextStart + last.TextLength - 2;
    if (StoredCharAt(item.Text, item.UnicodeText(), lastChar) != u' ')
        return;
    m_state.SpaceEaten = true;
    std::vector<TRVJumpInfo>& jumps = m_data.Jumps();
    const bool sameItemBefore = lastNo > m_state.LineFirstDrawItem && items[lastNo - 1].ItemNo == last.ItemNo;
    if (last.TextLength == 1 && sameItemBefore) {
        if (!jumps.empty() && jumps.back().DrawItemNo == lastNo)
            jumps.pop_back();
        m_state.X -= last.Width;
        items.Delete(lastNo);
        --m_state.DrawItemCount;
        return;
    }
    --last.TextLength;
    const int32_t oldWidth = last.Width;
    if (m_run.itemNo == last.ItemNo) {
        last.Width = m_run.widths.Width(last.TextStart - 1, last.TextLength);
    } else {
        const int32_t styleNo = m_data.EffectiveStyleNo(item);
        TRVFontInfoCacheItem& entry = m_state.FontCache->GetItem(styleNo);
        const TFontInfo& style = m_data.GetRVStyle()->TextStyles()[styleNo];
        const std::string display = DisplayText(item, style, m_showSoftHyphens);
        const size_t unit = item.UnicodeText() ? 2 : 1;
        const std::string_view shown = std::string_view(display).substr(size_t(last.TextStart - 1) * unit);
        last.Width = MeasureRunSize(*entry.Canvas, shown, last.TextLength, item.UnicodeText()).cx;
        m_state.LastStyleNo = -1; // the current item's style is selected again when needed
    }
    m_state.X -= oldWidth - last.Width;
    if (!jumps.empty() && jumps.back().DrawItemNo == lastNo)
        jumps.back().Width = last.Width;
}

void LineFormatter::WidenForSoftHyphen()
{
    if (m_showSoftHyphens || m_state.DrawItemCount == 0)
        return;
    TRVDrawLineInfo& last = m_data.DrawItems()[m_state.DrawItemCount - 1];
    const TCustomRVItemInfo& item = *m_data.ItemAt(last.ItemNo);
    if (item.StyleNo < 0 || !item.UnicodeText() || last.TextLength == 0)
        return;
    if (StoredCharAt(item.Text, true, last.TextStart + last.TextLength - 2) != kSoftHyphen)
        return;
    last.Width += m_state.FontCache->GetItem(m_data.EffectiveStyleNo(item)).HyphenWidth;
}

int32_t LineFormatter::Finish()
{
    FinishCurrentLine(true);
    const int32_t gap = m_pendingGap;
    m_pendingGap = 0;
    return gap;
}

} // namespace vellum
