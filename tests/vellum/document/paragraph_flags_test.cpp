// Paragraph and line flags as items are appended and inserted, the flag setters, and the
// page-break accessors.
#include <gtest/gtest.h>

#include <vector>

#include "document_test_util.h"

namespace vellum::testing {
namespace {

struct Step {
    char kind;
    int32_t paraNo;
    uint8_t options = 0;
    int32_t insertAt = -1; // -1: AppendItem, else InsertItemAt this index
    bool newParagraphsAllowed = true;
};

struct FlagCase {
    const char* name;
    std::vector<Step> steps;
    const char* expected;
};

const uint8_t kCont = rvioContinuesParagraph;
const uint8_t kPage = rvioBreakPageBefore;
const uint8_t kLine = rvioStartsNewLine;

const FlagCase kCases[] = {
    {"first item without paragraph starts one", {{'T', -1}}, "T0P"},
    {"continuation takes the paragraph number", {{'T', 3}, {'T', -1}}, "T3P T3C"},
    {"continuation after a break starts paragraph 0", {{'T', 2}, {'B', 2}, {'T', -1}}, "T2P B2P T0P"},
    {"new paragraph after a marker gets a filler", {{'M', 4}, {'T', 1}}, "M4P T4C T1P"},
    {"continuing a marker needs no filler", {{'M', 4}, {'T', -1}}, "M4P T4C"},
    {"no new paragraphs: lines of one paragraph",
     {{'T', 0, 0, -1, false}, {'T', 0, 0, -1, false}, {'T', 0, 0, -1, false}},
     "T0P T0L T0L"},
    {"new line is refused on the first item", {{'T', 0, kLine}}, "T0P"},
    {"new line is refused by a break", {{'T', 0}, {'B', 0, kLine}}, "T0P B0P"},
    {"new line is kept on later items", {{'T', 0}, {'T', 0, kLine}}, "T0P T0L"},
    {"continuation flag without -1 starts a paragraph", {{'T', 0}, {'T', 1, kCont}}, "T0P T1P"},
    {"page break stays on a new paragraph", {{'T', 0}, {'T', 1, kPage}}, "T0P T1P!"},
    {"continuation drops the page break", {{'T', 0}, {'T', -1, kPage}}, "T0P T0C"},
    {"insert keeps flags as given", {{'T', 0}, {'T', 5, kCont, 1}}, "T0P T5C"},
    {"insert at 0 never continues", {{'T', 7, kCont, 0}}, "T7P"},
    {"insert in front keeps both", {{'T', 0}, {'T', 1, 0, 0}}, "T1P T0P"},
};

class ParagraphFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(ParagraphFlags, BuildsExpectedRuns)
{
    TCustomRVData doc;
    for (const Step& step : GetParam().steps) {
        doc.NewParagraphsAllowed = step.newParagraphsAllowed;
        auto item = MakeItem(step.kind, step.paraNo, step.options);
        if (step.insertAt < 0)
            doc.AppendItem("", std::move(item));
        else
            doc.InsertItemAt(step.insertAt, "", std::move(item));
    }
    EXPECT_EQ(Describe(doc), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Document, ParagraphFlags, ::testing::ValuesIn(kCases), CaseName());

struct SetterCase {
    char kind;
    uint8_t before;
    void (TCustomRVItemInfo::*setter)(bool);
    bool value;
    uint8_t after;
};

TEST(ItemFlags, SettersKeepFlagsConsistent)
{
    const SetterCase cases[] = {
        {'T', kPage | kLine, &TCustomRVItemInfo::SetContinuesParagraph, true, kCont},
        {'T', kCont | kLine, &TCustomRVItemInfo::SetBreakPageBefore, true, kPage},
        {'T', kCont, &TCustomRVItemInfo::SetStartsNewLine, true, kLine},
        {'T', kPage, &TCustomRVItemInfo::SetStartsNewLine, true, kPage | kLine},
        {'B', 0, &TCustomRVItemInfo::SetStartsNewLine, true, 0},
        {'B', kLine, &TCustomRVItemInfo::SetStartsNewLine, true, 0},
        {'T', kCont | rvioUnicodeText, &TCustomRVItemInfo::SetContinuesParagraph, false,
         rvioUnicodeText},
        {'T', kPage, &TCustomRVItemInfo::SetUnicodeText, true, kPage | rvioUnicodeText},
    };
    for (const SetterCase& c : cases) {
        auto item = MakeItem(c.kind, 0, c.before);
        ((*item).*c.setter)(c.value);
        EXPECT_EQ(item->Options, c.after) << c.kind << " from " << int(c.before);
    }
}

TEST(PageBreaks, SetOnFirstItemAndBeforeMarkers)
{
    TCustomRVData doc;
    doc.AppendItem("", MakeItem('T', 0));
    doc.SetPageBreakAt(0, true);
    EXPECT_EQ(Describe(doc), "T0P!");
    doc.AppendItem("", MakeItem('M', 1));
    doc.AppendItem("", MakeItem('T', -1));
    doc.SetPageBreakAt(2, true);
    EXPECT_EQ(Describe(doc), "T0P! M1P! T1C");
    EXPECT_TRUE(doc.PageBreakAt(1));
    EXPECT_FALSE(doc.PageBreakAt(2));
    doc.SetPageBreakAt(0, false);
    EXPECT_FALSE(doc.PageBreakAt(0));
}

TEST(PageBreaks, IndexOutsideTheDocumentIsAnError)
{
    TCustomRVData doc;
    for (int32_t index : {0, -1}) {
        try {
            doc.SetPageBreakAt(index, true);
            FAIL() << "no error for " << index;
        } catch (const EVellumError& e) {
            EXPECT_STREQ(e.what(), "Item index is out of bounds");
        }
    }
    doc.AppendItem("", MakeItem('T', 0));
    EXPECT_THROW(doc.PageBreakAt(1), EVellumError);
    EXPECT_THROW(doc.PageBreakAt(-1), EVellumError);
    EXPECT_THROW(doc.InsertItemAt(2, "", MakeItem('T', 0)), EVellumError);
}

TEST(ParagraphFlags, RemovingTheFirstItemLeavesAParagraphStart)
{
    TCustomRVData doc;
    doc.AppendItem("a", MakeItem('T', 2));
    doc.AppendItem("b", MakeItem('T', -1));
    doc.AppendItem("c", MakeItem('T', -1));
    doc.RemoveItems(0, 1);
    EXPECT_EQ(Describe(doc), "T2P T2C");
    EXPECT_EQ(doc.TextAt(0), "b");
    doc.RemoveItems(1, 100); // the count is cut to what exists
    EXPECT_EQ(Describe(doc), "T2P");
}

TEST(ParagraphFlags, NormalizeGivesTheParagraphItsFirstNumber)
{
    TCustomRVData doc;
    doc.InsertItemAt(0, "", MakeItem('T', 1));
    doc.InsertItemAt(1, "", MakeItem('T', 5, kCont));
    doc.InsertItemAt(2, "", MakeItem('T', 6, kLine));
    doc.InsertItemAt(3, "", MakeItem('T', 7));
    doc.InsertItemAt(4, "", MakeItem('T', 8, kCont));
    doc.NormalizeParas(2);
    EXPECT_EQ(Describe(doc), "T1P T1C T1L T7P T8C"); // only the one paragraph
    doc.NormalizeParas(100);
    EXPECT_EQ(Describe(doc), "T1P T1C T1L T7P T7C");
}

} // namespace
} // namespace vellum::testing
