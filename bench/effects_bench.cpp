// Every filter and composite of the effect dispatcher on a 12-megapixel
// raster, next to the machine's one-pass read-modify-write limit on the
// same 48 MB.

#include "BenchPhoto.h"
#include "effects/ApplyEffect.h"
#include "effects/FilterRecords.h"
#include "effects/ParallelRows.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using bench::Height;
using bench::Photo;
using bench::Width;

// The raster the effects run on, kept between runs like the editor's
// working copies, restored from the photo before each timed call.
TBitmap32 &Work()
{
    static TBitmap32 work;
    return work;
}

void Effect(benchmark::State &state, int effect, int value1, int value3)
{
    TBitmap32 &b = Work();
    b.Assign(Photo());
    ApplyEffect(b, effect, value1, 0, value3, 1); // warms the working copies
    for (auto _ : state) {
        state.PauseTiming();
        b.Assign(Photo());
        state.ResumeTiming();
        ApplyEffect(b, effect, value1, 0, value3, 1);
        benchmark::DoNotOptimize(b.Bits());
    }
}

// The limit: one read-modify-write pass over 48 MB, on one core and on all.
void MemoryPass(benchmark::State &state, bool allCores)
{
    TBitmap32 &b = Work();
    b.Assign(Photo());
    auto pass = [&](int y0, int y1) {
        TColor32 *p = b.ScanLine(y0);
        for (TColor32 *end = b.ScanLine(y1); p != end; ++p)
            *p ^= 0x00FFFFFFu;
    };
    for (auto _ : state) {
        if (allCores)
            ForEachRowBand(Height, Width, pass);
        else
            pass(0, Height);
        benchmark::DoNotOptimize(b.Bits());
    }
}

void Copy48(benchmark::State &state)
{
    TBitmap32 &b = Work();
    b.Assign(Photo());
    for (auto _ : state) {
        std::memcpy(b.Bits(), Photo().Bits(), b.PixelCount() * 4);
        benchmark::DoNotOptimize(b.Bits());
    }
}

// One slider preview of the filter page as the panel runs it: the kept
// baseline copied into the photo's raster (both kept between calls), the
// noise seed where the row needs it, then the row's effect. Everything is
// timed.
void FilterPreview(benchmark::State &state, int row, int value)
{
    const TFilterRow &info = FilterRows()[row];
    const int passed = FilterPreviewValue(row, value).value_or(0);
    TBitmap32 &shown = Work();
    shown.Assign(Photo());
    for (auto _ : state) {
        shown.Assign(Photo());
        const std::uint64_t seed = info.Effect == 1 ? FilterNoiseSeed(Photo(), 1) : 0;
        ApplyEffect(shown, info.Effect, passed, 0, 0, 1, seed);
        benchmark::DoNotOptimize(shown.Bits());
    }
}

void NoiseSeed(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FilterNoiseSeed(Photo(), 1));
}

#define VELLUMI_EFFECT(name, effect, value1, value3)                                                              \
    BENCHMARK_CAPTURE(Effect, name, effect, value1, value3)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_CAPTURE(MemoryPass, one_core, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(MemoryPass, all_cores, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Copy48)->Unit(benchmark::kMillisecond)->UseRealTime();
VELLUMI_EFFECT(brightness_28, 28, 20, 0)
VELLUMI_EFFECT(contrast_29, 29, 30, 0)
VELLUMI_EFFECT(posterize_5, 5, 15, 0)
VELLUMI_EFFECT(saturation_34, 34, 100, 0)
VELLUMI_EFFECT(chroma_26, 26, 300, 0)
VELLUMI_EFFECT(sepia_31, 31, 35, 0)
VELLUMI_EFFECT(hue_shift_33, 33, 40, 0)
VELLUMI_EFFECT(red_eye_30, 30, 80, 0)
VELLUMI_EFFECT(noise_1, 1, 100, 0)
VELLUMI_EFFECT(split_blur_4, 4, 5, 0)
VELLUMI_EFFECT(blur_3_one_pass, 3, 0, 0)
VELLUMI_EFFECT(mosaic_7, 7, 6, 0)
VELLUMI_EFFECT(emboss_11, 11, 30, 0)
VELLUMI_EFFECT(grey_outline_24, 24, 0, 0)
VELLUMI_EFFECT(tile_25, 25, 3, 0)
VELLUMI_EFFECT(sharpen_27, 27, 50, 0)
VELLUMI_EFFECT(sharpen_27_contrast, 27, 50, 1)
VELLUMI_EFFECT(soft_glow_32, 32, 10, 0)
VELLUMI_EFFECT(dry_brush_23, 23, 0, 0)

#define VELLUMI_PREVIEW(name, row, value)                                                                          \
    BENCHMARK_CAPTURE(FilterPreview, name, row, value)->Unit(benchmark::kMillisecond)->UseRealTime();

VELLUMI_PREVIEW(brightness_12, 0, 12)
VELLUMI_PREVIEW(chroma_300, 3, 300)
VELLUMI_PREVIEW(sharpen_50, 5, 50)
VELLUMI_PREVIEW(blur_10, 6, 10)
VELLUMI_PREVIEW(noise_400, 7, 400)
VELLUMI_PREVIEW(soft_glow_30, 9, 30)
BENCHMARK(NoiseSeed)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
