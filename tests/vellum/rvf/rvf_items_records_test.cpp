// Every non-text record kind read through the whole reader from hand-built RVF text, in hex and
// binary form where both exist.
#include "tests/vellum/rvf/rvf_items_test_util.h"
#include "vellum/document/break_item_info.h"
#include "vellum/document/graphic_item_info.h"
#include "vellum/document/marker_item_info.h"
#include "vellum/document/note_item_info.h"
#include "vellum/document/tab_item_info.h"
#include "vellum/layout/document_numbering.h"
#include "vellum/rvf/rvf_read_pass.h"
#include "vellum/rvf/rvf_reader.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using namespace std::string_literals;
using items_test::ToHex;

constexpr TRVFOptions kViewerOptions = 0xCC43;
const std::string kVersion = "-8 1 3\r\n";

std::string Binary(const std::string& bytes)
{
    std::string out;
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((bytes.size() >> (8 * i)) & 0xFF));
    return out + bytes;
}

// Three text styles, one paragraph style, one decimal list style.
struct Reader {
    TRVStyle style;
    TCustomRVData data;
    bool ok = false;

    explicit Reader(TRVFOptions options = kViewerOptions)
    {
        style.TextStyles().Clear();
        for (const char16_t* name : {u"Normal text", u"Heading", u"Caption"})
            style.TextStyles().Add().StyleName = name;
        style.ParaStyles().Clear();
        style.ParaStyles().Add();
        style.ListStyles().Clear();
        TRVListLevel& level = style.ListStyles().Add().Levels.Add();
        level.ListType = rvlstDecimal;
        level.FormatString = "%0:s.";
        data.Settings().Style = &style;
        data.Settings().RVFOptions = options;
    }

    bool Read(const std::string& bytes)
    {
        TRVMemoryStream stream(bytes);
        ok = ReadRvfStream(data, stream);
        NumberDocument(data);
        return ok;
    }
    uint8_t Warnings() const { return data.Settings().ReadWarnings; }
    std::string Kinds() const
    {
        std::string out;
        for (int32_t i = 0; i < data.CountItems(); ++i)
            out += (i ? " " : "") + std::to_string(data.ItemAt(i)->StyleNo);
        return out;
    }
    template <typename T>
    T& Item(int32_t itemNo)
    {
        return ItemAs<T>(data.ItemAt(itemNo));
    }
};

