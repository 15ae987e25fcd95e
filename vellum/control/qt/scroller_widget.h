// The scroller's window on Qt: a frame holding a client viewport and two scroll bars. The bars
// only mirror the core: their signals are blocked while the core sets them, and every user
// action on them is handed to the core as a scroll request, whose answer sets them back.
// Wheel events arrive in 120ths of a notch and are gathered into whole notches, so that
// high-resolution wheels scroll by the same steps as notched ones.
//
// The widget does not own the core; the core must outlive it. Subclasses of the core paint
// through TRVScroller::Paint, which receives a canvas on the viewport.
#pragma once

#include "platform/window_services.h"
#include "vellum/control/rv_scroller.h"

#include <QFrame>

class QScrollBar;

namespace vellum {

class ScrollerWidget : public QFrame, public platform::WindowServices {
public:
    explicit ScrollerWidget(TRVScroller& core, QWidget* parent = nullptr);
    ~ScrollerWidget() override;

    QWidget* Viewport() const;
    QScrollBar* VerticalBar() const { return m_vbar; }
    QScrollBar* HorizontalBar() const { return m_hbar; }
    TRVScroller& Core() const { return m_core; }

    // ---- platform::WindowServices
    platform::Size ClientSize() const override;
    void SetWindowStyle(const platform::WindowStyle& style) override;
    void SetScrollBar(platform::ScrollBarKind bar, const platform::ScrollBarInfo& info,
                      bool redraw, bool keepDisabled = false) override;
    platform::ScrollBarInfo GetScrollBar(platform::ScrollBarKind bar) const override;
    int SetScrollPosition(platform::ScrollBarKind bar, int position, bool redraw) override;
    void ShowScrollBar(platform::ScrollBarKind bar, bool show) override;
    void ScrollClient(int dx, int dy) override;
    void Invalidate() override;
    void InvalidateRect(const platform::Rect& rect) override;
    void UpdateNow() override;
    void RepaintNow() override;
    void ForEachChild(const std::function<void(platform::ChildWindow&)>& visit) override;
    void SuspendChildAlignment() override {}
    void ResumeChildAlignment() override {}
    std::optional<int> WheelScrollLines() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class ClientArea;
    struct BarState {
        platform::ScrollBarInfo info; // as the core set it
        bool shown = false;
    };

    QScrollBar* BarOf(platform::ScrollBarKind kind) const;
    BarState& StateOf(platform::ScrollBarKind kind);
    void ConnectBar(platform::ScrollBarKind kind);
    void BarAction(platform::ScrollBarKind kind, int action);
    void ToCore(platform::ScrollBarKind kind, ScrollRequest request, int thumb);
    QRect ClientRect() const;
    void LayoutChildren();

    TRVScroller& m_core;
    ClientArea* m_viewport;
    QScrollBar* m_vbar;
    QScrollBar* m_hbar;
    BarState m_vstate;
    BarState m_hstate;
    bool m_vertBarOnLeft = false;
    int m_wheelRemainder = 0; // 120ths of a notch not yet scrolled
};

} // namespace vellum
