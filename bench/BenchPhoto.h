#pragma once
// The 12-megapixel raster every in-process benchmark works on: smooth
// gradients with grain, like a photo, alpha 255.

#include "platform/Bitmap32.h"

#include <random>

namespace bench {

constexpr int Width = 4000, Height = 3000;

inline const TBitmap32 &Photo()
{
    static const TBitmap32 photo = [] {
        TBitmap32 b(Width, Height);
        std::mt19937 gen(1);
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) {
                const int grain = int(gen() % 16);
                b.ScanLine(y)[x] = Color32((x * 255 / Width + grain) & 0xFF, (y * 255 / Height + grain) & 0xFF,
                                           ((x + y) / 28 + grain) & 0xFF);
            }
        return b;
    }();
    return photo;
}

} // namespace bench
