#include "platform/Bitmap32.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace {

// A raster whose every pixel is different, to catch any misplaced one.
TBitmap32 Numbered(int w, int h)
{
    TBitmap32 b(w, h);
    for (int i = 0; i < w * h; ++i)
        b.Bits()[i] = TColor32(0x01000000u * (i % 200 + 1) + i);
    return b;
}

} // namespace

TEST(Bitmap32, NewRasterIsEmptyOpaqueDrawing)
{
    TBitmap32 b;
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.MasterAlpha(), 255);
    EXPECT_EQ(b.DrawMode(), dmOpaque);
    b.SetSize(5, 0);
    EXPECT_TRUE(b.Empty());
}

TEST(Bitmap32, PixelModelAndContiguousRows)
{
    EXPECT_EQ(Color32(0x12, 0x34, 0x56, 0x78), 0x78123456u);
    TBitmap32 b(7, 3);
    EXPECT_EQ(b.ScanLine(2), b.Bits() + 14);
    EXPECT_EQ(b.PixelPtr(3, 1), b.Bits() + 10);
    b.Clear(Color32(1, 2, 3));
    const auto *bytes = reinterpret_cast<const unsigned char *>(b.Bits());
    EXPECT_EQ(bytes[0], 3); // blue, green, red, alpha in memory
    EXPECT_EQ(bytes[1], 2);
    EXPECT_EQ(bytes[2], 1);
    EXPECT_EQ(bytes[3], 255);
}

TEST(Bitmap32, FillRectIsHalfOpenAndClipped)
{
    TBitmap32 b(4, 4);
    b.Clear(0);
    b.FillRect(1, 1, 3, 9, 0xFFFFFFFFu);
    int filled = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            filled += b.Pixel(x, y) != 0;
    EXPECT_EQ(filled, 6);
    EXPECT_EQ(b.Pixel(2, 3), 0xFFFFFFFFu);
    EXPECT_EQ(b.Pixel(3, 1), 0u);
}

TEST(Bitmap32, AssignCopiesExactlyBothWays)
{
    TBitmap32 a = Numbered(9, 4);
    TBitmap32 b;
    b.Assign(a);
    ASSERT_EQ(b.Width(), 9);
    EXPECT_TRUE(std::equal(a.Bits(), a.Bits() + a.PixelCount(), b.Bits()));

    const QImage image = a.ToImage();
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image.pixel(5, 2), a.Pixel(5, 2));
    TBitmap32 c;
    c.Assign(image);
    EXPECT_TRUE(std::equal(a.Bits(), a.Bits() + a.PixelCount(), c.Bits()));

    QImage rgb(2, 1, QImage::Format_RGB888);
    rgb.setPixel(0, 0, qRgb(10, 20, 30));
    rgb.setPixel(1, 0, qRgb(1, 2, 3));
    c.Assign(rgb);
    EXPECT_EQ(c.Pixel(0, 0), Color32(10, 20, 30, 255));
}

TEST(Bitmap32, ImageViewSharesPixels)
{
    TBitmap32 b(10, 10);
    b.Clear(Color32(0, 0, 0));
    {
        QImage view = b.ImageView();
        QPainter painter(&view);
        painter.fillRect(QRect(2, 3, 1, 1), QColor(255, 0, 0));
    }
    EXPECT_EQ(b.Pixel(2, 3), Color32(255, 0, 0));
    EXPECT_EQ(b.Pixel(3, 3), Color32(0, 0, 0));
}

TEST(Bitmap32, DrawOpaqueCopiesAndClips)
{
    TBitmap32 target(4, 4);
    target.Clear(0);
    TBitmap32 source = Numbered(3, 3);
    target.Draw(-1, 2, source);
    EXPECT_EQ(target.Pixel(0, 2), source.Pixel(1, 0));
    EXPECT_EQ(target.Pixel(1, 3), source.Pixel(2, 1));
    EXPECT_EQ(target.Pixel(2, 2), 0u);
    EXPECT_EQ(target.Pixel(0, 1), 0u);
}

