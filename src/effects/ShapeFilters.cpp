#include "effects/ShapeFilters.h"

#include "effects/ParallelRows.h"
#include "effects/WorkRasters.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

inline std::uint8_t Grey(TColor32 p) { return std::uint8_t((RedComponent(p) + GreenComponent(p) + BlueComponent(p)) / 3); }

void GreyRow(const TColor32 *row, int w, std::uint8_t *out)
{
    for (int x = 0; x < w; ++x)
        out[x] = Grey(row[x]);
}

} // namespace

void FilterMosaic(TBitmap32 &bitmap, int blockSize)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    if (blockSize <= 1) {
        for (TColor32 *p = bitmap.Bits(), *end = p + bitmap.PixelCount(); p != end; ++p)
            *p |= 0xFF000000u;
        return;
    }
    const int k = blockSize;
    for (int y0 = 0; y0 < h; y0 += k) {
        const int y1 = int(std::min<long long>((long long)y0 + k, h));
        const TColor32 *top = bitmap.ScanLine(y0);
        for (int x0 = 0; x0 < w; x0 += k) {
            const int x1 = int(std::min<long long>((long long)x0 + k, w));
            const TColor32 colour = top[x0] | 0xFF000000u;
            for (int y = y0; y < y1; ++y)
                std::fill(bitmap.PixelPtr(x0, y), bitmap.PixelPtr(x1, y), colour);
        }
    }
}

void FilterEmbossRelief(TBitmap32 &bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    if (h < 2 || w == 0)
        return;
    // Row y reads row y + 1 before that row changes. Each band's first row
    // is read by the band above it, so it is kept aside before any band starts.
    const std::vector<int> bounds = RowBandBounds(h - 1, w);
    std::vector<std::vector<TColor32>> nextRow(bounds.size());
    for (std::size_t b = 1; b + 1 < bounds.size(); ++b)
        nextRow[b].assign(bitmap.ScanLine(bounds[b]), bitmap.ScanLine(bounds[b]) + w);
    RunRowBands(bounds, [&](int y0, int y1) {
        const std::size_t band = std::find(bounds.begin(), bounds.end(), y0) - bounds.begin();
        for (int y = y0; y < y1; ++y) {
            TColor32 *__restrict p = bitmap.ScanLine(y);
            const bool kept = y + 1 == y1 && !nextRow[band + 1].empty();
            const TColor32 *__restrict q = kept ? nextRow[band + 1].data() : bitmap.ScanLine(y + 1);
            for (int x = 0; x < w; ++x) {
                const TColor32 a = p[x], inv = ~q[x];
                const TColor32 rb = ((a & 0xFF00FFu) + (inv & 0xFF00FFu)) >> 1;
                const TColor32 g = ((a & 0xFF00u) + (inv & 0xFF00u)) >> 1;
                p[x] = 0xFF000000u | (rb & 0xFF00FFu) | (g & 0xFF00u);
            }
        }
    });
    bitmap.Changed();
}

void FilterGrayOutline(TBitmap32 &bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    if (bitmap.Empty())
        return;
    // Each band walks its rows with the greys of three rows at hand; the
    // greys of the rows next to a band boundary are taken before any band
    // writes.
    const std::vector<int> bounds = RowBandBounds(h, w);
    const std::size_t bands = bounds.size() - 1;
    std::vector<std::vector<std::uint8_t>> aboveBand(bands), belowBand(bands);
    for (std::size_t b = 0; b < bands; ++b) {
        if (bounds[b] > 0) {
            aboveBand[b].resize(w);
            GreyRow(bitmap.ScanLine(bounds[b] - 1), w, aboveBand[b].data());
        }
        if (bounds[b + 1] < h) {
            belowBand[b].resize(w);
            GreyRow(bitmap.ScanLine(bounds[b + 1]), w, belowBand[b].data());
        }
    }
    std::vector<std::vector<std::uint8_t>> rings(bands, std::vector<std::uint8_t>(3 * std::size_t(w)));
    RunRowBands(bounds, [&](int y0, int y1) {
        const std::size_t band = std::find(bounds.begin(), bounds.end(), y0) - bounds.begin();
        std::uint8_t *ring = rings[band].data();
        std::array<std::uint8_t *, 3> rows{ring, ring + w, ring + 2 * w}; // above, this, below
        if (y0 > 0)
            std::copy(aboveBand[band].begin(), aboveBand[band].end(), rows[0]);
        GreyRow(bitmap.ScanLine(y0), w, rows[1]);
        for (int y = y0; y < y1; ++y) {
            if (y + 1 < h) {
                if (y + 1 == y1)
                    std::copy(belowBand[band].begin(), belowBand[band].end(), rows[2]);
                else
                    GreyRow(bitmap.ScanLine(y + 1), w, rows[2]);
            }
            TColor32 *out = bitmap.ScanLine(y);
            const bool innerRow = y > 0 && y + 1 < h;
            for (int x = 0; x < w; ++x) {
                int g = rows[1][x];
                if (g == 255 && innerRow && x > 0 && x + 1 < w && rows[0][x - 1] && rows[0][x] &&
                    rows[0][x + 1] && rows[1][x - 1] && rows[1][x + 1] && rows[2][x - 1] && rows[2][x] &&
                    rows[2][x + 1])
                    g = 0;
                out[x] = Color32(g, g, g, 255);
            }
            std::rotate(rows.begin(), rows.begin() + 1, rows.end());
        }
    });
    bitmap.Changed();
}

void FilterTile(TBitmap32 &bitmap, int tiles)
{
    if (tiles <= 0)
        return;
    const int n = tiles;
    const int w = bitmap.Width() / n, h = bitmap.Height() / n;
    if (w < 5 || h < 5)
        return;
    // With n = 1 the resampled copy of the same size is the raster itself.
    if (n > 1) {
        // The tiles come from the raster as it was; the strips no tile
        // reaches keep it, so the tiles can be laid on the raster directly.
        TBitmap32 &small = WorkRaster(wsSource);
        small.SetSize(w, h);
        small.SetDrawMode(dmOpaque);
        StretchLinear(small, QRect(0, 0, w, h), bitmap, QRect(0, 0, bitmap.Width(), bitmap.Height()));
        for (long long r = 0; r <= n; ++r)
            for (long long c = 0; c <= n; ++c)
                if (w * c < bitmap.Width() && h * r < bitmap.Height())
                    bitmap.Draw(int(w * c), int(h * r), small);
    }
    bitmap.Changed();
}
