// Building and freeing documents: appending items one by one, splitting a large plain text into
// paragraphs, and clearing. A vector of strings stands beside them as the floor of what storing
// that many runs can cost.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "vellum/document/custom_rv_data.h"
#include "vellum/document/item_registry.h"

namespace {

std::string SampleText(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "A line of sample text, long enough to be typical\tof a note.\r\n";
    return text;
}

void AppendItems(benchmark::State& state)
{
    for (auto _ : state) {
        vellum::TCustomRVData doc;
        for (int64_t i = 0; i < state.range(0); ++i) {
            auto item = vellum::CreateTextItem(&doc);
            item->ParaNo = (i % 4 == 0) ? 0 : -1;
            doc.AppendItem("some text", std::move(item));
        }
        benchmark::DoNotOptimize(doc.CountItems());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(AppendItems)->Arg(1000)->Arg(100000);

void VectorOfStrings(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::string> runs;
        for (int64_t i = 0; i < state.range(0); ++i)
            runs.emplace_back("some text");
        benchmark::DoNotOptimize(runs.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(VectorOfStrings)->Arg(1000)->Arg(100000);

void AppendTextLines(benchmark::State& state)
{
    const std::string text = SampleText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vellum::TCustomRVData doc;
        doc.AppendTextLines(text, 0, 0, 0, false, true, vellum::RvTag());
        benchmark::DoNotOptimize(doc.CountItems());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(AppendTextLines)->Arg(10000);

void InsertWithCheckpointsInTheMiddle(benchmark::State& state)
{
    for (auto _ : state) {
        vellum::TCustomRVData doc;
        for (int64_t i = 0; i < state.range(0); ++i) {
            auto item = vellum::CreateTextItem(&doc);
            if (i % 10 == 0) {
                item->AttachedCheckpoint = std::make_unique<vellum::TRVCPInfo>();
                item->AttachedCheckpoint->Name = "cp";
            }
            doc.InsertItemAt(doc.CountItems() / 2, "x", std::move(item));
        }
        benchmark::DoNotOptimize(doc.CheckpointCount);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(InsertWithCheckpointsInTheMiddle)->Arg(10000);

} // namespace
