// Hit testing on documents formatted on the recording canvas: 10 pt text is 16 pixels high,
// narrow characters 6 wide and ideographs 12; lines start at x 5 and y 5, 21, 37, ...
#include "../document/document_test_util.h"
#include "layout_test_util.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vellum {
namespace {

using testing::LayoutDoc;

constexpr int32_t kParaRightToLeft = 4;

// Adds a right-to-left paragraph style (number 4) to the layout style sheet.
void AddRightToLeftParagraph(LayoutDoc& doc)
{
    doc.Style().ParaStyles().Add().BiDiMode = rvbdRightToLeft;
}

struct HitCase {
    const char* name;
    std::function<void(LayoutDoc&)> build;
    int32_t clientWidth;
    std::function<void(LayoutDoc&)> adjust; // changes to the formatted draw items, or none
    int32_t x, y;
    bool strict;
    int32_t drawItemNo, offset;
};

void NoChange(LayoutDoc&) {}

// "hello world" at 8 characters a line: "hello" on the first line, "world" on the second.
void HelloWorld(LayoutDoc& doc)
{
    doc.Text(u"hello world");
}

// A word too long for its line is cut: "abcdefgh" above, "ijkl" below.
void LongWord(LayoutDoc& doc)
{
    doc.Text(u"abcdefghijkl");
}

// Three lines: "abcdefgh" at top 5, "ijklmnop" at 21, "qrst" at 37.
void ThreeLines(LayoutDoc& doc)
{
    doc.Text(u"abcdefghijklmnopqrst");
}

// Two items on one line: "ab " at 5, "cd" at 23.
void TwoPieces(LayoutDoc& doc)
{
    doc.Text(u"ab ").More(u"cd");
}

const HitCase kHitCases[] = {
    {"boundary of a broken word is the end of the upper line", LongWord, 58, NoChange, 53, 10, false, 0, 9},
    {"right of a line's end is after its last character", HelloWorld, 58, NoChange, 200, 10, false, 0, 6},
    {"right of the second line", HelloWorld, 58, NoChange, 200, 25, false, 1, 6},
    {"left of the first piece", HelloWorld, 58, NoChange, 0, 25, false, 1, 1},
    {"above the first line", HelloWorld, 58, NoChange, 20, -50, false, 0, 3},
    {"below the last line", HelloWorld, 58, NoChange, 20, 500, false, 1, 3},
    {"nearest boundary", HelloWorld, 58, NoChange, 19, 10, false, 0, 3},
    {"a tie goes to the earlier boundary", HelloWorld, 58, NoChange, 20, 10, false, 0, 3},
    {"past the tie the later one", HelloWorld, 58, NoChange, 21, 10, false, 0, 4},
    {"strict inside a piece", HelloWorld, 58, NoChange, 21, 25, true, 1, 4},
    {"strict right of the text hits nothing", HelloWorld, 58, NoChange, 40, 25, true, -1, -1},
    {"strict between lines hits nothing", HelloWorld, 58, NoChange, 10, 1000, true, -1, -1},
    {"without a gap above, y 34 is the second line", ThreeLines, 58, NoChange, 20, 34, false, 1, 3},
    {"a gap above the third line takes y 34 to it", ThreeLines, 58,
     [](LayoutDoc& doc) { doc.data.DrawItems()[2].GapAbove = 4; }, 20, 34, false, 2, 3},
    {"the gap above belongs to a piece's box", ThreeLines, 58,
     [](LayoutDoc& doc) { doc.data.DrawItems()[2].GapAbove = 4; }, 20, 34, true, 2, 3},
    {"second piece of a line", TwoPieces, 400, NoChange, 30, 10, false, 1, 2},
    {"end of the first piece is before the second's Left", TwoPieces, 400, NoChange, 22, 10, false, 0, 4},
    // A justification gap of 10 before "cd": its text starts at 33, boundary 0 stays at 23.
    {"inside a justification gap", TwoPieces, 400,
     [](LayoutDoc& doc) { doc.data.DrawItems()[1].GapBefore = 10; }, 25, 10, false, 1, 1},
    {"after a justification gap", TwoPieces, 400,
     [](LayoutDoc& doc) { doc.data.DrawItems()[1].GapBefore = 10; }, 37, 10, false, 1, 2},
    {"right-to-left tie goes to the boundary right of the point",
     [](LayoutDoc& doc) {
         AddRightToLeftParagraph(doc);
         doc.Text(u"hello", testing::kPlain, true, kParaRightToLeft);
     },
     400, [](LayoutDoc& doc) { doc.data.DrawItems()[0].Left = 5; }, 20, 10, false, 0, 4},
    // Reordered for the reading direction: "cd" drawn at 5, "ab " at 17.
    {"right-to-left pieces are taken in visual order",
     [](LayoutDoc& doc) {
         AddRightToLeftParagraph(doc);
         doc.Text(u"ab ", testing::kPlain, true, kParaRightToLeft).More(u"cd");
     },
     400,
     [](LayoutDoc& doc) {
         doc.data.DrawItems()[0].Left = 17;
         doc.data.DrawItems()[1].Left = 5;
     },
     30, 10, false, 0, 3},
    {"a list marker moves to the next draw item",
     [](LayoutDoc& doc) {
         doc.Marker("1.");
         doc.More(u"item");
     },
     400, NoChange, 0, 10, false, 1, 1},
    {"a strict hit keeps the marker",
     [](LayoutDoc& doc) {
         doc.Marker("1.");
         doc.More(u"item");
     },
     400,
     [](LayoutDoc& doc) {
         TRVDrawLineInfo& marker = doc.data.DrawItems()[0];
         marker.SetPosition(5, 5, true, 0);
         marker.SetSize(10, 16);
     },
     6, 10, true, 0, 0},
    {"zero-width piece",
     [](LayoutDoc& doc) { doc.Text(u"\u200B\u200B"); }, 400, NoChange, 30, 10, false, 0, 1},
    {"empty piece", [](LayoutDoc& doc) { doc.Text(u""); }, 400, NoChange, 30, 10, false, 0, 1},
    // "中文" in GBK: boundaries 0 at 5, after the first character (2 bytes) at 17, then 29.
    {"double-byte: never between lead and trail byte",
     [](LayoutDoc& doc) { doc.Text(u"中文", testing::kGbk); }, 400, NoChange, 17, 10, false, 0, 3},
    {"double-byte: nearer the character's end",
     [](LayoutDoc& doc) { doc.Text(u"中文", testing::kGbk); }, 400, NoChange, 12, 10, false, 0, 3},
    {"double-byte: nearer the character's start",
     [](LayoutDoc& doc) { doc.Text(u"中文", testing::kGbk); }, 400, NoChange, 10, 10, false, 0, 1},
    {"double-byte after a single byte",
     [](LayoutDoc& doc) { doc.Text(u"a中b", testing::kGbk); }, 400, NoChange, 24, 10, false, 0, 4},
    {"picture: left half is before it",
     [](LayoutDoc& doc) {
         doc.Text(u"ab");
         doc.Picture(20, 10);
     },
     400, NoChange, 20, 10, false, 1, 0},
    {"picture: right half is after it",
     [](LayoutDoc& doc) {
         doc.Text(u"ab");
         doc.Picture(20, 10);
     },
     400, NoChange, 35, 10, false, 1, 1},
    {"picture in a right-to-left paragraph: its left half is after it",
     [](LayoutDoc& doc) {
         AddRightToLeftParagraph(doc);
         doc.Text(u"ab", testing::kPlain, true, kParaRightToLeft);
         doc.Picture(20, 10);
     },
     400, [](LayoutDoc& doc) { doc.data.DrawItems()[1].Left = 17; }, 20, 10, false, 1, 1},
};

class HitTestTable : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTestTable, FindsDrawItemAndOffset)
{
    const HitCase& c = GetParam();
    LayoutDoc doc;
    c.build(doc);
    const std::string dump = doc.Format(c.clientWidth);
    c.adjust(doc);
    const DrawPosition hit = doc.data.HitTest(c.x, c.y, c.strict);
    EXPECT_EQ(hit.drawItemNo, c.drawItemNo) << dump;
    EXPECT_EQ(hit.offset, c.offset) << dump;
}

