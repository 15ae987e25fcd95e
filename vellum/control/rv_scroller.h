// The scrolling window under the viewer control: two scroll bars over a virtual surface larger
// than the client area. It knows nothing of documents. The document side tells it the surface
// size after each layout and asks it to scroll; the scroller keeps both positions, drives the
// window's bars, answers bar, wheel and arrow-key input, moves the pixels already drawn, and
// calls hooks before and after every scroll so that overlays can follow.
//
// Vertical positions count in units of VerticalUnit() pixels, chosen so that the vertical range
// stays at or below 32000 units; horizontal positions count in pixels.
//
// What the viewer control calls, after each layout and on scroll requests:
//   ChooseVerticalUnit(heightPixels)         the unit for a document HEIGHTPIXELS high
//   UpdateScrollRanges(width, heightUnits, allowDisabledBar, updateHorizontal)
//                                            the surface size; heightUnits rounded up
//   VertScrollTo(units, redraw), HorzScrollTo(pixels)
//   VerticalUnit(), VertPos(), HorzPos(), DocWidth(), DocHeightUnits()
// and what it overrides: SetVerticalUnit (with VerticalUnitFits as its refusal rule),
// ResetPositions, SetInitialRanges, ClientResized, Paint, and the hooks BeforeScroll,
// AfterVScroll, AfterHScroll.
//
// The window (platform::WindowServices) forwards its input here: VScrollInput, HScrollInput,
// KeyDown, WheelNotch, ClientResized and Paint. CreateWnd and DestroyWnd bracket its life.
#pragma once

#include "platform/window_services.h"
#include "vellum/document/document_types.h"
#include "vellum/style/style_types.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace platform {
class Canvas;
}

namespace vellum {

// The scroll-bar requests, as the bars send them. For the horizontal bar "up" is left and
// "down" is right; Top and Bottom are its two ends.
enum class ScrollRequest { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Top, Bottom, EndScroll };

enum class ScrollerBorder { None, Single };

// The largest vertical range, in units, the scroll bars are given.
constexpr int kMaxVerticalUnits = 32000;

class TRVScroller {
public:
    TRVScroller() = default;
    virtual ~TRVScroller();
    TRVScroller(const TRVScroller&) = delete;
    TRVScroller& operator=(const TRVScroller&) = delete;

    // ---- The window. CreateWnd runs the creation sequence on WINDOW, which must outlive the
    // scroller or be detached with DestroyWnd first.
    void CreateWnd(platform::WindowServices& window);
    void DestroyWnd();
    bool HandleAllocated() const { return FWindow != nullptr; }
    platform::WindowServices* Window() const { return FWindow; }
    platform::Size ClientSize() const;

    // ---- Published properties.
    bool Tracking = true;      // scroll while the thumb is dragged, not only on release
    int32_t WheelStep = 2;     // units per notch at 3 lines per notch; 0 turns the wheel off
    bool UseXPThemes = true;   // the toolkit's style draws the border either way
    std::function<void()> OnVScrolled;
    std::function<void()> OnHScrolled;
    std::function<void()> OnResize; // after every range update

    bool VScrollVisible() const { return FVScrollVisible; }
    void SetVScrollVisible(bool value);
    bool HScrollVisible() const { return FHScrollVisible; }
    void SetHScrollVisible(bool value);
    ScrollerBorder BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(ScrollerBorder value);
    TRVBiDiMode BiDiMode() const { return FBiDiMode; }
    virtual void SetBiDiMode(TRVBiDiMode value);
    // Kept for documents, which refer to this one value (DocumentSettings::DoInPaletteMode);
    // true-colour displays build no palette.
    const TRVPaletteAction& DoInPaletteMode() const { return FDoInPaletteMode; }
    void SetDoInPaletteMode(TRVPaletteAction value);

