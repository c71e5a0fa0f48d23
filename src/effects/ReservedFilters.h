#pragma once
// Filters behind effect numbers that no panel issues but records may hold.

#include "platform/Bitmap32.h"

// The whole picture moved by (dx, dy) with wrap-around.
void FilterShift(TBitmap32 &bitmap, int dx, int dy);
// 3 x 3 weighted blur, weights 1-2-1 in both directions (divisor 16);
// the one-pixel border keeps its values.
void FilterSmoothBlur(TBitmap32 &bitmap);
// Each colour channel becomes the minimum (erode) or maximum (dilate) over
// the 3 x 3 window clipped to the picture; alpha 255.
void FilterErode(TBitmap32 &bitmap);
void FilterDilate(TBitmap32 &bitmap);
// |dilated - eroded| per colour channel.
void FilterMorphEdge(TBitmap32 &bitmap);
