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

// Rows stretched per call: the resampler's scratch rows for them stay in
// the cache and its buffers are reused instead of faulted in afresh.
constexpr int ChunkRows = 32;

// Each band stretches the whole source onto its own rows of the target, a
// chunk of rows at a time. The weights depend only on the two sizes, so the
// chunks together give exactly the pixels of one whole stretch.
void StretchInBands(const TBitmap32 &source, TBitmap32 &target)
{
    const int w = target.Width(), h = target.Height();
    const QRect whole(0, 0, source.Width(), source.Height());
    const std::vector<int> bounds = RowBandBounds(h, w);
    // Allocated here, where a failure can still be thrown.
    std::vector<TBitmap32> chunks;
    for (std::size_t b = 0; b + 1 < bounds.size(); ++b)
        chunks.emplace_back(w, std::min(ChunkRows, bounds[b + 1] - bounds[b]));
    RunRowBands(bounds, [&](int y0, int y1) {
        const auto b = std::size_t(std::find(bounds.begin(), bounds.end(), y0) - bounds.begin());
        TBitmap32 &chunk = chunks[b];
        for (int y = y0; y < y1; y += chunk.Height()) {
            const int rows = std::min(chunk.Height(), y1 - y);
            StretchLinear(chunk, QRect(0, -y, w, h), source, whole);
            std::memcpy(target.ScanLine(y), chunk.Bits(), std::size_t(rows) * std::size_t(w) * sizeof(TColor32));
        }
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
    if (Src.Width() == W && Src.Height() == H && &Src == &Dst)
        return;
    if (Src.Empty()) {
        Dst.SetSize(W, H);
        Dst.Clear(0);
        return;
    }
    if (&Src != &Dst) {
        Dst.SetSize(W, H);
        StretchInBands(Src, Dst);
        return;
    }
    // In place: the stretch goes to a raster of its own, which then takes
    // the place of the old pixels; the raster keeps its settings.
    TBitmap32 result(W, H);
    StretchInBands(Src, result);
    result.SetMasterAlpha(Dst.MasterAlpha());
    result.SetDrawMode(Dst.DrawMode());
    Dst = std::move(result);
}
