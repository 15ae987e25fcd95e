// The scroller's ranges: the vertical unit choice, what the bars are given after a layout, bars
// that cannot scroll, and range updates that re-enter through a changing client area.
#include "tests/vellum/control/scroller_test_util.h"

#include "vellum/document/rv_document_settings.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using platform::ScrollBarKind;
using testing::ScrollerOnWindow;

// A viewer-like scroller: it refuses units that would not fit its document.
class RefusingScroller : public TRVScroller {
public:
    int64_t heightPixels = 0;
    void SetVerticalUnit(int pixels) override
    {
        if (VerticalUnitFits(pixels, heightPixels, VScrollVisible()))
            TRVScroller::SetVerticalUnit(pixels);
    }
};

int UnitsFor(int64_t pixels, int unit)
{
    return int((pixels + unit - 1) / unit);
}

TEST(ScrollerUnit, ChoiceAfterLayout)
{
    struct Case {
        const char* name;
        int64_t before; // the height of the previous layout (0: none)
        int64_t height;
        bool vScrollVisible;
        int unit;
        int rangeUnits;
    };
    const Case cases[] = {
        {"5000 pixels keep 10", 0, 5000, true, 10, 500},
        {"400000 pixels need 13", 0, 400000, true, 13, 30770},
        {"exactly 32000 units at 20", 0, 640000, true, 20, 32000},
        {"320000 pixels keep 10", 0, 320000, true, 10, 32000},
        {"shrinking to 320009 returns to 10", 400000, 320009, true, 10, 32001},
        {"320010 pixels keep the larger unit", 400000, 320010, true, 13, 24617},
        {"without a vertical bar the unit stays", 0, 400000, false, 10, 40000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::FakeWindow window;
        RefusingScroller scroller;
        scroller.CreateWnd(window);
        scroller.SetVScrollVisible(c.vScrollVisible);
        for (int64_t height : {c.before, c.height}) {
            if (height == 0)
                continue;
            scroller.heightPixels = height;
            scroller.ChooseVerticalUnit(height);
            scroller.UpdateScrollRanges(800, UnitsFor(height, scroller.VerticalUnit()), true, true);
        }
        EXPECT_EQ(scroller.VerticalUnit(), c.unit);
        EXPECT_EQ(scroller.DocHeightUnits(), c.rangeUnits);
        EXPECT_EQ(scroller.VertMax(), c.rangeUnits - 1);
        scroller.DestroyWnd();
    }
}

TEST(ScrollerUnit, RefusalRule)
{
    struct Case {
        int unit;
        int64_t height;
        bool vScrollVisible;
        bool fits;
    };
    const Case cases[] = {
        {0, 100, true, false},       {-5, 100, false, false},     {10, 320000, true, true},
        {10, 320010, true, false},   {10, 320010, false, true},   {13, 400000, true, true},
        {12, 400000, true, false},   {1, 0, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.unit) + " " + ::testing::PrintToString(c.height));
        EXPECT_EQ(TRVScroller::VerticalUnitFits(c.unit, c.height, c.vScrollVisible), c.fits);
    }
}

TEST(ScrollerUnit, OneWhenMadeTenWithItsWindowAndNeverZero)
{
    TRVScroller scroller;
    EXPECT_EQ(scroller.VerticalUnit(), 1);
    platform::FakeWindow window;
    scroller.CreateWnd(window);
    EXPECT_EQ(scroller.VerticalUnit(), 10);
    scroller.SetVerticalUnit(0);
    scroller.SetVerticalUnit(-3);
    EXPECT_EQ(scroller.VerticalUnit(), 10);
    scroller.DestroyWnd();
}

TEST(ScrollerRanges, CreationSetsTheClientAsTheSurface)
{
    platform::FakeWindow window({800, 600});
    TRVScroller scroller;
    scroller.CreateWnd(window);
    EXPECT_EQ(window.Dump(), "style border=0 left=0\n"
                             "setbar h 0,799,800,0 -> hidden\n"
                             "setbar v 0,59,60,0 -> hidden\n");
    scroller.DestroyWnd();
}

TEST(ScrollerRanges, BarsAfterALayout)
{
    ScrollerOnWindow view;
    view.Lay();
    view.scroller.UpdateScrollRanges(1000, 500, true, true);
    EXPECT_EQ(view.window.Dump(), "setbar h 0,999,800,0 -> shown\n"
                                  "setbar v 0,499,60,0 -> shown\n");
    EXPECT_EQ(view.scroller.HorzPage(), 800);
    EXPECT_EQ(view.scroller.HorzMax(), 999);
    EXPECT_EQ(view.scroller.VertPage(), 60);
    EXPECT_EQ(view.scroller.DocWidth(), 1000);
}

