#include "platform/Bitmap32.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <utility>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// Buffers of a few megabytes and more are 2 MiB aligned and asked for huge
// pages: a fresh 48 MB raster otherwise spends far longer in page faults
// than any single pass over it.
constexpr std::size_t HugePage = std::size_t(2) << 20;

TColor32 *AllocatePixels(std::size_t count)
{
    const std::size_t bytes = count * sizeof(TColor32);
    void *memory = nullptr;
    if (bytes >= 2 * HugePage) {
        const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
        if (posix_memalign(&memory, HugePage, rounded) != 0)
            return nullptr;
#ifdef MADV_HUGEPAGE
        madvise(memory, rounded, MADV_HUGEPAGE);
#endif
    } else if (posix_memalign(&memory, 64, std::max<std::size_t>(bytes, 64)) != 0) {
        return nullptr;
    }
    return static_cast<TColor32 *>(memory);
}

} // namespace

ERasterTooLarge::ERasterTooLarge(long long width, long long height)
    : std::runtime_error("Not enough memory for a picture of " + std::to_string(width) + " x " +
                         std::to_string(height) + " pixels"),
      FWidth(width), FHeight(height)
{
}

TBitmap32::TBitmap32(int width, int height) { SetSize(width, height); }

TBitmap32::~TBitmap32() { Release(); }

TBitmap32::TBitmap32(TBitmap32 &&other) noexcept { *this = std::move(other); }

TBitmap32 &TBitmap32::operator=(TBitmap32 &&other) noexcept
{
    if (this != &other) {
        Release();
        FBits = std::exchange(other.FBits, nullptr);
        FCapacity = std::exchange(other.FCapacity, 0);
        FWidth = std::exchange(other.FWidth, 0);
        FHeight = std::exchange(other.FHeight, 0);
        FMasterAlpha = other.FMasterAlpha;
        FDrawMode = other.FDrawMode;
        // Listeners watch an object, not its pixels: they stay where they are.
    }
    return *this;
}

void TBitmap32::Release()
{
    std::free(FBits);
    FBits = nullptr;
    FCapacity = 0;
}

std::size_t TBitmap32::MaxBytes()
{
    static const std::size_t limit = [] {
        const long pages = sysconf(_SC_PHYS_PAGES);
        const long pageSize = sysconf(_SC_PAGESIZE);
        if (pages <= 0 || pageSize <= 0)
            return std::size_t(1) << 31;
        // Half the machine's memory for one raster: the editor keeps a few
        // working copies of the photo besides the canvas.
        return std::size_t(pages) * std::size_t(pageSize) / 2;
    }();
    return limit;
}

void TBitmap32::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    const std::size_t count = std::size_t(width) * std::size_t(height);
    if (count > MaxBytes() / sizeof(TColor32))
        throw ERasterTooLarge(width, height);
    if (count > FCapacity || (FCapacity > (std::size_t(4) << 20) && count < FCapacity / 4)) {
        TColor32 *bits = count ? AllocatePixels(count) : nullptr;
        if (count && !bits)
            throw ERasterTooLarge(width, height);
        Release();
        FBits = bits;
        FCapacity = count;
    }
    FWidth = width;
    FHeight = height;
}

void TBitmap32::Assign(const TBitmap32 &source)
{
    if (&source == this)
        return;
    SetSize(source.FWidth, source.FHeight);
    if (!Empty())
        std::memcpy(FBits, source.FBits, PixelCount() * sizeof(TColor32));
}

void TBitmap32::Assign(const QImage &source)
{
    if (source.isNull()) {
        SetSize(0, 0);
        return;
    }
    // ARGB32 holds exactly our bytes; every format without alpha converts
    // with alpha 255.
    const QImage image = source.format() == QImage::Format_ARGB32 ? source
                                                                  : source.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        throw ERasterTooLarge(source.width(), source.height());
    SetSize(image.width(), image.height());
    for (int y = 0; y < FHeight; ++y)
        std::memcpy(ScanLine(y), image.constScanLine(y), std::size_t(FWidth) * sizeof(TColor32));
}

QImage TBitmap32::ToImage() const
{
    if (Empty())
        return {};
    QImage image(FWidth, FHeight, QImage::Format_ARGB32);
    if (image.isNull())
        throw ERasterTooLarge(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y)
        std::memcpy(image.scanLine(y), ScanLine(y), std::size_t(FWidth) * sizeof(TColor32));
    return image;
}

QImage TBitmap32::ImageView()
{
    if (Empty())
        return {};
    return QImage(reinterpret_cast<uchar *>(FBits), FWidth, FHeight, qsizetype(FWidth) * 4,
                  QImage::Format_ARGB32);
}

QImage TBitmap32::OpaqueImageView()
{
    if (Empty())
        return {};
    return QImage(reinterpret_cast<uchar *>(FBits), FWidth, FHeight, qsizetype(FWidth) * 4, QImage::Format_RGB32);
}

QImage TBitmap32::ToOpaqueImage() const
{
    // Qt turns ARGB32 into RGB32 in place by setting alpha to 255; the
    // colours stay as they are.
    return ToImage().convertToFormat(QImage::Format_RGB32);
}

void TBitmap32::Clear(TColor32 color) { std::fill_n(FBits, PixelCount(), color); }

void TBitmap32::FillRect(int x1, int y1, int x2, int y2, TColor32 color)
{
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, FWidth);
    y2 = std::min(y2, FHeight);
    if (x1 >= x2 || y1 >= y2)
        return;
    for (int y = y1; y < y2; ++y)
        std::fill(PixelPtr(x1, y), PixelPtr(x2, y), color);
}