TEST(RvfItemsRecords, Breaks)
{
    const struct {
        const char* name;
        std::string header;
        bool ok;
        platform::Color color;
        uint8_t kind;
        uint8_t thickness;
    } cases[] = {
        {"all three numbers", "-1 0 0 0 0 0 255 2 3", true, 255, 2, 3},
        {"none", "-1 0 0 0 0 0", true, clNone, 0, 1},
        {"only two", "-1 0 0 0 0 0 255 2", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reader reader;
        EXPECT_EQ(reader.Read(kVersion + c.header + "\r\n0 1 0 0 0 0\r\nx\r\n"), c.ok);
        if (!c.ok) {
            EXPECT_EQ(reader.data.CountItems(), 0);
            continue;
        }
        ASSERT_EQ(reader.Kinds(), "-1 0");
        auto& line = reader.Item<TRVBreakItemInfo>(0);
        EXPECT_EQ(line.LineColor, c.color);
        EXPECT_EQ(line.LineKind, c.kind);
        EXPECT_EQ(line.Thickness, c.thickness);
    }
}

TEST(RvfItemsRecords, PicturesInHexAndBinary)
{
    const std::string bmp = items_test::SmallBmp();
    for (int32_t styleNo : {rvsPicture, rvsHotPicture}) {
        for (bool binary : {false, true}) {
            SCOPED_TRACE(std::to_string(styleNo) + (binary ? " binary" : " hex"));
            const std::string kind = std::to_string(styleNo);
            Reader reader;
            std::string body = binary ? Binary(bmp) : ToHex(bmp) + "\r\n";
            ASSERT_TRUE(reader.Read(kVersion + kind + " 6 0 0 " + (binary ? "2" : "0") +
                                    " 0 3\r\npic\r\nTBitmap\r\nwidth=40\r\nWidth=9\r\nhint=a\x01\x02" +
                                    "b\r\n" + body + "0 1 0 0 0 0\r\nx\r\n"));
            ASSERT_EQ(reader.Kinds(), kind + " 0");
            auto& picture = reader.Item<TRVGraphicItemInfo>(0);
            ASSERT_TRUE(picture.Picture);
            EXPECT_EQ(picture.Picture->Format(), platform::PictureFormat::Bitmap);
            EXPECT_EQ(picture.Picture->Width(), 2);
            EXPECT_EQ(picture.Picture->Height(), 3);
            EXPECT_EQ(picture.Placement, 3);
            EXPECT_EQ(picture.width, 40);
            EXPECT_EQ(picture.Hint, "a\r\nb");
            EXPECT_EQ(reader.data.ItemAt(0)->Text, "pic");
            EXPECT_EQ(reader.Warnings(), 0);
        }
    }
}

TEST(RvfItemsRecords, PictureFailuresAndDrops)
{
    const std::string bmp = items_test::SmallBmp();
    const struct {
        const char* name;
        std::string record;
        TRVFOptions options;
        bool ok;
        std::string kinds;
        uint8_t warnings;
    } cases[] = {
        {"corrupt body: the invalid picture, reading goes on",
         "-3 3 0 0 0 0\r\np\r\nTBitmap\r\n" + ToHex(bmp.substr(0, 30)) + "\r\n", kViewerOptions, true, "-3 0", 1u << 6},
        {"body beyond the pixel limit", "-3 3 0 0 2 0\r\np\r\nTBitmap\r\n" +
         Binary("BM"s + std::string(12, '\0') + "\x28\0\0\0\xFF\xFF\0\0\xFF\xFF\0\0\x01\0\x18\0"s +
                std::string(24, '\0')), kViewerOptions, true, "-3 0", 1u << 6},
        {"requested by name: dropped", "-3 2 0 0 1 0\r\np\r\nfilename=a.bmp\r\n", kViewerOptions, true, "0", 0},
        {"unknown class fails the pass", "-3 3 0 0 0 0\r\np\r\nTGIFImage\r\n4749\r\n", kViewerOptions, false, "", 1u << 0},
        {"unknown class let through: dropped", "-3 3 0 0 0 0\r\np\r\nTGIFImage\r\n4749\r\n",
         kViewerOptions | (1u << rvfoIgnoreUnknownPicFmt), true, "0", 1u << 0},
        {"binary body runs past the end", "-3 3 0 0 2 0\r\np\r\nTBitmap\r\n\x40\0\0\0BM"s, kViewerOptions, false, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reader reader(c.options);
        EXPECT_EQ(reader.Read(kVersion + c.record + "0 1 0 0 0 0\r\nx\r\n"), c.ok);
        EXPECT_EQ(reader.Kinds(), c.kinds);
        EXPECT_EQ(reader.Warnings(), c.warnings);
        if (c.kinds == "-3 0") {
            EXPECT_EQ(reader.Item<TRVGraphicItemInfo>(0).Picture->Width(), 32);
        }
    }
}

TEST(RvfItemsRecords, ItemsWithoutTheirParts)
{
    // Bullets and hotspots have no image list, controls no registered class: each is dropped
    // and the rest of the document still reads.
    const struct {
        const char* name;
        std::string record;
        uint8_t warnings;
    } cases[] = {
        {"bullet", "-6 2 0 0 0 0 0 3\r\nb\r\nalt=x\r\n", 0},
        {"hotspot", "-4 1 0 0 0 0 0 3 4\r\nh\r\n", 0},
        {"control, hex", "-5 4 0 0 0 0\r\nbtn\r\nTButton\r\nvisible=0\r\n54504630075442757474\r\n", 1u << 1},
        {"control, binary", "-5 3 0 0 2 0\r\nbtn\r\nTButton\r\n" + Binary("TPF0\x07TButton\0\0"s), 1u << 1},
        {"control, requested by name", "-5 1 0 0 1 0\r\nbtn\r\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reader reader;
        EXPECT_TRUE(reader.Read(kVersion + c.record + "0 1 0 0 0 0\r\nx\r\n"));
        EXPECT_EQ(reader.Kinds(), "0");
        EXPECT_EQ(reader.Warnings(), c.warnings);
    }
    Reader missing;
    EXPECT_FALSE(missing.Read(kVersion + "-6 1 0 0 0 0 0\r\nb\r\n"));
}

TEST(RvfItemsRecords, TabsAndMarkers)
{
    Reader reader;
    ASSERT_TRUE(reader.Read(kVersion + "-12 0 0 0 0 0 2\r\n-12 0 -1 0 0 0 \"Heading\"\r\n" +
                            "-11 1 0 0 0 0 0 0 5 1\r\nnohtmlsize=1\r\n0 1 -1 0 0 0\r\nitem\r\n" +
                            "-11 0 0 0 0 0 0 0 1 0\r\n0 1 -1 0 0 0\r\nnext\r\n"));
    ASSERT_EQ(reader.Kinds(), "-12 -12 -11 0 -11 0");
    EXPECT_EQ(reader.Item<TRVTabItemInfo>(0).TabTextStyle, 2);
    EXPECT_EQ(reader.Item<TRVTabItemInfo>(1).TabTextStyle, 1);
    auto& marker = reader.Item<TRVMarkerItemInfo>(2);
    EXPECT_EQ(marker.ListNo, 0);
    EXPECT_EQ(marker.StartFrom, 5);
    EXPECT_TRUE(marker.ResetNumbering);
    EXPECT_TRUE(marker.nohtmlsize);
    EXPECT_EQ(marker.MarkerText, "5.");
    EXPECT_EQ(reader.Item<TRVMarkerItemInfo>(4).MarkerText, "6.");
}

TEST(RvfItemsRecords, MarkerAsTheLastRecord)
{
    const struct {
        const char* name;
        std::string records;
        std::string kinds;
        std::string markerText;
    } cases[] = {
        {"alone", "-11 0 0 0 0 0 0 0 1 0\r\n", "-11 0", "1."},
        {"after text", "0 1 0 0 0 0\r\nx\r\n-11 0 0 0 0 0 0 2 1 0\r\n", "0 -11 0", "1."},
        {"list outside the table", "-11 0 0 0 0 0 4 0 1 0\r\n", "-11 0", "1."},
        {"negative level", "-11 0 0 0 0 0 0 -1 1 0\r\n", "-11 0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reader reader;
        ASSERT_TRUE(reader.Read(kVersion + c.records));
        ASSERT_EQ(reader.Kinds(), c.kinds);
        const int32_t last = reader.data.CountItems() - 1;
        EXPECT_EQ(reader.Item<TRVMarkerItemInfo>(last - 1).MarkerText, c.markerText);
        // The empty text after the marker continues the marker's paragraph.
        EXPECT_EQ(reader.data.ItemAt(last)->Text, "");
        EXPECT_TRUE(reader.data.ItemAt(last)->ContinuesParagraph());
    }
}

TEST(RvfItemsRecords, LabelsAndSequences)
{
    Reader reader;
    ASSERT_TRUE(reader.Read(kVersion + "-200 7 0 0 0 0\r\nSee\x01\r\n\"Caption\"\r\n30\r\n2\r\nprotect\r\nlbl\r\nhint=h\r\n" +
                            "-202 10 -1 0 0 0\r\nFig\r\n4\r\n0\r\n1\r\n2\r\n0\r\n0\r\nno-protect\r\nseq\r\n(%s)\r\n" +
                            "-202 10 -1 0 0 0\r\nfig\r\n4\r\n0\r\n1\r\n2\r\n0\r\n0\r\nno-protect\r\nseq\r\n(%s)\r\n"));
    ASSERT_EQ(reader.Kinds(), "-200 -202 -202");
    auto& label = reader.Item<TRVLabelItemInfo>(0);
    EXPECT_EQ(label.Caption, "See\r");
    EXPECT_EQ(label.CaptionStyleNo, 2);
    EXPECT_EQ(label.MinCaptionWidth, 30);
    EXPECT_EQ(label.CaptionAlign, 2);
    EXPECT_TRUE(label.LockCaptionStyle);
    EXPECT_EQ(label.Hint, "h");
    EXPECT_EQ(reader.data.ItemAt(0)->Text, "lbl");
    auto& second = reader.Item<TRVSeqItemInfo>(2);
    EXPECT_EQ(second.NumberFormat, rvseqUpperRoman);
    EXPECT_EQ(second.SequenceValue, 2); // counter names compare without case
    EXPECT_EQ(second.Caption, "(II)");
    EXPECT_TRUE(second.ContinuesParagraph());

    Reader bad;
    EXPECT_FALSE(bad.Read(kVersion + "-200 6 0 0 0 0\r\nc\r\n0\r\nwide\r\n0\r\nprotect\r\nt\r\n"));
    // A caption style outside the table drops the label only.
    Reader badStyle;
    EXPECT_TRUE(badStyle.Read(kVersion + "-200 6 0 0 0 0\r\nc\r\n7\r\n0\r\n0\r\nprotect\r\nt\r\n0 1 0 0 0 0\r\nx\r\n"));
    EXPECT_EQ(badStyle.Kinds(), "0");
    EXPECT_EQ(badStyle.Warnings(), 1u << 2);
}

// A note's text with a reference to its note and a word in text style 1.
const std::string kNoteBody = "-8 1 3\r\n-205 5 0 0 0 0\r\n0\r\n0\r\n0\r\nno-protect\r\nref\r\n1 1 -1 0 0 0\r\n note\r\n";

TEST(RvfItemsRecords, NotesReadTheirTextInTheSamePass)
{
    for (int32_t styleNo : {rvsFootnote, rvsEndnote}) {
        for (bool binary : {false, true}) {
            SCOPED_TRACE(std::to_string(styleNo) + (binary ? " binary" : " hex"));
            Reader reader;
            std::string note = std::to_string(styleNo) + " 8 0 0 " + (binary ? "2" : "0") +
                               " 0\r\n0\r\n0\r\n0\r\nprotect\r\n0\r\n1\r\nn\r\n" +
                               (binary ? Binary(kNoteBody) : ToHex(kNoteBody) + "\r\n");
            ASSERT_TRUE(reader.Read(kVersion + note + note + "0 1 -1 0 0 0\r\nafter\r\n"));
            ASSERT_EQ(reader.Kinds(), std::to_string(styleNo) + " " + std::to_string(styleNo) + " 0");
            auto& second = reader.Item<TCustomRVNoteItemInfo>(1);
            EXPECT_EQ(second.SequenceValue, 2);
            EXPECT_EQ(second.Caption, "2");
            ASSERT_TRUE(second.NoteDocument);
            TCustomRVData& text = *second.NoteDocument;
            ASSERT_EQ(text.CountItems(), 2);
            EXPECT_EQ(text.ItemAt(0)->StyleNo, rvsNoteReference);
            EXPECT_EQ(ItemAs<TRVLabelItemInfo>(text.ItemAt(0)).Caption, "2");
            EXPECT_EQ(text.ItemAt(1)->StyleNo, 1);
            EXPECT_EQ(text.ItemAt(1)->Text, " note");
        }
    }
}

TEST(RvfItemsRecords, NoteTextsGoThroughTheMapsOfTheOuterPass)
{
    // As when the document's text styles were merged into the style sheet: file style 0 is
    // sheet style 2, file style 1 is sheet style 0.
    Reader reader;
    RvfReadPass outer;
    outer.TextStyleMap = std::make_unique<TRVIntegerList>(TRVIntegerList{2, 0});
    outer.Depth = 1;
    reader.data.Settings().RVFReadPass = &outer;
    const std::string body = "-8 1 3\r\n0 1 0 0 0 0\r\nnote\r\n1 1 -1 0 0 0\r\n more\r\n";
    TRVMemoryStream stream(kVersion + "-203 8 0 0 2 0\r\n1\r\n0\r\n0\r\np\r\n0\r\n1\r\nn\r\n" +
                           Binary(body) + "0 1 -1 0 0 0\r\nmain\r\n");
    RvfInsertParams params;
    EXPECT_TRUE(InsertRvf(reader.data, stream, params));
    reader.data.Settings().RVFReadPass = nullptr;
    ASSERT_EQ(reader.Kinds(), "-203 2");
    auto& note = reader.Item<TCustomRVNoteItemInfo>(0);
    EXPECT_EQ(note.CaptionStyleNo, 0);
    ASSERT_EQ(note.NoteDocument->CountItems(), 2);
    EXPECT_EQ(note.NoteDocument->ItemAt(0)->StyleNo, 2);
    EXPECT_EQ(note.NoteDocument->ItemAt(1)->StyleNo, 0);
}

TEST(RvfItemsRecords, NoteFailures)
{
    const struct {
        const char* name;
        std::string body;
    } cases[] = {
        {"text style outside the table", ToHex("-8 1 3\r\n9 1 0 0 0 0\r\nx\r\n")},
        {"incomplete note text", ToHex("-8 1 3\r\n0 2 0 0 0 0\r\nx\r\n")},
        {"bad hex digit", ToHex(kNoteBody) + "G0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reader reader;
        EXPECT_FALSE(reader.Read(kVersion + "-203 8 0 0 0 0\r\n0\r\n0\r\n0\r\nprotect\r\n0\r\n1\r\nn\r\n" + c.body + "\r\n"));
    }
}

TEST(RvfItemsRecords, NotesNestedTooDeeplyFail)
{
    std::string body = "-8 1 3\r\n0 1 0 0 0 0\r\nx\r\n";
    for (int depth = 0; depth < 40; ++depth)
        body = "-8 1 3\r\n-203 8 0 0 2 0\r\n0\r\n0\r\n0\r\np\r\n0\r\n1\r\nn\r\n" + Binary(body);
    Reader reader;
    EXPECT_FALSE(reader.Read(body));
}

} // namespace
} // namespace vellum
