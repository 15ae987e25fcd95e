// The line-break classes and the break rule, as tables.
#include "vellum/layout/line_break.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using C = LineBreakClass;

struct ClassRange {
    char16_t first;
    char16_t last;
    LineBreakClass cls;
};

// The assignments the stored documents were laid out with; the first and the last code of
// every range is checked.
const ClassRange kRanges[] = {
    {0x0000, 0x0008, C::CM}, {0x000B, 0x000B, C::CM}, {0x000E, 0x001F, C::CM}, {0x007F, 0x009F, C::CM},
    {0x0009, 0x0009, C::BA}, {0x000A, 0x000A, C::AL}, {0x000C, 0x000D, C::AL}, {0x0020, 0x0020, C::AL},
    {0x0021, 0x0021, C::EX}, {0x003F, 0x003F, C::EX}, {0x0022, 0x0022, C::QU}, {0x0027, 0x0027, C::QU},
    {0x0024, 0x0024, C::GL}, {0x0025, 0x0025, C::PO}, {0x0028, 0x0028, C::OP}, {0x005B, 0x005B, C::OP},
    {0x007B, 0x007B, C::OP}, {0x0029, 0x0029, C::CL}, {0x005D, 0x005D, C::CL}, {0x007D, 0x007D, C::CL},
    {0x002B, 0x002B, C::PR}, {0x005C, 0x005C, C::PR}, {0x002C, 0x002C, C::IS}, {0x002E, 0x002E, C::IS},
    {0x003A, 0x003B, C::IS}, {0x002D, 0x002D, C::HY}, {0x002F, 0x002F, C::SY}, {0x0030, 0x0039, C::NU},
    {0x007C, 0x007C, C::BA}, {0x00A0, 0x00A0, C::GL}, {0x00A2, 0x00A2, C::PO}, {0x00B0, 0x00B0, C::PO},
    {0x00A3, 0x00A5, C::PR}, {0x00B1, 0x00B1, C::PR}, {0x00AB, 0x00AB, C::QU}, {0x00BB, 0x00BB, C::QU},
    {0x00AD, 0x00AD, C::BA}, {0x00B4, 0x00B4, C::BB}, {0x0041, 0x005A, C::AL}, {0x00C0, 0x00FF, C::AL},
    {0x2000, 0x2006, C::BA}, {0x2008, 0x200A, C::BA}, {0x2010, 0x2010, C::BA}, {0x2012, 0x2013, C::BA},
    {0x2027, 0x2027, C::BA}, {0x205F, 0x205F, C::BA}, {0x2007, 0x2007, C::GL}, {0x2011, 0x2011, C::GL},
    {0x202F, 0x202F, C::GL}, {0x2060, 0x2060, C::GL}, {0xFEFF, 0xFEFF, C::GL}, {0x200B, 0x200B, C::ZW},
    {0x200C, 0x200F, C::CM}, {0x202A, 0x202E, C::CM}, {0x206A, 0x206F, C::CM}, {0x2014, 0x2014, C::B2},
    {0x2018, 0x2019, C::QU}, {0x201B, 0x201D, C::QU}, {0x201F, 0x201F, C::QU}, {0x2039, 0x203A, C::QU},
    {0x201A, 0x201A, C::OP}, {0x201E, 0x201E, C::OP}, {0x2045, 0x2045, C::OP}, {0x207D, 0x207D, C::OP},
    {0x208D, 0x208D, C::OP}, {0x2046, 0x2046, C::CL}, {0x207E, 0x207E, C::CL}, {0x208E, 0x208E, C::CL},
    {0x2024, 0x2026, C::IN}, {0x2030, 0x2037, C::PO}, {0x203C, 0x203C, C::NS}, {0x2044, 0x2044, C::NS},
    {0x20A0, 0x20A6, C::PR}, {0x20A8, 0x20B1, C::PR}, {0x20A7, 0x20A7, C::PO}, {0x20D0, 0x20EA, C::CM},
    {0x3000, 0x3000, C::ID}, {0x3003, 0x3004, C::ID}, {0x3006, 0x3007, C::ID}, {0x3012, 0x3013, C::ID},
    {0x3020, 0x3029, C::ID}, {0x3030, 0x303A, C::ID}, {0x303D, 0x303F, C::ID}, {0x3001, 0x3002, C::CL},
    {0x3005, 0x3005, C::NS}, {0x301C, 0x301C, C::NS}, {0x303B, 0x303C, C::NS}, {0x3008, 0x3008, C::OP},
    {0x3009, 0x3009, C::CL}, {0x3010, 0x3010, C::OP}, {0x3011, 0x3011, C::CL}, {0x3014, 0x3014, C::OP},
    {0x301B, 0x301B, C::CL}, {0x301D, 0x301D, C::OP}, {0x301E, 0x301F, C::CL}, {0x302A, 0x302F, C::CM},
    {0x3042, 0x3042, C::ID}, {0x3096, 0x3096, C::NS}, {0x3041, 0x3041, C::NS}, {0x3099, 0x309A, C::CM},
    {0x309B, 0x309E, C::NS}, {0x30A0, 0x30A0, C::NS}, {0x30A2, 0x30A2, C::ID}, {0x30FB, 0x30FB, C::NS},
    {0x30FD, 0x30FD, C::NS}, {0x30FF, 0x30FF, C::ID}, {0x3105, 0x312C, C::ID}, {0x3131, 0x318E, C::ID},
    {0x3190, 0x31B7, C::ID}, {0x3200, 0x321C, C::ID}, {0x3220, 0x3243, C::ID}, {0x3251, 0x327B, C::ID},
    {0x327F, 0x32CB, C::ID}, {0x32D0, 0x32FE, C::ID}, {0x3300, 0x3376, C::ID}, {0x337B, 0x33DD, C::ID},
    {0x33E0, 0x33FE, C::ID}, {0x3400, 0x4DB5, C::ID}, {0x4E00, 0x9FA5, C::ID}, {0xA000, 0xA48C, C::ID},
    {0xA490, 0xA4C6, C::ID}, {0xAC00, 0xD7A3, C::ID}, {0xF900, 0xFA2D, C::ID}, {0xFA30, 0xFA6A, C::ID},
    {0x31F0, 0x31FF, C::NS}, {0xFF01, 0xFF01, C::EX}, {0xFF1F, 0xFF1F, C::EX}, {0xFF08, 0xFF08, C::OP},
    {0xFF3B, 0xFF3B, C::OP}, {0xFF5B, 0xFF5B, C::OP}, {0xFF5F, 0xFF5F, C::OP}, {0xFF62, 0xFF62, C::OP},
    {0xFF09, 0xFF09, C::CL}, {0xFF0C, 0xFF0C, C::CL}, {0xFF0E, 0xFF0E, C::CL}, {0xFF3D, 0xFF3D, C::CL},
    {0xFF5D, 0xFF5D, C::CL}, {0xFF60, 0xFF61, C::CL}, {0xFF63, 0xFF64, C::CL}, {0xFF1A, 0xFF1B, C::NS},
    {0xFF65, 0xFF65, C::NS}, {0xFF67, 0xFF70, C::NS}, {0xFF9E, 0xFF9F, C::NS}, {0xFF04, 0xFF04, C::PR},
    {0xFFE1, 0xFFE1, C::PR}, {0xFFE5, 0xFFE6, C::PR}, {0xFF05, 0xFF05, C::PO}, {0xFFE0, 0xFFE0, C::PO},
    {0xFF02, 0xFF03, C::ID}, {0xFF10, 0xFF19, C::ID}, {0xFF5E, 0xFF5E, C::ID}, {0xFF71, 0xFF9D, C::AL},
    {0xFE35, 0xFE35, C::OP}, {0xFE36, 0xFE36, C::CL}, {0xFE43, 0xFE43, C::OP}, {0xFE44, 0xFE44, C::CL},
    {0xFE50, 0xFE50, C::CL}, {0xFE52, 0xFE52, C::CL}, {0xFE54, 0xFE55, C::NS}, {0xFE56, 0xFE57, C::EX},
    {0xFE59, 0xFE59, C::OP}, {0xFE5B, 0xFE5B, C::OP}, {0xFE5D, 0xFE5D, C::OP}, {0xFE5A, 0xFE5A, C::CL},
    {0xFE5C, 0xFE5C, C::CL}, {0xFE5E, 0xFE5E, C::CL},
    // From the Unicode data: classes outside the twenty count as AL, later splits fold back.
    {0x0E01, 0x0E01, C::AL}, {0xD800, 0xDFFF, C::AL}, {0xE000, 0xE000, C::AL}, {0x0301, 0x0301, C::CM},
    {0x2E28, 0x2E28, C::OP}, {0x2E29, 0x2E29, C::CL},
};

