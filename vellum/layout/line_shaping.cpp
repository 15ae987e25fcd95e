#include "vellum/layout/line_shaping.h"

#include <algorithm>

#include "vellum/document/custom_item_info.h"
#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/layout/line_formatter.h"

namespace vellum {
namespace {

enum : uint8_t { kLineTop = 2, kLineBottom = 3, kLineMiddle = 4 };

// The line-relative placement of a rect item, 0 for every other piece.
uint8_t LinePlacement(const TCustomRVFormattedData& data, const TRVDrawLineInfo& piece)
{
    const auto* rect = dynamic_cast<const TRVRectItemInfo*>(data.ItemAt(piece.ItemNo));
    if (!rect || rect->Placement < kLineTop || rect->Placement > kLineMiddle)
        return 0;
    return rect->Placement;
}

bool IsText(const TCustomRVFormattedData& data, const TRVDrawLineInfo& piece)
{
    return data.ItemAt(piece.ItemNo)->StyleNo >= 0;
}

struct Extent {
    int64_t top = 0;
    int64_t bottom = 0;
    bool any = false;

    void Add(const TRVDrawLineInfo& piece)
    {
        top = any ? std::min<int64_t>(top, piece.Top) : piece.Top;
        bottom = any ? std::max<int64_t>(bottom, piece.Bottom()) : piece.Bottom();
        any = true;
    }
};

// The box line-aligned items align to: the frame of exact spacing, the frame widened by the
// other pieces for at-least spacing, else the other pieces alone.
Extent LineBox(const TCustomRVFormattedData& data, LineSpan line, const FormatState& state)
{
    Extent others;
    for (int32_t i = line.first; i < line.end; ++i)
        if (!LinePlacement(data, line[i]))
            others.Add(line[i]);
    if (state.Frame == LineFrame::Free)
        return others.any ? others : Extent{state.Baseline, state.Baseline, true};
    Extent box{int64_t(state.Baseline) - state.FixedAscent, int64_t(state.Baseline) + state.FixedDescent, true};
    if (state.Frame == LineFrame::AtLeast && others.any) {
        box.top = std::min(box.top, others.top);
        box.bottom = std::max(box.bottom, others.bottom);
    }
    return box;
}

void MoveDown(LineSpan line, int64_t shift)
{
    for (int32_t i = line.first; i < line.end; ++i)
        line[i].Top = SaturateCoordinate(line[i].Top + shift);
}

int64_t PercentGap(const TCustomRVFormattedData& data, LineSpan line, int32_t lineSpacing)
{
    if (lineSpacing == 100 || lineSpacing < 50)
        return 0;
    Extent text;
    for (int32_t i = line.first; i < line.end; ++i)
        if (IsText(data, line[i]))
            text.Add(line[i]);
    if (!text.any)
        return 0;
    // Truncates toward zero, as the integer division of the product does.
    return (text.bottom - text.top) * (int64_t(lineSpacing) - 100) / 100;
}

// The at-least and exact frames: every piece records how far the frame reaches beyond the
// line's pieces, for painting and selection.
void RecordFrameGaps(LineSpan line, const FormatState& state)
{
    Extent all;
    for (int32_t i = line.first; i < line.end; ++i)
        all.Add(line[i]);
    int64_t above = state.FixedAscent - (state.Baseline - all.top);
    int64_t below = state.FixedDescent - (all.bottom - state.Baseline);
    if (state.Frame == LineFrame::AtLeast) {
        above = std::max<int64_t>(0, above);
        below = std::max<int64_t>(0, below);
    }
    for (int32_t i = line.first; i < line.end; ++i) {
        line[i].GapAbove = SaturateCoordinate(above);
        line[i].GapBelow = SaturateCoordinate(below);
    }
}

bool StartsWithSpace(const TCustomRVFormattedData& data, const TRVDrawLineInfo& piece)
{
    const TCustomRVItemInfo& item = *data.ItemAt(piece.ItemNo);
    if (item.StyleNo < 0 || piece.TextLength == 0)
        return false;
    const size_t unit = item.UnicodeText() ? 2 : 1;
    const size_t at = size_t(piece.TextStart - 1) * unit;
    if (at + unit > item.Text.size())
        return false;
    return item.Text[at] == ' ' && (unit == 1 || item.Text[at + 1] == '\0');
}

void Justify(const TCustomRVFormattedData& data, LineSpan line, int64_t freeSpace)
{
    int32_t start = line.first + 1;
    for (int32_t i = line.end - 1; i > line.first; --i) {
        if (data.ItemAt(line[i].ItemNo)->StyleNo == rvsTab) {
            start = i + 1;
            break;
        }
    }
    int64_t count = 0;
    for (int32_t i = start; i < line.end; ++i)
        count += StartsWithSpace(data, line[i]) ? 1 : 0;
    if (count == 0)
        return; // text without spaces (Chinese) forms no gaps and stays where it is
    for (int32_t i = start; i < line.end; ++i) {
        TRVDrawLineInfo& piece = line[i];
        if (count > 0 && StartsWithSpace(data, piece)) {
            const int64_t gap = freeSpace / count;
            piece.GapBefore = int32_t(gap);
            piece.Width = SaturateCoordinate(int64_t(piece.Width) + gap);
            freeSpace -= gap;
            --count;
        }
        if (!piece.IsFirstOfLine())
            piece.Left = SaturateCoordinate(int64_t(line[i - 1].Left) + line[i - 1].Width);
    }
}

} // namespace

int32_t PlaceLineAlignedItems(const TCustomRVFormattedData& data, LineSpan line, FormatState& state)
{
    // 1. The line box.
    Extent box = LineBox(data, line, state);
    // 2. Each line-aligned item in it.
    int64_t highest = box.top;
    for (int32_t i = line.first; i < line.end; ++i) {
        TRVDrawLineInfo& piece = line[i];
        const uint8_t placement = LinePlacement(data, piece);
        if (placement == kLineTop)
            piece.Top = SaturateCoordinate(box.top);
        else if (placement == kLineBottom)
            piece.Top = SaturateCoordinate(box.bottom - piece.Height);
        else if (placement == kLineMiddle)
            piece.Top = SaturateCoordinate((box.top + box.bottom - piece.Height) / 2);
        if (placement)
            highest = std::min<int64_t>(highest, piece.Top);
    }
    // 3. One that starts above the box moves the whole line down.
    if (highest < box.top && state.Frame != LineFrame::Exact) {
        const int64_t shift = box.top - highest;
        MoveDown(line, shift);
        state.Baseline = SaturateCoordinate(state.Baseline + shift);
        box.top += shift;
        box.bottom += shift;
    }
    // 4. What reaches below the box.
    int64_t extra = 0;
    for (int32_t i = line.first; i < line.end; ++i)
        if (LinePlacement(data, line[i]))
            extra = std::max<int64_t>(extra, line[i].Bottom() - box.bottom);
    return SaturateCoordinate(extra);
}

int32_t ApplyLineSpacing(const TCustomRVFormattedData& data, LineSpan line, const TParaInfo& para,
                         const FormatState& state)
{
    if (state.Frame != LineFrame::Free) {
        RecordFrameGaps(line, state);
        return 0;
    }
    int64_t gap = 0;
    if (para.LineSpacingType == rvlsPercent)
        gap = PercentGap(data, line, para.LineSpacing);
    else if (para.LineSpacingType == rvlsSpaceBetween && para.LineSpacing >= 0)
        gap = ToDeviceY(state.Resolution, para.LineSpacing);
    const int32_t saturated = SaturateCoordinate(gap);
    if (saturated == 0)
        return 0;
    for (int32_t i = line.first; i < line.end; ++i)
        line[i].GapBelow = saturated;
    return saturated;
}

void AlignLine(const TCustomRVFormattedData& data, LineSpan line, TRVAlignment alignment, int32_t lineRight,
               bool lastOfParagraph)
{
    // Free space below 0 (a line wider than its room) counts as none: the line starts at its
    // indent rather than left of the document, and justification never overlaps words.
    const int64_t freeSpace = std::max<int64_t>(0, int64_t(lineRight) - line.Last().Right());
    int64_t shift = 0;
    switch (alignment) {
    case rvaLeft:
        break;
    case rvaRight:
        shift = freeSpace;
        break;
    case rvaCenter:
        shift = freeSpace / 2;
        break;
    case rvaJustify:
        if (!lastOfParagraph) {
            if (line.end - line.first > 1)
                Justify(data, line, freeSpace);
            return;
        }
        break;
    }
    if (shift == 0)
        return;
    for (int32_t i = line.first; i < line.end; ++i)
        line[i].Left = SaturateCoordinate(int64_t(line[i].Left) + shift);
}

} // namespace vellum
