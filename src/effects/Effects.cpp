#include "effects/Effects.h"

#include "effects/ByteLanes.h"
#include "effects/ParallelRows.h"
#include "effects/PixelMath.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace {

// Sixteen bytes (four pixels) in one vector register.
using Bytes16 = std::uint8_t __attribute__((vector_size(16)));

bool AnySelected(const TSelection &s) { return s[0] || s[1] || s[2] || s[3]; }

// Posterize on n bytes: Round(v / f) * f, halves to even, at most 255.
// v / f is (v * magic) >> 16 with magic = ceil(65536 / f), exact for
// v <= 255 and 2 <= f <= 255. Written on 16-bit values so that the compiler
// turns the quotient into one high-half multiplication per sixteen bytes.
VELLUMI_VECTOR_CLONES
void PosterizeBytes(std::uint8_t *p, std::size_t n, std::uint16_t f16, std::uint16_t magic)
{
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint16_t x = p[i];
        const auto q = std::uint16_t((std::uint32_t(x) * magic) >> 16);
        const auto qf = std::uint16_t(q * f16);
        // Rounds up past the half, or at the half when q is odd.
        const auto twice = std::uint16_t((x - qf) * 2 + (q & 1));
        const auto out = std::uint16_t(twice > f16 ? qf + f16 : qf);
        p[i] = std::uint8_t(std::min<std::uint16_t>(out, 255));
    }
}

// The contrast rule in 16-bit lanes for amounts of at most 255 either way:
// |a * (127 - v)| <= 32640 fits, the division truncates as in int.
VELLUMI_VECTOR_CLONES
void ContrastLanes(TColor32 *p, std::size_t n, const std::array<int, 4> &amounts)
{
    using byte_lanes::I16;
    const I16 a = I16(byte_lanes::Pattern(amounts));
    byte_lanes::ForEachBlock(p, n, [&](byte_lanes::U16 u) {
        const I16 x = I16(u);
        const I16 y = x - a * (127 - x) / 255;
        return byte_lanes::U16(y < 0 ? I16{} : y > 255 ? I16{} + 255 : y);
    });
}

// The contrast rule on n pixels with one amount per channel; an amount of
// 0 leaves its channel as it is. |a| <= 32768 keeps a * (127 - v) in int.
VELLUMI_VECTOR_CLONES
void ContrastPixels(TColor32 *p, std::size_t n, const std::array<int, 4> &amounts)
{
    const int a0 = amounts[0], a1 = amounts[1], a2 = amounts[2], a3 = amounts[3];
    for (std::size_t i = 0; i < n; ++i) {
        const TColor32 v = p[i];
        auto channel = [](int x, int a) { return TColor32(std::clamp(x - a * (127 - x) / 255, 0, 255)); };
        p[i] = channel(int(v & 0xFF), a0) | channel(int((v >> 8) & 0xFF), a1) << 8 |
               channel(int((v >> 16) & 0xFF), a2) << 16 | channel(int(v >> 24), a3) << 24;
    }
}

// The mean of count selected channels as the rule writes it, (sum * magic)
// >> 16 with magic = ceil(65536 / count), is the plain quotient for every sum.
template <int Count>
constexpr bool MeanIsQuotient()
{
    const int magic = (65536 + Count - 1) / Count;
    for (int sum = 0; sum <= 255 * Count; ++sum)
        if ((sum * magic) >> 16 != sum / Count)
            return false;
    return true;
}
static_assert(MeanIsQuotient<1>() && MeanIsQuotient<2>() && MeanIsQuotient<3>() && MeanIsQuotient<4>());

// Saturation on n pixels: m = the mean of the selected channels, each
// selected channel (v - m) * f div 255 + m, which lies between v and m. In
// 16-bit lanes: |v - m| * f <= 65025 fits unsigned, the sign goes back on
// after the division.
VELLUMI_VECTOR_CLONES
void SaturationPixels(TColor32 *p, std::size_t n, const std::array<int, 4> &on, int count, int f)
{
    using byte_lanes::I16;
    using byte_lanes::U16;
    const U16 selected = byte_lanes::Pattern({on[0] ? 0xFFFF : 0, on[1] ? 0xFFFF : 0, on[2] ? 0xFFFF : 0, on[3] ? 0xFFFF : 0});
    const U16 factor = byte_lanes::Splat(f);
    auto run = [&](auto countConstant) {
        constexpr int Count = decltype(countConstant)::value;
        byte_lanes::ForEachBlock(p, n, [&](U16 x) {
            const U16 m = byte_lanes::PixelSums(x & selected) / std::uint16_t(Count);
            const I16 d = I16(x - m);
            const I16 q = I16(U16(d < 0 ? -d : d) * factor / 255);
            const U16 y = U16(d < 0 ? -q : q) + m;
            return (y & selected) | (x & ~selected);
        });
    };
    switch (count) {
    case 1: run(std::integral_constant<int, 1>{}); break;
    case 2: run(std::integral_constant<int, 2>{}); break;
    case 3: run(std::integral_constant<int, 3>{}); break;
    default: run(std::integral_constant<int, 4>{}); break;
    }
}

