// Operations that read the style sheet: effective styles, code pages, styled questions, text
// conversion and plain-text insertion.
#include <gtest/gtest.h>

#include "document_test_util.h"
#include "vellum/document/label_item_info.h"
#include "vellum/document/rv_text_conversion.h"
#include "vellum/style/rv_style.h"

namespace vellum::testing {
namespace {

// Text styles: 0 plain, 1 Unicode, 2 Shift-JIS charset, 3 ANSI charset, 4 link.
// Paragraph styles: 0 without default text style, 1 with default text style 2, 2 with 1.
class StyledDocument : public ::testing::Test {
protected:
    StyledDocument()
    {
        style.TextStyles().Clear();
        style.TextStyles().Add();
        style.TextStyles().Add().Unicode = true;
        style.TextStyles().Add().Charset = 128;
        style.TextStyles().Add().Charset = ANSI_CHARSET;
        style.TextStyles().Add().Jump = true;
        style.ParaStyles().Clear();
        style.ParaStyles().Add();
        style.ParaStyles().Add().DefStyleNo = 2;
        style.ParaStyles().Add().DefStyleNo = 1;
        doc.Settings().Style = &style;
    }

    std::string Texts() const
    {
        std::string out;
        for (int32_t i = 0; i < doc.CountItems(); ++i)
            out += "[" + doc.TextAt(i) + "]";
        return out;
    }

