// Fixed data lines of item records, fed line by line as the record framing hands them over.
#include "vellum/rvf/rvf_item_lines.h"

#include "tests/vellum/rvf/rvf_items_test_util.h"
#include "vellum/document/control_item_info.h"
#include "vellum/document/graphic_item_info.h"
#include "vellum/document/item_registry.h"
#include "vellum/document/label_item_info.h"
#include "vellum/document/note_item_info.h"
#include "vellum/document/seq_item_info.h"
#include "vellum/rvf/rvf_picture_body.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using items_test::FakeItemContext;
using items_test::Hex;
using platform::PictureFormat;

struct Fed {
    bool ok = true;
    RvfHeader header;
};

// Hands every line to the reader, as the framing would (lines it keeps for itself are harmless).
Fed Feed(TCustomRVItemInfo& item, int32_t dataMode, const std::vector<std::string>& lines,
         FakeItemContext& context)
{
    Fed fed;
    fed.header.StyleNo = item.StyleNo;
    fed.header.DataMode = dataMode;
    fed.header.LineCount = static_cast<int32_t>(lines.size());
    for (size_t i = 0; i < lines.size() && fed.ok; ++i) {
        fed.header.LineIndex = static_cast<int32_t>(i);
        fed.ok = ReadFixedItemLine(item, fed.header, lines[i], context);
    }
    return fed;
}

std::unique_ptr<TCustomRVItemInfo> Make(int32_t styleNo, TCustomRVData& data)
{
    std::unique_ptr<TCustomRVItemInfo> item = CreateItemByStyleNo(&data, styleNo);
    item->BeforeLoading(data);
    return item;
}

