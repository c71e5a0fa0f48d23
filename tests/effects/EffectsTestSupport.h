#pragma once
// Small fixtures for the effects tests.

#include "effects/BlendBitmap.h"
#include "platform/Bitmap32.h"

#include <gtest/gtest.h>

#include <random>

// Every channel, alpha included, drawn at random.
inline TBitmap32 RandomBitmap(int w, int h, unsigned seed)
{
    TBitmap32 b(w, h);
    std::mt19937 gen(seed);
    for (std::size_t i = 0; i < b.PixelCount(); ++i)
        b.Bits()[i] = TColor32(gen());
    return b;
}

// Random pictures whose channels come from a few levels, so that flat
// areas, ties and pure black and white occur often.
inline TBitmap32 BlockyBitmap(int w, int h, unsigned seed)
{
    static const int levels[] = {0, 1, 127, 128, 200, 254, 255};
    TBitmap32 b(w, h);
    std::mt19937 gen(seed);
    for (std::size_t i = 0; i < b.PixelCount(); ++i)
        b.Bits()[i] = Color32(levels[gen() % 7], levels[gen() % 7], levels[gen() % 7], levels[gen() % 7]);
    return b;
}

inline TBitmap32 Uniform(int w, int h, TColor32 colour)
{
    TBitmap32 b(w, h);
    b.Clear(colour);
    return b;
}

inline TBitmap32 Copy(const TBitmap32 &source)
{
    TBitmap32 b;
    b.Assign(source);
    return b;
}

// Equal size and pixels; names the first pixel that differs.
inline ::testing::AssertionResult SamePixels(const TBitmap32 &a, const TBitmap32 &b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return ::testing::AssertionFailure() << "sizes " << a.Width() << "x" << a.Height() << " and "
                                             << b.Width() << "x" << b.Height();
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << "): " << std::hex
                                                     << a.Pixel(x, y) << " != " << b.Pixel(x, y);
    return ::testing::AssertionSuccess();
}

// Odd sizes around the band and vector widths, with a 4000-wide one that
// the engines split over the cores.
inline const std::vector<std::pair<int, int>> &OddSizes()
{
    static const std::vector<std::pair<int, int>> sizes{{1, 1}, {1, 9}, {9, 1}, {2, 3}, {7, 7},
                                                        {13, 5}, {37, 29}, {101, 3}, {4001, 37}};
    return sizes;
}

// 7 x 7, divisor 1, zero but for the inner 3 x 3: 4 around, -33 in the centre.
inline TConvolveKernel SoftGlowKernel()
{
    TConvolveKernel k{};
    for (int i = 2; i <= 4; ++i)
        for (int j = 2; j <= 4; ++j)
            k[i * 7 + j] = 4;
    k[3 * 7 + 3] = -33;
    k[49] = 1;
    return k;
}
