// What a scrolling child window offers the engine: its two scroll bars, moving the pixels already
// drawn, invalidating and painting at once, the client size, its child windows and the system
// settings the scroller reads. The engine's controls keep all their logic and reach the window
// only through this interface; each toolkit implements it once, and tests use a fake that
// records every call.
//
// Scroll bars follow the model the stored documents were designed for: a range MIN..MAX
// (inclusive), a page size and a position. A bar can scroll when PAGE <= MAX - MIN; its largest
// position is MAX - max(PAGE - 1, 0). A bar that cannot scroll is hidden, unless it was set with
// keepDisabled, which shows it disabled instead.
#pragma once

#include "platform/canvas.h"

#include <functional>
#include <optional>

namespace platform {

enum class ScrollBarKind { Horizontal, Vertical };

struct ScrollBarInfo {
    int min = 0;
    int max = 0;
    int page = 0;
    int position = 0;
    friend bool operator==(const ScrollBarInfo&, const ScrollBarInfo&) = default;
};

// The largest position a bar with INFO's range and page accepts (never below MIN).
int MaxScrollPosition(const ScrollBarInfo& info);
// POSITION limited to what a bar with INFO's range and page accepts.
int ClampScrollPosition(const ScrollBarInfo& info, int position);
// True when the bar has something to scroll (its page is smaller than its range).
bool CanScroll(const ScrollBarInfo& info);

// A window placed inside the client area (an inserted control). The tag is a general-purpose
// integer the owner keeps there; the engine stores the control's unclipped top in it.
class ChildWindow {
public:
    virtual ~ChildWindow() = default;
    virtual int Tag() const = 0;
    virtual void SetTag(int tag) = 0;
    virtual Point Position() const = 0; // top-left in client coordinates
    virtual void Move(Point topLeft) = 0;
};

// How the window frames its client area: a sunken border, and the vertical bar on the left
// (right-to-left reading) instead of the right.
struct WindowStyle {
    bool border = false;
    bool vertBarOnLeft = false;
    friend bool operator==(const WindowStyle&, const WindowStyle&) = default;
};

// Keys the engine handles itself; everything else arrives as Other.
enum class VirtualKey { Other, PageUp, PageDown, End, Home, Left, Up, Right, Down };

// Lines-per-notch setting that asks for a whole page per wheel notch.
constexpr int kWheelScrollPage = -1;

class WindowServices {
public:
    virtual ~WindowServices() = default;

    virtual Size ClientSize() const = 0;
    virtual void SetWindowStyle(const WindowStyle& style) = 0;

    // --- Scroll bars. Setting a bar may show or hide it, which changes the client size.
    virtual void SetScrollBar(ScrollBarKind bar, const ScrollBarInfo& info, bool redraw,
                              bool keepDisabled = false) = 0;
    virtual ScrollBarInfo GetScrollBar(ScrollBarKind bar) const = 0;
    // Moves the bar's thumb and returns the position the bar accepted (clamped into its range).
    virtual int SetScrollPosition(ScrollBarKind bar, int position, bool redraw) = 0;
    // Shows a bar that cannot scroll, disabled (used when the bar must stay visible).
    virtual void ShowScrollBar(ScrollBarKind bar, bool show) = 0;

    // --- Pixels. ScrollClient moves the client area's pixels by (dx, dy) without moving child
    // windows, and invalidates the strip it uncovered.
    virtual void ScrollClient(int dx, int dy) = 0;
    virtual void Invalidate() = 0;
    virtual void InvalidateRect(const Rect& rect) = 0;
    // Paints the invalid parts now.
    virtual void UpdateNow() = 0;
    // Invalidates everything and paints it now.
    virtual void RepaintNow() = 0;

    // --- Child windows, in z-order. Alignment of children is suspended while they are moved
    // one by one, so that the window does not lay them out between the moves.
    virtual void ForEachChild(const std::function<void(ChildWindow&)>& visit) = 0;
    virtual void SuspendChildAlignment() = 0;
    virtual void ResumeChildAlignment() = 0;

    // --- System settings. Lines per wheel notch: kWheelScrollPage for a page per notch;
    // nullopt when the setting cannot be read.
    virtual std::optional<int> WheelScrollLines() const = 0;
};

} // namespace platform
