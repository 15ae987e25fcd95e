// A scroller that records its scroll hooks, on a fake 800 x 600 window, for the scroller tests.
#pragma once

#include "platform/testing/fake_window.h"
#include "vellum/control/rv_scroller.h"

#include <string>
#include <vector>

namespace vellum::testing {

class HookedScroller : public TRVScroller {
public:
    std::vector<std::string> hooks;

protected:
    void BeforeScroll() override { hooks.push_back("before"); }
    void AfterVScroll() override
    {
        hooks.push_back("afterv");
        TRVScroller::AfterVScroll();
    }
    void AfterHScroll() override
    {
        hooks.push_back("afterh");
        TRVScroller::AfterHScroll();
    }
};

// The scroller on its window, with a surface 1000 pixels wide and 500 units (5000 pixels) high
// once Lay() ran.
struct ScrollerOnWindow {
    explicit ScrollerOnWindow(platform::Size size = {800, 600}, int barThickness = 0)
        : window(size, barThickness)
    {
        scroller.CreateWnd(window);
    }
    ~ScrollerOnWindow() { scroller.DestroyWnd(); }
    void Lay(int width = 1000, int heightUnits = 500)
    {
        scroller.UpdateScrollRanges(width, heightUnits, true, true);
        window.ClearLog();
        scroller.hooks.clear();
    }
    // Scrolls to (x, units) without redrawing, then forgets the calls it made.
    void StartAt(int x, int units)
    {
        scroller.VertScrollTo(units, false);
        scroller.HorzScrollTo(x);
        window.ClearLog();
        scroller.hooks.clear();
    }

    platform::FakeWindow window;
    HookedScroller scroller;
};

} // namespace vellum::testing
