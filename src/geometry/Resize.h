#pragma once
// Scaling a whole raster to a new size with the bilinear resampler.

#include "platform/Bitmap32.h"

enum TResizeMode { rmPixels = 0, rmPercent = 1 };

// Mode 0 takes W and H as pixels, mode 1 as per cent of the source size
// (rounded, halves to even); any other mode leaves Dst alone. Sizes below 1
// become 1. Dst's pixels are replaced; equal sizes copy them unchanged.
// Src and Dst may be the same raster. Throws ERasterTooLarge with Dst as it
// was.
void ResizeBitmap(const TBitmap32 &Src, TBitmap32 &Dst, int W, int H, int Mode);

// The percentage rule of the resize panel: round(size / 100 × percent).
int PercentOf(int size, int percent);
