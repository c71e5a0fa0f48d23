// Photo decoding and writing on a 12-megapixel picture. The JPEG is
// VELLUMI_BENCH_JPEG when set (compare_codecs.sh passes the file it also
// gives djpeg), otherwise a synthetic photo written once by our own encoder.

#include "documents/ImageCodecs.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

// Smooth colour fields with a fine grain, so that the JPEG carries about
// the detail of a real photograph.
TBitmap32 SyntheticPhoto(int width, int height)
{
    TBitmap32 b(width, height);
    std::uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        TColor32 *row = b.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 28) - 8;
            const double fx = x / double(width), fy = y / double(height);
            const int r = int(128 + 100 * std::sin(fx * 7 + fy * 3)) + grain;
            const int g = int(128 + 90 * std::cos(fx * 5 - fy * 4)) + grain;
            const int bl = int(120 + 80 * std::sin((fx + fy) * 9)) + grain;
            row[x] = Color32(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(bl, 0, 255));
        }
    }
    return b;
}

struct TBenchFiles {
    QTemporaryDir dir;
    QString jpeg;
    TBitmap32 photo;

    TBenchFiles()
    {
        const QByteArray given = qgetenv("VELLUMI_BENCH_JPEG");
        if (!given.isEmpty()) {
            jpeg = QString::fromLocal8Bit(given);
        } else {
            jpeg = dir.filePath("photo.jpg");
            SavePhotoFile(jpeg, SyntheticPhoto(4000, 3000));
        }
        LoadPhotoFile(jpeg, photo);
    }
};

TBenchFiles &Files()
{
    static TBenchFiles files;
    return files;
}

void BM_DecodeJpeg12MP(benchmark::State &state)
{
    TBenchFiles &files = Files();
    TBitmap32 target;
    for (auto _ : state) {
        LoadPhotoFile(files.jpeg, target);
        benchmark::DoNotOptimize(target.Bits());
    }
    state.counters["megapixels"] = double(target.PixelCount()) / 1e6;
}
BENCHMARK(BM_DecodeJpeg12MP)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);

// Writing by extension: ".jpg" is JPEG q100 4:4:4, ".png" PNG.
void BM_Write12MP(benchmark::State &state, const char *name)
{
    TBenchFiles &files = Files();
    const QString out = files.dir.filePath(QString::fromLatin1(name));
    for (auto _ : state)
        SavePhotoFile(out, files.photo);
    state.counters["bytes"] = double(QFile(out).size());
}
BENCHMARK_CAPTURE(BM_Write12MP, JpegQ100x444, "out.jpg")->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK_CAPTURE(BM_Write12MP, Png, "out.png")->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(2);

} // namespace
