#include "platform/checked_math.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(CheckedMath, AddSubAndMulReportOverflow)
{
    EXPECT_EQ(CheckedAdd(kMax - 1, 1), kMax);
    EXPECT_EQ(CheckedAdd(kMax, 1), std::nullopt);
    EXPECT_EQ(CheckedAdd(kMin, -1), std::nullopt);
    EXPECT_EQ(CheckedAdd<size_t>(SIZE_MAX, 1), std::nullopt);
    EXPECT_EQ(CheckedSub(kMin + 1, 1), kMin);
    EXPECT_EQ(CheckedSub(kMin, 1), std::nullopt);
    EXPECT_EQ(CheckedSub<uint32_t>(0, 1), std::nullopt);
    EXPECT_EQ(CheckedMul(46340, 46340), 2147395600);
    EXPECT_EQ(CheckedMul(46341, 46341), std::nullopt);
    EXPECT_EQ(CheckedMul(kMin, -1), std::nullopt);
    EXPECT_EQ(CheckedMul(-1, kMax), -kMax);
    EXPECT_EQ(CheckedMul<size_t>(SIZE_MAX / 2 + 1, 2), std::nullopt);
}

TEST(CheckedMath, MulDivRoundsHalfAwayFromZero)
{
    struct Case {
        int32_t a, b, c, expected;
    };
    const Case cases[] = {
        {10, 96, 72, 13},       // 13.33
        {12, 96, 72, 16},
        {1, 3, 2, 2},           // 1.5 rounds up
        {-1, 3, 2, -2},         // -1.5 rounds away from zero
        {1, -3, 2, -2},
        {1, 3, -2, -2},
        {-1, -3, -2, -2},
        {-1, -3, 2, 2},
        {5, 1, 4, 1},           // 1.25
        {7, 1, 4, 2},           // 1.75
        {kMax, kMax, kMax, kMax},
        {kMin, kMin, kMin, kMin},
        {kMax, 2, 2, kMax},     // 64-bit intermediate
        {kMin, 1, 1, kMin},
        {kMin, -1, 1, -1},      // 2^31 does not fit: error
        {kMax, 2, 1, -1},
        {5, 5, 0, -1},          // zero divisor
        {0, 0, 0, -1},
        {0, 5, 3, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

} // namespace
