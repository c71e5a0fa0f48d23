#include "effects/ParallelRows.h"

#include <algorithm>
#include <system_error>
#include <thread>

std::vector<int> RowBandBounds(int height, int width, long long minPixelsPerBand)
{
    if (height <= 0 || width <= 0)
        return {0};
    const long long pixels = (long long)height * width;
    const long long cores = std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
    const long long byWork = std::max(1LL, pixels / std::max(1LL, minPixelsPerBand));
    const int bands = int(std::min({cores, byWork, (long long)height}));
    std::vector<int> bounds(bands + 1);
    for (int b = 0; b <= bands; ++b)
        bounds[b] = int((long long)height * b / bands);
    return bounds;
}

void RunRowBands(const std::vector<int> &bounds, const std::function<void(int, int)> &work)
{
    const std::size_t bands = bounds.size() - 1;
    if (bands == 0)
        return;
    std::vector<std::thread> helpers;
    helpers.reserve(bands - 1);
    for (std::size_t b = 1; b < bands; ++b) {
        try {
            helpers.emplace_back(work, bounds[b], bounds[b + 1]);
        } catch (const std::system_error &) { // no thread to be had: do the band here
            work(bounds[b], bounds[b + 1]);
        }
    }
    work(bounds[0], bounds[1]);
    for (std::thread &t : helpers)
        t.join();
}