TEST(Bitmap32, DrawBlendWeighsSourceAlphaByMasterAlpha)
{
    TBitmap32 target(1, 1);
    TBitmap32 source(1, 1);
    source.SetDrawMode(dmBlend);
    struct Case { TColor32 src; int master; TColor32 expected; };
    const Case cases[] = {
        {Color32(200, 100, 0, 255), 255, Color32(200, 100, 0, 255)},
        {Color32(200, 100, 0, 0), 255, Color32(0, 0, 200, 255)},
        {Color32(200, 100, 0, 255), 0, Color32(0, 0, 200, 255)},
        {Color32(200, 100, 0, 255), 128, Color32(100, 50, 100, 255)},
        {Color32(200, 100, 0, 128), 255, Color32(100, 50, 100, 255)},
    };
    for (const Case &c : cases) {
        target.Clear(Color32(0, 0, 200));
        source.Clear(c.src);
        source.SetMasterAlpha(c.master);
        target.Draw(0, 0, source);
        EXPECT_EQ(target.Pixel(0, 0), c.expected) << std::hex << c.src << " master " << c.master;
    }
}

TEST(Bitmap32, TurnsAndMirrorsMapEveryPixel)
{
    const int W = 5, H = 3;
    const TBitmap32 original = Numbered(W, H);
    struct Case { void (TBitmap32::*op)(); int w, h; int (*tx)(int, int); int (*ty)(int, int); };
    const Case cases[] = {
        {&TBitmap32::Rotate90, H, W, [](int, int y) { return H - 1 - y; }, [](int x, int) { return x; }},
        {&TBitmap32::Rotate180, W, H, [](int x, int) { return W - 1 - x; }, [](int, int y) { return H - 1 - y; }},
        {&TBitmap32::Rotate270, H, W, [](int, int y) { return y; }, [](int x, int) { return W - 1 - x; }},
        {&TBitmap32::FlipHorz, W, H, [](int x, int) { return W - 1 - x; }, [](int, int y) { return y; }},
        {&TBitmap32::FlipVert, W, H, [](int x, int) { return x; }, [](int, int y) { return H - 1 - y; }},
    };
    for (const Case &c : cases) {
        TBitmap32 b;
        b.Assign(original);
        (b.*c.op)();
        ASSERT_EQ(b.Width(), c.w);
        ASSERT_EQ(b.Height(), c.h);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                ASSERT_EQ(b.Pixel(c.tx(x, y), c.ty(x, y)), original.Pixel(x, y)) << x << "," << y;
    }
}

TEST(Bitmap32, LargeTurnMatchesPixelMapping)
{
    // Bigger than the transpose tile, odd sizes.
    TBitmap32 b = Numbered(131, 70);
    TBitmap32 turned;
    turned.Assign(b);
    turned.Rotate90();
    turned.Rotate270();
    EXPECT_TRUE(std::equal(b.Bits(), b.Bits() + b.PixelCount(), turned.Bits()));
    turned.Rotate90();
    EXPECT_EQ(turned.Pixel(69, 0), b.Pixel(0, 0));
    EXPECT_EQ(turned.Pixel(0, 130), b.Pixel(130, 69));
}

TEST(Bitmap32, SaveToStreamWritesA32BitBmpThatQtReads)
{
    TBitmap32 b(3, 2);
    b.Clear(Color32(10, 20, 30, 255));
    *b.PixelPtr(0, 0) = Color32(255, 0, 0, 128);
    const QByteArray bmp = b.SaveToStream();
    ASSERT_EQ(bmp.size(), 54 + 3 * 2 * 4);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(quint8(bmp[28]), 32);
    // Bottom-up: the top-left pixel is the first of the last stored row.
    const int topLeft = 54 + 3 * 4;
    EXPECT_EQ(quint8(bmp[topLeft + 2]), 255);
    EXPECT_EQ(quint8(bmp[topLeft + 3]), 128);
    const QImage read = QImage::fromData(bmp, "BMP");
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(qRed(read.pixel(0, 0)), 255);
    EXPECT_EQ(read.pixel(2, 1), Color32(10, 20, 30, 255));
}