TEST(RvfItemsLines, LabelCaptionLines)
{
    const struct {
        const char* name;
        std::vector<std::string> lines;
        bool ok;
        std::string caption;
        int32_t style;
        bool byName;
        int32_t minWidth;
        uint8_t align;
        bool lock;
    } cases[] = {
        {"numbers", {"Fig\x01\x02", "2", "40", "1", "protect", "text"}, true, "Fig\r\n", 2, false, 40, 1, true},
        {"style by name", {"c", "\"Heading\"", "0", "2", "no-protect", "t"}, true, "c", 1, true, 0, 2, false},
        {"unknown alignment reads as left", {"c", "0", "-5", "7", "Protect", "t"}, true, "c", 0, false, -5, 0, false},
        {"minimum width not a number", {"c", "0", "4O", "0", "protect", "t"}, false, "c", 0, false, 0, 0, false},
        {"style not a number", {"c", "x", "0", "0", "protect", "t"}, false, "c", 0, false, 0, 0, false},
        {"unterminated style name", {"c", "\"Head", "0", "0", "protect", "t"}, false, "c", 0, false, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCustomRVData data;
        FakeItemContext context;
        auto item = Make(rvsLabel, data);
        Fed fed = Feed(*item, 0, c.lines, context);
        auto& label = static_cast<TRVLabelItemInfo&>(*item);
        EXPECT_EQ(fed.ok, c.ok);
        EXPECT_EQ(label.Caption, c.caption);
        EXPECT_EQ(label.CaptionStyleNo, c.style);
        EXPECT_EQ(fed.header.ItemByName, c.byName);
        if (!c.ok)
            continue;
        EXPECT_EQ(label.MinCaptionWidth, c.minWidth);
        EXPECT_EQ(label.CaptionAlign, c.align);
        EXPECT_EQ(label.LockCaptionStyle, c.lock);
    }
}

TEST(RvfItemsLines, SequenceLines)
{
    const struct {
        const char* name;
        std::vector<std::string> lines;
        bool ok;
        TRVSeqType format;
        bool restart;
        int32_t restartValue;
        std::string captionFormat;
    } cases[] = {
        {"roman, restarting", {"Fig", "4", "1", "5", "0", "0", "0", "protect", "t", "(%s)"}, true, rvseqUpperRoman, true, 5, "(%s)"},
        {"only \"0\" keeps numbering going", {"Fig", "0", "00", "1", "0", "0", "0", "p", "t", ""}, true, rvseqDecimal, true, 1, ""},
        {"\"0\"", {"Fig", "2", "0", "3", "0", "0", "0", "p", "t", "a\x01"}, true, rvseqUpperAlpha, false, 3, "a\r"},
        {"unknown format reads as decimal", {"Fig", "9", "0", "1", "0", "0", "0", "p", "t", ""}, true, rvseqDecimal, false, 1, ""},
        {"format not a number", {"Fig", "", "0", "1", "0", "0", "0", "p", "t", ""}, false, rvseqDecimal, false, 1, ""},
        {"restart value overflows", {"Fig", "1", "1", "2147483648", "0", "0", "0", "p", "t", ""}, false, rvseqLowerAlpha, true, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCustomRVData data;
        FakeItemContext context;
        auto item = Make(rvsSequence, data);
        Fed fed = Feed(*item, 0, c.lines, context);
        auto& seq = static_cast<TRVSeqItemInfo&>(*item);
        EXPECT_EQ(fed.ok, c.ok);
        EXPECT_EQ(seq.CounterName, "Fig");
        EXPECT_EQ(seq.NumberFormat, c.format);
        EXPECT_EQ(seq.RestartNumbering, c.restart);
        EXPECT_EQ(seq.RestartValue, c.restartValue);
        EXPECT_EQ(seq.CaptionFormat, c.captionFormat);
    }
}

TEST(RvfItemsLines, NoteLinesAndBody)
{
    const std::string body = "-8 1 3\r\n0 1 0 0 0 0\r\nnote text\r\n";
    for (int32_t styleNo : {rvsFootnote, rvsEndnote}) {
        for (int32_t dataMode : {0, 2}) {
            SCOPED_TRACE(std::to_string(styleNo) + " mode " + std::to_string(dataMode));
            TCustomRVData data;
            FakeItemContext context;
            auto item = Make(styleNo, data);
            const std::string stored = dataMode == 2 ? body : Hex(body);
            Fed fed = Feed(*item, dataMode, {"1", "12", "2", "protect", "1", "7", "t", "hint=h", stored}, context);
            auto& note = static_cast<TCustomRVNoteItemInfo&>(*item);
            EXPECT_TRUE(fed.ok);
            EXPECT_EQ(note.CaptionStyleNo, 1);
            EXPECT_EQ(note.MinCaptionWidth, 12);
            EXPECT_EQ(note.CaptionAlign, 2);
            EXPECT_TRUE(note.LockCaptionStyle);
            EXPECT_TRUE(note.RestartNumbering);
            EXPECT_EQ(note.RestartValue, 7);
            EXPECT_EQ(context.nestedBodies, std::vector<std::string>{body});
        }
    }
}

TEST(RvfItemsLines, NoteBodyFailures)
{
    const struct {
        const char* name;
        std::string body;
        bool nestedResult;
        size_t reads;
    } cases[] = {
        {"nested document fails", Hex("0 1 0 0 0 0\r\n"), false, 1},
        {"odd hex", "2D3", true, 0},
        {"bad hex digit", "2D38G0", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCustomRVData data;
        FakeItemContext context;
        context.nestedResult = c.nestedResult;
        auto item = Make(rvsFootnote, data);
        EXPECT_FALSE(Feed(*item, 0, {"0", "0", "0", "p", "0", "1", "t", c.body}, context).ok);
        EXPECT_EQ(context.nestedBodies.size(), c.reads);
    }
}

TEST(RvfItemsLines, NoteReferenceLines)
{
    TCustomRVData data;
    FakeItemContext context;
    auto item = Make(rvsNoteReference, data);
    Fed fed = Feed(*item, 0, {"\"Caption\"", "3", "1", "no-protect", "t"}, context);
    auto& ref = static_cast<TRVNoteReferenceItemInfo&>(*item);
    EXPECT_TRUE(fed.ok);
    EXPECT_TRUE(fed.header.ItemByName);
    EXPECT_EQ(ref.CaptionStyleNo, 2);
    EXPECT_EQ(ref.MinCaptionWidth, 3);
    EXPECT_EQ(ref.CaptionAlign, 1);
    EXPECT_FALSE(ref.LockCaptionStyle);
}

TEST(RvfItemsLines, ControlBodiesAreSkippedWithAWarning)
{
    const struct {
        const char* name;
        int32_t dataMode;
        std::vector<std::string> lines;
        uint8_t warnings;
    } cases[] = {
        {"hex body", 0, {"name", "TButton", "visible=0", "545046300754427574746F6E00"}, 1u << 1},
        {"broken hex body", 0, {"name", "TButton", "zz"}, 1u << 1},
        {"binary body", 2, {"name", "TEdit", "TPF0\x05TEdit\x00\x00"}, 1u << 1},
        {"requested by name", 1, {"name", "hint=x"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCustomRVData data;
        FakeItemContext context;
        auto item = Make(rvsComponent, data);
        EXPECT_TRUE(Feed(*item, c.dataMode, c.lines, context).ok);
        EXPECT_EQ(context.warnings, c.warnings);
        EXPECT_FALSE(item->Valid());
    }
}

TEST(RvfItemsLines, PictureRecords)
{
    const std::string bmp = items_test::SmallBmp();
    const struct {
        const char* name;
        int32_t dataMode;
        std::vector<std::string> lines;
        TRVFOptions options;
        bool ok;
        uint8_t warnings;
        int width; // -1: no picture; 32: the invalid picture
    } cases[] = {
        {"hex", 0, {"p", "TBitmap", Hex(bmp)}, 0, true, 0, 2},
        {"lower-case hex", 0, {"p", "TBitmap", "width=5", "", "x", items_test::Hex(bmp)}, 0, true, 0, 2},
        {"binary", 2, {"p", "TBitmap", bmp}, 0, true, 0, 2},
        {"unknown mode reads as hex", 7, {"p", "TBitmap", Hex(bmp)}, 0, true, 0, 2},
        {"by name: no picture", 1, {"p", "filename=a.bmp"}, 0, true, 0, -1},
        {"no line for the body", 0, {"p", "TBitmap"}, 0, true, 0, -1},
        {"unknown class fails", 0, {"p", "TGIFImage", "4749"}, 0, false, 1u << 0, -1},
        {"unknown class let through", 0, {"p", "TGIFImage", "4749"},
         OptionBit<TRVFOptions>(rvfoIgnoreUnknownPicFmt), true, 1u << 0, -1},
        {"odd hex gives the invalid picture", 0, {"p", "TBitmap", Hex(bmp) + "0"}, 0, true, 1u << 6, 32},
        {"corrupt bitmap", 0, {"p", "TBitmap", Hex(bmp.substr(0, 40))}, 0, true, 1u << 6, 32},
        {"a bitmap is no icon", 2, {"p", "TIcon", bmp}, 0, true, 1u << 6, 32},
        {"bad digit after a whole picture fails", 0, {"p", "TBitmap", Hex(bmp) + "QQ"}, 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCustomRVData data;
        FakeItemContext context;
        context.options = c.options;
        auto item = Make(rvsPicture, data);
        Fed fed = Feed(*item, c.dataMode, c.lines, context);
        auto& picture = static_cast<TRVGraphicItemInfo&>(*item);
        EXPECT_EQ(fed.ok, c.ok);
        EXPECT_EQ(context.warnings, c.warnings);
        if (!c.ok)
            continue;
        if (c.width < 0) {
            EXPECT_FALSE(picture.Picture);
            EXPECT_FALSE(picture.Valid());
            continue;
        }
        ASSERT_TRUE(picture.Picture);
        EXPECT_EQ(picture.Picture->Width(), c.width);
        if (c.width == 32) {
            EXPECT_EQ(picture.Picture.get(), context.invalid.get());
        }
    }
}

TEST(RvfItemsLines, PicturesOfEveryClassDecodeToTheirSize)
{
    const struct {
        const char* className;
        std::string bytes;
        PictureFormat format;
    } cases[] = {
        {"TBitmap", items_test::SmallBmp(), PictureFormat::Bitmap},
        {"TIcon", items_test::CorpusPicture("ico_alpha"), PictureFormat::Icon},
        {"TJPEGImage", items_test::CorpusPicture("jpeg_baseline"), PictureFormat::Jpeg},
        {"TMetafile", items_test::CorpusPicture("wmf_placeable"), PictureFormat::Metafile},
        {"TMetafile", items_test::CorpusPicture("emf"), PictureFormat::EnhancedMetafile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.className);
        ASSERT_FALSE(c.bytes.empty());
        std::unique_ptr<platform::Picture> expected = platform::DecodePicture(c.format, c.bytes);
        ASSERT_TRUE(expected);
        for (int32_t dataMode : {0, 2}) {
            TCustomRVData data;
            FakeItemContext context;
            auto item = Make(rvsHotPicture, data);
            std::string body = dataMode == 2 ? c.bytes : Hex(c.bytes);
            ASSERT_TRUE(Feed(*item, dataMode, {"p", c.className, body}, context).ok);
            auto& picture = static_cast<TRVGraphicItemInfo&>(*item);
            ASSERT_TRUE(picture.Picture);
            EXPECT_EQ(picture.Picture->Format(), c.format);
            EXPECT_EQ(picture.Picture->Width(), expected->Width());
            EXPECT_EQ(picture.Picture->Height(), expected->Height());
            EXPECT_EQ(picture.Picture->Bytes(), c.bytes);
            EXPECT_EQ(context.warnings, 0);
        }
    }
}

TEST(RvfItemsLines, PictureClassNamesRoundTrip)
{
    for (PictureFormat format : {PictureFormat::Bitmap, PictureFormat::Icon, PictureFormat::Jpeg,
                                 PictureFormat::Metafile})
        EXPECT_EQ(PictureFormatOfClass(PictureClassName(format)), format);
    EXPECT_EQ(PictureClassName(PictureFormat::EnhancedMetafile), "TMetafile");
    EXPECT_FALSE(PictureFormatOfClass("tbitmap"));
}

TEST(RvfItemsLines, BitmapExtrasApplyBeforeTheBody)
{
    // The class line tells the extras that follow it what kind of picture they describe.
    TCustomRVData data;
    FakeItemContext context;
    auto item = Make(rvsPicture, data);
    RvfHeader header;
    header.StyleNo = rvsPicture;
    header.LineCount = 4;
    header.LineIndex = 1;
    ASSERT_TRUE(ReadFixedItemLine(*item, header, "TBitmap", context));
    EXPECT_TRUE(item->StoreExtraInt(rvepTransparent, 1));
    header.LineIndex = 3;
    ASSERT_TRUE(ReadFixedItemLine(*item, header, Hex(items_test::SmallBmp()), context));
    int32_t transparent = 0;
    EXPECT_TRUE(item->FetchExtraInt(rvepTransparent, transparent));
    EXPECT_EQ(transparent, 1);
}

TEST(RvfItemsLines, LineIntegers)
{
    const struct {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {
        {"0", 0}, {"-12", -12}, {"+7", 7}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt}, {"", std::nullopt}, {"-", std::nullopt}, {"+", std::nullopt},
        {"++1", std::nullopt}, {" 1", std::nullopt}, {"1 ", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseRvfLineInteger(c.text), c.value);
    }
}

} // namespace
} // namespace vellum
