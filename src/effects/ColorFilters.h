#pragma once
// Filters that compute each pixel from that pixel alone.

#include "platform/Bitmap32.h"

#include <cstdint>

// The generator behind the noise filter: the same seed gives the same
// draws, so a preview and every replay of a record match pixel for pixel.
// Counter-based (splitmix64): draw k of a seed is a function of (seed, k)
// alone, so bands of rows can draw their part of the sequence at once.
class TNoiseRandom {
public:
    explicit TNoiseRandom(std::uint64_t seed) : FSeed(seed) {}
    // The next draw: uniform 0 <= r < n; 0 for n <= 0.
    int Random(int n) { return Draw(FSeed, FCount++, n); }
    // Draw number k (from 0) of the sequence of seed.
    static int Draw(std::uint64_t seed, std::uint64_t k, int n);

private:
    std::uint64_t FSeed;
    std::uint64_t FCount = 0;
};

// One offset ClampByte(Random(amount) - amount div 2) per pixel, in row
// order, added to R, G and B; alpha 255. Notifies.
void FilterNoise(TBitmap32 &bitmap, int amount, std::uint64_t seed);
// e = (R + G + B) div 3; each channel becomes ClampByte(e + a * (c - e) div 255).
// Notifies.
void FilterChroma(TBitmap32 &bitmap, int amount);
// Through the integer HSL model; every pixel ends with alpha 0. Notifies.
void FilterHueShift(TBitmap32 &bitmap, int hueShift, int saturationShift, int lightnessShift);
// Pixels whose weighted red 0.5133333 R reaches G - t and 0.1933333 B - t get
// R = low 8 bits of Round(((G + 0.1933333 B) / 2) / 0.51333333) and alpha 255.
void FilterRedEye(TBitmap32 &bitmap, int tolerance);
// g = (R + G + B) div 3; (R, G, B) = (g + 2t, g + t, g) clamped to 0..255.
void FilterSepia(TBitmap32 &bitmap, int tint);
