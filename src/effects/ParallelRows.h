#pragma once
// Splits a row range over the machine's cores for passes whose rows do not
// depend on each other's results.

#include <functional>
#include <vector>

// Band boundaries for a job of height rows of width pixels: bounds.front()
// is 0, bounds.back() is height, one band per core at most and none smaller
// than minPixelsPerBand pixels (so small jobs get a single band).
std::vector<int> RowBandBounds(int height, int width, long long minPixelsPerBand = 1 << 16);

// Runs work(bounds[b], bounds[b + 1]) for every band, each on a thread of
// its own (the first on the calling thread). work must not throw.
void RunRowBands(const std::vector<int> &bounds, const std::function<void(int, int)> &work);

inline void ForEachRowBand(int height, int width, const std::function<void(int, int)> &work)
{
    RunRowBands(RowBandBounds(height, width), work);
}
