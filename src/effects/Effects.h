#pragma once
// The per-channel effects engine: brightness, contrast, posterize,
// saturation and sharpen, each on the channels a selection names. Our
// raster has the device bitmap's byte order (blue, green, red, alpha), so
// the engine works on TBitmap32 directly.

#include "platform/Bitmap32.h"

#include <array>
#include <cstdint>

enum TChannel { chBlue, chGreen, chRed, chAlpha };
using TSelection = std::array<bool, 4>;    // indexed by TChannel
using TIncrement = std::int16_t;           // used range -255..255
using TIncrements = std::array<TIncrement, 4>;
using TRadius = std::uint8_t;              // 1..5
enum TSharpenType { stBrightness, stContrast };

constexpr TSelection AllChannels{true, true, true, true};
constexpr TSelection NoChannels{false, false, false, false};

// Every operation returns false and changes nothing when the bitmap is
// empty or no channel is selected; true when it ran. None raises Changed.
class TEffects {
public:
    // Selected channels: EnsureRange(v + increment, 0, 255), or, where
    // AIgnoreBorders holds the channel, v plus the increment's low 8 bits
    // modulo 256.
    bool Increase(TBitmap32 &Bitmap, const TSelection &ASelection, const TSelection &AIgnoreBorders,
                  const TIncrements &AIncrements);
    bool Increase(TBitmap32 &Bitmap, TChannel Channel, TIncrement Increment, bool IgnoreBorder);

    // Selected channels: EnsureRange(v - a * (127 - v) div 255, 0, 255).
    bool Contrast(TBitmap32 &Bitmap, const TSelection &ASelection, const TIncrements &AIncrements);
    bool Contrast(TBitmap32 &Bitmap, TChannel Channel, TIncrement Increment);

    // All four channels, once any is selected: min(255, Round(v / f) * f),
    // halves to even; a factor of 0 counts as 1.
    bool Posterize(TBitmap32 &Bitmap, const TSelection &ASelection, std::uint8_t AFactor);
    bool Posterize(TBitmap32 &Bitmap, TChannel Channel, std::uint8_t Factor);

    // m = mean of the selected channels (truncated); each selected channel
    // becomes (v - m) * f div 255 + m.
    bool Saturation(TBitmap32 &Bitmap, const TSelection &ASelection, std::uint8_t AFactor);
    bool Saturation(TBitmap32 &Bitmap, TChannel Channel, std::uint8_t Factor);

    // TargetBitmap becomes SourceBitmap with every selected channel that
    // leaves [m - ADifference, m + ADifference] pushed away from m, the
    // truncated mean of the clipped (2r+1)^2 window without the pixel itself.
    // Throws std::invalid_argument for a radius outside 1..5 or a percent
    // that is not a finite number.
    bool Sharpen(const TBitmap32 &SourceBitmap, TBitmap32 &TargetBitmap, const TSelection &ASelection,
                 TRadius ARadius, std::uint8_t ADifference, long double APercent, TSharpenType ASharpenType);
    bool Sharpen(const TBitmap32 &SourceBitmap, TBitmap32 &TargetBitmap, TRadius Radius, std::uint8_t Difference,
                 long double Percent, TSharpenType SharpenType, TChannel Channel);
};
