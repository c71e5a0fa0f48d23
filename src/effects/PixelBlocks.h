#pragma once
// Vector passes over pixels: a block of pixels is read as one GCC vector,
// changed, and written back.

#include "platform/Bitmap32.h"

#include <cstddef>
#include <cstring>

// Runs op on n pixels, sizeof(Block) / 4 at a time; the last few go through
// a zero-padded block so that every pixel takes the same path. Always
// inlined, so op is compiled for the caller's target (its AVX2 clone too).
template <typename Block, typename Op>
[[gnu::always_inline]] inline void ForEachPixelBlock(TColor32 *p, std::size_t n, const Op &op)
{
    constexpr std::size_t lanes = sizeof(Block) / sizeof(TColor32);
    std::size_t i = 0;
    for (; i + lanes <= n; i += lanes) {
        Block v;
        std::memcpy(&v, p + i, sizeof v);
        v = op(v);
        std::memcpy(p + i, &v, sizeof v);
    }
    if (i < n) {
        Block v{};
        std::memcpy(&v, p + i, (n - i) * sizeof(TColor32));
        v = op(v);
        std::memcpy(p + i, &v, (n - i) * sizeof(TColor32));
    }
}
