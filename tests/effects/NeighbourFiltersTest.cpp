#include "effects/BlendBitmap.h"
#include "effects/BlurFilters.h"
#include "effects/ShapeFilters.h"

#include "EffectsTestSupport.h"

namespace {

// The split blur as written: in place, pixel by pixel, bounds checked.
void ReferenceSplitBlur(TBitmap32 &b, int d)
{
    const int w = b.Width(), h = b.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const long long up = (long long)y - d, down = (long long)y + d, l = (long long)x - d, r = (long long)x + d;
            auto in = [](long long v, int n) { return v >= 0 && v < n; };
            const int yu = in(up, h) ? int(up) : y, yd = in(down, h) ? int(down) : y;
            const int xl = in(l, w) ? int(l) : x, xr = in(r, w) ? int(r) : x;
            const TColor32 p[4] = {b.Pixel(xl, yu), b.Pixel(xl, yd), b.Pixel(xr, yu), b.Pixel(xr, yd)};
            auto mean = [&](int (*ch)(TColor32)) { return (ch(p[0]) + ch(p[1]) + ch(p[2]) + ch(p[3])) >> 2; };
            *b.PixelPtr(x, y) = Color32(mean(RedComponent), mean(GreenComponent), mean(BlueComponent), 255);
        }
}

void ReferenceBlur(TBitmap32 &b, int passes)
{
    for (int p = 0; p <= passes; ++p)
        ReferenceSplitBlur(b, 1);
}

TColor32 Relief(TColor32 p, TColor32 q)
{
    auto c = [&](int (*ch)(TColor32)) { return (ch(p) + 255 - ch(q)) >> 1; };
    return Color32(c(RedComponent), c(GreenComponent), c(BlueComponent), 255);
}

int GreyOf(TColor32 p) { return (RedComponent(p) + GreenComponent(p) + BlueComponent(p)) / 3; }

TBitmap32 ReferenceGrayOutline(const TBitmap32 &in)
{
    TBitmap32 out(in.Width(), in.Height());
    for (int y = 0; y < in.Height(); ++y)
        for (int x = 0; x < in.Width(); ++x) {
            int g = GreyOf(in.Pixel(x, y));
            const bool inner = x > 0 && y > 0 && x + 1 < in.Width() && y + 1 < in.Height();
            if (g == 255 && inner) {
                bool allLit = true;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if ((dx || dy) && GreyOf(in.Pixel(x + dx, y + dy)) == 0)
                            allLit = false;
                if (allLit)
                    g = 0;
            }
            *out.PixelPtr(x, y) = Color32(g, g, g, 255);
        }
    return out;
}

// Soft glow from the public pieces: the full convolution, the blurs, the blend.
TBitmap32 ReferenceSoftGlow(const TBitmap32 &in)
{
    TBitmap32 e = Copy(in), s = Copy(in);
    ConvolveBitmap(e, SoftGlowKernel(), 7);
    ReferenceBlur(e, 1);
    ReferenceBlur(s, 2);
    TBitmap32 out(in.Width(), in.Height());
    for (std::size_t i = 0; i < in.PixelCount(); ++i) {
        const TColor32 o = in.Bits()[i], sp = s.Bits()[i];
        const bool flat = RedComponent(e.Bits()[i]) == 0;
        auto c = [&](int (*ch)(TColor32)) { return flat ? (ch(o) + 7 * ch(sp)) >> 3 : (ch(sp) + 3 * ch(o)) >> 2; };
        out.Bits()[i] = Color32(c(RedComponent), c(GreenComponent), c(BlueComponent), 255);
    }
    return out;
}

} // namespace

TEST(SplitBlur, ZeroDistanceDoesNothingAtAll)
{
    const TBitmap32 in = RandomBitmap(5, 4, 31);
    TBitmap32 b = Copy(in);
    int notified = 0;
    b.AddChangeListener([&] { ++notified; });
    FilterSplitBlur(b, 0);
    EXPECT_TRUE(SamePixels(b, in));
    EXPECT_EQ(notified, 0);
}

TEST(SplitBlur, SinglePixelKeepsItsColour)
{
    TBitmap32 b = Uniform(1, 1, Color32(201, 7, 99, 3));
    FilterSplitBlur(b, 1);
    EXPECT_EQ(b.Pixel(0, 0), Color32(201, 7, 99, 255));
}

TEST(SplitBlur, MatchesTheWrittenRule)
{
    std::mt19937 gen(32);
    for (auto [w, h] : OddSizes())
        for (int d : {1, 2, 3, 6, -2, 5000, -2147483647 - 1}) {
            const TBitmap32 in = RandomBitmap(w, h, gen());
            TBitmap32 fast = Copy(in), plain = Copy(in);
            FilterSplitBlur(fast, d);
            ReferenceSplitBlur(plain, d == -2147483647 - 1 ? 5000 : std::abs(d));
            EXPECT_TRUE(SamePixels(fast, plain)) << w << 'x' << h << " d " << d;
        }
}

TEST(Blur, PassesCount)
{
    const TBitmap32 in = RandomBitmap(37, 29, 33);
    TBitmap32 none = Copy(in), one = Copy(in), three = Copy(in), plainOne = Copy(in), plainThree = Copy(in);
    FilterBlur(none, -1);
    FilterBlur(one, 0);
    FilterBlur(three, 2);
    ReferenceSplitBlur(plainOne, 1);
    ReferenceBlur(plainThree, 2);
    EXPECT_TRUE(SamePixels(none, in));
    EXPECT_TRUE(SamePixels(one, plainOne));
    EXPECT_TRUE(SamePixels(three, plainThree));
}

