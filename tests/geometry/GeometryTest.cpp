#include "geometry/GeometryAppliers.h"
#include "geometry/Resize.h"
#include "geometry/Transform.h"
#include "history/ApplierRegistry.h"

#include <QRect>

#include <gtest/gtest.h>

namespace {

// Every pixel distinct, alpha included, so a misplaced pixel shows.
TBitmap32 Numbered(int w, int h)
{
    TBitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            *b.PixelPtr(x, y) = TColor32(0x10000000u + std::uint32_t(y) * 4096u + std::uint32_t(x));
    return b;
}

bool Same(const TBitmap32 &a, const TBitmap32 &b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    return std::equal(a.Bits(), a.Bits() + a.PixelCount(), b.Bits());
}

} // namespace

struct TSizeCase {
    int srcW, srcH, w, h, mode, wantW, wantH;
};

class ResizeSizes : public testing::TestWithParam<TSizeCase> {};

TEST_P(ResizeSizes, GivesTheSize)
{
    const TSizeCase c = GetParam();
    const TBitmap32 src = Numbered(c.srcW, c.srcH);
    TBitmap32 dst;
    ResizeBitmap(src, dst, c.w, c.h, c.mode);
    EXPECT_EQ(dst.Width(), c.wantW);
    EXPECT_EQ(dst.Height(), c.wantH);
}

INSTANTIATE_TEST_SUITE_P(Modes, ResizeSizes,
                         testing::Values(
                             // 37.5 rounds to 38, 112.5 to 112 (halves to even)
                             TSizeCase{25, 75, 150, 150, rmPercent, 38, 112},
                             TSizeCase{640, 480, 200, 200, rmPercent, 1280, 960},
                             TSizeCase{640, 480, 50, 50, rmPercent, 320, 240},
                             TSizeCase{640, 480, 1024, 768, rmPixels, 1024, 768},
                             TSizeCase{30, 20, 0, 5, rmPixels, 1, 5},
                             TSizeCase{30, 20, 7, -3, rmPixels, 7, 1},
                             // 1 % of 30 is 0.3: raised to 1
                             TSizeCase{30, 20, 1, 1, rmPercent, 1, 1}));

TEST(ResizeBitmap, OtherModesLeaveTheTargetAlone)
{
    const TBitmap32 src = Numbered(8, 6);
    TBitmap32 dst = Numbered(3, 2);
    ResizeBitmap(src, dst, 50, 50, 2);
    EXPECT_TRUE(Same(dst, Numbered(3, 2)));
}

TEST(ResizeBitmap, EqualSizesCopyThePixels)
{
    const TBitmap32 src = Numbered(17, 9);
    TBitmap32 dst;
    ResizeBitmap(src, dst, 17, 9, rmPixels);
    EXPECT_TRUE(Same(dst, src));
    ResizeBitmap(dst, dst, 100, 100, rmPercent);
    EXPECT_TRUE(Same(dst, src));
}

TEST(ResizeBitmap, BandsGiveThePixelsOfOneStretch)
{
    // Large enough to be split over the cores, small enough for the sanitizers.
    for (const QSize target : {QSize(700, 450), QSize(333, 1201), QSize(1500, 97)}) {
        TBitmap32 src(1000, 800);
        for (int y = 0; y < src.Height(); ++y)
            for (int x = 0; x < src.Width(); ++x)
                *src.PixelPtr(x, y) = Color32((x * 7) & 255, (y * 3) & 255, (x ^ y) & 255, (x + y) & 255);
        TBitmap32 reference(target.width(), target.height());
        StretchLinear(reference, QRect(QPoint(0, 0), target), src, QRect(0, 0, 1000, 800));
        TBitmap32 dst;
        ResizeBitmap(src, dst, target.width(), target.height(), rmPixels);
        EXPECT_TRUE(Same(dst, reference)) << target.width() << "x" << target.height();
    }
}

TEST(ResizeBitmap, SameRasterAsSourceAndTarget)
{
    TBitmap32 b = Numbered(40, 30);
    TBitmap32 expected;
    ResizeBitmap(b, expected, 20, 15, rmPixels);
    ResizeBitmap(b, b, 20, 15, rmPixels);
    EXPECT_TRUE(Same(b, expected));
}

TEST(ResizeBitmap, TooLargeThrowsAndKeepsTheTarget)
{
    const TBitmap32 src = Numbered(4, 4);
    TBitmap32 dst = Numbered(3, 3);
    EXPECT_THROW(ResizeBitmap(src, dst, 2000000000, 2000000000, rmPixels), ERasterTooLarge);
    EXPECT_TRUE(Same(dst, Numbered(3, 3)));
}

