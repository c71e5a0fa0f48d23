#pragma once
// Filters that move or combine neighbouring pixels: mosaic, relief, grey
// outline and tile.

#include "platform/Bitmap32.h"

// Blocks of k x k pixels from the top-left corner take the colour of their
// top-left pixel; alpha 255. k <= 1 only sets alpha 255. Not notified.
void FilterMosaic(TBitmap32 &bitmap, int blockSize);

// Rows 0..H-2: each colour channel becomes (p + 255 - q) >> 1 with q the
// pixel below (not yet changed); alpha 255. The last row stays. Notifies
// when the raster has two rows or more.
void FilterEmbossRelief(TBitmap32 &bitmap);

// Every pixel becomes its grey g = (R + G + B) div 3, except pure white
// (g = 255) whose eight neighbours all have g != 0, which becomes black.
// Pixels on the border, lacking eight neighbours, keep their grey. Alpha
// 255. Notifies.
void FilterGrayOutline(TBitmap32 &bitmap);

// The raster shrunk to (W div n) x (H div n) with the linear resampler and
// laid (n + 1) x (n + 1) times from the top-left corner; strips no tile
// reaches keep their pixels. n <= 0 or tiles under 5 pixels change nothing.
// Notifies.
void FilterTile(TBitmap32 &bitmap, int tiles);
