#include "effects/ApplyEffect.h"

#include "effects/BlurFilters.h"
#include "effects/ColorFilters.h"
#include "effects/Effects.h"
#include "effects/PixelMath.h"
#include "effects/ReservedFilters.h"
#include "effects/ShapeFilters.h"
#include "effects/WorkRasters.h"

namespace {

int Scaled(int value, int factor) { return SaturateInt((long long)value * factor); }

// The low 16 bits of value1 as a signed amount on the three colour channels.
TIncrements ColourIncrements(int value1)
{
    const auto v = TIncrement(std::uint16_t(unsigned(value1) & 0xFFFF));
    return {v, v, v, 0};
}

// Sharpen reads its neighbours from a copy of the picture and writes the
// picture itself.
void SharpenPicture(TBitmap32 &bitmap, TRadius radius, int percent, TSharpenType type)
{
    TBitmap32 &source = WorkRaster(wsSource);
    source.Assign(bitmap);
    TEffects().Sharpen(source, bitmap, AllChannels, radius, 1, percent, type);
}

void RunEffect(TBitmap32 &bitmap, unsigned effect, int value1, int value2, int value3, int factor,
               std::uint64_t noiseSeed)
{
    TEffects effects;
    switch (effect) {
    case 1: FilterNoise(bitmap, value1, noiseSeed); break;
    case 3: FilterBlur(bitmap, value1); break;
    case 4: FilterSplitBlur(bitmap, value1); break;
    case 5: effects.Posterize(bitmap, AllChannels, std::uint8_t(value1)); break;
    case 7: FilterMosaic(bitmap, Scaled(value1, factor)); break;
    case 11:
        FilterEmbossRelief(bitmap);
        SharpenPicture(bitmap, 1, value1, stBrightness);
        break;
    case 13: FilterShift(bitmap, Scaled(value1, factor), Scaled(value2, factor)); break;
    case 15: FilterSmoothBlur(bitmap); break;
    case 18: FilterErode(bitmap); break;
    case 19: FilterDilate(bitmap); break;
    case 20:
        FilterErode(bitmap);
        FilterDilate(bitmap);
        break;
    case 21:
        FilterDilate(bitmap);
        FilterErode(bitmap);
        break;
    case 22: FilterMorphEdge(bitmap); break;
    case 23: // dry brush: three blur passes, posterize 15, sharpen 5
        ApplyEffect(bitmap, 3, 2, 0, 0, 1);
        ApplyEffect(bitmap, 5, 15, 0, 0, 1);
        ApplyEffect(bitmap, 27, 5, 0, 0, 1);
        break;
    case 24: FilterGrayOutline(bitmap); break;
    case 25: FilterTile(bitmap, value1); break;
    case 26: FilterChroma(bitmap, value1); break;
    case 27:
        // Only the type's low 8 bits count; 1 is contrast, every other value brightness.
        SharpenPicture(bitmap, 5, value1, (value3 & 0xFF) == 1 ? stContrast : stBrightness);
        break;
    case 28: effects.Increase(bitmap, AllChannels, NoChannels, ColourIncrements(value1)); break;
    case 29: effects.Contrast(bitmap, AllChannels, ColourIncrements(value1)); break;
    case 30: FilterRedEye(bitmap, value1); break;
    case 31: FilterSepia(bitmap, value1); break;
    case 32:
        FilterSoftGlow(bitmap);
        ApplyEffect(bitmap, 28, value1, 0, 0, 1);
        break;
    case 33: FilterHueShift(bitmap, value1, value2, value3); break;
    case 34: effects.Saturation(bitmap, AllChannels, std::uint8_t(255 - (value1 & 0xFF))); break;
    default: break; // 0 and the reserved numbers without a filter of their own
    }
}

} // namespace

void ApplyEffect(TBitmap32 &bitmap, int effect, int value1, int value2, int value3, int factor,
                 std::uint64_t noiseSeed)
{
    RunEffect(bitmap, unsigned(effect), value1, value2, value3, factor, noiseSeed);
    bitmap.Changed();
}
