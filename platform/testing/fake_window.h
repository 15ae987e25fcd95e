// A window for tests of the controls: it keeps scroll bars, an invalid region and child
// windows the way the platform the documents were designed for does, and records every call,
// one line each:
//   style border=0|1 left=0|1
//   setbar h|v MIN,MAX,PAGE,POS[ noredraw][ keepdisabled]   -> shown|disabled|hidden
//   getbar h|v
//   setpos h|v POS -> ACCEPTED
//   showbar h|v 0|1
//   scroll DX,DY                 (the uncovered strip becomes invalid)
//   invalidate | invalidate L,T,R,B
//   update -> L,T,R,B ...        (the invalid rects painted, in order; "none" when nothing)
//   repaint
//   suspend | resume             (child alignment)
//   wheellines
//
// Client size: the window's size less BARTHICKNESS for each bar that shows. A change of the
// client size calls OnClientResize (tests use it to call back into the control, as a real
// window's size message would).
#pragma once

#include "platform/window_services.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class FakeChildWindow : public ChildWindow {
public:
    FakeChildWindow(int tag, Point position) : m_tag(tag), m_position(position) {}
    int Tag() const override { return m_tag; }
    void SetTag(int tag) override { m_tag = tag; }
    Point Position() const override { return m_position; }
    void Move(Point topLeft) override { m_position = topLeft; }

private:
    int m_tag;
    Point m_position;
};

class FakeWindow : public WindowServices {
public:
    struct Bar {
        ScrollBarInfo info;
        bool shown = false;
        bool enabled = false;
    };

    explicit FakeWindow(Size windowSize = {800, 600}, int barThickness = 0);

    const std::vector<std::string>& Log() const { return m_log; }
    std::string Dump() const; // the log, one line each, each ending in '\n'
    void ClearLog() { m_log.clear(); }

    const Bar& ScrollBar(ScrollBarKind kind) const;
    const WindowStyle& Style() const { return m_style; }
    const std::vector<Rect>& InvalidRects() const { return m_invalid; }
    void SetWindowSize(Size size);
    void SetWheelLines(std::optional<int> lines) { m_wheelLines = lines; }
    FakeChildWindow& AddChild(int tag, Point position);
    FakeChildWindow& ChildAt(size_t index) { return *m_children.at(index); }
    // Called for every invalid rect that UpdateNow or RepaintNow paints.
    std::function<void(const Rect&)> OnPaint;
    std::function<void()> OnClientResize;

    Size ClientSize() const override;
    void SetWindowStyle(const WindowStyle& style) override;
    void SetScrollBar(ScrollBarKind bar, const ScrollBarInfo& info, bool redraw,
                      bool keepDisabled = false) override;
    ScrollBarInfo GetScrollBar(ScrollBarKind bar) const override;
    int SetScrollPosition(ScrollBarKind bar, int position, bool redraw) override;
    void ShowScrollBar(ScrollBarKind bar, bool show) override;
    void ScrollClient(int dx, int dy) override;
    void Invalidate() override;
    void InvalidateRect(const Rect& rect) override;
    void UpdateNow() override;
    void RepaintNow() override;
    void ForEachChild(const std::function<void(ChildWindow&)>& visit) override;
    void SuspendChildAlignment() override;
    void ResumeChildAlignment() override;
    std::optional<int> WheelScrollLines() const override;

private:
    Bar& BarOf(ScrollBarKind kind);
    // Runs CHANGE and tells OnClientResize when the client size moved.
    void WatchClientSize(const std::function<void()>& change);

    Size m_windowSize;
    int m_barThickness;
    Bar m_hbar;
    Bar m_vbar;
    WindowStyle m_style;
    std::vector<Rect> m_invalid;
    std::vector<std::unique_ptr<FakeChildWindow>> m_children;
    std::optional<int> m_wheelLines = 3;
    mutable std::vector<std::string> m_log;
};

} // namespace platform
