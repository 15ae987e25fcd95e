// Mouse selection as scripts of presses, moves and releases at document points, with the
// selection in item positions (anchor first) after every step. Documents are formatted on the
// recording canvas: narrow characters 6 pixels wide, ideographs 12, lines 16 high from y 5,
// text from x 5, so offset k of a one-line item lies at x = 5 + 6 (k - 1).
#include "../document/document_test_util.h"
#include "layout_test_util.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vellum {
namespace {

using testing::LayoutDoc;

constexpr int32_t X(int32_t offset) { return 5 + 6 * (offset - 1); }
constexpr int32_t kLine0 = 10;
constexpr int32_t kLine1 = 26;
constexpr int32_t kLine2 = 42;

enum StepKind { Press, Move, Release, RightClick };

struct Step {
    StepKind kind;
    int32_t x, y;
    bool shift;
    const char* expected; // "anchorItem:offset-activeItem:offset"
};

struct DragCase {
    const char* name;
    TRVSelectionMode mode;
    std::function<void(LayoutDoc&)> build;
    int32_t clientWidth;
    std::vector<Step> steps;
};

std::string Selection(const TCustomRVFormattedData& data)
{
    const ItemSelectionBounds bounds = data.GetSelectionInItems(false);
    return std::to_string(bounds.start.itemNo) + ":" + std::to_string(bounds.start.offset) + "-" +
           std::to_string(bounds.end.itemNo) + ":" + std::to_string(bounds.end.offset);
}

void RunStep(TCustomRVFormattedData& data, const Step& step)
{
    switch (step.kind) {
    case Press: data.StartMouseSelection(step.x, step.y, step.shift); break;
    case Move:
        if (data.IsLineSelecting())
            data.ExtendSelectionByLines(step.x, step.y);
        else
            data.ExtendSelectionTo(step.x, step.y);
        break;
    case Release: data.FinishMouseSelection(step.x, step.y); break;
    case RightClick: data.RightClickSelection(step.x, step.y); break;
    }
}

void HelloWorldAgain(LayoutDoc& doc)
{
    doc.Text(u"hello world again");
}

void ThreeParagraphs(LayoutDoc& doc)
{
    doc.Text(u"one two").Text(u"three four").Text(u"five");
}

// At 58 pixels one word a line: "aaaa" 1+4, "bbbb" 6+4, "cccc" 11+4, "dddd" 16+4.
void FourLines(LayoutDoc& doc)
{
    doc.Text(u"aaaa bbbb cccc dddd");
}

// Ideographs are 12 wide: offset k of the run lies at 5 + 12 (k - 1); " abc" follows at 77.
void Chinese(LayoutDoc& doc)
{
    doc.Text(u"中文字符测试 abc");
}

const DragCase kDragCases[] = {
    {"word mode: hello to the next word and back",
     rvsmWord,
     HelloWorldAgain,
     400,
     {
         {Press, X(3), kLine0, false, "0:3-0:3"},
         {Move, X(4), kLine0, false, "0:3-0:4"},     // still inside the first word
         {Move, X(9), kLine0, false, "0:1-0:12"},    // both words whole
         {Move, X(4), kLine0, false, "0:3-0:4"},     // back into hello: from the first click
         {Move, X(9), kLine0, false, "0:3-0:12"},    // out again: the anchor stays
         {Move, X(8), kLine0, false, "0:3-0:8"},     // back toward the anchor: exact
         {Move, X(11), kLine0, false, "0:3-0:11"},   // exact until another word
         {Move, X(15), kLine0, false, "0:3-0:18"},   // the next word snaps again
         {Release, X(15), kLine0, false, "0:3-0:18"},
     }},
    {"word mode: backward from the middle of a word",
     rvsmWord,
     HelloWorldAgain,
     400,
     {
         {Press, X(9), kLine0, false, "0:9-0:9"},
         {Move, X(3), kLine0, false, "0:12-0:1"},
         {Release, X(2), kLine0, false, "0:12-0:1"},
     }},
    {"word mode: a jump across the first word keeps it whole",
     rvsmWord,
     HelloWorldAgain,
     400,
     {
         {Press, X(9), kLine0, false, "0:9-0:9"},
         {Move, X(15), kLine0, false, "0:7-0:18"},
         {Move, X(3), kLine0, false, "0:12-0:1"},
     }},
    {"word mode: a click between words has no first word",
     rvsmWord,
     HelloWorldAgain,
     400,
     {
         {Press, X(7), kLine0, false, "0:7-0:7"},
         {Move, X(9), kLine0, false, "0:7-0:12"},
         {Move, X(3), kLine0, false, "0:7-0:1"},
     }},
    {"word mode: Chinese is one word up to the space",
     rvsmWord,
     Chinese,
     400,
     {
         {Press, 5 + 12 * 2, kLine0, false, "0:3-0:3"},
         {Move, 5 + 12 * 4, kLine0, false, "0:3-0:5"},
         {Move, 77 + 6 * 2, kLine0, false, "0:1-0:11"},
     }},
    {"paragraph mode: whole paragraphs once the drag spans two",
     rvsmParagraph,
     ThreeParagraphs,
     400,
     {
         {Press, X(3), kLine0, false, "0:3-0:3"},
         {Move, X(6), kLine0, false, "0:3-0:6"},
         {Move, X(2), kLine1, false, "0:1-1:11"},
         {Move, X(2), kLine2, false, "0:1-2:5"},
         {Move, X(2), kLine0, false, "0:3-0:2"},
         {Release, X(2), kLine0, false, "0:3-0:2"},
     }},
    {"paragraph mode: backward",
     rvsmParagraph,
     ThreeParagraphs,
     400,
     {
         {Press, X(4), kLine1, false, "1:4-1:4"},
         {Move, X(2), kLine0, false, "1:11-0:1"},
     }},
    {"line selection from the left margin",
     rvsmWord,
     FourLines,
     58,
     {
         {Press, 2, kLine1, false, "0:6-0:10"},
         {Move, 20, kLine2, false, "0:6-0:15"},
         {Move, 20, kLine0, false, "0:10-0:1"},
         {Release, 20, kLine0, false, "0:10-0:1"},
     }},
    {"character mode with Shift extension",
     rvsmChar,
     HelloWorldAgain,
     400,
     {
         {Press, X(3), kLine0, false, "0:3-0:3"},
         {Release, X(3), kLine0, false, "0:3-0:3"},
         {Press, X(8), kLine0, true, "0:3-0:8"},
         {Move, X(10), kLine0, true, "0:3-0:10"},
         {Release, X(11), kLine0, true, "0:3-0:11"},
     }},
    {"Shift in the left margin does not select lines",
     rvsmChar,
     FourLines,
     58,
     {
         {Press, X(3), kLine0, false, "0:3-0:3"},
         {Press, 2, kLine1, true, "0:3-0:6"},
     }},
    {"right click outside the selection collapses it there",
     rvsmChar,
     HelloWorldAgain,
     400,
     {
         {Press, X(2), kLine0, false, "0:2-0:2"},
         {Move, X(6), kLine0, false, "0:2-0:6"},
         {Release, X(6), kLine0, false, "0:2-0:6"},
         {RightClick, X(4), kLine0, false, "0:2-0:6"},
         {RightClick, X(10), kLine0, false, "0:10-0:10"},
     }},
};

class DragScript : public ::testing::TestWithParam<DragCase> {};

TEST_P(DragScript, SelectsAsExpected)
{
    const DragCase& c = GetParam();
    LayoutDoc doc;
    doc.Style().SelectionMode = c.mode;
    c.build(doc);
    const std::string dump = doc.Format(c.clientWidth);
    for (size_t i = 0; i < c.steps.size(); ++i) {
        RunStep(doc.data, c.steps[i]);
        ASSERT_EQ(Selection(doc.data), c.steps[i].expected) << "step " << i << "\n" << dump;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DragScript, ::testing::ValuesIn(kDragCases), testing::CaseName());

// A drag that ends where it began leaves an empty selection: nothing exists to copy.
TEST(MouseSelection, DragEndingWhereItBeganIsEmpty)
{
    LayoutDoc doc;
    HelloWorldAgain(doc);
    doc.Format(400);
    ASSERT_TRUE(doc.data.StartMouseSelection(X(4), kLine0, false));
    EXPECT_TRUE(doc.data.IsSelecting());
    EXPECT_TRUE(doc.data.ExtendSelectionTo(X(2), kLine0));
    EXPECT_FALSE(doc.data.ExtendSelectionTo(X(2), kLine0)) << "nothing changed";
    doc.data.FinishMouseSelection(X(4), kLine0);
    EXPECT_EQ(Selection(doc.data), "0:4-0:4");
    EXPECT_FALSE(doc.data.SelectionExists(false, false));
    EXPECT_FALSE(doc.data.IsSelecting());
    EXPECT_EQ(doc.data.SelectingInfo(), nullptr);
    EXPECT_EQ(doc.data.SelectionChanges(), 1);
}

TEST(MouseSelection, SelectingInfoOfAWordDrag)
{
    LayoutDoc doc;
    Chinese(doc);
    doc.Format(400);
    doc.data.StartMouseSelection(5 + 12 * 2, kLine0, false);
    const TRVSelectingInfo* info = doc.data.SelectingInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Mode, TRVSelectingInfo::smInsideInitialWord);
    EXPECT_EQ(info->InitialWordStart, 1);
    EXPECT_EQ(info->InitialWordEnd, 7);
    EXPECT_EQ(info->InitialDrawItemNo, 0);
}

TEST(MouseSelection, NothingWithoutDrawItemsOrPermission)
{
    LayoutDoc empty;
    empty.Format(400);
    EXPECT_FALSE(empty.data.StartMouseSelection(10, 10, false));
    EXPECT_FALSE(empty.data.IsSelecting());
    EXPECT_FALSE(empty.data.ExtendSelectionTo(10, 10));
    EXPECT_FALSE(empty.data.FinishMouseSelection(10, 10));

    LayoutDoc doc;
    HelloWorldAgain(doc);
    doc.Format(400);
    doc.data.Settings().Options &= ~OptionBit<TRVOptions>(rvoAllowSelection);
    EXPECT_FALSE(doc.data.StartMouseSelection(X(2), kLine0, false));
    doc.data.Settings().Options &= ~OptionBit<TRVOptions>(rvoRClickDeselects);
    EXPECT_FALSE(doc.data.RightClickSelection(X(2), kLine0));
}

// Line selection is off when the style sheet has no line-select cursor.
TEST(MouseSelection, NoLineSelectionWithoutItsCursor)
{
    LayoutDoc doc;
    doc.Style().SelectionMode = rvsmChar;
    doc.Style().LineSelectCursor = -1;
    FourLines(doc);
    doc.Format(58);
    doc.data.StartMouseSelection(2, kLine1, false);
    EXPECT_FALSE(doc.data.IsLineSelecting());
    EXPECT_EQ(Selection(doc.data), "0:6-0:6");
}

// A full pass during a drag ends it: its draw items are gone.
TEST(MouseSelection, AFullPassEndsADrag)
{
    LayoutDoc doc;
    HelloWorldAgain(doc);
    doc.Format(400);
    doc.data.StartMouseSelection(X(3), kLine0, false);
    doc.Format(300);
    EXPECT_FALSE(doc.data.IsSelecting());
    EXPECT_EQ(doc.data.SelectingInfo(), nullptr);
    EXPECT_FALSE(doc.data.ExtendToParagraphs(false));
}

} // namespace
} // namespace vellum
