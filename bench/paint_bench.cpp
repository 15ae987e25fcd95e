// Painting W1 laid out at 760 pixels into an 800 x 1000 off-screen image at its top, middle and
// end, beside QTextDocument::drawContents of the same region of the same content and the bare
// Qt canvas drawing the same text runs; and a 20-pixel strip painted into a buffer of its size,
// as the viewer paints a scrolled-in strip. Counters: glyph runs and text parts per screen.
#include "app/snapshot_style.h"
#include "bench/workloads.h"
#include "platform/qt/qt_canvas.h"
#include "platform/testing/recording_canvas.h"
#include "vellum/layout/paint_document.h"
#include "vellum/rvf/rvf_reader.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QTextDocument>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vellum;
namespace wb = wenlocke::bench;

constexpr int kViewWidth = 800;
constexpr int kViewHeight = 1000;
constexpr int kLayoutWidth = 760;
constexpr int kStripHeight = 20;

// W1 read and formatted once for the process.
struct FormattedW1 {
    FormattedW1()
    {
        wb::EnsureQtApplication();
        TRVMemoryStream stream(wb::W1().Rvf());
        ReadRvfStream(doc.Data, stream);
        doc.Data.SetCanvas(&reference);
        doc.Data.SetClientSize(kLayoutWidth, kViewHeight);
        doc.Data.Format(false, true, false, true, false, nullptr, 0, false);
    }
    platform::QtImageCanvas reference{1, 1, 96, 96};
    wenlocke::SnapshotDocument doc;
};

FormattedW1& W1Formatted()
{
    static FormattedW1* formatted = new FormattedW1();
    return *formatted;
}

// Where the view stands: 0 top, 1 middle, 2 end.
int ViewTop(int where)
{
    const int height = W1Formatted().doc.Data.DocumentHeight();
    if (where == 0)
        return 0;
    if (where == 1)
        return height / 2;
    return std::max(0, height - kViewHeight);
}

PaintArgs ViewArgs(platform::Canvas& canvas, int top, const platform::Rect& clip)
{
    W1Formatted().doc.Data.ScrollToY(top);
    PaintArgs args;
    args.canvas = &canvas;
    args.clip = clip;
    return args;
}

void BM_PaintView(benchmark::State& state)
{
    FormattedW1& w = W1Formatted();
    const int top = ViewTop(int(state.range(0)));
    platform::QtImageCanvas canvas(kViewWidth, kViewHeight);
    const platform::Rect clip{0, 0, kViewWidth, kViewHeight};
    PaintReport report;
    const int64_t runsBefore = canvas.GlyphRunCalls();
    for (auto _ : state) {
        canvas.FillRect(clip, clWhite);
        report = PaintDocument(w.doc.Data, ViewArgs(canvas, top, clip));
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
    state.counters["glyph_runs"] = double(canvas.GlyphRunCalls() - runsBefore) / double(state.iterations());
    state.counters["text_parts"] = report.textParts;
    state.counters["draw_items"] = report.lastDrawItemNo - report.firstDrawItemNo + 1;
}
BENCHMARK(BM_PaintView)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The strip a one-line scroll uncovers, painted into a buffer of its own size.
void BM_PaintStrip(benchmark::State& state)
{
    FormattedW1& w = W1Formatted();
    const int top = ViewTop(1);
    platform::QtImageCanvas strip(kViewWidth, kStripHeight);
    const platform::Rect clip{0, kViewHeight - kStripHeight, kViewWidth, kViewHeight};
    for (auto _ : state) {
        strip.FillRect({0, 0, kViewWidth, kStripHeight}, clWhite);
        PaintDocument(w.doc.Data, ViewArgs(strip, top, clip));
        benchmark::DoNotOptimize(strip.Image().constBits());
    }
}
BENCHMARK(BM_PaintStrip)->Unit(benchmark::kMillisecond);

// The peer: QTextDocument with the same runs at the same width, drawing the same region.
void BM_TextDocumentView(benchmark::State& state)
{
    wb::EnsureQtApplication();
    static QTextDocument* doc = [] {
        auto* d = new QTextDocument();
        d->setDocumentMargin(5);
        wb::FillTextDocument(*d, wb::W1());
        d->setTextWidth(kLayoutWidth);
        return d;
    }();
    const double height = doc->size().height();
    const int where = int(state.range(0));
    const double top = where == 0 ? 0 : where == 1 ? height / 2 : std::max(0.0, height - kViewHeight);
    QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.translate(0, -top);
        doc->drawContents(&painter, QRectF(0, top, kViewWidth, kViewHeight));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TextDocumentView)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The text output of one screen as the painter issues it.
struct TextCall {
    platform::FontSpec font;
    platform::Color color;
    int x;
    int y;
    std::u16string text;
    std::string bytes;
};

class TextCapture : public platform::RecordingCanvas {
public:
    using RecordingCanvas::RecordingCanvas;
    void TextOutW(int x, int y, std::u16string_view text, std::span<const int>) override
    {
        calls.push_back({Font(), TextColor(), x, y, std::u16string(text), {}});
    }
    void TextOut(int x, int y, std::string_view bytes, std::span<const int>) override
    {
        calls.push_back({Font(), TextColor(), x, y, {}, std::string(bytes)});
    }
    std::vector<TextCall> calls;
};

// The bare Qt canvas drawing the same runs, one text output each, without the painter around it.
void BM_BareCanvasView(benchmark::State& state)
{
    FormattedW1& w = W1Formatted();
    TextCapture capture(kViewWidth, kViewHeight);
    const platform::Rect clip{0, 0, kViewWidth, kViewHeight};
    PaintDocument(w.doc.Data, ViewArgs(capture, ViewTop(int(state.range(0))), clip));
    platform::QtImageCanvas canvas(kViewWidth, kViewHeight);
    for (auto _ : state) {
        canvas.FillRect(clip, clWhite);
        for (const TextCall& call : capture.calls) {
            canvas.SetFont(call.font);
            canvas.SetTextColor(call.color);
            if (call.bytes.empty())
                canvas.TextOutW(call.x, call.y, call.text);
            else
                canvas.TextOut(call.x, call.y, call.bytes);
        }
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
    state.counters["text_calls"] = double(capture.calls.size());
}
BENCHMARK(BM_BareCanvasView)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
