#pragma once
// The split blur and the filters built on it.

#include "platform/Bitmap32.h"

// In place, in row order: each pixel becomes the channel-wise mean (sum
// shifted right 2) of the four pixels d rows and d columns away, a distance
// that would leave the raster falling back to the pixel's own row or column;
// alpha 255. Earlier rows are read with their new values. d = 0 changes
// nothing and does not notify; a negative d reads the same four pixels as
// |d|. Otherwise notifies.
void FilterSplitBlur(TBitmap32 &bitmap, int distance);

// passes + 1 split blurs with d = 1; passes < 0 does nothing.
void FilterBlur(TBitmap32 &bitmap, int passes);

// An edge map (the 7 x 7 soft-glow kernel, blurred once), a thrice blurred
// picture S and the original O: where the edge map is 0 each channel
// becomes (o + 7s) >> 3, elsewhere (s + 3o) >> 2; alpha 255.
void FilterSoftGlow(TBitmap32 &bitmap);
