// The measuring pass of formatting over W1: every run measured as a 760-pixel line would
// measure it (the style's cache entry, its display text, its size, and a fit with positions
// where it does not fit), through the font information cache and, beside it, the bare canvas
// making the same calls and QFontMetricsF::horizontalAdvance.
//   Warm: fonts already known to the process (a pass after the first).
//   Cold (fresh process): the first pass of a new process, run in a child process of this
//   benchmark, with ideograph advances shared (as the program runs) or hinted glyph by glyph.
//   Agreement: how many runs measure or fit differently with the two kinds of advances.
#include "bench/workloads.h"

#include "app/snapshot_style.h"
#include "platform/qt/qt_canvas.h"
#include "vellum/layout/font_info_cache.h"
#include "vellum/layout/text_measure.h"

#include <QFontMetricsF>
#include <QTextCharFormat>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace vellum;
using wenlocke::bench::Workload;
using wenlocke::bench::WorkloadRun;

constexpr int kLineWidth = 760;

struct PassResult {
    int64_t width = 0;   // sum of run widths
    int64_t fitted = 0;  // sum of fit counts of the runs that did not fit
    int64_t fitRuns = 0; // runs that needed a fit
    bool operator==(const PassResult&) const = default;
};

const TRVStyle& WindowStyle()
{
    static TRVStyle* style = [] {
        auto* made = new TRVStyle;
        wenlocke::SetupSnapshotStyle(*made);
        return made;
    }();
    return *style;
}

// A digest of every character's right edge in the run, for comparing two measurements.
uint64_t EdgeDigest(platform::Canvas& canvas, std::string_view display, std::vector<int>& positions)
{
    positions.resize(display.size());
    FitRun(canvas, display, int(display.size()), kLineWidth, false, positions);
    uint64_t digest = 1469598103934665603ull;
    for (const int edge : positions)
        digest = (digest ^ uint64_t(uint32_t(edge))) * 1099511628211ull;
    return digest;
}

// One run as the formatter measures it, on the canvas its style is selected on. DIGESTS, when
// given, also receives the run's EdgeDigest.
void MeasureOne(platform::Canvas& canvas, std::string_view display, std::vector<int>& positions,
                PassResult& result, std::vector<uint64_t>* digests)
{
    const int count = CharCount(display, false);
    const int width = MeasureRunSize(canvas, display, count, false).cx;
    result.width += width;
    if (width > kLineWidth) {
        positions.resize(size_t(count));
        result.fitted += FitRun(canvas, display, count, kLineWidth, false, positions);
        ++result.fitRuns;
    }
    if (digests)
        digests->push_back(EdgeDigest(canvas, display, positions));
}

PassResult CachePass(const Workload& w, bool fast, std::vector<uint64_t>* digests = nullptr)
{
    auto& style = const_cast<TRVStyle&>(WindowStyle());
    platform::QtImageCanvas canvas(1, 1);
    std::unique_ptr<TRVFontInfoCache> cache;
    if (fast)
        cache = std::make_unique<TRVFontInfoCacheFast>(nullptr, true, canvas, canvas, style);
    else
        cache = std::make_unique<TRVFontInfoCacheLowResource>(nullptr, true, canvas, canvas, style);
    PassResult result;
    std::vector<int> positions;
    TRVRawByteString buffer;
    for (const WorkloadRun& run : w.runs) {
        TRVFontInfoCacheItem& entry = cache->GetItem(run.styleNo);
        const std::string_view display = MakeDisplayText(w.Gbk(run), *entry.FontInfo, false, false, false, buffer);
        MeasureOne(*entry.Canvas, display, positions, result, digests);
    }
    return result;
}

