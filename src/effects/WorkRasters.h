#pragma once
// Working copies kept between effect calls: a fresh 48 MB buffer costs far
// more in page faults than a pass over it, so the copies a filter reads
// from are reused while their size fits.

#include "platform/Bitmap32.h"

enum TWorkSlot {
    wsSource,   // the copy a single operation reads its neighbours from
    wsOriginal, // the input kept across the steps of a composite filter
    wsSlotCount
};

// The calling thread's raster for the slot; its pixels are whatever the
// last user left. An operation uses a slot only while no caller of it does.
TBitmap32 &WorkRaster(TWorkSlot slot);
