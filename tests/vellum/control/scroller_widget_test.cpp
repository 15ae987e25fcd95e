// The scroller's Qt window, offscreen: a tall striped surface scrolled with the wheel and the
// bars, bars that mirror the core, and the frame's border and bar side.
#include "vellum/control/qt/scroller_widget.h"

#include "platform/canvas.h"
#include "tests/platform/qt_test_app.h"

#include <QGuiApplication>
#include <QScrollBar>
#include <QStyleHints>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace vellum {
namespace {

using platform::Rect;

// A surface 3000 pixels wide and 10000 high in bands of 10 pixels, alternately red and blue
// by document row, so that what shows tells the vertical position.
class StripedScroller : public TRVScroller {
public:
    void Lay() { UpdateScrollRanges(3000, 1000, true, true); }
    std::vector<Rect> painted;
    void Paint(platform::Canvas& canvas, const Rect& area) override
    {
        painted.push_back(area);
        const int top = VertPos() * VerticalUnit();
        for (int y = area.top - (area.top + top) % 10; y < area.bottom; y += 10) {
            const bool red = ((y + top) / 10) % 2 == 0;
            canvas.FillRect({area.left, y, area.right, y + 10}, red ? 0x0000FF : 0xFF0000);
        }
    }
};

class ScrollerWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::testing::EnsureQtApplication();
        widget = std::make_unique<ScrollerWidget>(core);
        widget->resize(400, 300);
        widget->show();
        core.Lay();
    }
    void TearDown() override { widget.reset(); }

    void Wheel(int delta)
    {
        const QPointF at(10, 10);
        // Sent events do not travel up from the client area as real ones do: straight to the
        // frame.
        QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(widget.get(), &event);
    }
    int PageUnits() const { return widget->Viewport()->height() / core.VerticalUnit(); }
    bool RedRow(int y) const
    {
        return widget->Viewport()->grab().toImage().pixel(5, y) == 0xFFFF0000u;
    }

    StripedScroller core;
    std::unique_ptr<ScrollerWidget> widget;
};

TEST_F(ScrollerWidgetTest, BarsMirrorTheCore)
{
    QScrollBar* bar = widget->VerticalBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(widget->HorizontalBar()->isVisible());
    EXPECT_EQ(core.VertPage(), PageUnits());
    EXPECT_EQ(bar->maximum(), 1000 - PageUnits());
    EXPECT_EQ(bar->pageStep(), PageUnits());
    core.VertScrollTo(123, true);
    EXPECT_EQ(bar->value(), 123);
    core.VertScrollTo(5000, true);
    EXPECT_EQ(bar->value(), 1000 - PageUnits());
    EXPECT_EQ(core.VertPos(), bar->value());
}

TEST_F(ScrollerWidgetTest, WheelNotchScrollsTwentyPixels)
{
    ASSERT_EQ(QGuiApplication::styleHints()->wheelScrollLines(), 3);
    Wheel(-120);
    EXPECT_EQ(core.VertPos() * core.VerticalUnit(), 20);
    EXPECT_EQ(widget->VerticalBar()->value(), 2);
    Wheel(120);
    EXPECT_EQ(core.VertPos(), 0);
}

TEST_F(ScrollerWidgetTest, FineWheelStepsGatherIntoNotches)
{
    Wheel(-40);
    Wheel(-40);
    EXPECT_EQ(core.VertPos(), 0);
    Wheel(-40);
    EXPECT_EQ(core.VertPos(), 2);
    Wheel(-300); // two notches and a half
    EXPECT_EQ(core.VertPos(), 6);
    Wheel(-60);
    EXPECT_EQ(core.VertPos(), 8);
}

TEST_F(ScrollerWidgetTest, WheelOverABarScrollsLikeTheClientArea)
{
    const QPointF at(2, 2);
    QWheelEvent event(at, at, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget->VerticalBar(), &event);
    EXPECT_EQ(core.VertPos(), 2);
}

TEST_F(ScrollerWidgetTest, WheelStepZeroLeavesTheEventToOthers)
{
    core.WheelStep = 0;
    const QPointF at(10, 10);
    QWheelEvent event(at, at, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget.get(), &event);
    EXPECT_FALSE(event.isAccepted());
    EXPECT_EQ(core.VertPos(), 0);
}

