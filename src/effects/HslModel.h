#pragma once
// The integer HSL model of the colour-tone filter (every value 0..255 in
// the forward direction). Inline: the filter calls both per pixel.

#include "platform/Bitmap32.h"

#include <algorithm>
#include <array>
#include <cstdint>

struct THsl {
    int H, S, L;
};

namespace hsl_detail {

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
inline const Reciprocals reciprocals;

inline int Quotient(int n, int d) { return int((std::uint64_t(n) * reciprocals.magic[d]) >> 32); }

} // namespace hsl_detail

inline THsl RgbToHsl(TColor32 pixel)
{
    const int r = RedComponent(pixel), g = GreenComponent(pixel), b = BlueComponent(pixel);
    const int cmax = std::max({r, g, b}), cmin = std::min({r, g, b});
    const int l = (cmax + cmin) / 2;
    if (cmax == cmin)
        return {0, 0, l};
    const int delta = cmax - cmin;
    const int s = hsl_detail::Quotient(delta * 255, l <= 127 ? cmax + cmin : 510 - cmax - cmin);
    // (x * 65025) div (6 * delta * 255) equals (x * 255) div (6 * delta).
    const int x = r == cmax ? g - b : g == cmax ? b - r : r - g;
    const int base = r == cmax ? 0 : g == cmax ? 85 : 170;
    const int q = hsl_detail::Quotient((x < 0 ? -x : x) * 255, 6 * delta);
    int h = base + (x < 0 ? -q : q); // truncated toward zero
    if (h < 0)
        h += 510;
    return {h % 256, s, l};
}

// Any hue is accepted; hues whose sector falls outside 0..5 (negative or
// beyond 255) and a lightness giving v <= 0 yield the pixel 0. The result's
// alpha is 0.
inline TColor32 HslToRgb(long long h, int s, int l)
{
    const int v = l <= 127 ? (l * (256 + s)) >> 8 : l + s - (l * s) / 255;
    const long long h6 = 6 * h;
    if (v <= 0 || h6 < 0 || (h6 >> 8) > 5)
        return 0;
    const int m = 2 * l - v;
    const int f = ((v - m) * int(h6 % 256)) >> 8;
    // Which of (v, m + f, m, v - f) each of red, green and blue takes, by sector.
    static constexpr std::uint8_t pick[6][3] = {{0, 1, 2}, {3, 0, 2}, {2, 0, 1}, {2, 3, 0}, {1, 2, 0}, {0, 2, 3}};
    const int values[4] = {v, m + f, m, v - f};
    const std::uint8_t *p = pick[h6 >> 8];
    return Color32(values[p[0]], values[p[1]], values[p[2]], 0);
}
