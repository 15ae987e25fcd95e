// The selection model on documents formatted on the recording canvas (10 pt: 6 pixels a narrow
// character, 12 an ideograph, lines 16 high from y 5): ends, emptiness, Select All, item
// positions both ways, keeping the selection across width-only passes, clamping, deselecting,
// words and scrolling into view.
#include "../document/document_test_util.h"
#include "layout_test_util.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vellum {
namespace {

using testing::LayoutDoc;

std::string Describe(const ItemSelectionBounds& bounds)
{
    return std::to_string(bounds.start.itemNo) + ":" + std::to_string(bounds.start.offset) + "-" +
           std::to_string(bounds.end.itemNo) + ":" + std::to_string(bounds.end.offset);
}

void FormatResized(LayoutDoc& doc, int32_t clientWidth)
{
    doc.data.SetClientSize(clientWidth, 100000);
    doc.data.Format(true, false, false, false, false, nullptr, 0, false);
}

TEST(Selection, NoSelectionAfterAPass)
{
    LayoutDoc doc;
    doc.Text(u"hello");
    doc.Format(400);
    EXPECT_TRUE(doc.data.SelectionIsEmpty());
    EXPECT_FALSE(doc.data.SelectionExists(false, false));
    EXPECT_EQ(doc.data.AnchorDrawItemNo(), -1);
    EXPECT_EQ(doc.data.ActiveDrawItemNo(), -1);
}

TEST(Selection, BoundsNormalised)
{
    LayoutDoc doc;
    doc.Text(u"hello world");
    doc.Format(58); // "hello" and "world"
    doc.data.SetSelection({1, 3}, {0, 2});
    SelectionBounds raw = doc.data.GetSelectionBounds(false);
    EXPECT_EQ(raw.start, (DrawPosition{1, 3}));
    SelectionBounds normal = doc.data.GetSelectionBounds(true);
    EXPECT_EQ(normal.start, (DrawPosition{0, 2}));
    EXPECT_EQ(normal.end, (DrawPosition{1, 3}));
    doc.data.SetSelection({0, 5}, {0, 2});
    normal = doc.data.GetSelectionBounds(true);
    EXPECT_EQ(normal.start, (DrawPosition{0, 2}));
    EXPECT_EQ(normal.end, (DrawPosition{0, 5}));
    EXPECT_EQ(Describe(doc.data.GetSelectionInItems(true)), "0:2-0:5");
    EXPECT_EQ(Describe(doc.data.GetSelectionInItems(false)), "0:5-0:2");
}

TEST(Selection, EmptySelectionIsResetOnlyWhenAsked)
{
    LayoutDoc doc;
    doc.Text(u"hello");
    doc.Format(400);
    doc.data.SetSelection({0, 3}, {0, 3});
    EXPECT_TRUE(doc.data.SelectionIsEmpty());
    EXPECT_FALSE(doc.data.SelectionExists(false, false));
    EXPECT_EQ(doc.data.AnchorDrawItemNo(), 0);
    EXPECT_FALSE(doc.data.SelectionExists(true, false));
    EXPECT_EQ(doc.data.AnchorDrawItemNo(), -1);
    doc.data.SetSelection({0, 3}, {0, 4});
    EXPECT_TRUE(doc.data.SelectionExists(true, false));
    doc.data.SetSelection({0, 3}, {-1, 0});
    EXPECT_FALSE(doc.data.SelectionExists(false, false));
}

TEST(Selection, SelectAllOverThreeParagraphs)
{
    LayoutDoc doc;
    doc.Text(u"first paragraph").Text(u"second").Text(u"third one");
    doc.Format(400);
    doc.data.SelectAll();
    EXPECT_EQ(Describe(doc.data.GetSelectionInItems(true)), "0:1-2:10");
    EXPECT_TRUE(doc.data.SelectionExists(false, false));
    EXPECT_TRUE(doc.data.SelectionSpansParagraphs());
    EXPECT_EQ(doc.data.SelectionChanges(), 1);
    EXPECT_EQ(doc.data.Repaints(), 1);
}

TEST(Selection, SelectAllEndsAtAPictureAfterIt)
{
    LayoutDoc doc;
    doc.Picture(20, 20, true).Text(u"text").Picture(10, 10);
    doc.Format(400);
    doc.data.SelectAll();
    EXPECT_EQ(Describe(doc.data.GetSelectionInItems(true)), "0:0-2:1");
}

TEST(Selection, SelectAllInAnEmptyDocumentDoesNothing)
{
    LayoutDoc doc;
    doc.Format(400);
    doc.data.SelectAll();
    EXPECT_EQ(doc.data.AnchorDrawItemNo(), -1);
    EXPECT_EQ(doc.data.SelectionChanges(), 0);
}

TEST(Selection, SpansParagraphs)
{
    LayoutDoc doc;
    doc.Text(u"one ").More(u"two").Text(u"three");
    doc.Format(400);
    doc.data.SetSelection({0, 2}, {1, 2});
    EXPECT_FALSE(doc.data.SelectionSpansParagraphs());
    doc.data.SetSelection({2, 2}, {1, 2});
    EXPECT_TRUE(doc.data.SelectionSpansParagraphs());
}

TEST(Selection, DeselectClearsAPartialSelection)
{
    LayoutDoc doc;
    doc.Text(u"one").Text(u"two");
    doc.Format(400);
    doc.data.SetSelection({0, 1}, {1, 2});
    doc.data.SetPartialSelectionItemNo(1);
    doc.data.Deselect(doc.data.ItemAt(1), false);
    EXPECT_EQ(doc.data.AnchorDrawItemNo(), -1);
    EXPECT_EQ(doc.data.ActiveOffset(), 0);
    EXPECT_EQ(doc.data.PartialSelectionItemNo(), 1) << "the item to keep keeps its own selection";
    doc.data.Deselect(nullptr, true);
    EXPECT_EQ(doc.data.PartialSelectionItemNo(), -1);
    EXPECT_EQ(doc.data.SelectionChanges(), 2);
    EXPECT_EQ(doc.data.Repaints(), 1);
}

TEST(Selection, ClampAfterTheDrawItemsChanged)
{
    LayoutDoc doc;
    doc.Text(u"hello").Picture(10, 10);
    doc.Format(400);
    doc.data.SetSelection({0, 40}, {1, 7});
    doc.data.ClampSelection();
    EXPECT_EQ(doc.data.Anchor(), (DrawPosition{0, 6}));
    EXPECT_EQ(doc.data.Active(), (DrawPosition{1, 1}));
    doc.data.SetSelection({9, 3}, {0, -5});
    doc.data.ClampSelection();
    EXPECT_EQ(doc.data.Anchor(), (DrawPosition{1, 1}));
    EXPECT_EQ(doc.data.Active(), (DrawPosition{0, 1}));
}

// Ends beyond the list (a selection made before the items changed) are never used as indexes.
TEST(Selection, EndsBeyondTheListAreIgnored)
{
    LayoutDoc doc;
    doc.Text(u"hello world");
    doc.Format(400);
    doc.data.SetSelection({5, 2}, {-1, 3});
    EXPECT_EQ(Describe(doc.data.GetSelectionInItems(true)), "-1:0--1:0");
    EXPECT_FALSE(doc.data.SelectionSpansParagraphs());
    EXPECT_FALSE(doc.data.ExtendToLines(false));
    EXPECT_FALSE(doc.data.ExtendToParagraphs(false));
    EXPECT_FALSE(doc.data.WordAt(7, 2).found);
    EXPECT_EQ(doc.data.FirstOffsetOf(7), 0);
    doc.data.SetSelectionFromItems({3, 1}, {-1, 0});
    EXPECT_EQ(doc.data.AnchorDrawItemNo(), -1);
}

// --- Item positions ----------------------------------------------------------------------------

struct ItemPositionCase {
    const char* name;
    std::u16string text;
    int32_t clientWidth;
    int32_t itemOffset;
    int32_t drawItemNo, offset;
};

// At 58 pixels a line holds 8 narrow characters.
const ItemPositionCase kItemPositionCases[] = {
    {"inside the first piece", u"hello world", 58, 3, 0, 3},
    {"boundary of a cut word belongs to the upper line", u"abcdefghijkl", 58, 9, 0, 9},
    {"after the boundary", u"abcdefghijkl", 58, 10, 1, 2},
    {"before an eaten space: end of the upper piece", u"hello world", 58, 6, 0, 6},
    {"after an eaten space: start of the next piece", u"hello world", 58, 7, 1, 1},
    {"end of the item", u"hello world", 58, 12, 1, 6},
    {"beyond the item: end of its last piece", u"hello world", 58, 40, 1, 6},
};

class ItemPositionTable : public ::testing::TestWithParam<ItemPositionCase> {};

TEST_P(ItemPositionTable, ConvertsToDrawItemPosition)
{
    const ItemPositionCase& c = GetParam();
    LayoutDoc doc;
    doc.Text(c.text);
    const std::string dump = doc.Format(c.clientWidth);
    const DrawPosition pos = doc.data.ItemToDrawPosition({0, c.itemOffset});
    EXPECT_EQ(pos, (DrawPosition{c.drawItemNo, c.offset})) << dump;
}

INSTANTIATE_TEST_SUITE_P(Cases, ItemPositionTable, ::testing::ValuesIn(kItemPositionCases),
                         testing::CaseName());

// A space eaten at the end of an item whose next item starts the next line: there is no next
// piece, so the position stays at the end of the item's last piece.
TEST(ItemPositions, EatenSpaceAtTheEndOfAnItem)
{
    LayoutDoc doc;
    doc.Text(u"ab ").More(u"cd ").More(u"world");
    const std::string dump = doc.Format(58);
    ASSERT_EQ(doc.data.DrawItems()[1].TextLength, 2) << dump;
    EXPECT_EQ(doc.data.ItemToDrawPosition({1, 4}), (DrawPosition{1, 3})) << dump;
    EXPECT_EQ(doc.data.ItemToDrawPosition({1, 3}), (DrawPosition{1, 3})) << dump;
    EXPECT_EQ(doc.data.ItemToDrawPosition({2, 1}), (DrawPosition{2, 1})) << dump;
}

// The literal walk of the item's pieces: the first whose range reaches K holds it; a position
// before that piece's start lies in an eaten space and moves to the piece's start; past every
// piece, the end of the last one.
ItemPosition ExpectedRoundTrip(const TCustomRVFormattedData& data, int32_t itemNo, int32_t k)
{
    const TRVDrawLines& items = data.DrawItems();
    int32_t last = -1;
    for (int32_t d = data.ItemAt(itemNo)->FirstDrawItemNo; d < items.Count() && items[d].ItemNo == itemNo; ++d) {
        last = d;
        if (k <= items[d].TextStart + items[d].TextLength)
            return ItemPosition{itemNo, std::max(k, items[d].TextStart)};
    }
    return ItemPosition{itemNo, items[last].TextStart + items[last].TextLength};
}

std::u16string RandomText(std::mt19937& rng)
{
    static const char16_t kPieces[][6] = {u"word", u" ", u"  ", u"中文", u"，", u"x", u"long", u"ab-cd"};
    std::u16string text;
    const int parts = int(rng() % 12);
    for (int i = 0; i < parts; ++i)
        text += kPieces[rng() % std::size(kPieces)];
    return text;
}

TEST(ItemPositions, RoundTripOnRandomDocuments)
{
    std::mt19937 rng(16);
    for (int round = 0; round < 60; ++round) {
        LayoutDoc doc;
        const int items = 1 + int(rng() % 8);
        for (int i = 0; i < items; ++i) {
            if (rng() % 3 == 0)
                doc.Text(RandomText(rng));
            else
                doc.More(RandomText(rng));
            if (rng() % 7 == 0)
                doc.Picture(15, 10);
        }
        const int32_t width = 20 + int32_t(rng() % 200);
        const std::string dump = doc.Format(width);
        for (int32_t itemNo = 0; itemNo < doc.data.CountItems(); ++itemNo) {
            const TCustomRVItemInfo& item = *doc.data.ItemAt(itemNo);
            const int32_t length = item.StyleNo < 0 ? 1 : int32_t(item.Text.size() / 2) + 1;
            for (int32_t k = item.StyleNo < 0 ? 0 : 1; k <= length; ++k) {
                const DrawPosition pos = doc.data.ItemToDrawPosition({itemNo, k});
                ASSERT_TRUE(pos.Valid()) << dump;
                ASSERT_EQ(doc.data.DrawItems()[pos.drawItemNo].ItemNo, itemNo) << dump;
                const ItemPosition back = doc.data.DrawToItemPosition(pos);
                const ItemPosition expected = item.StyleNo < 0 ? ItemPosition{itemNo, k}
                                                                : ExpectedRoundTrip(doc.data, itemNo, k);
                ASSERT_EQ(back, expected) << "item " << itemNo << " offset " << k << " width " << width << "\n"
                                          << dump;
            }
        }
    }
}

// --- Width-only passes -------------------------------------------------------------------------

TEST(Selection, KeptInItemsAcrossResizes)
{
    LayoutDoc doc;
    doc.Text(u"The quick brown fox jumps over the lazy dog and keeps on running far away")
        .Text(u"second paragraph with more words in it");
    doc.Format(400);
    doc.data.SetSelectionFromItems({0, 12}, {1, 20});
    const std::string before = Describe(doc.data.GetSelectionInItems(false));
    ASSERT_EQ(before, "0:12-1:20");
    for (int32_t width : {90, 150, 61, 230, 400}) {
        FormatResized(doc, width);
        EXPECT_EQ(Describe(doc.data.GetSelectionInItems(false)), before) << "width " << width;
    }
    // A full pass drops it.
    doc.Format(300);
    EXPECT_EQ(doc.data.AnchorDrawItemNo(), -1);
}

TEST(Selection, SelectAllKeptAcrossResizes)
{
    LayoutDoc doc;
    doc.Text(u"one two three four five six seven").Text(u"eight nine");
    doc.Format(400);
    doc.data.SelectAll();
    for (int32_t width : {50, 80, 400}) {
        FormatResized(doc, width);
        const int32_t last = doc.data.DrawItems().Count() - 1;
        EXPECT_EQ(doc.data.Anchor(), (DrawPosition{0, 1}));
        EXPECT_EQ(doc.data.Active(), (DrawPosition{last, doc.data.LastOffsetOf(last)}));
    }
}

// --- Words ---------------------------------------------------------------------------------------

struct WordCase {
    const char* name;
    std::u16string text; // Unicode, unless GBK is given
    std::string gbk;      // 8-bit text in code page 936
    int32_t offset;
    bool found;
    int32_t start, end;
};

const WordCase kWordCases[] = {
    {"inside a word", u"hello world", "", 3, true, 1, 6},
    {"second word", u"hello world", "", 9, true, 7, 12},
    {"before a space", u"hello world", "", 6, false, 0, 0},
    {"after a space", u"hello world", "", 7, false, 0, 0},
    {"first position", u"hello", "", 1, false, 0, 0},
    {"last position", u"hello", "", 6, false, 0, 0},
    {"full stop", u"end.next", "", 5, false, 0, 0},
    {"hyphen", u"well-known", "", 3, true, 1, 5},
    {"backslash and brackets", u"a\\bc[de]", "", 4, true, 3, 5},
    {"non-breaking space", u"ab\u00A0cd", "", 5, true, 4, 6},
    {"CJK punctuation is no delimiter", u"中文，字符", "", 2, true, 1, 6},
    {"ideographic full stop is no delimiter", u"中。文 x", "", 3, true, 1, 4},
    {"Chinese up to an ASCII comma", u"中文字,ab", "", 2, true, 1, 4},
    {"code above 255 whose low byte is a delimiter", u"a\u012Eb", "", 2, true, 1, 4},
    // 0x81 0x5C is one GBK character whose trail byte is a backslash.
    {"GBK trail byte 5C", u"", "a\x81\x5C" "b", 2, true, 1, 5},
    {"GBK trail byte 5B", u"", "x\x81\x5B" "y z", 4, true, 1, 5},
    {"GBK trail byte A0 and 84", u"", "\x81\xA0\x81\x84", 3, true, 1, 5},
    {"GBK real backslash", u"", "a\\b", 2, false, 0, 0},
    {"GBK lead byte 93 joins the byte after it", u"", "ab\x93" "cd", 3, true, 1, 6},
    {"GBK curly quote byte alone at the end", u"", "ab\x93", 3, false, 0, 0},
};

class WordAtTable : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordAtTable, FindsTheWord)
{
    const WordCase& c = GetParam();
    LayoutDoc doc;
    if (c.gbk.empty()) {
        doc.Text(c.text);
    } else {
        auto item = std::make_unique<TRVTextItemInfo>(&doc.data);
        item->StyleNo = testing::kGbk;
        doc.data.InsertItemAt(0, c.gbk, std::move(item));
    }
    doc.Format(1000);
    const WordRange word = doc.data.WordAt(0, c.offset);
    EXPECT_EQ(word.found, c.found);
    if (c.found) {
        EXPECT_EQ(word.start, c.start);
        EXPECT_EQ(word.end, c.end);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WordAtTable, ::testing::ValuesIn(kWordCases), testing::CaseName());

TEST(WordAt, OnlyInsideTextPieces)
{
    LayoutDoc doc;
    doc.Text(u"ab").Picture(10, 10);
    doc.Format(400);
    EXPECT_FALSE(doc.data.WordAt(1, 0).found);
    EXPECT_FALSE(doc.data.WordAt(1, 1).found);
    EXPECT_FALSE(doc.data.WordAt(-1, 1).found);
}

// --- Scrolling into view -------------------------------------------------------------------------

struct ScrollCase {
    const char* name;
    int32_t scrollX, scrollY;
    int32_t x, y, width, height;
    int32_t expectedX, expectedY;
};

// A client area of 100 x 100 with a vertical unit of 10.
const ScrollCase kScrollCases[] = {
    {"visible: nothing moves", 0, 0, 10, 50, 5, 16, 0, 0},
    {"below: its bottom one unit above the view's bottom", 0, 0, 10, 150, 5, 16, 0, 76},
    {"above: scrolled to its top", 0, 200, 10, 150, 5, 16, 0, 150},
    {"partly above with its bottom visible", 0, 200, 10, 195, 5, 16, 0, 195},
    {"covering the view: nothing moves", 0, 200, 10, 190, 5, 200, 0, 200},
    {"right of the view: its left a quarter in", 0, 0, 150, 50, 5, 16, 125, 0},
    {"left of the view", 125, 0, 50, 50, 5, 16, 25, 0},
    {"ends right of the view", 0, 0, 98, 50, 5, 16, 73, 0},
};

class ScrollIntoViewTable : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollIntoViewTable, Scrolls)
{
    const ScrollCase& c = GetParam();
    FixedClientData host;
    host.SetClientSize(100, 100);
    host.SetVerticalUnit(10);
    host.ScrollToX(c.scrollX);
    host.ScrollToY(c.scrollY);
    host.ScrollIntoView(c.x, c.y, c.width, c.height);
    EXPECT_EQ(host.GetHScrollPos(), c.expectedX);
    EXPECT_EQ(host.GetVScrollPos(), c.expectedY);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScrollIntoViewTable, ::testing::ValuesIn(kScrollCases), testing::CaseName());

} // namespace
} // namespace vellum