INSTANTIATE_TEST_SUITE_P(Cases, HitTestTable, ::testing::ValuesIn(kHitCases), testing::CaseName());

TEST(HitTest, EmptyDocumentGivesNoPosition)
{
    LayoutDoc doc;
    doc.Format(400);
    const DrawPosition hit = doc.data.HitTest(10, 10, false);
    EXPECT_EQ(hit.drawItemNo, -1);
    EXPECT_EQ(hit.offset, -1);
}

// Only the piece under the point is measured, whatever the document's length.
TEST(HitTest, MeasuresOnePiece)
{
    LayoutDoc doc;
    for (int i = 0; i < 200; ++i)
        doc.Text(u"some words on a line");
    doc.Format(400);
    doc.data.HitTest(0, 0, false); // builds the font entry hit testing measures with
    doc.canvas.ResetCounters();
    const DrawPosition hit = doc.data.HitTest(30, 5 + 16 * 150 + 3, false);
    EXPECT_EQ(hit.drawItemNo, 150);
    EXPECT_EQ(doc.canvas.Counters().measuringCalls, 1);
    EXPECT_EQ(doc.canvas.Counters().charactersMeasured, 20);
}

// Zero-width characters are measured over the whole piece: the nearest boundary after two
// zero-width spaces and "ab" is found although the zero-width part has no room.
TEST(HitTest, ZeroWidthCharactersKeepTheirBoundaries)
{
    LayoutDoc doc;
    doc.Text(u"\u200B\u200Bab");
    doc.Format(400);
    EXPECT_EQ(doc.data.HitTest(5, 10, false).offset, 1);
    EXPECT_EQ(doc.data.HitTest(11, 10, false).offset, 4);
    EXPECT_EQ(doc.data.HitTest(17, 10, false).offset, 5);
}

