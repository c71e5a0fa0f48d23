#include "effects/ColorFilters.h"

#include "effects/HslModel.h"
#include "effects/ParallelRows.h"
#include "effects/PixelBlocks.h"
#include "effects/PixelMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Runs op on every pixel; the filters here read nothing but the pixel
// itself, so row order does not change their result and bands of rows run
// on all cores.
template <typename Op>
void ForEachPixel(TBitmap32 &bitmap, const Op &op)
{
    ForEachRowBand(bitmap.Height(), bitmap.Width(), [&](int y0, int y1) {
        TColor32 *p = bitmap.ScanLine(y0);
        TColor32 *const end = bitmap.ScanLine(y1);
        for (; p != end; ++p)
            *p = op(*p);
    });
}

inline int Grey(TColor32 p) { return (RedComponent(p) + GreenComponent(p) + BlueComponent(p)) / 3; }

VELLUMI_VECTOR_CLONES
void ChromaPixels(TColor32 *p, std::size_t n, int a)
{
    for (std::size_t i = 0; i < n; ++i) {
        const TColor32 v = p[i];
        const int e = Grey(v);
        auto channel = [&](int c) { return std::clamp(e + a * (c - e) / 255, 0, 255); };
        p[i] = OpaqueRgb(channel(RedComponent(v)), channel(GreenComponent(v)), channel(BlueComponent(v)));
    }
}

// Amounts up to this either way (the slider reaches 549) take ChromaLanes,
// well inside its exact range; larger ones keep the integer rule.
constexpr int ChromaLaneLimit = 1024;

// The chroma rule on n pixels, eight a block in 32-bit lanes: the grey is
// sum * 21846 >> 16 (exact for sums below 32768), and (c - e) times a / 255
// raised by 2^-20, in float, truncates to the quotient of the integer
// division while that stays below about 4000 (|c - e| <= 170).
VELLUMI_VECTOR_CLONES
void ChromaLanes(TColor32 *p, std::size_t n, int a)
{
    using U8 = std::uint32_t __attribute__((vector_size(32)));
    using I8 = std::int32_t __attribute__((vector_size(32)));
    using F8 = float __attribute__((vector_size(32)));
    const auto scale = float(a / 255.0 * (1 + 1.0 / (1 << 20)));
    auto block = [&](U8 v) {
        const I8 b = I8(v & 255), g = I8((v >> 8) & 255), r = I8((v >> 16) & 255);
        const I8 e = ((b + g + r) * 21846) >> 16;
        auto channel = [&](I8 c) {
            const I8 y = e + __builtin_convertvector(__builtin_convertvector(c - e, F8) * scale, I8);
            return U8(y < 0 ? I8{} : y > 255 ? I8{} + 255 : y);
        };
        return channel(b) | channel(g) << 8 | channel(r) << 16 | 0xFF000000u;
    };
    ForEachPixelBlock<U8>(p, n, block);
}

VELLUMI_VECTOR_CLONES
void SepiaPixels(TColor32 *p, std::size_t n, int t)
{
    for (std::size_t i = 0; i < n; ++i) {
        const int g = Grey(p[i]);
        p[i] = OpaqueRgb(std::clamp(g + 2 * t, 0, 255), std::clamp(g + t, 0, 255), g);
    }
}

// The colour tone on n pixels, eight at a time.
VELLUMI_VECTOR_CLONES
void HueShiftPixels(TColor32 *p, std::size_t n, int dh, int ds, int dl)
{
    using hsl_vector::Int8;
    auto block = [&](Int8 pixels) {
        const hsl_vector::Hsl8 hsl = hsl_vector::RgbToHsl(pixels);
        auto clampByte = [](Int8 v) { return hsl_vector::Min(hsl_vector::Max(v, Int8{}), Int8{} + 255); };
        Int8 h = hsl.H + dh;
        h = h > 255 ? h - 255 : h;
        h = h < 0 ? h + 255 : h;
        return hsl_vector::HslToRgb(h, clampByte(hsl.S + ds), clampByte(hsl.L + dl));
    };
    ForEachPixelBlock<Int8>(p, n, block);
}

constexpr long double RedWeight = 0.5133333L;
constexpr long double RedWeightInverse = 0.51333333L; // one digit more than RedWeight
constexpr long double BlueWeight = 0.1933333L;

} // namespace