// The same canvas calls without the cache: one canvas per style with its font selected once,
// or one canvas that selects the run's font whenever the style changes.
PassResult BarePass(const Workload& w, bool canvasPerStyle)
{
    const TRVStyle& style = WindowStyle();
    std::vector<std::unique_ptr<platform::QtImageCanvas>> canvases;
    for (int i = 0; i < style.TextStyles().Count(); ++i) {
        canvases.push_back(std::make_unique<platform::QtImageCanvas>(1, 1));
        style.TextStyles()[i].Apply(*canvases.back(), rvbdUnspecified, true, std::nullopt, true);
    }
    PassResult result;
    std::vector<int> positions;
    int last = -1;
    for (const WorkloadRun& run : w.runs) {
        platform::QtImageCanvas& canvas = *canvases[size_t(canvasPerStyle ? run.styleNo : 0)];
        if (!canvasPerStyle && run.styleNo != last)
            canvas.SetFont(canvases[size_t(run.styleNo)]->Font());
        last = run.styleNo;
        const std::string_view text = w.Gbk(run);
        const int width = canvas.TextExtent(text).cx;
        result.width += width;
        if (width > kLineWidth) {
            positions.resize(text.size());
            result.fitted += canvas.FitText(text, kLineWidth, positions);
            ++result.fitRuns;
        }
    }
    return result;
}

double QtPass(const Workload& w)
{
    std::vector<QFontMetricsF> metrics;
    for (int i = 0; i < 4; ++i)
        metrics.emplace_back(wenlocke::bench::StyleFormat(i).font());
    double total = 0;
    for (const WorkloadRun& run : w.runs) {
        const std::u16string_view text = w.Utf16(run);
        total += metrics[size_t(run.styleNo)].horizontalAdvance(
            QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size())));
    }
    return total;
}

size_t DistinctGlyphs(const Workload& w)
{
    std::set<std::pair<int, char16_t>> pairs;
    for (const WorkloadRun& run : w.runs) {
        for (char16_t c : w.Utf16(run))
            pairs.insert({run.styleNo, c});
    }
    return pairs.size();
}

