#include "documents/Thumbnail.h"

#include <cstdint>

namespace {

// round(numerator / denominator) with halves to even, for positive values.
int RoundRatio(std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t quotient = numerator / denominator;
    const std::int64_t twice = 2 * (numerator % denominator);
    if (twice > denominator || (twice == denominator && (quotient & 1)))
        ++quotient;
    return int(quotient);
}

} // namespace

TBitmap32 MakeThumbnail(const TBitmap32 &source, int width, int height)
{
    TBitmap32 thumb(width, height);
    thumb.Clear(Color32(0, 0, 0));
    if (source.Empty() || thumb.Empty())
        return thumb;
    // h = round(source height / (source width / W)), computed exactly.
    int w = width, h = height;
    if (source.Width() > source.Height())
        h = RoundRatio(std::int64_t(source.Height()) * width, source.Width());
    else
        w = RoundRatio(std::int64_t(source.Width()) * height, source.Height());
    if (w == 0 || h == 0)
        return thumb;
    const int x = h < w ? 0 : (width - w) / 2;
    const int y = h < w ? (height - h) / 2 : 0;
    StretchLinear(thumb, QRect(x, y, w, h), source, QRect(0, 0, source.Width(), source.Height()));
    TColor32 *p = thumb.Bits();
    for (std::size_t i = 0, count = thumb.PixelCount(); i < count; ++i)
        p[i] |= 0xFF000000u;
    return thumb;
}
