// Fields, defaults, questions, extra properties and copying of the item kinds.
#include <gtest/gtest.h>

#include "document_test_util.h"
#include "vellum/document/break_item_info.h"
#include "vellum/document/bullet_item_info.h"
#include "vellum/document/control_item_info.h"
#include "vellum/document/graphic_item_info.h"
#include "vellum/document/label_item_info.h"
#include "vellum/document/note_item_info.h"
#include "vellum/document/seq_item_info.h"

namespace vellum::testing {
namespace {

std::shared_ptr<const platform::Picture> MakePicture(platform::PictureFormat format)
{
    return std::make_shared<platform::Picture>(format, 2, 3, std::vector<uint32_t>(6, 0), "bytes");
}

TEST(ItemKinds, BoolQueries)
{
    auto bitmap = MakePicture(platform::PictureFormat::Bitmap);
    auto icon = MakePicture(platform::PictureFormat::Icon);
    auto picture = std::make_unique<TRVGraphicItemInfo>(nullptr, bitmap, 0);
    auto iconPicture = std::make_unique<TRVGraphicItemInfo>(nullptr, icon, 0);
    auto empty = std::make_unique<TRVGraphicItemInfo>(nullptr);
    auto control = std::make_unique<TRVControlItemInfo>(nullptr);
    auto label = std::make_unique<TRVLabelItemInfo>(nullptr);
    auto locked = std::make_unique<TRVLabelItemInfo>(nullptr);
    locked->LockCaptionStyle = true;
    struct Case {
        const char* name;
        const TCustomRVItemInfo* item;
        const char* yes; // codes 0..13 answering yes, as characters '0'+code
    };
    auto text = CreateItemByStyleNo(nullptr, 0);
    auto brk = CreateItemByStyleNo(nullptr, rvsBreak);
    auto tab = CreateItemByStyleNo(nullptr, rvsTab);
    auto marker = CreateItemByStyleNo(nullptr, rvsListMarker);
    auto bullet = CreateItemByStyleNo(nullptr, rvsBullet);
    const Case cases[] = {
        {"text", text.get(), "12<="},
        {"break", brk.get(), "012<="},
        {"picture", picture.get(), "1237<="},
        {"icon picture", iconPicture.get(), "123<="},
        {"picture without picture", empty.get(), "23<="},
        {"control without control", control.get(), "268<="},
        {"tab", tab.get(), "1235<="},
        {"marker", marker.get(), "1234<="},
        {"bullet without images", bullet.get(), "2<="},
        {"label", label.get(), "1235<="},
        {"locked label", locked.get(), "1235="},
    };
    for (const Case& c : cases) {
        std::string yes;
        for (int code = 0; code <= 13; ++code)
            if (c.item->BoolQuery(code))
                yes += static_cast<char>('0' + code);
        EXPECT_EQ(yes, c.yes) << c.name;
    }
    EXPECT_TRUE(brk->FullLine());
    EXPECT_FALSE(text->FullLine());
    EXPECT_FALSE(empty->Valid());
    EXPECT_TRUE(picture->Valid());
    EXPECT_TRUE(text->ReadsDataLines());
}

TEST(ItemKinds, ExtraProperties)
{
    struct Case {
        int32_t styleNo;
        int prop;
        bool known;
    };
    const Case cases[] = {
        {0, rvepSpacing, false},           {0, rvepUnremovable, false},
        {rvsBreak, rvepUnremovable, true}, {rvsBreak, rvepVShift, false},
        {rvsPicture, rvepVShift, true},    {rvsPicture, rvepWidth, true},
        {rvsPicture, rvepAInterval, true}, {rvsPicture, rvepTransparent, false}, // no bitmap
        {rvsPicture, rvepVisible, false},  {rvsComponent, rvepVisible, true},
        {rvsComponent, rvepWidth, false},  {rvsComponent, rvepMinHeightOnPage, true},
        {rvsBullet, rvepNoHtmlSize, true}, {rvsBullet, rvepResizable, false},
        {rvsListMarker, rvepNoHtmlSize, true}, {rvsTab, rvepNoHtmlSize, false},
        {rvsLabel, rvepSpacing, true},     {rvsPicture, 99, false},
    };
    for (const Case& c : cases) {
        auto item = CreateItemByStyleNo(nullptr, c.styleNo);
        EXPECT_EQ(item->StoreExtraInt(c.prop, 5), c.known) << c.styleNo << "/" << c.prop;
        int32_t value = -1;
        EXPECT_EQ(item->FetchExtraInt(c.prop, value), c.known) << c.styleNo << "/" << c.prop;
    }
    // Strings: every item has a hint; pictures and bullets have alt; pictures a file name.
    auto text = CreateItemByStyleNo(nullptr, 0);
    EXPECT_TRUE(text->StoreExtraStr(rvespHint, "h"));
    EXPECT_EQ(text->Hint, "h");
    EXPECT_FALSE(text->StoreExtraStr(rvespAlt, "a"));
    auto picture = CreateItemByStyleNo(nullptr, rvsPicture);
    EXPECT_TRUE(picture->StoreExtraStr(rvespFilename, "f.bmp"));
    std::string value;
    EXPECT_TRUE(picture->FetchExtraStr(rvespFilename, value));
    EXPECT_EQ(value, "f.bmp");
    EXPECT_TRUE(CreateItemByStyleNo(nullptr, rvsHotspot)->StoreExtraStr(rvespAlt, "a"));
}

TEST(ItemKinds, RectangleSpacingIsNeverNegative)
{
    auto item = CreateItemByStyleNo(nullptr, rvsPicture);
    auto& rect = ItemAs<TRVRectItemInfo>(item.get());
    EXPECT_EQ(rect.spacing(), 1);
    rect.StoreExtraInt(rvepSpacing, -3);
    EXPECT_EQ(rect.spacing(), 0);
    rect.SetSpacing(4);
    int32_t value = 0;
    rect.FetchExtraInt(rvepSpacing, value);
    EXPECT_EQ(value, 4);
}

TEST(ItemKinds, TypedAccessRefusesOtherKinds)
{
    auto text = CreateItemByStyleNo(nullptr, 0);
    try {
        ItemAs<TRVGraphicItemInfo>(text.get());
        FAIL();
    } catch (const EVellumError& e) {
        EXPECT_STREQ(e.what(), "Can't get or set this kind of information for this item");
    }
}

TEST(ItemKinds, BitmapTransparencyOnlyOnBitmaps)
{
    TRVGraphicItemInfo bitmap(nullptr, MakePicture(platform::PictureFormat::Bitmap), 0);
    TRVGraphicItemInfo jpeg(nullptr, MakePicture(platform::PictureFormat::Jpeg), 0);
    EXPECT_TRUE(bitmap.StoreExtraInt(rvepTransparent, 1));
    EXPECT_TRUE(bitmap.StoreExtraInt(rvepTColor, 0xFF00));
    EXPECT_FALSE(jpeg.StoreExtraInt(rvepTransparent, 1));
    EXPECT_TRUE(bitmap.PictureTransparent);
    EXPECT_EQ(bitmap.PictureTransparentColor, 0xFF00);
    EXPECT_FALSE(jpeg.PictureTransparent);
}

TEST(ItemKinds, AssigningAPictureToAHotPictureKeepsItsKind)
{
    TRVGraphicItemInfo source(nullptr, MakePicture(platform::PictureFormat::Bitmap), 2);
    source.width = 40;
    source.ParaNo = 3;
    source.Hint = "tip";
    TRVHotGraphicItemInfo target(nullptr);
    target.AssignFrom(source);
    EXPECT_EQ(target.StyleNo, rvsHotPicture);
    EXPECT_EQ(target.Picture, source.Picture);
    EXPECT_EQ(target.width, 40);
    EXPECT_EQ(target.Placement, 2);
    EXPECT_EQ(target.ParaNo, 3);
    EXPECT_EQ(target.Hint, "tip");
    TRVGraphicItemInfo other(nullptr);
    other.AssignFrom(target);
    EXPECT_EQ(other.StyleNo, rvsPicture);
}

TEST(ItemKinds, Defaults)
{
    auto brk = CreateItemByStyleNo(nullptr, rvsBreak);
    auto& line = ItemAs<TRVBreakItemInfo>(brk.get());
    EXPECT_EQ(line.Thickness, 0);
    EXPECT_EQ(line.LineColor, 0);
    line.SetRecordDefaults();
    EXPECT_EQ(line.Thickness, 1);
    EXPECT_EQ(line.LineColor, clNone);
    EXPECT_EQ(line.LineKind, 0);

    auto picture = CreateItemByStyleNo(nullptr, rvsPicture);
    EXPECT_TRUE(ItemAs<TRVGraphicItemInfo>(picture.get()).resizable);
    auto control = CreateItemByStyleNo(nullptr, rvsComponent);
    EXPECT_FALSE(ItemAs<TRVControlItemInfo>(control.get()).resizable);
    EXPECT_TRUE(ItemAs<TRVControlItemInfo>(control.get()).visible());
    auto marker = CreateItemByStyleNo(nullptr, rvsListMarker);
    EXPECT_EQ(ItemAs<TRVMarkerItemInfo>(marker.get()).Counter, 1);
    EXPECT_EQ(ItemAs<TRVMarkerItemInfo>(marker.get()).MarkerListIndex, -1);
    auto seq = CreateItemByStyleNo(nullptr, rvsSequence);
    EXPECT_EQ(ItemAs<TRVSeqItemInfo>(seq.get()).SequenceValue, -1);
    EXPECT_TRUE(ItemAs<TRVSeqItemInfo>(seq.get()).CaptionFormat.empty());
    auto footnote = CreateItemByStyleNo(nullptr, rvsFootnote);
    EXPECT_EQ(ItemAs<TRVSeqItemInfo>(footnote.get()).CounterName, "@footnote@");
    EXPECT_EQ(ItemAs<TRVSeqItemInfo>(footnote.get()).NumberFormat, rvseqDecimal);
    auto endnote = CreateItemByStyleNo(nullptr, rvsEndnote);
    EXPECT_EQ(ItemAs<TRVSeqItemInfo>(endnote.get()).CounterName, "@endnote@");
    EXPECT_EQ(ItemAs<TRVSeqItemInfo>(endnote.get()).NumberFormat, rvseqDecimal);
    // Numbered items made in code keep the caption style and restart settings they are given.
    TRVSeqItemInfo unnamed(nullptr, "", rvseqDecimal, 3, true, 5);
    TRVFootnoteItemInfo codedFootnote(nullptr, 3, 5, true);
    TRVEndnoteItemInfo coded(nullptr, 3, 5, true);
    for (const TRVSeqItemInfo* made : std::initializer_list<const TRVSeqItemInfo*>{&unnamed, &codedFootnote, &coded}) {
        EXPECT_EQ(made->CaptionStyleNo, 3) << made->StyleNo;
        EXPECT_EQ(made->RestartValue, 5) << made->StyleNo;
        EXPECT_TRUE(made->RestartNumbering) << made->StyleNo;
    }
    EXPECT_EQ(codedFootnote.NumberFormat, rvseqDecimal);
    EXPECT_EQ(coded.NumberFormat, rvseqLowerRoman);
    EXPECT_EQ(unnamed.CounterName, kDefaultSeqName);
    auto text = CreateItemByStyleNo(nullptr, 3);
    EXPECT_EQ(text->FirstDrawItemNo, -1);
    EXPECT_EQ(text->DrawingTextStyle(), -1);
    auto tab = CreateItemByStyleNo(nullptr, rvsTab);
    tab->SetDrawingTextStyle(4);
    EXPECT_EQ(ItemAs<TRVTabItemInfo>(tab.get()).TabTextStyle, 4);
}

TEST(ItemKinds, ControlPlaceholderKeepsItsData)
{
    auto ctrl = std::make_unique<RvHostedControl>();
    ctrl->ClassName = "TButton";
    ctrl->StreamData = std::string("TPF0\0x", 6);
    RvHostedControl* raw = ctrl.get();
    TCustomRVData doc;
    doc.AppendItem("", MakeItem('T', 0));
    doc.AppendItem("btn", std::make_unique<TRVControlItemInfo>(nullptr, std::move(ctrl), 1));
    EXPECT_EQ(doc.FindControl(raw), 1);
    EXPECT_EQ(doc.FindControl(nullptr), -1);
    auto copy = doc.ItemAt(1)->MakeCopy(&doc);
    auto& copied = ItemAs<TRVControlItemInfo>(copy.get());
    ASSERT_NE(copied.HostedControl, nullptr);
    EXPECT_NE(copied.HostedControl.get(), raw);
    EXPECT_EQ(copied.HostedControl->StreamData, raw->StreamData);
    EXPECT_EQ(copied.Placement, 1);

    std::vector<ControlAction> actions;
    doc.Settings().OnControlAction = [&](ControlAction a, int32_t, RvHostedControl* c) {
        EXPECT_EQ(c, raw);
        actions.push_back(a);
    };
    doc.Clear();
    EXPECT_EQ(actions, std::vector<ControlAction>{rvcaDestroy});
}

TEST(SequenceNumbers, NumberTexts)
{
    struct Case {
        int32_t value;
        TRVSeqType format;
        const char* text;
    };
    const Case cases[] = {
        {1, rvseqDecimal, "1"},          {-12, rvseqDecimal, "-12"},
        {1, rvseqUpperAlpha, "A"},       {26, rvseqUpperAlpha, "Z"},
        {27, rvseqUpperAlpha, "AA"},     {28, rvseqLowerAlpha, "ab"},
        {702, rvseqUpperAlpha, "ZZ"},    {703, rvseqUpperAlpha, "AAA"},
        {0, rvseqUpperAlpha, ""},        {-1, rvseqLowerAlpha, ""},
        {1994, rvseqLowerRoman, "mcmxciv"}, {4000, rvseqUpperRoman, "MMMM"},
        {49, rvseqUpperRoman, "XLIX"},   {0, rvseqUpperRoman, "?"},
        {-3, rvseqLowerRoman, "?"},      {2147483647, rvseqUpperRoman, "2147483647"},
        {2147483647, rvseqUpperAlpha, "FXSHRXW"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SeqNumberText(c.value, c.format), c.text) << c.value << "/" << c.format;
}

TEST(SequenceNumbers, CaptionFormats)
{
    struct Case {
        const char* format;
        const char* caption;
    };
    const Case cases[] = {
        {"(%s)", "(7)"}, {"%%%s%%", "%7%"}, {"no number", "no number"},
        {"%d", ""},      {"50%", ""},       {"%s-%s", "7-7"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatSeqCaption(c.format, "7"), c.caption) << c.format;
    TRVSeqItemInfo seq(nullptr, "Fig", rvseqUpperRoman, 0, false, 1);
    seq.SequenceValue = 4;
    EXPECT_EQ(seq.BuildCaption(), "IV");
    seq.CaptionFormat = "Figure %s:";
    EXPECT_EQ(seq.BuildCaption(), "Figure IV:");
}

TEST(SequenceNumbers, RenumberingFollowsNamesAndRestarts)
{
    TCustomRVData doc;
    auto add = [&](const char* name, bool restart, int32_t value) {
        doc.AppendItem("", std::make_unique<TRVSeqItemInfo>(nullptr, name, rvseqDecimal, 0,
                                                            restart, value));
    };
    add("fig", false, 1);
    add("Tab", false, 1);
    add("FIG", false, 1);
    add("fig", true, 10);
    add("tab", false, 1);
    add("fig", false, 1);
    ASSERT_EQ(doc.Sequences.Count(), 6);
    RenumberSequence(doc.Sequences, 0);
    RenumberSequence(doc.Sequences, 1);
    std::string captions;
    for (int32_t i = 0; i < doc.Sequences.Count(); ++i)
        captions += doc.Sequences[i]->Caption + " ";
    EXPECT_EQ(captions, "1 1 2 10 2 11 ");
    EXPECT_FALSE(doc.Sequences[5]->CaptionMeasured);
}

TEST(NumberingLists, MarkersAndSequencesStayInDocumentOrder)
{
    TCustomRVData doc;
    doc.AppendItem("", MakeItem('M', 0));
    doc.AppendItem("", MakeItem('T', -1));
    doc.AppendItem("", MakeItem('M', 0));
    doc.AppendItem("", MakeItem('T', -1));
    // A marker inserted between the two listed ones goes between them in the list.
    doc.InsertItemAt(2, "", MakeItem('M', 0));
    ASSERT_EQ(doc.Markers.Count(), 3);
    for (int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(doc.Markers[i]->MarkerListIndex, i);
    EXPECT_EQ(doc.Markers[1], doc.ItemAt(2));
    doc.RemoveItems(0, 2);
    ASSERT_EQ(doc.Markers.Count(), 2);
    EXPECT_EQ(doc.Markers[0], doc.ItemAt(0));
    EXPECT_EQ(doc.Markers[0]->MarkerListIndex, 0);
    EXPECT_EQ(doc.Markers[1]->MarkerListIndex, 1);
    doc.Clear();
    EXPECT_EQ(doc.Markers.Count(), 0);
}

TEST(ItemActions, RaisedAroundInsertionAndDestruction)
{
    std::string log; // outlives the document, whose destruction raises actions too
    TCustomRVData doc;
    doc.Settings().OnItemAction = [&](ItemAction a, TCustomRVItemInfo*, TRVRawByteString& text,
                                      TCustomRVData* data) {
        EXPECT_EQ(data, &doc);
        log += std::to_string(a) + ":" + text + " ";
        if (a == rviaInserting)
            text += "!"; // the handler may change the text
    };
    doc.AppendItem("a", MakeItem('T', 0));
    doc.InsertItemAt(0, "b", MakeItem('T', 0));
    EXPECT_EQ(doc.TextAt(0), "b!");
    doc.RemoveItems(1, 1);
    EXPECT_EQ(log, "0:a 1:a! 0:b 1:b! 3:a! ");
}

} // namespace
} // namespace vellum::testing
