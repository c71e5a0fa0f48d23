#pragma once
// The integer HSL model of the colour-tone filter (every value 0..255 in
// the forward direction).

#include "platform/Bitmap32.h"

struct THsl {
    int H, S, L;
};

THsl RgbToHsl(TColor32 pixel);
// Any hue is accepted; hues whose sector falls outside 0..5 (negative or
// beyond 255) and lightness giving v <= 0 yield the pixel 0. The result's
// alpha is 0.
TColor32 HslToRgb(long long h, int s, int l);
