// Reading RVF into a document: the records' items, paragraphs, checkpoints, styles, warnings,
// and what stays after a failure. Each case is a byte string and the items it must give.
#include "vellum/rvf/rvf_reader.h"

#include "vellum/rvf/rvf_read_pass.h"
#include "vellum/style/rv_style.h"

#include "tests/vellum/rvf/printable_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellum {
namespace {

using namespace std::string_literals;

constexpr TRVFOptions kViewerOptions = 0xCC43; // the snapshot view's RVF options
constexpr TRVFOptions kConvert = 1u << rvfoConvUnknownStylesToZero;

using vellum::testing::Printable;

// A style sheet of six text styles (style 5 holds UTF-16 text) and two paragraph styles.
struct Reader {
    TRVStyle style;
    std::vector<std::string> properties;
    TCustomRVData data; // last: it refers to the two above until it is gone

    explicit Reader(TRVFOptions options = kViewerOptions, bool stringTags = false)
    {
        style.TextStyles().Clear();
        const char16_t* names[] = {u"Normal text", u"Heading", u"Subheading", u"Keywords", u"Jump 1", u"Wide"};
        for (const char16_t* name : names)
            style.TextStyles().Add().StyleName = name;
        style.TextStyles()[5].Unicode = true;
        style.ParaStyles().Clear();
        style.ParaStyles().Add().StyleName = u"Paragraph Style";
        style.ParaStyles().Add().StyleName = u"Centered";
        style.ListStyles().Clear();
        data.Settings().Style = &style;
        data.Settings().RVFOptions = options;
        data.Settings().DocProperties = &properties;
        if (stringTags)
            data.Settings().Options |= OptionBit<TRVOptions>(rvoTagsArePChars);
    }

    bool Read(const std::string& bytes)
    {
        TRVMemoryStream stream(bytes);
        return ReadRvfStream(data, stream);
    }

