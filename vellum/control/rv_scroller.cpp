#include "vellum/control/rv_scroller.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vellum {
namespace {

using platform::ScrollBarInfo;
using platform::ScrollBarKind;

// The values that hide a bar: a page larger than the range.
constexpr ScrollBarInfo kHiddenBar{0, 1, 2, 0};

// Child windows are shown no further than this from the client area, whatever their tag says.
constexpr int kChildTopLimit = 10000;

int SaturatedInt(int64_t value)
{
    return int(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                   std::numeric_limits<int>::max()));
}

// Holds a flag for the life of a scope, also when the scope ends by an exception.
class FlagHolder {
public:
    explicit FlagHolder(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagHolder() { m_flag = false; }
    FlagHolder(const FlagHolder&) = delete;
    FlagHolder& operator=(const FlagHolder&) = delete;

private:
    bool& m_flag;
};

} // namespace

TRVScroller::~TRVScroller() = default;

// ---- The window -------------------------------------------------------------------------------

void TRVScroller::CreateWnd(platform::WindowServices& window)
{
    FWindow = &window;
    ApplyWindowStyle();
    FVerticalUnit = DefaultVerticalUnit();
    ResetPositions();
    SetInitialRanges();
}

void TRVScroller::DestroyWnd()
{
    FWindow = nullptr;
}

platform::Size TRVScroller::ClientSize() const
{
    return FWindow ? FWindow->ClientSize() : platform::Size{};
}

void TRVScroller::ResetPositions()
{
    FVertPos = 0;
    FHorzPos = 0;
}

void TRVScroller::SetInitialRanges()
{
    const platform::Size client = ClientSize();
    UpdateScrollRanges(client.cx, client.cy / FVerticalUnit, true, true);
}

void TRVScroller::ApplyWindowStyle()
{
    if (!FWindow)
        return;
    FWindow->SetWindowStyle({FBorderStyle == ScrollerBorder::Single, FBiDiMode == rvbdRightToLeft});
}

// ---- Properties -------------------------------------------------------------------------------

void TRVScroller::SetVScrollVisible(bool value)
{
    if (value == FVScrollVisible)
        return;
    FVScrollVisible = value;
    if (!FWindow)
        return;
    UpdateScrollRanges(FDocWidth, FDocHeightUnits, false, true);
    if (!value || !AlwaysShowVertBar)
        return;
    UpdateScrollRanges(FDocWidth, FDocHeightUnits, true, true);
    FWindow->ShowScrollBar(ScrollBarKind::Vertical, true);
}

void TRVScroller::SetHScrollVisible(bool value)
{
    if (value == FHScrollVisible)
        return;
    FHScrollVisible = value;
    if (FWindow)
        UpdateScrollRanges(FDocWidth, FDocHeightUnits, true, true);
}

void TRVScroller::SetBorderStyle(ScrollerBorder value)
{
    FBorderStyle = value;
    ApplyWindowStyle();
}

void TRVScroller::SetBiDiMode(TRVBiDiMode value)
{
    FBiDiMode = value;
    ApplyWindowStyle();
}

void TRVScroller::SetDoInPaletteMode(TRVPaletteAction value)
{
    if (value == FDoInPaletteMode)
        return;
    FDoInPaletteMode = value;
    RebuildPalette();
}

// ---- Ranges -----------------------------------------------------------------------------------

void TRVScroller::UpdateScrollRanges(int width, int heightUnits, bool allowDisabledBar,
                                     bool updateHorizontal)
{
    // Setting a bar can change the client area, which can start a layout and with it another
    // range update; that one is dropped, and ClientResized runs once more afterwards.
    if (!FWindow || FUpdatingRanges)
        return;
    {
        FlagHolder guard(FUpdatingRanges);
        if (updateHorizontal)
            UpdateHorzBar(width);
        UpdateVertBar(heightUnits, allowDisabledBar);
        if (OnResize)
            OnResize();
    }
    const bool repeat = FResizePending && !FRepeatingResize;
    FResizePending = false;
    if (!repeat)
        return;
    FlagHolder repeating(FRepeatingResize);
    ClientResized();
}

