#include "effects/ColorFilters.h"
#include "effects/HslModel.h"

#include "EffectsTestSupport.h"

#include <cmath>

namespace {

int Clamp(long long v) { return v < 0 ? 0 : v > 255 ? 255 : int(v); }

struct THsl {
    int H, S, L;
};

// The forward model as written, with real divisions.
THsl PlainRgbToHsl(TColor32 p)
{
    const int r = RedComponent(p), g = GreenComponent(p), b = BlueComponent(p);
    const int cmax = std::max({r, g, b}), cmin = std::min({r, g, b});
    const int l = (cmax + cmin) / 2;
    if (cmax == cmin)
        return {0, 0, l};
    const int d = (cmax - cmin) * 255;
    const int s = l <= 127 ? d / (cmax + cmin) : d / (510 - cmax - cmin);
    const int d6 = 6 * d;
    int h = r == cmax ? (g - b) * 65025 / d6 : g == cmax ? 85 + (b - r) * 65025 / d6 : 170 + (r - g) * 65025 / d6;
    if (h < 0)
        h += 510;
    return {h % 256, s, l};
}

// The backward model as written, sector by sector.
TColor32 PlainHslToRgb(long long h, int s, int l)
{
    const int v = l <= 127 ? (l * (256 + s)) >> 8 : l + s - (l * s) / 255;
    if (v <= 0)
        return 0;
    const int m = 2 * l - v;
    const long long h6 = 6 * h;
    const int f = int(((v - m) * (h6 % 256)) >> 8);
    const int m1 = m + f, m2 = v - f;
    switch (h6 < 0 ? -1 : h6 >> 8) {
    case 0: return Color32(v, m1, m, 0);
    case 1: return Color32(m2, v, m, 0);
    case 2: return Color32(m, v, m1, 0);
    case 3: return Color32(m, m2, v, 0);
    case 4: return Color32(m1, m, v, 0);
    case 5: return Color32(v, m, m2, 0);
    default: return 0;
    }
}

using hsl_vector::Int8;

// The vector model on one value in every lane; all lanes must agree.
TColor32 HslToRgb(int h, int s, int l)
{
    const Int8 v = hsl_vector::HslToRgb(Int8{} + h, Int8{} + s, Int8{} + l);
    for (int i = 1; i < 8; ++i)
        EXPECT_EQ(v[i], v[0]);
    return TColor32(v[0]);
}

THsl RgbToHsl(TColor32 p)
{
    const hsl_vector::Hsl8 hsl = hsl_vector::RgbToHsl(Int8{} + int(p));
    return {hsl.H[0], hsl.S[0], hsl.L[0]};
}

} // namespace

TEST(HslModel, BackwardMatchesTheWrittenSectors)
{
    // Every (s, l) around the whole hue range, eight lightnesses per call.
    for (int h = -3; h <= 258; ++h)
        for (int s = 0; s < 256; ++s)
            for (int l0 = 0; l0 < 256; l0 += 8) {
                Int8 l;
                for (int i = 0; i < 8; ++i)
                    l[i] = l0 + i;
                const Int8 rgb = hsl_vector::HslToRgb(Int8{} + h, Int8{} + s, l);
                for (int i = 0; i < 8; ++i)
                    ASSERT_EQ(TColor32(rgb[i]), PlainHslToRgb(h, s, l0 + i)) << h << ' ' << s << ' ' << l0 + i;
            }
}

TEST(ColorFilters, HueShiftMatchesTheWrittenModel)
{
    std::mt19937 gen(27);
    for (auto [w, h] : OddSizes()) {
        const int dh = int(gen() % 601) - 300, ds = int(gen() % 101) - 50, dl = int(gen() % 101) - 50;
        const TBitmap32 in = RandomBitmap(w, h, gen());
        TBitmap32 b = Copy(in);
        FilterHueShift(b, dh, ds, dl);
        for (std::size_t i = 0; i < in.PixelCount(); ++i) {
            const THsl hsl = PlainRgbToHsl(in.Bits()[i]);
            long long hue = hsl.H + dh;
            if (hue > 255)
                hue -= 255;
            if (hue < 0)
                hue += 255;
            ASSERT_EQ(b.Bits()[i], PlainHslToRgb(hue, Clamp(hsl.S + ds), Clamp(hsl.L + dl))) << dh << ' ' << ds << ' ' << dl;
        }
    }
}

