// What a snapshot document costs once read: the workloads W1 and W2 read from RVF into the
// window's snapshot document, with the resident bytes the read document holds (after
// malloc_trim, per item, text included; MB are 10^6 bytes), items built per second and the reader's MB/s; and
// the same runs in a QTextDocument filled through QTextCursor (without layout) beside it.
#include "app/snapshot_style.h"
#include "bench/workloads.h"
#include "vellum/document/custom_item_info.h"
#include "vellum/rvf/rvf_reader.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vellum;
using wenlocke::bench::Workload;

const Workload& WorkloadOf(const benchmark::State& state)
{
    return state.range(0) == 1 ? wenlocke::bench::W1() : wenlocke::bench::W2();
}

void ReportResident(benchmark::State& state, size_t before, size_t after, double items)
{
    const double held = after > before ? static_cast<double>(after - before) : 0.0;
    state.counters["resident_MB"] = held / 1e6;
    state.counters["bytes_per_item"] = held / items;
}

void ReadSnapshot(benchmark::State& state)
{
    const Workload& workload = WorkloadOf(state);
    TRVMemoryStream stream(workload.Rvf());
    const size_t before = wenlocke::bench::ResidentBytes();
    int32_t items = 0;
    {
        auto doc = std::make_unique<wenlocke::SnapshotDocument>();
        if (!ReadRvfStream(doc->Data, stream))
            state.SkipWithError("the workload did not read");
        items = doc->Data.CountItems();
        ReportResident(state, before, wenlocke::bench::ResidentBytes(), items);
    }
    for (auto _ : state) {
        auto doc = std::make_unique<wenlocke::SnapshotDocument>();
        stream.Seek(0);
        if (!ReadRvfStream(doc->Data, stream))
            state.SkipWithError("the workload did not read");
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * stream.Size()));
    state.SetItemsProcessed(state.iterations() * items);
    state.counters["items"] = items;
    state.counters["chars"] = static_cast<double>(workload.CharCount());
    state.counters["gbk_MB"] = static_cast<double>(workload.gbk.size()) / 1e6;
    state.counters["rvf_MB"] = static_cast<double>(stream.Size()) / 1e6;
    state.counters["sizeof_item_base"] = sizeof(TCustomRVItemInfo);
    state.counters["sizeof_text_item"] = sizeof(TRVTextItemInfo);
}
BENCHMARK(ReadSnapshot)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MinTime(2);

// The peer: the same runs and fonts in a QTextDocument, before any layout is asked of it.
void FillQTextDocument(benchmark::State& state)
{
    const Workload& workload = WorkloadOf(state);
    wenlocke::bench::EnsureQtApplication();
    const size_t before = wenlocke::bench::ResidentBytes();
    {
        QTextDocument doc;
        wenlocke::bench::FillTextDocument(doc, workload);
        ReportResident(state, before, wenlocke::bench::ResidentBytes(),
                       static_cast<double>(workload.runs.size()));
    }
    for (auto _ : state) {
        auto doc = std::make_unique<QTextDocument>();
        wenlocke::bench::FillTextDocument(*doc, workload);
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(workload.runs.size()));
}
BENCHMARK(FillQTextDocument)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The peer's other way in: the same runs as HTML, parsed by QTextDocument::setHtml.
void HtmlQTextDocument(benchmark::State& state)
{
    const Workload& workload = WorkloadOf(state);
    const QString html = wenlocke::bench::ToHtml(workload);
    for (auto _ : state) {
        auto doc = std::make_unique<QTextDocument>();
        doc->setHtml(html);
        if (doc->blockCount() != static_cast<int>(workload.paragraphCount))
            state.SkipWithError("the HTML did not give a block per paragraph");
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(workload.runs.size()));
}
BENCHMARK(HtmlQTextDocument)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
