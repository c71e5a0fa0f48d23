// Separable linear (triangle) resampling with fixed-point weights.

#include "platform/Bitmap32.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int WeightBits = 14;
constexpr int WeightOne = 1 << WeightBits;

// For each target position: the first source index and the weights of the
// source positions from there on, summing to exactly WeightOne.
struct Contributions {
    std::vector<int> first;
    std::vector<int> count;
    std::vector<int> offset;
    std::vector<int> weights;
};

Contributions BuildContributions(int sourceSize, int targetSize)
{
    Contributions c;
    c.first.resize(targetSize);
    c.count.resize(targetSize);
    c.offset.resize(targetSize);
    const double scale = double(sourceSize) / double(targetSize);
    // Enlarging interpolates between the two nearest pixels; shrinking
    // widens the triangle to the scale so that no source pixel is skipped.
    const double support = std::max(1.0, scale);
    std::vector<double> raw;
    for (int t = 0; t < targetSize; ++t) {
        const double centre = (t + 0.5) * scale - 0.5;
        int lo = int(std::floor(centre - support)) + 1;
        int hi = int(std::ceil(centre + support)) - 1;
        lo = std::max(lo, 0);
        hi = std::min(hi, sourceSize - 1);
        raw.clear();
        double sum = 0;
        for (int s = lo; s <= hi; ++s) {
            const double w = std::max(0.0, 1.0 - std::abs(s - centre) / support);
            raw.push_back(w);
            sum += w;
        }
        if (sum <= 0) { // centre beyond the edge: take the nearest pixel
            lo = hi = std::clamp(int(std::lround(centre)), 0, sourceSize - 1);
            raw.assign(1, 1.0);
            sum = 1.0;
        }
        c.first[t] = lo;
        c.count[t] = int(raw.size());
        c.offset[t] = int(c.weights.size());
        int total = 0, largest = 0;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            const int w = int(std::lround(raw[i] / sum * WeightOne));
            c.weights.push_back(w);
            total += w;
            if (w > c.weights[c.offset[t] + largest])
                largest = int(i);
        }
        c.weights[c.offset[t] + largest] += WeightOne - total;
    }
    return c;
}

// The weights are non-negative and sum to WeightOne, so a channel's sum
// stays below 2^22: two channels share one 64-bit accumulator, one in each
// 32-bit half (A and G, R and B), and no result exceeds 255.
inline std::uint64_t Spread(std::uint32_t pair) { return (std::uint64_t(pair & 0xFF0000u) << 16) | (pair & 0xFFu); }

inline TColor32 Combine(const int *weights, int count, const TColor32 *source, std::ptrdiff_t step)
{
    std::uint64_t ag = 0, rb = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = source[i * step];
        const std::uint64_t w = std::uint64_t(weights[i]);
        ag += Spread(p >> 8) * w;
        rb += Spread(p) * w;
    }
    constexpr std::uint64_t half = (std::uint64_t(WeightOne / 2) << 32) | std::uint64_t(WeightOne / 2);
    ag = ((ag + half) >> WeightBits) & 0x000000FF000000FFull;
    rb = ((rb + half) >> WeightBits) & 0x000000FF000000FFull;
    return TColor32(std::uint32_t(ag >> 8) | std::uint32_t(ag) << 8 | std::uint32_t(rb >> 16) | std::uint32_t(rb));
}

} // namespace

void StretchLinear(TBitmap32 &target, const QRect &dstRect, const TBitmap32 &source, const QRect &srcRect)
{
    const QRect src = srcRect.intersected(QRect(0, 0, source.Width(), source.Height()));
    if (src.isEmpty() || dstRect.isEmpty())
        return;
    const int dw = dstRect.width(), dh = dstRect.height();
    const int sw = src.width(), sh = src.height();
    const QRect visible = dstRect.intersected(QRect(0, 0, target.Width(), target.Height()));
    if (visible.isEmpty())
        return;

    if (sw == dw && sh == dh && src == srcRect) {
        for (int y = visible.top(); y <= visible.bottom(); ++y) {
            const int sy = src.top() + (y - dstRect.top());
            std::memcpy(target.PixelPtr(visible.left(), y),
                        source.PixelPtr(src.left() + (visible.left() - dstRect.left()), sy),
                        std::size_t(visible.width()) * sizeof(TColor32));
        }
        return;
    }

    const Contributions horizontal = BuildContributions(sw, dw);
    const Contributions vertical = BuildContributions(sh, dh);

    // Only the source rows that the visible target rows need are resampled
    // horizontally, into a buffer of full target width.
    const int firstRow = vertical.first[visible.top() - dstRect.top()];
    const int lastTarget = visible.bottom() - dstRect.top();
    const int lastRow = vertical.first[lastTarget] + vertical.count[lastTarget] - 1;
    const int x0 = visible.left() - dstRect.left(), x1 = visible.right() - dstRect.left();
    const int rows = lastRow - firstRow + 1;
    const int columns = x1 - x0 + 1;
    std::vector<TColor32> stage(std::size_t(rows) * std::size_t(columns));
    for (int r = 0; r < rows; ++r) {
        const TColor32 *line = source.PixelPtr(src.left(), src.top() + firstRow + r);
        TColor32 *out = stage.data() + std::size_t(r) * columns;
        for (int x = x0; x <= x1; ++x)
            out[x - x0] = Combine(&horizontal.weights[horizontal.offset[x]], horizontal.count[x],
                                  line + horizontal.first[x], 1);
    }
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const int t = y - dstRect.top();
        const TColor32 *column = stage.data() + std::size_t(vertical.first[t] - firstRow) * columns;
        TColor32 *out = target.PixelPtr(visible.left(), y);
        const int *weights = &vertical.weights[vertical.offset[t]];
        for (int x = 0; x < columns; ++x)
            out[x] = Combine(weights, vertical.count[t], column + x, columns);
    }
}
