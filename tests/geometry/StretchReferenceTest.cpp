// StretchLinear against a plain reference of its rule: per-channel integer
// sums of 14-bit weights, horizontal pass first into 8-bit pixels, then the
// vertical pass. The packed two-channel sums of the resampler must give
// exactly these pixels.

#include "platform/Bitmap32.h"

#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int One = 1 << 14;

struct TTaps {
    int First;
    std::vector<int> Weights;
};

std::vector<TTaps> Taps(int sourceSize, int targetSize)
{
    std::vector<TTaps> all;
    const double scale = double(sourceSize) / targetSize;
    const double support = std::max(1.0, scale);
    for (int t = 0; t < targetSize; ++t) {
        const double centre = (t + 0.5) * scale - 0.5;
        int lo = std::max(int(std::floor(centre - support)) + 1, 0);
        int hi = std::min(int(std::ceil(centre + support)) - 1, sourceSize - 1);
        std::vector<double> raw;
        double sum = 0;
        for (int s = lo; s <= hi; ++s) {
            raw.push_back(std::max(0.0, 1.0 - std::abs(s - centre) / support));
            sum += raw.back();
        }
        if (sum <= 0) {
            lo = std::clamp(int(std::lround(centre)), 0, sourceSize - 1);
            raw.assign(1, 1.0);
            sum = 1;
        }
        TTaps taps{lo, {}};
        int total = 0;
        std::size_t largest = 0;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            taps.Weights.push_back(int(std::lround(raw[i] / sum * One)));
            total += taps.Weights.back();
            if (taps.Weights[i] > taps.Weights[largest])
                largest = i;
        }
        taps.Weights[largest] += One - total;
        all.push_back(taps);
    }
    return all;
}

TColor32 Sum(const TTaps &taps, const std::vector<TColor32> &line)
{
    int c[4] = {0, 0, 0, 0};
    for (std::size_t i = 0; i < taps.Weights.size(); ++i) {
        const TColor32 p = line[std::size_t(taps.First) + i];
        for (int k = 0; k < 4; ++k)
            c[k] += int((p >> (8 * k)) & 0xFF) * taps.Weights[i];
    }
    TColor32 out = 0;
    for (int k = 0; k < 4; ++k)
        out |= TColor32(std::clamp((c[k] + One / 2) >> 14, 0, 255)) << (8 * k);
    return out;
}

TBitmap32 Reference(const TBitmap32 &source, int w, int h)
{
    const auto horizontal = Taps(source.Width(), w), vertical = Taps(source.Height(), h);
    std::vector<std::vector<TColor32>> stage(std::size_t(source.Height()));
    for (int y = 0; y < source.Height(); ++y) {
        const std::vector<TColor32> line(source.ScanLine(y), source.ScanLine(y) + source.Width());
        for (int x = 0; x < w; ++x)
            stage[std::size_t(y)].push_back(Sum(horizontal[std::size_t(x)], line));
    }
    TBitmap32 out(w, h);
    for (int x = 0; x < w; ++x) {
        std::vector<TColor32> column;
        for (int y = 0; y < source.Height(); ++y)
            column.push_back(stage[std::size_t(y)][std::size_t(x)]);
        for (int y = 0; y < h; ++y)
            *out.PixelPtr(x, y) = Sum(vertical[std::size_t(y)], column);
    }
    return out;
}

} // namespace

TEST(StretchLinear, GivesThePixelsOfThePlainRule)
{
    std::mt19937 gen(5);
    TBitmap32 source(61, 47);
    for (std::size_t i = 0; i < source.PixelCount(); ++i)
        source.Bits()[i] = TColor32(gen());
    // Extremes: all-white and all-black runs, where a carry between the
    // packed channels would show.
    source.FillRect(0, 0, 20, 10, 0xFFFFFFFFu);
    source.FillRect(30, 20, 61, 47, 0x00000000u);
    for (const QSize size : {QSize(30, 23), QSize(7, 3), QSize(122, 94), QSize(61, 20), QSize(1, 1), QSize(200, 5)}) {
        TBitmap32 target(size.width(), size.height());
        StretchLinear(target, QRect(QPoint(0, 0), size), source, QRect(0, 0, 61, 47));
        const TBitmap32 expected = Reference(source, size.width(), size.height());
        EXPECT_TRUE(std::equal(target.Bits(), target.Bits() + target.PixelCount(), expected.Bits()))
            << size.width() << "x" << size.height();
    }
}