TEST(ColorFilters, HueShiftMatchesTheWrittenModelForEveryColour)
{
    // All 2^24 colours in one raster (row-band boundaries and the padded
    // last block included), with shifts from small to far out of range.
    TBitmap32 in(4096, 4096);
    for (int c = 0; c < 1 << 24; ++c)
        in.Bits()[c] = TColor32(c) | TColor32(c % 251) << 24;
    const struct {
        int dh, ds, dl;
    } shifts[] = {{40, 0, 0}, {-300, 77, -61}, {510, -2147483647 - 1, 2147483647}, {-2147483647 - 1, 300, 9}};
    for (const auto &shift : shifts) {
        TBitmap32 b = Copy(in);
        FilterHueShift(b, shift.dh, shift.ds, shift.dl);
        for (int c = 0; c < 1 << 24; ++c) {
            const THsl hsl = PlainRgbToHsl(TColor32(c));
            long long hue = hsl.H + (long long)shift.dh;
            if (hue > 255)
                hue -= 255;
            if (hue < 0)
                hue += 255;
            ASSERT_EQ(b.Bits()[c], PlainHslToRgb(hue, Clamp(hsl.S + (long long)shift.ds), Clamp(hsl.L + (long long)shift.dl)))
                << std::hex << c << std::dec << ' ' << shift.dh << ' ' << shift.ds << ' ' << shift.dl;
        }
    }
}

TEST(ColorFilters, SepiaMatchesTheWrittenRule)
{
    for (int t : {35, 0, -40, 300, 100000}) {
        const TBitmap32 in = RandomBitmap(101, 3, unsigned(t + 1000));
        TBitmap32 b = Copy(in);
        FilterSepia(b, t);
        for (std::size_t i = 0; i < in.PixelCount(); ++i) {
            const TColor32 p = in.Bits()[i];
            const int g = (RedComponent(p) + GreenComponent(p) + BlueComponent(p)) / 3;
            ASSERT_EQ(b.Bits()[i], Color32(Clamp(g + 2LL * t), Clamp(g + (long long)t), g, 255)) << t;
        }
    }
}

TEST(HslModel, ForwardMatchesTheWrittenDivisionsForEveryColour)
{
    // Eight different colours per call, so each lane sees its own.
    for (int c = 0; c < 1 << 24; c += 8) {
        Int8 pixels;
        for (int i = 0; i < 8; ++i)
            pixels[i] = int(0xFF000000u | TColor32(c + i));
        const hsl_vector::Hsl8 fast = hsl_vector::RgbToHsl(pixels);
        for (int i = 0; i < 8; ++i) {
            const THsl plain = PlainRgbToHsl(TColor32(c + i));
            ASSERT_TRUE(fast.H[i] == plain.H && fast.S[i] == plain.S && fast.L[i] == plain.L) << std::hex << c + i;
        }
    }
}

TEST(HslModel, BackwardSectorsAndLimits)
{
    // L 100, S 200: v = 178, m = 22; hue 0 is pure red-ish, alpha 0.
    EXPECT_EQ(HslToRgb(0, 200, 100), Color32(178, 22, 22, 0));
    // Hue 85: h6 = 510, sector 1, f = 156 * 254 >> 8 = 154.
    EXPECT_EQ(HslToRgb(85, 200, 100), Color32(24, 178, 22, 0));
    // L above 127: v = 200 + 100 - 20000 div 255 = 222, m = 178; hue 170 is sector 3.
    // f = 44 * 252 >> 8 = 43.
    EXPECT_EQ(HslToRgb(170, 100, 200), Color32(178, 179, 222, 0));
    EXPECT_EQ(HslToRgb(0, 0, 0), 0u);
    EXPECT_EQ(HslToRgb(-1, 200, 100), 0u);  // negative sector
    EXPECT_EQ(HslToRgb(256, 200, 100), 0u); // sector 6
    const TColor32 top = HslToRgb(255, 255, 200);
    EXPECT_EQ(AlphaComponent(top), 0);
}

TEST(ColorFilters, HueShiftZeroKeepsColoursCloseAndClearsAlpha)
{
    const TBitmap32 in = RandomBitmap(37, 29, 22);
    TBitmap32 b = Copy(in);
    int notified = 0;
    b.AddChangeListener([&] { ++notified; });
    FilterHueShift(b, 0, 0, 0);
    EXPECT_EQ(notified, 1);
    for (std::size_t i = 0; i < b.PixelCount(); ++i) {
        const TColor32 p = b.Bits()[i], q = in.Bits()[i];
        ASSERT_EQ(AlphaComponent(p), 0);
        EXPECT_NEAR(RedComponent(p), RedComponent(q), 16);
        EXPECT_NEAR(GreenComponent(p), GreenComponent(q), 16);
        EXPECT_NEAR(BlueComponent(p), BlueComponent(q), 16);
    }
}

