#include "effects/BlendBitmap.h"

#include "EffectsTestSupport.h"

#include <stdexcept>

namespace {

TBitmap32 Pixel1(TColor32 c) { return Uniform(1, 1, c); }

// The convolution as written: every tap, every channel, int64 sums.
TBitmap32 ReferenceConvolve(const TBitmap32 &in, const TConvolveKernel &k, int n)
{
    TBitmap32 out = Copy(in);
    const int r = n / 2;
    for (int y = r; y < in.Height() - r; ++y)
        for (int x = r; x < in.Width() - r; ++x) {
            long long s[3] = {0, 0, 0};
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) {
                    const TColor32 p = in.Pixel(x + j - r, y + i - r);
                    s[0] += (long long)k[i * n + j] * RedComponent(p);
                    s[1] += (long long)k[i * n + j] * GreenComponent(p);
                    s[2] += (long long)k[i * n + j] * BlueComponent(p);
                }
            auto q = [&](long long v) { v /= k[49]; return int(v < 0 ? 0 : v > 255 ? 255 : v); };
            *out.PixelPtr(x, y) = Color32(q(s[0]), q(s[1]), q(s[2]), 255);
        }
    return out;
}

} // namespace

TEST(BlendBitmap, ModesPerChannel)
{
    struct Case {
        const char *mode;
        int t, s, expected;
    } cases[] = {
        {"additive", 200, 100, 255}, {"additive", 20, 30, 50},   {"subtract", 128, 128, 0},
        {"subtract", 200, 100, 44},  {"multiply", 255, 255, 254}, {"multiply", 128, 2, 1},
        {"divide", 0, 200, 0},       {"divide", 128, 64, 128},    {"divide", 10, 200, 255},
        {"darkest", 7, 9, 7},        {"lightest", 7, 9, 9},       {"average", 3, 6, 4},
        {"Difference", 30, 200, 170}, {"difference", 200, 30, 170},
    };
    for (const Case &c : cases) {
        TBitmap32 target = Pixel1(Color32(c.t, c.t, c.t, 17));
        BlendBitmap(Pixel1(Color32(c.s, c.s, c.s, 99)), target, QString::fromLatin1(c.mode));
        EXPECT_EQ(target.Pixel(0, 0), Color32(c.expected, c.expected, c.expected, 255)) << c.mode << ' ' << c.t << ' ' << c.s;
    }
}

TEST(BlendBitmap, ChannelsStayApartAndCaseIsIgnored)
{
    const TBitmap32 source = RandomBitmap(13, 5, 1);
    const TBitmap32 target = RandomBitmap(13, 5, 2);
    TBitmap32 results[3] = {Copy(target), Copy(target), Copy(target)};
    BlendBitmap(source, results[0], "DIFFERENCE");
    BlendBitmap(source, results[1], "difference");
    BlendBitmap(source, results[2], "Difference");
    EXPECT_TRUE(SamePixels(results[0], results[1]));
    EXPECT_TRUE(SamePixels(results[0], results[2]));
    for (int i = 0; i < 65; ++i) {
        const TColor32 s = source.Bits()[i], t = target.Bits()[i];
        EXPECT_EQ(results[0].Bits()[i], Color32(std::abs(RedComponent(s) - RedComponent(t)),
                                                std::abs(GreenComponent(s) - GreenComponent(t)),
                                                std::abs(BlueComponent(s) - BlueComponent(t)), 255));
    }
}

TEST(BlendBitmap, UnknownModeKeepsPixelsButSetsDrawingAndNotifies)
{
    const TBitmap32 source = RandomBitmap(4, 3, 3);
    TBitmap32 target = RandomBitmap(4, 3, 4);
    target.SetMasterAlpha(10);
    const TBitmap32 before = Copy(target);
    int notified = 0;
    target.AddChangeListener([&] { ++notified; });
    BlendBitmap(source, target, "overlay");
    EXPECT_TRUE(SamePixels(target, before));
    EXPECT_EQ(target.MasterAlpha(), 255);
    EXPECT_EQ(target.DrawMode(), dmBlend);
    EXPECT_EQ(notified, 1);
}

TEST(BlendBitmap, DifferentSizesAreRefused)
{
    TBitmap32 target(3, 3);
    EXPECT_THROW(BlendBitmap(TBitmap32(3, 4), target, "average"), std::invalid_argument);
}

TEST(ConvolveBitmap, TooSmallOrUnknownSizeChangesNothing)
{
    TConvolveKernel k{};
    k[4] = 1;
    k[49] = 1;
    const struct {
        int w, h, n;
    } cases[] = {{1, 1, 3}, {2, 2, 3}, {6, 9, 7}, {9, 4, 5}, {9, 9, 4}, {9, 9, 9}};
    for (auto [w, h, n] : cases) {
        const TBitmap32 before = RandomBitmap(w, h, 5);
        TBitmap32 b = Copy(before);
        ConvolveBitmap(b, k, n);
        EXPECT_TRUE(SamePixels(b, before)) << w << 'x' << h << " size " << n;
    }
}

TEST(ConvolveBitmap, SevenBySevenChangesOnlyTheCentre)
{
    const TBitmap32 before = RandomBitmap(7, 7, 6);
    TBitmap32 b = Copy(before);
    TConvolveKernel k{};
    k[0] = 1; // the top-left corner of the window
    k[49] = 1;
    ConvolveBitmap(b, k, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(b.Pixel(x, y), x == 3 && y == 3 ? (before.Pixel(0, 0) | 0xFF000000u) : before.Pixel(x, y));
}

TEST(ConvolveBitmap, SoftGlowKernelTurnsFlatAreasBlack)
{
    TBitmap32 b = Uniform(9, 8, Color32(90, 150, 250, 3));
    ConvolveBitmap(b, SoftGlowKernel(), 7);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool inner = x >= 3 && x < 6 && y >= 3 && y < 5;
            EXPECT_EQ(b.Pixel(x, y), inner ? Color32(0, 0, 0, 255) : Color32(90, 150, 250, 3));
        }
}

TEST(ConvolveBitmap, MatchesTheWrittenRule)
{
    std::mt19937 gen(7);
    for (int n : {3, 5, 7})
        for (auto [w, h] : OddSizes()) {
            TConvolveKernel k{};
            for (int i = 0; i < n * n; ++i)
                k[i] = int(gen() % 21) - 10;
            k[49] = (gen() % 2 ? 1 : -1) * int(1 + gen() % 9);
            const TBitmap32 in = RandomBitmap(w, h, gen());
            TBitmap32 b = Copy(in);
            ConvolveBitmap(b, k, n);
            EXPECT_TRUE(SamePixels(b, ReferenceConvolve(in, k, n))) << w << 'x' << h << " size " << n;
        }
}

TEST(ConvolveBitmap, ZeroDivisorIsRefused)
{
    TBitmap32 b(5, 5);
    TConvolveKernel k{};
    EXPECT_THROW(ConvolveBitmap(b, k, 3), std::invalid_argument);
}
