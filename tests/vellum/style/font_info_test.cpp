#include "vellum/style/font_info.h"

#include <functional>

#include <gtest/gtest.h>

#include "vellum/style/rv_style.h"
#include "vellum/style/similarity.h"

namespace vellum {
namespace {

using Change = std::function<void(TFontInfo&)>;

struct EqualityCase {
    const char* what;
    bool linkStyles;
    Change change;
    bool equal;
};

TEST(FontInfoEqualTo, WhichDifferencesCount)
{
    const EqualityCase cases[] = {
        {"StyleName", false, [](TFontInfo& f) { f.StyleName = u"Other"; }, true},
        {"Standard", false, [](TFontInfo& f) { f.Standard = false; }, true},
        {"BaseStyleNo", false, [](TFontInfo& f) { f.BaseStyleNo = 3; }, true},
        {"face name case", false, [](TFontInfo& f) { f.FontName = u"arial"; }, true},
        {"face name", false, [](TFontInfo& f) { f.FontName = u"Times New Roman"; }, false},
        {"HoverColor of non-links", false, [](TFontInfo& f) { f.HoverColor = clRed; }, true},
        {"HoverColor of links", true, [](TFontInfo& f) { f.HoverColor = clRed; }, false},
        {"JumpCursor of non-links", false, [](TFontInfo& f) { f.JumpCursor = 5; }, true},
        {"HoverUnderlineColor of links", true, [](TFontInfo& f) { f.HoverUnderlineColor = clRed; }, false},
        {"Jump", false, [](TFontInfo& f) { f.Jump = true; }, false},
        {"Size", false, [](TFontInfo& f) { f.Size = 11; }, false},
        {"Style", false, [](TFontInfo& f) { f.Style.Include(fsBold); }, false},
        {"StyleEx", false, [](TFontInfo& f) { f.StyleEx.Include(rvfsAllCaps); }, false},
        {"Protection", false, [](TFontInfo& f) { f.Protection.Include(rvprSticking); }, false},
        {"UnderlineColor", false, [](TFontInfo& f) { f.UnderlineColor = clRed; }, false},
        {"Unicode", false, [](TFontInfo& f) { f.Unicode = true; }, false},
        {"StyleTemplateId", false, [](TFontInfo& f) { f.StyleTemplateId = 7; }, false},
        {"ModifiedProperties", false, [](TFontInfo& f) { f.ModifiedProperties.Include(rvfiSize); }, false},
    };
    for (const EqualityCase& c : cases) {
        TFontInfo a, b;
        a.Jump = b.Jump = c.linkStyles;
        c.change(b);
        EXPECT_EQ(a.EqualTo(b, false), c.equal) << c.what;
        EXPECT_EQ(b.EqualTo(a, false), c.equal) << c.what;
    }
}

TEST(FontInfoEqualTo, NextStyleNoUnlessReferencesAreIgnored)
{
    TFontInfo a, b;
    b.NextStyleNo = 2;
    EXPECT_FALSE(a.EqualTo(b, false));
    EXPECT_TRUE(a.EqualTo(b, true));
}

TEST(FontInfoEqualExcept, MaskAndLinkRules)
{
    struct Case {
        const char* what;
        bool link;
        Change change;
        TRVFontInfoProperties ignored;
        bool equal;
    };
    const Case cases[] = {
        {"ignored size", false, [](TFontInfo& f) { f.Size = 20; }, {rvfiSize}, true},
        {"compared size", false, [](TFontInfo& f) { f.Size = 20; }, {rvfiColor}, false},
        {"bold alone", false, [](TFontInfo& f) { f.Style.Include(fsBold); }, {rvfiBold}, true},
        {"italic not ignored", false, [](TFontInfo& f) { f.Style.Include(fsItalic); }, {rvfiBold}, false},
        {"hover colour of a non-link", false, [](TFontInfo& f) { f.HoverColor = clRed; }, {}, true},
        {"hover colour of a link", true, [](TFontInfo& f) { f.HoverColor = clRed; }, {}, false},
        {"hover underline colour always", false, [](TFontInfo& f) { f.HoverUnderlineColor = clRed; }, {}, false},
        {"BaseStyleNo", false, [](TFontInfo& f) { f.BaseStyleNo = 1; }, {}, false},
        {"BaseStyleNo ignored", false, [](TFontInfo& f) { f.BaseStyleNo = 1; }, {rvfiBaseStyleNo}, true},
        {"Unicode", false, [](TFontInfo& f) { f.Unicode = true; }, {}, false},
        {"Unicode ignored", false, [](TFontInfo& f) { f.Unicode = true; }, {rvfiUnicode}, true},
        {"template id whatever the mask", false, [](TFontInfo& f) { f.StyleTemplateId = 4; },
         RVAllFontInfoProperties, false},
        {"StyleName", false, [](TFontInfo& f) { f.StyleName = u"x"; }, {}, true},
    };
    for (const Case& c : cases) {
        TFontInfo a, b;
        a.Jump = b.Jump = c.link;
        c.change(b);
        EXPECT_EQ(a.EqualExcept(b, c.ignored), c.equal) << c.what;
    }
}

TEST(FontInfoAssignProperties, CopiesOnlyTheListedOnesFlagByFlag)
{
    TFontInfo source, target;
    source.Style = {fsBold};
    source.Size = 30;
    source.NextStyleNo = 4;
    source.Unicode = true;
    target.Style = {fsItalic, fsUnderline};
    target.AssignProperties(source, {rvfiBold, rvfiItalic, rvfiNextStyleNo, rvfiUnicode});
    EXPECT_EQ(target.Style, (FontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(target.Size, 10);
    EXPECT_EQ(target.NextStyleNo, -1);
    EXPECT_FALSE(target.Unicode);
}

TEST(FontInfoAssign, CopiesRecordFieldsAndSubclassFieldsOnlyBetweenTextStyles)
{
    TFontInfo source;
    source.StyleName = u"S";
    source.Standard = false;
    source.NextStyleNo = 3;
    source.CharSpacing = 2;
    TFontInfo copy;
    copy.Assign(source);
    EXPECT_EQ(copy.StyleName, u"S");
    EXPECT_FALSE(copy.Standard);
    EXPECT_EQ(copy.NextStyleNo, 3);
    EXPECT_EQ(copy.CharSpacing, 2);
    TCustomRVFontInfo plain;
    plain.Assign(source);
    EXPECT_EQ(plain.CharSpacing, 2);
}

TEST(FontInfoSingleSymbols, AddsProtection)
{
    TFontInfo f;
    EXPECT_EQ(f.ReadDefinedProperty("SingleSymbols", DefinedValue{true}), DefinedRead::Read);
    EXPECT_EQ(f.Protection, (ProtectOptions{rvprStyleProtect, rvprDoNotAutoSwitch}));
    EXPECT_EQ(f.ReadDefinedProperty("SingleSymbols", DefinedValue{int64_t{1}}), DefinedRead::InvalidValue);
    EXPECT_EQ(f.ReadDefinedProperty("Other", DefinedValue{true}), DefinedRead::NotDefined);
}

TEST(FontInfoSimilarity, IdenticalStylesScoreTheSumOfAllBonuses)
{
    TFontInfo a, b;
    // Size 10000 + VShift 1000 + scale 300 + spacing 1000; colours 3000 - (window text vs itself)
    // and 50000 + 30000 (none/none); BiDi 1000, script 50000, face 10000; six flags and the
    // plain bonus 7 x 50000; HTML and RTF 100000; charset 50000.
    int32_t colour = ColorSimilarity(clWindowText, clWindowText, 3333, 3000);
    int64_t expected = 12300 + colour + 80000 + 61000 + 350000 + 100000 + 50000;
    EXPECT_EQ(a.Similarity(b), expected);
}

TEST(FontInfoSimilarity, Rules)
{
    struct Case {
        const char* what;
        Change change;
        int64_t delta; // relative to two default styles
    };
    const Case cases[] = {
        {"protection differs", [](TFontInfo& f) { f.Protection.Include(rvprSticking); }, -100000},
        {"charset differs, one default", [](TFontInfo& f) { f.Charset = 134; }, 12500 - 50000},
        {"bold differs (flag and plainness)", [](TFontInfo& f) { f.Style.Include(fsBold); }, -100000},
        {"face differs", [](TFontInfo& f) { f.FontName = u"Courier"; }, -10000},
        {"subscript", [](TFontInfo& f) { f.SubSuperScriptType = rvsssSubscript; }, -50000},
        {"size 12 against 10", [](TFontInfo& f) { f.Size = 12; }, -2000},
    };
    TFontInfo base1, base2;
    int64_t base = base1.Similarity(base2);
    for (const Case& c : cases) {
        TFontInfo candidate, seeker;
        c.change(seeker);
        EXPECT_EQ(seeker.Similarity(candidate) - base, c.delta) << c.what;
    }
    TFontInfo gb1, gb2;
    gb1.Charset = 134;
    gb2.Charset = 136;
    EXPECT_EQ(gb1.Similarity(gb2) - base, -50000);
}

TEST(FontInfoSimilarity, LinksAddHoverScores)
{
    TFontInfo a, b;
    a.Jump = b.Jump = true;
    TFontInfo plainA, plainB;
    // Same hover underline 10000, same cursor 5000, half of 12999 (none/none hover colour) and
    // half of 80000 (none/none hover background).
    EXPECT_EQ(a.Similarity(b) - plainA.Similarity(plainB), 10000 + 5000 + 12999 / 2 + 40000);
}

class FontTableTest : public ::testing::Test {
protected:
    TRVStyle sheet;
    TFontInfos& fonts = sheet.TextStyles();
};

TEST_F(FontTableTest, FallbackIsWhiteOnRedCopyOfStyleZero)
{
    fonts[0].Size = 14;
    for (int bad : {-1, fonts.Count(), 1000}) {
        const TFontInfo& f = fonts[bad];
        EXPECT_EQ(f.Color, clWhite) << bad;
        EXPECT_EQ(f.BackColor, clRed) << bad;
        EXPECT_EQ(f.Size, 14) << bad;
        EXPECT_EQ(f.Index(), -1);
    }
    // Made once: later changes to style 0 do not reach it.
    fonts[0].Size = 20;
    EXPECT_EQ(fonts[-1].Size, 14);
    EXPECT_EQ(&fonts[-1], &fonts[99]);
}

TEST(FontTableFallback, EmptyTableGivesDefaults)
{
    TFontInfos fonts(nullptr);
    EXPECT_EQ(fonts[0].Size, 10);
    EXPECT_EQ(fonts[0].Color, clWhite);
    EXPECT_EQ(fonts[0].BackColor, clRed);
}

TEST_F(FontTableTest, FindMatchingTriesTheBaseFirst)
{
    TFontInfo pattern;
    pattern.Style = {fsBold};
    // Styles 1 and 2 are bold; only colour differs, which is not relevant.
    EXPECT_EQ(fonts.FindMatching(2, pattern, {rvfiBold}), 2);
    EXPECT_EQ(fonts.FindMatching(0, pattern, {rvfiBold}), 1);
    EXPECT_EQ(fonts.FindMatching(0, pattern, {rvfiBold, rvfiColor}), -1);
    pattern.Color = clNavy;
    EXPECT_EQ(fonts.FindMatching(0, pattern, {rvfiBold, rvfiColor}), 2);
}

TEST_F(FontTableTest, FindWithCharset)
{
    EXPECT_EQ(fonts.FindWithCharset(0, DEFAULT_CHARSET), 0);
    EXPECT_EQ(fonts.FindWithCharset(0, GB2312_CHARSET), -1);
    TFontInfo& gb = fonts.Add();
    gb.StyleName = u"GB";
    gb.Charset = GB2312_CHARSET;
    EXPECT_EQ(fonts.FindWithCharset(0, GB2312_CHARSET), gb.Index());
    gb.Unicode = true;
    EXPECT_EQ(fonts.FindWithCharset(0, GB2312_CHARSET), -1);
    gb.Unicode = false;
    gb.Size = 12;
    EXPECT_EQ(fonts.FindWithCharset(0, GB2312_CHARSET), -1);
    EXPECT_EQ(fonts.FindWithCharset(-5, GB2312_CHARSET), -1);
}

} // namespace
} // namespace vellum
