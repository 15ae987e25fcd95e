#include "vellum/layout/paragraph_layout.h"

#include <algorithm>

#include "vellum/document/marker_item_info.h"
#include "vellum/document/tab_item_info.h"
#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/format_state.h"
#include "vellum/layout/line_formatter.h"
#include "vellum/layout/line_reorder.h"
#include "vellum/layout/line_shaping.h"
#include "vellum/layout/marker_numbering.h"
#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

const TParaInfo& ParaStyle(const TCustomRVFormattedData& data, int32_t paraNo)
{
    return data.GetRVStyle()->ParaStyles()[paraNo];
}

bool StartsParagraph(const TCustomRVItemInfo& item)
{
    return !item.ContinuesParagraph() && !item.StartsNewLine();
}

// The level of the list marker that begins the paragraph of the line, if it has one.
const TRVListLevel* ParagraphListLevel(const TCustomRVFormattedData& data, const FormatState& state, int32_t itemNo)
{
    const int32_t first = state.ParaFirstItemNo;
    if (first < 0 || first > itemNo || first >= data.CountItems())
        return nullptr;
    const auto* marker = dynamic_cast<const TRVMarkerItemInfo*>(data.ItemAt(first));
    return marker ? MarkerLevel(data.GetRVStyle(), *marker) : nullptr;
}

// A list paragraph's first line (the marker's) starts at the level's marker indent, later
// lines at its left indent; right-to-left paragraphs take them on the right.
LineIndents ListIndents(const TParaInfo& para, const TRVListLevel& level, bool markerLine, bool rightToLeft)
{
    const int32_t levelIndent = markerLine ? level.MarkerIndent : level.LeftIndent;
    LineIndents indents;
    indents.left = rightToLeft ? para.LeftIndent : levelIndent;
    indents.right = rightToLeft ? levelIndent : para.RightIndent;
    indents.marker = level.MarkerIndent;
    return indents;
}

// The paragraph's first line, in a right-to-left paragraph, takes its first indent on the
// right: the line moves left by it.
void ShiftRightToLeftFirstLine(const TCustomRVFormattedData& data, LineSpan line, const TParaInfo& para,
                               const ResolutionPair& rp)
{
    const TRVDrawLineInfo& first = line[line.first];
    const TCustomRVItemInfo& item = *data.ItemAt(first.ItemNo);
    if (!StartsParagraph(item) || item.FirstDrawItemNo != line.first || item.StyleNo == rvsListMarker)
        return;
    const int32_t shift = ToDeviceX(rp, para.FirstIndent);
    if (shift == 0)
        return;
    for (int32_t i = line.first; i < line.end; ++i)
        line[i].Left = SaturateCoordinate(int64_t(line[i].Left) - shift);
}

} // namespace

TRVBiDiMode ParagraphDirection(const TCustomRVFormattedData& data, const TParaInfo& para)
{
    return para.BiDiMode != rvbdUnspecified ? para.BiDiMode : data.Settings().BiDiMode;
}

// --- Indents and the line-spacing frame --------------------------------------------------------

LineIndents ParagraphLayout::StartLineIndents(const TCustomRVFormattedData& data, const FormatState& state,
                                              int32_t itemNo, bool isParaStart)
{
    const TCustomRVItemInfo& item = *data.ItemAt(itemNo);
    const TParaInfo& para = ParaStyle(data, item.ParaNo);
    // A marker without a usable level leaves the paragraph its own indents.
    if (const TRVListLevel* level = ParagraphListLevel(data, state, itemNo)) {
        const bool markerLine = itemNo == state.ParaFirstItemNo;
        return ListIndents(para, *level, markerLine, ParagraphDirection(data, para) == rvbdRightToLeft);
    }
    // A non-text item always starts its line at its beginning; a text item only when the line
    // is not one it wrapped onto.
    const bool atItemStart = isParaStart || item.StyleNo < 0;
    LineIndents indents;
    indents.left = para.LeftIndent;
    if (atItemStart && StartsParagraph(item) && !item.FullLine())
        indents.left = SaturateCoordinate(int64_t(indents.left) + para.FirstIndent);
    indents.right = para.RightIndent;
    indents.marker = para.LeftIndent;
    return indents;
}

// At-least and exact spacing frame every line in H pixels (at least 4), four fifths of them
// above the baseline.
void ParagraphLayout::StartLineSpacing(const TCustomRVFormattedData& data, FormatState& state, int32_t paraNo)
{
    const TParaInfo& para = ParaStyle(data, paraNo);
    state.Frame = LineFrame::Free;
    state.FixedAscent = 0;
    state.FixedDescent = 0;
    if (para.LineSpacingType != rvlsLineHeightAtLeast && para.LineSpacingType != rvlsLineHeightExact)
        return;
    const ResolutionPair& rp = state.Resolution;
    const int64_t height = std::max<int64_t>(4, ToDeviceY(rp, para.LineSpacing));
    state.FixedAscent = int32_t((height * 8 + 5) / 10);
    state.FixedDescent = int32_t(height - state.FixedAscent);
    state.Frame = para.LineSpacingType == rvlsLineHeightExact ? LineFrame::Exact : LineFrame::AtLeast;
}