TEST(Bitmap32, ChangedReachesEveryListenerUntilRemoved)
{
    TBitmap32 b(1, 1);
    int first = 0, second = 0;
    const int id = b.AddChangeListener([&] { ++first; });
    b.AddChangeListener([&] { ++second; });
    b.Changed();
    b.RemoveChangeListener(id);
    b.Changed();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

TEST(Bitmap32, ImpossibleSizesRaiseAndLeaveTheRasterAlone)
{
    TBitmap32 b = Numbered(4, 4);
    EXPECT_THROW(b.SetSize(2000000000, 2000000000), ERasterTooLarge);
    EXPECT_THROW(b.SetSize(100000, 100000), ERasterTooLarge); // 40 GB
    ASSERT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Pixel(3, 3), Numbered(4, 4).Pixel(3, 3));
    try {
        b.SetSize(2000000000, 3);
    } catch (const ERasterTooLarge &e) {
        EXPECT_EQ(e.RequestedWidth(), 2000000000);
        EXPECT_NE(std::string(e.what()).find("2000000000 x 3"), std::string::npos);
    }
}

TEST(Bitmap32, SetSizeReusesABufferThatFits)
{
    TBitmap32 b(100, 100);
    const TColor32 *bits = b.Bits();
    b.SetSize(50, 150);
    EXPECT_EQ(b.Bits(), bits);
    EXPECT_EQ(b.ScanLine(1), bits + 50);
}

TEST(StretchLinear, EqualSizesCopyUnchanged)
{
    TBitmap32 source = Numbered(13, 7);
    TBitmap32 target(13, 7);
    StretchLinear(target, QRect(0, 0, 13, 7), source, QRect(0, 0, 13, 7));
    EXPECT_TRUE(std::equal(source.Bits(), source.Bits() + source.PixelCount(), target.Bits()));
}

TEST(StretchLinear, UniformStaysUniformAtAnyScale)
{
    TBitmap32 source(37, 23);
    source.Clear(Color32(12, 200, 99, 180));
    for (const QSize size : {QSize(1, 1), QSize(10, 5), QSize(37, 50), QSize(100, 61)}) {
        TBitmap32 target(size.width(), size.height());
        StretchLinear(target, QRect(QPoint(0, 0), size), source, QRect(0, 0, 37, 23));
        for (std::size_t i = 0; i < target.PixelCount(); ++i)
            ASSERT_EQ(target.Bits()[i], Color32(12, 200, 99, 180)) << size.width() << "x" << size.height();
    }
}

TEST(StretchLinear, InterpolatesBetweenNeighboursAndAveragesWhenShrinking)
{
    // Black and white halves: enlarging gives a ramp, halving averages pairs.
    TBitmap32 source(2, 1);
    source.Bits()[0] = Color32(0, 0, 0);
    source.Bits()[1] = Color32(255, 255, 255);
    TBitmap32 wide(4, 1);
    StretchLinear(wide, QRect(0, 0, 4, 1), source, QRect(0, 0, 2, 1));
    EXPECT_EQ(RedComponent(wide.Pixel(0, 0)), 0);
    EXPECT_EQ(RedComponent(wide.Pixel(3, 0)), 255);
    EXPECT_LT(RedComponent(wide.Pixel(1, 0)), RedComponent(wide.Pixel(2, 0)));

    TBitmap32 stripes(8, 1);
    for (int x = 0; x < 8; ++x)
        stripes.Bits()[x] = x % 2 ? Color32(200, 200, 200) : Color32(0, 0, 0);
    TBitmap32 half(4, 1);
    StretchLinear(half, QRect(0, 0, 4, 1), stripes, QRect(0, 0, 8, 1));
    for (int x = 1; x < 3; ++x) // inner pixels see a balanced neighbourhood
        EXPECT_NEAR(RedComponent(half.Pixel(x, 0)), 100, 1);
}

TEST(StretchLinear, WritesOnlyInsideTheTargetRectangle)
{
    TBitmap32 source(4, 4);
    source.Clear(Color32(255, 0, 0));
    TBitmap32 target(10, 10);
    target.Clear(0);
    StretchLinear(target, QRect(8, 8, 5, 5), source, QRect(0, 0, 4, 4));
    EXPECT_EQ(target.Pixel(9, 9), Color32(255, 0, 0));
    EXPECT_EQ(target.Pixel(7, 9), 0u);
}
