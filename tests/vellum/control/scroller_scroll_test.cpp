// Scrolling: clamping, the hooks, moving pixels or repainting, child windows, and the input
// tables of the bars, the arrow keys and the wheel. The surface is 1000 x 5000 pixels (500
// units of 10) on an 800 x 600 client area: the last vertical position is 440, the last
// horizontal one 200.
#include "tests/vellum/control/scroller_test_util.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace vellum {
namespace {

using platform::ScrollBarKind;
using platform::VirtualKey;
using testing::ScrollerOnWindow;

using Hooks = std::vector<std::string>;

TEST(ScrollerScroll, MovesPixelsAndPaintsOnlyTheUncoveredStrip)
{
    ScrollerOnWindow view;
    view.Lay();
    view.scroller.VertScrollTo(2, true);
    EXPECT_EQ(view.window.Dump(), "setpos v 2 -> 2\n"
                                  "scroll 0,-20\n"
                                  "invalidate 0,580,800,600\n"
                                  "suspend\nresume\n"
                                  "update -> 0,580,800,600\n");
    EXPECT_EQ(view.scroller.hooks, (Hooks{"before", "afterv"}));
    view.window.ClearLog();
    view.scroller.VertScrollTo(1, true);
    EXPECT_EQ(view.window.Dump(), "setpos v 1 -> 1\n"
                                  "scroll 0,10\n"
                                  "invalidate 0,0,800,10\n"
                                  "suspend\nresume\n"
                                  "update -> 0,0,800,10\n");
}

TEST(ScrollerScroll, HorizontalScrollMovesPixelsSideways)
{
    ScrollerOnWindow view;
    view.Lay();
    view.scroller.HorzScrollTo(30);
    EXPECT_EQ(view.window.Dump(), "setpos h 30 -> 30\n"
                                  "scroll -30,0\n"
                                  "invalidate 770,0,800,600\n"
                                  "suspend\nresume\n"
                                  "update -> 770,0,800,600\n");
    EXPECT_EQ(view.scroller.hooks, (Hooks{"before", "afterh"}));
}

TEST(ScrollerScroll, ScrollByRepaintRepaintsEverything)
{
    ScrollerOnWindow view;
    view.Lay();
    view.scroller.ScrollByRepaint = true;
    view.scroller.VertScrollTo(2, true);
    view.scroller.HorzScrollTo(5);
    EXPECT_EQ(view.window.Dump(), "setpos v 2 -> 2\nsuspend\nresume\nrepaint\n"
                                  "setpos h 5 -> 5\nsuspend\nresume\nrepaint\n");
}

TEST(ScrollerScroll, WithoutRedrawOnlyThePositionAndTheHooks)
{
    ScrollerOnWindow view;
    view.Lay();
    view.scroller.VertScrollTo(7, false);
    EXPECT_EQ(view.window.Dump(), "setpos v 7 -> 7\nsuspend\nresume\n");
    EXPECT_EQ(view.scroller.hooks, (Hooks{"before", "afterv"}));
}

TEST(ScrollerScroll, PastTheEndClampsToTheLastFullPage)
{
    ScrollerOnWindow view;
    view.Lay();
    view.scroller.VertScrollTo(1000, false);
    EXPECT_EQ(view.scroller.VertPos(), 440);
    view.scroller.VertScrollTo(-5, false);
    EXPECT_EQ(view.scroller.VertPos(), 0);
    view.scroller.HorzScrollTo(5000);
    EXPECT_EQ(view.scroller.HorzPos(), 200);
}

TEST(ScrollerScroll, HiddenBarsAreClampedByHand)
{
    ScrollerOnWindow view;
    view.scroller.SetVScrollVisible(false);
    view.scroller.SetHScrollVisible(false);
    view.Lay();
    view.scroller.VertScrollTo(1000, false);
    view.scroller.HorzScrollTo(5000);
    EXPECT_EQ(view.scroller.VertPos(), 440);
    EXPECT_EQ(view.scroller.HorzPos(), 200);
    for (const std::string& line : view.window.Log())
        EXPECT_NE(line.rfind("setpos", 0), 0u) << line; // no bar was asked
}

TEST(ScrollerScroll, TheCurrentPositionDoesNothing)
{
    ScrollerOnWindow view;
    view.Lay();
    view.StartAt(50, 100);
    int raised = 0;
    view.scroller.OnVScrolled = [&] { ++raised; };
    view.scroller.OnHScrolled = [&] { ++raised; };
    view.scroller.VertScrollTo(100, true);
    view.scroller.HorzScrollTo(50);
    view.scroller.VertScrollTo(440, true);
    view.scroller.VertScrollTo(1000, true); // clamps to where it already is
    EXPECT_EQ(view.scroller.hooks, (Hooks{"before", "afterv"}));
    EXPECT_EQ(raised, 1);
}

TEST(ScrollerScroll, AfterScrollHooksRaiseTheEvents)
{
    ScrollerOnWindow view;
    view.Lay();
    std::vector<std::string> events;
    view.scroller.OnVScrolled = [&] { events.push_back("v"); };
    view.scroller.OnHScrolled = [&] { events.push_back("h"); };
    view.scroller.VertScrollTo(3, true);
    view.scroller.HorzScrollTo(3);
    EXPECT_EQ(events, (std::vector<std::string>{"v", "h"}));
}

TEST(ScrollerScroll, ChildWindowsFollowAndTheirTopsStayWithinTenThousand)
{
    ScrollerOnWindow view;
    view.Lay();
    view.StartAt(0, 100);
    struct Case {
        int tag;
        platform::Point at;
        int tagAfter;
        platform::Point atAfter;
    };
    // Scrolling 2 units down and 30 pixels right moves the children 20 up and 30 left.
    const Case cases[] = {
        {100, {10, 100}, 80, {-20, 80}},
        {10015, {0, 10000}, 9995, {-30, 9995}},
        {20000, {5, 10000}, 19980, {-25, 10000}},
        {-9990, {0, -9990}, -10010, {-30, -10000}},
    };
    for (const Case& c : cases)
        view.window.AddChild(c.tag, c.at);
    view.scroller.VertScrollTo(102, true);
    view.scroller.HorzScrollTo(30);
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(view.window.ChildAt(i).Tag(), cases[i].tagAfter);
        EXPECT_EQ(view.window.ChildAt(i).Position(), cases[i].atAfter);
    }
    EXPECT_EQ(view.window.Dump(), "setpos v 102 -> 102\n"
                                  "scroll 0,-20\n"
                                  "invalidate 0,580,800,600\n"
                                  "suspend\nresume\n"
                                  "update -> 0,580,800,600\n"
                                  "setpos h 30 -> 30\n"
                                  "scroll -30,0\n"
                                  "invalidate 770,0,800,600\n"
                                  "suspend\nresume\n"
                                  "update -> 770,0,800,600\n");
}

