#pragma once
// The numbered effect dispatcher: every colour and filter edit, previewed
// or replayed from a record, runs through here.

#include "platform/Bitmap32.h"

#include <cstdint>

// Runs effect 0..34 on bitmap with its values; any other number (compared
// unsigned, so negatives too) does nothing. factor multiplies the values of
// the effects that scale (7, 8, 10, 13, 17). noiseSeed seeds the noise of
// effect 1: the same seed gives the same pixels. Changed is raised after
// every call.
void ApplyEffect(TBitmap32 &bitmap, int effect, int value1, int value2, int value3, int factor = 1,
                 std::uint64_t noiseSeed = 0);