    // ---- State.
    int VerticalUnit() const { return FVerticalUnit; }
    int VertPos() const { return FVertPos; }
    int HorzPos() const { return FHorzPos; }
    int DocWidth() const { return FDocWidth; }
    int DocHeightUnits() const { return FDocHeightUnits; }
    int VertPage() const { return FVertPage; }
    int VertMax() const { return FVertMax; }
    int HorzPage() const { return FHorzPage; }
    int HorzMax() const { return FHorzMax; }
    int LineUnits = 1;             // units per line step
    bool KeyboardScroll = true;    // arrow keys scroll (an editor moves its caret instead)
    bool ScrollByRepaint = false;  // repaint everything instead of moving pixels
    bool AlwaysShowVertBar = false; // keep the vertical bar visible, disabled, when all fits

    // ---- Called by the document side.
    void UpdateScrollRanges(int width, int heightUnits, bool allowDisabledBar,
                            bool updateHorizontal);
    virtual void VertScrollTo(int units, bool redraw);
    virtual void HorzScrollTo(int pixels);
    // Accepts any unit above 0; the viewer refuses more (VerticalUnitFits).
    virtual void SetVerticalUnit(int pixels);
    // Picks the unit for a document HEIGHTPIXELS high and sets it through SetVerticalUnit.
    void ChooseVerticalUnit(int64_t heightPixels);
    // The viewer's refusal rule: a unit above 0 that, while the vertical bar may show, keeps
    // the document within kMaxVerticalUnits.
    static bool VerticalUnitFits(int unit, int64_t heightPixels, bool vScrollVisible);

    // ---- Input from the window.
    void VScrollInput(ScrollRequest request, int thumbPosition = 0);
    void HScrollInput(ScrollRequest request, int thumbPosition = 0);
    // True when the key was used (only with KeyboardScroll).
    bool KeyDown(platform::VirtualKey key);
    // One wheel notch, downwards (towards the end) or upwards. False when not handled, so that
    // the window passes the notch on.
    bool WheelNotch(bool down);
    // The client area changed size; a plain scroller refreshes its ranges.
    virtual void ClientResized();
    // Paints AREA of the client area; a plain scroller paints nothing.
    virtual void Paint(platform::Canvas& canvas, const platform::Rect& area) {}

protected:
    // Hooks around every scroll; the after-scroll hooks raise OnVScrolled and OnHScrolled.
    virtual void BeforeScroll() {}
    virtual void AfterVScroll();
    virtual void AfterHScroll();
    // Steps of the creation sequence.
    virtual void ResetPositions();
    virtual void SetInitialRanges();
    virtual int DefaultVerticalUnit() const { return 10; }
    // Palette displays do not exist here; a change of the palette mode has nothing to rebuild.
    virtual void RebuildPalette() {}

    // Moves the child windows by (dx, dy): their tags hold their unclipped tops.
    void MoveChildren(int dx, int dy);

private:
    // What the steps of one bar are worth: a line, a page, and the position of its far end.
    struct BarSteps {
        int64_t line;
        int64_t page;
        int64_t end;
    };
    // The position a bar request asks for from POSITION; none for requests that do not scroll.
    std::optional<int64_t> RequestedPosition(ScrollRequest request, int64_t position,
                                             const BarSteps& steps, int thumb) const;
    void UpdateHorzBar(int width);
    void UpdateVertBar(int heightUnits, bool allowDisabledBar);
    void HideBar(platform::ScrollBarKind bar);
    void ApplyWindowStyle();
    // Sets the bar's position (or clamps by hand when it may not show) and returns the result.
    int ClampedPosition(platform::ScrollBarKind bar, int position, bool visible, int max, int page);
    void ScrollPixels(int dx, int dy, bool redraw);

    platform::WindowServices* FWindow = nullptr;
    bool FVScrollVisible = true;
    bool FHScrollVisible = true;
    ScrollerBorder FBorderStyle = ScrollerBorder::None;
    TRVBiDiMode FBiDiMode = rvbdUnspecified;
    TRVPaletteAction FDoInPaletteMode = rvpaCreateCopies;
    int FVerticalUnit = 1;
    int FVertPos = 0;
    int FHorzPos = 0;
    int FDocWidth = 0;
    int FDocHeightUnits = 0;
    int FVertPage = 0;
    int FVertMax = 0;
    int FHorzPage = 0;
    int FHorzMax = 0;
    bool FUpdatingRanges = false;
    bool FResizePending = false;
    bool FRepeatingResize = false;
};

} // namespace vellum
