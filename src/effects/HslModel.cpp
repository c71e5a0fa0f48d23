#include "effects/HslModel.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// floor(n / d) as (n * magic[d]) >> 32: exact for n <= 65025, d <= 1530,
// the ranges of the model's two variable divisions.
struct Reciprocals {
    std::array<std::uint64_t, 1531> magic{};
    Reciprocals()
    {
        for (std::uint64_t d = 1; d < magic.size(); ++d)
            magic[d] = (0xFFFFFFFFULL + d) / d;
    }
};
const Reciprocals reciprocals;

inline int Quotient(int n, int d) { return int((std::uint64_t(n) * reciprocals.magic[d]) >> 32); }
// Truncating toward zero, as the signed hue division does.
inline int SignedQuotient(int n, int d) { return n < 0 ? -Quotient(-n, d) : Quotient(n, d); }

} // namespace

THsl RgbToHsl(TColor32 pixel)
{
    const int r = RedComponent(pixel), g = GreenComponent(pixel), b = BlueComponent(pixel);
    const int cmax = std::max({r, g, b}), cmin = std::min({r, g, b});
    const int l = (cmax + cmin) / 2;
    if (cmax == cmin)
        return {0, 0, l};
    const int delta = cmax - cmin;
    const int d = delta * 255;
    const int s = Quotient(d, l <= 127 ? cmax + cmin : 510 - cmax - cmin);
    // (x * 65025) div (6 * d) equals (x * 255) div (6 * delta): same quotient.
    int h;
    if (r == cmax)
        h = SignedQuotient((g - b) * 255, 6 * delta);
    else if (g == cmax)
        h = 85 + SignedQuotient((b - r) * 255, 6 * delta);
    else
        h = 170 + SignedQuotient((r - g) * 255, 6 * delta);
    if (h < 0)
        h += 510;
    return {h % 256, s, l};
}

TColor32 HslToRgb(long long h, int s, int l)
{
    const int v = l <= 127 ? (l * (256 + s)) >> 8 : l + s - (l * s) / 255;
    if (v <= 0)
        return 0;
    const long long h6 = 6 * h;
    if (h6 < 0 || (h6 >> 8) > 5)
        return 0;
    const int m = 2 * l - v;
    const int f = ((v - m) * int(h6 % 256)) >> 8;
    const int m1 = m + f, m2 = v - f;
    switch (int(h6 >> 8)) {
    case 0: return Color32(v, m1, m, 0);
    case 1: return Color32(m2, v, m, 0);
    case 2: return Color32(m, v, m1, 0);
    case 3: return Color32(m, m2, v, 0);
    case 4: return Color32(m1, m, v, 0);
    default: return Color32(v, m, m2, 0);
    }
}
