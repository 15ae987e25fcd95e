// Merging a loaded text-style table into the style sheet: merge mode (equality scans) and map
// mode (similarity scores over every candidate), for tables of N styles.
#include <benchmark/benchmark.h>

#include "vellum/style/rv_style.h"

namespace {

void FillTable(vellum::TFontInfos& table, int count, int seed)
{
    for (int i = 0; i < count; ++i) {
        vellum::TFontInfo& f = table.Add();
        f.Size = 8 + (i * 7 + seed) % 30;
        f.Color = (i * 2654435761u + seed) & 0xFFFFFF;
        f.Jump = i % 5 == 0;
        f.Unicode = i % 3 == 0;
        if (i % 4 == 0)
            f.Style.Include(vellum::fsBold);
    }
}

void BM_MergeStyles(benchmark::State& state, vellum::StyleMergeMode mode)
{
    const int n = static_cast<int>(state.range(0));
    vellum::TFontInfos incoming(nullptr);
    FillTable(incoming, n, 3);
    for (auto _ : state) {
        state.PauseTiming();
        vellum::TRVStyle sheet;
        FillTable(sheet.TextStyles(), n, 5);
        vellum::TRVIntegerList map;
        state.ResumeTiming();
        sheet.TextStyles().MergeStyles(incoming, mode, nullptr, nullptr, map);
        benchmark::DoNotOptimize(map.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_MergeModeMerge(benchmark::State& state) { BM_MergeStyles(state, vellum::rvsmmMerge); }
void BM_MergeModeMap(benchmark::State& state) { BM_MergeStyles(state, vellum::rvsmmMap); }

} // namespace

BENCHMARK(BM_MergeModeMerge)->Arg(10)->Arg(100)->Arg(400);
BENCHMARK(BM_MergeModeMap)->Arg(10)->Arg(100)->Arg(400);
