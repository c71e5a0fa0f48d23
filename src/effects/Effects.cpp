#include "effects/Effects.h"

#include "effects/ParallelRows.h"
#include "effects/PixelMath.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

using ChannelTables = std::array<std::array<std::uint8_t, 256>, 4>;

bool AnySelected(const TSelection &s) { return s[0] || s[1] || s[2] || s[3]; }

ChannelTables IdentityTables()
{
    ChannelTables t;
    for (auto &table : t)
        for (int v = 0; v < 256; ++v)
            table[v] = std::uint8_t(v);
    return t;
}

// Every pixel's byte c goes through table c; the rule depends on the byte
// alone, so bands of rows run on all cores.
void ApplyTables(TBitmap32 &bitmap, const ChannelTables &t)
{
    ForEachRowBand(bitmap.Height(), bitmap.Width(), [&](int y0, int y1) {
        TColor32 *p = bitmap.ScanLine(y0);
        TColor32 *const end = bitmap.ScanLine(y1);
        for (; p != end; ++p) {
            const TColor32 v = *p;
            *p = TColor32(t[0][v & 0xFF]) | TColor32(t[1][(v >> 8) & 0xFF]) << 8 |
                 TColor32(t[2][(v >> 16) & 0xFF]) << 16 | TColor32(t[3][v >> 24]) << 24;
        }
    });
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

struct SharpenRule {
    TSelection selection;
    int difference;
    TSharpenType type;
    std::array<std::uint8_t, 256> up, down, contrast;
};

inline int SharpenChannel(const SharpenRule &rule, int v, int m)
{
    const int low = std::max(m - rule.difference, 0), high = std::min(m + rule.difference, 255);
    if (low <= v && v <= high)
        return v;
    if (rule.type == stContrast)
        return rule.contrast[v];
    return v > m ? rule.up[v] : rule.down[v];
}

void SharpenBand(const TBitmap32 &src, TBitmap32 &dst, const SharpenRule &rule, int r, int y0, int y1)
{
    const int w = src.Width(), h = src.Height();
    std::vector<std::uint64_t> magic((2 * r + 1) * (2 * r + 1));
    for (std::size_t c = 0; c < magic.size(); ++c)
        magic[c] = DivisionMagic(int(c));
    // Column sums of the window's rows per channel, then running sums across.
    std::vector<std::array<int, 4>> column(w), prefix(w + 1);
    int top = std::max(0, y0 - r), bottom = top - 1; // rows currently summed
    for (int y = y0; y < y1; ++y) {
        const int wantTop = std::max(0, y - r), wantBottom = std::min(h - 1, y + r);
        if (wantTop > bottom) { // first row of the band
            std::fill(column.begin(), column.end(), std::array<int, 4>{0, 0, 0, 0});
            top = wantTop;
            bottom = top - 1;
        }
        for (; top < wantTop; ++top) {
            const TColor32 *row = src.ScanLine(top);
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 4; ++c)
                    column[x][c] -= int((row[x] >> (8 * c)) & 0xFF);
        }
        for (; bottom < wantBottom;) {
            const TColor32 *row = src.ScanLine(++bottom);
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 4; ++c)
                    column[x][c] += int((row[x] >> (8 * c)) & 0xFF);
        }
        prefix[0] = {0, 0, 0, 0};
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c)
                prefix[x + 1][c] = prefix[x][c] + column[x][c];
        const int rows = bottom - top + 1;
        const TColor32 *in = src.ScanLine(y);
        TColor32 *out = dst.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            const int left = std::max(0, x - r), right = std::min(w - 1, x + r);
            const int count = rows * (right - left + 1) - 1;
            const TColor32 p = in[x];
            TColor32 result = 0;
            for (int c = 0; c < 4; ++c) {
                const int v = int((p >> (8 * c)) & 0xFF);
                int nv = v;
                if (rule.selection[c]) {
                    const int others = prefix[right + 1][c] - prefix[left][c] - v;
                    const int m = int((std::uint64_t(others) * magic[count]) >> 32);
                    nv = SharpenChannel(rule, v, m);
                }
                result |= TColor32(nv) << (8 * c);
            }
            out[x] = result;
        }
    }
}

} // namespace

bool TEffects::Increase(TBitmap32 &Bitmap, const TSelection &ASelection, const TSelection &AIgnoreBorders,
                        const TIncrements &AIncrements)
{
    if (Bitmap.Empty() || !AnySelected(ASelection))
        return false;
    ChannelTables t = IdentityTables();
    for (int c = 0; c < 4; ++c)
        if (ASelection[c])
            for (int v = 0; v < 256; ++v)
                t[c][v] = std::uint8_t(AIgnoreBorders[c] ? (v + (AIncrements[c] & 0xFF)) & 0xFF
                                                         : ClampByte(v + AIncrements[c]));
    ApplyTables(Bitmap, t);
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
    ChannelTables t = IdentityTables();
    for (int c = 0; c < 4; ++c)
        if (ASelection[c])
            for (int v = 0; v < 256; ++v)
                t[c][v] = std::uint8_t(ContrastValue(v, AIncrements[c]));
    ApplyTables(Bitmap, t);
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
    const int f = AFactor ? AFactor : 1;
    ChannelTables t;
    for (int v = 0; v < 256; ++v)
        t[0][v] = std::uint8_t(std::min<long long>(255, RoundDivHalfEven(v, f) * f));
    t[1] = t[2] = t[3] = t[0];
    ApplyTables(Bitmap, t);
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
    int selected = 0;
    TColor32 mask = 0;
    for (int c = 0; c < 4; ++c)
        if (ASelection[c]) {
            ++selected;
            mask |= 0xFFu << (8 * c);
        }
    // (v - m) * f div 255 for every difference -255..255.
    std::array<int, 511> scaled;
    for (int d = -255; d <= 255; ++d)
        scaled[d + 255] = d * AFactor / 255;
    ForEachRowBand(Bitmap.Height(), Bitmap.Width(), [&](int y0, int y1) {
        TColor32 *p = Bitmap.ScanLine(y0);
        TColor32 *const end = Bitmap.ScanLine(y1);
        for (; p != end; ++p) {
            const TColor32 v = *p;
            int sum = 0;
            for (int c = 0; c < 4; ++c)
                if (ASelection[c])
                    sum += int((v >> (8 * c)) & 0xFF);
            const int m = sum / selected;
            TColor32 out = v & ~mask;
            for (int c = 0; c < 4; ++c)
                if (ASelection[c]) {
                    const int ch = int((v >> (8 * c)) & 0xFF);
                    out |= TColor32(scaled[ch - m + 255] + m) << (8 * c);
                }
            *p = out;
        }
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
    rule.difference = ADifference;
    rule.type = ASharpenType;
    const long double a = std::nearbyintl(APercent * 255 / 100);
    const long long contrastAmount = std::fabs(a) > 1e15L ? (a < 0 ? -(1LL << 50) : 1LL << 50) : (long long)a;
    for (int v = 0; v < 256; ++v) {
        const long double u = std::nearbyintl(v * APercent / 100);
        rule.up[v] = std::uint8_t(std::clamp<long double>(v + u, 0, 255));
        rule.down[v] = std::uint8_t(std::clamp<long double>(v - u, 0, 255));
        rule.contrast[v] = std::uint8_t(ContrastValue(v, contrastAmount));
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
