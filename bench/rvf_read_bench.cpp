// Reading speed and peak memory of RVF documents of 1 MB and 10 MB: GBK text records, raw UTF-16
// records (kept in a Unicode style, or converted to GBK in a single-byte one), checkpoints and
// breaks, as the snapshot view reads them.
#include "app/snapshot_style.h"
#include "vellum/rvf/rvf_reader.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace vellum;

// GBK for "你好，世界。历史保存" and an ASCII run, so that lines mix both.
const std::string kGbkPhrase = "\xC4\xE3\xBA\xC3\xA3\xAC\xCA\xC0\xBD\xE7\xA1\xA3\xC0\xFA\xCA\xB7\xB1\xA3\xB4\xE6";
const std::string kAsciiPhrase = " note 2026-12-09 12:00 ";

std::string GbkLine(int n)
{
    std::string line;
    while (line.size() < 160 + static_cast<size_t>(n % 64))
        line += kGbkPhrase + kAsciiPhrase;
    return line;
}

std::string Utf16Line(int n)
{
    std::string line;
    for (int i = 0; i < 70 + n % 16; ++i) {
        char16_t c = static_cast<char16_t>(0x4E00 + (n * 31 + i * 7) % 0x5000);
        line.push_back(static_cast<char>(c & 0xFF));
        line.push_back(static_cast<char>(c >> 8));
    }
    return line + "\x29\x20";
}

void AppendRecord(std::string& out, int n)
{
    switch (n % 10) {
    case 0:
        out += "-2 1 0 0 0 0 0 0\r\ncp" + std::to_string(n) + "\r\n";
        return;
    case 1:
        out += "-1 0 0 0 0 0\r\n";
        return;
    case 2:
        out += "6 2 0 8 0 0\r\n" + Utf16Line(n) + Utf16Line(n + 1);
        return;
    case 3:
        out += "0 1 -1 8 0 0\r\n" + Utf16Line(n);
        return;
    default:
        out += "0 3 " + std::string(n % 3 ? "-1" : "0") + " 0 0 0\r\n" + GbkLine(n) + "\r\n" +
               GbkLine(n + 1) + "\r\n" + GbkLine(n + 2) + "\r\n";
        return;
    }
}

std::string MakeDocument(size_t bytes)
{
    std::string out = "-8 1 3\r\n";
    out.reserve(bytes + 4096);
    for (int n = 0; out.size() < bytes; ++n)
        AppendRecord(out, n);
    return out;
}

// A snapshot document with one more text style that holds UTF-16 text.
struct BenchDocument : wenlocke::SnapshotDocument {
    BenchDocument()
    {
        TFontInfo& wide = Style.TextStyles().Add();
        wide.StyleName = u"Wide";
        wide.Unicode = true;
    }
};

long StatusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::string(key).size()));
    }
    return 0;
}

// Peak resident memory of one read, in bytes above what the process held before the document
// was made (so the document's own bytes count).
double PeakOfOneRead(size_t bytes)
{
    malloc_trim(0); // hand back what earlier runs freed, so that it is not reused unseen
    long before = StatusKb("VmRSS:");
    TRVMemoryStream stream(MakeDocument(bytes));
    std::ofstream("/proc/self/clear_refs") << "5"; // restart the high-water mark
    {
        BenchDocument doc;
        if (!ReadRvfStream(doc.Data, stream))
            return -1;
    }
    return (StatusKb("VmHWM:") - before) * 1024.0;
}

void BM_ReadRvfStream(benchmark::State& state)
{
    const size_t bytes = static_cast<size_t>(state.range(0)) << 20;
    const double peak = PeakOfOneRead(bytes);
    TRVMemoryStream stream(MakeDocument(bytes));
    BenchDocument doc;
    for (auto _ : state) {
        stream.Seek(0);
        if (!ReadRvfStream(doc.Data, stream))
            state.SkipWithError("the generated document did not read");
        state.PauseTiming();
        doc.Data.Clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["peak_MB"] = peak / (1 << 20);
    state.counters["peak_per_file_byte"] = peak / static_cast<double>(bytes);
    state.counters["limit_MB"] = (3.0 * static_cast<double>(bytes) + 20.0 * (1 << 20)) / (1 << 20);
}

BENCHMARK(BM_ReadRvfStream)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
