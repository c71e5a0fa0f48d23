#pragma once
// Thumbnails of the photo strip.

#include "platform/Bitmap32.h"

// A width x height picture (55 x 55 in the strip) of source: scaled
// bilinearly to keep its proportions, the long side filling the box, centred
// on black along the short side. Alpha plays no part: every pixel is opaque.
TBitmap32 MakeThumbnail(const TBitmap32 &source, int width = 55, int height = 55);
