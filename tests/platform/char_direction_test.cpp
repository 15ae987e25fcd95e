#include "platform/char_direction.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr auto L = CharDirection::LeftToRight;
constexpr auto R = CharDirection::RightToLeft;
constexpr auto N = CharDirection::Neutral;

TEST(CharDirection, StrongCharactersHaveADirection)
{
    const std::pair<char32_t, CharDirection> cases[] = {
        {U'a', L}, {U'中', L}, {U'ש', R}, {U'س', R}, {U'1', N}, {U' ', N},
        {U'.', N}, {U'\u0301', N}, {U'😀', N}, {U'\U00010900', R}, // Phoenician
    };
    for (const auto& [c, direction] : cases)
        EXPECT_EQ(DirectionOfChar(c), direction) << uint32_t(c);
}

TEST(CharDirection, FirstAndLastCharactersOfText)
{
    struct Case {
        std::string bytes;
        CodePage codePage;
        CharDirection first, last;
    };
    const Case cases[] = {
        {"\xf9\xec" " 12", 1255, R, N},            // Hebrew, then digits
        {"abc \xd3\xe1", 1256, L, R},              // Latin, then Arabic
        {"\xd6\xd0\xce\xc4", 936, L, L},          // both ends are whole Chinese characters
        {"", 936, N, N},
        {"\xf0\x90\xa4\x80x", 65001, R, L},       // a character outside the BMP
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(FirstCharDirection(c.bytes, c.codePage), c.first);
        EXPECT_EQ(LastCharDirection(c.bytes, c.codePage), c.last);
        const std::u16string text = ToUtf16(c.bytes, c.codePage);
        EXPECT_EQ(FirstCharDirection(text), c.first);
        EXPECT_EQ(LastCharDirection(text), c.last);
    }
}

} // namespace
