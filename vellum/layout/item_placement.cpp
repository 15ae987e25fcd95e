// Placing the items that are not text: rect items inside lines, full-line items (horizontal
// lines, tables and unknown kinds) on lines of their own.
#include "vellum/layout/line_formatter.h"

#include <algorithm>

#include "vellum/document/custom_item_info.h"
#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/font_info_cache.h"
#include "vellum/layout/paragraph_steps.h"
#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

bool IsLineRelative(uint8_t placement)
{
    return placement >= 2 && placement <= 4;
}

// The text style an item draws with, the paragraph's default for rvsDefStyle. List markers
// measure in text style 0 until their levels' fonts are applied.
int32_t ItemTextStyle(const TCustomRVItemInfo& item, const TParaInfo& para)
{
    int32_t styleNo = item.DrawingTextStyle();
    if (styleNo == rvsDefStyle)
        styleNo = para.DefStyleNo >= 0 ? para.DefStyleNo : 0;
    if (styleNo < 0 && item.StyleNo == rvsListMarker)
        styleNo = 0;
    return styleNo;
}

} // namespace

void LineFormatter::PlaceRectItem(int32_t itemNo)
{
    auto& item = static_cast<TRVRectItemInfo&>(*m_data.ItemAt(itemNo));
    const TParaInfo& para = ParaOf(itemNo);
    const ResolutionPair& rp = m_state.Resolution;
    // 1. The item measures itself for the width a line offers.
    const int32_t styleNo = ItemTextStyle(item, para);
    TRVFontInfoCacheItem* entry = styleNo >= 0 ? &m_state.FontCache->GetItem(styleNo) : nullptr;
    ItemLayoutContext context;
    context.availableWidth = std::max(
        0, SaturateCoordinate(int64_t(m_data.TextWidth()) -
                              ToDeviceX(rp, int64_t(para.LeftIndent) + para.RightIndent + para.FirstIndent)));
    context.resolution = &rp;
    context.styleCanvas = entry ? entry->Canvas : nullptr;
    const ItemLayoutSize size = item.MeasureForLayout(context);
    int32_t width = size.width, height = size.height, below = size.belowBaseline;
    if (!size.sizedByItem) {
        width = ToDeviceX(rp, item.OuterWidth());
        height = ToDeviceY(rp, item.OuterHeight());
        below = ToDeviceY(rp, size.belowBaseline);
    }
    // 2. A tab first settles the tab before it.
    if (item.StyleNo == rvsTab)
        m_steps.FinishPendingTab(m_data, m_state);
    // 3. The vertical shift.
    int64_t shift = 0;
    if (entry)
        shift = entry->VerticalOffset;
    else if (item.vshiftabs)
        shift = ToDeviceY(rp, item.vshift);
    else
        shift = (int64_t(height) * item.vshift + (item.vshift >= 0 ? 50 : -50)) / 100;
    // 4. On this line, or first of the next.
    const bool fits = int64_t(m_state.X) + width <= m_state.LineWidth &&
                      !(m_state.MaxLength > 0 && m_state.CharsInLine == m_state.MaxLength);
    const bool onLine = !m_state.FirstLine && !m_state.IsParaStart &&
                        ((item.ContinuesParagraph() && (fits || IsNoWrap(para))) || FollowsMarker(itemNo));
    if (!onLine)
        StartNewLine(itemNo, item.ContinuesParagraph() ? Break::Soft : Break::Paragraph);
    // 5. The ascent by vertical alignment.
    int64_t ascent = height - int64_t(below);
    if (item.Placement == 1)
        ascent = height / 2;
    if (IsLineRelative(item.Placement)) {
        ascent = 0;
        m_state.HasAbsAligned = true;
    }
    // 6. Place it.
    const int32_t raised = SaturateCoordinate(ascent + shift);
    const int32_t descent = SaturateCoordinate(int64_t(height) - raised);
    TRVDrawLineInfo piece;
    piece.ItemNo = itemNo;
    piece.SetSize(width, height);
    if (onLine) {
        PlaceOnLine(piece, raised, descent, !IsLineRelative(item.Placement));
    } else {
        PlaceFirstOfLine(piece, raised, IsLineRelative(item.Placement) ? 0 : descent);
    }
    m_state.CharsInLine += 1;
    m_steps.AdjustLineDescent(m_state);
    // 7. Position and width; a tab learns its width from the stops.
    piece.Left = SaturateCoordinate(int64_t(m_state.X) + m_state.LineStartX + size.extraLeft);
    const int32_t drawItemNo = InsertDrawItem(piece);
    if (item.StyleNo == rvsTab) {
        width = m_steps.PlaceTab(m_data, m_state, drawItemNo);
        m_data.DrawItems()[drawItemNo].Width = width;
    }
    m_state.X = SaturateCoordinate(int64_t(m_state.X) + width + size.extraLeft);
    // 8. Fonts and links.
    if (item.BoolQuery(rvbpDrawingChangesFont))
        m_state.LastStyleNo = -1;
    AddItemJump(item, drawItemNo);
    m_state.IsParaStart = false;
}

