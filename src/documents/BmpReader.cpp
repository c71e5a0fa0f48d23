// Windows and OS/2 bitmaps, read by our own code: every header from the
// 12-byte core header to V5, 1 to 32 bits per pixel, RLE4/RLE8 and bit
// fields. Every offset and size is checked against the file before use.

#include "documents/CodecSupport.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace codecs {

namespace {

enum : std::uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiJpeg = 4, BiPng = 5, BiAlphaBitfields = 6 };

std::uint32_t U16(const std::uint8_t *p) { return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8); }
std::uint32_t U32(const std::uint8_t *p) { return U16(p) | (U16(p + 2) << 16); }
std::int32_t S32(const std::uint8_t *p) { return std::int32_t(U32(p)); }

struct TChannel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
};

TChannel MakeChannel(std::uint32_t mask, const QString &path)
{
    TChannel channel;
    if (mask == 0)
        return channel;
    channel.mask = mask;
    channel.shift = std::countr_zero(mask);
    const std::uint32_t shifted = mask >> channel.shift;
    if ((shifted & (shifted + 1)) != 0)
        ThrowDecode(path, QStringLiteral("its colour bit masks are not contiguous"));
    channel.bits = std::popcount(shifted);
    return channel;
}

int Extract(std::uint32_t pixel, const TChannel &channel)
{
    if (channel.mask == 0)
        return 0;
    const std::uint32_t value = (pixel & channel.mask) >> channel.shift;
    if (channel.bits >= 8)
        return int(value >> (channel.bits - 8));
    const std::uint32_t top = (1u << channel.bits) - 1;
    return int((value * 255 + top / 2) / top);
}

struct TMasks {
    TChannel red, green, blue, alpha;
};

struct TBmpLayout {
    long long width = 0;
    long long height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = BiRgb;
    std::vector<TColor32> palette;
    std::size_t pixelOffset = 0;
    TMasks masks;
    bool hasAlphaMask = false;
};

constexpr TColor32 Black = 0xFF000000u;

TBmpLayout ReadLayout(const TEncodedData &data, const QString &path)
{
    const std::uint8_t *b = data.bytes;
    const std::size_t n = data.size;
    if (n < 14 + 4)
        ThrowDecode(path, QStringLiteral("the file ends inside its header"));
    const std::uint32_t offBits = U32(b + 10);
    const std::uint32_t headerSize = U32(b + 14);
    if (headerSize != 12 && (headerSize < 16 || headerSize > 1024))
        ThrowDecode(path, QStringLiteral("its bitmap header of %1 bytes is of no known kind").arg(headerSize));
    if (14 + std::size_t(headerSize) > n)
        ThrowDecode(path, QStringLiteral("the file ends inside its header"));

    TBmpLayout layout;
    const bool core = headerSize == 12;
    // OS/2 2.x headers run from 16 to 64 bytes; their compression values 3
    // and 4 mean Huffman and RLE24, not bit fields.
    const bool os2 = !core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize < 108;
    if (core) {
        layout.width = U16(b + 18);
        layout.height = U16(b + 20);
        layout.bitCount = int(U16(b + 24));
    } else {
        layout.width = S32(b + 18);
        layout.height = S32(b + 22);
        layout.bitCount = int(U16(b + 28));
        layout.compression = headerSize >= 20 ? U32(b + 30) : BiRgb;
    }
    if (layout.height < 0) {
        layout.topDown = true;
        layout.height = -layout.height;
    }
    const std::uint32_t colorsUsed = headerSize >= 36 ? U32(b + 46) : 0;

    const std::uint32_t c = layout.compression;
    const int bpp = layout.bitCount;
    const bool known = (c == BiRgb && (bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32)) ||
                       (c == BiRle8 && bpp == 8) || (c == BiRle4 && bpp == 4) ||
                       (!os2 && (c == BiBitfields || c == BiAlphaBitfields) && (bpp == 16 || bpp == 32));
    if (!known) {
        if (c == BiJpeg || c == BiPng || (os2 && c == BiBitfields))
            ThrowDecode(path, QStringLiteral("compression type %1 in bitmaps is not supported").arg(c));
        ThrowDecode(path, QStringLiteral("%1 bits per pixel with compression type %2 is not a bitmap form")
                              .arg(bpp)
                              .arg(c));
    }
    CheckDeclaredSize(path, layout.width, layout.height);

    std::size_t paletteStart = 14 + std::size_t(headerSize);
    if (c == BiBitfields || c == BiAlphaBitfields) {
        // The masks sit at the same place whether they are part of a V2+
        // header or follow a 40-byte one.
        const bool withAlpha = headerSize >= 56 || c == BiAlphaBitfields;
        const std::size_t maskBytes = withAlpha ? 16 : 12;
        if (headerSize < 40 + maskBytes)
            paletteStart = 14 + 40 + maskBytes;
        if (14 + 40 + maskBytes > n)
            ThrowDecode(path, QStringLiteral("the file ends inside its colour masks"));
        layout.masks.red = MakeChannel(U32(b + 54), path);
        layout.masks.green = MakeChannel(U32(b + 58), path);
        layout.masks.blue = MakeChannel(U32(b + 62), path);
        if (withAlpha)
            layout.masks.alpha = MakeChannel(U32(b + 66), path);
        layout.hasAlphaMask = layout.masks.alpha.mask != 0;
    } else if (bpp == 16) {
        layout.masks = {MakeChannel(0x7C00, path), MakeChannel(0x03E0, path), MakeChannel(0x001F, path), {}};
    }

    std::size_t paletteBytes = 0;
    if (bpp <= 8) {
        const std::size_t entrySize = core ? 3 : 4;
        std::size_t count = colorsUsed ? std::min<std::size_t>(colorsUsed, 256) : std::size_t(1) << bpp;
        const std::size_t limit = offBits > paletteStart && offBits <= n ? offBits : n;
        count = std::min(count, limit > paletteStart ? (limit - paletteStart) / entrySize : 0);
        if (count == 0)
            ThrowDecode(path, QStringLiteral("its colour table is missing"));
        layout.palette.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t *e = b + paletteStart + i * entrySize;
            layout.palette[i] = Color32(e[2], e[1], e[0]);
        }
        paletteBytes = count * entrySize;
    }
    // A zero or impossible offset is common in hand-made files: the pixels
    // then follow the colour table.
    layout.pixelOffset = offBits >= paletteStart && offBits < n ? offBits : paletteStart + paletteBytes;
    if (layout.pixelOffset >= n)
        ThrowDecode(path, QStringLiteral("the file ends before its pixels"));
    return layout;
}

