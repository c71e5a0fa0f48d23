#pragma once
// Quarter turns and mirrors of a whole raster.

#include "platform/Bitmap32.h"

// The kinds carried by the "회전" record.
enum TTransformKind {
    tkTurnRight = 0, // quarter turn clockwise
    tkTurnHalf = 1,
    tkTurnLeft = 2,  // quarter turn counter-clockwise
    tkMirrorHorz = 3, // left to right
    tkMirrorVert = 4  // top to bottom
};

// Moves whole pixels in place: kind 0 puts source (x, y) at (H - 1 - y, x),
// 1 at (W - 1 - x, H - 1 - y), 2 at (y, W - 1 - x), 3 at (W - 1 - x, y) and
// 4 at (x, H - 1 - y). Any other kind leaves the raster alone.
void TransformBitmap(TBitmap32 &Bitmap, int Kind);