TEST(LineBreakClass, ListedRangesHoldAtBothEnds)
{
    for (const ClassRange& range : kRanges) {
        EXPECT_EQ(int(LineBreakClassOf(range.first)), int(range.cls)) << std::hex << int(range.first);
        EXPECT_EQ(int(LineBreakClassOf(range.last)), int(range.cls)) << std::hex << int(range.last);
    }
}

TEST(LineBreakPair, ChineseRules)
{
    EXPECT_EQ(LineBreakPairValue(C::ID, C::ID), 0);  // between ideographs
    EXPECT_EQ(LineBreakPairValue(C::ID, C::CL), 2);  // never before a closing mark
    EXPECT_EQ(LineBreakPairValue(C::OP, C::ID), 2);  // never after an opening bracket
    EXPECT_EQ(LineBreakPairValue(C::NU, C::NU), 1);  // digits only at a space
    EXPECT_EQ(LineBreakPairValue(C::B2, C::B2), 2);
    EXPECT_EQ(LineBreakPairValue(C::ZW, C::CL), 0);
    EXPECT_EQ(LineBreakPairValue(C::AL, C::CM), 1);
}

struct BreakCase {
    const char* name;
    std::u16string text;
    int fit;
    bool trim;
    bool last;
    bool found;
    int count;
    bool eaten;
};