void LineFormatter::AddItemJump(TCustomRVItemInfo& item, int32_t drawItemNo)
{
    const TRVStyle* style = m_data.GetRVStyle();
    if (!m_recordJumps || !item.BoolQueryStyled(rvbpxJump, style))
        return;
    const TRVDrawLineInfo& piece = m_data.DrawItems()[drawItemNo];
    TRVJumpInfo jump;
    jump.Width = piece.Width;
    jump.Height = piece.Height;
    jump.Id = m_data.TakeNextJumpId();
    jump.DrawItemNo = drawItemNo;
    const int32_t styleNo = item.DrawingTextStyle();
    jump.Cursor = styleNo >= 0 ? style->TextStyles()[styleNo].JumpCursor : crJump;
    jump.RVData = &m_data;
    m_data.Jumps().push_back(jump);
    item.JumpIndex = jump.Id;
}

void LineFormatter::PlaceFullLineItem(int32_t itemNo)
{
    // 1. The line before ends as the last of its paragraph.
    FinishCurrentLine(true);
    m_state.Baseline = SaturateCoordinate(int64_t(m_state.Baseline) + m_pendingGap);
    m_pendingGap = 0;
    // 2. Paragraph spacing around it.
    m_state.LineDescent = SaturateCoordinate(int64_t(m_state.LineDescent) + ParagraphSpacing(itemNo));
    if (m_data.ItemAt(itemNo)->StyleNo == rvsBreak)
        PlaceHorizontalLine(itemNo);
    else
        PlaceBlockItem(itemNo, ParaOf(itemNo));
    if (m_data.ItemAt(itemNo)->BoolQuery(rvbpDrawingChangesFont))
        m_state.LastStyleNo = -1;
    // The next item always starts a line.
    m_state.IsParaStart = true;
    m_state.X = 0;
}

// 3. A horizontal line: as wide as the text, 2 G + 1 high with G = 5 pixels on the screen.
void LineFormatter::PlaceHorizontalLine(int32_t itemNo)
{
    const ResolutionPair& rp = m_state.Resolution;
    const TParaInfo& first = m_data.GetRVStyle()->ParaStyles()[0];
    m_state.LineDescent = SaturateCoordinate(int64_t(m_state.LineDescent) + ToDeviceY(rp, first.SpaceBefore));
    const int32_t g = ToDeviceY(rp, 5);
    TRVDrawLineInfo piece(m_leftMargin, SaturateCoordinate(int64_t(m_state.Baseline) + m_state.LineDescent),
                          true, itemNo, 2 * g + 1, m_data.TextWidth());
    BeginLineRecord();
    InsertDrawItem(piece);
    m_state.Baseline = SaturateCoordinate(int64_t(m_state.Baseline) + g + m_state.LineDescent + 1);
    m_state.LineDescent = m_state.LineAscent = g;
    m_data.Lines().back().baseline = m_state.Baseline;
}

// 4. A table (or an item of an unknown kind): laid out for the width between the indents and
// aligned by the paragraph, never left of its indent.
void LineFormatter::PlaceBlockItem(int32_t itemNo, const TParaInfo& para)
{
    TCustomRVItemInfo& item = *m_data.ItemAt(itemNo);
    const ResolutionPair& rp = m_state.Resolution;
    const int32_t available = SaturateCoordinate(
        int64_t(m_data.TextWidth()) - ToDeviceX(rp, int64_t(para.LeftIndent) + para.RightIndent));
    ItemLayoutContext context;
    context.availableWidth = std::max(0, available);
    context.resolution = &rp;
    const ItemLayoutSize size = item.MeasureForLayout(context);
    const auto* nonText = dynamic_cast<const TRVNonTextItemInfo*>(&item);
    const int32_t width = nonText ? ToDeviceX(rp, nonText->OuterWidth()) : 0;
    const int32_t height = nonText ? ToDeviceY(rp, nonText->OuterHeight()) : 0;
    int64_t shift = 0;
    if (para.Alignment == rvaRight)
        shift = std::max<int64_t>(0, int64_t(available) - width);
    else if (para.Alignment == rvaCenter)
        shift = std::max<int64_t>(0, (int64_t(available) - width) / 2);
    const int64_t left = int64_t(m_leftMargin) + ToDeviceX(rp, para.LeftIndent) + shift + size.extraLeft;
    TRVDrawLineInfo piece(SaturateCoordinate(left), SaturateCoordinate(int64_t(m_state.Baseline) + m_state.LineDescent),
                          true, itemNo, height, width);
    BeginLineRecord();
    InsertDrawItem(piece);
    m_state.Baseline = SaturateCoordinate(int64_t(m_state.Baseline) + m_state.LineDescent + height);
    m_state.LineAscent = height;
    m_state.LineDescent = 0;
    m_data.Lines().back().baseline = m_state.Baseline;
}

} // namespace vellum