TEST_F(ScrollerWidgetTest, BarActionsReachTheCore)
{
    QScrollBar* bar = widget->VerticalBar();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(core.VertPos(), PageUnits());
    EXPECT_EQ(bar->value(), PageUnits());
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(core.VertPos(), PageUnits() - 1);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(core.VertPos(), 1000 - PageUnits());
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(core.VertPos(), 0);
    EXPECT_EQ(bar->value(), 0);
    // The core's line step is its own, not Qt's.
    core.LineUnits = 7;
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), 7);
}

TEST_F(ScrollerWidgetTest, DragScrollsWhileTrackingAndOnReleaseWithout)
{
    QScrollBar* bar = widget->VerticalBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(500);
    EXPECT_EQ(core.VertPos(), 500);
    bar->setSliderDown(false);
    core.Tracking = false;
    bar->setSliderDown(true);
    bar->setSliderPosition(600);
    EXPECT_EQ(core.VertPos(), 500);
    bar->setSliderDown(false);
    EXPECT_EQ(core.VertPos(), 600);
    EXPECT_EQ(bar->value(), 600);
}

TEST_F(ScrollerWidgetTest, WideSurfacesKeepFullThumbPositions)
{
    core.UpdateScrollRanges(100000, 1000, true, true);
    QScrollBar* bar = widget->HorizontalBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(70000);
    bar->setSliderDown(false);
    EXPECT_EQ(core.HorzPos(), 70000);
    EXPECT_EQ(bar->value(), 70000);
}

TEST_F(ScrollerWidgetTest, ArrowKeysScrollTheCore)
{
    QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QCoreApplication::sendEvent(widget.get(), &down);
    EXPECT_EQ(core.VertPos(), PageUnits());
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(widget.get(), &right);
    EXPECT_EQ(core.HorzPos(), 10);
}

TEST_F(ScrollerWidgetTest, PaintsTheSurfaceAtItsPosition)
{
    EXPECT_TRUE(RedRow(0));
    EXPECT_FALSE(RedRow(10));
    core.VertScrollTo(1, true);
    EXPECT_FALSE(RedRow(0));
    EXPECT_TRUE(RedRow(10));
}

TEST_F(ScrollerWidgetTest, ScrollingPaintsOnlyTheUncoveredStripAtOnce)
{
    QCoreApplication::processEvents();
    core.painted.clear();
    core.VertScrollTo(2, true);
    const int width = widget->Viewport()->width();
    const int height = widget->Viewport()->height();
    EXPECT_EQ(core.painted, (std::vector<Rect>{{0, height - 20, width, height}}));
    core.painted.clear();
    core.ScrollByRepaint = true;
    core.VertScrollTo(0, true);
    EXPECT_EQ(core.painted, (std::vector<Rect>{{0, 0, width, height}}));
}

TEST_F(ScrollerWidgetTest, ShortSurfaceHidesTheBars)
{
    core.UpdateScrollRanges(100, 5, true, true);
    EXPECT_FALSE(widget->VerticalBar()->isVisible());
    EXPECT_FALSE(widget->HorizontalBar()->isVisible());
    EXPECT_EQ(widget->Viewport()->size(), widget->contentsRect().size());
    core.AlwaysShowVertBar = true;
    core.UpdateScrollRanges(100, 5, true, true);
    EXPECT_TRUE(widget->VerticalBar()->isVisible());
    EXPECT_FALSE(widget->VerticalBar()->isEnabled());
}

TEST_F(ScrollerWidgetTest, BorderAndBarSide)
{
    EXPECT_EQ(widget->frameShape(), QFrame::NoFrame);
    core.SetBorderStyle(ScrollerBorder::Single);
    EXPECT_EQ(widget->frameShape(), QFrame::StyledPanel);
    EXPECT_EQ(widget->frameShadow(), QFrame::Sunken);
    EXPECT_GT(widget->VerticalBar()->x(), widget->Viewport()->x());
    core.SetBiDiMode(rvbdRightToLeft);
    EXPECT_LT(widget->VerticalBar()->x(), widget->Viewport()->x());
}

TEST_F(ScrollerWidgetTest, ChildWidgetsMoveWithTheSurface)
{
    auto* child = new QWidget(widget->Viewport());
    child->setGeometry(20, 50, 30, 30);
    child->setProperty("vellumTag", 50);
    core.VertScrollTo(3, true);
    core.HorzScrollTo(15);
    EXPECT_EQ(child->pos(), QPoint(5, 20));
    EXPECT_EQ(child->property("vellumTag").toInt(), 20);
}

} // namespace
} // namespace vellum
