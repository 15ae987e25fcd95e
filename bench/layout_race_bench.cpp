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
#include "vellum/document/tab_item_info.h"
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

// --- Paragraph alignment -------------------------------------------------------------------------

// W1's runs with every paragraph in one paragraph style of the given alignment, with a right tab
// stop at 600 and a tab item before each paragraph's last run (built item by item: loading is
// not what is measured).
struct AlignedW1 {
    explicit AlignedW1(TRVAlignment alignment)
    {
        wenlocke::bench::EnsureQtApplication();
        TParaInfo& para = doc.Style.ParaStyles().Add();
        para.Alignment = alignment;
        TRVTabInfo& stop = para.Tabs.Add();
        stop.SetPosition(600);
        stop.Align = rvtaRight;
        const int32_t paraNo = doc.Style.ParaStyles().Count() - 1;
        const wenlocke::bench::Workload& w1 = wenlocke::bench::W1();
        for (size_t i = 0; i < w1.runs.size(); ++i) {
            const wenlocke::bench::WorkloadRun& run = w1.runs[i];
            const bool lastOfParagraph = i + 1 == w1.runs.size() || w1.runs[i + 1].paraStart;
            if (lastOfParagraph && !run.paraStart)
                Append(std::make_unique<TRVTabItemInfo>(&doc.Data), paraNo, false, {});
            auto item = std::make_unique<TRVTextItemInfo>(&doc.Data);
            item->StyleNo = run.styleNo;
            Append(std::move(item), paraNo, run.paraStart, TRVRawByteString(w1.Gbk(run)));
        }
        doc.Data.SetCanvas(&canvas);
        doc.Data.SetClientSize(770, 100000000);
    }

    void Append(std::unique_ptr<TCustomRVItemInfo> item, int32_t paraNo, bool paraStart, const TRVRawByteString& text)
    {
        item->ParaNo = paraNo;
        item->Options = paraStart ? 0 : rvioContinuesParagraph;
        doc.Data.InsertItemAt(doc.Data.CountItems(), text, std::move(item));
    }

    platform::QtImageCanvas canvas{1, 1, 96, 96};
    wenlocke::SnapshotDocument doc;
};

// Justified, centred and left-aligned W1 with a right tab per paragraph, at text width 760;
// BM_FormatW1/760 is the same text left-aligned without tabs.
void BM_FormatW1Aligned(benchmark::State& state)
{
    // One of these documents at a time, kept while the same alignment is measured.
    static std::unique_ptr<AlignedW1> slot;
    static int64_t slotAlignment = -1;
    if (slotAlignment != state.range(0)) {
        slot.reset();
        slot = std::make_unique<AlignedW1>(TRVAlignment(state.range(0)));
        slotAlignment = state.range(0);
    }
    for (auto _ : state)
        slot->doc.Data.Format(false, true, false, true, false, nullptr, 0, false);
    const TCustomRVFormattedData& data = slot->doc.Data;
    state.counters["lines"] = double(data.Lines().size());
    state.counters["draw_items"] = double(data.DrawItems().Count());
}
BENCHMARK(BM_FormatW1Aligned)
    ->ArgName("alignment")
    ->Arg(rvaLeft)
    ->Arg(rvaJustify)
    ->Arg(rvaCenter)
    ->Unit(benchmark::kMillisecond);

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