// The contrast rule for one channel value and a (possibly huge) amount a.
int ContrastValue(int v, long long a)
{
    // Beyond 2^40 every v other than 127 clamps either way: same result.
    a = std::clamp(a, -(1LL << 40), 1LL << 40);
    return ClampByte(v - a * (127 - v) / 255);
}

TSelection Only(TChannel channel, bool on = true)
{
    TSelection s = NoChannels;
    s[channel] = on;
    return s;
}

TIncrements OnlyIncrement(TChannel channel, TIncrement value)
{
    TIncrements i{0, 0, 0, 0};
    i[channel] = value;
    return i;
}

// floor(n / count) as (n * magic) >> 32, exact for n < 2^16 and count <= 120.
std::uint64_t DivisionMagic(int count) { return count ? (0xFFFFFFFFULL + count) / count : 0; }

// The four channel bytes of a pixel spread into 16-bit lanes, so that the
// window sums of all channels (at most 121 x 255) add up in one word.
inline std::uint64_t Lanes(TColor32 p)
{
    return (std::uint64_t(p) & 0xFF) | (std::uint64_t(p) & 0xFF00) << 8 | (std::uint64_t(p) & 0xFF0000) << 16 |
           (std::uint64_t(p) & 0xFF000000) << 24;
}

struct SharpenRule {
    TSelection selection;
    // The new value of a selected channel for every (mean, value) pair.
    std::vector<std::uint8_t> result = std::vector<std::uint8_t>(256 * 256);
};

void SharpenBand(const TBitmap32 &src, TBitmap32 &dst, const SharpenRule &rule, int r, int y0, int y1)
{
    const int w = src.Width(), h = src.Height();
    std::vector<std::uint64_t> magic((2 * r + 1) * (2 * r + 1));
    for (std::size_t c = 0; c < magic.size(); ++c)
        magic[c] = DivisionMagic(int(c));
    std::vector<int> columns(w); // window width at each x
    for (int x = 0; x < w; ++x)
        columns[x] = std::min(w - 1, x + r) - std::max(0, x - r) + 1;
    std::vector<std::uint64_t> column(w, 0), rowMagic(w);
    const std::uint8_t *table = rule.result.data();
    int top = std::max(0, y0 - r), bottom = top - 1; // the rows summed in column
    for (int y = y0; y < y1; ++y) {
        const int wantTop = std::max(0, y - r), wantBottom = std::min(h - 1, y + r);
        for (; top < wantTop; ++top) {
            const TColor32 *row = src.ScanLine(top);
            for (int x = 0; x < w; ++x)
                column[x] -= Lanes(row[x]);
        }
        while (bottom < wantBottom) {
            const TColor32 *row = src.ScanLine(++bottom);
            for (int x = 0; x < w; ++x)
                column[x] += Lanes(row[x]);
        }
        const int rows = bottom - top + 1;
        for (int x = 0; x < w; ++x)
            rowMagic[x] = magic[rows * columns[x] - 1];
        const TColor32 *in = src.ScanLine(y);
        TColor32 *out = dst.ScanLine(y);
        std::uint64_t window = 0;
        for (int x = 0; x <= std::min(r, w - 1); ++x)
            window += column[x];
        auto sharpen = [&](int x, std::uint64_t magic, auto allChannels) {
            const TColor32 p = in[x];
            TColor32 result = p;
            for (int c = 0; c < 4; ++c)
                if (allChannels() || rule.selection[c]) {
                    const int v = int((p >> (8 * c)) & 0xFF);
                    const std::uint64_t others = ((window >> (16 * c)) & 0xFFFF) - v;
                    const int m = int((others * magic) >> 32);
                    result = (result & ~(0xFFu << (8 * c))) | TColor32(table[m * 256 + v]) << (8 * c);
                }
            out[x] = result;
        };
        // Inside, the window slides by one whole column and holds the same
        // count; near the edges it is clipped.
        const int innerBegin = std::min(r + 1, w), innerEnd = std::max(innerBegin, w - r);
        auto edge = [&](int x) {
            if (x > 0) {
                if (x + r < w)
                    window += column[x + r];
                if (x - r - 1 >= 0)
                    window -= column[x - r - 1];
            }
            sharpen(x, rowMagic[x], [] { return false; });
        };
        for (int x = 0; x < innerBegin; ++x)
            edge(x);
        if (innerBegin < innerEnd) {
            const std::uint64_t magic = rowMagic[innerBegin];
            auto inner = [&](auto allChannels) {
                for (int x = innerBegin; x < innerEnd; ++x) {
                    window += column[x + r];
                    window -= column[x - r - 1];
                    sharpen(x, magic, allChannels);
                }
            };
            if (rule.selection == AllChannels)
                inner([] { return true; });
            else
                inner([] { return false; });
        }
        for (int x = innerEnd; x < w; ++x)
            edge(x);
    }
}

} // namespace

