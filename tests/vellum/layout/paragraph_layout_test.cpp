// Paragraph layout on the recording canvas: line spacing, paragraph spacing, alignment and
// justification, tabs, line-aligned pictures, list indents and reading-direction order. The
// fixture's metrics are in paragraph_fixture.h.
#include "tests/vellum/layout/paragraph_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "vellum/layout/justify_chunks.h"
#include "vellum/layout/line_formatter.h"

namespace vellum {
namespace {

using testing::ParagraphFixture;

// --- Line spacing ----------------------------------------------------------------------------

struct SpacingCase {
    const char* name;
    TRVLineSpacingType type;
    int32_t spacing;
    int styleNo;
    int32_t firstTop;
    int32_t baseline1;
    int32_t baseline2;
    int32_t gapAbove;
    int32_t gapBelow;
};

class LineSpacingTest : public ::testing::TestWithParam<SpacingCase> {};

// Two one-line paragraphs of the same style, so the first line shows its gaps and the second
// how far below it starts.
TEST_P(LineSpacingTest, ShapesLinesAndGaps)
{
    const SpacingCase& c = GetParam();
    ParagraphFixture f;
    f.SetLineSpacing(1, c.type, c.spacing);
    f.Text(u"ab", 1, true, c.styleNo);
    f.Text(u"cd", 1, true, c.styleNo);
    f.Format();
    ASSERT_EQ(f.Count(), 2);
    EXPECT_EQ(f.D(0).Top, c.firstTop);
    EXPECT_EQ(f.Baseline(0), c.baseline1);
    EXPECT_EQ(f.Baseline(1), c.baseline2);
    EXPECT_EQ(f.D(0).GapAbove, c.gapAbove);
    EXPECT_EQ(f.D(0).GapBelow, c.gapBelow);
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, LineSpacingTest,
    ::testing::Values(
        // 20-pixel lines 20 apart; 150 % adds half of 20 below each, 40 % is taken as 100.
        SpacingCase{"single", rvlsPercent, 100, 0, 5, 21, 41, 0, 0},
        SpacingCase{"percent150", rvlsPercent, 150, 0, 5, 21, 51, 0, 10},
        SpacingCase{"percent40", rvlsPercent, 40, 0, 5, 21, 41, 0, 0},
        SpacingCase{"percent49", rvlsPercent, 49, 0, 5, 21, 41, 0, 0},
        SpacingCase{"percent50", rvlsPercent, 50, 0, 5, 21, 31, 0, -10},
        SpacingCase{"between7", rvlsSpaceBetween, 7, 0, 5, 21, 48, 0, 7},
        SpacingCase{"betweenNegative", rvlsSpaceBetween, -7, 0, 5, 21, 41, 0, 0},
        // Exact 20: ascent 16 and descent 4 even for a 40-pixel font, which overhangs.
        SpacingCase{"exact20", rvlsLineHeightExact, 20, 2, -11, 21, 41, -16, -4},
        SpacingCase{"exact20Small", rvlsLineHeightExact, 20, 0, 5, 21, 41, 0, 0},
        // Exact 3 is 4 high: ascent 3, descent 1.
        SpacingCase{"exact3", rvlsLineHeightExact, 3, 0, -8, 8, 12, -13, -3},
        // At least 30 makes a 20-pixel line 30 high (ascent 24, descent 6) ...
        SpacingCase{"atLeast30", rvlsLineHeightAtLeast, 30, 0, 13, 29, 59, 8, 2},
        // ... and leaves a 40-pixel line alone.
        SpacingCase{"atLeast30Tall", rvlsLineHeightAtLeast, 30, 2, 5, 37, 77, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParagraphSpacing, SpaceAfterAndBeforeAddUp)
{
    for (const auto& [after, before, secondTop] : std::vector<std::tuple<int, int, int>>{{0, 0, 25}, {10, 5, 40}}) {
        ParagraphFixture f;
        f.Para(1).SpaceAfter = after;
        f.Para(2).SpaceBefore = before;
        f.Text(u"ab", 1);
        f.Text(u"cd", 2);
        f.Format();
        EXPECT_EQ(f.D(1).Top, secondTop) << after << "+" << before;
    }
}

// A line-spacing value from a file at the top of the range lays out without overflow.
TEST(ParagraphSpacing, HugeSpacingSaturates)
{
    for (TRVLineSpacingType type : {rvlsPercent, rvlsSpaceBetween, rvlsLineHeightAtLeast, rvlsLineHeightExact}) {
        ParagraphFixture f;
        f.SetLineSpacing(1, type, INT32_MAX);
        f.Para(1).SpaceBefore = INT32_MAX;
        f.Text(u"ab", 1);
        f.Text(u"cd", 1);
        f.Format();
        EXPECT_GT(f.Doc().DocumentHeight(), 1000) << int(type);
        EXPECT_LE(f.Doc().DocumentHeight(), kCoordinateLimit) << int(type);
        EXPECT_GE(f.D(1).Top, f.D(0).Top) << int(type);
    }
}

std::vector<int32_t> Lefts(ParagraphFixture& f)
{
    std::vector<int32_t> out;
    for (int i = 0; i < f.Count(); ++i)
        out.push_back(f.D(i).Left);
    return out;
}

// The first indent belongs to a paragraph's first line only, whatever item starts it, and
// never to a line that starts with a line break.
TEST(ParagraphIndents, FirstIndentOnFirstLineOnly)
{
    ParagraphFixture f;
    f.SetClientWidth(90); // 80-pixel lines
    f.Para(1).LeftIndent = 10;
    f.Para(1).FirstIndent = 20;
    f.Text(u"aaa bbb ccc", 1);         // wraps after "aaa" on the 50-pixel first line
    f.Picture(8, 8, 0, 1, true);       // a paragraph that starts with a picture
    f.Text(u"ddd", 1, false, 0, true); // a line break
    f.Format();
    ASSERT_EQ(f.Count(), 4);
    EXPECT_EQ(Lefts(f), (std::vector<int32_t>{35, 15, 35, 15}));
}

// --- Alignment and justification ---------------------------------------------------------------

std::vector<int32_t> GapsBefore(ParagraphFixture& f)
{
    std::vector<int32_t> out;
    for (int i = 0; i < f.Count(); ++i)
        out.push_back(f.D(i).GapBefore);
    return out;
}

struct JustifyCase {
    const char* name;
    std::u16string text;
    int textWidth;
    TRVBiDiMode direction;
    std::vector<int32_t> gaps;  // GapBefore of every draw item
    std::vector<int32_t> lefts; // Left of every draw item
};

class JustifyTest : public ::testing::TestWithParam<JustifyCase> {};

TEST_P(JustifyTest, SpreadsFreeSpaceOverWordGaps)
{
    const JustifyCase& c = GetParam();
    ParagraphFixture f;
    f.SetClientWidth(c.textWidth + 10);
    f.Para(1).Alignment = rvaJustify;
    f.Para(1).BiDiMode = c.direction;
    f.Text(c.text, 1);
    f.Format();
    EXPECT_EQ(GapsBefore(f), c.gaps);
    EXPECT_EQ(Lefts(f), c.lefts);
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, JustifyTest,
    ::testing::Values(
        // "aa bb cc" is 64 wide on a 74-pixel line: 10 free pixels, two gaps of 5; "dd" is
        // the last line and stays left.
        JustifyCase{"threeWords", u"aa bb cc dd", 74, rvbdUnspecified, {0, 5, 5, 0}, {5, 21, 50, 5}},
        // Four words with 10 free pixels: 3, 3 and the remainder 4 last.
        JustifyCase{"fourWords", u"a bb cc dd ee", 90, rvbdUnspecified, {0, 3, 3, 4, 0}, {5, 13, 40, 67, 5}},
        // Two spaces in a row give a one-space piece that takes its share too.
        JustifyCase{"spaceRun", u"aa  bb cc dd", 81, rvbdUnspecified, {0, 3, 3, 3, 0}, {5, 21, 32, 59, 5}},
        // An explicit reading direction turns justification into left or right alignment.
        JustifyCase{"leftToRight", u"aa bb cc dd", 74, rvbdLeftToRight, {0, 0, 0, 0}, {5, 21, 45, 5}},
        JustifyCase{"rightToLeft", u"aa bb cc dd", 74, rvbdRightToLeft, {0, 0, 0, 0}, {15, 31, 55, 63}},
        // Chinese has no spaces: each line is one piece and stays left.
        JustifyCase{"chinese", u"一二三四五六七八九十", 90, rvbdUnspecified, {0, 0}, {5, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Justify, LineBeforeLineBreakStaysLeft)
{
    ParagraphFixture f;
    f.SetClientWidth(84);
    f.Para(1).Alignment = rvaJustify;
    f.Text(u"aa bb", 1);
    f.Text(u"cc dd", 1, false, 0, true);
    f.Format();
    EXPECT_EQ(GapsBefore(f), (std::vector<int32_t>{0, 0, 0, 0}));
    EXPECT_EQ(Lefts(f), (std::vector<int32_t>{5, 21, 5, 21}));
}

TEST(Justify, EmptyItemIsPlacedAsEmptyText)
{
    ParagraphFixture f;
    f.Para(1).Alignment = rvaJustify;
    f.Text(u"", 1);
    f.Format();
    ASSERT_EQ(f.Count(), 1);
    EXPECT_EQ(f.D(0).TextLength, 0);
    EXPECT_EQ(f.D(0).Width, 0);
}

// Justified text is cut before every space, in byte text and in UTF-16 alike.
TEST(Justify, ChunksStartAtSpaces)
{
    using Chunks = std::vector<std::pair<int32_t, int32_t>>;
    const std::vector<std::pair<std::string, Chunks>> cases = {
        {"aa  b", {{0, 2}, {2, 1}, {3, 2}}},
        {" a", {{0, 2}}},
        {"a ", {{0, 1}, {1, 1}}},
        {"abc", {{0, 3}}},
        {"", {}},
    };
    for (const auto& [text, expected] : cases) {
        for (bool unicode : {false, true}) {
            const std::string display = unicode ? testing::Utf16Bytes(std::u16string(text.begin(), text.end())) : text;
            JustifyChunks chunks(display, unicode);
            Chunks got;
            for (TextChunk chunk; chunks.Next(chunk);)
                got.emplace_back(chunk.offset, chunk.count);
            EXPECT_EQ(got, expected) << '"' << text << '"' << (unicode ? " utf-16" : " bytes");
        }
    }
}

struct AlignCase {
    const char* name;
    TRVAlignment alignment;
    int width; // of the picture
    int32_t left;
};

class AlignTest : public ::testing::TestWithParam<AlignCase> {};

// A picture on a 300-pixel line (MaxTextWidth 300): lines wider than their room start at the
// indent instead of left of the document.
TEST_P(AlignTest, PlacesLineByFreeSpace)
{
    const AlignCase& c = GetParam();
    ParagraphFixture f;
    f.Doc().Layout().MaxTextWidth = 300;
    f.Para(1).Alignment = c.alignment;
    f.Picture(c.width, 10, 0, 1, true);
    f.Format();
    EXPECT_EQ(f.D(0).Left, c.left);
}

INSTANTIATE_TEST_SUITE_P(Paragraphs, AlignTest,
                         ::testing::Values(AlignCase{"left", rvaLeft, 100, 5}, AlignCase{"right", rvaRight, 100, 205},
                                           AlignCase{"center", rvaCenter, 100, 105},
                                           AlignCase{"centerOdd", rvaCenter, 101, 104},
                                           AlignCase{"rightTooWide", rvaRight, 400, 5},
                                           AlignCase{"centerTooWide", rvaCenter, 400, 5},
                                           AlignCase{"justifyTooWide", rvaJustify, 400, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Tabs --------------------------------------------------------------------------------------

struct TabCase {
    const char* name;
    std::u16string before; // text before the tab, in style BEFORESTYLE
    int beforeStyle;
    int32_t position;      // of the paragraph's one stop, 0 for none
    TRVTabAlign align;
    std::u16string after;  // text after the tab (style 1: 10 pixels a character)
    int32_t tabWidth;
    int32_t afterLeft;
};

class TabTest : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabTest, TabReachesItsStop)
{
    const TabCase& c = GetParam();
    ParagraphFixture f;
    if (c.position > 0) {
        TRVTabInfo& stop = f.Para(1).Tabs.Add();
        stop.SetPosition(c.position);
        stop.Align = c.align;
        stop.Leader = u".";
    }
    if (!c.before.empty())
        f.Text(c.before, 1, true, c.beforeStyle);
    f.Tab(1, c.before.empty());
    f.Text(c.after, 1, false, 1);
    f.Format();
    const int tab = c.before.empty() ? 0 : 1;
    ASSERT_EQ(f.Count(), tab + 2);
    EXPECT_EQ(f.D(tab).Width, c.tabWidth);
    EXPECT_EQ(f.D(tab + 1).Left, c.afterLeft);
    const auto& item = static_cast<const TRVTabItemInfo&>(*f.Doc().ItemAt(tab));
    EXPECT_EQ(item.Leader, c.position > 0 ? u"." : u"");
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, TabTest,
    ::testing::Values(
        // A right tab at 200 ends "abc" (30 wide) at 200 from the margin.
        TabCase{"right", u"", 1, 200, rvtaRight, u"abc", 170, 175},
        // A centre tab at 200 centres "abcd" (40 wide) on it.
        TabCase{"center", u"", 1, 200, rvtaCenter, u"abcd", 180, 185},
        TabCase{"left", u"", 1, 200, rvtaLeft, u"abc", 200, 205},
        // Default stops every 48: from 50 and from exactly 48 the tab ends at 96.
        TabCase{"defaultFrom50", u"aaaaa", 1, 0, rvtaLeft, u"x", 46, 101},
        TabCase{"defaultFrom48", u"aaaaaa", 0, 0, rvtaLeft, u"x", 48, 101},
        // A right tab whose text would pass the line's end stops at the line's end.
        TabCase{"rightBeyondLine", u"", 1, 500, rvtaRight, u"abc", 370, 375}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Line-aligned pictures -----------------------------------------------------------------------

struct LineAlignCase {
    const char* name;
    uint8_t placement; // 2 line top, 3 line bottom, 4 line middle
    TRVLineSpacingType type;
    int32_t spacing;
    int32_t pictureTop;
    int32_t textTop;
    int32_t nextTop;
};

class LineAlignTest : public ::testing::TestWithParam<LineAlignCase> {};

// Text "ab" (20 high) then a 50-pixel picture aligned to the line, then a second paragraph.
TEST_P(LineAlignTest, PlacesPictureInLineBox)
{
    const LineAlignCase& c = GetParam();
    ParagraphFixture f;
    f.SetLineSpacing(1, c.type, c.spacing);
    f.Text(u"ab", 1);
    f.Picture(10, 50, c.placement, 1);
    f.Text(u"cd", 0);
    f.Format();
    ASSERT_EQ(f.Count(), 3);
    EXPECT_EQ(f.D(1).Top, c.pictureTop);
    EXPECT_EQ(f.D(0).Top, c.textTop);
    EXPECT_EQ(f.D(2).Top, c.nextTop);
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, LineAlignTest,
    ::testing::Values(
        // The box is the text's, 5 to 25. A top-aligned picture reaches 30 below it.
        LineAlignCase{"top", 2, rvlsPercent, 100, 5, 5, 55},
        // Bottom- and middle-aligned ones would start above it: the line moves down.
        LineAlignCase{"bottom", 3, rvlsPercent, 100, 5, 35, 55},
        LineAlignCase{"middle", 4, rvlsPercent, 100, 5, 20, 55},
        // Exact spacing never moves the line; the box is the frame 5 to 25.
        LineAlignCase{"bottomExact", 3, rvlsLineHeightExact, 20, -25, 5, 25},
        LineAlignCase{"topExact", 2, rvlsLineHeightExact, 20, 5, 5, 55}),
    [](const auto& info) { return std::string(info.param.name); });

// --- List paragraphs ---------------------------------------------------------------------------

struct ListCase {
    const char* name;
    int32_t listNo;
    int32_t level;
    TRVBiDiMode direction;
    TRVAlignment alignment;
    int32_t markerLeft;
    int32_t secondLeft; // the second line, "eeee ffff gggg" (112 wide)
};

class ListIndentTest : public ::testing::TestWithParam<ListCase> {};

// A list of two levels (marker indents 10 and 20, left indents 30 and 60); the paragraph has
// its own left indent 15 and right indent 7, on 200-pixel lines. The marker measures 0 wide;
// "aaaa bbbb cccc dddd" (152 wide) stays on its line.
TEST_P(ListIndentTest, LevelIndentsLines)
{
    const ListCase& c = GetParam();
    ParagraphFixture f;
    TRVListInfo& list = f.Style().ListStyles().Add();
    for (int i = 0; i < 2; ++i) {
        TRVListLevel& level = list.Levels.Add();
        level.MarkerIndent = 10 * (i + 1);
        level.LeftIndent = 30 * (i + 1);
        level.FirstIndent = 0;
    }
    f.Para(1).LeftIndent = 15;
    f.Para(1).RightIndent = 7;
    f.Para(1).BiDiMode = c.direction;
    f.Para(1).Alignment = c.alignment;
    f.SetClientWidth(210);
    f.Marker(c.listNo, c.level, 1);
    f.Text(u"aaaa bbbb cccc dddd eeee ffff gggg", 1, false);
    f.Format();
    ASSERT_EQ(f.Count(), 3);
    EXPECT_EQ(f.D(1).TextLength, 19);
    EXPECT_EQ(f.D(0).Left, c.markerLeft);
    EXPECT_EQ(f.D(2).Left, c.secondLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, ListIndentTest,
    ::testing::Values(ListCase{"level0", 0, 0, rvbdUnspecified, rvaLeft, 15, 35},
                      // Right alignment shows the paragraph's right indent: lines end at 198.
                      ListCase{"level0Right", 0, 0, rvbdUnspecified, rvaRight, 46, 86},
                      // A level beyond the last uses the last.
                      ListCase{"levelBeyond", 0, 5, rvbdUnspecified, rvaLeft, 25, 65},
                      // A marker without a usable level leaves the paragraph's own indents.
                      ListCase{"noList", -1, 0, rvbdUnspecified, rvaLeft, 20, 20},
                      ListCase{"listOutOfRange", 7, 0, rvbdUnspecified, rvaLeft, 20, 20},
                      // Right to left: the level's indents apply on the right (lines end at 195
                      // and 175) and the marker reads first, at the right end of its line.
                      ListCase{"rightToLeft", 0, 0, rvbdRightToLeft, rvaRight, 195, 63}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Reading direction ----------------------------------------------------------------------------

struct DirectionCase {
    const char* name;
    TRVBiDiMode direction;
    std::vector<int32_t> lefts; // of "ab", Hebrew alef-bet, Hebrew gimel-dalet, "cd", "12"
};

class DirectionTest : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(DirectionTest, OrdersPiecesVisually)
{
    const DirectionCase& c = GetParam();
    ParagraphFixture f;
    f.Para(1).BiDiMode = c.direction;
    f.Text(u"ab", 1);
    f.Text(u"\u05D0\u05D1", 1, false);
    f.Text(u"\u05D2\u05D3", 1, false);
    f.Text(u"cd", 1, false);
    f.Text(u"12", 1, false);
    f.Format();
    EXPECT_EQ(Lefts(f), c.lefts);
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, DirectionTest,
    ::testing::Values(
        // No direction: logical order.
        DirectionCase{"unspecified", rvbdUnspecified, {5, 21, 37, 53, 69}},
        // Left to right: the Hebrew run reads right to left inside the line.
        DirectionCase{"leftToRight", rvbdLeftToRight, {5, 37, 21, 53, 69}},
        // Right to left: runs from the right; the digits continue the run of "cd".
        DirectionCase{"rightToLeft", rvbdRightToLeft, {69, 53, 37, 5, 21}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vellum
