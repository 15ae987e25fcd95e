// Text measurement on the Qt canvas against Qt's own shaping, on 1 MB of mixed Chinese and
// Latin text cut into 80-character runs (the size of a formatter's fit request).
//   Cold: a new font each pass (advance tables filled while measuring).
//   Warm: the same font again and again.
//   Peer: QFontMetricsF::horizontalAdvance on the same runs, with the same face and size.
#include "bench/workloads.h"
#include "platform/codepage.h"
#include "platform/qt/qt_canvas.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

using namespace platform;

constexpr size_t kRunLength = 80;
constexpr size_t kTextUnits = 512 * 1024; // 1 MB of UTF-16

// Deterministic text: Chinese from the common block, Latin words, spaces and punctuation, in
// roughly the proportions of the notebooks this program shows.
const std::u16string& MixedText()
{
    static const std::u16string text = [] {
        std::mt19937 random(20240601);
        // A few thousand distinct characters spread over the whole block, like real text.
        std::vector<char16_t> common(3500);
        for (char16_t& c : common)
            c = char16_t(0x4E00 + random() % 20902);
        std::u16string out;
        out.reserve(kTextUnits);
        while (out.size() < kTextUnits) {
            if (random() % 3 != 0) {
                for (int n = 2 + int(random() % 12); n > 0; --n)
                    out += common[random() % common.size()];
                out += (random() % 4 == 0) ? u'\uFF0C' : u'\u3002';
            } else {
                for (int n = 1 + int(random() % 8); n > 0; --n)
                    out += char16_t(u'a' + random() % 26);
                out += u' ';
            }
        }
        out.resize(kTextUnits);
        return out;
    }();
    return text;
}

const std::string& MixedGbk()
{
    static const std::string bytes = FromUtf16(MixedText(), kCodePageGbk);
    return bytes;
}

FontSpec SongTi(int pointSize)
{
    FontSpec font;
    font.face = u"宋体";
    font.pointSize = pointSize;
    font.charset = 134;
    return font;
}

int64_t FitAllUtf16(Canvas& canvas)
{
    const std::u16string& text = MixedText();
    int positions[kRunLength];
    int64_t fitted = 0;
    for (size_t at = 0; at + kRunLength <= text.size(); at += kRunLength)
        fitted += canvas.FitTextW(std::u16string_view(text).substr(at, kRunLength), 600, positions);
    return fitted;
}

int64_t FitAllBytes(Canvas& canvas)
{
    const std::string& text = MixedGbk();
    int positions[kRunLength];
    int64_t fitted = 0;
    for (size_t at = 0; at + kRunLength <= text.size(); at += kRunLength)
        fitted += canvas.FitText(std::string_view(text).substr(at, kRunLength), 600, positions);
    return fitted;
}

void BM_CanvasFitUtf16Warm(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    QtImageCanvas canvas(16, 16);
    canvas.SetFont(SongTi(12));
    FitAllUtf16(canvas);
    for (auto _ : state)
        benchmark::DoNotOptimize(FitAllUtf16(canvas));
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kTextUnits));
}
BENCHMARK(BM_CanvasFitUtf16Warm)->Unit(benchmark::kMillisecond);

void BM_CanvasFitUtf16Cold(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    QtImageCanvas canvas(16, 16);
    int size = 6;
    for (auto _ : state) {
        ClearQtFontCache();
        canvas.SetFont(SongTi(size));
        size = size == 40 ? 6 : size + 1;
        benchmark::DoNotOptimize(FitAllUtf16(canvas));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kTextUnits));
}
BENCHMARK(BM_CanvasFitUtf16Cold)->Unit(benchmark::kMillisecond);

void BM_CanvasFitGbkWarm(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    QtImageCanvas canvas(16, 16);
    canvas.SetFont(SongTi(12));
    FitAllBytes(canvas);
    for (auto _ : state)
        benchmark::DoNotOptimize(FitAllBytes(canvas));
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(MixedGbk().size()));
}
BENCHMARK(BM_CanvasFitGbkWarm)->Unit(benchmark::kMillisecond);

void BM_CanvasExtentUtf16Warm(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    QtImageCanvas canvas(16, 16);
    canvas.SetFont(SongTi(12));
    const std::u16string& text = MixedText();
    FitAllUtf16(canvas);
    for (auto _ : state) {
        int64_t total = 0;
        for (size_t at = 0; at + kRunLength <= text.size(); at += kRunLength)
            total += canvas.TextExtentW(std::u16string_view(text).substr(at, kRunLength)).cx;
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kTextUnits));
}
BENCHMARK(BM_CanvasExtentUtf16Warm)->Unit(benchmark::kMillisecond);

double QtWidthOfRuns(const QFont& font)
{
    const std::u16string& text = MixedText();
    const QFontMetricsF metrics(font);
    double total = 0;
    for (size_t at = 0; at + kRunLength <= text.size(); at += kRunLength) {
        const QString run(reinterpret_cast<const QChar*>(text.data() + at), qsizetype(kRunLength));
        total += metrics.horizontalAdvance(run);
    }
    return total;
}

QFont PeerFont(int pixelSize)
{
    QFont font("AR PL UMing CN");
    font.setPixelSize(pixelSize);
    font.setKerning(false);
    return font;
}

void BM_QFontMetricsWarm(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    const QFont font = PeerFont(16);
    QtWidthOfRuns(font);
    for (auto _ : state)
        benchmark::DoNotOptimize(QtWidthOfRuns(font));
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kTextUnits));
}
BENCHMARK(BM_QFontMetricsWarm)->Unit(benchmark::kMillisecond);

void BM_QFontMetricsCold(benchmark::State& state)
{
    wenlocke::bench::EnsureQtApplication();
    int size = 100; // sizes no other benchmark used, so Qt's caches start empty for each
    for (auto _ : state)
        benchmark::DoNotOptimize(QtWidthOfRuns(PeerFont(size++)));
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kTextUnits));
}
BENCHMARK(BM_QFontMetricsCold)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