TEST(ScrollerRanges, UpdateWithoutHorizontalLeavesItsBar)
{
    ScrollerOnWindow view;
    view.Lay();
    view.scroller.UpdateScrollRanges(5000, 300, true, false);
    EXPECT_EQ(view.window.Dump(), "setbar v 0,299,60,0 -> shown\n");
    EXPECT_EQ(view.scroller.DocWidth(), 1000);
}

TEST(ScrollerRanges, PositionsAreClampedIntoANewRange)
{
    ScrollerOnWindow view;
    view.Lay();
    view.StartAt(200, 400);
    view.scroller.UpdateScrollRanges(900, 100, true, true);
    EXPECT_EQ(view.scroller.VertPos(), 40); // 100 - 1 - (60 - 1)
    EXPECT_EQ(view.scroller.HorzPos(), 100); // 900 - 1 - (800 - 1)
    EXPECT_EQ(view.window.Dump(), "setbar h 0,899,800,100 -> shown\n"
                                  "setbar v 0,99,60,40 -> shown\n");
    view.scroller.UpdateScrollRanges(500, 10, true, true);
    EXPECT_EQ(view.scroller.VertPos(), 0);
    EXPECT_EQ(view.scroller.HorzPos(), 0);
}

TEST(ScrollerRanges, ShortDocumentShowsTheEditorsBarDisabledAndHidesAPlainOne)
{
    struct Case {
        const char* name;
        bool alwaysShow;
        bool allowDisabled;
        const char* state;
    };
    const Case cases[] = {
        {"editor", true, true, "disabled"},
        {"editor without the request", true, false, "hidden"},
        {"plain scroller", false, true, "hidden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScrollerOnWindow view;
        view.scroller.AlwaysShowVertBar = c.alwaysShow;
        view.scroller.UpdateScrollRanges(500, 30, c.allowDisabled, true);
        const auto& bar = view.window.ScrollBar(ScrollBarKind::Vertical);
        const std::string state = !bar.shown ? "hidden" : bar.enabled ? "shown" : "disabled";
        EXPECT_EQ(state, c.state);
    }
}

TEST(ScrollerRanges, BarsThatMayNotShowGetTheHidingValuesOnce)
{
    ScrollerOnWindow view;
    view.Lay();
    view.scroller.SetHScrollVisible(false);
    view.scroller.SetVScrollVisible(false);
    EXPECT_EQ(view.window.Dump(), "getbar h\n"
                                  "setbar h 0,1,2,0 -> hidden\n"
                                  "setbar v 0,499,60,0 -> shown\n"
                                  "getbar h\n"
                                  "getbar v\n"
                                  "setbar v 0,1,2,0 -> hidden\n");
    view.window.ClearLog();
    view.scroller.UpdateScrollRanges(1000, 500, true, true);
    EXPECT_EQ(view.window.Dump(), "getbar h\ngetbar v\n");
}

TEST(ScrollerRanges, TurningTheVerticalBarOnInAnEditorShowsItExplicitly)
{
    ScrollerOnWindow view;
    view.scroller.AlwaysShowVertBar = true;
    view.scroller.SetVScrollVisible(false);
    view.scroller.UpdateScrollRanges(500, 30, true, true);
    view.window.ClearLog();
    view.scroller.SetVScrollVisible(true);
    EXPECT_EQ(view.window.Dump(), "setbar h 0,499,800,0 -> hidden\n"
                                  "setbar v 0,29,60,0 -> hidden\n"
                                  "setbar h 0,499,800,0 -> hidden\n"
                                  "setbar v 0,29,60,0 keepdisabled -> disabled\n"
                                  "showbar v 1\n");
}

TEST(ScrollerRanges, OnResizeFollowsEveryUpdate)
{
    ScrollerOnWindow view;
    int resized = 0;
    view.scroller.OnResize = [&] { ++resized; };
    view.scroller.UpdateScrollRanges(1000, 500, true, true);
    view.scroller.UpdateScrollRanges(1000, 400, true, false);
    EXPECT_EQ(resized, 2);
}

TEST(ScrollerRanges, NothingBeforeTheWindowExists)
{
    TRVScroller scroller;
    scroller.UpdateScrollRanges(1000, 500, true, true);
    scroller.VertScrollTo(10, true);
    scroller.HorzScrollTo(10);
    EXPECT_FALSE(scroller.WheelNotch(true));
    EXPECT_EQ(scroller.DocHeightUnits(), 0);
    EXPECT_EQ(scroller.VertPos(), 0);
}

// Showing a bar shrinks the client area, and the window reports that at once; a range update
// started from there while one runs is dropped.
TEST(ScrollerRanges, ReentrantUpdateFromABarChangeIsDropped)
{
    ScrollerOnWindow view({800, 600}, 20);
    int callbacks = 0;
    view.window.OnClientResize = [&] {
        ++callbacks;
        view.scroller.UpdateScrollRanges(1000, 500, true, true);
    };
    view.window.ClearLog();
    view.scroller.UpdateScrollRanges(1000, 500, true, true);
    EXPECT_EQ(callbacks, 2); // the horizontal bar, then the vertical one
    EXPECT_EQ(view.window.Dump(), "setbar h 0,999,800,0 -> shown\n"
                                  "setbar v 0,499,58,0 -> shown\n");
    EXPECT_EQ(view.scroller.HorzPage(), 800); // measured before the vertical bar showed
}

// The scroller's own size handling runs once more after such an update, with the final size.
TEST(ScrollerRanges, ClientResizedDuringAnUpdateRunsOnceMoreAfterIt)
{
    ScrollerOnWindow view({800, 600}, 20);
    view.window.OnClientResize = [&] { view.scroller.ClientResized(); };
    view.window.ClearLog();
    view.scroller.UpdateScrollRanges(1000, 500, true, true);
    EXPECT_EQ(view.window.Dump(), "setbar h 0,999,800,0 -> shown\n"
                                  "setbar v 0,499,58,0 -> shown\n"
                                  "setbar h 0,999,780,0 -> shown\n"
                                  "setbar v 0,499,58,0 -> shown\n");
    EXPECT_EQ(view.scroller.HorzPage(), 780);
    EXPECT_EQ(view.scroller.VertPage(), 58);
}

// A surface that needs the horizontal bar only once the vertical one shows: the repeat sees
// both bars and settles.
TEST(ScrollerRanges, ABarThatBringsTheOtherSettlesInOneRepeat)
{
    ScrollerOnWindow view({800, 600}, 20);
    int callbacks = 0;
    view.window.OnClientResize = [&] {
        ++callbacks;
        view.scroller.ClientResized();
    };
    view.scroller.UpdateScrollRanges(790, 61, true, true);
    EXPECT_EQ(callbacks, 2);
    EXPECT_TRUE(view.window.ScrollBar(ScrollBarKind::Horizontal).shown);
    EXPECT_EQ(view.scroller.HorzPage(), 780);
    EXPECT_EQ(view.scroller.VertPage(), 58);
    view.window.ClearLog();
    view.scroller.UpdateScrollRanges(790, 61, true, true);
    EXPECT_EQ(view.window.Dump(), "setbar h 0,789,780,0 -> shown\n"
                                  "setbar v 0,60,58,0 -> shown\n");
}

TEST(ScrollerStyle, BorderAndBarSideReachTheWindow)
{
    ScrollerOnWindow view;
    view.scroller.SetBorderStyle(ScrollerBorder::Single);
    view.scroller.SetBiDiMode(rvbdRightToLeft);
    EXPECT_EQ(view.window.Style(), (platform::WindowStyle{true, true}));
    view.scroller.SetBiDiMode(rvbdLeftToRight);
    EXPECT_FALSE(view.window.Style().vertBarOnLeft);
}

TEST(ScrollerStyle, PublishedDefaults)
{
    TRVScroller scroller;
    EXPECT_TRUE(scroller.Tracking);
    EXPECT_TRUE(scroller.VScrollVisible());
    EXPECT_TRUE(scroller.HScrollVisible());
    EXPECT_EQ(scroller.BorderStyle(), ScrollerBorder::None);
    EXPECT_EQ(scroller.WheelStep, 2);
    EXPECT_EQ(scroller.DoInPaletteMode(), rvpaCreateCopies);
    EXPECT_TRUE(scroller.UseXPThemes);
    EXPECT_EQ(scroller.BiDiMode(), rvbdUnspecified);
    EXPECT_EQ(scroller.LineUnits, 1);
    EXPECT_TRUE(scroller.KeyboardScroll);
    EXPECT_FALSE(scroller.ScrollByRepaint);
    EXPECT_FALSE(scroller.AlwaysShowVertBar);
}

TEST(ScrollerStyle, DocumentsReferToTheOnePaletteMode)
{
    TRVScroller scroller;
    DocumentSettings settings;
    EXPECT_EQ(settings.PaletteMode(), rvpaDoNothing);
    settings.DoInPaletteMode = &scroller.DoInPaletteMode();
    EXPECT_EQ(settings.PaletteMode(), rvpaCreateCopies);
    scroller.SetDoInPaletteMode(rvpaAssignPalette);
    EXPECT_EQ(settings.PaletteMode(), rvpaAssignPalette);
}

} // namespace
} // namespace vellum