TEST(ScrollerScroll, ChildTagsSaturateInsteadOfWrapping)
{
    ScrollerOnWindow view;
    view.Lay();
    view.StartAt(0, 400);
    view.window.AddChild(std::numeric_limits<int>::max() - 5, {0, 10000});
    view.scroller.VertScrollTo(0, true);
    EXPECT_EQ(view.window.ChildAt(0).Tag(), std::numeric_limits<int>::max());
    EXPECT_EQ(view.window.ChildAt(0).Position().y, 10000);
}

struct InputCase {
    const char* name;
    ScrollBarKind bar;
    ScrollRequest request;
    int thumb;
    int expected; // the position afterwards; both start at 100
};

void RunInputCases(const std::vector<InputCase>& cases, bool tracking, int lineUnits = 1)
{
    for (const InputCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScrollerOnWindow view;
        view.scroller.Tracking = tracking;
        view.scroller.LineUnits = lineUnits;
        view.Lay();
        view.StartAt(100, 100);
        if (c.bar == ScrollBarKind::Vertical) {
            view.scroller.VScrollInput(c.request, c.thumb);
            EXPECT_EQ(view.scroller.VertPos(), c.expected);
            EXPECT_EQ(view.scroller.HorzPos(), 100);
        } else {
            view.scroller.HScrollInput(c.request, c.thumb);
            EXPECT_EQ(view.scroller.HorzPos(), c.expected);
            EXPECT_EQ(view.scroller.VertPos(), 100);
        }
    }
}

TEST(ScrollerInput, VerticalBar)
{
    const auto v = ScrollBarKind::Vertical;
    RunInputCases({
                      {"line up", v, ScrollRequest::LineUp, 0, 99},
                      {"line down", v, ScrollRequest::LineDown, 0, 101},
                      {"page up", v, ScrollRequest::PageUp, 0, 40},
                      {"page down", v, ScrollRequest::PageDown, 0, 160},
                      {"thumb released", v, ScrollRequest::ThumbPosition, 250, 250},
                      {"thumb dragged", v, ScrollRequest::ThumbTrack, 260, 260},
                      {"top", v, ScrollRequest::Top, 0, 0},
                      {"bottom", v, ScrollRequest::Bottom, 0, 440},
                      {"end of scroll", v, ScrollRequest::EndScroll, 300, 100},
                  },
                  true);
}

