#include "geometry/Resize.h"

#include "effects/ParallelRows.h"

#include <QRect>

#include <cmath>
#include <algorithm>
#include <cstring>
#include <vector>

int PercentOf(int size, int percent)
{
    // rint rounds halves to even in the default rounding mode.
    return int(std::rint(double(size) / 100.0 * double(percent)));
}

namespace {

// Each band stretches the whole source onto its own rows of the target. The
// weights depend only on the two sizes, so the bands together give exactly
// the pixels of one whole stretch.
void StretchInBands(const TBitmap32 &source, TBitmap32 &target)
{
    const int w = target.Width(), h = target.Height();
    const QRect whole(0, 0, source.Width(), source.Height());
    const std::vector<int> bounds = RowBandBounds(h, w);
    if (bounds.size() <= 2) {
        StretchLinear(target, QRect(0, 0, w, h), source, whole);
        return;
    }
    // Allocated here, where a failure can still be thrown.
    std::vector<TBitmap32> bands;
    for (std::size_t b = 0; b + 1 < bounds.size(); ++b)
        bands.emplace_back(w, bounds[b + 1] - bounds[b]);
    RunRowBands(bounds, [&](int y0, int) {
        const auto b = std::size_t(std::find(bounds.begin(), bounds.end(), y0) - bounds.begin());
        TBitmap32 &band = bands[b];
        StretchLinear(band, QRect(0, -y0, w, h), source, whole);
        std::memcpy(target.ScanLine(y0), band.Bits(), band.PixelCount() * sizeof(TColor32));
    });
}

} // namespace

void ResizeBitmap(const TBitmap32 &Src, TBitmap32 &Dst, int W, int H, int Mode)
{
    if (Mode == rmPercent) {
        W = PercentOf(Src.Width(), W);
        H = PercentOf(Src.Height(), H);
    } else if (Mode != rmPixels) {
        return;
    }
    W = W < 1 ? 1 : W;
    H = H < 1 ? 1 : H;
    if (&Src == &Dst) {
        if (Src.Width() == W && Src.Height() == H)
            return;
        TBitmap32 copy;
        copy.Assign(Src);
        ResizeBitmap(copy, Dst, W, H, rmPixels);
        return;
    }
    Dst.SetSize(W, H);
    if (Src.Empty()) {
        Dst.Clear(0);
        return;
    }
    StretchInBands(Src, Dst);
}
