// GBK to UTF-16 and back over a 10 MB buffer of mixed Chinese and ASCII text, the shape of a
// large snapshot's text items.
#include "platform/codepage.h"

#include <benchmark/benchmark.h>

namespace {

std::string MixedGbkText(size_t size)
{
    const std::string pieces[] = {
        "\xd6\xd0\xce\xc4\xb2\xe2\xca\xd4", // four Chinese characters
        "Plain ASCII words, ",
        "\xa1\xa3\xa3\xac",                 // full-width punctuation
        "12345 ",
        "\x81\x40\xfe\x4f",                 // GBK extension characters with ASCII-range trail bytes
        "\r\n",
    };
    std::string text;
    text.reserve(size + 32);
    for (size_t i = 0; text.size() < size; ++i)
        text += pieces[(i * 7 + i / 3) % std::size(pieces)];
    return text;
}

void GbkToUtf16(benchmark::State& state)
{
    const std::string text = MixedGbkText(10 * 1024 * 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::ToUtf16(text, platform::kCodePageGbk));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(GbkToUtf16)->Unit(benchmark::kMillisecond);

void Utf16ToGbk(benchmark::State& state)
{
    const std::u16string text = platform::ToUtf16(MixedGbkText(10 * 1024 * 1024), 936);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::FromUtf16(text, platform::kCodePageGbk));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size() * 2));
}
BENCHMARK(Utf16ToGbk)->Unit(benchmark::kMillisecond);

} // namespace