TEST(TransformBitmap, EveryKindFollowsItsPixelMapping)
{
    const int W = 5, H = 3;
    const TBitmap32 src = Numbered(W, H);
    struct {
        int kind, w, h;
        QPoint (*to)(int x, int y);
    } kinds[] = {
        {0, H, W, [](int x, int y) { return QPoint(H - 1 - y, x); }},
        {1, W, H, [](int x, int y) { return QPoint(W - 1 - x, H - 1 - y); }},
        {2, H, W, [](int x, int y) { return QPoint(y, W - 1 - x); }},
        {3, W, H, [](int x, int y) { return QPoint(W - 1 - x, y); }},
        {4, W, H, [](int x, int y) { return QPoint(x, H - 1 - y); }},
    };
    for (const auto &k : kinds) {
        TBitmap32 b = Numbered(W, H);
        TransformBitmap(b, k.kind);
        ASSERT_EQ(b.Width(), k.w) << k.kind;
        ASSERT_EQ(b.Height(), k.h) << k.kind;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const QPoint at = k.to(x, y);
                EXPECT_EQ(b.Pixel(at.x(), at.y()), src.Pixel(x, y)) << "kind " << k.kind << " at " << x << "," << y;
            }
    }
    for (int other : {-1, 5, 7}) {
        TBitmap32 b = Numbered(W, H);
        TransformBitmap(b, other);
        EXPECT_TRUE(Same(b, src)) << other;
    }
}

TEST(TransformBitmap, TurnPutsTheTopLeftPixelTopRight)
{
    TBitmap32 b(300, 200);
    b.Clear(Color32(0, 0, 0));
    *b.PixelPtr(0, 0) = Color32(255, 0, 0);
    TransformBitmap(b, tkTurnRight);
    EXPECT_EQ(b.Width(), 200);
    EXPECT_EQ(b.Height(), 300);
    EXPECT_EQ(b.Pixel(199, 0), Color32(255, 0, 0));
}

TEST(TransformBitmap, InversePairsRestoreThePhoto)
{
    const TBitmap32 src = Numbered(300, 200);
    for (const auto &pair : {std::pair{0, 2}, std::pair{3, 3}, std::pair{4, 4}, std::pair{1, 1}}) {
        TBitmap32 b = Numbered(300, 200);
        TransformBitmap(b, pair.first);
        TransformBitmap(b, pair.second);
        EXPECT_TRUE(Same(b, src)) << pair.first << " then " << pair.second;
    }
}

TEST(GeometryRecords, TextsOfTheTwoKinds)
{
    EXPECT_EQ(SizeChangeRecord(1024, 768).ToString(), QStringLiteral("크기변경 (1024,768)"));
    EXPECT_EQ(RotateRecord(3).ToString(), QStringLiteral("회전 (3)"));
}

class GeometryReplay : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterAllAppliers(engine.Appliers);
        view.Bitmap() = Numbered(6, 4);
    }
    void Replay(const QStringList &records)
    {
        TUndoRedoList log;
        for (const QString &r : records)
            log.AddItem(r);
        engine.UndoRedoApply(log.Count() - 1, log, view);
    }
    TReplayEngine engine;
    TImgView32 view;
};

TEST_F(GeometryReplay, UnknownRotateKindReplaysAsClockwiseTurn)
{
    TBitmap32 expected = Numbered(6, 4);
    TransformBitmap(expected, tkTurnRight);
    Replay({QStringLiteral("회전 (7)")});
    EXPECT_TRUE(Same(view.Bitmap(), expected));
}

TEST_F(GeometryReplay, MirrorRecordMirrors)
{
    TBitmap32 expected = Numbered(6, 4);
    expected.FlipHorz();
    Replay({RotateRecord(3).ToString()});
    EXPECT_TRUE(Same(view.Bitmap(), expected));
}

TEST_F(GeometryReplay, ResizeToTheSameSizeKeepsThePixels)
{
    Replay({SizeChangeRecord(6, 4).ToString()});
    EXPECT_TRUE(Same(view.Bitmap(), Numbered(6, 4)));
}

TEST_F(GeometryReplay, ResizeThenTurn)
{
    TBitmap32 expected;
    ResizeBitmap(Numbered(6, 4), expected, 12, 2, rmPixels);
    TransformBitmap(expected, tkTurnLeft);
    Replay({SizeChangeRecord(12, 2).ToString(), RotateRecord(2).ToString()});
    EXPECT_TRUE(Same(view.Bitmap(), expected));
}
