// Hit testing and mouse selection on W1 laid out on the Qt canvas at text width 760 (client
// 770): a hit test at the top, middle and end of the document, one drag step in word mode,
// and what keeping a Select All costs a width-only reformat.
#include "app/snapshot_style.h"
#include "bench/workloads.h"
#include "platform/qt/qt_canvas.h"
#include "vellum/layout/document_numbering.h"
#include "vellum/rvf/rv_memory_stream.h"
#include "vellum/rvf/rvf_reader.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vellum;

constexpr int32_t kClientWidth = 770;

struct Laid {
    std::unique_ptr<platform::QtImageCanvas> canvas;
    std::unique_ptr<wenlocke::SnapshotDocument> doc;
};

// W1 read and formatted once for the process.
Laid& LaidW1()
{
    static Laid laid = [] {
        wenlocke::bench::EnsureQtApplication();
        Laid l;
        l.canvas = std::make_unique<platform::QtImageCanvas>(1, 1, 96, 96);
        l.doc = std::make_unique<wenlocke::SnapshotDocument>();
        TRVMemoryStream stream(wenlocke::bench::W1().Rvf());
        ReadRvfStream(l.doc->Data, stream);
        NumberDocument(l.doc->Data);
        l.doc->Data.SetCanvas(l.canvas.get());
        l.doc->Data.SetClientSize(kClientWidth, 1000000);
        l.doc->Data.Format(false, true, false, true, false, nullptr, 0, false);
        return l;
    }();
    return laid;
}

FixedClientData& Data()
{
    return LaidW1().doc->Data;
}

// ARG: 0 top, 1 middle, 2 end of the document.
void BM_HitTest(benchmark::State& state)
{
    FixedClientData& data = Data();
    const int32_t height = data.DocumentHeight();
    const int32_t y = state.range(0) == 0 ? 12 : state.range(0) == 1 ? height / 2 : height - 12;
    data.HitTest(380, y, false); // the font entry is built on the first hit test
    for (auto _ : state)
        benchmark::DoNotOptimize(data.HitTest(380, y, false));
    state.counters["draw_items"] = double(data.DrawItems().Count());
}
BENCHMARK(BM_HitTest)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// One pointer move of a word-mode drag that started in the middle of the document, between two
// points a few lines further down.
void BM_ExtendSelectionToWordMode(benchmark::State& state)
{
    FixedClientData& data = Data();
    const int32_t y = data.DocumentHeight() / 2;
    data.Deselect(nullptr, false);
    data.StartMouseSelection(300, y, false);
    int step = 0;
    for (auto _ : state) {
        const bool even = (step++ & 1) == 0;
        benchmark::DoNotOptimize(data.ExtendSelectionTo(even ? 200 : 650, y + (even ? 60 : 100)));
    }
    data.FinishMouseSelection(300, y);
    state.counters["word_mode"] = data.GetRVStyle()->SelectionMode == rvsmWord ? 1 : 0;
}
BENCHMARK(BM_ExtendSelectionToWordMode)->Unit(benchmark::kMicrosecond);

// Converting a Select All to item positions and back, as a width-only pass does around itself.
void BM_KeepSelectAll(benchmark::State& state)
{
    FixedClientData& data = Data();
    data.SelectAll();
    for (auto _ : state) {
        const ItemSelectionBounds kept = data.GetSelectionInItems(false);
        data.SetSelectionFromItems(kept.start, kept.end);
    }
    data.Deselect(nullptr, false);
}
BENCHMARK(BM_KeepSelectAll)->Unit(benchmark::kMicrosecond);

// A width-only reformat of W1 between text widths 760 and 560, without a selection (ARG 0) and
// keeping a Select All (ARG 1).
void BM_ResizeRelayout(benchmark::State& state)
{
    FixedClientData& data = Data();
    data.Deselect(nullptr, false);
    if (state.range(0) == 1)
        data.SelectAll();
    int32_t width = kClientWidth;
    for (auto _ : state) {
        width = width == kClientWidth ? kClientWidth - 200 : kClientWidth;
        data.SetClientSize(width, 1000000);
        data.Format(true, false, false, false, false, nullptr, 0, false);
    }
    state.counters["selection_kept"] = data.SelectionExists(false, false) ? 1 : 0;
    data.SetClientSize(kClientWidth, 1000000);
    data.Format(true, false, false, false, false, nullptr, 0, false);
    data.Deselect(nullptr, false);
}
BENCHMARK(BM_ResizeRelayout)->Arg(0)->Arg(1)->Iterations(6)->Unit(benchmark::kMillisecond);

} // namespace