int TNoiseRandom::Draw(std::uint64_t seed, std::uint64_t k, int n)
{
    std::uint64_t z = seed + (k + 1) * 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    if (n <= 0)
        return 0;
    return int(((z >> 32) * std::uint64_t(n)) >> 32);
}

void FilterNoise(TBitmap32 &bitmap, int amount, std::uint64_t seed)
{
    const int half = amount / 2;
    const int w = bitmap.Width();
    // Pixel k in row order takes draw k, whichever band computes it.
    ForEachRowBand(bitmap.Height(), w, [&](int y0, int y1) {
        std::uint64_t k = std::uint64_t(y0) * std::uint64_t(w);
        TColor32 *p = bitmap.ScanLine(y0);
        for (TColor32 *const end = bitmap.ScanLine(y1); p != end; ++p, ++k) {
            const int n = ClampByte((long long)TNoiseRandom::Draw(seed, k, amount) - half);
            const TColor32 v = *p;
            *p = OpaqueRgb(std::min(RedComponent(v) + n, 255), std::min(GreenComponent(v) + n, 255),
                           std::min(BlueComponent(v) + n, 255));
        }
    });
    bitmap.Changed();
}

void FilterChroma(TBitmap32 &bitmap, int amount)
{
    // Beyond 2^22 every channel off the grey clamps either way: same result,
    // and a * (c - e) stays in int.
    const int a = std::clamp(amount, -(1 << 22), 1 << 22);
    ForEachRowBand(bitmap.Height(), bitmap.Width(), [&](int y0, int y1) {
        const std::size_t n = std::size_t(y1 - y0) * bitmap.Width();
        if (std::abs(a) <= ChromaLaneLimit)
            ChromaLanes(bitmap.ScanLine(y0), n, a);
        else
            ChromaPixels(bitmap.ScanLine(y0), n, a);
    });
    bitmap.Changed();
}

void FilterHueShift(TBitmap32 &bitmap, int hueShift, int saturationShift, int lightnessShift)
{
    // S and L are 0..255, so shifts beyond +-256 clamp alike; a hue shift
    // beyond +-510 leaves every hue outside 0..255 either way (pixel 0).
    const int dh = std::clamp(hueShift, -1000, 1000);
    const int ds = std::clamp(saturationShift, -256, 256), dl = std::clamp(lightnessShift, -256, 256);
    ForEachRowBand(bitmap.Height(), bitmap.Width(), [&](int y0, int y1) {
        HueShiftPixels(bitmap.ScanLine(y0), std::size_t(y1 - y0) * bitmap.Width(), dh, ds, dl);
    });
    bitmap.Changed();
}

void FilterRedEye(TBitmap32 &bitmap, int tolerance)
{
    // The rule's extended-precision comparisons depend on (R, G) and (R, B)
    // only, its new red on (G, B): three 64 K tables per call.
    static const std::vector<std::uint8_t> newRed = [] {
        std::vector<std::uint8_t> t(256 * 256);
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b)
                t[g * 256 + b] = std::uint8_t((long long)std::nearbyintl(((g + BlueWeight * b) / 2) / RedWeightInverse) & 0xFF);
        return t;
    }();
    std::vector<std::uint8_t> greenTest(256 * 256), blueTest(256 * 256);
    for (int r = 0; r < 256; ++r) {
        const long double wr = RedWeight * r;
        for (int v = 0; v < 256; ++v) {
            greenTest[r * 256 + v] = wr >= (long double)v - tolerance;
            blueTest[r * 256 + v] = wr >= BlueWeight * v - tolerance;
        }
    }
    ForEachPixel(bitmap, [&](TColor32 p) {
        const int r = RedComponent(p), g = GreenComponent(p), b = BlueComponent(p);
        if (greenTest[r * 256 + g] && blueTest[r * 256 + b])
            return OpaqueRgb(newRed[g * 256 + b], g, b);
        return p;
    });
}

void FilterSepia(TBitmap32 &bitmap, int tint)
{
    // Beyond +-511 the tint saturates every grey alike.
    const int t = std::clamp(tint, -511, 511);
    ForEachRowBand(bitmap.Height(), bitmap.Width(), [&](int y0, int y1) {
        SepiaPixels(bitmap.ScanLine(y0), std::size_t(y1 - y0) * bitmap.Width(), t);
    });
}
