// Line formatting of W1 on the Qt canvas beside QTextDocument laying out the same runs, at text
// widths 760 and 560, in one process. Loading is never timed. The first benchmark is a fresh
// process's first pass (the canvas's advance tables still empty); the others are warm.
//
// Counters: lines and draw items of our pass, the peer's line count, resident megabytes of
// the loaded document and of the formatting results (draw items and line table), bytes per
// draw item.
#include "app/snapshot_style.h"
#include "bench/workloads.h"
#include "platform/qt/qt_canvas.h"
#include "vellum/layout/custom_rv_formatted_data.h"
#include "vellum/rvf/rvf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vellum;
using wenlocke::bench::ResidentBytes;

constexpr double kMb = 1024.0 * 1024.0;

// W1 read once, formatted on one Qt canvas; the resident size of the loaded document is
// taken before anything is formatted.
struct LoadedW1 {
    LoadedW1()
    {
        wenlocke::bench::EnsureQtApplication();
        const size_t before = ResidentBytes();
        {
            TRVMemoryStream stream(wenlocke::bench::W1().Rvf());
            ReadRvfStream(doc.Data, stream);
        }
        loadedMb = (double(ResidentBytes()) - double(before)) / kMb;
        doc.Data.SetCanvas(&canvas);
    }

    void FormatAt(int32_t textWidth)
    {
        doc.Data.SetClientSize(textWidth + 10, 100000000);
        doc.Data.Format(false, true, false, true, false, nullptr, 0, false);
    }

    platform::QtImageCanvas canvas{1, 1, 96, 96};
    wenlocke::SnapshotDocument doc;
    double loadedMb = 0;
};

LoadedW1& W1Document()
{
    static LoadedW1 loaded;
    return loaded;
}

void ReportOurs(benchmark::State& state, LoadedW1& w1)
{
    const TCustomRVFormattedData& data = w1.doc.Data;
    state.counters["lines"] = double(data.Lines().size());
    state.counters["draw_items"] = double(data.DrawItems().Count());
    state.counters["bytes_per_draw_item"] = double(sizeof(TRVDrawLineInfo));
    state.counters["results_MB"] = (data.DrawItems().Items().capacity() * sizeof(TRVDrawLineInfo) +
                                    data.Lines().capacity() * sizeof(FormattedLine)) / kMb;
    state.counters["loaded_MB"] = w1.loadedMb;
}

// A fresh process's first pass: every glyph's advance is new to the canvas.
void BM_FormatW1_FirstPass(benchmark::State& state)
{
    LoadedW1& w1 = W1Document();
    const size_t before = ResidentBytes();
    for (auto _ : state)
        w1.FormatAt(760);
    ReportOurs(state, w1);
    // Above the loaded document: the results and whatever the canvas cached on the way.
    state.counters["pass_resident_MB"] = (double(ResidentBytes()) - double(before)) / kMb;
}
BENCHMARK(BM_FormatW1_FirstPass)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FormatW1(benchmark::State& state)
{
    LoadedW1& w1 = W1Document();
    const int32_t width = int32_t(state.range(0));
    for (auto _ : state)
        w1.FormatAt(width);
    ReportOurs(state, w1);
}
BENCHMARK(BM_FormatW1)->Arg(760)->Arg(560)->Unit(benchmark::kMillisecond);

// A width-only pass from the other width, as a window resize causes.
void BM_RelayoutW1(benchmark::State& state)
{
    LoadedW1& w1 = W1Document();
    bool narrow = false;
    w1.FormatAt(760);
    for (auto _ : state) {
        narrow = !narrow;
        w1.doc.Data.SetClientSize((narrow ? 560 : 760) + 10, 100000000);
        w1.doc.Data.Format(true, false, false, false, false, nullptr, 0, false);
    }
    ReportOurs(state, w1);
}
BENCHMARK(BM_RelayoutW1)->Unit(benchmark::kMillisecond);

// A resize that keeps both widths (a taller window) costs nothing.
void BM_ResizeKeepingWidthsW1(benchmark::State& state)
{
    LoadedW1& w1 = W1Document();
    w1.FormatAt(760);
    for (auto _ : state)
        w1.doc.Data.Format(true, false, false, false, false, nullptr, 0, false);
}
BENCHMARK(BM_ResizeKeepingWidthsW1)->Unit(benchmark::kMicrosecond);

// One paragraph of about a megabyte (W2's text in one item).
void BM_FormatOneMegabyteParagraph(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    platform::QtImageCanvas canvas(1, 1, 96, 96);
    wenlocke::SnapshotDocument doc;
    auto item = std::make_unique<TRVTextItemInfo>(&doc.Data);
    doc.Data.InsertItemAt(0, wenlocke::bench::W2().gbk, std::move(item));
    doc.Data.SetCanvas(&canvas);
    doc.Data.SetClientSize(770, 100000000);
    for (auto _ : state)
        doc.Data.Format(false, true, false, true, false, nullptr, 0, false);
    state.counters["lines"] = double(doc.Data.Lines().size());
    state.counters["bytes"] = double(wenlocke::bench::W2().gbk.size());
}
BENCHMARK(BM_FormatOneMegabyteParagraph)->Unit(benchmark::kMillisecond);

// --- The peer ---------------------------------------------------------------------------------

struct PeerW1 {
    PeerW1()
    {
        wenlocke::bench::EnsureQtApplication();
        const size_t before = ResidentBytes();
        doc = std::make_unique<QTextDocument>();
        doc->setDocumentMargin(0);
        wenlocke::bench::FillTextDocument(*doc, wenlocke::bench::W1());
        builtMb = (double(ResidentBytes()) - double(before)) / kMb;
    }

    // Lays the whole document out at WIDTH and counts its lines.
    int LayOut(int width)
    {
        doc->setTextWidth(width);
        doc->documentLayout()->blockBoundingRect(doc->lastBlock());
        int lines = 0;
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
            lines += block.layout()->lineCount();
        return lines;
    }

    std::unique_ptr<QTextDocument> doc;
    double builtMb = 0;
};

PeerW1& Peer()
{
    static PeerW1 peer;
    return peer;
}

void BM_QTextDocumentW1(benchmark::State& state)
{
    PeerW1& peer = Peer();
    const int width = int(state.range(0));
    int lines = 0;
    const size_t before = ResidentBytes();
    for (auto _ : state) {
        state.PauseTiming();
        peer.doc->setTextWidth(width == 760 ? 560 : 760); // the next layout starts from another width
        state.ResumeTiming();
        lines = peer.LayOut(width);
    }
    state.counters["lines"] = lines;
    state.counters["built_MB"] = peer.builtMb;
    state.counters["layout_resident_MB"] = (double(ResidentBytes()) - double(before)) / kMb;
}
BENCHMARK(BM_QTextDocumentW1)->Arg(760)->Arg(560)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace
