#include "documents/Thumbnail.h"

#include <gtest/gtest.h>

namespace {

// The rectangle of non-black pixels, as x, y, width, height.
QRect Painted(const TBitmap32 &b)
{
    QRect r;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) != Color32(0, 0, 0))
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

TEST(Thumbnail, LongSideFillsTheBoxShortSideCentredOnBlack)
{
    const struct {
        int width, height;
        QRect painted;
    } cases[] = {
        {110, 55, QRect(0, 13, 55, 28)},  // 27.5 rounds to 28
        {110, 45, QRect(0, 16, 55, 22)},  // 22.5 rounds to 22
        {55, 165, QRect(18, 0, 18, 55)},  // 18.33 rounds to 18
        {3000, 2000, QRect(0, 9, 55, 37)}, // 36.67
        {7, 7, QRect(0, 0, 55, 55)},
        {1000, 1, QRect()},               // 0.055 rounds to no row at all
    };
    for (const auto &c : cases) {
        TBitmap32 source(c.width, c.height);
        source.Clear(Color32(200, 100, 50, 0));
        const TBitmap32 thumb = MakeThumbnail(source);
        ASSERT_EQ(thumb.Width(), 55);
        ASSERT_EQ(thumb.Height(), 55);
        EXPECT_EQ(Painted(thumb), c.painted) << c.width << "x" << c.height;
        if (!c.painted.isEmpty()) {
            EXPECT_EQ(thumb.Pixel(c.painted.center().x(), c.painted.center().y()), Color32(200, 100, 50));
        }
        EXPECT_EQ(thumb.Pixel(54, 54) >> 24, 255u);
    }
    EXPECT_EQ(Painted(MakeThumbnail(TBitmap32())), QRect());
}

TEST(Thumbnail, ScalesBilinearly)
{
    // Left half black, right half white: the middle columns blend.
    TBitmap32 source(110, 110);
    source.Clear(Color32(0, 0, 0));
    source.FillRect(55, 0, 110, 110, Color32(255, 255, 255));
    const TBitmap32 thumb = MakeThumbnail(source);
    EXPECT_EQ(thumb.Pixel(5, 20), Color32(0, 0, 0));
    EXPECT_EQ(thumb.Pixel(50, 20), Color32(255, 255, 255));
    const int middle = RedComponent(thumb.Pixel(27, 20));
    EXPECT_GT(middle, 0);
    EXPECT_LT(middle, 255);
}
