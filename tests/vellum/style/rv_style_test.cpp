#include "vellum/style/rv_style.h"

#include <gtest/gtest.h>

#include "platform/picture.h"
#include "vellum/style/cursors.h"

namespace vellum {
namespace {

TEST(RVStyle, NewStyleSheetContent)
{
    TRVStyle sheet;
    ASSERT_EQ(sheet.TextStyles().Count(), 6);
    ASSERT_EQ(sheet.ParaStyles().Count(), 2);
    EXPECT_EQ(sheet.ListStyles().Count(), 0);
    EXPECT_EQ(sheet.StyleTemplates().Count(), 0);
    struct Row {
        const char16_t* name;
        FontStyles style;
        platform::Color color;
        bool jump;
    };
    const Row rows[] = {
        {u"Normal text", {}, clWindowText, false}, {u"Heading", {fsBold}, 0xFF0000, false},
        {u"Subheading", {fsBold}, 0x800000, false}, {u"Keywords", {fsItalic}, 0x000080, false},
        {u"Jump 1", {fsUnderline}, 0x008000, true}, {u"Jump 2", {fsUnderline}, 0x008000, true},
    };
    for (int i = 0; i < 6; ++i) {
        const TFontInfo& f = sheet.TextStyles()[i];
        EXPECT_EQ(f.StyleName, rows[i].name) << i;
        EXPECT_EQ(f.Style, rows[i].style) << i;
        EXPECT_EQ(f.Color, rows[i].color) << i;
        EXPECT_EQ(f.Jump, rows[i].jump) << i;
        EXPECT_EQ(f.JumpCursor, 101) << i;
        EXPECT_EQ(f.FontName, u"Arial") << i;
        EXPECT_EQ(f.Size, 10) << i;
        EXPECT_TRUE(f.Standard) << i;
    }
    EXPECT_EQ(sheet.ParaStyles()[0].StyleName, u"Paragraph Style");
    EXPECT_EQ(sheet.ParaStyles()[0].Alignment, rvaLeft);
    EXPECT_EQ(sheet.ParaStyles()[1].StyleName, u"Centered");
    EXPECT_EQ(sheet.ParaStyles()[1].Alignment, rvaCenter);
    EXPECT_EQ(sheet.DefTabWidth, 48);
    EXPECT_EQ(sheet.LineSelectCursor, 106);
    EXPECT_EQ(sheet.Color, SystemColor(5));
    EXPECT_EQ(sheet.SelColor, SystemColor(13));
    EXPECT_EQ(sheet.PageBreakColor, SystemColor(16));
    EXPECT_EQ(sheet.EndnoteNumbering, rvseqLowerRoman);
    EXPECT_TRUE(sheet.UseSound);
    EXPECT_EQ(RegisteredCursor(101), CursorImage::PlatformHand);
    EXPECT_EQ(RegisteredCursor(106), CursorImage::FlipArrow);
}

TEST(RVStyle, LinkStylesTakeTheSheetsJumpCursor)
{
    TRVStyle sheet;
    sheet.JumpCursor = crHandPoint;
    sheet.LoadDefaultTextStyles();
    EXPECT_EQ(sheet.TextStyles()[4].JumpCursor, crHandPoint);
    EXPECT_EQ(sheet.TextStyles()[0].JumpCursor, crJump);
}

TEST(RVStyle, HoverSensitivity)
{
    TRVStyle sheet;
    struct Case {
        const char* what;
        void (*change)(TFontInfo&);
        platform::Color sheetHover;
        bool sensitive;
    };
    const Case cases[] = {
        {"plain link, no sheet hover colour", [](TFontInfo&) {}, clNone, false},
        {"plain link, sheet hover colour", [](TFontInfo&) {}, clRed, true},
        {"own hover colour", [](TFontInfo& f) { f.HoverColor = clBlue; }, clNone, true},
        {"hover background differs", [](TFontInfo& f) { f.HoverBackColor = clYellow; }, clNone, true},
        {"hover background equals background",
         [](TFontInfo& f) {
             f.BackColor = clYellow;
             f.HoverBackColor = clYellow;
         },
         clNone, false},
        {"hover underline colour", [](TFontInfo& f) { f.HoverUnderlineColor = clRed; }, clNone, true},
        {"hover effects", [](TFontInfo& f) { f.HoverEffects.Include(rvheUnderline); }, clNone, true},
    };
    for (const Case& c : cases) {
        sheet.LoadDefaultTextStyles();
        c.change(sheet.TextStyles()[4]);
        sheet.HoverColor = c.sheetHover;
        EXPECT_EQ(sheet.HoverSensitive(4), c.sensitive) << c.what;
    }
    sheet.OnStyleHoverSensitive = [](TRVStyle&, int styleNo, bool& sensitive) { sensitive = styleNo == 0; };
    EXPECT_TRUE(sheet.HoverSensitive(0));
    EXPECT_FALSE(sheet.HoverSensitive(4));
}

TEST(RVStyle, InvalidPicture)
{
    TRVStyle sheet;
    const platform::Picture& builtIn = sheet.InvalidPicture();
    EXPECT_EQ(builtIn.Width(), 32);
    EXPECT_EQ(builtIn.Height(), 32);
    EXPECT_EQ(builtIn.Bytes().substr(0, 2), "BM");
    ASSERT_EQ(builtIn.Pixels().size(), 32u * 32u);
    auto decoded = platform::DecodePicture(platform::PictureFormat::Bitmap, builtIn.Bytes());
    // The stored bytes are a bitmap of the same pixels, so writers can store it again.
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->Pixels(), builtIn.Pixels());
    platform::Picture own(platform::PictureFormat::Bitmap, 1, 1, {0xFF00FF00}, "x");
    sheet.SetInvalidPicture(&own);
    EXPECT_EQ(sheet.InvalidPicture().Width(), 1);
    sheet.SetInvalidPicture(nullptr);
    EXPECT_EQ(sheet.InvalidPicture().Width(), 32);
}

TEST(RVStyle, CodePages)
{
    TRVStyle sheet;
    EXPECT_EQ(sheet.StyleCodePage(0), platform::SystemCodePage());
    sheet.DefCodePage = 1251;
    EXPECT_EQ(sheet.StyleCodePage(0), 1251u);
    sheet.TextStyles()[1].Charset = GB2312_CHARSET;
    EXPECT_EQ(sheet.StyleCodePage(1), 936u);
    EXPECT_EQ(sheet.StyleCodePage(99), 1251u); // the fallback copies style 0
}

TEST(RVStyle, TableAssignment)
{
    TRVStyle a, b;
    b.TextStyles().Add().Size = 33;
    a.SetTextStyles(b.TextStyles());
    ASSERT_EQ(a.TextStyles().Count(), 7);
    EXPECT_EQ(a.TextStyles()[6].Size, 33);
    EXPECT_EQ(a.TextStyles()[6].Collection(), &a.TextStyles());
    a.SetTextStyles(a.TextStyles());
    EXPECT_EQ(a.TextStyles().Count(), 7);
    EXPECT_EQ(a.TextStyles().StyleNames()[6], u"Font Style");
}

TEST(RVStyle, DerivedStyleSheetClasses)
{
    struct MyFont : TFontInfo {};
    struct MySheet : TRVStyle {
        MySheet()
        {
            CreateTables();
            LoadDefaultTextStyles();
            LoadDefaultParaStyles();
        }
        FontInfoClass TextStyleClass() const override
        {
            return []() -> std::unique_ptr<TFontInfo> { return std::make_unique<MyFont>(); };
        }
    };
    MySheet sheet;
    EXPECT_NE(dynamic_cast<MyFont*>(&sheet.TextStyles()[0]), nullptr);
    auto fresh = sheet.NewTextStyles();
    EXPECT_NE(dynamic_cast<MyFont*>(&fresh->Add()), nullptr);
}

TEST(RVStyle, ClientsAreToldOnceWhenTheSheetGoesAway)
{
    struct Client : StyleClient {
        void StyleSheetDestroyed(TRVStyle& sheet) override
        {
            ++told;
            sheet.RemoveClient(this);
        }
        int told = 0;
    };
    Client kept, removed;
    {
        TRVStyle sheet;
        sheet.AddClient(&kept);
        sheet.AddClient(&kept);
        sheet.AddClient(&removed);
        sheet.RemoveClient(&removed);
    }
    EXPECT_EQ(kept.told, 1);
    EXPECT_EQ(removed.told, 0);
}

} // namespace
} // namespace vellum
