#include "vellum/style/para_info.h"

#include <functional>

#include <gtest/gtest.h>

#include "vellum/style/rv_style.h"

namespace vellum {
namespace {

using Change = std::function<void(TParaInfo&)>;

TEST(ParaInfoEqualTo, WhichDifferencesCount)
{
    struct Case {
        const char* what;
        Change change;
        bool equal;
    };
    const Case cases[] = {
        {"StyleName", [](TParaInfo& p) { p.StyleName = u"x"; }, true},
        {"BaseStyleNo", [](TParaInfo& p) { p.BaseStyleNo = 1; }, true},
        {"hidden side of a border without style", [](TParaInfo& p) { p.Border.VisibleBorders.Top = false; }, false},
        {"border colour without style", [](TParaInfo& p) { p.Border.Color = clRed; }, false},
        {"widow control", [](TParaInfo& p) { p.Options.Include(rvpaoWidowOrphanControl); }, false},
        {"background offset", [](TParaInfo& p) { p.Background.BorderOffsets.Left = 2; }, false},
        {"tab stop", [](TParaInfo& p) { p.Tabs.Add().SetPosition(5); }, false},
        {"ModifiedProperties2", [](TParaInfo& p) { p.ModifiedProperties2.Include(rvpiTabs); }, false},
        {"LineSpacingType", [](TParaInfo& p) { p.LineSpacingType = rvlsSpaceBetween; }, false},
    };
    for (const Case& c : cases) {
        TParaInfo a, b;
        c.change(b);
        EXPECT_EQ(a.EqualTo(b, false), c.equal) << c.what;
    }
    TParaInfo a, b;
    b.NextParaNo = 1;
    b.DefStyleNo = 2;
    EXPECT_FALSE(a.EqualTo(b, false));
    EXPECT_TRUE(a.EqualTo(b, true));
}

TEST(ParaInfoEqualExcept, OptionsFlagByFlagAndWidowControlNever)
{
    TParaInfo a, b;
    b.Options.Include(rvpaoWidowOrphanControl);
    for (auto ignored : {ParaInfoProperties{}, ParaInfoProperties{rvpiNoWrap}, RVAllParaInfoProperties})
        EXPECT_TRUE(a.EqualExcept(b, ignored));
    b.Options.Include(rvpaoKeepWithNext);
    EXPECT_FALSE(a.EqualExcept(b, {}));
    EXPECT_TRUE(a.EqualExcept(b, {rvpiKeepWithNext}));
    b.StyleTemplateId = 3;
    EXPECT_FALSE(a.EqualExcept(b, RVAllParaInfoProperties));
}

TEST(ParaInfoEqualExcept, BorderPartsByProperty)
{
    TParaInfo a, b;
    b.Border.BorderOffsets.Bottom = 4;
    EXPECT_FALSE(a.EqualExcept(b, {rvpiBorder_BO_Top}));
    EXPECT_TRUE(a.EqualExcept(b, {rvpiBorder_BO_Bottom}));
    b.Tabs.Add().SetPosition(10);
    EXPECT_TRUE(a.EqualExcept(b, {rvpiBorder_BO_Bottom, rvpiTabs}));
}

TEST(ParaInfoAssignProperties, CopiesListedPartsOnly)
{
    TParaInfo source, target;
    source.Options = {rvpaoNoWrap, rvpaoReadOnly};
    source.Border.Width = 5;
    source.Border.Style = rvbDouble;
    source.NextParaNo = 3;
    source.Tabs.Add().SetPosition(20);
    target.Options = {rvpaoKeepWithNext};
    target.AssignProperties(source, {rvpiNoWrap, rvpiBorder_Width, rvpiNextParaNo, rvpiTabs});
    EXPECT_EQ(target.Options, (ParaOptions{rvpaoNoWrap, rvpaoKeepWithNext}));
    EXPECT_EQ(target.Border.Width, 5);
    EXPECT_EQ(target.Border.Style, rvbNone);
    EXPECT_EQ(target.NextParaNo, -1);
    ASSERT_EQ(target.Tabs.Count(), 1);
    EXPECT_EQ(target.Tabs[0].Position(), 20);
}

TEST(TabInfos, EqualityAndOrder)
{
    TParaInfo a, b;
    for (TParaInfo* p : {&a, &b}) {
        TRVTabInfo& t = p->Tabs.Add();
        t.SetPosition(40);
        t.Leader = u".";
    }
    EXPECT_TRUE(a.EqualTo(b, false));
    b.Tabs[0].Leader = u"-";
    EXPECT_FALSE(a.EqualTo(b, false));
    a.Tabs[0].Leader = u"x";
    b.Tabs[0].Leader = u"X";
    EXPECT_FALSE(a.EqualTo(b, false));

    TRVTabInfos tabs;
    tabs.Add().SetPosition(50);
    TRVTabInfo& moving = tabs.Add();
    moving.SetPosition(100);
    moving.Align = rvtaRight;
    moving.SetPosition(10);
    ASSERT_EQ(tabs.Count(), 2);
    EXPECT_EQ(tabs[0].Position(), 10);
    EXPECT_EQ(tabs[0].Align, rvtaRight);
    EXPECT_EQ(tabs[1].Position(), 50);
}

TEST(ParaInfoSimilarity, Rules)
{
    struct Case {
        const char* what;
        Change seeker;
        Change candidate;
        int64_t delta; // relative to two default styles
    };
    const Case cases[] = {
        {"percent 100 against exact 0", [](TParaInfo&) {},
         [](TParaInfo& p) {
             p.LineSpacingType = rvlsLineHeightExact;
             p.LineSpacing = 0;
         },
         -5000},
        {"double spacing against exact 20: both non-default", [](TParaInfo& p) { p.LineSpacing = 200; },
         [](TParaInfo& p) {
             p.LineSpacingType = rvlsLineHeightExact;
             p.LineSpacing = 20;
         },
         -5000},
        {"double spacing against exact 0: only one non-default", [](TParaInfo& p) { p.LineSpacing = 200; },
         [](TParaInfo& p) {
             p.LineSpacingType = rvlsLineHeightExact;
             p.LineSpacing = 0;
         },
         -5000 - 20000},
        {"alignment", [](TParaInfo& p) { p.Alignment = rvaCenter; }, [](TParaInfo&) {}, -50000},
        {"read-only", [](TParaInfo& p) { p.Options.Include(rvpaoReadOnly); }, [](TParaInfo&) {}, -100000},
        {"widow control scores nothing", [](TParaInfo& p) { p.Options.Include(rvpaoWidowOrphanControl); },
         [](TParaInfo&) {}, 0},
        {"left indent 10 against 12", [](TParaInfo& p) { p.LeftIndent = 10; },
         [](TParaInfo& p) { p.LeftIndent = 12; }, -200},
        {"one extra tab each side", [](TParaInfo& p) { p.Tabs.Add().SetPosition(10); }, [](TParaInfo&) {}, -400},
        {"one border side shown in one only",
         [](TParaInfo& p) {
             p.Border.Style = rvbSingle;
             p.Border.VisibleBorders.Left = false;
             p.Border.VisibleBorders.Top = false;
             p.Border.VisibleBorders.Right = false;
         },
         [](TParaInfo&) {}, -40000},
    };
    TParaInfo d1, d2;
    int64_t base = d1.Similarity(d2);
    for (const Case& c : cases) {
        TParaInfo seeker, candidate;
        c.seeker(seeker);
        c.candidate(candidate);
        EXPECT_EQ(seeker.Similarity(candidate) - base, c.delta) << c.what;
    }
}

TEST(ParaInfoSimilarity, SharedBorderSidesScoreTheirLines)
{
    TParaInfo a, b;
    for (TParaInfo* p : {&a, &b}) {
        p->Border.Style = rvbSingle;
        p->Border.Color = clBlack;
    }
    TParaInfo d1, d2;
    // Four shared sides: each (3000 colour + 1000 width + 1000 internal + 1000 style) plus
    // the offset score 100, instead of 20000 per unshown side.
    EXPECT_EQ(a.Similarity(b) - d1.Similarity(d2), 4 * (6000 + 100) - 4 * 20000);
}

TEST(ParaTable, FallbackIsFramedInRed)
{
    TRVStyle sheet;
    sheet.ParaStyles()[0].Alignment = rvaJustify;
    const TParaInfo& f = sheet.ParaStyles()[sheet.ParaStyles().Count()];
    EXPECT_EQ(f.Alignment, rvaJustify);
    EXPECT_EQ(f.SpaceBefore, 1);
    EXPECT_EQ(f.SpaceAfter, 1);
    EXPECT_EQ(f.LeftIndent, 1);
    EXPECT_EQ(f.RightIndent, 1);
    EXPECT_EQ(f.Border.Style, rvbSingle);
    EXPECT_EQ(f.Border.Color, clRed);
    EXPECT_EQ(f.Border.Width, 2);
    EXPECT_EQ(f.Border.BorderOffsets.Left, 1);
    EXPECT_EQ(f.Border.BorderOffsets.Bottom, 1);
}

TEST(ParaTable, FindMatching)
{
    TRVStyle sheet;
    TParaInfo pattern;
    pattern.Alignment = rvaCenter;
    pattern.LeftIndent = 99;
    EXPECT_EQ(sheet.ParaStyles().FindMatching(0, pattern, {rvpiAlignment}), 1);
    EXPECT_EQ(sheet.ParaStyles().FindMatching(0, pattern, {rvpiAlignment, rvpiLeftIndent}), -1);
}

} // namespace
} // namespace vellum