void Report(benchmark::State& state, const Workload& w)
{
    state.counters["runs"] = double(w.runs.size());
    state.counters["chars/s"] =
        benchmark::Counter(double(w.CharCount()) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_CacheFastWarm(benchmark::State& state)
{
    const Workload& w = wenlocke::bench::W1();
    wenlocke::bench::EnsureQtApplication();
    CachePass(w, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(CachePass(w, true));
    Report(state, w);
    state.counters["fitRuns"] = double(CachePass(w, true).fitRuns);
    state.counters["distinctGlyphs"] = double(DistinctGlyphs(w));
}
BENCHMARK(BM_CacheFastWarm)->Unit(benchmark::kMillisecond);

void BM_CacheLowResourceWarm(benchmark::State& state)
{
    const Workload& w = wenlocke::bench::W1();
    wenlocke::bench::EnsureQtApplication();
    CachePass(w, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(CachePass(w, false));
    Report(state, w);
}
BENCHMARK(BM_CacheLowResourceWarm)->Unit(benchmark::kMillisecond);

void BM_BareCanvasPerStyleWarm(benchmark::State& state)
{
    const Workload& w = wenlocke::bench::W1();
    wenlocke::bench::EnsureQtApplication();
    BarePass(w, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(BarePass(w, true));
    Report(state, w);
}
BENCHMARK(BM_BareCanvasPerStyleWarm)->Unit(benchmark::kMillisecond);

void BM_BareCanvasSwitchingFontsWarm(benchmark::State& state)
{
    const Workload& w = wenlocke::bench::W1();
    wenlocke::bench::EnsureQtApplication();
    BarePass(w, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(BarePass(w, false));
    Report(state, w);
}
BENCHMARK(BM_BareCanvasSwitchingFontsWarm)->Unit(benchmark::kMillisecond);

void BM_QFontMetricsFWarm(benchmark::State& state)
{
    const Workload& w = wenlocke::bench::W1();
    QtPass(w);
    for (auto _ : state)
        benchmark::DoNotOptimize(QtPass(w));
    Report(state, w);
}
BENCHMARK(BM_QFontMetricsFWarm)->Unit(benchmark::kMillisecond)->Iterations(3);

// A cache hit: the entry of a style already built.
void BM_GetItemHit(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    platform::QtImageCanvas canvas(1, 1);
    TRVFontInfoCacheFast cache(nullptr, true, canvas, canvas, const_cast<TRVStyle&>(WindowStyle()));
    for (int i = 0; i < 4; ++i)
        cache.GetItem(i);
    int styleNo = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(&cache.GetItem(styleNo));
        styleNo = (styleNo + 1) & 3;
    }
}
BENCHMARK(BM_GetItemHit);

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// --- The first pass of a fresh process, run in a child: "--cold-pass shared|hinted" prints the
// pass's nanoseconds.
int RunColdChild(bool shared)
{
    const Workload& w = wenlocke::bench::W1();
    wenlocke::bench::EnsureQtApplication();
    platform::SetSharedIdeographAdvances(shared);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    const PassResult result = CachePass(w, true);
    const double cpu = CpuSeconds() - cpuStart;
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%lld %.6f %lld\n", static_cast<long long>(std::chrono::nanoseconds(elapsed).count()), cpu,
                static_cast<long long>(result.width));
    return 0;
}

// Wall and processor seconds of the child's pass; negative when it failed.
std::pair<double, double> ColdPassInChild(const char* mode)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char self[] = "/proc/self/exe";
    char flag[] = "--cold-pass";
    std::string modeArg = mode;
    char* argv[] = {self, flag, modeArg.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string out;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, size_t(got));
    close(pipeEnds[0]);
    if (spawned != 0)
        return {-1, -1};
    int status = 0;
    waitpid(child, &status, 0);
    long long nanoseconds = -1;
    double cpu = -1;
    if (std::sscanf(out.c_str(), "%lld %lf", &nanoseconds, &cpu) != 2)
        return {-1, -1};
    return {double(nanoseconds) / 1e9, cpu};
}

void ColdPass(benchmark::State& state, const char* mode)
{
    wenlocke::bench::W1(); // the parent's workload is not what is timed
    double cpu = 0;
    for (auto _ : state) {
        const auto [seconds, cpuSeconds] = ColdPassInChild(mode);
        if (seconds < 0) {
            state.SkipWithError("the child process failed");
            return;
        }
        state.SetIterationTime(seconds);
        cpu += cpuSeconds;
    }
    // The child's own processor time: on a loaded machine the wall time also counts waiting.
    state.counters["childCpuMs"] = cpu * 1000 / double(state.iterations());
}

void BM_CacheFastColdFreshProcess(benchmark::State& state)
{
    ColdPass(state, "shared");
}
BENCHMARK(BM_CacheFastColdFreshProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BM_CacheFastColdFreshProcessHintedIdeographs(benchmark::State& state)
{
    ColdPass(state, "hinted");
}
BENCHMARK(BM_CacheFastColdFreshProcessHintedIdeographs)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(2);

// Runs in which any character's right edge differs between shared and glyph-by-glyph hinted
// ideograph advances: where no edge differs, no line can break differently.
void BM_SharedAndHintedAdvancesAgree(benchmark::State& state)
{
    const Workload& w = wenlocke::bench::W1();
    wenlocke::bench::EnsureQtApplication();
    std::vector<uint64_t> shared;
    std::vector<uint64_t> hinted;
    for (auto _ : state) {
        shared.clear();
        hinted.clear();
        platform::SetSharedIdeographAdvances(false);
        CachePass(w, true, &hinted);
        platform::SetSharedIdeographAdvances(true);
        CachePass(w, true, &shared);
    }
    int64_t differing = 0;
    for (size_t i = 0; i < shared.size(); ++i)
        differing += shared[i] != hinted[i] ? 1 : 0;
    state.counters["differingRuns"] = double(differing);
    state.counters["runs"] = double(shared.size());
}
BENCHMARK(BM_SharedAndHintedAdvancesAgree)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--cold-pass") == 0)
        return RunColdChild(std::strcmp(argv[2], "shared") == 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
