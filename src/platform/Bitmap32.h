#pragma once
// The editor's one raster type: a contiguous block of 0xAARRGGBB pixels,
// stride = width, top row first. Every image operation works on it.

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

using TColor32 = std::uint32_t;

constexpr TColor32 Color32(int r, int g, int b, int a = 255)
{
    return (TColor32(a & 0xFF) << 24) | (TColor32(r & 0xFF) << 16) | (TColor32(g & 0xFF) << 8) |
           TColor32(b & 0xFF);
}
constexpr int AlphaComponent(TColor32 c) { return int(c >> 24); }
constexpr int RedComponent(TColor32 c) { return int((c >> 16) & 0xFF); }
constexpr int GreenComponent(TColor32 c) { return int((c >> 8) & 0xFF); }
constexpr int BlueComponent(TColor32 c) { return int(c & 0xFF); }

enum TDrawMode { dmOpaque, dmBlend, dmCustom, dmTransparent };

// Raised when a raster cannot be had: a size beyond what the machine can
// hold, an overflowing size computation or a failed allocation. Callers turn
// it into a message; nothing is half-changed when it is thrown.
class ERasterTooLarge : public std::runtime_error {
public:
    ERasterTooLarge(long long width, long long height);
    long long RequestedWidth() const { return FWidth; }
    long long RequestedHeight() const { return FHeight; }

private:
    long long FWidth, FHeight;
};

class TBitmap32 {
public:
    TBitmap32() = default;
    TBitmap32(int width, int height);
    ~TBitmap32();
    TBitmap32(const TBitmap32 &) = delete;
    TBitmap32 &operator=(const TBitmap32 &) = delete;
    TBitmap32(TBitmap32 &&other) noexcept;
    TBitmap32 &operator=(TBitmap32 &&other) noexcept;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }
    std::size_t PixelCount() const { return std::size_t(FWidth) * std::size_t(FHeight); }
    TColor32 *Bits() { return FBits; }
    const TColor32 *Bits() const { return FBits; }

    // Reallocates only when the new size does not fit the buffer already
    // held; the previous pixels do not survive. Throws ERasterTooLarge.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, FHeight); }
    void SetHeight(int height) { SetSize(FWidth, height); }
    // The largest raster the machine is asked for; beyond it SetSize throws.
    static std::size_t MaxBytes();

    void Assign(const TBitmap32 &source);
    // From a device bitmap: colours copied, alpha kept from 32-bit images
    // with alpha and 255 for every other format.
    void Assign(const QImage &source);
    // To a device bitmap: a 32-bit copy with the same four bytes per pixel.
    QImage ToImage() const;
    // A QImage over this raster's own pixels, for QPainter; valid only while
    // the raster keeps its size and lives.
    QImage ImageView();
    // Photos are shown and handed on opaque whatever alpha an effect or the
    // file left (the colour tone leaves 0): the same pixels read as RGB32,
    // as a view over this raster and as a copy with alpha 255.
    QImage OpaqueImageView();
    QImage ToOpaqueImage() const;

    TColor32 *ScanLine(int y) { return FBits + std::size_t(y) * std::size_t(FWidth); }
    const TColor32 *ScanLine(int y) const { return FBits + std::size_t(y) * std::size_t(FWidth); }
    TColor32 *PixelPtr(int x, int y) { return ScanLine(y) + x; }
    const TColor32 *PixelPtr(int x, int y) const { return ScanLine(y) + x; }
    TColor32 Pixel(int x, int y) const { return *PixelPtr(x, y); }

    void Clear(TColor32 color);
    // Half-open rectangle, clipped to the raster.
    void FillRect(int x1, int y1, int x2, int y2, TColor32 color);
    // Copies (dmOpaque) or lays over (dmBlend, source alpha x MasterAlpha)
    // the source with its top-left corner at (x, y), clipped.
    void Draw(int x, int y, const TBitmap32 &source);

    void FlipHorz();
    void FlipVert();
    void Rotate90();  // clockwise
    void Rotate180();
    void Rotate270(); // counter-clockwise

    // The raster as a 32-bit BMP file image (bottom-up rows, alpha kept).
    QByteArray SaveToStream() const;

    int MasterAlpha() const { return FMasterAlpha; }
    void SetMasterAlpha(int value) { FMasterAlpha = value < 0 ? 0 : (value > 255 ? 255 : value); }
    TDrawMode DrawMode() const { return FDrawMode; }
    void SetDrawMode(TDrawMode mode) { FDrawMode = mode; }

    using ChangeListener = std::function<void()>;
    int AddChangeListener(ChangeListener listener);
    void RemoveChangeListener(int id);
    void Changed();

private:
    void Release();
    void TransposeInto(TColor32 *target, bool clockwise) const;

    TColor32 *FBits = nullptr;
    std::size_t FCapacity = 0; // pixels the buffer holds
    int FWidth = 0;
    int FHeight = 0;
    int FMasterAlpha = 255;
    TDrawMode FDrawMode = dmOpaque;
    std::vector<std::pair<int, ChangeListener>> FListeners;
    int FNextListenerId = 1;
};

// Bilinear copy of srcRect of source onto dstRect of target; the target's
// pixels there are replaced, never blended. Shrinking widens the linear
// kernel to the scale so that every source pixel contributes. Equal sizes
// copy the pixels unchanged.
void StretchLinear(TBitmap32 &target, const QRect &dstRect, const TBitmap32 &source, const QRect &srcRect);
