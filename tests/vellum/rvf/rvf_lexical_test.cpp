// Line framing, header fields and hex text of the RVF reader.
#include "vellum/rvf/rvf_field_cursor.h"
#include "vellum/rvf/rvf_hex.h"
#include "vellum/rvf/rvf_line_reader.h"
#include "vellum/rvf/rv_memory_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellum {
namespace {

using namespace std::string_literals;

// Reads every line of BLOCK in text mode and shows it as "[line]".
std::string TextLines(const std::string& block)
{
    RvfLineReader reader(block);
    std::string out;
    while (!reader.AtEnd()) {
        RvfLine line;
        EXPECT_TRUE(reader.Fetch(line));
        if (line.stalled)
            return out + "<stall>";
        out += "[" + std::string(line.bytes) + "]";
        EXPECT_TRUE(reader.Advance());
    }
    return out;
}

TEST(RvfLineReader, TextLineEndings)
{
    struct Case {
        std::string block, lines;
    } cases[] = {
        {"a\r\nb\r\n", "[a][b]"},
        {"a\rb\nc", "[a][b][c]"},
        {"a\n\rb", "[a][][b]"}, // LF then CR: the CR starts a new empty line
        {"a\r\n\r\nb", "[a][][b]"},
        {"", ""},
        {"\r\n", "[]"},
        {"ab\0cd"s, "[ab]<stall>"},
        {"\0"s, "<stall>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextLines(c.block), c.lines) << c.block;
}

TEST(RvfLineReader, BinaryBlockFollowsCrLfAndIsFollowedDirectly)
{
    std::string block = "hdr\r\n\x03\0\0\0x\ny"s + "next\r\n";
    RvfLineReader reader(block);
    RvfLine line;
    ASSERT_TRUE(reader.Fetch(line));
    reader.SetMode(RvfLineMode::BinaryNext);
    ASSERT_TRUE(reader.Advance());
    ASSERT_TRUE(reader.Fetch(line));
    EXPECT_EQ(line.bytes, "x\ny");
    ASSERT_TRUE(reader.Advance());
    EXPECT_EQ(reader.Mode(), RvfLineMode::Text);
    ASSERT_TRUE(reader.Fetch(line));
    EXPECT_EQ(line.bytes, "next");
}

TEST(RvfLineReader, BinaryFramingFailures)
{
    struct Case {
        std::string block;
        bool advanceOk, fetchOk;
    } cases[] = {
        {"hdr\n\x01\0\0\0x"s, false, false},        // lone LF before the block
        {"hdr\r\x01\0\0\0x"s, false, false},        // lone CR
        {"hdr"s, false, false},                     // end of data instead of CR LF
        {"hdr\r\n\x05\0\0\0abc"s, true, false},     // length past the end
        {"hdr\r\n\xff\xff\xff\x7f"s, true, false},  // beyond the largest block
        {"hdr\r\n\x01\0"s, true, false},            // length cut short
        {"hdr\r\n\0\0\0\0"s, true, true},           // empty block
    };
    for (const Case& c : cases) {
        RvfLineReader reader(c.block);
        RvfLine line;
        ASSERT_TRUE(reader.Fetch(line));
        reader.SetMode(RvfLineMode::BinaryNext);
        ASSERT_EQ(reader.Advance(), c.advanceOk) << c.block;
        if (c.advanceOk) {
            EXPECT_EQ(reader.Fetch(line), c.fetchOk) << c.block;
        }
    }
}

TEST(RvfLineReader, RawUnicodeLines)
{
    // "A" U+2029 "BC" U+2029, then the next header directly.
    std::string block = "hdr\r\nA\0\x29\x20" "B\0C\0\x29\x20" "0 1"s;
    RvfLineReader reader(block);
    RvfLine line;
    ASSERT_TRUE(reader.Fetch(line));
    reader.SetMode(RvfLineMode::UnicodeNext);
    ASSERT_TRUE(reader.Advance());
    ASSERT_TRUE(reader.Fetch(line));
    EXPECT_EQ(line.bytes, "A\0"s);
    ASSERT_TRUE(reader.Advance());
    ASSERT_TRUE(reader.Fetch(line));
    EXPECT_EQ(line.bytes, "B\0C\0"s);
    reader.SetMode(RvfLineMode::UnicodeDone);
    ASSERT_TRUE(reader.Advance());
    EXPECT_EQ(reader.Mode(), RvfLineMode::Text);
    ASSERT_TRUE(reader.Fetch(line));
    EXPECT_EQ(line.bytes, "0 1");
}

TEST(RvfLineReader, RawUnicodeStopsAndCuts)
{
    RvfLine line;
    {
        const std::string block = "\0\0"s; // U+0000 at once: no progress possible
        RvfLineReader reader(block);
        reader.SetMode(RvfLineMode::Unicode);
        ASSERT_TRUE(reader.Fetch(line));
        EXPECT_TRUE(line.stalled);
    }
    {
        const std::string block = "A\0B"s; // ends inside a code unit
        RvfLineReader reader(block);
        reader.SetMode(RvfLineMode::Unicode);
        EXPECT_FALSE(reader.Fetch(line));
    }
    {
        const std::string block = "A\0"s; // ends after a whole unit
        RvfLineReader reader(block);
        reader.SetMode(RvfLineMode::Unicode);
        ASSERT_TRUE(reader.Fetch(line));
        EXPECT_EQ(line.bytes, "A\0"s);
        EXPECT_FALSE(line.stalled);
    }
}

TEST(RvfFieldCursor, Integers)
{
    struct Case {
        std::string field;
        std::optional<int32_t> value;
        bool overflow;
        std::string rest;
    } cases[] = {
        {"12 x", 12, false, "x"},
        {"-7", -7, false, ""},
        {"- 5", 0, false, "5"}, // "-" alone reads as 0
        {"  5", 0, false, " 5"}, // empty field between two spaces
        {"", std::nullopt, false, ""},
        {"1a", std::nullopt, false, "a"},
        {"+1", std::nullopt, false, "+1"},
        {"2147483647", 2147483647, false, ""},
        {"-2147483647", -2147483647, false, ""},
        {"2147483648", std::nullopt, true, "2147483648"},
        {"-2147483648", std::nullopt, true, "2147483648"},
        {"99999999999999999999", std::nullopt, true, "99999999999999999999"},
    };
    for (const Case& c : cases) {
        RvfFieldCursor cursor(c.field);
        auto value = cursor.ReadInteger();
        EXPECT_EQ(value, c.value) << c.field;
        EXPECT_EQ(cursor.Overflowed(), c.overflow) << c.field;
        if (!c.overflow) {
            EXPECT_EQ(cursor.Rest(), c.rest) << c.field;
        }
    }
}

TEST(RvfFieldCursor, QuotedStringsAndTokens)
{
    struct Case {
        std::string field;
        std::optional<std::string> value;
        std::string rest;
    } cases[] = {
        {"\"Normal text\" 1", "Normal text", "1"},
        {"\"say \"\"hi\"\"\"", "say \"hi\"", ""},
        {"\"\"  x", "", " x"}, // at most one space is consumed
        {"\"open", std::nullopt, "\"open"},
        {"plain", std::nullopt, "plain"},
    };
    for (const Case& c : cases) {
        RvfFieldCursor cursor(c.field);
        EXPECT_EQ(cursor.ReadQuoted(), c.value) << c.field;
        EXPECT_EQ(cursor.Rest(), c.rest) << c.field;
    }
    RvfFieldCursor tokens("abc  d");
    EXPECT_EQ(tokens.ReadToken(), "abc");
    EXPECT_EQ(tokens.ReadToken(), "");
    EXPECT_EQ(tokens.ReadToken(), "d");
}

TEST(RvfFieldCursor, StringEscapes)
{
    EXPECT_EQ(DecodeRvfString("a\x01\x02z", false), "a\r\nz");
    // UTF-8 strings become text of the system code page (936).
    EXPECT_EQ(DecodeRvfString("\xE4\xBD\xA0\x01", true), "\xC4\xE3\r");
    EXPECT_EQ(DecodeRvfString("\xC4\xE3", false), "\xC4\xE3");
}

TEST(RvfHex, DecodesPairsAndStopsAtJunk)
{
    struct Case {
        std::string hex, bytes;
        bool complete;
    } cases[] = {
        {"41fF00", "A\xff\0"s, true},
        {"414", "", false},
        {"41zz42", "A", false},
        {"", "", true},
    };
    for (const Case& c : cases) {
        RvfHexResult result = DecodeRvfHex(c.hex);
        EXPECT_EQ(result.bytes, c.bytes) << c.hex;
        EXPECT_EQ(result.complete, c.complete) << c.hex;
    }
}

} // namespace
} // namespace vellum

namespace vellum {
namespace {

TEST(TRVMemoryStream, WritesOverAndGrowsReadsToTheEnd)
{
    TRVMemoryStream stream;
    stream.Write("abcdef");
    stream.Seek(2);
    stream.Write("XYZWV");
    EXPECT_EQ(stream.Bytes(), "abXYZWV");
    stream.Seek(5);
    EXPECT_EQ(stream.Read(10), "WV");
    EXPECT_EQ(stream.Read(1), "");
    stream.Seek(100);
    EXPECT_EQ(stream.Position(), 7u);
}

} // namespace
} // namespace vellum
