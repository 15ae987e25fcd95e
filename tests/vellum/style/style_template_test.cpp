#include "vellum/style/style_template.h"

#include <set>

#include <gtest/gtest.h>

#include "vellum/style/rv_style.h"
#include "vellum/vellum_error.h"

namespace vellum {
namespace {

TEST(StyleTemplates, NamesCountUpAndRestartWhenAlone)
{
    TRVStyle sheet;
    auto& templates = sheet.StyleTemplates();
    for (int i = 0; i < 3; ++i)
        templates.Add();
    EXPECT_EQ(templates[0].Name(), u"Style 1");
    EXPECT_EQ(templates[1].Name(), u"Style 2");
    EXPECT_EQ(templates[2].Name(), u"Style 3");
    templates.Clear();
    EXPECT_EQ(templates.Add().Name(), u"Style 1");
    templates[0].SetName(u"Style 2");
    EXPECT_EQ(templates.Add().Name(), u"Style 3"); // the counter restarts only for a lone template
}

TEST(StyleTemplates, NamesSkipTakenOnesAndFormatsWithoutNumberStillDiffer)
{
    TRVStyle sheet;
    auto& templates = sheet.StyleTemplates();
    templates.Add().SetName(u"Style 2");
    EXPECT_EQ(templates.Add().Name(), u"Style 3");
    EXPECT_EQ(templates.Add().Name(), u"Style 4");
    templates.DefStyleName = u"Plain";
    EXPECT_EQ(templates.Add().Name(), u"Plain 5");
    EXPECT_EQ(FormatTemplateName(u"%d%% of %d", 7), u"7% of %d");
}

TEST(StyleTemplates, LoadingSheetsDoNotNameNewTemplates)
{
    TRVStyle sheet;
    sheet.BeginLoading();
    EXPECT_EQ(sheet.StyleTemplates().Add().Name(), u"");
    sheet.Loaded();
}

TEST(StyleTemplates, IdsAreUniquePositiveAndStable)
{
    TRVStyle sheet;
    auto& templates = sheet.StyleTemplates();
    for (int i = 0; i < 50; ++i)
        templates.Add();
    std::set<TRVStyleTemplateId> ids;
    for (int i = 0; i < templates.Count(); ++i) {
        TRVStyleTemplateId id = templates[i].Id();
        EXPECT_GT(id, 0);
        EXPECT_EQ(templates[i].Id(), id);
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 50u);
    EXPECT_EQ(templates.FindById(templates[17].Id()), 17);
    EXPECT_EQ(templates.FindById(0), -1);
}

TEST(StyleTemplates, CircularParentIsRefused)
{
    TRVStyle sheet;
    auto& t = sheet.StyleTemplates();
    TRVStyleTemplate& a = t.Add();
    TRVStyleTemplate& b = t.Add();
    TRVStyleTemplate& c = t.Add();
    a.SetParentId(b.Id());
    b.SetParentId(c.Id());
    EXPECT_EQ(a.Parent(), &b);
    EXPECT_EQ(b.Children().size(), 1u);
    try {
        c.SetParentId(a.Id());
        FAIL() << "no error";
    } catch (const EVellumError& e) {
        EXPECT_STREQ(e.what(), "Circular references are not allowed");
    }
    EXPECT_EQ(c.ParentId(), -1);
    EXPECT_EQ(c.Parent(), nullptr);
    EXPECT_THROW(a.SetParentId(a.Id()), EVellumError);
    EXPECT_EQ(a.ParentId(), -1);
}

TEST(StyleTemplates, LoadedCycleDoesNotHangChainWalks)
{
    TRVStyle sheet;
    auto& t = sheet.StyleTemplates();
    TRVStyleTemplate& a = t.Add();
    TRVStyleTemplate& b = t.Add();
    a.ValidTextProperties = {rvfiSize};
    a.TextStyle.Size = 20;
    b.ValidTextProperties = {rvfiColor};
    b.TextStyle.Color = clRed;
    sheet.BeginLoading();
    a.SetParentId(b.Id());
    b.SetParentId(a.Id());
    sheet.Loaded(); // resolved without the cycle test
    EXPECT_EQ(a.Parent(), &b);
    EXPECT_EQ(b.Parent(), &a);
    TFontInfo style;
    a.ApplyToTextStyle(style, nullptr, true);
    EXPECT_EQ(style.Size, 20);
    EXPECT_EQ(style.Color, clRed);
}

TEST(StyleTemplates, UnknownParentLeavesARoot)
{
    TRVStyle sheet;
    TRVStyleTemplate& a = sheet.StyleTemplates().Add();
    a.SetParentId(12345);
    EXPECT_EQ(a.ParentId(), 12345);
    EXPECT_EQ(a.Parent(), nullptr);
}

TEST(StyleTemplates, DestroyedParentFreesItsChildren)
{
    TRVStyle sheet;
    auto& t = sheet.StyleTemplates();
    TRVStyleTemplate& parent = t.Add();
    TRVStyleTemplate& child = t.Add();
    child.SetParentId(parent.Id());
    parent.SetName(u"Normal");
    EXPECT_EQ(t.NormalStyleTemplate(), &parent);
    t.Delete(0);
    EXPECT_EQ(child.ParentId(), -1);
    EXPECT_EQ(child.Parent(), nullptr);
    EXPECT_EQ(t.NormalStyleTemplate(), nullptr);
}

TEST(StyleTemplates, ApplyingATextTemplate)
{
    TRVStyle sheet;
    auto& t = sheet.StyleTemplates();
    TRVStyleTemplate& base = t.Add();
    base.ValidTextProperties = {rvfiSize, rvfiFontName};
    base.TextStyle.Size = 14;
    base.TextStyle.FontName = u"Courier";
    TRVStyleTemplate& heading = t.Add();
    heading.SetParentId(base.Id());
    heading.ValidTextProperties = {rvfiSize, rvfiBold};
    heading.TextStyle.Size = 18;
    heading.TextStyle.Style = {fsBold};

    TFontInfo style;
    style.Color = clRed;           // not defined by the chain: comes from text style 0
    style.CharSpacing = 3;         // a property the style changed itself
    style.ModifiedProperties = {rvfiCharSpacing, rvfiSize};
    heading.ApplyToTextStyle(style, nullptr, false);
    EXPECT_EQ(style.Size, 10);     // kept: modified by the style
    EXPECT_EQ(style.FontName, u"Courier");
    EXPECT_TRUE(style.Style.Contains(fsBold));
    EXPECT_EQ(style.Color, clWindowText);
    EXPECT_EQ(style.CharSpacing, 3);
    EXPECT_EQ(style.StyleTemplateId, -1);

    heading.ApplyToTextStyle(style, nullptr, true);
    EXPECT_EQ(style.Size, 18);     // the nearest template wins
    EXPECT_EQ(style.ModifiedProperties, (TRVFontInfoProperties{rvfiCharSpacing}));
    EXPECT_EQ(style.StyleTemplateId, heading.Id());
}

TEST(StyleTemplates, ParagraphTemplateAndReset)
{
    TRVStyle sheet;
    auto& t = sheet.StyleTemplates();
    TRVStyleTemplate& normal = t.Add();
    normal.SetName(u"Normal");
    normal.ValidParaProperties1 = {rvpiSpaceAfter};
    normal.ParaStyle.SpaceAfter = 6;
    TRVStyleTemplate& quote = t.Add();
    quote.ValidParaProperties1 = {rvpiLeftIndent};
    quote.ValidParaProperties2 = {rvpiKeepWithNext};
    quote.ParaStyle.LeftIndent = 40;
    quote.ParaStyle.Options = {rvpaoKeepWithNext};

    TParaInfo para;
    para.Alignment = rvaRight;
    para.ModifiedProperties2 = {rvpiKeepWithNext};
    quote.ApplyToParaStyle(para, true);
    EXPECT_EQ(para.LeftIndent, 40);
    EXPECT_TRUE(para.Options.Contains(rvpaoKeepWithNext));
    EXPECT_TRUE(para.ModifiedProperties2.Empty());
    EXPECT_EQ(para.SpaceAfter, 6);          // from the normal template
    EXPECT_EQ(para.Alignment, rvaRight);    // the normal template does not define it
    EXPECT_EQ(para.StyleTemplateId, quote.Id());

    t.ResetParaStyle(para);
    EXPECT_EQ(para.StyleTemplateId, normal.Id());
    t.Delete(0);
    para.ModifiedProperties1 = {rvpiAlignment};
    t.ResetParaStyle(para);
    EXPECT_EQ(para.Alignment, rvaLeft);     // paragraph style 0
    EXPECT_TRUE(para.ModifiedProperties1.Empty());
    EXPECT_EQ(para.StyleTemplateId, -1);
}

TEST(StyleTemplates, AssigningACollectionRebuildsTheTree)
{
    TRVStyle a, b;
    TRVStyleTemplate& parent = a.StyleTemplates().Add();
    TRVStyleTemplate& child = a.StyleTemplates().Add();
    child.SetParentId(parent.Id());
    child.ValidTextProperties = {rvfiSize};
    b.SetStyleTemplates(a.StyleTemplates());
    ASSERT_EQ(b.StyleTemplates().Count(), 2);
    EXPECT_EQ(b.StyleTemplates()[1].Parent(), &b.StyleTemplates()[0]);
    EXPECT_EQ(b.StyleTemplates()[1].ParentId(), b.StyleTemplates()[0].Id());
    EXPECT_EQ(b.StyleTemplates()[1].Name(), u"Style 2");
    EXPECT_EQ(b.StyleTemplates()[1].ValidTextProperties, (TRVFontInfoProperties{rvfiSize}));
}

} // namespace
} // namespace vellum
