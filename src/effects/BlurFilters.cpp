#include "effects/BlurFilters.h"

#include "effects/ParallelRows.h"
#include "effects/PixelMath.h"
#include "effects/WorkRasters.h"

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// The mean of four pixels per colour channel, alpha 255: red and blue
// share one word (each sum fits in 10 bits), green has its own.
struct PixelMean {
    static TColor32 Of(TColor32 a, TColor32 b, TColor32 c, TColor32 d)
    {
        const TColor32 rb = ((a & 0xFF00FFu) + (b & 0xFF00FFu) + (c & 0xFF00FFu) + (d & 0xFF00FFu)) >> 2;
        const TColor32 g = ((a & 0xFF00u) + (b & 0xFF00u) + (c & 0xFF00u) + (d & 0xFF00u)) >> 2;
        return 0xFF000000u | (rb & 0xFF00FFu) | (g & 0xFF00u);
    }
};

// The same rule on a plane of single channel values.
struct ByteMean {
    static std::uint8_t Of(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
    {
        return std::uint8_t((a + b + c + d) >> 2);
    }
};

// One split-blur pass over a w x h plane. Rows whose upper and lower rows
// both lie elsewhere read nothing of their own row, so their inner part is
// a plain function of two other rows; only rows that fall back to
// themselves need the pixel-by-pixel walk that sees its own new values.
// Returns whether any value changed.
template <typename Mean, typename T>
bool SplitBlurPlane(T *plane, int w, int h, long long distance)
{
    const int d = int(std::min<long long>(distance < 0 ? -distance : distance, std::max(w, h)));
    bool changed = false;
    for (int y = 0; y < h; ++y) {
        const int up = y - d >= 0 ? y - d : y;
        const int down = y + d < h ? y + d : y;
        T *row = plane + std::size_t(y) * w;
        const T *rowUp = plane + std::size_t(up) * w;
        const T *rowDown = plane + std::size_t(down) * w;
        auto one = [&](int x) {
            const int l = x - d >= 0 ? x - d : x;
            const int r = x + d < w ? x + d : x;
            const T v = Mean::Of(rowUp[l], rowDown[l], rowUp[r], rowDown[r]);
            changed |= v != row[x];
            row[x] = v;
        };
        if (up == y || down == y) {
            for (int x = 0; x < w; ++x)
                one(x);
            continue;
        }
        const int innerBegin = std::min(d, w), innerEnd = std::max(innerBegin, w - d);
        for (int x = 0; x < innerBegin; ++x)
            one(x);
        const T *__restrict ru = rowUp;
        const T *__restrict rd = rowDown;
        T *__restrict out = row;
        T diff = 0;
        for (int x = innerBegin; x < innerEnd; ++x) {
            const T v = Mean::Of(ru[x - d], rd[x - d], ru[x + d], rd[x + d]);
            diff |= v ^ out[x];
            out[x] = v;
        }
        changed |= diff != 0;
        for (int x = innerEnd; x < w; ++x)
            one(x);
    }
    return changed;
}

// passes + 1 split blurs with d = 1; a pass that changes nothing has reached
// the fixed point, and every later pass would leave it as it is.
template <typename Mean, typename T>
void BlurPlane(T *plane, int w, int h, int passes)
{
    for (long long p = 0; p <= passes; ++p)
        if (!SplitBlurPlane<Mean>(plane, w, h, 1))
            break;
}

// The red channel of the soft-glow edge map before its blur: inner pixels
// (three or more from every edge) get ClampByte(4 x the eight neighbours'
// red - 33 x own red); the rest keep their red, as the convolution leaves them.
void EdgeMapRed(const TBitmap32 &bitmap, std::uint8_t *edge)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    const bool inner = w >= 7 && h >= 7;
    ForEachRowBand(h, w, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            const TColor32 *row = bitmap.ScanLine(y);
            std::uint8_t *out = edge + std::size_t(y) * w;
            const bool innerRow = inner && y >= 3 && y < h - 3;
            for (int x = 0; x < w; ++x) {
                if (!innerRow || x < 3 || x >= w - 3) {
                    out[x] = std::uint8_t(RedComponent(row[x]));
                    continue;
                }
                const TColor32 *above = row - w, *below = row + w;
                const int ring = RedComponent(above[x - 1]) + RedComponent(above[x]) + RedComponent(above[x + 1]) +
                                 RedComponent(row[x - 1]) + RedComponent(row[x + 1]) + RedComponent(below[x - 1]) +
                                 RedComponent(below[x]) + RedComponent(below[x + 1]);
                out[x] = std::uint8_t(ClampByte(4 * ring - 33 * RedComponent(row[x])));
            }
        }
    });
}

} // namespace

void FilterSplitBlur(TBitmap32 &bitmap, int distance)
{
    if (distance == 0)
        return;
    SplitBlurPlane<PixelMean>(bitmap.Bits(), bitmap.Width(), bitmap.Height(), distance);
    bitmap.Changed();
}

void FilterBlur(TBitmap32 &bitmap, int passes)
{
    if (passes < 0)
        return;
    BlurPlane<PixelMean>(bitmap.Bits(), bitmap.Width(), bitmap.Height(), passes);
    bitmap.Changed();
}

void FilterSoftGlow(TBitmap32 &bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    if (bitmap.Empty())
        return;
    // Only the edge map's red channel decides, and the split blur keeps the
    // channels apart: a plane of bytes serves for it.
    thread_local std::vector<std::uint8_t> edgePlane;
    edgePlane.resize(bitmap.PixelCount());
    std::uint8_t *edge = edgePlane.data();
    EdgeMapRed(bitmap, edge);
    TBitmap32 &original = WorkRaster(wsOriginal);
    original.Assign(bitmap);
    // The two blurs are independent: the edge map's on a second core.
    std::thread edgeBlur;
    try {
        edgeBlur = std::thread([=] { BlurPlane<ByteMean>(edge, w, h, 1); });
    } catch (const std::system_error &) {
        BlurPlane<ByteMean>(edge, w, h, 1);
    }
    BlurPlane<PixelMean>(bitmap.Bits(), w, h, 2);
    if (edgeBlur.joinable())
        edgeBlur.join();
    ForEachRowBand(h, w, [&](int y0, int y1) {
        for (std::size_t i = std::size_t(y0) * w, end = std::size_t(y1) * w; i < end; ++i) {
            const TColor32 o = original.Bits()[i], s = bitmap.Bits()[i];
            TColor32 rb, g;
            if (edge[i] == 0) {
                rb = ((o & 0xFF00FFu) + 7 * (s & 0xFF00FFu)) >> 3;
                g = ((o & 0xFF00u) + 7 * (s & 0xFF00u)) >> 3;
            } else {
                rb = ((s & 0xFF00FFu) + 3 * (o & 0xFF00FFu)) >> 2;
                g = ((s & 0xFF00u) + 3 * (o & 0xFF00u)) >> 2;
            }
            bitmap.Bits()[i] = 0xFF000000u | (rb & 0xFF00FFu) | (g & 0xFF00u);
        }
    });
    bitmap.Changed();
}
