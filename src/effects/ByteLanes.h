#pragma once
// Pixel bytes widened to 16-bit lanes, sixteen channel values (four
// pixels) per block, with GCC vector types: twice the lanes of 32-bit ints,
// and divisions by constants compile to high-half multiplications.

#include "effects/PixelBlocks.h"
#include "platform/Bitmap32.h"

#include <array>
#include <cstdint>

namespace byte_lanes {

using U16 = std::uint16_t __attribute__((vector_size(32)));
using I16 = std::int16_t __attribute__((vector_size(32)));
using Bytes = std::uint8_t __attribute__((vector_size(16)));

// One value per channel (blue, green, red, alpha), repeated for the four
// pixels of a block.
inline U16 Pattern(const std::array<int, 4> &v)
{
    U16 r{};
    for (int i = 0; i < 16; ++i)
        r[i] = std::uint16_t(v[i % 4]);
    return r;
}

inline U16 Splat(int v) { return Pattern({v, v, v, v}); }

// Every lane the sum of the lanes of its pixel.
inline U16 PixelSums(U16 x)
{
    x += __builtin_shuffle(x, U16{1, 0, 3, 2, 5, 4, 7, 6, 9, 8, 11, 10, 13, 12, 15, 14});
    return x + __builtin_shuffle(x, U16{2, 3, 0, 1, 6, 7, 4, 5, 10, 11, 8, 9, 14, 15, 12, 13});
}

// Runs op on n pixels four at a time, each block widened to 16-bit lanes.
// op must leave each lane in 0..255.
template <typename Op>
inline void ForEachBlock(TColor32 *p, std::size_t n, const Op &op)
{
    ForEachPixelBlock<Bytes>(
        p, n, [&](Bytes b) { return __builtin_convertvector(op(__builtin_convertvector(b, U16)), Bytes); });
}

} // namespace byte_lanes