void ParagraphLayout::AdjustLineDescent(FormatState& state)
{
    if (state.Frame == LineFrame::Exact)
        state.LineDescent = state.FixedDescent;
    else if (state.Frame == LineFrame::AtLeast)
        state.LineDescent = std::max(state.LineDescent, state.FixedDescent);
}

// --- Finishing a line ---------------------------------------------------------------------------

int32_t ParagraphLayout::FinishLine(TCustomRVFormattedData& data, FormatState& state, const FinishLineArgs& args)
{
    if (args.firstDrawItemNo >= args.drawItemCount)
        return 0;
    LineSpan line{data.DrawItems(), args.firstDrawItemNo, args.drawItemCount};
    // Tables and horizontal lines place themselves.
    if (data.ItemAt(line.Last().ItemNo)->FullLine())
        return 0;
    const TParaInfo& para = ParaStyle(data, data.ItemAt(line[line.first].ItemNo)->ParaNo);
    // 1. Items aligned to the line box, then the line spacing.
    const int32_t extra = args.hasAbsAligned ? PlaceLineAlignedItems(data, line, state) : 0;
    const int32_t gap = ApplyLineSpacing(data, line, para, state);
    // 2. Alignment by the reading direction: justification applies only without one.
    const TRVBiDiMode direction = ParagraphDirection(data, para);
    TRVAlignment alignment = para.Alignment;
    if (alignment == rvaJustify && direction != rvbdUnspecified)
        alignment = direction == rvbdLeftToRight ? rvaLeft : rvaRight;
    AlignLine(data, line, alignment, args.lineRight, args.isLastLineOfParagraph);
    // 3. The visual order.
    if (direction == rvbdRightToLeft)
        ShiftRightToLeftFirstLine(data, line, para, state.Resolution);
    ReorderLine(data, line, direction);
    return SaturateCoordinate(int64_t(gap) + extra);
}

// --- Tabs ---------------------------------------------------------------------------------------

int32_t ParagraphLayout::PlaceTab(TCustomRVFormattedData& data, FormatState& state, int32_t drawItemNo)
{
    TRVDrawLineInfo& piece = data.DrawItems()[drawItemNo];
    TCustomRVItemInfo& item = *data.ItemAt(piece.ItemNo);
    const ResolutionPair& rp = state.Resolution;
    TabStopQuery query;
    query.x = piece.Left;
    query.leftMargin = ToDeviceX(rp, data.GetLayoutSettings().LeftMargin);
    query.leftIndent = SaturateCoordinate(int64_t(state.LineStartX) - query.leftMargin);
    query.rightIndent = state.RightIndent;
    query.direction = ParagraphDirection(data, ParaStyle(data, item.ParaNo));
    query.screenPpi = rp.ScreenPpiX;
    query.devicePpi = rp.DevicePpiX;
    TabStop stop = data.GetRVStyle()->FindTabStop(item.ParaNo, query);
    if (auto* tab = dynamic_cast<TRVTabItemInfo*>(&item))
        tab->Leader = std::move(stop.leader);
    const int64_t toStop = int64_t(stop.position) - piece.Left;
    if (stop.align == rvtaLeft)
        return SaturateCoordinate(std::max<int64_t>(0, toStop));
    // Right and centre tabs wait for the text that follows them.
    state.PendingTab = drawItemNo;
    state.PendingTabAlign = stop.align;
    state.PendingTabStop = stop.position;
    if (stop.align == rvtaRight)
        return 0;
    const int64_t lineRight = int64_t(state.LineStartX) + state.LineWidth;
    return SaturateCoordinate(std::max<int64_t>(0, toStop - (lineRight - stop.position)));
}

// The text after a right tab ends at its stop, after a centre tab it is centred on it (never
// beyond the line's right edge); the tab widens and pushes that text along.
void ParagraphLayout::FinishPendingTab(TCustomRVFormattedData& data, FormatState& state)
{
    const int32_t tabNo = state.PendingTab;
    if (tabNo < 0)
        return;
    state.PendingTab = -1;
    TRVDrawLines& items = data.DrawItems();
    if (tabNo >= state.DrawItemCount)
        return;
    TRVDrawLineInfo& tab = items[tabNo];
    const int64_t stop = std::min<int64_t>(state.PendingTabStop, int64_t(state.LineStartX) + state.LineWidth);
    const int64_t right = items[state.DrawItemCount - 1].Right();
    int64_t extra = stop - right;
    if (state.PendingTabAlign == rvtaCenter)
        extra = ((stop - tab.Left - tab.Width) + stop - right) / 2;
    if (extra <= 0)
        return;
    tab.Width = SaturateCoordinate(tab.Width + extra);
    for (int32_t i = tabNo + 1; i < state.DrawItemCount; ++i)
        items[i].Left = SaturateCoordinate(items[i].Left + extra);
    state.X = SaturateCoordinate(state.X + extra);
}

ParagraphSteps& DefaultParagraphSteps()
{
    static ParagraphLayout steps;
    return steps;
}

} // namespace vellum
