#include "platform/byte_cursor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::ByteCursor;

TEST(ByteCursorTest, ReadsLittleAndBigEndianValues)
{
    ByteCursor cursor(std::string_view("\x01\x02\x03\x04\xFF\xFE\x0A\x0B\x0C\x0D", 10));
    EXPECT_EQ(cursor.ReadU32LE(), 0x04030201u);
    EXPECT_EQ(cursor.ReadI16LE(), -257);
    EXPECT_EQ(cursor.ReadU32BE(), 0x0A0B0C0Du);
    EXPECT_TRUE(cursor.Ok());
    EXPECT_EQ(cursor.Remaining(), 0u);
}

// After the first read that does not fit, every read gives 0 and the offset stays where the
// failure happened, so a header read in one go is checked once.
TEST(ByteCursorTest, TheFirstShortReadSticks)
{
    const struct {
        const char* name;
        size_t size;
        size_t offsetAfter;
    } cases[] = {{"nothing", 0, 0}, {"one byte", 1, 1}, {"five bytes", 5, 5}, {"six bytes", 6, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ByteCursor cursor(std::string_view("\x11\x22\x33\x44\x55\x66", c.size));
        const uint8_t first = cursor.ReadByte();
        const uint16_t second = cursor.ReadU16LE();
        const uint16_t third = cursor.ReadU16LE();
        const uint8_t fourth = cursor.ReadByte();
        EXPECT_EQ(cursor.Ok(), c.size == 6);
        EXPECT_EQ(cursor.Position(), c.offsetAfter);
        EXPECT_EQ(fourth, c.size == 6 ? 0x66 : 0);
        if (c.size < 6) {
            EXPECT_EQ(cursor.Remaining(), 0u);
        }
        EXPECT_EQ(first, c.size >= 1 ? 0x11 : 0);
        EXPECT_EQ(second, c.size >= 3 ? 0x3322 : 0);
        EXPECT_EQ(third, c.size >= 5 ? 0x5544 : 0);
    }
}

TEST(ByteCursorTest, SeekAndTakeStayInBounds)
{
    ByteCursor cursor("abcdef");
    cursor.Seek(6);
    EXPECT_TRUE(cursor.Ok());
    EXPECT_EQ(cursor.Take(0), "");
    cursor.Seek(2);
    EXPECT_EQ(cursor.Take(3), "cde");
    EXPECT_EQ(cursor.Take(2), "");
    EXPECT_FALSE(cursor.Ok());
    cursor.Seek(0); // a failed cursor stays failed
    EXPECT_EQ(cursor.ReadByte(), 0);
    ByteCursor past("abc", 4);
    EXPECT_FALSE(past.Ok());
    EXPECT_FALSE(ByteCursor("abc").Has(SIZE_MAX));
}

TEST(ByteCursorTest, PeekAndSkipIfNeverMovePastAnError)
{
    const std::string bytes = "\x01\x02\x03\x04\x05";
    ByteCursor cursor(bytes);
    EXPECT_EQ(cursor.ReadU32LE(), 0x04030201u);
    EXPECT_EQ(cursor.Peek(), 5);
    EXPECT_FALSE(cursor.SkipIf(4));
    EXPECT_EQ(cursor.Take(2), ""); // only one byte left
    EXPECT_FALSE(cursor.Ok());
    EXPECT_EQ(cursor.ReadByte(), 0);
    EXPECT_EQ(cursor.Peek(), -1);
    EXPECT_FALSE(cursor.SkipIf(5));
    EXPECT_EQ(cursor.Position(), 4u);
    EXPECT_TRUE(cursor.AtEnd());
}

TEST(ByteCursorTest, HugeLengthFailsWithoutAllocating)
{
    ByteCursor cursor("abc");
    EXPECT_EQ(cursor.Take(SIZE_MAX), "");
    EXPECT_FALSE(cursor.Ok());
}

} // namespace