void TBitmap32::Draw(int x, int y, const TBitmap32 &source)
{
    const int sx = std::max(0, -x), sy = std::max(0, -y);
    const int dx = std::max(0, x), dy = std::max(0, y);
    const int w = std::min(source.FWidth - sx, FWidth - dx);
    const int h = std::min(source.FHeight - sy, FHeight - dy);
    if (w <= 0 || h <= 0)
        return;
    if (source.FDrawMode != dmBlend) {
        for (int row = 0; row < h; ++row)
            std::memcpy(PixelPtr(dx, dy + row), source.PixelPtr(sx, sy + row), std::size_t(w) * 4);
        return;
    }
    const int master = source.FMasterAlpha;
    for (int row = 0; row < h; ++row) {
        const TColor32 *s = source.PixelPtr(sx, sy + row);
        TColor32 *t = PixelPtr(dx, dy + row);
        for (int i = 0; i < w; ++i) {
            const int weight = (AlphaComponent(s[i]) * master + 127) / 255;
            if (weight == 0)
                continue;
            if (weight == 255) {
                t[i] = s[i] | 0xFF000000u;
                continue;
            }
            const int inv = 255 - weight;
            const TColor32 sp = s[i], tp = t[i];
            const int r = (RedComponent(sp) * weight + RedComponent(tp) * inv + 127) / 255;
            const int g = (GreenComponent(sp) * weight + GreenComponent(tp) * inv + 127) / 255;
            const int b = (BlueComponent(sp) * weight + BlueComponent(tp) * inv + 127) / 255;
            const int ta = AlphaComponent(tp);
            const int a = ta + (weight * (255 - ta) + 127) / 255;
            t[i] = Color32(r, g, b, a);
        }
    }
}

void TBitmap32::FlipHorz()
{
    for (int y = 0; y < FHeight; ++y)
        std::reverse(ScanLine(y), ScanLine(y) + FWidth);
}

void TBitmap32::FlipVert()
{
    for (int top = 0, bottom = FHeight - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(ScanLine(top), ScanLine(top) + FWidth, ScanLine(bottom));
}

void TBitmap32::Rotate180() { std::reverse(FBits, FBits + PixelCount()); }

// Writes the turned raster (height x width) into target, in tiles so that
// both the reads and the writes stay in cache.
void TBitmap32::TransposeInto(TColor32 *target, bool clockwise) const
{
    const int W = FWidth, H = FHeight;
    constexpr int Tile = 64;
    for (int y0 = 0; y0 < H; y0 += Tile) {
        const int y1 = std::min(y0 + Tile, H);
        for (int x0 = 0; x0 < W; x0 += Tile) {
            const int x1 = std::min(x0 + Tile, W);
            for (int y = y0; y < y1; ++y) {
                const TColor32 *row = ScanLine(y);
                for (int x = x0; x < x1; ++x) {
                    // Clockwise: (x, y) lands at (H-1-y, x); counter: (y, W-1-x).
                    const std::size_t at = clockwise ? std::size_t(x) * H + (H - 1 - y)
                                                     : std::size_t(W - 1 - x) * H + y;
                    target[at] = row[x];
                }
            }
        }
    }
}

void TBitmap32::Rotate90()
{
    if (Empty()) {
        std::swap(FWidth, FHeight);
        return;
    }
    TBitmap32 turned(FHeight, FWidth);
    TransposeInto(turned.FBits, true);
    std::swap(FBits, turned.FBits);
    std::swap(FCapacity, turned.FCapacity);
    std::swap(FWidth, FHeight);
}

void TBitmap32::Rotate270()
{
    if (Empty()) {
        std::swap(FWidth, FHeight);
        return;
    }
    TBitmap32 turned(FHeight, FWidth);
    TransposeInto(turned.FBits, false);
    std::swap(FBits, turned.FBits);
    std::swap(FCapacity, turned.FCapacity);
    std::swap(FWidth, FHeight);
}

QByteArray TBitmap32::SaveToStream() const
{
    constexpr int FileHeader = 14, InfoHeader = 40;
    const qint64 imageBytes = qint64(PixelCount()) * 4;
    QByteArray bmp(FileHeader + InfoHeader + imageBytes, '\0');
    uchar *p = reinterpret_cast<uchar *>(bmp.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(bmp.size()), p + 2);
    qToLittleEndian<quint32>(FileHeader + InfoHeader, p + 10);
    qToLittleEndian<quint32>(InfoHeader, p + 14);
    qToLittleEndian<qint32>(FWidth, p + 18);
    qToLittleEndian<qint32>(FHeight, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(32, p + 28);
    qToLittleEndian<quint32>(quint32(imageBytes), p + 34);
    qToLittleEndian<qint32>(2835, p + 38); // 72 dpi
    qToLittleEndian<qint32>(2835, p + 42);
    uchar *pixels = p + FileHeader + InfoHeader;
    // The pixel words are already the BMP's blue, green, red, alpha bytes on
    // little-endian machines; rows go bottom-up.
    for (int y = 0; y < FHeight; ++y) {
        const TColor32 *row = ScanLine(FHeight - 1 - y);
        uchar *out = pixels + qint64(y) * FWidth * 4;
        for (int x = 0; x < FWidth; ++x)
            qToLittleEndian<quint32>(row[x], out + x * 4);
    }
    return bmp;
}

int TBitmap32::AddChangeListener(ChangeListener listener)
{
    const int id = FNextListenerId++;
    FListeners.emplace_back(id, std::move(listener));
    return id;
}

void TBitmap32::RemoveChangeListener(int id)
{
    std::erase_if(FListeners, [id](const auto &entry) { return entry.first == id; });
}

void TBitmap32::Changed()
{
    // A listener may remove itself; walk a copy.
    const auto listeners = FListeners;
    for (const auto &entry : listeners)
        entry.second();
}
