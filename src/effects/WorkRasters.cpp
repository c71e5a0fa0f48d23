#include "effects/WorkRasters.h"

#include <array>

TBitmap32 &WorkRaster(TWorkSlot slot)
{
    thread_local std::array<TBitmap32, wsSlotCount> rasters;
    return rasters[slot];
}