TEST(Blur, ManyPassesReachTheFixedPoint)
{
    const TBitmap32 in = RandomBitmap(13, 5, 34);
    TBitmap32 fast = Copy(in), plain = Copy(in);
    FilterBlur(fast, 400);
    ReferenceBlur(plain, 400);
    EXPECT_TRUE(SamePixels(fast, plain));
}

TEST(Mosaic, SixOnSevenGivesFourBlocks)
{
    const TBitmap32 in = RandomBitmap(7, 7, 35);
    TBitmap32 b = Copy(in);
    FilterMosaic(b, 6);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(b.Pixel(x, y), in.Pixel(x < 6 ? 0 : 6, y < 6 ? 0 : 6) | 0xFF000000u) << x << ',' << y;
}

TEST(Mosaic, SmallBlocksOnlySetAlpha)
{
    for (int k : {1, 0, -5}) {
        const TBitmap32 in = RandomBitmap(5, 3, 36);
        TBitmap32 b = Copy(in);
        FilterMosaic(b, k);
        for (std::size_t i = 0; i < in.PixelCount(); ++i)
            EXPECT_EQ(b.Bits()[i], in.Bits()[i] | 0xFF000000u);
    }
    const TBitmap32 in = RandomBitmap(5, 3, 37);
    TBitmap32 b = Copy(in);
    FilterMosaic(b, 2147483647);
    EXPECT_TRUE(SamePixels(b, Uniform(5, 3, in.Pixel(0, 0) | 0xFF000000u)));
}

TEST(EmbossRelief, ReadsTheRowBelowBeforeItChanges)
{
    for (auto [w, h] : OddSizes()) {
        const TBitmap32 in = RandomBitmap(w, h, unsigned(w * 31 + h));
        TBitmap32 b = Copy(in);
        FilterEmbossRelief(b);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(b.Pixel(x, y), y + 1 < h ? Relief(in.Pixel(x, y), in.Pixel(x, y + 1)) : in.Pixel(x, y))
                    << w << 'x' << h << " at " << x << ',' << y;
    }
    TBitmap32 flat = Uniform(3, 3, Color32(40, 40, 40));
    FilterEmbossRelief(flat);
    EXPECT_EQ(flat.Pixel(1, 1), Color32(127, 127, 127));
}

TEST(GrayOutline, WhiteInsideLitSurroundingsTurnsBlack)
{
    TBitmap32 b = Uniform(5, 4, Color32(255, 255, 255, 0));
    FilterGrayOutline(b);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool inner = x > 0 && x < 4 && y > 0 && y < 3;
            EXPECT_EQ(b.Pixel(x, y), inner ? Color32(0, 0, 0) : Color32(255, 255, 255));
        }
}

TEST(GrayOutline, MatchesTheWrittenRule)
{
    std::mt19937 gen(38);
    for (auto [w, h] : OddSizes()) {
        // Mostly white with a few black and grey pixels.
        TBitmap32 in(w, h);
        for (std::size_t i = 0; i < in.PixelCount(); ++i) {
            const unsigned r = gen() % 10;
            in.Bits()[i] = r < 7 ? 0xFFFFFFFFu : r < 8 ? 0xFF000000u : TColor32(gen());
        }
        TBitmap32 b = Copy(in);
        FilterGrayOutline(b);
        EXPECT_TRUE(SamePixels(b, ReferenceGrayOutline(in))) << w << 'x' << h;
    }
}

TEST(Tile, TooSmallTilesChangeNothing)
{
    const TBitmap32 in = RandomBitmap(79, 200, 39);
    TBitmap32 b = Copy(in);
    FilterTile(b, 16);
    EXPECT_TRUE(SamePixels(b, in));
    FilterTile(b, 0);
    EXPECT_TRUE(SamePixels(b, in));
}

TEST(Tile, ThreeGivesAGridOfTheShrunkPicture)
{
    const TBitmap32 in = RandomBitmap(300, 300, 40);
    TBitmap32 b = Copy(in);
    FilterTile(b, 3);
    TBitmap32 small(100, 100);
    StretchLinear(small, QRect(0, 0, 100, 100), in, QRect(0, 0, 300, 300));
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(b.Pixel(x, y), small.Pixel(x % 100, y % 100)) << x << ',' << y;
}

TEST(Tile, UncoveredStripsKeepThePicture)
{
    // 16 tiles of 5 x 5 on 95 x 90: (n + 1) tiles reach 85 and 85 pixels.
    const TBitmap32 in = RandomBitmap(95, 90, 41);
    TBitmap32 b = Copy(in);
    FilterTile(b, 16);
    TBitmap32 small(5, 5);
    StretchLinear(small, QRect(0, 0, 5, 5), in, QRect(0, 0, 95, 90));
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 95; ++x)
            ASSERT_EQ(b.Pixel(x, y), x < 85 && y < 85 ? small.Pixel(x % 5, y % 5) : in.Pixel(x, y)) << x << ',' << y;
    TBitmap32 same = Copy(in);
    FilterTile(same, 1);
    EXPECT_TRUE(SamePixels(same, in));
}

TEST(SoftGlow, MatchesTheWrittenSteps)
{
    std::mt19937 gen(42);
    for (auto [w, h] : OddSizes()) {
        const TBitmap32 in = gen() % 2 ? RandomBitmap(w, h, gen()) : BlockyBitmap(w, h, gen());
        TBitmap32 b = Copy(in);
        FilterSoftGlow(b);
        EXPECT_TRUE(SamePixels(b, ReferenceSoftGlow(in))) << w << 'x' << h;
    }
    // Flat areas have no edges: seven eighths blurred, here the same grey.
    TBitmap32 flat = Uniform(20, 20, Color32(80, 160, 240));
    FilterSoftGlow(flat);
    EXPECT_EQ(flat.Pixel(10, 10), Color32(80, 160, 240));
}