    TRVStyle style;
    TCustomRVData doc;
};

TEST_F(StyledDocument, CodePageOfStyle)
{
    struct Case {
        int32_t defCodePage;
        int32_t styleNo;
        platform::CodePage expected;
    };
    const Case cases[] = {
        {0, 0, 936},    {0, -1, 936},      {0, rvsTab, 936}, {1252, 0, 1252},
        {1252, -3, 1252}, {1252, 2, 932},  {0, 3, 1252},     {0, 1, 936},
    };
    for (const Case& c : cases) {
        style.DefCodePage = static_cast<TRVCodePage>(c.defCodePage);
        EXPECT_EQ(doc.CodePageOfStyle(c.styleNo), c.expected) << c.defCodePage << "/" << c.styleNo;
    }
    TCustomRVData plain;
    EXPECT_EQ(plain.CodePageOfStyle(0), 0u);
    EXPECT_EQ(plain.CodePageOfStyle(-1), 0u);
}

TEST_F(StyledDocument, EffectiveStyleNo)
{
    struct Case {
        int32_t styleNo;
        int32_t paraNo;
        int32_t expected;
    };
    const Case cases[] = {
        {3, 1, 3}, {rvsDefStyle, 1, 2}, {rvsDefStyle, 2, 1}, {rvsDefStyle, 0, 0}, {0, 2, 0},
    };
    for (const Case& c : cases) {
        TRVTextItemInfo item(nullptr);
        item.StyleNo = c.styleNo;
        item.ParaNo = c.paraNo;
        EXPECT_EQ(doc.EffectiveStyleNo(item), c.expected) << c.styleNo << "/" << c.paraNo;
    }
    doc.AppendItem("", MakeItem('T', 1));
    doc.ItemAt(0)->StyleNo = rvsDefStyle;
    EXPECT_EQ(doc.StyleAt(0), 2);
    TCustomRVData plain;
    TRVTextItemInfo item(nullptr);
    item.StyleNo = rvsDefStyle;
    EXPECT_EQ(plain.EffectiveStyleNo(item), 0);
}

struct LinesCase {
    const char* name;
    std::string text;
    int32_t styleNo;
    int32_t firstParaNo;
    int32_t paraNo;
    bool oneParagraph;
    int32_t spacesInTab; // -1: no style sheet
    const char* items;
    const char* texts;
};

const LinesCase kLines[] = {
    {"empty text", "", 0, 0, 0, false, 0, "T0P", "[]"},
    {"two lines and a trailing break", "ab\r\ncd\r\n", 0, 0, 0, false, 0, "T0P T0P T0P",
     "[ab][cd][]"},
    {"tab item between words", "a\tb", 0, 0, 0, false, 0, "T0P t0C T0C", "[a][][b]"},
    {"tab kept as spaces", "a\tb", 0, 0, 0, false, 2, "T0P", "[a  b]"},
    {"tab without style sheet", "\t", 0, 0, 0, false, -1, "T0P", "[        ]"},
    {"leading tab item", "\tx", 0, 1, 0, false, 0, "T1P t1C T1C", "[][][x]"},
    {"LF CR is one break", "a\rb\n\rc", 0, 0, 2, false, 0, "T0P T2P T2P", "[a][b][c]"},
    {"CR CR is two breaks", "a\r\rb", 0, 0, 0, false, 0, "T0P T0P T0P", "[a][][b]"},
    {"form feed breaks the page", "a\fb", 0, 0, 0, false, 0, "T0P T0P!", "[a][b]"},
    {"one paragraph of lines", "a\nb\nc", 0, 1, 1, true, 0, "T1P T1L T1L", "[a][b][c]"},
    {"first line continues", "x\ny", 0, -1, 2, false, 0, "T3P T3C T2P", "[p][x][y]"},
};

class AppendTextLines : public StyledDocument, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(AppendTextLines, SplitsIntoItems)
{
    const LinesCase& c = GetParam();
    if (c.spacesInTab < 0)
        doc.Settings().Style = nullptr;
    style.SpacesInTab = c.spacesInTab;
    if (c.firstParaNo < 0)
        doc.AppendItem("p", MakeItem('T', 3));
    doc.NewParagraphsAllowed = true;
    EXPECT_TRUE(doc.AppendTextLines(c.text, c.styleNo, c.firstParaNo, c.paraNo, c.oneParagraph,
                                    true, RvTag()));
    EXPECT_EQ(Describe(doc), c.items);
    EXPECT_EQ(Texts(), c.texts);
    EXPECT_TRUE(doc.NewParagraphsAllowed);
}

INSTANTIATE_TEST_SUITE_P(Document, AppendTextLines, ::testing::ValuesIn(kLines), CaseName());

TEST_F(StyledDocument, AppendTextLinesTagsAndStyles)
{
    doc.Settings().Options |= OptionBit<TRVOptions>(rvoTagsArePChars);
    RvTag tag = RvTag::FromString("t");
    ASSERT_TRUE(doc.AppendTextLines("a\tb", -5, 0, 0, false, true, tag));
    ASSERT_EQ(doc.CountItems(), 3);
    for (int32_t i = 0; i < 3; ++i) {
        ASSERT_NE(doc.TagAt(i).AsString(), nullptr);
        EXPECT_EQ(*doc.TagAt(i).AsString(), "t");
        EXPECT_NE(doc.TagAt(i).AsString(), tag.AsString());
    }
    EXPECT_EQ(doc.ItemAt(0)->StyleNo, rvsDefStyle);
    EXPECT_EQ(doc.ItemAt(1)->DrawingTextStyle(), rvsDefStyle);
}

TEST_F(StyledDocument, UnicodeStylesGetUtf16Text)
{
    // Style 1 is Unicode; paragraph 2 defaults to it.
    ASSERT_TRUE(doc.AppendTextLines("\xD6\xD0x", 1, 0, 0, false, true, RvTag()));
    ASSERT_TRUE(doc.AppendTextLines("\xD6\xD0", rvsDefStyle, 2, 2, false, true, RvTag()));
    ASSERT_TRUE(doc.AppendTextLines(std::string("\x2D\x4E", 2), 1, 0, 0, false, false, RvTag()));
    ASSERT_TRUE(doc.AppendTextLines("\xD6\xD0", 0, 0, 0, false, true, RvTag()));
    ASSERT_EQ(doc.CountItems(), 4);
    EXPECT_EQ(doc.TextAt(0), std::string("\x2D\x4E\x78\x00", 4));
    EXPECT_TRUE(doc.ItemAt(0)->UnicodeText());
    EXPECT_EQ(doc.TextAt(1), std::string("\x2D\x4E", 2));
    EXPECT_TRUE(doc.ItemAt(1)->UnicodeText());
    EXPECT_EQ(doc.TextAt(2), std::string("\x2D\x4E", 2));
    EXPECT_FALSE(doc.ItemAt(3)->UnicodeText());
    EXPECT_EQ(doc.SingleByteTextAt(0), "\xD6\xD0x");
    EXPECT_EQ(doc.SingleByteTextAt(3), "\xD6\xD0");
}

TEST(TextConversion, BothDirections)
{
    EXPECT_EQ(AnsiToUtf16(936, ""), "");
    EXPECT_EQ(AnsiToUtf16(936, "A\xD6\xD0"), std::string("A\x00\x2D\x4E", 4));
    EXPECT_EQ(AnsiToUtf16(0, "\xD6\xD0"), std::string("\x2D\x4E", 2)); // system code page
    EXPECT_EQ(Utf16ToAnsi(936, std::string("\x2D\x4E\x41\x00", 4)), "\xD6\xD0" "A");
    EXPECT_EQ(Utf16ToAnsi(1252, std::string("\x2D\x4E", 2)), "?");
    EXPECT_EQ(Utf16ToAnsi(1252, std::string("e\x00\x01\x03", 4)), "\xE9"); // e + acute composes
    try {
        Utf16ToAnsi(936, "abc");
        FAIL();
    } catch (const EVellumError& e) {
        EXPECT_STREQ(e.what(), "Can't perform Unicode operation");
    }
}

TEST_F(StyledDocument, StyledQuestions)
{
    TRVTextItemInfo text(nullptr);
    text.StyleNo = 4;
    EXPECT_TRUE(text.BoolQueryStyled(rvbpxJump, &style));
    EXPECT_TRUE(text.BoolQueryStyled(1, &style));
    text.StyleNo = 0;
    EXPECT_FALSE(text.BoolQueryStyled(rvbpxJump, &style));
    EXPECT_FALSE(text.BoolQueryStyled(rvbpxJump, nullptr));

    TRVLabelItemInfo label(nullptr, 4, "cap");
    EXPECT_TRUE(label.BoolQueryStyled(0, &style)); // highlighting "current" is the default
    EXPECT_TRUE(label.BoolQueryStyled(rvbpxMouseSensitive, &style));
    EXPECT_TRUE(label.BoolQueryStyled(6, nullptr));
    style.FieldHighlightType = rvfhNever;
    EXPECT_FALSE(label.BoolQueryStyled(0, &style));

    TRVMarkerItemInfo marker(nullptr, 0, 3, 1, false);
    EXPECT_FALSE(marker.BoolQueryStyled(1, &style)); // no list styles
    TRVListInfo& list = style.ListStyles().Add();
    list.Levels.Add().ListType = rvlstImageList;
    EXPECT_TRUE(marker.BoolQueryStyled(1, &style)); // level clamped to the last one
    list.Levels[0].ListType = rvlstDecimal;
    EXPECT_FALSE(marker.BoolQueryStyled(1, &style));
}

} // namespace
} // namespace vellum::testing