    // "StyleNo:ParaNo:Options[text]" per item, with "@name" for a checkpoint.
    std::string Items() const
    {
        std::string out;
        for (int32_t i = 0; i < data.CountItems(); ++i) {
            const TCustomRVItemInfo* item = data.ItemAt(i);
            if (!out.empty())
                out += ' ';
            out += std::to_string(item->StyleNo) + ":" + std::to_string(item->ParaNo) + ":" +
                   std::to_string(item->Options) + "[" + Printable(item->Text) + "]";
            if (item->AttachedCheckpoint)
                out += "@" + item->AttachedCheckpoint->Name;
        }
        if (data.EndCheckpoint)
            out += " @end:" + data.EndCheckpoint->Name;
        return out;
    }
};

struct ReadCase {
    const char* what;
    std::string input;
    bool ok;
    std::string items;
    uint8_t warnings = 0;
    TRVFOptions options = kViewerOptions;
};

void RunCases(const std::vector<ReadCase>& cases)
{
    for (const ReadCase& c : cases) {
        Reader reader(c.options);
        EXPECT_EQ(reader.Read(c.input), c.ok) << c.what;
        EXPECT_EQ(reader.Items(), c.items) << c.what;
        EXPECT_EQ(reader.data.Settings().ReadWarnings, c.warnings) << c.what;
    }
}

TEST(RvfReader, DocumentsAndParagraphs)
{
    RunCases({
        {"empty file", "", true, ""},
        {"version only", "-8 1 3\r\n", true, ""},
        {"two lines, both start a paragraph", "0 2 0 0 0 0\r\nab\r\ncd\r\n", true,
         "0:0:0[ab] 0:0:0[cd]"},
        {"continuation at the start", "0 1 -1 0 0 0\r\nx\r\n", true, "0:0:0[x]"},
        {"continuation after text", "0 1 1 0 0\r\na\r\n2 1 -1 0 0\r\nb\r\n", true,
         "0:1:0[a] 2:1:1[b]"},
        {"continuation after a break starts a paragraph", "-1 0 1 0 0\r\n0 1 -1 0 0\r\nx\r\n",
         true, "-1:1:0[] 0:0:0[x]"},
        {"no Options field before 1.2", "0 1 0 0 0\r\nx", true, "0:0:0[x]"},
        {"zero lines: one empty item", "3 0 1 0 0\r\n", true, "3:1:0[]"},
        {"break and tab from their headers", "-1 0 0 0 0\r\n-12 0 -1 0 0\r\n", true,
         "-1:0:0[] -12:0:0[]"},
        {"unknown record skipped", "-77 3 0 0 0 0\r\na\r\nb\r\nc\r\n0 1 0 0 0\r\nx\r\n", true,
         "0:0:0[x]"},
        {"lone CR and LF", "0 2 0 0 0\rab\ncd", true, "0:0:0[ab] 0:0:0[cd]"},
        {"styles by name", "\"Keywords\" 1 \"Centered\" 0 0\r\nx\r\n", true, "3:1:0[x]"},
        {"new line inside a paragraph", "-8 1 3\r\n0 1 0 0 0 0\r\na\r\n0 1 0 4 0 0\r\nb\r\n", true,
         "0:0:0[a] 0:0:4[b]"},
        {"page break", "-8 1 3\r\n0 1 0 0 0 0\r\na\r\n0 1 1 2 0 0\r\nb\r\n", true,
         "0:0:0[a] 0:1:2[b]"},
        {"paragraph numbers follow the paragraph's first item",
         "-8 1 3\r\n0 1 1 0 0 0\r\na\r\n0 1 0 4 0 0\r\nb\r\n", true, "0:1:0[a] 0:1:4[b]"},
    });
}

TEST(RvfReader, OptionsAreMaskedAndFirstItemsStartParagraphs)
{
    RunCases({
        {"high bits dropped, first item starts its paragraph", "-8 1 3\r\n0 1 0 244 0 0\r\na\r\n",
         true, "0:0:0[a]"},
        {"later items keep the new line", "-8 1 3\r\n0 1 0 0 0 0\r\na\r\n0 1 0 244 0 0\r\nb\r\n",
         true, "0:0:0[a] 0:0:4[b]"},
        {"full-line items never start a new line", "-8 1 3\r\n0 1 0 0 0 0\r\na\r\n-1 0 0 4 0 0\r\n",
         true, "0:0:0[a] -1:0:0[]"},
        {"continuation flag without continuation", "-8 1 3\r\n0 1 1 1 0 0\r\na\r\n", true,
         "0:1:0[a]"},
    });
}

TEST(RvfReader, TextStylesAndConversion)
{
    const uint8_t styleWarning = 1 << 2;
    RunCases({
        {"style beyond the sheet fails", "0 1 0 0 0\r\na\r\n9 1 0 0 0\r\nb\r\n", false, "0:0:0[a]",
         styleWarning},
        {"style beyond the sheet converted", "9 1 0 0 0\r\nb\r\n", true, "0:0:0[b]", styleWarning,
         kViewerOptions | kConvert},
        {"paragraph beyond the sheet fails", "0 1 7 0 0\r\nb\r\n", false, "", styleWarning},
        {"paragraph beyond the sheet converted", "0 1 7 0 0\r\nb\r\n", true, "0:0:0[b]",
         styleWarning, kViewerOptions | kConvert},
        {"UTF-16 in a single-byte style", "-8 1 3\r\n0 1 0 8 0 0\r\n`O}Y\x29\x20"s, true,
         "0:0:0[\\xC4\\xE3\\xBA\\xC3]", 1 << 5},
        {"UTF-16 in a Unicode style", "-8 1 3\r\n5 1 0 8 0 0\r\n`O}Y\x29\x20"s, true,
         "5:0:8[`O}Y]"},
        {"single-byte in a Unicode style", "-8 1 3\r\n5 1 0 0 0 0\r\n\xC4\xE3\r\n"s, true,
         "5:0:8[`O]", 1 << 4},
        {"hex UTF-16", "-8 1 3\r\n5 1 0 8 3 0\r\n604F7d59\r\n", true, "5:0:8[`O}Y]"},
        {"hex with an odd byte count keeps whole units", "-8 1 3\r\n5 1 0 8 3 0\r\n604F7d\r\n",
         true, "5:0:8[`O]"},
        {"hex of odd length is empty", "-8 1 3\r\n5 1 0 8 3 0\r\n604F7\r\n", true, "5:0:8[]"},
        {"hex stops at junk", "-8 1 3\r\n5 1 0 8 3 0\r\n604Fzz59\r\n", true, "5:0:8[`O]"},
        {"raw UTF-16 then a header", "-8 1 3\r\n5 2 0 8 0 0\r\nA\0\x29\x20" "B\0\x29\x20" "0 1 0 0 0 0\r\nc\r\n"s,
         true, "5:0:8[A\\x00] 5:0:8[B\\x00] 0:0:0[c]"},
        {"UTF-8 strings name styles", "-8 1 3 1\r\n\"Jump 1\" 1 0 0 0 0\r\nx\r\n", true, "4:0:0[x]"},
    });
}

TEST(RvfReader, Checkpoints)
{
    RunCases({
        {"checkpoint before the first item", "-2 1 0 0 0\r\nstart\r\n0 2 0 0 0\r\na\r\nb\r\n", true,
         "0:0:0[a]@start 0:0:0[b]"},
        {"checkpoint in the middle", "0 1 0 0 0\r\na\r\n-2 1 0 0 0\r\nmid\r\n0 1 0 0 0\r\nb\r\n", true,
         "0:0:0[a] 0:0:0[b]@mid"},
        {"checkpoint at the end", "0 1 0 0 0\r\na\r\n-2 1 0 0 0\r\nend\r\n", true,
         "0:0:0[a] @end:end"},
        {"second pending checkpoint ignored", "-2 1 0 0 0\r\none\r\n-2 1 0 0 0\r\ntwo\r\n0 1 0 0 0\r\na\r\n",
         true, "0:0:0[a]@one"},
        {"unknown record drops the pending checkpoint",
         "-2 1 0 0 0\r\ncp\r\n-77 1 0 0 0\r\nz\r\n0 1 0 0 0\r\na\r\n", true, "0:0:0[a]"},
        {"escaped and UTF-8 names", "-8 1 3 1\r\n-2 1 0 0 0 0\r\n\xE4\xBD\xA0\x01\r\n0 1 0 0 0 0\r\na\r\n"s,
         true, "0:0:0[a]@\xC4\xE3\r"},
        {"failure frees a pending checkpoint", "0 1 0 0 0\r\na\r\n-2 1 0 0 0\r\nx\r\n0 2 0 0 0\r\n",
         false, "0:0:0[a]"},
    });
    Reader reader;
    ASSERT_TRUE(reader.Read("-8 1 3\r\n-2 1 0 0 0 7 1 1\r\ncp\r\n0 1 0 0 0 0\r\na\r\n"));
    const TRVCPInfo* cp = reader.data.CheckpointAt(0);
    ASSERT_NE(cp, nullptr);
    EXPECT_EQ(cp->Tag.AsInt(), 7);
    EXPECT_TRUE(cp->RaiseEvent);
    EXPECT_TRUE(cp->Pinned);
    EXPECT_EQ(reader.data.CheckpointCount, 1);
}

TEST(RvfReader, ListMarkers)
{
    const uint8_t styleWarning = 1 << 2;
    RunCases({
        {"marker last gets an empty text item", "-11 0 0 0 0 0 0 1 0\r\n", true,
         "-11:0:0[] 0:0:1[]", styleWarning},
        {"marker before text keeps it", "-11 0 1 0 0 0 0 1 0\r\n0 1 -1 0 0\r\nx\r\n", true,
         "-11:1:0[] 0:1:1[x]", styleWarning},
    });
}

TEST(RvfReader, Failures)
{
    RunCases({
        {"missing LineCount", "0 1 0 0 0\r\na\r\n0\r\n", false, "0:0:0[a]"},
        {"missing DataMode", "0 1 0 0 0\r\na\r\n0 1 0 0\r\nb\r\n", false, "0:0:0[a]"},
        {"missing Options", "-8 1 2\r\n0 1 0 0 0\r\na\r\n", false, ""},
        {"missing version number", "0 1 0 0 0\r\na\r\n-8 1\r\n", false, "0:0:0[a]"},
        {"background without colour", "0 1 0 0 0\r\na\r\n-7 0 0 0 0 1\r\n", false, "0:0:0[a]"},
        {"property without sub-kind", "0 1 0 0 0\r\na\r\n-9 0 0 0 0\r\n", false, "0:0:0[a]"},
        {"integer tag that is not a number", "0 1 0 0 x\r\na\r\n", false, ""},
        {"break with two of three numbers", "0 1 0 0 0\r\na\r\n-1 0 0 0 0 1 2\r\n", false,
         "0:0:0[a]"},
        {"binary block without CR LF", "0 1 0 0 0\r\na\r\n-3 3 0 2 0\r\nn\r\nTBitmap\n\x01\0\0\0x"s,
         false, "0:0:0[a]"},
        {"binary block past the end", "0 1 0 0 0\r\na\r\n-3 3 0 2 0\r\nn\r\nTBitmap\r\n\xff\0\0\0x"s,
         false, "0:0:0[a]"},
        {"ends inside a record", "0 2 0 0 0\r\nab\r\n", false, "0:0:0[ab]"},
        {"overflow", "0 1 0 0 0\r\na\r\n0 1 0 0 99999999999\r\nb\r\n", false, "0:0:0[a]"},
        {"raw Unicode without CR LF", "-8 1 3\r\n5 1 0 8 0 0\nA\0"s, false, ""},
        {"NUL with a huge line count", "0 2000000000 0 0 0\r\na\r\n\0"s, false, "0:0:0[a]"},
        {"NUL with a negative line count", "0 -5 0 0 0\r\na\r\nb\0"s, false, "0:0:0[a] 0:0:0[b]"},
        {"U+0000 in raw Unicode", "-8 1 3\r\n5 9 0 8 0 0\r\nA\0\0\0"s, false, "5:0:8[A\\x00]"},
    });
}

TEST(RvfReader, BinaryBodiesAreFramed)
{
    // A picture of an unknown class that the options let through is dropped, and its binary
    // body never read as lines.
    RunCases({
        {"binary picture body then text",
         "-8 1 3\r\n-3 3 0 0 2 0\r\nname\r\nTNothing\r\n\x04\0\0\0\r\n\r\n0 1 0 0 0 0\r\nx\r\n"s,
         true, "0:0:0[x]", 1u << 0, kViewerOptions | (1u << rvfoIgnoreUnknownPicFmt)},
        {"skipped binary body", "-77 2 0 2 0\r\nq\r\n\x02\0\0\0\r\n0 1 0 0 0\r\nx\r\n"s, true,
         "0:0:0[x]"},
    });
}

TEST(RvfReader, DocumentProperties)
{
    Reader reader;
    reader.properties = {"old"};
    ASSERT_TRUE(reader.Read("-8 1 3\r\n-9 2 0 0 0 0 5\r\nauthor=\xD5\xC5\r\nline\x01\x02two\r\n0 1 0 0 0 0\r\nx\r\n"s));
    EXPECT_EQ(reader.properties, (std::vector<std::string>{"author=\xD5\xC5", "line\r\ntwo"}));
    EXPECT_EQ(reader.Items(), "0:0:0[x]");
}

TEST(RvfReader, StringTags)
{
    Reader reader(kViewerOptions, true);
    ASSERT_TRUE(reader.Read("-8 1 3\r\n0 1 0 0 0 \"a b\"\r\nx\r\n0 1 0 0 0 0\r\ny\r\n-2 1 0 0 0 t\r\nc\r\n"));
    ASSERT_EQ(reader.data.CountItems(), 2);
    ASSERT_NE(reader.data.TagAt(0).AsString(), nullptr);
    EXPECT_EQ(*reader.data.TagAt(0).AsString(), "a b");
    EXPECT_EQ(reader.data.TagAt(1).AsString(), nullptr);
    ASSERT_TRUE(reader.data.EndCheckpoint);
    EXPECT_EQ(*reader.data.EndCheckpoint->Tag.AsString(), "t");
    EXPECT_FALSE(reader.Read("0 1 0 0 \r\nx\r\n")); // an empty bare tag
}

// A pass that is already running (as when a table cell is read) shares its maps and depth.
TEST(RvfReader, NestedPassesShareMapsAndOnlyAddWarnings)
{
    Reader reader;
    RvfReadPass outer;
    outer.TextStyleMap = std::make_unique<TRVIntegerList>(TRVIntegerList{3, 1});
    outer.ParaStyleMap = std::make_unique<TRVIntegerList>(TRVIntegerList{1});
    outer.Depth = 1;
    reader.data.Settings().RVFReadPass = &outer;
    reader.data.Settings().ReadWarnings = 1;
    RvfInsertParams params;
    TRVMemoryStream mapped("0 1 0 0 0\r\na\r\n\"Heading\" 1 0 0 0\r\nb\r\n");
    EXPECT_TRUE(InsertRvf(reader.data, mapped, params));
    EXPECT_EQ(reader.Items(), "3:1:0[a] 1:1:0[b]");
    TRVMemoryStream beyondMap("0 1 1 0 0\r\nc\r\n");
    params.Index = reader.data.CountItems();
    EXPECT_FALSE(InsertRvf(reader.data, beyondMap, params));
    EXPECT_EQ(reader.data.Settings().ReadWarnings, 1 | 1 << 2);
    outer.Depth = kMaxRvfNesting;
    TRVMemoryStream deep("0 1 0 0 0\r\nd\r\n");
    EXPECT_FALSE(InsertRvf(reader.data, deep, params));
    EXPECT_EQ(reader.data.CountItems(), 2);
    reader.data.Settings().RVFReadPass = nullptr;
}

TEST(RvfReader, InsertingIntoADocument)
{
    Reader reader;
    ASSERT_TRUE(reader.Read("0 2 0 0 0\r\na\r\nb\r\n-2 1 0 0 0\r\nend\r\n"));
    RvfInsertParams params;
    params.Index = 99; // clamped to the end
    TRVMemoryStream more("0 2 -1 0 0\r\nc\r\nd\r\n");
    ASSERT_TRUE(InsertRvf(reader.data, more, params));
    EXPECT_EQ(params.Index, 2);
    EXPECT_EQ(params.ItemsAdded, 1);
    EXPECT_EQ(reader.Items(), "0:0:0[a] 0:0:0[b] 0:0:1[c]@end 0:0:1[d]");
    EXPECT_EQ(reader.data.CheckpointCount, 1);
}

TEST(RvfReader, SizedNestedDocuments)
{
    Reader reader;
    std::string body = "0 1 0 0 0\r\nin\r\n";
    std::string sized = std::string(1, static_cast<char>(body.size())) + std::string(3, '\0') + body + "tail";
    TRVMemoryStream stream(sized);
    EXPECT_TRUE(ReadRvfSized(reader.data, stream));
    EXPECT_EQ(reader.Items(), "0:0:0[in]");
    EXPECT_EQ(stream.Remainder(), "tail");
    EXPECT_FALSE(reader.data.HasDataState(rvstReadingNested));
    TRVMemoryStream tooShort(std::string("\xff\xff\xff\x7f", 4) + "abc");
    EXPECT_FALSE(ReadRvfSized(reader.data, tooShort));
    EXPECT_EQ(tooShort.Position(), 0u);
}

TEST(RvfReader, Files)
{
    Reader reader;
    EXPECT_FALSE(ReadRvfFile(reader.data, "/nonexistent/file.rvf"));
}

} // namespace
} // namespace vellum

namespace vellum {
namespace {

TEST(RvfReader, EditorsSkipTextOfInsertProtectedStyles)
{
    Reader reader;
    reader.style.TextStyles()[1].Protection.Include(rvprRVFInsertProtect);
    RvfInsertParams params;
    params.Edit = true;
    TRVMemoryStream stream("0 1 0 0 0\r\na\r\n1 1 0 0 0\r\nb\r\n0 1 0 0 0\r\nc\r\n");
    EXPECT_TRUE(InsertRvf(reader.data, stream, params));
    EXPECT_EQ(reader.Items(), "0:0:0[a] 0:0:0[c]");
}

} // namespace
} // namespace vellum