const BreakCase kUnicodeCases[] = {
    {"between_ideographs", u"一二三四五", 3, true, true, true, 3, false},
    {"comma_takes_ideograph_along", u"一二三，四", 3, true, true, true, 2, false},
    {"ideographic_full_stop", u"一二三。四", 3, true, true, true, 2, false},
    {"ideographic_comma", u"一二三、四", 3, true, true, true, 2, false},
    {"opening_bracket_moves_down", u"一二「三四", 3, true, true, true, 2, false},
    {"opening_paren_moves_down", u"ab (cd", 4, true, true, true, 3, true},
    {"digits_not_split", u"一12345", 4, true, true, true, 1, false},
    {"digits_after_space", u"12 345", 4, true, true, true, 3, true},
    {"quote_needs_space", u"ab\"cd", 3, true, true, false, 0, false},
    {"b2_pair_holds", u"a\u2014\u2014b", 2, true, true, true, 1, false},
    {"space_at_candidate", u"hello world", 5, true, true, true, 6, true},
    {"space_kept_without_trim", u"hello world", 5, false, true, true, 6, false},
    {"space_before_candidate", u"hello world", 7, true, true, true, 6, true},
    {"no_break_in_word", u"abcdefgh", 4, true, true, false, 0, false},
    {"trailing_space_last_char", u"ab cd ", 5, true, true, true, 3, true},
    {"trailing_space_not_last_item", u"abcde ", 5, true, false, true, 6, true},
    {"trailing_space_last_item_no_break", u"abcde ", 5, true, true, false, 0, false},
    {"hyphen_breaks_after", u"well-known", 6, true, true, true, 5, false},
    {"zero_width_space", u"abc\u200Bdef", 5, true, true, true, 4, false},
    {"soft_hyphen_is_ba", u"com\u00ADputer", 5, true, true, true, 4, false},
    {"leading_space_is_skipped", u" abc", 2, true, true, false, 0, false},
    {"space_after_first_char", u"a bcd", 2, true, true, true, 2, true},
};

TEST(LineBreakRule, UnicodeTable)
{
    for (const BreakCase& c : kUnicodeCases) {
        BreakAnswer answer = FindUnicodeBreak(c.text, {c.fit, c.trim, c.last});
        EXPECT_EQ(answer.found, c.found) << c.name;
        if (!c.found)
            continue;
        EXPECT_EQ(answer.count, c.count) << c.name;
        EXPECT_EQ(answer.spaceEaten, c.eaten) << c.name;
    }
}

struct ByteBreakCase {
    const char* name;
    std::string text;
    int fit;
    bool trim;
    bool last;
    bool found;
    int count;
    bool eaten;
};

const ByteBreakCase kByteCases[] = {
    {"last_space_in_window", "ab cd ef", 6, true, true, true, 6, true},
    {"space_just_past_fit", "abc def", 3, true, true, true, 4, true},
    {"space_kept_without_trim", "abc def", 3, false, true, true, 4, false},
    {"no_space", "abcdefgh", 4, true, true, false, 0, false},
    {"one_left_not_searched", "abcde ", 5, true, true, false, 0, false},
    {"one_left_not_last_item", "abcde ", 5, true, false, true, 6, true},
    {"leading_space_is_no_break", " abcdef", 3, true, true, false, 0, false},
};

TEST(LineBreakRule, ByteTable)
{
    for (const ByteBreakCase& c : kByteCases) {
        BreakAnswer answer = FindByteBreak(c.text, {c.fit, c.trim, c.last});
        EXPECT_EQ(answer.found, c.found) << c.name;
        if (!c.found)
            continue;
        EXPECT_EQ(answer.count, c.count) << c.name;
        EXPECT_EQ(answer.spaceEaten, c.eaten) << c.name;
    }
}

TEST(LineBreakRule, OutOfRangeFitsAnswerNoBreak)
{
    EXPECT_FALSE(FindUnicodeBreak(u"abc", {0, true, true}).found);
    EXPECT_FALSE(FindUnicodeBreak(u"abc", {3, true, true}).found);
    EXPECT_FALSE(FindUnicodeBreak(u"", {1, true, true}).found);
    EXPECT_FALSE(FindByteBreak("abc", {7, true, true}).found);
}

// Past the search window the answer is "no break", however far back a space lies.
TEST(LineBreakRule, SearchWindowIsBounded)
{
    std::u16string text = u"a " + std::u16string(size_t(kBreakSearchWindow) + 10, u'x');
    EXPECT_FALSE(FindUnicodeBreak(text, {int(text.size()) - 2, true, true}).found);
    std::u16string near = u"a " + std::u16string(100, u'x');
    EXPECT_TRUE(FindUnicodeBreak(near, {int(near.size()) - 2, true, true}).found);
}

} // namespace
} // namespace vellum
