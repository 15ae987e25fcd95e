// The rectangle a paragraph's background and border cover.
#include "vellum/layout/paragraph_rect.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/vellum/layout/paragraph_fixture.h"

namespace vellum {
namespace {

using testing::ParagraphFixture;

struct RectCase {
    const char* name;
    std::function<void(ParagraphFixture&)> setup; // after paragraph 1's indents are set
    platform::Rect expected;
};

class ParagraphRectTest : public ::testing::TestWithParam<RectCase> {};

// Paragraph 1 has left indent 20, first indent -10 and right indent 7; its one line "ab" is
// 20 high at the top margin.
TEST_P(ParagraphRectTest, CoversParagraph)
{
    const RectCase& c = GetParam();
    ParagraphFixture f;
    f.Para(1).LeftIndent = 20;
    f.Para(1).FirstIndent = -10;
    f.Para(1).RightIndent = 7;
    c.setup(f);
    f.Format();
    const auto rect = ParagraphRect(f.Doc(), ParagraphDrawItems(f.Doc(), 0));
    ASSERT_TRUE(rect.has_value());
    EXPECT_EQ(*rect, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, ParagraphRectTest,
    ::testing::Values(
        // Left: margin + left indent + the negative first indent; right: the document area
        // less the right margin and indent.
        RectCase{"negativeFirstIndent", [](ParagraphFixture& f) { f.Text(u"ab", 1); }, {15, 5, 398, 25}},
        RectCase{"positiveFirstIndent",
                 [](ParagraphFixture& f) {
                     f.Para(1).FirstIndent = 10;
                     f.Text(u"ab", 1);
                 },
                 {25, 5, 398, 25}},
        RectCase{"maxTextWidth",
                 [](ParagraphFixture& f) {
                     f.Doc().Layout().MaxTextWidth = 300;
                     f.Text(u"ab", 1);
                 },
                 {15, 5, 298, 25}},
        // A document wider than the client (MinTextWidth 600): the document area, unless the
        // text is as wide as the client.
        RectCase{"documentWider",
                 [](ParagraphFixture& f) {
                     f.Doc().Layout().MinTextWidth = 600;
                     f.Text(u"ab", 1);
                 },
                 {15, 5, 598, 25}},
        RectCase{"clientTextWidth",
                 [](ParagraphFixture& f) {
                     f.Doc().Layout().MinTextWidth = 600;
                     f.Doc().Settings().Options |= OptionBit<TRVOptions>(rvoClientTextWidth);
                     f.Text(u"ab", 1);
                 },
                 {15, 5, 398, 25}},
        // A draw item reaching further widens it.
        RectCase{"wideItem",
                 [](ParagraphFixture& f) {
                     f.Doc().Layout().MaxTextWidth = 300;
                     f.Picture(500, 20, 0, 1, true);
                 },
                 {15, 5, 515, 25}},
        // Line-spacing gaps count: 150 % adds 10 below, exact 20 on a 40-pixel font trims the
        // overhang.
        RectCase{"percentGap",
                 [](ParagraphFixture& f) {
                     f.Para(1).LineSpacing = 150;
                     f.Text(u"ab", 1);
                 },
                 {15, 5, 398, 35}},
        RectCase{"exactFrame",
                 [](ParagraphFixture& f) {
                     f.SetLineSpacing(1, rvlsLineHeightExact, 20);
                     f.Text(u"ab", 1, true, 2);
                 },
                 {15, 5, 398, 25}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParagraphRect, RangeCoversOneParagraph)
{
    ParagraphFixture f;
    f.SetClientWidth(60); // 50-pixel lines: six characters each
    f.Text(u"aaa bbb ccc", 0);
    f.Text(u"ddd", 0, false);
    f.Text(u"eee fff", 0);
    f.Format();
    ASSERT_EQ(f.Count(), 6);
    const DrawItemRange first = ParagraphDrawItems(f.Doc(), 2);
    EXPECT_EQ(first.first, 0);
    EXPECT_EQ(first.end, 4);
    const DrawItemRange second = ParagraphDrawItems(f.Doc(), 4);
    EXPECT_EQ(second.first, 4);
    EXPECT_EQ(second.end, 6);
    EXPECT_EQ(ParagraphDrawItems(f.Doc(), 6).end, 0);
    const auto rect = ParagraphRect(f.Doc(), first);
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->top, 5);
    EXPECT_EQ(rect->bottom, 65);
}

TEST(ParagraphRect, HorizontalLineHasNone)
{
    ParagraphFixture f;
    f.Format(); // nothing yet
    EXPECT_FALSE(ParagraphRect(f.Doc(), ParagraphDrawItems(f.Doc(), 0)).has_value());
    f.HorizontalLine();
    f.Format();
    ASSERT_EQ(f.Count(), 1);
    EXPECT_FALSE(ParagraphRect(f.Doc(), ParagraphDrawItems(f.Doc(), 0)).has_value());
    EXPECT_FALSE(ParagraphRect(f.Doc(), DrawItemRange{}).has_value());
}

} // namespace
} // namespace vellum
