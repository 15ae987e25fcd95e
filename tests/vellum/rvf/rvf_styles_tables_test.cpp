// Style table records: replacing the style sheet's tables when a document is loaded, merging
// with maps otherwise, empty and broken bodies, and the warning for unknown properties.
#include <gtest/gtest.h>

#include "vellum/rvf/prop_writer.h"
#include "vellum/rvf/rvf_style_records.h"
#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

std::string TextTable(std::initializer_list<std::pair<const char16_t*, platform::Color>> styles)
{
    TFontInfos table(nullptr);
    for (const auto& [name, color] : styles) {
        TFontInfo& s = table.Add();
        s.StyleName = name;
        s.FontName = u"\u5B8B\u4F53";
        s.Size = 12;
        s.Color = color;
    }
    return WriteRvfStyleTableBody(table);
}

struct Pass {
    TRVStyle style;
    uint8_t warnings = 0;
    std::unique_ptr<TRVIntegerList> textMap, paraMap, listMap;
    RvfStyleTableContext context;

    explicit Pass(bool replace)
    {
        context.Style = &style;
        context.ReplaceStyles = replace;
        context.Warnings = &warnings;
        context.TextMap = &textMap;
        context.ParaMap = &paraMap;
        context.ListMap = &listMap;
    }
    bool Apply(int32_t subKind, const std::string& body) { return ApplyRvfStyleTable(subKind, body, context); }
};

TEST(RvfStylesTables, LoadedTableReplacesTheTextStyles)
{
    Pass pass(true);
    ASSERT_EQ(pass.style.TextStyles().Count(), 6);
    ASSERT_TRUE(pass.Apply(kRvfTextStyleTable, TextTable({{u"A", clRed}, {u"B", clBlue}, {u"C", clWindowText}})));
    const TFontInfos& t = pass.style.TextStyles();
    ASSERT_EQ(t.Count(), 3);
    EXPECT_EQ(t[0].StyleName, u"A");
    EXPECT_EQ(t[1].Color, clBlue);
    EXPECT_EQ(t[2].Color, static_cast<platform::Color>(0xFF000008));
    EXPECT_EQ(t[2].FontName, u"\u5B8B\u4F53");
    EXPECT_EQ(t[2].Size, 12);
    EXPECT_EQ(pass.textMap, nullptr); // replacing makes no map
    EXPECT_EQ(pass.warnings, 0);
    // A second table replaces the first again.
    ASSERT_TRUE(pass.Apply(kRvfTextStyleTable, TextTable({{u"D", clRed}})));
    ASSERT_EQ(pass.style.TextStyles().Count(), 1);
    EXPECT_EQ(pass.style.TextStyles()[0].StyleName, u"D");
}

TEST(RvfStylesTables, EmptyTableLeavesTheStyleSheetAlone)
{
    Pass pass(true);
    ASSERT_TRUE(pass.Apply(kRvfTextStyleTable, std::string("\x0E\x00", 2)));
    EXPECT_EQ(pass.style.TextStyles().Count(), 6);
    ASSERT_TRUE(pass.Apply(kRvfTextStyleTable, ""));
    EXPECT_EQ(pass.style.TextStyles().Count(), 6);
}

TEST(RvfStylesTables, MergingCountsOnlyTheFirstTableOfAKind)
{
    Pass pass(false);
    const std::string body = TextTable({{u"Normal text", clWindowText}, {u"Red", clRed}});
    ASSERT_TRUE(pass.Apply(kRvfTextStyleTable, body));
    ASSERT_NE(pass.textMap, nullptr);
    // Style 0 equals nothing here (other font), so both are appended after the six.
    EXPECT_EQ(*pass.textMap, (TRVIntegerList{6, 7}));
    EXPECT_EQ(pass.style.TextStyles().Count(), 8);
    EXPECT_FALSE(pass.style.TextStyles()[7].Standard);
    ASSERT_TRUE(pass.Apply(kRvfTextStyleTable, TextTable({{u"X", clGreen}})));
    EXPECT_EQ(pass.style.TextStyles().Count(), 8);
    EXPECT_EQ(*pass.textMap, (TRVIntegerList{6, 7}));
}

