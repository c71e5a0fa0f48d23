#pragma once
// The integer HSL model of the colour-tone filter (every value 0..255 in
// the forward direction), on eight pixels at once: written branch-free
// with GCC vector types so that it compiles to whole-register operations.

#include <cstdint>

namespace hsl_vector {

using Int8 = int __attribute__((vector_size(32)));
using Float8 = float __attribute__((vector_size(32)));

// floor(n / d) for 0 <= n <= 65025 and 1 <= d <= 1530 by one correctly
// rounded float division, truncated: n and d are exact in a float, and a
// quotient k + r / d (0 < r < d) lies at least 1 / d below k + 1, more than
// half an ulp of k + 1 because 65025 + d < 2^24, so it never rounds up.
inline Int8 Quotient(Int8 n, Int8 d)
{
    return __builtin_convertvector(__builtin_convertvector(n, Float8) / __builtin_convertvector(d, Float8), Int8);
}

// floor(x / 255) as (x * 32897) >> 23, exact for 0 <= x <= 65025 (the
// product stays below 2^31); checked below for every such x.
inline Int8 Div255(Int8 x) { return (x * 32897) >> 23; }

constexpr bool Div255IsExact()
{
    for (int x = 0; x <= 65025; ++x)
        if ((x * 32897) >> 23 != x / 255)
            return false;
    return true;
}
static_assert(Div255IsExact());

inline Int8 Max(Int8 a, Int8 b) { return a > b ? a : b; }
inline Int8 Min(Int8 a, Int8 b) { return a < b ? a : b; }

struct Hsl8 {
    Int8 H, S, L;
};

// Eight pixels given as their 0xAARRGGBB words to (H, S, L).
inline Hsl8 RgbToHsl(Int8 pixels)
{
    const Int8 r = (pixels >> 16) & 0xFF, g = (pixels >> 8) & 0xFF, b = pixels & 0xFF;
    const Int8 cmax = Max(r, Max(g, b)), cmin = Min(r, Min(g, b));
    const Int8 sum = cmax + cmin, delta = cmax - cmin;
    const Int8 l = sum >> 1;
    // A grey has delta 0, so both quotients are 0 whatever their divisor;
    // the divisors are only kept off 0.
    const Int8 s = Quotient(delta * 255, Max(l <= 127 ? sum : 510 - sum, Int8{} + 1));
    const Int8 x = r == cmax ? g - b : g == cmax ? b - r : r - g;
    const Int8 base = r == cmax ? Int8{} : g == cmax ? Int8{} + 85 : Int8{} + 170;
    const Int8 q = Quotient((x < 0 ? -x : x) * 255, Max(6 * delta, Int8{} + 1));
    Int8 h = base + (x < 0 ? -q : q);
    h = h < 0 ? h + 510 : h;
    return {h & 0xFF, s, l};
}

// HslToRgb of eight (h, s, l) with 0 <= s, l <= 255 and |h| < 2^28. Hues
// whose sector falls outside 0..5 and a lightness giving v <= 0 yield the
// pixel 0; the alpha is always 0.
inline Int8 HslToRgb(Int8 h, Int8 s, Int8 l)
{
    const Int8 v = l <= 127 ? (l * (256 + s)) >> 8 : l + s - Div255(l * s);
    const Int8 h6 = 6 * h;
    const Int8 sector = h6 >> 8;
    const Int8 m = 2 * l - v;
    const Int8 f = ((v - m) * (h6 & 0xFF)) >> 8;
    const Int8 up = m + f, down = v - f;
    const Int8 red = sector == 0 || sector == 5 ? v : sector == 1 ? down : sector == 4 ? up : m;
    const Int8 green = sector == 0 ? up : sector == 1 || sector == 2 ? v : sector == 3 ? down : m;
    const Int8 blue = sector == 0 || sector == 1 ? m : sector == 2 ? up : sector == 3 || sector == 4 ? v : down;
    const Int8 rgb = (red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF);
    return v > 0 && h >= 0 && h <= 255 ? rgb : Int8{};
}

} // namespace hsl_vector
