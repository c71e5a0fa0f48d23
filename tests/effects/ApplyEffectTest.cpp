#include "effects/ApplyEffect.h"
#include "effects/BlurFilters.h"
#include "effects/ColorFilters.h"
#include "effects/Effects.h"
#include "effects/ShapeFilters.h"

#include "EffectsTestSupport.h"

namespace {

TBitmap32 Applied(const TBitmap32 &in, int effect, int v1, int v2 = 0, int v3 = 0, int factor = 1)
{
    TBitmap32 b = Copy(in);
    ApplyEffect(b, effect, v1, v2, v3, factor);
    return b;
}

TBitmap32 Engine(const TBitmap32 &in, const std::function<void(TEffects &, TBitmap32 &)> &op)
{
    TBitmap32 b = Copy(in);
    TEffects e;
    op(e, b);
    return b;
}

TBitmap32 Sharpened(const TBitmap32 &in, int radius, int percent, TSharpenType type)
{
    TBitmap32 out;
    TEffects().Sharpen(in, out, AllChannels, TRadius(radius), 1, percent, type);
    return out;
}

} // namespace

TEST(ApplyEffect, EveryNumberNotifiesAndOutsideNumbersChangeNothing)
{
    const TBitmap32 in = RandomBitmap(23, 17, 51);
    for (int effect = -2; effect <= 40; ++effect) {
        TBitmap32 b = Copy(in);
        int notified = 0;
        b.AddChangeListener([&] { ++notified; });
        ApplyEffect(b, effect, 3, 2, 1, 1);
        EXPECT_GE(notified, 1) << effect;
        if (effect <= 0 || effect >= 35) {
            EXPECT_TRUE(SamePixels(b, in)) << effect;
        }
    }
    TBitmap32 b = Copy(in);
    ApplyEffect(b, -2147483647 - 1, 10, 0, 0, 1);
    EXPECT_TRUE(SamePixels(b, in));
}

TEST(ApplyEffect, TinyAndEmptyPicturesAndExtremeValues)
{
    const int extremes[] = {0, -1, 1, 2147483647, -2147483647 - 1};
    for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {1, 2}, {2, 1}, {3, 3}})
        for (int effect = 0; effect <= 34; ++effect)
            for (int v : extremes) {
                TBitmap32 b = RandomBitmap(w, h, unsigned(effect));
                ApplyEffect(b, effect, v, v, v, 1);
                ApplyEffect(b, effect, v, ~v, v, v);
                EXPECT_EQ(b.Width(), w);
                EXPECT_EQ(b.Height(), h);
            }
}

TEST(ApplyEffect, EngineArguments)
{
    const TBitmap32 in = RandomBitmap(37, 29, 52);
    const TIncrements minus50{-50, -50, -50, 0};
    const TBitmap32 darker = Engine(in, [&](TEffects &e, TBitmap32 &b) { e.Increase(b, AllChannels, NoChannels, minus50); });
    EXPECT_TRUE(SamePixels(Applied(in, 28, -50), darker));
    EXPECT_TRUE(SamePixels(Applied(in, 28, 65536 - 50), darker)); // low 16 bits
    for (std::size_t i = 0; i < in.PixelCount(); ++i)
        ASSERT_EQ(AlphaComponent(Applied(in, 28, 200).Bits()[i]), AlphaComponent(in.Bits()[i]));
    EXPECT_TRUE(SamePixels(Applied(in, 29, 40),
                           Engine(in, [](TEffects &e, TBitmap32 &b) { e.Contrast(b, AllChannels, {40, 40, 40, 0}); })));
    const struct {
        int value1, factor;
    } saturation[] = {{0, 255}, {255, 0}, {256, 255}, {100, 155}};
    for (auto c : saturation)
        EXPECT_TRUE(SamePixels(Applied(in, 34, c.value1), Engine(in, [&](TEffects &e, TBitmap32 &b) {
                                   e.Saturation(b, AllChannels, std::uint8_t(c.factor));
                               })))
            << c.value1;
    EXPECT_TRUE(SamePixels(Applied(in, 5, 256), in)); // factor 0 counts as 1
    EXPECT_TRUE(SamePixels(Applied(in, 5, 256 + 15),
                           Engine(in, [](TEffects &e, TBitmap32 &b) { e.Posterize(b, AllChannels, 15); })));
}

TEST(ApplyEffect, SharpenTypeFromTheLowByteOfValue3)
{
    const TBitmap32 in = RandomBitmap(37, 29, 53);
    const TBitmap32 contrast = Sharpened(in, 5, 30, stContrast), brightness = Sharpened(in, 5, 30, stBrightness);
    EXPECT_FALSE(SamePixels(contrast, brightness));
    EXPECT_TRUE(SamePixels(Applied(in, 27, 30, 0, 1), contrast));
    EXPECT_TRUE(SamePixels(Applied(in, 27, 30, 0, 257), contrast));
    EXPECT_TRUE(SamePixels(Applied(in, 27, 30, 0, 256), brightness));
    EXPECT_TRUE(SamePixels(Applied(in, 27, 30, 0, 0), brightness));
}