bool TEffects::Increase(TBitmap32 &Bitmap, const TSelection &ASelection, const TSelection &AIgnoreBorders,
                        const TIncrements &AIncrements)
{
    if (Bitmap.Empty() || !AnySelected(ASelection))
        return false;
    // Per channel byte: a wrapping add, then a saturating add and a
    // saturating subtract, sixteen bytes at a time.
    Bytes16 wrap{}, plus{}, minus{};
    for (int i = 0; i < 16; ++i) {
        const int c = i % 4, inc = AIncrements[c];
        if (!ASelection[c])
            continue;
        if (AIgnoreBorders[c])
            wrap[i] = std::uint8_t(inc & 0xFF);
        else if (inc > 0)
            plus[i] = std::uint8_t(std::min(inc, 255));
        else
            minus[i] = std::uint8_t(std::min(-inc, 255));
    }
    ForEachRowBand(Bitmap.Height(), Bitmap.Width(), [&](int y0, int y1) {
        auto step = [&](Bytes16 x) {
            x += wrap;
            Bytes16 up = x + plus;
            up |= Bytes16(up < x);
            Bytes16 down = up - minus;
            return down & Bytes16(down <= up);
        };
        auto *p = reinterpret_cast<std::uint8_t *>(Bitmap.ScanLine(y0));
        auto *const end = reinterpret_cast<std::uint8_t *>(Bitmap.ScanLine(y1));
        for (; end - p >= 16; p += 16) {
            Bytes16 x;
            std::memcpy(&x, p, 16);
            x = step(x);
            std::memcpy(p, &x, 16);
        }
        if (p != end) { // the last one to three pixels
            Bytes16 x{};
            std::memcpy(&x, p, std::size_t(end - p));
            x = step(x);
            std::memcpy(p, &x, std::size_t(end - p));
        }
    });
    return true;
}

bool TEffects::Increase(TBitmap32 &Bitmap, TChannel Channel, TIncrement Increment, bool IgnoreBorder)
{
    return Increase(Bitmap, Only(Channel), Only(Channel, IgnoreBorder), OnlyIncrement(Channel, Increment));
}

bool TEffects::Contrast(TBitmap32 &Bitmap, const TSelection &ASelection, const TIncrements &AIncrements)
{
    if (Bitmap.Empty() || !AnySelected(ASelection))
        return false;
    std::array<int, 4> amounts{};
    for (int c = 0; c < 4; ++c)
        amounts[c] = ASelection[c] ? AIncrements[c] : 0;
    const bool small = std::all_of(amounts.begin(), amounts.end(), [](int a) { return a >= -255 && a <= 255; });
    ForEachRowBand(Bitmap.Height(), Bitmap.Width(), [&](int y0, int y1) {
        const std::size_t n = std::size_t(y1 - y0) * Bitmap.Width();
        if (small)
            ContrastLanes(Bitmap.ScanLine(y0), n, amounts);
        else
            ContrastPixels(Bitmap.ScanLine(y0), n, amounts);
    });
    return true;
}

