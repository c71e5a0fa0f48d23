#include "effects/Effects.h"

#include "EffectsTestSupport.h"

#include <cmath>

namespace {

TColor32 Bgra(int b, int g, int r, int a) { return Color32(r, g, b, a); }

int Byte(TColor32 p, int c) { return int((p >> (8 * c)) & 0xFF); }

TColor32 Run1(TColor32 p, const std::function<void(TBitmap32 &)> &op)
{
    TBitmap32 b = Uniform(1, 1, p);
    op(b);
    return b.Pixel(0, 0);
}

int Ensure(long double v) { return v < 0 ? 0 : v > 255 ? 255 : int(v); }

// Sharpen as written: the clipped window summed pixel by pixel, the mean
// divided, the rule in long double.
TBitmap32 ReferenceSharpen(const TBitmap32 &src, const TSelection &sel, int r, int diff, long double percent,
                           TSharpenType type)
{
    TBitmap32 out = Copy(src);
    const int w = src.Width(), h = src.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            TColor32 result = src.Pixel(x, y);
            for (int c = 0; c < 4; ++c) {
                if (!sel[c])
                    continue;
                long long sum = 0, count = 0;
                for (int yy = std::max(0, y - r); yy <= std::min(y + r, h - 1); ++yy)
                    for (int xx = std::max(0, x - r); xx <= std::min(x + r, w - 1); ++xx)
                        if (xx != x || yy != y) {
                            sum += Byte(src.Pixel(xx, yy), c);
                            ++count;
                        }
                const int m = count ? int(sum / count) : 0;
                const int v = Byte(src.Pixel(x, y), c);
                const int low = std::clamp(m - diff, 0, 255), high = std::clamp(m + diff, 0, 255);
                int nv = v;
                if (v < low || v > high) {
                    if (type == stBrightness) {
                        const long double u = std::nearbyintl(v * percent / 100);
                        nv = v > m ? Ensure(v + u) : Ensure(v - u);
                    } else {
                        const long long a = (long long)std::nearbyintl(percent * 255 / 100);
                        nv = Ensure(v - a * (127 - v) / 255);
                    }
                }
                result = (result & ~(0xFFu << (8 * c))) | TColor32(nv) << (8 * c);
            }
            *out.PixelPtr(x, y) = result;
        }
    return out;
}

