// The pictures beside the program: every name the program reads exists,
// loads and has the transparency its use needs.

#include "ArtworkNames.h"
#include "ArtworkTestKit.h"

#include <QDir>

#include <cmath>

#include <gtest/gtest.h>

namespace {

TEST(ArtworkFiles, StickersAreTransparentAroundAnOpaqueSubject)
{
    for (std::string_view name : VellumiArt::StickerNames) {
        const QString file = QStringLiteral("iMAGE/Stamp/") + Q(name) + QStringLiteral(".Png");
        const QImage picture = LoadArgb(ArtworkPath(file));
        ASSERT_FALSE(picture.isNull()) << file.toStdString();
        EXPECT_GE(picture.width(), 100) << file.toStdString();
        EXPECT_LE(picture.width(), 300) << file.toStdString();
        EXPECT_GE(picture.height(), 100) << file.toStdString();
        EXPECT_LE(picture.height(), 300) << file.toStdString();
        EXPECT_TRUE(TransparentCorners(picture)) << file.toStdString();
        EXPECT_GT(OpaqueShare(picture), 0.12) << file.toStdString();
        // Anti-aliased edges: partly transparent pixels exist.
        EXPECT_GT(OpaqueShare(picture, 1) - OpaqueShare(picture, 255), 0.005) << file.toStdString();
    }
}

TEST(ArtworkFiles, BalloonsAreWhiteInsideWithADarkOutline)
{
    for (int n = 1; n <= VellumiArt::BalloonCount; ++n) {
        const QString file = QStringLiteral("Image/Balloon/BALLOON%1.png").arg(n);
        const QImage picture = LoadArgb(ArtworkPath(file));
        ASSERT_FALSE(picture.isNull()) << file.toStdString();
        EXPECT_TRUE(TransparentCorners(picture)) << file.toStdString();
        const QRgb centre = picture.pixel(picture.width() / 2, picture.height() / 2);
        EXPECT_EQ(centre, qRgba(255, 255, 255, 255)) << file.toStdString();
        // Walking left from the centre meets the outline before the outside.
        int darkest = 255;
        for (int x = picture.width() / 2; x >= 0 && AlphaAt(picture, x, picture.height() / 2) > 0; --x)
            darkest = std::min(darkest, qGray(picture.pixel(x, picture.height() / 2)));
        EXPECT_LT(darkest, 90) << file.toStdString();
    }
}

TEST(ArtworkFiles, BalloonsAreDistinct)
{
    std::vector<QImage> pictures;
    for (int n = 1; n <= VellumiArt::BalloonCount; ++n)
        pictures.push_back(LoadArgb(ArtworkPath(QStringLiteral("Image/Balloon/BALLOON%1.png").arg(n))));
    for (std::size_t a = 0; a < pictures.size(); ++a)
        for (std::size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_NE(pictures[a], pictures[b]) << "BALLOON" << a + 1 << " = BALLOON" << b + 1;
}

TEST(ArtworkFiles, OldPictureTexturesTintWithPartialAlpha)
{
    for (int n = 1; n <= VellumiArt::OldPictureCount; ++n) {
        const QString file = QStringLiteral("Image/OldPicture/%1.Png").arg(n);
        const QImage picture = LoadArgb(ArtworkPath(file));
        ASSERT_FALSE(picture.isNull()) << file.toStdString();
        ASSERT_TRUE(picture.hasAlphaChannel()) << file.toStdString();
        // Lays over a photo: the middle lets the photo through, the corners age it more.
        const int middle = AlphaAt(picture, picture.width() / 2, picture.height() / 2);
        const int corner = AlphaAt(picture, 2, 2);
        EXPECT_LT(middle, 160) << file.toStdString();
        EXPECT_GT(corner, middle) << file.toStdString();
    }
}

// Standard deviation of the grey levels.
double GreySpread(const QImage &picture)
{
    double sum = 0, squares = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int g = qGray(picture.pixel(x, y));
            sum += g;
            squares += g * g;
        }
    const double n = double(picture.width()) * picture.height(), mean = sum / n;
    return std::sqrt(squares / n - mean * mean);
}

TEST(ArtworkFiles, PaperTexturesAreGreyGrainyAndTile)
{
    for (int n = 1; n <= VellumiArt::PaperCount; ++n) {
        const QString file = QStringLiteral("iMAGE/Paper/%1.png").arg(n);
        const QImage picture = LoadArgb(ArtworkPath(file));
        ASSERT_FALSE(picture.isNull()) << file.toStdString();
        const int w = picture.width(), h = picture.height();
        double wrapX = 0, insideX = 0, wrapY = 0, insideY = 0;
        for (int i = 0; i < h; ++i) {
            const QRgb px = picture.pixel(0, i);
            ASSERT_TRUE(qRed(px) == qGreen(px) && qGreen(px) == qBlue(px) && qAlpha(px) == 255) << file.toStdString();
            wrapX += std::abs(qGray(picture.pixel(w - 1, i)) - qGray(picture.pixel(0, i)));
            insideX += std::abs(qGray(picture.pixel(w / 2, i)) - qGray(picture.pixel(w / 2 + 1, i)));
        }
        for (int i = 0; i < w; ++i) {
            wrapY += std::abs(qGray(picture.pixel(i, h - 1)) - qGray(picture.pixel(i, 0)));
            insideY += std::abs(qGray(picture.pixel(i, h / 2)) - qGray(picture.pixel(i, h / 2 + 1)));
        }
        // The paper effect passes only about a tenth of the contrast to the
        // photo; fainter grain than this shows as a plain darkening.
        EXPECT_GE(GreySpread(picture), 28) << file.toStdString();
        // The step across the seam is no larger than a step inside the pattern.
        EXPECT_LT(wrapX, insideX * 1.6 + h) << file.toStdString();
        EXPECT_LT(wrapY, insideY * 1.6 + w) << file.toStdString();
    }
}

TEST(ArtworkFiles, OverlayFramesLeaveTheMiddleTransparent)
{
    const QStringList overlays = QDir(ArtworkPath(QStringLiteral("iMAGE/Album"))).entryList({QStringLiteral("*.png")});
    EXPECT_GE(overlays.size(), 6);
    for (const QString &name : overlays) {
        const QImage picture = LoadArgb(ArtworkPath(QStringLiteral("iMAGE/Album/") + name));
        ASSERT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_EQ(AlphaAt(picture, picture.width() / 2, picture.height() / 2), 0) << name.toStdString();
        EXPECT_EQ(AlphaAt(picture, picture.width() / 3, picture.height() / 3), 0) << name.toStdString();
        // The frame is painted along the top.
        int painted = 0;
        for (int i = 0; i < picture.width(); ++i)
            painted += AlphaAt(picture, i, 20) > 0;
        EXPECT_GT(painted, picture.width() / 4) << name.toStdString();
    }
}

} // namespace
