#include "vellum/control/qt/scroller_widget.h"

#include "platform/qt/qt_canvas.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleHints>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace vellum {
namespace {

using platform::ScrollBarKind;

// One notch of a classic wheel, in the units Qt reports.
constexpr int kWheelNotch = 120;

// Qt keeps no integer tag on widgets; an inserted control keeps it in this property.
constexpr const char* kTagProperty = "vellumTag";

class QtChildWindow : public platform::ChildWindow {
public:
    explicit QtChildWindow(QWidget& widget) : m_widget(widget) {}
    int Tag() const override { return m_widget.property(kTagProperty).toInt(); }
    void SetTag(int tag) override { m_widget.setProperty(kTagProperty, tag); }
    platform::Point Position() const override { return {m_widget.x(), m_widget.y()}; }
    void Move(platform::Point topLeft) override { m_widget.move(topLeft.x, topLeft.y); }

private:
    QWidget& m_widget;
};

platform::VirtualKey KeyOf(int qtKey)
{
    using platform::VirtualKey;
    switch (qtKey) {
    case Qt::Key_PageUp: return VirtualKey::PageUp;
    case Qt::Key_PageDown: return VirtualKey::PageDown;
    case Qt::Key_Home: return VirtualKey::Home;
    case Qt::Key_End: return VirtualKey::End;
    case Qt::Key_Up: return VirtualKey::Up;
    case Qt::Key_Down: return VirtualKey::Down;
    case Qt::Key_Left: return VirtualKey::Left;
    case Qt::Key_Right: return VirtualKey::Right;
    default: return VirtualKey::Other;
    }
}

} // namespace

// The client area: paints through the core, and tells it when its size changes. It fills
// itself with the window colour first, which also lets Qt move its pixels when scrolling.
class ScrollerWidget::ClientArea : public QWidget {
public:
    ClientArea(TRVScroller& core, QWidget* parent) : QWidget(parent), m_core(core)
    {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Base);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        platform::QtCanvas canvas(painter, {width(), height()}, logicalDpiX(), logicalDpiY());
        const QRect r = event->rect();
        m_core.Paint(canvas, {r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    }
    void resizeEvent(QResizeEvent*) override { m_core.ClientResized(); }

private:
    TRVScroller& m_core;
};

ScrollerWidget::ScrollerWidget(TRVScroller& core, QWidget* parent)
    : QFrame(parent), m_core(core), m_viewport(new ClientArea(core, this)),
      m_vbar(new QScrollBar(Qt::Vertical, this)), m_hbar(new QScrollBar(Qt::Horizontal, this))
{
    setFocusPolicy(Qt::StrongFocus);
    ConnectBar(ScrollBarKind::Vertical);
    ConnectBar(ScrollBarKind::Horizontal);
    LayoutChildren();
    m_core.CreateWnd(*this);
}

ScrollerWidget::~ScrollerWidget()
{
    m_core.DestroyWnd();
}

QWidget* ScrollerWidget::Viewport() const
{
    return m_viewport;
}

QScrollBar* ScrollerWidget::BarOf(ScrollBarKind kind) const
{
    return kind == ScrollBarKind::Vertical ? m_vbar : m_hbar;
}

ScrollerWidget::BarState& ScrollerWidget::StateOf(ScrollBarKind kind)
{
    return kind == ScrollBarKind::Vertical ? m_vstate : m_hstate;
}

// ---- Bars to the core -------------------------------------------------------------------------

void ScrollerWidget::ConnectBar(ScrollBarKind kind)
{
    QScrollBar* bar = BarOf(kind);
    // Qt's own tracking is off: a drag reports positions through sliderMoved, and the core
    // decides (by its Tracking) whether they scroll.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->installEventFilter(this);
    bar->hide();
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, kind](int action) { BarAction(kind, action); });
    connect(bar, &QAbstractSlider::sliderMoved, this,
            [this, kind](int position) { ToCore(kind, ScrollRequest::ThumbTrack, position); });
}

// Qt has already moved the thumb for ACTION when this runs; the core's answer replaces it.
void ScrollerWidget::BarAction(ScrollBarKind kind, int action)
{
    QScrollBar* bar = BarOf(kind);
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: ToCore(kind, ScrollRequest::LineDown, 0); break;
    case QAbstractSlider::SliderSingleStepSub: ToCore(kind, ScrollRequest::LineUp, 0); break;
    case QAbstractSlider::SliderPageStepAdd: ToCore(kind, ScrollRequest::PageDown, 0); break;
    case QAbstractSlider::SliderPageStepSub: ToCore(kind, ScrollRequest::PageUp, 0); break;
    case QAbstractSlider::SliderToMinimum: ToCore(kind, ScrollRequest::Top, 0); break;
    case QAbstractSlider::SliderToMaximum: ToCore(kind, ScrollRequest::Bottom, 0); break;
    case QAbstractSlider::SliderMove: {
        const bool dragging = bar->isSliderDown();
        ToCore(kind, dragging ? ScrollRequest::ThumbTrack : ScrollRequest::ThumbPosition,
               bar->sliderPosition());
        break;
    }
    default: break;
    }
    const QSignalBlocker blocker(bar);
    bar->setSliderPosition(StateOf(kind).info.position);
}

void ScrollerWidget::ToCore(ScrollBarKind kind, ScrollRequest request, int thumb)
{
    if (kind == ScrollBarKind::Vertical)
        m_core.VScrollInput(request, thumb);
    else
        m_core.HScrollInput(request, thumb);
}

