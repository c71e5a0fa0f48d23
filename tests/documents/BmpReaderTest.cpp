#include "documents/ImageCodecs.h"

#include "documents/CodecFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using fixtures::TBmpFixture;

namespace {

constexpr TColor32 Red = Color32(255, 0, 0), Green = Color32(0, 255, 0), Blue = Color32(0, 0, 255),
                   White = Color32(255, 255, 255), Black = Color32(0, 0, 0);

TBmpFixture Bmp(int width, int height, int bitCount, std::uint32_t compression = 0, std::vector<TColor32> palette = {},
             int headerSize = 40)
{
    TBmpFixture fixture;
    fixture.headerSize = headerSize;
    fixture.width = width;
    fixture.height = height;
    fixture.bitCount = bitCount;
    fixture.compression = compression;
    fixture.palette = std::move(palette);
    return fixture;
}

TBitmap32 Decode(const TBmpFixture &fixture)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.bmp");
    fixtures::WriteFile(path, fixtures::MakeBmp(fixture));
    TBitmap32 b;
    LoadPhotoFile(path, b);
    return b;
}

// Rows as the picture shows them, top first.
void ExpectPixels(const TBitmap32 &b, const std::vector<std::vector<TColor32>> &rows, const char *what)
{
    ASSERT_EQ(b.Height(), int(rows.size())) << what;
    ASSERT_EQ(b.Width(), int(rows[0].size())) << what;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            EXPECT_EQ(b.Pixel(x, y), rows[std::size_t(y)][std::size_t(x)]) << what << " at " << x << "," << y;
}

} // namespace

TEST(BmpReader, PaletteForms)
{
    TBmpFixture mono = Bmp(10, 2, 1, 0, {Black, White});
    mono.rows = {{0b10100000, 0b01000000}, {0b01010101, 0b11000000}}; // bottom row first
    ExpectPixels(Decode(mono),
                 {{Black, White, Black, White, Black, White, Black, White, White, White},
                  {White, Black, White, Black, Black, Black, Black, Black, Black, White}},
                 "1 bit");

    TBmpFixture four = Bmp(3, 1, 4, 0, {Red, Green, Blue});
    four.rows = {{0x21, 0x00}};
    ExpectPixels(Decode(four), {{Blue, Green, Red}}, "4 bit");

    // Index 7 lies beyond the three colours given: black.
    TBmpFixture eight = Bmp(4, 2, 8, 0, {Red, Green, Blue});
    eight.rows = {{0, 1, 2, 7}, {2, 2, 1, 0}};
    ExpectPixels(Decode(eight), {{Blue, Blue, Green, Red}, {Red, Green, Blue, Black}}, "8 bit");

    TBmpFixture core = Bmp(2, 2, 8, 0, {Red, Green}, 12);
    core.rows = {{0, 1}, {1, 1}};
    ExpectPixels(Decode(core), {{Green, Green}, {Red, Green}}, "OS/2 core header, 3-byte palette");
}

TEST(BmpReader, DirectColourForms)
{
    TBmpFixture rgb24 = Bmp(2, 2, 24);
    rgb24.rows = {{0, 0, 255, 0, 255, 0}, {255, 0, 0, 1, 2, 3}};
    ExpectPixels(Decode(rgb24), {{Blue, Color32(3, 2, 1)}, {Red, Green}}, "24 bit");

    TBmpFixture os2 = rgb24;
    os2.headerSize = 64;
    ExpectPixels(Decode(os2), {{Blue, Color32(3, 2, 1)}, {Red, Green}}, "24 bit, OS/2 2.x header");

    TBmpFixture topDown = rgb24;
    topDown.height = -2;
    ExpectPixels(Decode(topDown), {{Red, Green}, {Blue, Color32(3, 2, 1)}}, "24 bit top-down");

    // 555: 5 bits widen as v * 255 / 31 rounded.
    TBmpFixture rgb555 = Bmp(2, 1, 16);
    rgb555.rows = {{0x00, 0x7C, 0x21, 0x04}}; // 0x7C00 red; 0x0421 = 1,1,1
    ExpectPixels(Decode(rgb555), {{Red, Color32(8, 8, 8)}}, "16 bit 555");

    TBmpFixture rgb565 = Bmp(2, 1, 16, 3);
    rgb565.extraMasks = {0xF800, 0x07E0, 0x001F};
    rgb565.rows = {{0xE0, 0x07, 0x1F, 0xF8}}; // 0x07E0 green; 0xF81F magenta
    ExpectPixels(Decode(rgb565), {{Green, Color32(255, 0, 255)}}, "16 bit 565 bit fields");

    TBmpFixture rgb32 = Bmp(2, 1, 32);
    rgb32.rows = {{10, 20, 30, 0, 40, 50, 60, 128}};
    ExpectPixels(Decode(rgb32), {{Color32(30, 20, 10, 0), Color32(60, 50, 40, 128)}}, "32 bit with alpha");
    rgb32.rows = {{10, 20, 30, 0, 40, 50, 60, 0}};
    ExpectPixels(Decode(rgb32), {{Color32(30, 20, 10), Color32(60, 50, 40)}}, "32 bit, alpha all 0 is opaque");
}

