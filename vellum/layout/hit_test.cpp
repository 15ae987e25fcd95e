// Hit testing: the line under a point by binary search on the draw items' tops, the piece on
// it, and the character boundary nearest to the point, measuring only that one piece.
#include "vellum/layout/custom_rv_formatted_data.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/codepage.h"
#include "platform/text_walk.h"
#include "vellum/layout/font_info_cache.h"
#include "vellum/layout/line_formatter.h"
#include "vellum/layout/text_measure.h"
#include "vellum/style/rv_style.h"

namespace vellum {

// The character boundaries of a piece that a point may land on, with their x positions in
// document coordinates: boundary b lies before the piece's b-th code unit (0-based).
struct TCustomRVFormattedData::PieceEdges {
    std::vector<int32_t> boundary;
    std::vector<int32_t> x;

    void Add(int32_t b, int64_t pos)
    {
        boundary.push_back(b);
        x.push_back(SaturateCoordinate(pos));
    }
};

namespace {

int32_t TopWithGap(const TRVDrawLineInfo& piece)
{
    return piece.Top - piece.GapAbove;
}

TRVBiDiMode ParagraphDirection(const TCustomRVFormattedData& data, int32_t itemNo)
{
    const TRVBiDiMode own = data.GetRVStyle()->ParaStyles()[data.ParaAt(itemNo)].BiDiMode;
    return own != rvbdUnspecified ? own : data.Settings().BiDiMode;
}

// The stored characters of a piece: display text is made from them alone, which gives the
// same characters as the item's display text at the same place (the piece starts a character).
std::string_view PieceBytes(const TCustomRVItemInfo& item, const TRVDrawLineInfo& piece)
{
    const size_t unit = item.UnicodeText() ? 2 : 1;
    const std::string_view text = item.Text;
    const size_t from = std::min(text.size(), size_t(std::max(0, piece.TextStart - 1)) * unit);
    return text.substr(from, size_t(std::max(0, piece.TextLength)) * unit);
}

// The boundaries at character starts, 0 to the unit count: the units of a double-byte character
// or a surrogate pair share one edge, so the boundaries inside them must not compete (the one
// after a lead byte would win the tie). Double-byte text is walked forward from the piece's
// start, which is a character start.
std::vector<int32_t> CharacterStarts(std::string_view display, bool unicode, platform::CodePage codePage)
{
    std::vector<int32_t> starts;
    const int32_t count = CharCount(display, unicode);
    if (!unicode) {
        for (size_t b = 0; b < size_t(count); b = platform::NextCharBoundary(codePage, display, b))
            starts.push_back(int32_t(b));
        starts.push_back(count);
        return starts;
    }
    auto unitAt = [display](int32_t i) {
        return char16_t(uint8_t(display[2 * size_t(i)]) | uint8_t(display[2 * size_t(i) + 1]) << 8);
    };
    for (int32_t b = 0; b <= count; ++b) {
        const bool insidePair = b > 0 && b < count && platform::IsLowSurrogate(unitAt(b)) &&
                                platform::IsHighSurrogate(unitAt(b - 1));
        if (!insidePair)
            starts.push_back(b);
    }
    return starts;
}

} // namespace

void TCustomRVFormattedData::DropHitTestFonts()
{
    FHitTestFonts.reset();
}

TCustomRVFormattedData::PieceEdges TCustomRVFormattedData::MeasurePiece(int32_t drawItemNo)
{
    PieceEdges edges;
    const TRVDrawLineInfo& piece = FDrawItems[drawItemNo];
    const TCustomRVItemInfo& item = *ItemAt(piece.ItemNo);
    platform::Canvas* canvas = GetReferenceCanvas();
    TRVStyle* style = GetRVStyle();
    if (!canvas || !style)
        return edges;
    if (!FHitTestFonts)
        FHitTestFonts = NewFontInfoCache(*canvas);
    if (!FHitTestFonts)
        return edges;
    const int32_t styleNo = EffectiveStyleNo(item);
    const TFontInfo& textStyle = style->TextStyles()[styleNo];
    const TRVBiDiMode paraDirection = ParagraphDirection(*this, piece.ItemNo);
    FHitTestFonts->CurrentBiDiMode = paraDirection;
    platform::Canvas& surface = *FHitTestFonts->GetItem(styleNo).Canvas;
    const bool unicode = item.UnicodeText();
    const std::string display = MakeDisplayText(PieceBytes(item, piece), textStyle, false, false,
                                                HasOption(Settings().Options, rvoShowSpecialCharacters));
    const int64_t textLeft = int64_t(piece.Left) + piece.GapBefore;
    const std::vector<int32_t> starts = CharacterStarts(display, unicode, CodePageOfStyle(styleNo));
    // A piece with its own reading direction is placed by the canvas; the others are measured
    // once over the whole piece (every right edge, whatever the piece's width).
    const TRVBiDiMode direction = textStyle.BiDiMode != rvbdUnspecified ? textStyle.BiDiMode : paraDirection;
    std::vector<int> carets;
    if (direction != rvbdUnspecified && GetCaretPositions(surface, display, unicode, carets)) {
        for (int32_t b : starts)
            edges.Add(b, textLeft + carets[size_t(b)]);
        return edges;
    }
    std::vector<int> right(size_t(CharCount(display, unicode)), 0);
    FitRun(surface, display, int(right.size()), INT_MAX, unicode, right);
    for (int32_t b : starts)
        edges.Add(b, b == 0 ? int64_t(piece.Left) : textLeft + right[size_t(b - 1)]);
    return edges;
}

int32_t TCustomRVFormattedData::TextOffsetAt(int32_t drawItemNo, int32_t x)
{
    const TRVDrawLineInfo& piece = FDrawItems[drawItemNo];
    if (piece.TextLength <= 0)
        return 1;
    const PieceEdges edges = MeasurePiece(drawItemNo);
    if (edges.x.empty())
        return x <= piece.Left + piece.Width / 2 ? 1 : piece.TextLength + 1;
    const bool rtl = ParagraphDirection(*this, piece.ItemNo) == rvbdRightToLeft;
    size_t best = 0;
    int64_t bestDistance = std::llabs(int64_t(x) - edges.x[0]);
    for (size_t i = 1; i < edges.x.size(); ++i) {
        const int64_t distance = std::llabs(int64_t(x) - edges.x[i]);
        const bool tieToTheRight = distance == bestDistance && rtl && edges.x[i] > x;
        if (distance < bestDistance || tieToTheRight) {
            best = i;
            bestDistance = distance;
        }
    }
    return std::clamp(edges.boundary[best] + 1, 1, piece.TextLength + 1);
}

// The first draw item of the line under Y.
int32_t TCustomRVFormattedData::HitLine(int32_t y) const
{
    if (y < FDrawItems[0].Bottom())
        return 0;
    const auto& all = FDrawItems.Items();
    auto it = std::partition_point(all.begin(), all.end(),
                                   [y](const TRVDrawLineInfo& d) { return TopWithGap(d) <= y; });
    const int32_t found = std::max<int32_t>(0, int32_t(it - all.begin()) - 1);
    const LineRange line = LineOfDrawItem(found);
    if (line.last + 1 >= FDrawItems.Count())
        return line.first;
    const LineRange next = LineOfDrawItem(line.last + 1);
    for (int32_t i = next.first; i <= next.last; ++i)
        if (TopWithGap(FDrawItems[i]) <= y)
            return next.first;
    return line.first;
}

DrawPosition TCustomRVFormattedData::HitTest(int32_t x, int32_t y, bool strict)
{
    if (FDrawItems.Empty() || !GetRVStyle())
        return DrawPosition{-1, -1};
    const LineRange line = LineOfDrawItem(HitLine(y));
    const TRVBiDiMode direction = ParagraphDirection(*this, FDrawItems[line.first].ItemNo);
    std::vector<int32_t> order;
    for (int32_t i = line.first; i <= line.last; ++i)
        order.push_back(i);
    if (direction != rvbdUnspecified)
        std::stable_sort(order.begin(), order.end(),
                         [this](int32_t a, int32_t b) { return FDrawItems[a].Left < FDrawItems[b].Left; });
    int32_t hit = -1;
    if (strict) {
        for (int32_t i : order) {
            const TRVDrawLineInfo& d = FDrawItems[i];
            if (x >= d.Left && x < d.Right() && y >= TopWithGap(d) && y < d.Bottom()) {
                hit = i;
                break;
            }
        }
        if (hit < 0)
            return DrawPosition{-1, -1};
    } else {
        hit = order.front();
        for (int32_t i : order)
            if (FDrawItems[i].Left <= x)
                hit = i;
    }
    const TRVDrawLineInfo& piece = FDrawItems[hit];
    const TCustomRVItemInfo& item = *ItemAt(piece.ItemNo);
    if (item.StyleNo >= 0)
        return DrawPosition{hit, TextOffsetAt(hit, x)};
    if (!strict && item.StyleNo == rvsListMarker && hit + 1 < FDrawItems.Count())
        return DrawPosition{hit + 1, FirstOffsetOf(hit + 1)};
    const int64_t middle = int64_t(piece.Left) + piece.Width / 2;
    const bool beforeMiddle = direction == rvbdRightToLeft ? x >= middle : x <= middle;
    return DrawPosition{hit, beforeMiddle ? 0 : 1};
}

int32_t TCustomRVFormattedData::DrawItemAtY(int32_t y, DrawItemSearch mode) const
{
    if (FDrawItems.Empty() || y <= FDrawItems[0].Top)
        return 0;
    const auto& all = FDrawItems.Items();
    auto it = std::partition_point(all.begin(), all.end(), [y](const TRVDrawLineInfo& d) { return d.Top < y; });
    const int32_t found = std::min<int32_t>(int32_t(it - all.begin()), FDrawItems.Count() - 1);
    if (mode != DrawItemSearch::ViewTop)
        return found;
    // Painting starts a line earlier, and one draw item before that, so that tall pieces of
    // the line above the view's top are drawn too.
    const int32_t lineStart = LineOfDrawItem(found).first;
    if (lineStart == 0)
        return 0;
    const int32_t previousStart = LineOfDrawItem(lineStart - 1).first;
    return std::max(0, previousStart - 1);
}

LineRange TCustomRVFormattedData::LineOfDrawItem(int32_t drawItemNo) const
{
    if (!ValidDrawItem(drawItemNo))
        return LineRange{};
    const int32_t count = FDrawItems.Count();
    const bool tableValid = !FLines.empty() && FLines.front().firstDrawItemNo == 0 &&
                            FLines.back().firstDrawItemNo < count;
    if (tableValid) {
        auto it = std::upper_bound(FLines.begin(), FLines.end(), drawItemNo,
                                   [](int32_t d, const FormattedLine& line) { return d < line.firstDrawItemNo; });
        const int32_t first = std::prev(it)->firstDrawItemNo;
        const int32_t last = (it == FLines.end() ? count : it->firstDrawItemNo) - 1;
        return LineRange{first, last};
    }
    // Without the line table the draw items' own line marks tell.
    int32_t first = drawItemNo;
    while (first > 0 && !FDrawItems[first].IsFirstOfLine())
        --first;
    int32_t last = drawItemNo;
    while (last + 1 < count && !FDrawItems[last + 1].IsFirstOfLine())
        ++last;
    return LineRange{first, last};
}

} // namespace vellum
