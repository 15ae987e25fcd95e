#include "vellum/style/similarity.h"

#include <climits>

#include <gtest/gtest.h>

#include "platform/color.h"

namespace vellum {
namespace {

TEST(ValueSimilarity, Table)
{
    struct Case {
        int32_t reference, value, weight, expected;
    };
    const Case cases[] = {
        {0, 0, 10000, 10000},   // identical zeros give the weight
        {0, 2, 10000, -10000},  // (1 - 2) x weight
        {0, -3, 100, -200},     // the absolute value counts
        {10, 12, 10000, 8000},  // 1 - 2/10
        {10, 10, 1000, 1000},   // identical values
        {10, 25, 1000, -500},   // below zero once the distance exceeds the reference
        {-10, -12, 10000, 8000}, // |reference|
        {8, 9, 1000, 875},      // 1 - 1/8
        {16, 17, 100, 94},      // 93.75 rounds to 94
        {8, 7, 100, 88},        // 87.5: the half goes to the even neighbour
        {8, 5, 100, 62},        // 62.5 likewise
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueSimilarity(c.reference, c.value, c.weight), c.expected)
            << c.reference << " " << c.value << " " << c.weight;
}

TEST(ValueSimilarity, ExtremesClampInsteadOfOverflowing)
{
    EXPECT_EQ(ValueSimilarity(0, INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_EQ(ValueSimilarity(0, INT32_MAX, INT32_MIN), INT32_MAX);
    EXPECT_EQ(ValueSimilarity(1, INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_EQ(ValueSimilarity(-1, INT32_MAX, INT32_MAX), INT32_MIN);
    EXPECT_EQ(ValueSimilarity(INT32_MIN, INT32_MIN, 5), 5);
}

TEST(ColorSimilarity, Table)
{
    struct Case {
        platform::Color a, b;
        int32_t expected;
    };
    const Case cases[] = {
        {clNone, clNone, 12999},     // bonus + 3 x weight
        {clRed, clNone, 0},
        {clNone, clBlack, 0},
        {clBlack, clBlack, 3000},    // no distance, both dark
        {clBlack, clWhite, -9999},   // three full components, no bonus
        {clWhite, clWhite, 3000},
        {0x000040, 0x000000, 3000 - 64 * 3333 / 255}, // both count as dark (64 is not above 64)
        {0x000041, 0x000000, -(65 * 3333 / 255)},     // one bright, one dark
        {0x010101, 0x000000, 3000 - 3 * (3333 / 255)}, // integer division per component
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorSimilarity(c.a, c.b, 3333, 3000), c.expected) << std::hex << c.a << " " << c.b;
}

TEST(ColorSimilarity, SystemColoursAreResolvedAndUnknownOnesAreBlack)
{
    platform::ResetSystemColors();
    platform::Color windowText = platform::SystemColorValue(8);
    EXPECT_EQ(ColorSimilarity(clWindowText, windowText, 3333, 3000), ColorSimilarity(windowText, windowText, 3333, 3000));
    // Index 0xFE lies outside the system table: black.
    EXPECT_EQ(ColorSimilarity(SystemColor(0xFE), clBlack, 3333, 3000), 3000);
    EXPECT_EQ(ColorSimilarity(SystemColor(0xFE), clWhite, 3333, 3000), -9999);
}

TEST(ColorSimilarity, LargeWeightsClamp)
{
    EXPECT_EQ(ColorSimilarity(clNone, clNone, INT32_MAX, INT32_MAX), INT32_MAX);
    EXPECT_EQ(ColorSimilarity(clBlack, clWhite, INT32_MAX, 0), ClampScore(-3 * int64_t{INT32_MAX}));
}

} // namespace
} // namespace vellum
