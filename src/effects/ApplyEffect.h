#pragma once
// The numbered effect dispatcher: every colour and filter edit, previewed
// or replayed from a record, runs through here.

#include "platform/Bitmap32.h"

#include <cstdint>

// Runs effect 0..34 on bitmap with its values; any other number (compared
// unsigned, so negatives too) does nothing. factor multiplies the values of
// mosaic (7) and shift (13), the product saturating to the int range.
// noiseSeed seeds the noise of effect 1: the same seed gives the same
// pixels, and the caller derives it from what identifies the edit (the
// filter panel: the photo and the record's position). The reserved numbers
// 2, 6, 8, 9, 10, 12, 14, 16 and 17 have no filter and change nothing.
// Changed is raised after every call.
void ApplyEffect(TBitmap32 &bitmap, int effect, int value1, int value2, int value3, int factor = 1,
                 std::uint64_t noiseSeed = 0);
