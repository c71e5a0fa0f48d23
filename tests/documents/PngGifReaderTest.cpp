#include "documents/ImageCodecs.h"

#include "documents/CodecFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <png.h>

using fixtures::TGifFixture;
using fixtures::TPngFixture;

namespace {

TPngFixture Png(int width, int height, int colorType, int bitDepth = 8)
{
    TPngFixture fixture;
    fixture.width = width;
    fixture.height = height;
    fixture.colorType = colorType;
    fixture.bitDepth = bitDepth;
    return fixture;
}

TBitmap32 DecodeBytes(const QByteArray &bytes, const char *name)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    fixtures::WriteFile(path, bytes);
    TBitmap32 b;
    LoadPhotoFile(path, b);
    return b;
}

} // namespace

TEST(PngReader, EveryColourTypeBecomesStraightArgb)
{
    TPngFixture rgba = Png(2, 1, PNG_COLOR_TYPE_RGB_ALPHA);
    rgba.rows = {{10, 20, 30, 0, 200, 100, 50, 128}};
    TBitmap32 b = DecodeBytes(fixtures::MakePng(rgba), "rgba.png");
    EXPECT_EQ(b.Pixel(0, 0), Color32(10, 20, 30, 0));
    EXPECT_EQ(b.Pixel(1, 0), Color32(200, 100, 50, 128));

    TPngFixture palette = Png(3, 1, PNG_COLOR_TYPE_PALETTE);
    palette.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    palette.trns = {0, 77}; // the third entry has no alpha: opaque
    palette.rows = {{0, 1, 2}};
    b = DecodeBytes(fixtures::MakePng(palette), "palette.png");
    EXPECT_EQ(b.Pixel(0, 0), Color32(255, 0, 0, 0));
    EXPECT_EQ(b.Pixel(1, 0), Color32(0, 255, 0, 77));
    EXPECT_EQ(b.Pixel(2, 0), Color32(0, 0, 255, 255));

    TPngFixture palette4 = Png(3, 1, PNG_COLOR_TYPE_PALETTE, 4);
    palette4.palette = {1, 2, 3, 4, 5, 6};
    palette4.rows = {{0x10, 0x10}};
    b = DecodeBytes(fixtures::MakePng(palette4), "palette4.png");
    EXPECT_EQ(b.Pixel(0, 0), Color32(4, 5, 6));
    EXPECT_EQ(b.Pixel(1, 0), Color32(1, 2, 3));
    EXPECT_EQ(b.Pixel(2, 0), Color32(4, 5, 6));

    // 2-bit grey: 0, 1, 2, 3 widen to 0, 85, 170, 255.
    TPngFixture grey2 = Png(4, 1, PNG_COLOR_TYPE_GRAY, 2);
    grey2.rows = {{0b00011011}};
    b = DecodeBytes(fixtures::MakePng(grey2), "grey2.png");
    EXPECT_EQ(b.Pixel(1, 0), Color32(85, 85, 85));
    EXPECT_EQ(b.Pixel(3, 0), Color32(255, 255, 255));

    // 16-bit samples scale to 8 bits with rounding: 0x807F -> 128, 0x1234 -> 18.
    TPngFixture rgba16 = Png(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16);
    rgba16.rows = {{0x80, 0x7F, 0x12, 0x34, 0xFF, 0xFF, 0x00, 0x80}};
    b = DecodeBytes(fixtures::MakePng(rgba16), "rgba16.png");
    EXPECT_EQ(b.Pixel(0, 0), Color32(128, 18, 255, 0));

    TPngFixture greyAlpha16 = Png(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16);
    greyAlpha16.rows = {{0x40, 0x00, 0xFF, 0xFF}};
    b = DecodeBytes(fixtures::MakePng(greyAlpha16), "ga16.png");
    EXPECT_EQ(b.Pixel(0, 0), Color32(64, 64, 64, 255));
}

TEST(PngReader, InterlacedRowsLandInPlace)
{
    TPngFixture fixture = Png(9, 9, PNG_COLOR_TYPE_RGB);
    fixture.interlaced = true;
    for (int y = 0; y < 9; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < 9; ++x)
            row.insert(row.end(), {std::uint8_t(x * 20), std::uint8_t(y * 20), 7});
        fixture.rows.push_back(row);
    }
    const TBitmap32 b = DecodeBytes(fixtures::MakePng(fixture), "interlaced.png");
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(b.Pixel(x, y), Color32(x * 20, y * 20, 7)) << x << "," << y;
}

TEST(GifReader, FirstFrameOnItsScreenWithTransparency)
{
    // A 2 x 2 frame at (1, 1) on a 4 x 3 screen; index 2 is transparent.
    const TGifFixture fixture{4, 3, 1, 1, 2, 2, false, {Color32(255, 0, 0), Color32(0, 255, 0), Color32(0, 0, 255), Color32(9, 9, 9)},
                        2, {0, 1, 2, 3}};
    const TBitmap32 b = DecodeBytes(fixtures::MakeGif(fixture), "frame.gif");
    ASSERT_EQ(b.Width(), 4);
    ASSERT_EQ(b.Height(), 3);
    EXPECT_EQ(b.Pixel(1, 1), Color32(255, 0, 0));
    EXPECT_EQ(b.Pixel(2, 1), Color32(0, 255, 0));
    EXPECT_EQ(AlphaComponent(b.Pixel(1, 2)), 0);
    EXPECT_EQ(b.Pixel(2, 2), Color32(9, 9, 9));
    EXPECT_EQ(b.Pixel(0, 0), 0u);
    EXPECT_EQ(b.Pixel(3, 2), 0u);
}

TEST(GifReader, InterlacedAndClippedFrames)
{
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 3; ++x)
            pixels.push_back(std::uint8_t(y % 4));
    const std::vector<TColor32> colors{Color32(0, 0, 0), Color32(1, 1, 1), Color32(2, 2, 2), Color32(3, 3, 3)};
    TBitmap32 b = DecodeBytes(fixtures::MakeGif({3, 10, 0, 0, 3, 10, true, colors, -1, pixels}), "interlaced.gif");
    for (int y = 0; y < 10; ++y)
        ASSERT_EQ(b.Pixel(1, y), colors[std::size_t(y % 4)]) << y;

    // The frame reaches beyond the 2 x 4 screen: the rest is dropped.
    b = DecodeBytes(fixtures::MakeGif({2, 4, 1, 2, 3, 10, false, colors, -1, pixels}), "clipped.gif");
    ASSERT_EQ(b.Width(), 2);
    ASSERT_EQ(b.Height(), 4);
    EXPECT_EQ(b.Pixel(1, 2), colors[0]);
    EXPECT_EQ(b.Pixel(1, 3), colors[1]);
    EXPECT_EQ(b.Pixel(0, 3), 0u);
}