TEST(ApplyEffect, CompositesRunTheirStepsInOrder)
{
    const TBitmap32 in = RandomBitmap(37, 29, 54);
    TBitmap32 relief = Copy(in);
    FilterEmbossRelief(relief);
    EXPECT_TRUE(SamePixels(Applied(in, 11, 25), Sharpened(relief, 1, 25, stBrightness)));

    TBitmap32 dry = Copy(in);
    FilterBlur(dry, 2);
    TEffects().Posterize(dry, AllChannels, 15);
    EXPECT_TRUE(SamePixels(Applied(in, 23, 0), Sharpened(dry, 5, 5, stBrightness)));
    EXPECT_TRUE(SamePixels(Applied(in, 23, 77, 5, 1), Applied(in, 23, 0)));

    TBitmap32 glow = Copy(in);
    FilterSoftGlow(glow);
    TEffects().Increase(glow, AllChannels, NoChannels, {12, 12, 12, 0});
    EXPECT_TRUE(SamePixels(Applied(in, 32, 12), glow));
}

TEST(ApplyEffect, FilterArguments)
{
    const TBitmap32 in = RandomBitmap(37, 29, 55);
    auto filtered = [&](const std::function<void(TBitmap32 &)> &f) {
        TBitmap32 b = Copy(in);
        f(b);
        return b;
    };
    EXPECT_TRUE(SamePixels(Applied(in, 7, 3, 0, 0, 2), filtered([](TBitmap32 &b) { FilterMosaic(b, 6); })));
    EXPECT_TRUE(SamePixels(Applied(in, 3, -1), in));
    EXPECT_TRUE(SamePixels(Applied(in, 4, 2), filtered([](TBitmap32 &b) { FilterSplitBlur(b, 2); })));
    EXPECT_TRUE(SamePixels(Applied(in, 33, -150, 10, -5), filtered([](TBitmap32 &b) { FilterHueShift(b, -150, 10, -5); })));
    EXPECT_TRUE(SamePixels(Applied(in, 26, 549), filtered([](TBitmap32 &b) { FilterChroma(b, 549); })));
    EXPECT_TRUE(SamePixels(Applied(in, 31, 35), filtered([](TBitmap32 &b) { FilterSepia(b, 35); })));
    EXPECT_TRUE(SamePixels(Applied(in, 30, 80), filtered([](TBitmap32 &b) { FilterRedEye(b, 80); })));
    EXPECT_TRUE(SamePixels(Applied(in, 24, 0), filtered([](TBitmap32 &b) { FilterGrayOutline(b); })));
}

TEST(ApplyEffect, NoiseFollowsTheSeed)
{
    const TBitmap32 in = RandomBitmap(37, 29, 56);
    TBitmap32 a = Copy(in), b = Copy(in), c = Copy(in), direct = Copy(in);
    ApplyEffect(a, 1, 200, 0, 0, 1, 99);
    ApplyEffect(b, 1, 200, 0, 0, 1, 99);
    ApplyEffect(c, 1, 200, 0, 0, 1, 100);
    FilterNoise(direct, 200, 99);
    EXPECT_TRUE(SamePixels(a, b));
    EXPECT_TRUE(SamePixels(a, direct));
    EXPECT_FALSE(SamePixels(a, c));
}

TEST(ApplyEffect, ReservedMorphologyShiftAndSmoothBlur)
{
    // One white pixel at (2, 2) of a black 5 x 5 picture.
    TBitmap32 dot = Uniform(5, 5, Color32(0, 0, 0, 9));
    *dot.PixelPtr(2, 2) = Color32(255, 255, 255, 9);
    auto whiteAt = [](const TBitmap32 &b, int x0, int y0, int x1, int y1) {
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                const bool inside = x >= x0 && x <= x1 && y >= y0 && y <= y1;
                if (b.Pixel(x, y) != (inside ? 0xFFFFFFFFu : 0xFF000000u))
                    return false;
            }
        return true;
    };
    EXPECT_TRUE(whiteAt(Applied(dot, 19, 0), 1, 1, 3, 3)); // dilate
    EXPECT_TRUE(whiteAt(Applied(dot, 18, 0), 9, 9, 0, 0)); // erode: nothing left
    EXPECT_TRUE(whiteAt(Applied(dot, 21, 0), 2, 2, 2, 2)); // dilate then erode
    EXPECT_TRUE(whiteAt(Applied(dot, 20, 0), 9, 9, 0, 0)); // erode then dilate
    EXPECT_TRUE(whiteAt(Applied(dot, 22, 0), 1, 1, 3, 3)); // dilated minus eroded
    const TBitmap32 shifted = Applied(dot, 13, 4, 2, 0, 1); // wraps to (1, 4)
    EXPECT_EQ(shifted.Pixel(1, 4), Color32(255, 255, 255, 9));
    EXPECT_EQ(shifted.Pixel(2, 2), Color32(0, 0, 0, 9));
    const TBitmap32 smooth = Applied(dot, 15, 0); // 1-2-1 weights over 16
    EXPECT_EQ(smooth.Pixel(2, 2), Color32(63, 63, 63, 255));
    EXPECT_EQ(smooth.Pixel(1, 2), Color32(31, 31, 31, 255));
    EXPECT_EQ(smooth.Pixel(1, 1), Color32(15, 15, 15, 255));
    EXPECT_EQ(smooth.Pixel(0, 0), Color32(0, 0, 0, 9)); // border kept
}