void TRVScroller::UpdateHorzBar(int width)
{
    const int clientWidth = ClientSize().cx;
    FDocWidth = width;
    FHorzPage = clientWidth;
    FHorzMax = width - 1;
    if (!FHScrollVisible) {
        HideBar(ScrollBarKind::Horizontal);
        return;
    }
    FHorzPos = std::max(std::min(FHorzPos, SaturatedInt(int64_t(FHorzMax) - (clientWidth - 1))), 0);
    FWindow->SetScrollBar(ScrollBarKind::Horizontal, {0, FHorzMax, clientWidth, FHorzPos}, true);
}

void TRVScroller::UpdateVertBar(int heightUnits, bool allowDisabledBar)
{
    FDocHeightUnits = heightUnits;
    FVertPage = ClientSize().cy / FVerticalUnit;
    FVertMax = heightUnits - 1;
    FVertPos = std::max(std::min(FVertPos, SaturatedInt(int64_t(FVertMax) - (FVertPage - 1))), 0);
    if (!FVScrollVisible) {
        HideBar(ScrollBarKind::Vertical);
        return;
    }
    const bool keepDisabled = allowDisabledBar && AlwaysShowVertBar;
    FWindow->SetScrollBar(ScrollBarKind::Vertical, {0, FVertMax, FVertPage, FVertPos}, true,
                          keepDisabled);
}

void TRVScroller::HideBar(ScrollBarKind bar)
{
    if (FWindow->GetScrollBar(bar) == kHiddenBar)
        return;
    FWindow->SetScrollBar(bar, kHiddenBar, true);
}

void TRVScroller::ClientResized()
{
    if (FUpdatingRanges) {
        FResizePending = true;
        return;
    }
    UpdateScrollRanges(FDocWidth, FDocHeightUnits, true, true);
}

// ---- The vertical unit ------------------------------------------------------------------------

void TRVScroller::SetVerticalUnit(int pixels)
{
    if (pixels > 0)
        FVerticalUnit = pixels;
}

bool TRVScroller::VerticalUnitFits(int unit, int64_t heightPixels, bool vScrollVisible)
{
    if (unit <= 0)
        return false;
    return !vScrollVisible || heightPixels / unit <= kMaxVerticalUnits;
}

void TRVScroller::ChooseVerticalUnit(int64_t heightPixels)
{
    if (FVScrollVisible && heightPixels / FVerticalUnit > kMaxVerticalUnits) {
        int64_t unit = heightPixels / kMaxVerticalUnits;
        if (heightPixels / unit > kMaxVerticalUnits)
            ++unit;
        SetVerticalUnit(SaturatedInt(unit));
        return;
    }
    if (FVerticalUnit > 10 && heightPixels / 10 <= kMaxVerticalUnits)
        SetVerticalUnit(10);
}

// ---- Scrolling --------------------------------------------------------------------------------

int TRVScroller::ClampedPosition(ScrollBarKind bar, int position, bool visible, int max, int page)
{
    if (visible)
        return FWindow->SetScrollPosition(bar, position, true);
    return platform::ClampScrollPosition({0, max, page, 0}, position);
}

void TRVScroller::VertScrollTo(int units, bool redraw)
{
    if (!FWindow)
        return;
    const int old = FVertPos;
    FVertPos = ClampedPosition(ScrollBarKind::Vertical, units, FVScrollVisible, FVertMax, FVertPage);
    if (FVertPos == old)
        return;
    BeforeScroll();
    const int dy = SaturatedInt((int64_t(old) - FVertPos) * FVerticalUnit);
    ScrollPixels(0, dy, redraw);
    AfterVScroll();
}

void TRVScroller::HorzScrollTo(int pixels)
{
    if (!FWindow)
        return;
    const int old = FHorzPos;
    FHorzPos = ClampedPosition(ScrollBarKind::Horizontal, pixels, FHScrollVisible, FHorzMax,
                               FHorzPage);
    if (FHorzPos == old)
        return;
    BeforeScroll();
    ScrollPixels(SaturatedInt(int64_t(old) - FHorzPos), 0, true);
    AfterHScroll();
}

void TRVScroller::ScrollPixels(int dx, int dy, bool redraw)
{
    if (!redraw) {
        MoveChildren(dx, dy);
        return;
    }
    if (ScrollByRepaint) {
        MoveChildren(dx, dy);
        FWindow->RepaintNow();
        return;
    }
    FWindow->ScrollClient(dx, dy);
    MoveChildren(dx, dy);
    FWindow->UpdateNow();
}