TEST(ColorFilters, HueShiftWrapsBy255)
{
    // Find colours of hue 100, shift by -150: hue 205; by +200: 45.
    std::mt19937 gen(23);
    int found = 0;
    while (found < 50) {
        const TColor32 p = Color32(int(gen() % 256), int(gen() % 256), int(gen() % 256));
        const THsl hsl = RgbToHsl(p);
        if (hsl.H != 100)
            continue;
        ++found;
        for (auto [shift, hue] : {std::pair{-150, 205}, {200, 45}, {0, 100}}) {
            TBitmap32 b = Uniform(1, 1, p);
            FilterHueShift(b, shift, 0, 0);
            EXPECT_EQ(b.Pixel(0, 0), HslToRgb(hue, hsl.S, hsl.L));
        }
        TBitmap32 b = Uniform(1, 1, p);
        FilterHueShift(b, 0, -300, 40);
        EXPECT_EQ(b.Pixel(0, 0), HslToRgb(100, 0, std::min(hsl.L + 40, 255)));
    }
}

TEST(ColorFilters, ChromaKeepsAtFullAmountAndGreysAtZero)
{
    const TBitmap32 in = RandomBitmap(13, 5, 24);
    TBitmap32 keep = Copy(in), grey = Copy(in);
    FilterChroma(keep, 255);
    FilterChroma(grey, 0);
    for (std::size_t i = 0; i < in.PixelCount(); ++i) {
        const TColor32 p = in.Bits()[i];
        const int e = (RedComponent(p) + GreenComponent(p) + BlueComponent(p)) / 3;
        EXPECT_EQ(keep.Bits()[i], p | 0xFF000000u);
        EXPECT_EQ(grey.Bits()[i], Color32(e, e, e, 255));
    }
}

TEST(ColorFilters, ChromaMatchesTheWrittenRule)
{
    for (int a : {245, 549, -300, 1, 100000000, -2147483647}) {
        const TBitmap32 in = RandomBitmap(101, 3, unsigned(a));
        TBitmap32 b = Copy(in);
        FilterChroma(b, a);
        for (std::size_t i = 0; i < in.PixelCount(); ++i) {
            const TColor32 p = in.Bits()[i];
            const int e = (RedComponent(p) + GreenComponent(p) + BlueComponent(p)) / 3;
            auto ch = [&](int c) { return Clamp(e + (long long)a * (c - e) / 255); };
            ASSERT_EQ(b.Bits()[i], Color32(ch(RedComponent(p)), ch(GreenComponent(p)), ch(BlueComponent(p)), 255)) << a;
        }
    }
}

// Every amount up to past the float path's limit of 1024 either way, on
// pixels whose distances from their grey span -170 to 170; the width
// leaves a tail that the eight-pixel blocks do not cover.
TEST(ColorFilters, ChromaMatchesTheRuleForEveryAmountAndDistance)
{
    TBitmap32 in(259, 4);
    for (int x = 0; x < 259; ++x) {
        const int v = x & 0xFF;
        in.ScanLine(0)[x] = Color32(v, 0, 0, 7);
        in.ScanLine(1)[x] = Color32(0, v, 255, 0);
        in.ScanLine(2)[x] = Color32(255, 255, v, 255);
        in.ScanLine(3)[x] = Color32(v, 255 - v, (v * 37) & 0xFF, 9);
    }
    for (int a = -1100; a <= 1100; ++a) {
        TBitmap32 b = Copy(in);
        FilterChroma(b, a);
        for (std::size_t i = 0; i < in.PixelCount(); ++i) {
            const TColor32 p = in.Bits()[i];
            const int e = (RedComponent(p) + GreenComponent(p) + BlueComponent(p)) / 3;
            auto ch = [&](int c) { return Clamp(e + a * (c - e) / 255); };
            ASSERT_EQ(b.Bits()[i], Color32(ch(RedComponent(p)), ch(GreenComponent(p)), ch(BlueComponent(p)), 255))
                << "amount " << a << " pixel " << i;
        }
    }
}

