#include "platform/testing/fake_window.h"

#include "platform/testing/recording_canvas.h"

#include <algorithm>

namespace platform {
namespace {

const char* BarName(ScrollBarKind kind)
{
    return kind == ScrollBarKind::Horizontal ? "h" : "v";
}

std::string InfoText(const ScrollBarInfo& info)
{
    return std::to_string(info.min) + "," + std::to_string(info.max) + "," +
           std::to_string(info.page) + "," + std::to_string(info.position);
}

const char* BarState(const FakeWindow::Bar& bar)
{
    if (!bar.shown)
        return "hidden";
    return bar.enabled ? "shown" : "disabled";
}

} // namespace

FakeWindow::FakeWindow(Size windowSize, int barThickness)
    : m_windowSize(windowSize), m_barThickness(barThickness)
{
}

std::string FakeWindow::Dump() const
{
    std::string out;
    for (const std::string& line : m_log)
        out += line + "\n";
    return out;
}

const FakeWindow::Bar& FakeWindow::ScrollBar(ScrollBarKind kind) const
{
    return kind == ScrollBarKind::Horizontal ? m_hbar : m_vbar;
}

FakeWindow::Bar& FakeWindow::BarOf(ScrollBarKind kind)
{
    return kind == ScrollBarKind::Horizontal ? m_hbar : m_vbar;
}

Size FakeWindow::ClientSize() const
{
    const int width = m_windowSize.cx - (m_vbar.shown ? m_barThickness : 0);
    const int height = m_windowSize.cy - (m_hbar.shown ? m_barThickness : 0);
    return {std::max(width, 0), std::max(height, 0)};
}

void FakeWindow::WatchClientSize(const std::function<void()>& change)
{
    const Size before = ClientSize();
    change();
    if (ClientSize() != before && OnClientResize)
        OnClientResize();
}

void FakeWindow::SetWindowSize(Size size)
{
    WatchClientSize([&] { m_windowSize = size; });
}

void FakeWindow::SetWindowStyle(const WindowStyle& style)
{
    m_style = style;
    m_log.push_back("style border=" + std::to_string(style.border) +
                    " left=" + std::to_string(style.vertBarOnLeft));
}

// ---- Scroll bars ------------------------------------------------------------------------------

void FakeWindow::SetScrollBar(ScrollBarKind kind, const ScrollBarInfo& info, bool redraw,
                              bool keepDisabled)
{
    Bar& bar = BarOf(kind);
    std::string line = std::string("setbar ") + BarName(kind) + " " + InfoText(info);
    line += redraw ? "" : " noredraw";
    line += keepDisabled ? " keepdisabled" : "";
    WatchClientSize([&] {
        bar.info = info;
        bar.info.position = ClampScrollPosition(info, info.position);
        bar.enabled = CanScroll(info);
        bar.shown = bar.enabled || keepDisabled;
        m_log.push_back(line + " -> " + BarState(bar));
    });
}

ScrollBarInfo FakeWindow::GetScrollBar(ScrollBarKind kind) const
{
    m_log.push_back(std::string("getbar ") + BarName(kind));
    return ScrollBar(kind).info;
}

int FakeWindow::SetScrollPosition(ScrollBarKind kind, int position, bool redraw)
{
    Bar& bar = BarOf(kind);
    bar.info.position = ClampScrollPosition(bar.info, position);
    m_log.push_back(std::string("setpos ") + BarName(kind) + " " + std::to_string(position) +
                    " -> " + std::to_string(bar.info.position));
    return bar.info.position;
}

void FakeWindow::ShowScrollBar(ScrollBarKind kind, bool show)
{
    m_log.push_back(std::string("showbar ") + BarName(kind) + " " + std::to_string(show));
    WatchClientSize([&] { BarOf(kind).shown = show; });
}

// ---- Pixels -----------------------------------------------------------------------------------

void FakeWindow::ScrollClient(int dx, int dy)
{
    m_log.push_back("scroll " + std::to_string(dx) + "," + std::to_string(dy));
    const Size client = ClientSize();
    const Rect all{0, 0, client.cx, client.cy};
    if (dy > 0)
        InvalidateRect(IntersectRects(all, {0, 0, client.cx, dy}));
    if (dy < 0)
        InvalidateRect(IntersectRects(all, {0, client.cy + dy, client.cx, client.cy}));
    if (dx > 0)
        InvalidateRect(IntersectRects(all, {0, 0, dx, client.cy}));
    if (dx < 0)
        InvalidateRect(IntersectRects(all, {client.cx + dx, 0, client.cx, client.cy}));
}

void FakeWindow::Invalidate()
{
    m_log.push_back("invalidate");
    const Size client = ClientSize();
    m_invalid = {{0, 0, client.cx, client.cy}};
}

void FakeWindow::InvalidateRect(const Rect& rect)
{
    m_log.push_back("invalidate " + RecordingCanvas::RectText(rect));
    if (!rect.IsEmpty())
        m_invalid.push_back(rect);
}

void FakeWindow::UpdateNow()
{
    std::string line = "update ->";
    for (const Rect& rect : m_invalid) {
        line += " " + RecordingCanvas::RectText(rect);
        if (OnPaint)
            OnPaint(rect);
    }
    m_log.push_back(m_invalid.empty() ? line + " none" : line);
    m_invalid.clear();
}

void FakeWindow::RepaintNow()
{
    m_log.push_back("repaint");
    const Size client = ClientSize();
    m_invalid.clear();
    if (OnPaint)
        OnPaint({0, 0, client.cx, client.cy});
}

// ---- Children and settings --------------------------------------------------------------------

FakeChildWindow& FakeWindow::AddChild(int tag, Point position)
{
    m_children.push_back(std::make_unique<FakeChildWindow>(tag, position));
    return *m_children.back();
}

void FakeWindow::ForEachChild(const std::function<void(ChildWindow&)>& visit)
{
    for (auto& child : m_children)
        visit(*child);
}

void FakeWindow::SuspendChildAlignment()
{
    m_log.push_back("suspend");
}

void FakeWindow::ResumeChildAlignment()
{
    m_log.push_back("resume");
}

std::optional<int> FakeWindow::WheelScrollLines() const
{
    m_log.push_back("wheellines");
    return m_wheelLines;
}

} // namespace platform