TEST(RvfStylesTables, MapModeAddsNothing)
{
    Pass pass(false);
    pass.context.TextMode = rvf_sInsertMap;
    ASSERT_TRUE(pass.Apply(kRvfTextStyleTable, TextTable({{u"Blue", clBlue}})));
    EXPECT_EQ(pass.style.TextStyles().Count(), 6);
    ASSERT_NE(pass.textMap, nullptr);
    ASSERT_EQ(pass.textMap->size(), 1u);
    EXPECT_GE((*pass.textMap)[0], 0);
}

TEST(RvfStylesTables, IgnoreModeReadsNothing)
{
    Pass pass(true);
    pass.context.TextMode = rvf_sIgnore;
    ASSERT_TRUE(pass.Apply(kRvfTextStyleTable, "garbage"));
    EXPECT_EQ(pass.style.TextStyles().Count(), 6);
}

TEST(RvfStylesTables, ParagraphMergeTranslatesTextReferences)
{
    Pass pass(false);
    ASSERT_TRUE(pass.Apply(kRvfTextStyleTable, TextTable({{u"T0", clRed}, {u"T1", clBlue}})));
    TParaInfos paras(nullptr);
    TParaInfo& p = paras.Add();
    p.LeftIndent = 33;
    p.DefStyleNo = 1;
    ASSERT_TRUE(pass.Apply(kRvfParaStyleTable, WriteRvfStyleTableBody(paras)));
    ASSERT_NE(pass.paraMap, nullptr);
    const TParaInfo& added = pass.style.ParaStyles()[(*pass.paraMap)[0]];
    EXPECT_EQ(added.LeftIndent, 33);
    EXPECT_EQ(added.DefStyleNo, (*pass.textMap)[1]);
}

TEST(RvfStylesTables, ReplacedListsKeepTheirIdentities)
{
    Pass pass(true);
    TRVListInfos lists(nullptr);
    lists.Add().SetListID(4242);
    lists[0].Levels.Add().ListType = rvlstDecimal;
    ASSERT_TRUE(pass.Apply(kRvfListStyleTable, WriteRvfStyleTableBody(lists)));
    ASSERT_EQ(pass.style.ListStyles().Count(), 1);
    EXPECT_EQ(pass.style.ListStyles()[0].ListIDIfSet(), 4242);
    EXPECT_EQ(pass.style.ListStyles()[0].Levels[0].ListType, rvlstDecimal);
    EXPECT_FALSE(pass.style.ListStyles().AllowAssignListID);
}

TEST(RvfStylesTables, BrokenBodiesFailThePass)
{
    const std::string good = TextTable({{u"A", clRed}});
    const std::string bodies[] = {
        "\x01", // not a collection
        good.substr(0, good.size() - 1),
        good.substr(0, good.size() / 2),
        std::string("\x0E\x05", 2), // neither list start nor order number
    };
    for (const std::string& body : bodies) {
        Pass pass(true);
        EXPECT_FALSE(pass.Apply(kRvfTextStyleTable, body)) << body.size();
        EXPECT_EQ(pass.style.TextStyles().Count(), 6);
    }
}

TEST(RvfStylesTables, UnknownPropertiesOnlyWarn)
{
    // One style: an unknown entry, a bad colour, then a name that must still arrive.
    std::string body = "\x0E\x01";
    body += std::string("\x07") + "Shadows" + "\x09";
    body += std::string("\x05") + "Color" + "\x07\x06" + "clPink";
    body += std::string("\x09") + "StyleName" + "\x06\x03" + "Odd";
    body += std::string("\x00\x00", 2);
    Pass pass(true);
    ASSERT_TRUE(pass.Apply(kRvfTextStyleTable, body));
    EXPECT_EQ(pass.warnings, kRvfWarnStyleProperty);
    ASSERT_EQ(pass.style.TextStyles().Count(), 1);
    EXPECT_EQ(pass.style.TextStyles()[0].StyleName, u"Odd");
    EXPECT_EQ(pass.style.TextStyles()[0].Color, static_cast<platform::Color>(0xFF000008));
}

TEST(RvfStylesTables, BodyBytesByDataMode)
{
    EXPECT_EQ(RvfBodyBytes("0e00", 0), std::string("\x0E\x00", 2));
    EXPECT_EQ(RvfBodyBytes("0E0", 0), "");
    EXPECT_EQ(RvfBodyBytes("0E0G", 0), "\x0E");
    EXPECT_EQ(RvfBodyBytes("raw", 2), "raw");
    EXPECT_EQ(RvfBodyBytes("raw", 1), "");
}

} // namespace
} // namespace vellum
