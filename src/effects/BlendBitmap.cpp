#include "effects/BlendBitmap.h"

#include "effects/ParallelRows.h"
#include "effects/PixelMath.h"
#include "effects/WorkRasters.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace {

using ChannelOp = int (*)(int t, int s);

int Additive(int t, int s) { return std::min(t + s, 255); }
int Subtract(int t, int s) { return std::max(t + s - 256, 0); }
int Multiply(int t, int s) { return (t * s) >> 8; }
int Divide(int t, int s) { return t == 0 ? 0 : std::min(255, s * 256 / t); }
int Darkest(int t, int s) { return std::min(t, s); }
int Lightest(int t, int s) { return std::max(t, s); }
int Average(int t, int s) { return (t + s) >> 1; }
int Difference(int t, int s) { return std::abs(s - t); }

ChannelOp FindMode(const QString &mode)
{
    static const struct {
        const char *name;
        ChannelOp op;
    } modes[] = {{"additive", Additive}, {"subtract", Subtract}, {"multiply", Multiply},
                 {"divide", Divide},     {"darkest", Darkest},   {"lightest", Lightest},
                 {"average", Average},   {"difference", Difference}};
    for (const auto &m : modes)
        if (mode.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0)
            return m.op;
    return nullptr;
}

} // namespace

void BlendBitmap(const TBitmap32 &source, TBitmap32 &target, const QString &mode)
{
    if (source.Width() != target.Width() || source.Height() != target.Height())
        throw std::invalid_argument("BlendBitmap: the two pictures differ in size");
    target.SetMasterAlpha(255);
    target.SetDrawMode(dmBlend);
    if (const ChannelOp op = FindMode(mode)) {
        // One table per mode: 64 K entries replace the per-channel calls.
        std::vector<std::uint8_t> table(256 * 256);
        for (int t = 0; t < 256; ++t)
            for (int s = 0; s < 256; ++s)
                table[t * 256 + s] = std::uint8_t(op(t, s));
        const TColor32 *src = source.Bits();
        TColor32 *dst = target.Bits();
        const std::size_t count = source.PixelCount();
        for (std::size_t i = 0; i < count; ++i) {
            const TColor32 t = dst[i], s = src[i];
            dst[i] = OpaqueRgb(table[RedComponent(t) * 256 + RedComponent(s)],
                               table[GreenComponent(t) * 256 + GreenComponent(s)],
                               table[BlueComponent(t) * 256 + BlueComponent(s)]);
        }
    }
    target.Changed();
}

void ConvolveBitmap(TBitmap32 &bitmap, const TConvolveKernel &kernel, int size)
{
    if (size != 3 && size != 5 && size != 7)
        return;
    const int r = size / 2;
    const int w = bitmap.Width(), h = bitmap.Height();
    if (w < size || h < size)
        return;
    const int divisor = kernel[49];
    if (divisor == 0)
        throw std::invalid_argument("ConvolveBitmap: the kernel's divisor is 0");
    struct Tap {
        int dx, dy, weight;
    };
    std::vector<Tap> taps; // zero weights cost nothing
    for (int i = 0; i < size; ++i)
        for (int j = 0; j < size; ++j)
            if (kernel[i * size + j] != 0)
                taps.push_back({j - r, i - r, kernel[i * size + j]});
    TBitmap32 &copy = WorkRaster(wsSource);
    copy.Assign(bitmap);
    ForEachRowBand(h - 2 * r, w, [&](int b0, int b1) {
        for (int y = b0 + r; y < b1 + r; ++y) {
            TColor32 *out = bitmap.ScanLine(y);
            for (int x = r; x < w - r; ++x) {
                long long sr = 0, sg = 0, sb = 0;
                for (const Tap &t : taps) {
                    const TColor32 p = copy.Pixel(x + t.dx, y + t.dy);
                    sr += (long long)t.weight * RedComponent(p);
                    sg += (long long)t.weight * GreenComponent(p);
                    sb += (long long)t.weight * BlueComponent(p);
                }
                out[x] = OpaqueRgb(ClampByte(sr / divisor), ClampByte(sg / divisor), ClampByte(sb / divisor));
            }
        }
    });
}