TColor32 PaletteColor(const TBmpLayout &layout, unsigned index)
{
    return index < layout.palette.size() ? layout.palette[index] : Black;
}

TColor32 *RowFor(TBitmap32 &target, const TBmpLayout &layout, long long fileRow)
{
    return target.ScanLine(int(layout.topDown ? fileRow : layout.height - 1 - fileRow));
}

void DecodeUncompressed(const TEncodedData &data, const QString &path, const TBmpLayout &layout, TBitmap32 &target)
{
    const long long stride = (layout.width * layout.bitCount + 31) / 32 * 4;
    if (std::size_t(stride) * std::size_t(layout.height) > data.size - layout.pixelOffset)
        ThrowDecode(path, QStringLiteral("the file ends before its last row of pixels"));
    const int width = int(layout.width);
    const TMasks &m = layout.masks;
    std::uint8_t alphaSeen = 0;
    for (long long r = 0; r < layout.height; ++r) {
        const std::uint8_t *s = data.bytes + layout.pixelOffset + std::size_t(r) * std::size_t(stride);
        TColor32 *out = RowFor(target, layout, r);
        switch (layout.bitCount) {
        case 1:
            for (int x = 0; x < width; ++x)
                out[x] = PaletteColor(layout, (s[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (int x = 0; x < width; ++x)
                out[x] = PaletteColor(layout, (x & 1) ? s[x >> 1] & 0x0F : s[x >> 1] >> 4);
            break;
        case 8:
            for (int x = 0; x < width; ++x)
                out[x] = PaletteColor(layout, s[x]);
            break;
        case 24:
            for (int x = 0; x < width; ++x, s += 3)
                out[x] = Color32(s[2], s[1], s[0]);
            break;
        case 16:
        case 32: {
            const bool masked = layout.bitCount == 16 || layout.compression != BiRgb;
            for (int x = 0; x < width; ++x) {
                if (!masked) {
                    out[x] = Color32(s[4 * x + 2], s[4 * x + 1], s[4 * x], s[4 * x + 3]);
                    alphaSeen |= s[4 * x + 3];
                    continue;
                }
                const std::uint32_t p = layout.bitCount == 16 ? U16(s + 2 * x) : U32(s + 4 * x);
                out[x] = Color32(Extract(p, m.red), Extract(p, m.green), Extract(p, m.blue),
                                 layout.hasAlphaMask ? Extract(p, m.alpha) : 255);
            }
            break;
        }
        }
    }
    // Most 32-bit bitmaps without masks leave the fourth byte 0: such a file
    // is opaque, not invisible. A file with any alpha keeps it.
    if (layout.bitCount == 32 && layout.compression == BiRgb && alphaSeen == 0) {
        TColor32 *p = target.Bits();
        for (std::size_t i = 0, count = target.PixelCount(); i < count; ++i)
            p[i] |= 0xFF000000u;
    }
}

void DecodeRle(const TEncodedData &data, const QString &path, const TBmpLayout &layout, TBitmap32 &target)
{
    // Pixels the encoding skips stay black.
    target.Clear(Black);
    const bool four = layout.compression == BiRle4;
    const std::uint8_t *b = data.bytes;
    const std::size_t n = data.size;
    std::size_t i = layout.pixelOffset;
    long long x = 0, y = 0;
    auto put = [&](unsigned index) {
        if (x < layout.width && y < layout.height)
            RowFor(target, layout, y)[x] = PaletteColor(layout, index);
        ++x;
    };
    auto truncated = [&] { ThrowDecode(path, QStringLiteral("the file ends inside its compressed pixels")); };
    while (y < layout.height) {
        if (n - i < 2)
            truncated();
        const unsigned count = b[i], value = b[i + 1];
        i += 2;
        if (count > 0) {
            for (unsigned k = 0; k < count; ++k)
                put(four ? ((k & 1) ? value & 0x0F : value >> 4) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            if (n - i < 2)
                truncated();
            x += b[i];
            y += b[i + 1];
            i += 2;
        } else {
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            const std::size_t padded = (bytes + 1) & ~std::size_t(1);
            if (n - i < padded)
                truncated();
            for (unsigned k = 0; k < value; ++k)
                put(four ? ((k & 1) ? b[i + k / 2] & 0x0F : b[i + k / 2] >> 4) : b[i + k]);
            i += padded;
        }
    }
}

} // namespace

void DecodeBmp(const TEncodedData &data, const QString &path, TBitmap32 &scratch)
{
    const TBmpLayout layout = ReadLayout(data, path);
    scratch.SetSize(int(layout.width), int(layout.height));
    if (layout.compression == BiRle4 || layout.compression == BiRle8)
        DecodeRle(data, path, layout, scratch);
    else
        DecodeUncompressed(data, path, layout, scratch);
}

} // namespace codecs
