// One scroll step and full background paints, on an 800 x 1000 client area (offscreen).
//   ScrollStep: the scroller moves the pixels 20 pixels and paints the background of the
//     uncovered strip at once (plain colour, or a tiled 64 x 64 picture that scrolls with the
//     document), the bar updated as well.
//   Peer: QScrollArea scrolling a plain widget of the same height by 20 pixels and painting
//     what it uncovered.
//   FullBackground: the whole area painted on an 800 x 1000 buffer, by placement.
#include "bench/workloads.h"
#include "platform/qt/qt_canvas.h"
#include "vellum/control/qt/scroller_widget.h"
#include "vellum/control/rv_background.h"

#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

using namespace vellum;

constexpr int kWidth = 800;
constexpr int kHeight = 1000;
constexpr int kDocUnits = 30000; // 300,000 pixels at 10 per unit
constexpr platform::Color kPaper = 0xE0F0FF;

std::shared_ptr<const platform::Picture> NoisePicture(int width, int height)
{
    std::vector<uint32_t> pixels(size_t(width) * height);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = 0xFF000000u | uint32_t(i * 2654435761u >> 8);
    return std::make_shared<platform::Picture>(platform::PictureFormat::Bitmap, width, height,
                                               std::move(pixels), std::string());
}

class BackgroundScroller : public TRVScroller {
public:
    TRVBackground background;
    void Paint(platform::Canvas& canvas, const platform::Rect& area) override
    {
        background.Paint(canvas, area, kPaper, ClientSize(),
                         {HorzPos(), VertPos() * VerticalUnit()});
    }
};

// Shows the frame sized so that its client area is kWidth x kHeight with the bars shown.
void ShowWithClientSize(QWidget& frame, QWidget& client)
{
    frame.resize(kWidth, kHeight);
    frame.show();
    QCoreApplication::processEvents();
    frame.resize(2 * kWidth - client.width(), 2 * kHeight - client.height());
    QCoreApplication::processEvents();
}

void BM_ScrollStep(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    BackgroundScroller core;
    if (state.range(0) != 0) {
        core.background.BackStyle = bsTiledAndScrolled;
        core.background.SetPicture(NoisePicture(64, 64));
    }
    ScrollerWidget widget(core);
    core.UpdateScrollRanges(kWidth / 2, kDocUnits, true, true); // no horizontal bar
    ShowWithClientSize(widget, *widget.Viewport());
    core.VertScrollTo(1000, true);
    int step = 2;
    for (auto _ : state) {
        core.VertScrollTo(core.VertPos() + step, true);
        step = -step;
    }
    state.counters["client_w"] = widget.Viewport()->width();
    state.counters["client_h"] = widget.Viewport()->height();
}
BENCHMARK(BM_ScrollStep)->Arg(0)->Arg(1)->ArgName("tiled")->Unit(benchmark::kMicrosecond);

void BM_ScrollStepPeer(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    QScrollArea area;
    auto* surface = new QWidget;
    surface->setAutoFillBackground(true);
    surface->setFixedSize(kWidth / 2, kDocUnits * 10);
    area.setWidget(surface);
    area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ShowWithClientSize(area, *area.viewport());
    QScrollBar* bar = area.verticalScrollBar();
    bar->setValue(10000);
    int step = 20;
    for (auto _ : state) {
        bar->setValue(bar->value() + step);
        QCoreApplication::sendPostedEvents(&area, QEvent::UpdateRequest);
        step = -step;
    }
}
BENCHMARK(BM_ScrollStepPeer)->Unit(benchmark::kMicrosecond);

void BM_FullBackground(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    TRVBackground background;
    background.BackStyle = TBackgroundStyle(state.range(0));
    if (background.BackStyle != bsNoBitmap)
        background.SetPicture(state.range(0) == bsStretched ? NoisePicture(640, 480)
                                                             : NoisePicture(64, 64));
    platform::QtImageCanvas canvas(kWidth, kHeight);
    int y = 0;
    for (auto _ : state) {
        background.Paint(canvas, {0, 0, kWidth, kHeight}, kPaper, {kWidth, kHeight}, {0, y});
        y += 20;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullBackground)
    ->Arg(bsNoBitmap)
    ->Arg(bsTiled)
    ->Arg(bsTiledAndScrolled)
    ->Arg(bsStretched)
    ->Arg(bsCentered)
    ->ArgName("style")
    ->Unit(benchmark::kMicrosecond);

} // namespace
