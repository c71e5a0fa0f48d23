#pragma once
// Small picture files made in the tests, byte by byte or with the codec
// libraries, and the helpers to write and compare them.

#include "platform/Bitmap32.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace fixtures {

void WriteFile(const QString &path, const QByteArray &bytes);
QByteArray ReadFile(const QString &path);

// A raster whose pixels all differ in colour and alpha.
TBitmap32 Gradient(int width, int height);

// A bitmap file: the 14-byte file header, a header of headerSize bytes
// (12 = OS/2 core, 40, 108 = V4, 124 = V5), masks after a 40-byte header when
// extraMasks is not empty, the palette (3 bytes per entry for a core header,
// else 4) and the rows as given, each padded to 4 bytes. height < 0 means
// top-down rows.
struct TBmpFixture {
    int headerSize = 40;
    int width = 0;
    int height = 0;
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<TColor32> palette;
    std::vector<std::uint32_t> masks; // red, green, blue[, alpha] inside a V4/V5 header
    std::vector<std::uint32_t> extraMasks;
    std::vector<std::vector<std::uint8_t>> rows; // file order; unpadded
    QByteArray rle;                              // replaces rows for RLE data
};
QByteArray MakeBmp(const TBmpFixture &fixture);

// A PNG made by libpng from packed rows of the given colour type and depth.
struct TPngFixture {
    int width = 0;
    int height = 0;
    int colorType = 0;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<std::vector<std::uint8_t>> rows;
    std::vector<std::uint8_t> palette; // r, g, b triples
    std::vector<std::uint8_t> trns;    // alpha per palette entry
};
QByteArray MakePng(const TPngFixture &fixture);

// A GIF made by giflib: a screen, one frame with its colour table, an
// optional transparent index.
struct TGifFixture {
    int screenWidth = 0;
    int screenHeight = 0;
    int left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    std::vector<TColor32> colors; // power-of-two count
    int transparent = -1;
    std::vector<std::uint8_t> pixels; // frame rows, top first
};
QByteArray MakeGif(const TGifFixture &fixture);

// A CMYK JPEG (with libjpeg's Adobe marker) of width x height pixels, all of
// the given ink values as stored.
QByteArray MakeCmykJpeg(int width, int height, const std::uint8_t (&cmyk)[4]);

// The sampling factors and component count of a JPEG's frame header.
struct TJpegFrameInfo {
    int components = 0;
    std::vector<std::pair<int, int>> sampling;
};
TJpegFrameInfo ReadJpegFrame(const QByteArray &jpeg);

// Offset of the first SOFn marker's height field, or -1.
qsizetype JpegSizeFieldOffset(const QByteArray &jpeg);

// Recomputes the CRC of the PNG chunk starting at offset (its length field).
void FixPngCrc(QByteArray &png, qsizetype offset);

} // namespace fixtures
