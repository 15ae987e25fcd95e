// Upper-casing that keeps every character in its place.
#include "platform/char_case.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(CharCaseTest, Utf16CharacterForCharacter)
{
    struct Case {
        std::u16string text;
        std::u16string upper;
    };
    const Case cases[] = {
        {u"abc xyz", u"ABC XYZ"},
        {u"straße", u"STRAßE"},           // the upper case of ß is two letters: it stays
        {u"ﬁ ŉ", u"ﬁ ŉ"},                  // ligatures and letters that widen stay too
        {u"éàü ÿ", u"ÉÀÜ Ÿ"},
        {u"αβγ жэ", u"ΑΒΓ ЖЭ"},
        {u"中文，１２ｂ", u"中文，１２Ｂ"},
        {u"\U00010428x", u"\U00010400X"},  // a supplementary-plane letter as one character
        {u"\xD801", u"\xD801"},             // a lone surrogate is left alone
        {u"a\xDC28", u"A\xDC28"},
        {u"", u""},
    };
    for (const Case& c : cases) {
        const std::u16string upper = UpperCaseUtf16(c.text);
        EXPECT_EQ(upper, c.upper) << ToUtf8(c.text);
        EXPECT_EQ(upper.size(), c.text.size());
    }
}

TEST(CharCaseTest, BytesInTheirCodePage)
{
    struct Case {
        CodePage codePage;
        std::string text;
        std::string upper;
    };
    const Case cases[] = {
        {1252, "abc\xE9\xFF\xDF", "ABC\xC9\x9F\xDF"}, // é -> É, ÿ -> Ÿ (0x9F), ß stays
        {1251, "\xE0\xFF", "\xC0\xDF"},               // а я -> А Я
        {1253, "\xE1\xF2", "\xC1\xD3"},               // α ς -> Α Σ
        // GBK: "中" is D6 D0, and B0 61 is one character whose trail byte is "a".
        {936, "a\xD6\xD0" "b\xB0\x61" "c", "A\xD6\xD0" "B\xB0\x61" "C"},
        // A lead byte at the end is a character of its own and has no case.
        {936, "z\xB0", "Z\xB0"},
        {932, "\x82\x61x", "\x82\x61X"},
        {65001, "a\xC3\xA9", "A\xC3\xA9"},           // in UTF-8 only single bytes change
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpperCaseBytes(c.text, c.codePage), c.upper) << c.codePage << " " << c.text;
}

} // namespace
} // namespace platform
