// Decoding speed of the stored picture formats at a typical document picture size.
#include "platform/picture.h"

#include <benchmark/benchmark.h>
#include <QBuffer>
#include <QImage>

#include <string>

namespace {

constexpr int kSide = 1000;

QImage Gradient()
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return image;
}

// Qt writes the benchmark's inputs; only our own decoders read them.
std::string Encode(const QImage& image, const char* format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return data.toStdString();
}

void Decode(benchmark::State& state, platform::PictureFormat format, const std::string& bytes)
{
    for (auto _ : state) {
        auto picture = platform::DecodePicture(format, bytes);
        if (!picture)
            state.SkipWithError("does not decode");
        benchmark::DoNotOptimize(picture);
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
    state.SetBytesProcessed(state.iterations() * int64_t(bytes.size()));
}

void BM_Bmp24(benchmark::State& state)
{
    static const std::string bytes = Encode(Gradient().convertToFormat(QImage::Format_RGB888), "BMP");
    Decode(state, platform::PictureFormat::Bitmap, bytes);
}

void BM_Bmp32(benchmark::State& state)
{
    static const std::string bytes = Encode(Gradient(), "BMP");
    Decode(state, platform::PictureFormat::Bitmap, bytes);
}

void BM_Jpeg(benchmark::State& state)
{
    static const std::string bytes = Encode(Gradient(), "JPEG");
    Decode(state, platform::PictureFormat::Jpeg, bytes);
}

BENCHMARK(BM_Bmp24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bmp32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpeg)->Unit(benchmark::kMillisecond);

} // namespace