TEST(BmpReader, BitFieldHeaders)
{
    // V5 with an alpha mask, pixels as 0xRRGGBBAA words.
    TBmpFixture v5 = Bmp(2, 1, 32, 3, {}, 124);
    v5.masks = {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};
    v5.rows = {{0x40, 0x30, 0x20, 0x10, 0xFF, 0x00, 0x00, 0xFF}};
    ExpectPixels(Decode(v5), {{Color32(0x10, 0x20, 0x30, 0x40), Color32(255, 0, 0, 255)}}, "V5 32 bit RGBA masks");

    // V4 without an alpha mask is opaque whatever the spare bits hold.
    TBmpFixture v4 = Bmp(1, 1, 32, 3, {}, 108);
    v4.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    v4.rows = {{1, 2, 3, 0}};
    ExpectPixels(Decode(v4), {{Color32(3, 2, 1)}}, "V4 32 bit masks");

    // Alpha bit fields after a 40-byte header, 10-bit channels.
    TBmpFixture alpha = Bmp(1, 1, 32, 6);
    alpha.extraMasks = {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000};
    const std::uint32_t px = (3u << 30) | (1023u << 20) | (512u << 10) | 4u;
    alpha.rows = {{std::uint8_t(px), std::uint8_t(px >> 8), std::uint8_t(px >> 16), std::uint8_t(px >> 24)}};
    ExpectPixels(Decode(alpha), {{Color32(255, 128, 1, 255)}}, "alpha bit fields, 10-bit channels");

    TBmpFixture gappy = Bmp(1, 1, 16, 3);
    gappy.extraMasks = {0xF00F, 0x0F00, 0x00F0};
    gappy.rows = {{0, 0}};
    EXPECT_THROW(Decode(gappy), EImageDecode);
}

TEST(BmpReader, RunLengthEncoded)
{
    TBmpFixture rle8 = Bmp(4, 3, 8, 1, {Black, Red, Green, Blue});
    // Bottom row: a run of 3 reds, end of line; middle row: 3 absolute
    // pixels (padded to a word), end of line; top row: a delta of 2 to the
    // right, a run of 2 blues; end of bitmap. Skipped pixels stay black.
    rle8.rle = QByteArray::fromHex("0301"
                                   "0000"
                                   "000303020100"
                                   "0000"
                                   "00020200"
                                   "0203"
                                   "0001");
    ExpectPixels(Decode(rle8),
                 {{Black, Black, Blue, Blue}, {Blue, Green, Red, Black}, {Red, Red, Red, Black}}, "RLE8");

    TBmpFixture rle4 = Bmp(6, 1, 4, 2, {Black, Red, Green, Blue});
    // A run of 3 alternating red/green, then 3 absolute pixels blue, red,
    // green (two bytes, already a word).
    rle4.rle = QByteArray::fromHex("0312" "00033120" "0001");
    ExpectPixels(Decode(rle4), {{Red, Green, Red, Blue, Red, Green}}, "RLE4");

    TBmpFixture cut = rle8;
    cut.rle = QByteArray::fromHex("0301000000");
    EXPECT_THROW(Decode(cut), EImageDecode);
}

TEST(BmpReader, UnsupportedFormsAreErrors)
{
    TBmpFixture twelveBits = Bmp(1, 1, 12);
    twelveBits.rows = {{0, 0}};
    EXPECT_THROW(Decode(twelveBits), EImageDecode);
    TBmpFixture rleWrongDepth = Bmp(1, 1, 24, 1);
    rleWrongDepth.rows = {{0, 0, 0}};
    EXPECT_THROW(Decode(rleWrongDepth), EImageDecode);
    // Compression 3 in an OS/2 2.x header is Huffman coding, not bit fields.
    TBmpFixture huffman = Bmp(1, 1, 16, 3, {}, 64);
    huffman.rows = {{0, 0}};
    EXPECT_THROW(Decode(huffman), EImageDecode);
    TBmpFixture noPalette = Bmp(1, 1, 8);
    noPalette.rows = {};
    EXPECT_THROW(Decode(noPalette), EImageDecode);
}
