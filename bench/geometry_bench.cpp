// ResizeBitmap of a 12-megapixel raster to 50 % and to 1024 x 768 on both
// cores, next to one whole StretchLinear call on one core; and the quarter
// turn and mirror of the same raster.

#include "BenchPhoto.h"
#include "geometry/Resize.h"
#include "geometry/Transform.h"

#include <benchmark/benchmark.h>

#include <QRect>


namespace {

using bench::Height;
using bench::Photo;
using bench::Width;

void ResizeHalf(benchmark::State &state)
{
    TBitmap32 target;
    for (auto _ : state) {
        ResizeBitmap(Photo(), target, 50, 50, rmPercent);
        benchmark::DoNotOptimize(target.Bits());
    }
}
BENCHMARK(ResizeHalf)->Unit(benchmark::kMillisecond)->MinTime(0.5);

void ResizeTo1024x768(benchmark::State &state)
{
    TBitmap32 target;
    for (auto _ : state) {
        ResizeBitmap(Photo(), target, 1024, 768, rmPixels);
        benchmark::DoNotOptimize(target.Bits());
    }
}
BENCHMARK(ResizeTo1024x768)->Unit(benchmark::kMillisecond)->MinTime(0.5);

// The same stretch as one call on the calling thread: what the bands gain.
void StretchHalfOneCore(benchmark::State &state)
{
    TBitmap32 target(Width / 2, Height / 2);
    for (auto _ : state) {
        StretchLinear(target, QRect(0, 0, Width / 2, Height / 2), Photo(), QRect(0, 0, Width, Height));
        benchmark::DoNotOptimize(target.Bits());
    }
}
BENCHMARK(StretchHalfOneCore)->Unit(benchmark::kMillisecond)->MinTime(0.5);

void TurnRight(benchmark::State &state)
{
    TBitmap32 work;
    work.Assign(Photo());
    for (auto _ : state) {
        TransformBitmap(work, tkTurnRight);
        benchmark::DoNotOptimize(work.Bits());
    }
}
BENCHMARK(TurnRight)->Unit(benchmark::kMillisecond)->MinTime(0.5);

void MirrorHorz(benchmark::State &state)
{
    TBitmap32 work;
    work.Assign(Photo());
    for (auto _ : state) {
        TransformBitmap(work, tkMirrorHorz);
        benchmark::DoNotOptimize(work.Bits());
    }
}
BENCHMARK(MirrorHorz)->Unit(benchmark::kMillisecond)->MinTime(0.5);

} // namespace