void TRVScroller::MoveChildren(int dx, int dy)
{
    if (!FWindow || (dx == 0 && dy == 0))
        return;
    FWindow->SuspendChildAlignment();
    FWindow->ForEachChild([dx, dy](platform::ChildWindow& child) {
        platform::Point at = child.Position();
        if (dy != 0) {
            child.SetTag(SaturatedInt(int64_t(child.Tag()) + dy));
            at.y = std::clamp(child.Tag(), -kChildTopLimit, kChildTopLimit);
        }
        if (dx != 0)
            at.x = SaturatedInt(int64_t(at.x) + dx);
        child.Move(at);
    });
    FWindow->ResumeChildAlignment();
}

void TRVScroller::AfterVScroll()
{
    if (OnVScrolled)
        OnVScrolled();
}

void TRVScroller::AfterHScroll()
{
    if (OnHScrolled)
        OnHScrolled();
}

// ---- Input ------------------------------------------------------------------------------------

void TRVScroller::VScrollInput(ScrollRequest request, int thumbPosition)
{
    const BarSteps steps{LineUnits, ClientSize().cy / FVerticalUnit, FDocHeightUnits};
    if (const auto target = RequestedPosition(request, FVertPos, steps, thumbPosition))
        VertScrollTo(SaturatedInt(*target), true);
}

void TRVScroller::HScrollInput(ScrollRequest request, int thumbPosition)
{
    const BarSteps steps{int64_t(FVerticalUnit) * LineUnits, ClientSize().cx, FDocWidth};
    if (const auto target = RequestedPosition(request, FHorzPos, steps, thumbPosition))
        HorzScrollTo(SaturatedInt(*target));
}

std::optional<int64_t> TRVScroller::RequestedPosition(ScrollRequest request, int64_t position,
                                                      const BarSteps& steps, int thumb) const
{
    switch (request) {
    case ScrollRequest::LineUp: return position - steps.line;
    case ScrollRequest::LineDown: return position + steps.line;
    case ScrollRequest::PageUp: return position - steps.page;
    case ScrollRequest::PageDown: return position + steps.page;
    case ScrollRequest::ThumbPosition: return thumb;
    case ScrollRequest::ThumbTrack: return Tracking ? std::optional<int64_t>(thumb) : std::nullopt;
    case ScrollRequest::Top: return 0;
    case ScrollRequest::Bottom: return steps.end;
    case ScrollRequest::EndScroll: return std::nullopt;
    }
    return std::nullopt;
}

bool TRVScroller::KeyDown(platform::VirtualKey key)
{
    using platform::VirtualKey;
    if (!KeyboardScroll)
        return false;
    switch (key) {
    case VirtualKey::PageUp: VScrollInput(ScrollRequest::PageUp); return true;
    case VirtualKey::PageDown: VScrollInput(ScrollRequest::PageDown); return true;
    case VirtualKey::Home: VScrollInput(ScrollRequest::Top); return true;
    case VirtualKey::End: VScrollInput(ScrollRequest::Bottom); return true;
    case VirtualKey::Up: VScrollInput(ScrollRequest::LineUp); return true;
    case VirtualKey::Down: VScrollInput(ScrollRequest::LineDown); return true;
    case VirtualKey::Left: HScrollInput(ScrollRequest::LineUp); return true;
    case VirtualKey::Right: HScrollInput(ScrollRequest::LineDown); return true;
    case VirtualKey::Other: return false;
    }
    return false;
}

bool TRVScroller::WheelNotch(bool down)
{
    if (WheelStep == 0 || !FWindow)
        return false;
    const int lines = FWindow->WheelScrollLines().value_or(3);
    if (lines == 0)
        return false;
    int64_t step = 0;
    if (lines == platform::kWheelScrollPage)
        step = ClientSize().cy / FVerticalUnit;
    else
        step = int64_t(std::nearbyint(double(int64_t(WheelStep) * lines) / 3.0));
    VertScrollTo(SaturatedInt(down ? FVertPos + step : FVertPos - step), true);
    return true;
}

} // namespace vellum
