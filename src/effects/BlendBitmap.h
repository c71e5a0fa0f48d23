#pragma once
// Whole-bitmap pixel helpers: blending two rasters by a named mode and the
// square-kernel convolution.

#include "platform/Bitmap32.h"

#include <QString>

#include <array>

// Combines every pixel of source with the pixel at the same place in target
// and stores the result (alpha 255) in target. Modes, any letter case:
// "additive", "subtract", "multiply", "divide", "darkest", "lightest",
// "average", "difference". "divide" gives 0 where the target channel is 0
// and min(255, s * 256 / t) otherwise (the source scaled by the inverse of
// the target, saturating). An unknown mode changes no pixel. The target is
// left with MasterAlpha 255 and dmBlend and is notified.
// Throws std::invalid_argument when the sizes differ.
void BlendBitmap(const TBitmap32 &source, TBitmap32 &target, const QString &mode);

using TConvolveKernel = std::array<int, 50>;

// Entries i * size + j weigh the pixel at row offset i - size / 2 and column
// offset j - size / 2; entry 49 is the divisor for every size. Inner pixels
// get the clamped, truncated quotient per colour channel and alpha 255;
// pixels nearer than size / 2 to an edge keep their values. Sizes other
// than 3, 5 and 7 and rasters smaller than the kernel change nothing. Not
// notified. Throws std::invalid_argument for a divisor of 0.
void ConvolveBitmap(TBitmap32 &bitmap, const TConvolveKernel &kernel, int size);
