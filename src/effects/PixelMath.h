#pragma once
// Small integer helpers shared by the effects: clamping and exact roundings.

#include "platform/Bitmap32.h"

#include <cstdint>
#include <limits>

constexpr int ClampByte(long long v) { return v < 0 ? 0 : (v > 255 ? 255 : int(v)); }

// num / den rounded to the nearest integer, halves to even; den > 0.
constexpr long long RoundDivHalfEven(long long num, long long den)
{
    long long q = num / den;
    long long r = num % den;
    if (r < 0) { // floor division
        --q;
        r += den;
    }
    const long long twice = 2 * r;
    if (twice > den || (twice == den && (q & 1)))
        ++q;
    return q;
}

// An int64 amount brought back into the int range, saturating.
constexpr int SaturateInt(long long v)
{
    return v < std::numeric_limits<int>::min()   ? std::numeric_limits<int>::min()
           : v > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                 : int(v);
}

constexpr TColor32 OpaqueRgb(int r, int g, int b) { return Color32(r, g, b, 255); }

// Pixel loops written for the vectoriser get an AVX2 build next to the
// baseline one; the processor picks at load time. Same integer rule, same
// pixels.
#if defined(__GNUC__) && defined(__x86_64__)
#define VELLUMI_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define VELLUMI_VECTOR_CLONES
#endif