TEST(ScrollerInput, HorizontalBar)
{
    const auto h = ScrollBarKind::Horizontal;
    RunInputCases({
                      {"line left", h, ScrollRequest::LineUp, 0, 90},
                      {"line right", h, ScrollRequest::LineDown, 0, 110},
                      {"page left", h, ScrollRequest::PageUp, 0, 0},
                      {"page right", h, ScrollRequest::PageDown, 0, 200},
                      {"thumb released", h, ScrollRequest::ThumbPosition, 150, 150},
                      {"thumb dragged", h, ScrollRequest::ThumbTrack, 160, 160},
                      {"left end", h, ScrollRequest::Top, 0, 0},
                      {"right end", h, ScrollRequest::Bottom, 0, 200},
                      {"end of scroll", h, ScrollRequest::EndScroll, 0, 100},
                  },
                  true);
}

TEST(ScrollerInput, LineStepsCountLineUnits)
{
    RunInputCases({
                      {"line down", ScrollBarKind::Vertical, ScrollRequest::LineDown, 0, 103},
                      {"line right", ScrollBarKind::Horizontal, ScrollRequest::LineDown, 0, 130},
                  },
                  true, 3);
}

TEST(ScrollerInput, WithoutTrackingADragScrollsOnlyOnRelease)
{
    RunInputCases({
                      {"v dragged", ScrollBarKind::Vertical, ScrollRequest::ThumbTrack, 260, 100},
                      {"v released", ScrollBarKind::Vertical, ScrollRequest::ThumbPosition, 260, 260},
                      {"h dragged", ScrollBarKind::Horizontal, ScrollRequest::ThumbTrack, 160, 100},
                      {"h released", ScrollBarKind::Horizontal, ScrollRequest::ThumbPosition, 160, 160},
                  },
                  false);
}

TEST(ScrollerInput, ArrowKeys)
{
    struct Case {
        VirtualKey key;
        bool handled;
        int vert;
        int horz;
    };
    const Case cases[] = {
        {VirtualKey::PageUp, true, 40, 100},  {VirtualKey::PageDown, true, 160, 100},
        {VirtualKey::Home, true, 0, 100},     {VirtualKey::End, true, 440, 100},
        {VirtualKey::Up, true, 99, 100},      {VirtualKey::Down, true, 101, 100},
        {VirtualKey::Left, true, 100, 90},    {VirtualKey::Right, true, 100, 110},
        {VirtualKey::Other, false, 100, 100},
    };
    for (bool keyboardScroll : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(int(c.key) + (keyboardScroll ? 0 : 100));
            ScrollerOnWindow view;
            view.scroller.KeyboardScroll = keyboardScroll;
            view.Lay();
            view.StartAt(100, 100);
            EXPECT_EQ(view.scroller.KeyDown(c.key), keyboardScroll && c.handled);
            EXPECT_EQ(view.scroller.VertPos(), keyboardScroll ? c.vert : 100);
            EXPECT_EQ(view.scroller.HorzPos(), keyboardScroll ? c.horz : 100);
        }
    }
}

TEST(ScrollerInput, WheelNotches)
{
    struct Case {
        const char* name;
        int wheelStep;
        std::optional<int> lines;
        bool down;
        bool handled;
        int vert; // starting at 100
    };
    const Case cases[] = {
        {"defaults: 2 units, 20 pixels", 2, 3, true, true, 102},
        {"up subtracts", 2, 3, false, true, 98},
        {"4 lines: 8/3 rounds to 3", 2, 4, true, true, 103},
        {"1 line: 2/3 rounds to 1", 2, 1, true, true, 101},
        {"step 1, 1 line: 1/3 rounds to 0", 1, 1, true, true, 100},
        {"step 5", 5, 3, true, true, 105},
        {"negative step turns the wheel round", -2, 3, true, true, 98},
        {"unreadable setting counts 3", 2, std::nullopt, true, true, 102},
        {"page per notch", 2, platform::kWheelScrollPage, true, true, 160},
        {"step 0 is not handled", 0, 3, true, false, 100},
        {"0 lines is not handled", 2, 0, true, false, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScrollerOnWindow view;
        view.scroller.WheelStep = c.wheelStep;
        view.window.SetWheelLines(c.lines);
        view.Lay();
        view.StartAt(100, 100);
        EXPECT_EQ(view.scroller.WheelNotch(c.down), c.handled);
        EXPECT_EQ(view.scroller.VertPos(), c.vert);
    }
}

} // namespace
} // namespace vellum