TEST(ColorFilters, SepiaTints)
{
    const struct {
        TColor32 in;
        int tint;
        TColor32 out;
    } cases[] = {{Color32(250, 250, 250, 0), 35, Color32(255, 255, 250, 255)},
                 {Color32(10, 20, 33, 9), 35, Color32(91, 56, 21, 255)},
                 {Color32(100, 100, 100), 0, Color32(100, 100, 100)},
                 // Negative tints stop at 0 rather than wrapping around.
                 {Color32(30, 30, 30), -20, Color32(0, 10, 30)},
                 {Color32(30, 30, 30), 2000000000, Color32(255, 255, 30)},
                 {Color32(30, 30, 30), -2000000000, Color32(0, 0, 30)}};
    for (auto c : cases) {
        TBitmap32 b = Uniform(1, 1, c.in);
        FilterSepia(b, c.tint);
        EXPECT_EQ(b.Pixel(0, 0), c.out) << std::hex << c.in;
    }
}

TEST(ColorFilters, RedEyeMatchesTheWrittenRule)
{
    // Every (R, G, B) of a coarse grid plus random pixels, against the rule
    // in extended precision.
    TBitmap32 in(32 * 32, 32 + 64);
    std::mt19937 gen(25);
    for (int y = 0; y < in.Height(); ++y)
        for (int x = 0; x < in.Width(); ++x)
            *in.PixelPtr(x, y) = y < 32 ? Color32(x / 32 * 8 + 1, x % 32 * 8, y * 8 + 3, 7) : TColor32(gen());
    for (int t : {0, 80, 100, -8, 255}) {
        TBitmap32 b = Copy(in);
        FilterRedEye(b, t);
        for (std::size_t i = 0; i < in.PixelCount(); ++i) {
            const TColor32 p = in.Bits()[i];
            const long double r = 0.5133333L * RedComponent(p), g = GreenComponent(p), bl = 0.1933333L * BlueComponent(p);
            TColor32 expected = p;
            if (r >= g - t && r >= bl - t)
                expected = Color32(int((long long)std::nearbyintl(((g + bl) / 2) / 0.51333333L) & 0xFF), GreenComponent(p),
                                   BlueComponent(p), 255);
            ASSERT_EQ(b.Bits()[i], expected) << "t " << t << ' ' << std::hex << p;
        }
    }
}

TEST(ColorFilters, RedEyeAtZeroToleranceNeedsRedToLead)
{
    TBitmap32 b(2, 1);
    *b.PixelPtr(0, 0) = Color32(200, 100, 50, 9); // 102.7 >= 100 and >= 9.7
    *b.PixelPtr(1, 0) = Color32(190, 100, 50, 9); // 97.5 < 100
    FilterRedEye(b, 0);
    // Round((100 + 9.666665) / 2 / 0.51333333) = Round(106.8182) = 107.
    EXPECT_EQ(b.Pixel(0, 0), Color32(107, 100, 50, 255));
    EXPECT_EQ(b.Pixel(1, 0), Color32(190, 100, 50, 9));
}

TEST(ColorFilters, NoiseIsSeededAndOnlyBrightens)
{
    // The wide raster is split over the cores: each band must take its
    // place in the one sequence of draws.
    for (auto [w, h] : {std::pair{37, 29}, {4001, 37}}) {
        const TBitmap32 in = RandomBitmap(w, h, 26);
        TBitmap32 a = Copy(in), b = Copy(in), c = Copy(in), one = Copy(in);
        FilterNoise(a, 300, 42);
        FilterNoise(b, 300, 42);
        FilterNoise(c, 300, 43);
        FilterNoise(one, 1, 42);
        EXPECT_TRUE(SamePixels(a, b));
        EXPECT_FALSE(SamePixels(a, c));
        TNoiseRandom random(42);
        for (std::size_t i = 0; i < in.PixelCount(); ++i) {
            const TColor32 p = in.Bits()[i];
            const int n = Clamp(random.Random(300) - 150);
            ASSERT_EQ(a.Bits()[i], Color32(std::min(RedComponent(p) + n, 255), std::min(GreenComponent(p) + n, 255),
                                           std::min(BlueComponent(p) + n, 255), 255)) << i;
            ASSERT_EQ(one.Bits()[i], p | 0xFF000000u);
        }
    }
}

TEST(ColorFilters, NoiseRandomStaysInRange)
{
    TNoiseRandom random(7);
    std::vector<int> seen(10);
    for (int i = 0; i < 10000; ++i) {
        const int r = random.Random(10);
        ASSERT_TRUE(r >= 0 && r < 10);
        ++seen[r];
    }
    for (int count : seen)
        EXPECT_GT(count, 800);
    EXPECT_EQ(random.Random(0), 0);
    EXPECT_EQ(random.Random(-5), 0);
}
