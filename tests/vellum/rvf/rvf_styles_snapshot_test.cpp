// Whole snapshots read as the main window's view reads them: style tables replace the window's
// styles, page parameters and property strings are taken, layout and background are read and
// ignored; a later snapshot without tables keeps the styles the sheet holds by then.
#include <gtest/gtest.h>

#include <string>

#include "app/snapshot_style.h"
#include "vellum/rvf/prop_writer.h"
#include "vellum/rvf/rv_doc_parameters.h"
#include "vellum/rvf/rvf_layout_records.h"
#include "vellum/rvf/rvf_reader.h"
#include "vellum/rvf/rvf_style_records.h"

namespace vellum {
namespace {

using namespace std::string_literals;

std::string Hex(std::string_view bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string Binary(std::string_view bytes)
{
    std::string out;
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((bytes.size() >> (8 * i)) & 0xFF);
    return out + std::string(bytes);
}

std::string ThreeTextStyles()
{
    TFontInfos t(nullptr);
    const char16_t* names[] = {u"\u6B63\u6587", u"Title", u"Link"};
    for (const char16_t* name : names)
        t.Add().StyleName = name;
    t[0].FontName = u"\u5B8B\u4F53";
    t[0].Size = 12;
    t[0].Charset = GB2312_CHARSET;
    t[1].Size = 18;
    t[1].Color = clNavy;
    t[1].Style = {fsBold};
    t[2].Jump = true;
    t[2].Color = clBlue;
    return WriteRvfStyleTableBody(t);
}

std::string OneParaStyle()
{
    TParaInfos p(nullptr);
    p.Add().StyleName = u"Body";
    p[0].SpaceAfter = 6;
    return WriteRvfStyleTableBody(p);
}

// Text table in binary form, paragraph table as hex, then strings, page parameters, layout,
// background, and text in the new styles.
std::string SnapshotWithTables()
{
    LayoutBody layout;
    layout.LeftMargin = 40;
    return "-8 1 3\r\n"s + "-9 2 0 0 2 0 1\r\nRVStyle1\r\n" + Binary(ThreeTextStyles()) +
           "-9 2 0 0 0 0 2\r\nRVStyle1\r\n" + Hex(OneParaStyle()) + "\r\n" +
           "-9 1 0 0 0 0 5\r\nauthor=me\r\n" +
           "-9 2 0 0 0 0 7\r\nPageWidth=8.5\r\nOrientation=1\r\n" +
           "-9 2 0 0 0 0 3\r\n\r\n" + Hex(WriteRvfLayoutBody(layout)) + "\r\n" +
           "-7 0 -1 0 0 0 2 255\r\n" +
           "2 1 0 0 0 0\r\nhello\r\n";
}

struct View {
    wenlocke::SnapshotDocument doc;
    TRVDocParameters parameters;
    TRVLayoutInfo layout;
    platform::Color color = clWhite;
    int32_t backgroundStyle = 0;

    View() { doc.Data.Settings().DocParameters = &parameters; }

    bool Load(const std::string& bytes)
    {
        TRVMemoryStream stream(bytes);
        RvfReadTargets targets;
        targets.Layout = &layout;
        targets.Color = &color;
        targets.BackgroundStyle = &backgroundStyle;
        return ReadRvfStream(doc.Data, stream, targets);
    }
    const TFontInfos& Text() const { return doc.Style.TextStyles(); }
};

TEST(RvfStylesSnapshot, TablesReplaceTheWindowStyles)
{
    View view;
    ASSERT_EQ(view.Text().Count(), 6);
    ASSERT_TRUE(view.Load(SnapshotWithTables()));
    ASSERT_EQ(view.Text().Count(), 3);
    EXPECT_EQ(view.Text()[0].StyleName, u"\u6B63\u6587");
    EXPECT_EQ(view.Text()[0].FontName, u"\u5B8B\u4F53");
    EXPECT_EQ(view.Text()[0].Size, 12);
    EXPECT_EQ(view.Text()[1].Color, clNavy);
    EXPECT_TRUE(view.Text()[2].Jump);
    ASSERT_EQ(view.doc.Style.ParaStyles().Count(), 1);
    EXPECT_EQ(view.doc.Style.ParaStyles()[0].SpaceAfter, 6);
    // Property strings and page parameters are taken over.
    EXPECT_EQ(view.doc.Properties, (std::vector<std::string>{"author=me"}));
    EXPECT_EQ(view.parameters.PageWidth, 8.5);
    EXPECT_EQ(view.parameters.Orientation, poLandscape);
    // Layout and background are read and ignored by this view.
    EXPECT_FALSE(view.layout.Loaded);
    EXPECT_EQ(view.color, clWhite);
    // The text item uses style 2 of the new table, unmapped.
    ASSERT_EQ(view.doc.Data.CountItems(), 1);
    EXPECT_EQ(view.doc.Data.ItemAt(0)->StyleNo, 2);
    EXPECT_EQ(view.doc.Data.Settings().ReadWarnings, 0);
}

TEST(RvfStylesSnapshot, LaterSnapshotWithoutTablesKeepsTheLoadedStyles)
{
    View view;
    ASSERT_TRUE(view.Load(SnapshotWithTables()));
    view.parameters.ZoomPercent = 42;
    ASSERT_TRUE(view.Load("-8 1 3\r\n0 1 0 0 0 0\r\nplain\r\n"));
    ASSERT_EQ(view.Text().Count(), 3);
    EXPECT_EQ(view.Text()[1].StyleName, u"Title");
    EXPECT_TRUE(view.doc.Properties.empty()); // cleared by every load
    EXPECT_EQ(view.parameters.ZoomPercent, 42); // no parameter record: untouched
    // Style 5 of the window's original table no longer exists.
    EXPECT_FALSE(view.Load("-8 1 3\r\n5 1 0 0 0 0\r\nx\r\n"));
}

TEST(RvfStylesSnapshot, LayoutAndBackgroundAreAppliedWhenAsked)
{
    View view;
    view.doc.Data.Settings().RVFOptions |= OptionBit<TRVFOptions>(rvfoLoadLayout) | OptionBit<TRVFOptions>(rvfoLoadBack);
    ASSERT_TRUE(view.Load(SnapshotWithTables()));
    EXPECT_TRUE(view.layout.Loaded);
    EXPECT_EQ(view.layout.LeftMargin, 40);
    EXPECT_EQ(view.color, 255);
    EXPECT_EQ(view.backgroundStyle, 2);
}

TEST(RvfStylesSnapshot, ParameterRecordResetsBeforeItsLines)
{
    View view;
    view.parameters.ZoomPercent = 42;
    ASSERT_TRUE(view.Load("-8 1 3\r\n-9 1 0 0 0 0 7\r\nLeftMargin=2\r\n"));
    EXPECT_EQ(view.parameters.ZoomPercent, 100);
    EXPECT_EQ(view.parameters.LeftMargin, 2);
}

TEST(RvfStylesSnapshot, BadBodiesFailThePassAndKeepWhatWasRead)
{
    struct Case {
        const char* what;
        std::string tail;
    };
    const Case cases[] = {
        {"table body not a collection", "-9 2 0 0 0 0 1\r\nRVStyle1\r\n0100\r\n"},
        {"table body cut short", "-9 2 0 0 0 0 1\r\nRVStyle1\r\n" + Hex(ThreeTextStyles().substr(0, 20)) + "\r\n"},
        {"parameter that does not convert", "-9 1 0 0 0 0 7\r\nPageWidth=8,5\r\n"},
    };
    for (const Case& c : cases) {
        View view;
        EXPECT_FALSE(view.Load("-8 1 3\r\n0 1 0 0 0 0\r\nfirst\r\n" + c.tail + "0 1 0 0 0 0\r\nlast\r\n")) << c.what;
        EXPECT_EQ(view.doc.Data.CountItems(), 1) << c.what;
        EXPECT_EQ(view.Text().Count(), 6) << c.what;
    }
    // A short layout body fails only when the view takes layouts.
    View taking;
    taking.doc.Data.Settings().RVFOptions |= OptionBit<TRVFOptions>(rvfoLoadLayout);
    EXPECT_FALSE(taking.Load("-8 1 3\r\n-9 2 0 0 0 0 3\r\n\r\n" + Hex(std::string(8, '\0')) + "\r\n"));
    View ignoring;
    EXPECT_TRUE(ignoring.Load("-8 1 3\r\n-9 2 0 0 0 0 3\r\n\r\n" + Hex(std::string(8, '\0')) + "\r\n"));
}

TEST(RvfStylesSnapshot, TableAfterItemsBringsTheirNumbersIntoRange)
{
    View view;
    ASSERT_TRUE(view.Load("-8 1 3\r\n5 1 1 0 0 0\r\nx\r\n4 1 0 0 0 0\r\ny\r\n-9 2 0 0 0 0 1\r\nRVStyle1\r\n" +
                          Hex(ThreeTextStyles()) + "\r\n-9 2 0 0 0 0 2\r\nRVStyle1\r\n" + Hex(OneParaStyle()) +
                          "\r\n"));
    ASSERT_EQ(view.doc.Data.CountItems(), 2);
    EXPECT_EQ(view.doc.Data.ItemAt(0)->StyleNo, 0);
    EXPECT_EQ(view.doc.Data.ItemAt(0)->ParaNo, 0);
    EXPECT_EQ(view.doc.Data.ItemAt(1)->StyleNo, 0);
    EXPECT_EQ(view.doc.Data.Settings().ReadWarnings, 1 << 2);
}

TEST(RvfStylesSnapshot, UnknownStylePropertiesWarnOnly)
{
    std::string body = "\x0E\x01"s + "\x07" + "Shadows" + "\x09" + "\x09" + "StyleName" + "\x06\x01" + "S" +
                       std::string(2, '\0');
    View view;
    ASSERT_TRUE(view.Load("-8 1 3\r\n-9 2 0 0 0 0 1\r\nRVStyle1\r\n" + Hex(body) + "\r\n"));
    EXPECT_EQ(view.doc.Data.Settings().ReadWarnings, 0x80);
    ASSERT_EQ(view.Text().Count(), 1);
    EXPECT_EQ(view.Text()[0].StyleName, u"S");
}

TEST(RvfStylesSnapshot, InsertingMergesAndMapsStyleNumbers)
{
    View view;
    TRVMemoryStream stream(SnapshotWithTables());
    RvfInsertParams params;
    params.Index = 0;
    ASSERT_TRUE(InsertRvf(view.doc.Data, stream, params));
    // Three styles differ from the window's six: appended, and the text's style 2 is mapped.
    EXPECT_EQ(view.Text().Count(), 9);
    ASSERT_EQ(view.doc.Data.CountItems(), 1);
    EXPECT_EQ(view.doc.Data.ItemAt(0)->StyleNo, 8);
    // Strings and parameters belong to loading only.
    EXPECT_TRUE(view.doc.Properties.empty());
    EXPECT_EQ(view.parameters.PageWidth, TRVDocParameters().PageWidth);
}

} // namespace
} // namespace vellum
