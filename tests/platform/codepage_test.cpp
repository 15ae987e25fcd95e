#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

std::string Hex(std::string_view bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

std::vector<char16_t> Units(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

const CodePage kAllCodePages[] = {874,  932,  936,  949,  950,  1250, 1251, 1252,
                                  1253, 1254, 1255, 1256, 1257, 1258, 1361, 65001};

struct RoundTripCase {
    CodePage codePage;
    const char* utf8;
    std::string bytes;
};

TEST(CodePage, RealTextConvertsBothWays)
{
    const RoundTripCase cases[] = {
        {936, "中文€", "\xd6\xd0\xce\xc4\x80"},
        {932, "日本語ｱ表", "\x93\xfa\x96\x7b\x8c\xea\xb1\x95\x5c"},
        {949, "한국어", "\xc7\xd1\xb1\xb9\xbe\xee"},
        {950, "中文許", "\xa4\xa4\xa4\xe5\xb3\x5c"},
        {1251, "Привет", "\xcf\xf0\xe8\xe2\xe5\xf2"},
        {874, "ไทย", "\xe4\xb7\xc2"},
        {1250, "Łódź", "\xa3\xf3\x64\x9f"},
        {1252, "café€", "caf\xe9\x80"},
        {1253, "Ωμέγα", "\xd9\xec\xdd\xe3\xe1"},
        {1254, "ğış", "\xf0\xfd\xfe"},
        {1255, "שלום", "\xf9\xec\xe5\xed"},
        {1256, "سلام", "\xd3\xe1\xc7\xe3"},
        {1257, "Ąž", "\xc0\xfe"},
        {1258, "đư", "\xf0\xfd"},
        {1361, "한글", "\xd0\x65\x8b\x69"},
        {65001, "中文😀", "\xe4\xb8\xad\xe6\x96\x87\xf0\x9f\x98\x80"},
        {936, "plain ASCII\r\n\t", "plain ASCII\r\n\t"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        const std::u16string text = FromUtf8(c.utf8);
        bool lossy = true;
        EXPECT_EQ(Hex(FromUtf16(text, c.codePage, &lossy)), Hex(c.bytes));
        EXPECT_FALSE(lossy);
        EXPECT_EQ(ToUtf16(c.bytes, c.codePage), text);
        EXPECT_EQ(CodePageToUtf8(c.bytes, c.codePage), c.utf8);
        EXPECT_EQ(Hex(Utf8ToCodePage(c.utf8, c.codePage)), Hex(c.bytes));
    }
}

struct DecodeCase {
    CodePage codePage;
    std::string bytes;
    std::vector<char16_t> expected;
};

TEST(CodePage, BadBytesBecomeReplacementCharacters)
{
    const DecodeCase cases[] = {
        {936, "\xd6", {0xFFFD}},                      // lone lead byte at the end
        {936, "a\xd6\nb", {'a', 0xFFFD, '\n', 'b'}},  // lead byte before a line end
        {936, "\xd6\x7f", {0xFFFD, 0x7F}},            // 7F is no trail byte
        {936, "\xaa\xa1\xd6\xd0", {0xFFFD, 0x4E2D}},  // unmapped pair: one U+FFFD
        {936, "\xff", {0xFFFD}},
        {932, "\x80\xa0\xfd", {0x0080, 0xFFFD, 0xFFFD}},
        {932, "\x81\x20", {0xFFFD, ' '}},
        {949, "\xb1\x5c", {0xFFFD, '\\'}},            // 5C is no trail byte in 949
        {950, "\x81\x81\xa4\xa4", {0xFFFD, 0xFFFD, 0xFFFD}},
        {1252, "\x81\x8d\x9d", {0x81, 0x8D, 0x9D}},   // undefined C1 bytes keep their number
        {1253, "\xaa\xd2\xff", {0xFFFD, 0xFFFD, 0xFFFD}},
        {874, "\xdb\xfc", {0xFFFD, 0xFFFD}},
        {65001, "\xc3", {0xFFFD}},
        {65001, "\xe4\xb8", {0xFFFD}},                // truncated sequence: one
        {65001, "\xed\xa0\x80", {0xFFFD, 0xFFFD, 0xFFFD}}, // encoded surrogate
        {65001, "\xc0\xaf", {0xFFFD, 0xFFFD}},        // overlong
        {65001, "\xf4\x90\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}}, // past U+10FFFF
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        SCOPED_TRACE(Hex(c.bytes));
        EXPECT_EQ(Units(ToUtf16(c.bytes, c.codePage)), c.expected);
    }
}

struct EncodeCase {
    CodePage codePage;
    std::u16string text;
    std::string expected;
    bool lossy;
};

TEST(CodePage, UnmappableCharactersBecomeQuestionMarks)
{
    const EncodeCase cases[] = {
        {1252, u"a中b", "a?b", true},
        {936, u"中😀", "\xd6\xd0?", true},             // a surrogate pair is one character
        {936, u"\xD800" u"a", "?a", true},             // lone high surrogate
        {1251, u"\xDC00", "?", true},                  // lone low surrogate
        {65001, u"x\xD800", "x\xef\xbf\xbd", true},
        {932, u"\x0080", "\x80", false},               // C1 byte we decode also encodes back
        {1252, u"\x0081", "\x81", false},
        {1258, u"\x1EC7", "\xea\xf2", false},          // decomposed into base and tone mark
        {936, u"\xFFFD", "?", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        bool lossy = !c.lossy;
        EXPECT_EQ(Hex(FromUtf16(c.text, c.codePage, &lossy)), Hex(c.expected));
        EXPECT_EQ(lossy, c.lossy);
    }
}

TEST(CodePage, ComposedEncodingJoinsOrDropsNonspacingMarks)
{
    const EncodeCase cases[] = {
        {936, u"e\u0301", "\xa8\xa6", false},        // composes to GBK's é
        {1252, u"e\u0301x", "\xe9x", false},
        {1252, u"x\u0301", "x", false},                // no x with acute: the mark goes
        {1252, u"a\u0308\u0301", "\xe4", false},      // first mark composes, second goes
        {1258, u"e\u0301", "\xe9", false},
        {1258, u"x\u0301", "x\xec", false},           // 1258 holds the mark itself
        {1252, u"\u0301", "", false},
        {1252, u"中e", "?e", true},
        {65001, u"e\u0301", "\xc3\xa9", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        bool lossy = !c.lossy;
        EXPECT_EQ(Hex(FromUtf16Composed(c.text, c.codePage, &lossy)), Hex(c.expected));
        EXPECT_EQ(lossy, c.lossy);
    }
}

TEST(CodePage, LeadBytesFollowTheWindowsRanges)
{
    struct Case {
        CodePage codePage;
        std::vector<uint8_t> leads;
        std::vector<uint8_t> others;
    };
    const Case cases[] = {
        {932, {0x81, 0x9F, 0xE0, 0xFC}, {0x80, 0xA0, 0xA1, 0xDF, 0xFD, 0x5C, 0x41}},
        {936, {0x81, 0xA1, 0xFE}, {0x80, 0xFF, 0x7F}},
        {949, {0x81, 0xC9, 0xFE}, {0x80, 0xFF}},
        {950, {0x81, 0xA0, 0xFE}, {0x80, 0xFF}},
        {1361, {0x84, 0xD3, 0xD8, 0xDE, 0xE0, 0xF9}, {0x83, 0xD4, 0xD7, 0xDF, 0xFA}},
        {1252, {}, {0x81, 0xA1, 0xFE}},
        {65001, {}, {0xC3, 0xE4}},
        {0, {0x81, 0xFE}, {0x80}}, // the system code page: 936
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        for (uint8_t b : c.leads)
            EXPECT_TRUE(IsLeadByte(c.codePage, b)) << int(b);
        for (uint8_t b : c.others)
            EXPECT_FALSE(IsLeadByte(c.codePage, b)) << int(b);
        EXPECT_EQ(IsDoubleByteCodePage(c.codePage), !c.leads.empty());
    }
}

struct BoundaryCase {
    CodePage codePage;
    std::string bytes;
    std::vector<size_t> boundaries; // every character start, then the end
};

TEST(CodePage, CharacterBoundariesWalkBothWays)
{
    const BoundaryCase cases[] = {
        {936, "a\xd6\xd0" "b", {0, 1, 3, 4}},
        {936, "ab\xd6", {0, 1, 2, 3}},                       // trailing lone lead byte
        {936, "\xd6\xd0\xce\xc4\xd6\xd0", {0, 2, 4, 6}},     // a run of lead-range bytes
        {936, "\xd6\xd0\xce", {0, 2, 3}},
        {936, "\xd6\n\xd6\xd0", {0, 1, 2, 4}},
        {936, "\x81\x5c\x5c", {0, 2, 3}},                    // 5C as a trail byte
        {932, "\x95\x5c\x5c", {0, 2, 3}},
        {932, "\xb1\x95\x5c", {0, 1, 3}},                    // half-width kana is single
        {950, "\xb3\x5cx", {0, 2, 3}},
        {950, "\x81\x81\xa4\xa4", {0, 1, 3, 4}},             // 81 is a lead but no trail byte
        {949, "\xb1\x5c", {0, 1, 2}},
        {1252, "abc", {0, 1, 2, 3}},
        {65001, "a\xe4\xb8\xad\xf0\x9f\x98\x80", {0, 1, 4, 8}},
        {65001, "\xe4\xb8\x9f\x98\x80", {0, 3, 4, 5}},         // stray continuation bytes
        {65001, "\xed\xa0\x80\xc3", {0, 1, 2, 3, 4}},           // each ill-formed piece alone
        {65001, "\x80\x80\x80\x80\x80", {0, 1, 2, 3, 4, 5}},
        {936, "", {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        SCOPED_TRACE(Hex(c.bytes));
        const auto& b = c.boundaries;
        for (size_t i = 0; i + 1 < b.size(); ++i)
            EXPECT_EQ(NextCharBoundary(c.codePage, c.bytes, b[i]), b[i + 1]);
        EXPECT_EQ(NextCharBoundary(c.codePage, c.bytes, c.bytes.size() + 5), c.bytes.size());
        size_t expectedPrev = 0;
        for (size_t pos = 1; pos <= c.bytes.size(); ++pos) {
            for (size_t start : b)
                expectedPrev = start < pos ? start : expectedPrev;
            EXPECT_EQ(PrevCharBoundary(c.codePage, c.bytes, pos), expectedPrev) << pos;
        }
        EXPECT_EQ(PrevCharBoundary(c.codePage, c.bytes, 0), 0u);
        EXPECT_EQ(PrevCharBoundary(c.codePage, c.bytes, c.bytes.size() + 5),
                  c.bytes.empty() ? 0 : b[b.size() - 2]);
        if (c.codePage != 65001) {
            EXPECT_EQ(ToUtf16(c.bytes, c.codePage).size(), b.size() - 1);
        }
    }
}

TEST(CodePage, CharsetsMapToTheirCodePages)
{
    const std::pair<int, CodePage> cases[] = {
        {0, 1252},   {1, 936},    {2, 936},    {77, 10008}, {128, 932},  {129, 949},
        {130, 1361}, {134, 936},  {136, 950},  {161, 1253}, {162, 1254}, {163, 1258},
        {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},  {238, 1250},
        {254, 1252}, {255, 936},  {99, 936},   {-1, 936},
    };
    for (const auto& [charset, codePage] : cases)
        EXPECT_EQ(CodePageOfCharset(charset), codePage) << charset;
}

TEST(CodePage, PlaceholdersAndUnsupportedCodePagesActAsTheSystemCodePage)
{
    EXPECT_EQ(SystemCodePage(), 936u);
    for (CodePage placeholder : {0u, 1u, 3u})
        EXPECT_EQ(ResolveCodePage(placeholder), 936u);
    EXPECT_FALSE(IsSupportedCodePage(437));
    EXPECT_FALSE(IsSupportedCodePage(kCodePageMac));
    EXPECT_TRUE(IsSupportedCodePage(0));
    for (CodePage codePage : {0u, 437u, 10008u, 2u}) {
        EXPECT_EQ(ToUtf16("\xd6\xd0", codePage), u"中") << codePage;
        EXPECT_EQ(NextCharBoundary(codePage, "\x87\xce", 0), 2u) << codePage;
        EXPECT_TRUE(IsLeadByte(codePage, 0x87)) << codePage;
    }
}

// Every byte and every lead/trail pair decodes to exactly one unit, and whatever decodes to a
// real character encodes to bytes that decode to that character again.
TEST(CodePage, EveryByteSequenceDecodesAndReencodesStably)
{
    for (CodePage codePage : kAllCodePages) {
        if (codePage == 65001)
            continue;
        SCOPED_TRACE(codePage);
        int unstable = 0;
        for (int first = 0; first < 256; ++first) {
            for (int second = IsLeadByte(codePage, uint8_t(first)) ? 0 : 256; second <= 256; ++second) {
                std::string bytes(1, char(first));
                if (second < 256 && !IsTrailByte(codePage, uint8_t(second)))
                    continue;
                if (second < 256)
                    bytes.push_back(char(second));
                const std::u16string text = ToUtf16(bytes, codePage);
                ASSERT_EQ(text.size(), 1u);
                if (text[0] == 0xFFFD)
                    continue;
                bool lossy = false;
                unstable += ToUtf16(FromUtf16(text, codePage, &lossy), codePage) != text || lossy;
            }
        }
        EXPECT_EQ(unstable, 0);
    }
}

} // namespace