// The saturation rule pixel by pixel: each selected channel becomes
// (v - m) * f / 255 + m, m the mean of the selected channels.
::testing::AssertionResult FollowsSaturationRule(const TBitmap32 &in, const TBitmap32 &out, const TSelection &sel,
                                                 int f)
{
    for (std::size_t i = 0; i < in.PixelCount(); ++i) {
        int sum = 0, count = 0;
        for (int c = 0; c < 4; ++c)
            if (sel[c]) {
                sum += Byte(in.Bits()[i], c);
                ++count;
            }
        const int m = sum / count;
        for (int c = 0; c < 4; ++c) {
            const int v = Byte(in.Bits()[i], c);
            if (Byte(out.Bits()[i], c) != (sel[c] ? (v - m) * f / 255 + m : v))
                return ::testing::AssertionFailure() << "pixel " << i << " channel " << c;
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(Effects, IncreaseClampsAndLeavesAlphaAtZeroIncrement)
{
    TEffects e;
    EXPECT_EQ(Run1(Bgra(30, 100, 250, 255),
                   [&](TBitmap32 &b) { e.Increase(b, AllChannels, NoChannels, {-50, -50, -50, 0}); }),
              Bgra(0, 50, 200, 255));
    EXPECT_EQ(Run1(Bgra(250, 0, 9, 77), [&](TBitmap32 &b) { e.Increase(b, AllChannels, NoChannels, {10, 300, -10, 0}); }),
              Bgra(255, 255, 0, 77));
    // Ignoring the borders adds the increment's low 8 bits modulo 256.
    EXPECT_EQ(Run1(Bgra(250, 5, 9, 77), [&](TBitmap32 &b) { e.Increase(b, chBlue, 10, true); }), Bgra(4, 5, 9, 77));
    EXPECT_EQ(Run1(Bgra(250, 5, 9, 77), [&](TBitmap32 &b) { e.Increase(b, chAlpha, -80, false); }), Bgra(250, 5, 9, 0));
}

TEST(Effects, ContrastTable)
{
    TEffects e;
    const struct {
        int v, a, expected;
    } cases[] = {{0, 50, 0}, {127, 50, 127}, {255, 50, 255}, {200, 50, 214}, {100, 50, 95},
                 {200, -50, 186}, {0, -255, 127}, {255, 255, 255}, {128, 255, 129}};
    for (auto c : cases)
        EXPECT_EQ(Run1(Bgra(c.v, 0, 0, 0), [&](TBitmap32 &b) { e.Contrast(b, chBlue, TIncrement(c.a)); }),
                  Bgra(c.expected, 0, 0, 0))
            << c.v << ' ' << c.a;
}

TEST(Effects, PosterizeRoundsHalvesToEvenOnEveryChannel)
{
    TEffects e;
    const struct {
        int v, f, expected;
    } cases[] = {{7, 15, 0}, {8, 15, 15}, {255, 15, 255}, {1, 2, 0}, {3, 2, 4}, {5, 2, 4},
                 {255, 200, 200}, {100, 200, 0}, {77, 0, 77}, {254, 255, 255}, {127, 255, 0}};
    for (auto c : cases)
        // Selecting one channel posterizes all four.
        EXPECT_EQ(Run1(Bgra(c.v, c.v, c.v, c.v), [&](TBitmap32 &b) { e.Posterize(b, chGreen, std::uint8_t(c.f)); }),
                  Bgra(c.expected, c.expected, c.expected, c.expected))
            << c.v << ' ' << c.f;
}

TEST(Effects, SaturationUsesTheMeanOfTheSelectedChannels)
{
    TEffects e;
    // m = (10 + 50 + 90 + 250) div 4 = 100.
    EXPECT_EQ(Run1(Bgra(10, 50, 90, 250), [&](TBitmap32 &b) { e.Saturation(b, AllChannels, 0); }),
              Bgra(100, 100, 100, 100));
    EXPECT_EQ(Run1(Bgra(10, 50, 90, 250), [&](TBitmap32 &b) { e.Saturation(b, AllChannels, 128); }),
              Bgra(55, 75, 95, 175));
    EXPECT_EQ(Run1(Bgra(10, 50, 90, 250), [&](TBitmap32 &b) { e.Saturation(b, AllChannels, 255); }),
              Bgra(10, 50, 90, 250));
    // Blue and red only: m = 50; green and alpha untouched.
    EXPECT_EQ(Run1(Bgra(10, 50, 90, 250), [&](TBitmap32 &b) { e.Saturation(b, {true, false, true, false}, 0); }),
              Bgra(50, 50, 50, 250));
}

TEST(Effects, NothingSelectedOrEmptyChangesNothing)
{
    TEffects e;
    const TBitmap32 before = RandomBitmap(5, 4, 11);
    TBitmap32 b = Copy(before);
    TBitmap32 target = Copy(before);
    EXPECT_FALSE(e.Increase(b, NoChannels, AllChannels, {9, 9, 9, 9}));
    EXPECT_FALSE(e.Contrast(b, NoChannels, {9, 9, 9, 9}));
    EXPECT_FALSE(e.Posterize(b, NoChannels, 50));
    EXPECT_FALSE(e.Saturation(b, NoChannels, 50));
    EXPECT_FALSE(e.Sharpen(before, target, NoChannels, 1, 1, 50, stBrightness));
    EXPECT_TRUE(SamePixels(b, before));
    EXPECT_TRUE(SamePixels(target, before));
    TBitmap32 empty;
    EXPECT_FALSE(e.Posterize(empty, AllChannels, 50));
    EXPECT_TRUE(e.Posterize(b, AllChannels, 50));
}

TEST(Effects, SharpenSinglePixelHasMeanZero)
{
    TEffects e;
    TBitmap32 target;
    const TBitmap32 one = Uniform(1, 1, Bgra(1, 2, 100, 201));
    ASSERT_TRUE(e.Sharpen(one, target, AllChannels, 5, 1, 50, stBrightness));
    // 1 lies within [0, 1] and stays; the rest gain Round(v / 2): 1, 50, 100 (100.5 to even).
    EXPECT_EQ(target.Pixel(0, 0), Bgra(1, 3, 150, 255));
    ASSERT_TRUE(e.Sharpen(one, target, AllChannels, 5, 1, 50, stContrast));
    // a = Round(127.5) = 128: v - 128 * (127 - v) div 255.
    EXPECT_EQ(target.Pixel(0, 0), Bgra(1, 0, 87, 238));
}

TEST(Effects, SharpenLeavesUniformAreasAlone)
{
    TEffects e;
    const TBitmap32 flat = Uniform(9, 6, Bgra(3, 99, 250, 255));
    TBitmap32 target;
    for (TSharpenType type : {stBrightness, stContrast}) {
        ASSERT_TRUE(e.Sharpen(flat, target, AllChannels, 5, 0, 120, type));
        EXPECT_TRUE(SamePixels(target, flat));
    }
}

TEST(Effects, SharpenMatchesTheWrittenRule)
{
    TEffects e;
    std::mt19937 gen(12);
    const TSelection selections[] = {AllChannels, {false, true, false, true}};
    for (auto [w, h] : OddSizes())
        for (int r : {1, 2, 5})
            for (TSharpenType type : {stBrightness, stContrast}) {
                const TSelection &sel = selections[gen() % 2];
                const int diff = int(gen() % 4);
                const long double percent = (long double)(int(gen() % 301) - 50);
                const TBitmap32 src = gen() % 2 ? RandomBitmap(w, h, gen()) : BlockyBitmap(w, h, gen());
                TBitmap32 target;
                ASSERT_TRUE(e.Sharpen(src, target, sel, TRadius(r), std::uint8_t(diff), percent, type));
                EXPECT_TRUE(SamePixels(target, ReferenceSharpen(src, sel, r, diff, percent, type)))
                    << w << 'x' << h << " r " << r << " type " << type << " percent " << double(percent);
            }
}

TEST(Effects, SharpenInPlaceAndBadArguments)
{
    TEffects e;
    const TBitmap32 src = RandomBitmap(8, 7, 13);
    TBitmap32 same = Copy(src);
    ASSERT_TRUE(e.Sharpen(same, same, AllChannels, 2, 1, 40, stBrightness));
    EXPECT_TRUE(SamePixels(same, ReferenceSharpen(src, AllChannels, 2, 1, 40, stBrightness)));
    TBitmap32 target;
    EXPECT_THROW(e.Sharpen(src, target, AllChannels, 0, 1, 40, stBrightness), std::invalid_argument);
    EXPECT_THROW(e.Sharpen(src, target, AllChannels, 6, 1, 40, stBrightness), std::invalid_argument);
    EXPECT_THROW(e.Sharpen(src, target, AllChannels, 1, 1, NAN, stBrightness), std::invalid_argument);
}

TEST(Effects, IncreaseMatchesTheWrittenRule)
{
    TEffects e;
    std::mt19937 gen(14);
    for (auto [w, h] : OddSizes()) {
        TSelection sel, ignore;
        TIncrements inc;
        for (int c = 0; c < 4; ++c) {
            sel[c] = gen() % 4 != 0;
            ignore[c] = gen() % 3 == 0;
            inc[c] = TIncrement(int(gen() % 601) - 300);
        }
        const TBitmap32 in = RandomBitmap(w, h, gen());
        TBitmap32 b = Copy(in);
        e.Increase(b, sel, ignore, inc);
        for (std::size_t i = 0; i < in.PixelCount(); ++i)
            for (int c = 0; c < 4; ++c) {
                const int v = Byte(in.Bits()[i], c);
                const int expected = !sel[c] ? v : ignore[c] ? (v + (inc[c] & 0xFF)) & 0xFF : std::clamp(v + inc[c], 0, 255);
                ASSERT_EQ(Byte(b.Bits()[i], c), expected) << w << 'x' << h << " channel " << c << " inc " << inc[c];
            }
    }
}

TEST(Effects, SaturationMatchesTheWrittenRule)
{
    TEffects e;
    std::mt19937 gen(15);
    for (auto [w, h] : OddSizes()) {
        TSelection sel = AllChannels;
        if (gen() % 2)
            for (int c = 0; c < 4; ++c)
                sel[c] = gen() % 2;
        sel[gen() % 4] = true;
        const int f = int(gen() % 256);
        const TBitmap32 in = RandomBitmap(w, h, gen());
        TBitmap32 b = Copy(in);
        ASSERT_TRUE(e.Saturation(b, sel, std::uint8_t(f)));
        ASSERT_TRUE(FollowsSaturationRule(in, b, sel, f)) << w << 'x' << h << " f " << f;
    }
}

TEST(Effects, ContrastAndPosterizeMatchTheWrittenRules)
{
    TEffects e;
    std::mt19937 gen(16);
    for (auto [w, h] : OddSizes()) {
        TSelection sel;
        TIncrements inc;
        for (int c = 0; c < 4; ++c) {
            sel[c] = gen() % 4 != 0;
            const int extremes[] = {-32768, 32767, -255, 255};
            inc[c] = TIncrement(gen() % 5 ? int(gen() % 201) - 100 : extremes[gen() % 4]);
        }
        sel[gen() % 4] = true;
        const int f = int(gen() % 256);
        const TBitmap32 in = RandomBitmap(w, h, gen());
        TBitmap32 contrast = Copy(in), poster = Copy(in);
        ASSERT_TRUE(e.Contrast(contrast, sel, inc));
        ASSERT_TRUE(e.Posterize(poster, sel, std::uint8_t(f)));
        const int pf = f ? f : 1;
        for (std::size_t i = 0; i < in.PixelCount(); ++i)
            for (int c = 0; c < 4; ++c) {
                const int v = Byte(in.Bits()[i], c);
                const int contrasted = sel[c] ? std::clamp(v - inc[c] * (127 - v) / 255, 0, 255) : v;
                ASSERT_EQ(Byte(contrast.Bits()[i], c), contrasted) << w << 'x' << h << " inc " << inc[c];
                const int q = int(std::nearbyint(double(v) / pf));
                ASSERT_EQ(Byte(poster.Bits()[i], c), std::min(255, q * pf)) << w << 'x' << h << " f " << f;
            }
    }
}

// Every byte value under every factor; the width leaves a tail of bytes
// that the vector loop does not cover.
TEST(Effects, PosterizeMatchesTheRuleForEveryValueAndFactor)
{
    TEffects e;
    TBitmap32 in(67, 1);
    for (int i = 0; i < 67; ++i)
        in.Bits()[i] = Bgra((4 * i) & 0xFF, (4 * i + 1) & 0xFF, (4 * i + 2) & 0xFF, (4 * i + 3) & 0xFF);
    for (int f = 0; f < 256; ++f) {
        TBitmap32 b = Copy(in);
        ASSERT_TRUE(e.Posterize(b, {false, false, false, true}, std::uint8_t(f)));
        const int pf = f ? f : 1;
        for (int i = 0; i < 67; ++i)
            for (int c = 0; c < 4; ++c) {
                const int v = Byte(in.Bits()[i], c);
                const int q = int(std::nearbyint(double(v) / pf));
                ASSERT_EQ(Byte(b.Bits()[i], c), std::min(255, q * pf)) << "value " << v << " factor " << f;
            }
    }
}

// Every channel value under every amount around the 16-bit lanes' limit of
// 255 either way, the four channels with different amounts in one call.
TEST(Effects, ContrastMatchesTheRuleForEveryValueAndAmount)
{
    TEffects e;
    TBitmap32 in(256, 1);
    for (int v = 0; v < 256; ++v)
        in.Bits()[v] = Bgra(v, 255 - v, v, (v * 7) & 0xFF);
    for (int a = -300; a <= 300; ++a) {
        const TIncrements inc{TIncrement(a), TIncrement(-a), TIncrement(a / 2), TIncrement(a == 300 ? 32767 : 0)};
        TBitmap32 b = Copy(in);
        ASSERT_TRUE(e.Contrast(b, AllChannels, inc));
        for (int i = 0; i < 256; ++i)
            for (int c = 0; c < 4; ++c) {
                const int v = Byte(in.Bits()[i], c);
                ASSERT_EQ(Byte(b.Bits()[i], c), std::clamp(v - inc[c] * (127 - v) / 255, 0, 255))
                    << "value " << v << " amount " << inc[c];
            }
    }
}

// Every factor and every selection on pixels built from extreme levels,
// where |v - m| * f is largest and the mean's rounding matters.
TEST(Effects, SaturationMatchesTheRuleForEveryFactorAndSelection)
{
    TEffects e;
    const TBitmap32 in = BlockyBitmap(61, 7, 17);
    for (int bits = 1; bits < 16; ++bits) {
        const TSelection sel{bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8)};
        for (int f = 0; f < 256; ++f) {
            TBitmap32 b = Copy(in);
            ASSERT_TRUE(e.Saturation(b, sel, std::uint8_t(f)));
            ASSERT_TRUE(FollowsSaturationRule(in, b, sel, f)) << "selection " << bits << " f " << f;
        }
    }
}