struct AtYCase {
    const char* name;
    int32_t y;
    DrawItemSearch mode;
    int32_t expected;
};

// Eight lines of one piece each, tops 5, 21, ..., 117.
const AtYCase kAtYCases[] = {
    {"above the first top", 0, DrawItemSearch::AtOrBelow, 0},
    {"at a top", 37, DrawItemSearch::AtOrBelow, 2},
    {"just below a top", 38, DrawItemSearch::AtOrBelow, 3},
    {"below every top", 500, DrawItemSearch::AtOrBelow, 7},
    {"bottom of the view below every top", 500, DrawItemSearch::ViewBottom, 7},
    {"bottom of the view", 60, DrawItemSearch::ViewBottom, 4},
    {"top of the view: a line earlier and one more", 60, DrawItemSearch::ViewTop, 2},
    {"top of the view near the start", 22, DrawItemSearch::ViewTop, 0},
};

class DrawItemAtYTable : public ::testing::TestWithParam<AtYCase> {};

TEST_P(DrawItemAtYTable, FindsDrawItem)
{
    LayoutDoc doc;
    for (int i = 0; i < 8; ++i)
        doc.Text(u"line");
    doc.Format(400);
    EXPECT_EQ(doc.data.DrawItemAtY(GetParam().y, GetParam().mode), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawItemAtYTable, ::testing::ValuesIn(kAtYCases), testing::CaseName());

TEST(LineOfDrawItem, LinesFromTheLineTable)
{
    LayoutDoc doc;
    // "aa " "bb " "cc": three items on the first line at 400, the fourth item on its own.
    doc.Text(u"aa ").More(u"bb ").More(u"cc").Text(u"dd");
    doc.Format(400);
    const LineRange first = doc.data.LineOfDrawItem(1);
    EXPECT_EQ(first.first, 0);
    EXPECT_EQ(first.last, 2);
    const LineRange second = doc.data.LineOfDrawItem(3);
    EXPECT_EQ(second.first, 3);
    EXPECT_EQ(second.last, 3);
    EXPECT_EQ(doc.data.LineOfDrawItem(4).first, -1);
    EXPECT_EQ(doc.data.LineOfDrawItem(-1).last, -1);
}

} // namespace
} // namespace vellum
