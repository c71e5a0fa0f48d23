#include "effects/ReservedFilters.h"

#include "effects/BlendBitmap.h"
#include "effects/ParallelRows.h"
#include "effects/WorkRasters.h"

#include <algorithm>
#include <cstring>

namespace {

template <typename Pick>
void Morph(TBitmap32 &bitmap, Pick pick)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    if (bitmap.Empty())
        return;
    TBitmap32 &copy = WorkRaster(wsSource);
    copy.Assign(bitmap);
    ForEachRowBand(h, w, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            TColor32 *out = bitmap.ScanLine(y);
            for (int x = 0; x < w; ++x) {
                int r = RedComponent(copy.Pixel(x, y)), g = GreenComponent(copy.Pixel(x, y)),
                    b = BlueComponent(copy.Pixel(x, y));
                for (int yy = std::max(0, y - 1); yy <= std::min(h - 1, y + 1); ++yy)
                    for (int xx = std::max(0, x - 1); xx <= std::min(w - 1, x + 1); ++xx) {
                        const TColor32 p = copy.Pixel(xx, yy);
                        r = pick(r, RedComponent(p));
                        g = pick(g, GreenComponent(p));
                        b = pick(b, BlueComponent(p));
                    }
                out[x] = Color32(r, g, b, 255);
            }
        }
    });
}

int Smaller(int a, int b) { return std::min(a, b); }
int Larger(int a, int b) { return std::max(a, b); }

} // namespace

void FilterShift(TBitmap32 &bitmap, int dx, int dy)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    if (bitmap.Empty())
        return;
    const int sx = int(((long long)dx % w + w) % w), sy = int(((long long)dy % h + h) % h);
    TBitmap32 &copy = WorkRaster(wsSource);
    copy.Assign(bitmap);
    for (int y = 0; y < h; ++y) {
        const TColor32 *in = copy.ScanLine(y);
        TColor32 *out = bitmap.ScanLine((y + sy) % h);
        std::memcpy(out + sx, in, std::size_t(w - sx) * 4);
        std::memcpy(out, in + (w - sx), std::size_t(sx) * 4);
    }
}

void FilterSmoothBlur(TBitmap32 &bitmap)
{
    TConvolveKernel kernel{};
    const int weights[9] = {1, 2, 1, 2, 4, 2, 1, 2, 1};
    std::copy(weights, weights + 9, kernel.begin());
    kernel[49] = 16;
    ConvolveBitmap(bitmap, kernel, 3);
}

void FilterErode(TBitmap32 &bitmap) { Morph(bitmap, Smaller); }

void FilterDilate(TBitmap32 &bitmap) { Morph(bitmap, Larger); }

void FilterMorphEdge(TBitmap32 &bitmap)
{
    TBitmap32 eroded;
    eroded.Assign(bitmap);
    FilterErode(eroded);
    FilterDilate(bitmap);
    BlendBitmap(eroded, bitmap, QStringLiteral("difference"));
}
