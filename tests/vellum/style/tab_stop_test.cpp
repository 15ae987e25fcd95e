// Finding tab stops: explicit stops, the indent acting as a stop, default stops, device
// resolutions and right-to-left mirroring.
#include "vellum/style/rv_style.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace vellum {
namespace {

struct Stop {
    int32_t position;
    TRVTabAlign align;
    const char16_t* leader;
};

struct TabStopCase {
    const char* name;
    std::vector<Stop> stops;
    int32_t defTabWidth;
    TabStopQuery query;
    TabStop expected;
};

class FindTabStopTest : public ::testing::TestWithParam<TabStopCase> {};

TEST_P(FindTabStopTest, FindsStop)
{
    const TabStopCase& c = GetParam();
    TRVStyle style;
    style.DefTabWidth = c.defTabWidth;
    TParaInfo& para = style.ParaStyles()[0];
    for (const Stop& s : c.stops) {
        TRVTabInfo& tab = para.Tabs.Add();
        tab.SetPosition(s.position);
        tab.Align = s.align;
        tab.Leader = s.leader;
    }
    EXPECT_EQ(style.FindTabStop(0, c.query), c.expected);
}

// Queries: x, left margin, right indent, left indent, direction, screen and device pixels per
// inch.
constexpr TRVBiDiMode kNone = rvbdUnspecified;
constexpr TRVBiDiMode kRtl = rvbdRightToLeft;

INSTANTIATE_TEST_SUITE_P(
    Tabs, FindTabStopTest,
    ::testing::Values(
        // Default stops every 48 from the margin: the first multiple beyond x.
        TabStopCase{"defaultFrom50", {}, 48, {55, 5, 0, 0, kNone, 96, 96}, {101, rvtaLeft, u""}},
        TabStopCase{"defaultFrom48", {}, 48, {53, 5, 0, 0, kNone, 96, 96}, {101, rvtaLeft, u""}},
        TabStopCase{"defaultFrom0", {}, 48, {5, 5, 0, 0, kNone, 96, 96}, {53, rvtaLeft, u""}},
        TabStopCase{"leftOfMargin", {}, 48, {0, 60, 0, 0, kNone, 96, 96}, {60, rvtaLeft, u""}},
        // A width of 0 or less steps by one pixel.
        TabStopCase{"zeroWidth", {}, 0, {55, 5, 0, 0, kNone, 96, 96}, {56, rvtaLeft, u""}},
        TabStopCase{"negativeWidth", {}, -5, {55, 5, 0, 0, kNone, 96, 96}, {56, rvtaLeft, u""}},
        // A step that converts to nothing on a coarse device still advances.
        TabStopCase{"coarseDevice", {}, 1, {55, 5, 0, 0, kNone, 96, 10}, {56, rvtaLeft, u""}},
        // The first explicit stop beyond x, with its alignment and leader.
        TabStopCase{"explicit", {{100, rvtaRight, u"."}, {200, rvtaCenter, u"-"}}, 48,
                    {55, 5, 0, 0, kNone, 96, 96}, {105, rvtaRight, u"."}},
        TabStopCase{"secondExplicit", {{100, rvtaRight, u"."}, {200, rvtaCenter, u"-"}}, 48,
                    {105, 5, 0, 0, kNone, 96, 96}, {205, rvtaCenter, u"-"}},
        TabStopCase{"beyondAll", {{100, rvtaRight, u"."}}, 48, {150, 5, 0, 0, kNone, 96, 96}, {197, rvtaLeft, u""}},
        // The indent acts as a stop before a later explicit one ...
        TabStopCase{"indentBeforeStop", {{100, rvtaRight, u"."}}, 48, {15, 5, 0, 30, kNone, 96, 96},
                    {35, rvtaLeft, u""}},
        // ... or when there are no stops, or all lie before it ...
        TabStopCase{"indentNoStops", {}, 48, {15, 5, 0, 30, kNone, 96, 96}, {35, rvtaLeft, u""}},
        TabStopCase{"indentAfterStops", {{20, rvtaRight, u"."}}, 48, {30, 5, 0, 30, kNone, 96, 96},
                    {35, rvtaLeft, u""}},
        // ... but not when an explicit stop lies between x and the indent.
        TabStopCase{"stopBeforeIndent", {{20, rvtaRight, u"."}}, 48, {15, 5, 0, 30, kNone, 96, 96},
                    {25, rvtaRight, u"."}},
        // Stops and the default width convert to the device.
        TabStopCase{"device", {{100, rvtaLeft, u""}}, 48, {55, 10, 0, 0, kNone, 96, 192}, {210, rvtaLeft, u""}},
        TabStopCase{"deviceDefault", {}, 48, {300, 10, 0, 0, kNone, 96, 192}, {394, rvtaLeft, u""}},
        // Positions a file claims at the end of the range do not overflow.
        TabStopCase{"hugeStop", {{INT32_MAX, rvtaLeft, u""}}, 48, {55, 5, 0, 0, kNone, 96, 192},
                    {INT32_MAX, rvtaLeft, u""}},
        TabStopCase{"hugeX", {}, INT32_MAX, {INT32_MAX, 0, 0, 0, kNone, 96, 96}, {INT32_MAX, rvtaLeft, u""}},
        // Right to left: measured between the indents mirrored, and mirrored back.
        TabStopCase{"rightToLeft", {}, 48, {55, 5, 20, 10, kRtl, 96, 96}, {91, rvtaLeft, u""}},
        TabStopCase{"rightToLeftIndent", {}, 48, {5, 5, 30, 10, kRtl, 96, 96}, {15, rvtaLeft, u""}}),
    [](const auto& info) { return std::string(info.param.name); });

// Without a direction in the query the paragraph's own applies.
TEST(FindTabStop, ParagraphDirectionWhenNoneGiven)
{
    TRVStyle style;
    style.ParaStyles()[0].BiDiMode = rvbdRightToLeft;
    const TabStop stop = style.FindTabStop(0, {55, 5, 20, 10, rvbdUnspecified, 96, 96});
    EXPECT_EQ(stop.position, 91);
}

} // namespace
} // namespace vellum