// ---- The core to the bars ---------------------------------------------------------------------

platform::Size ScrollerWidget::ClientSize() const
{
    const QRect client = ClientRect();
    return {client.width(), client.height()};
}

void ScrollerWidget::SetWindowStyle(const platform::WindowStyle& style)
{
    // Qt's style stands in for the visual theme's edit-box border.
    setFrameStyle(style.border ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    m_vertBarOnLeft = style.vertBarOnLeft;
    LayoutChildren();
}

void ScrollerWidget::SetScrollBar(ScrollBarKind kind, const platform::ScrollBarInfo& info,
                                  bool redraw, bool keepDisabled)
{
    QScrollBar* bar = BarOf(kind);
    BarState& state = StateOf(kind);
    state.info = info;
    state.info.position = platform::ClampScrollPosition(info, info.position);
    {
        const QSignalBlocker blocker(bar);
        bar->setRange(info.min, platform::MaxScrollPosition(info));
        bar->setPageStep(std::max(info.page, 0));
        bar->setValue(state.info.position);
        bar->setEnabled(platform::CanScroll(info));
    }
    const bool shown = platform::CanScroll(info) || keepDisabled;
    if (shown == state.shown)
        return;
    state.shown = shown;
    LayoutChildren();
}

platform::ScrollBarInfo ScrollerWidget::GetScrollBar(ScrollBarKind kind) const
{
    return kind == ScrollBarKind::Vertical ? m_vstate.info : m_hstate.info;
}

int ScrollerWidget::SetScrollPosition(ScrollBarKind kind, int position, bool redraw)
{
    BarState& state = StateOf(kind);
    state.info.position = platform::ClampScrollPosition(state.info, position);
    QScrollBar* bar = BarOf(kind);
    const QSignalBlocker blocker(bar);
    bar->setValue(state.info.position);
    return state.info.position;
}

void ScrollerWidget::ShowScrollBar(ScrollBarKind kind, bool show)
{
    BarState& state = StateOf(kind);
    if (state.shown == show)
        return;
    state.shown = show;
    LayoutChildren();
}

// The client area within the frame, from the current geometry and the bars the core wants
// shown; right also while the widget is hidden and Qt holds its resize events back.
QRect ScrollerWidget::ClientRect() const
{
    const QRect r = contentsRect();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int barWidth = m_vstate.shown ? extent : 0;
    const int barHeight = m_hstate.shown ? extent : 0;
    const int left = m_vertBarOnLeft ? r.left() + barWidth : r.left();
    return {left, r.top(), std::max(r.width() - barWidth, 0), std::max(r.height() - barHeight, 0)};
}

void ScrollerWidget::LayoutChildren()
{
    const QRect r = contentsRect();
    const QRect client = ClientRect();
    const int vbarLeft = m_vertBarOnLeft ? r.left() : client.right() + 1;
    m_vbar->setGeometry(vbarLeft, r.top(), r.width() - client.width(), client.height());
    m_hbar->setGeometry(client.left(), client.bottom() + 1, client.width(),
                        r.height() - client.height());
    m_vbar->setVisible(m_vstate.shown);
    m_hbar->setVisible(m_hstate.shown);
    m_viewport->setGeometry(client);
}

// ---- Pixels, children, settings ---------------------------------------------------------------

void ScrollerWidget::ScrollClient(int dx, int dy)
{
    // With a rectangle Qt moves the pixels only; the core moves the children itself.
    m_viewport->scroll(dx, dy, m_viewport->rect());
}

void ScrollerWidget::Invalidate()
{
    m_viewport->update();
}

void ScrollerWidget::InvalidateRect(const platform::Rect& rect)
{
    m_viewport->update(rect.left, rect.top, rect.Width(), rect.Height());
}

void ScrollerWidget::UpdateNow()
{
    // Pending updates of a window are one posted request; delivering it now paints them.
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

void ScrollerWidget::RepaintNow()
{
    m_viewport->repaint();
}

void ScrollerWidget::ForEachChild(const std::function<void(platform::ChildWindow&)>& visit)
{
    for (QObject* object : m_viewport->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget)
            continue;
        QtChildWindow child(*widget);
        visit(child);
    }
}

std::optional<int> ScrollerWidget::WheelScrollLines() const
{
    return QGuiApplication::styleHints()->wheelScrollLines();
}

// ---- Qt events --------------------------------------------------------------------------------

void ScrollerWidget::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    LayoutChildren();
}

void ScrollerWidget::wheelEvent(QWheelEvent* event)
{
    m_wheelRemainder += event->angleDelta().y();
    bool handled = false;
    while (std::abs(m_wheelRemainder) >= kWheelNotch) {
        const bool down = m_wheelRemainder < 0;
        m_wheelRemainder += down ? kWheelNotch : -kWheelNotch;
        if (!m_core.WheelNotch(down)) {
            m_wheelRemainder = 0;
            break;
        }
        handled = true;
    }
    // Part of a notch counts as used while the wheel scrolls at all: the rest is on its way.
    event->setAccepted(handled || (m_wheelRemainder != 0 && m_core.WheelStep != 0));
}

void ScrollerWidget::keyPressEvent(QKeyEvent* event)
{
    if (m_core.KeyDown(KeyOf(event->key())))
        return;
    QFrame::keyPressEvent(event);
}

bool ScrollerWidget::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel over a bar scrolls as it does over the client area.
    if (event->type() == QEvent::Wheel && (watched == m_vbar || watched == m_hbar)) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return event->isAccepted();
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace vellum
