// Layout, preceding-marker and background bodies.
#include <gtest/gtest.h>

#include "platform/picture.h"
#include "vellum/rvf/rvf_layout_records.h"
#include "vellum/vellum_error.h"

namespace vellum {
namespace {

std::string I32s(std::initializer_list<int32_t> values)
{
    std::string out;
    for (int32_t v : values) {
        for (int i = 0; i < 4; ++i)
            out += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
    }
    return out;
}

TEST(RvfStylesLayout, FullTopLevelBodySetsEverything)
{
    std::string body = I32s({0, 41, 5, 6, 7, 8, 100, 900}) + "\x02" + I32s({1, 1, 3, 2});
    ASSERT_EQ(body.size(), 8u + 41u);
    LayoutBody l = ReadRvfLayoutBody(body, nullptr);
    EXPECT_TRUE(l.HasMargins);
    EXPECT_EQ(l.LeftMargin, 5);
    EXPECT_EQ(l.RightMargin, 6);
    EXPECT_EQ(l.TopMargin, 7);
    EXPECT_EQ(l.BottomMargin, 8);
    EXPECT_EQ(l.MinTextWidth, 100);
    EXPECT_EQ(l.MaxTextWidth, 900);
    EXPECT_EQ(l.BiDiMode, 2);
    EXPECT_TRUE(l.FirstParaContinued);
    EXPECT_TRUE(l.LastParaContinued);
    EXPECT_EQ(l.ContinuedListNo, 3);
    EXPECT_EQ(l.ContinuedListLevel, 2);
    EXPECT_EQ(WriteRvfLayoutBody(l), body);
}

TEST(RvfStylesLayout, ShortAndNestedBodies)
{
    // 25 bytes: margins only; extra bytes beyond N are ignored.
    LayoutBody l = ReadRvfLayoutBody(I32s({0, 25, 1, 2, 3, 4, 5, 6}) + std::string(1, '\0') + "tail", nullptr);
    EXPECT_EQ(l.MaxTextWidth, 6);
    EXPECT_FALSE(l.FirstParaContinued);
    EXPECT_EQ(l.ContinuedListNo, -1);
    // Nested: only the continuation group, list number through the map.
    TRVIntegerList map = {7, 9};
    l = ReadRvfLayoutBody(I32s({1, 16, 1, 0, 1, 4}), &map);
    EXPECT_FALSE(l.HasMargins);
    EXPECT_EQ(l.ContinuedListNo, 9);
    EXPECT_EQ(l.ContinuedListLevel, 4);
    // A number beyond the map names no list.
    l = ReadRvfLayoutBody(I32s({1, 16, 1, 0, 5, 0}), &map);
    EXPECT_EQ(l.ContinuedListNo, -1);
}

TEST(RvfStylesLayout, CutBodiesFail)
{
    const std::string bodies[] = {
        I32s({0, 24}) + std::string(24, '\0'),         // top level needs 25
        I32s({0, 41, 1, 2, 3, 4, 5, 6}) + std::string(1, '\0'),      // claims a continuation group it lacks
        I32s({0, 25, 1, 2}),                          // margins cut short
        std::string("\x00\x00", 2),
    };
    for (const std::string& body : bodies) {
        try {
            ReadRvfLayoutBody(body, nullptr);
            ADD_FAILURE() << "accepted a body of " << body.size() << " bytes";
        } catch (const EVellumError& e) {
            EXPECT_STREQ(e.what(), "Invalid RVF format");
        }
    }
}

TEST(RvfStylesLayout, MarkerList)
{
    std::string body = I32s({0, 2});
    body += I32s({1, 0}) + "\x01" + I32s({5, 7});
    body += I32s({0, 2}) + std::string(1, '\0') + I32s({1, 3});
    TRVIntegerList map = {4, 8};
    std::vector<PrecedingMarker> markers;
    ASSERT_TRUE(ReadRvfMarkerList(body, &map, markers));
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_EQ(markers[0].ListNo, 8);
    EXPECT_TRUE(markers[0].ResetNumbering);
    EXPECT_EQ(markers[0].StartFrom, 5);
    EXPECT_EQ(markers[0].Counter, 7);
    EXPECT_EQ(markers[1].ListNo, 4);
    EXPECT_EQ(markers[1].Level, 2);
    // A count beyond the bytes is refused before anything is reserved.
    EXPECT_FALSE(ReadRvfMarkerList(I32s({0, 0x7FFFFFFF}), nullptr, markers));
    EXPECT_FALSE(ReadRvfMarkerList(I32s({0, 3}) + std::string(50, '\0'), nullptr, markers));
}

TEST(RvfStylesLayout, BackgroundBodyMustBeABitmap)
{
    // A 1 x 1 24-bit BMP.
    std::string bmp = "BM" + I32s({58, 0, 54, 40, 1, 1}) + std::string("\x01\x00\x18\x00", 4) + I32s({0, 4, 0, 0, 0, 0}) +
                      std::string("\x10\x20\x30\x00", 4);
    auto picture = ReadRvfBackgroundBody(bmp, 2);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 1);
    std::string hex;
    for (unsigned char c : bmp) {
        const char* digits = "0123456789ABCDEF";
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    EXPECT_NE(ReadRvfBackgroundBody(hex, 0), nullptr);
    EXPECT_EQ(ReadRvfBackgroundBody(hex.substr(1), 0), nullptr); // odd hex
    EXPECT_EQ(ReadRvfBackgroundBody(hex + "ZZ", 0), nullptr);    // bad digit
    EXPECT_EQ(ReadRvfBackgroundBody("GIF89a", 2), nullptr);
}

} // namespace
} // namespace vellum