bool TEffects::Contrast(TBitmap32 &Bitmap, TChannel Channel, TIncrement Increment)
{
    return Contrast(Bitmap, Only(Channel), OnlyIncrement(Channel, Increment));
}

bool TEffects::Posterize(TBitmap32 &Bitmap, const TSelection &ASelection, std::uint8_t AFactor)
{
    if (Bitmap.Empty() || !AnySelected(ASelection))
        return false;
    // A factor of 0 or 1 keeps every value.
    if (AFactor < 2)
        return true;
    const auto magic = std::uint16_t((65536 + AFactor - 1) / AFactor);
    ForEachRowBand(Bitmap.Height(), Bitmap.Width(), [&](int y0, int y1) {
        PosterizeBytes(reinterpret_cast<std::uint8_t *>(Bitmap.ScanLine(y0)),
                       std::size_t(y1 - y0) * Bitmap.Width() * sizeof(TColor32), AFactor, magic);
    });
    return true;
}

bool TEffects::Posterize(TBitmap32 &Bitmap, TChannel Channel, std::uint8_t Factor)
{
    return Posterize(Bitmap, Only(Channel), Factor);
}

bool TEffects::Saturation(TBitmap32 &Bitmap, const TSelection &ASelection, std::uint8_t AFactor)
{
    if (Bitmap.Empty() || !AnySelected(ASelection))
        return false;
    const int selected = ASelection[0] + ASelection[1] + ASelection[2] + ASelection[3];
    std::array<int, 4> on{};
    for (int c = 0; c < 4; ++c)
        on[c] = ASelection[c];
    ForEachRowBand(Bitmap.Height(), Bitmap.Width(), [&](int y0, int y1) {
        SaturationPixels(Bitmap.ScanLine(y0), std::size_t(y1 - y0) * Bitmap.Width(), on, selected, AFactor);
    });
    return true;
}

bool TEffects::Saturation(TBitmap32 &Bitmap, TChannel Channel, std::uint8_t Factor)
{
    return Saturation(Bitmap, Only(Channel), Factor);
}

bool TEffects::Sharpen(const TBitmap32 &SourceBitmap, TBitmap32 &TargetBitmap, const TSelection &ASelection,
                       TRadius ARadius, std::uint8_t ADifference, long double APercent, TSharpenType ASharpenType)
{
    if (ARadius < 1 || ARadius > 5)
        throw std::invalid_argument("Sharpen: the radius must be 1 to 5");
    if (!std::isfinite(APercent))
        throw std::invalid_argument("Sharpen: the percent is not a number");
    if (SourceBitmap.Empty() || !AnySelected(ASelection))
        return false;
    if (&SourceBitmap == &TargetBitmap) {
        TBitmap32 copy;
        copy.Assign(SourceBitmap);
        return Sharpen(copy, TargetBitmap, ASelection, ARadius, ADifference, APercent, ASharpenType);
    }
    SharpenRule rule;
    rule.selection = ASelection;
    const long double a = std::nearbyintl(APercent * 255 / 100);
    const auto contrastAmount = (long long)std::clamp<long double>(a, -(1LL << 40), 1LL << 40);
    for (int v = 0; v < 256; ++v) {
        const long double u = std::nearbyintl(v * APercent / 100);
        const int up = int(std::clamp<long double>(v + u, 0, 255)), down = int(std::clamp<long double>(v - u, 0, 255));
        const int contrast = ContrastValue(v, contrastAmount);
        for (int m = 0; m < 256; ++m) {
            int nv = v;
            if (v < std::max(m - ADifference, 0) || v > std::min(m + ADifference, 255))
                nv = ASharpenType == stContrast ? contrast : v > m ? up : down;
            rule.result[m * 256 + v] = std::uint8_t(nv);
        }
    }
    TargetBitmap.SetSize(SourceBitmap.Width(), SourceBitmap.Height());
    ForEachRowBand(SourceBitmap.Height(), SourceBitmap.Width(), [&](int y0, int y1) {
        SharpenBand(SourceBitmap, TargetBitmap, rule, ARadius, y0, y1);
    });
    return true;
}

bool TEffects::Sharpen(const TBitmap32 &SourceBitmap, TBitmap32 &TargetBitmap, TRadius Radius,
                       std::uint8_t Difference, long double Percent, TSharpenType SharpenType, TChannel Channel)
{
    return Sharpen(SourceBitmap, TargetBitmap, Only(Channel), Radius, Difference, Percent, SharpenType);
}
