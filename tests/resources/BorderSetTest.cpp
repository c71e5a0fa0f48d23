// Border sets: each .bmp has a complete description whose pieces lie in the
// picture, and its edges join their corners without a seam.

#include "ArtworkTestKit.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

#include <optional>

namespace {

std::optional<QPoint> ReadPoint(QSettings &ini, const char *key)
{
    // A point is read as two integers separated by a comma (QSettings splits
    // the value into a list at the comma).
    const QStringList parts = ini.value(QLatin1String(key)).toStringList();
    if (parts.size() != 2)
        return std::nullopt;
    bool okX = false, okY = false;
    const int x = parts[0].trimmed().toInt(&okX), y = parts[1].trimmed().toInt(&okY);
    if (!okX || !okY)
        return std::nullopt;
    return QPoint(x, y);
}

struct TSet {
    QString Name;
    QImage Picture;
    QPoint TL, TR, BL, BR, Start, End;
    bool Repeat;
};

std::vector<TSet> LoadSets()
{
    std::vector<TSet> sets;
    const QDir album(ArtworkPath(QStringLiteral("iMAGE/Album")));
    for (const QString &bmp : album.entryList({QStringLiteral("*.bmp")})) {
        TSet set;
        set.Name = bmp;
        set.Picture = LoadArgb(album.filePath(bmp));
        QSettings ini(album.filePath(QFileInfo(bmp).completeBaseName() + QStringLiteral(".ini")), QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("Information"));
        const char *keys[] = {"TopLeft", "TopRight", "BottomLeft", "BottomRight", "StartPoint", "EndPoint"};
        QPoint *targets[] = {&set.TL, &set.TR, &set.BL, &set.BR, &set.Start, &set.End};
        for (int i = 0; i < 6; ++i) {
            const std::optional<QPoint> pt = ReadPoint(ini, keys[i]);
            EXPECT_TRUE(pt.has_value()) << bmp.toStdString() << " " << keys[i];
            *targets[i] = pt.value_or(QPoint());
        }
        set.Repeat = ini.value(QStringLiteral("BorderType")).toString() == QLatin1String("Repeat");
        sets.push_back(set);
    }
    return sets;
}

TEST(BorderSets, DescriptionsAreCompleteAndInsideThePicture)
{
    const std::vector<TSet> sets = LoadSets();
    ASSERT_GE(sets.size(), 4u);
    int repeat = 0;
    for (const TSet &s : sets) {
        SCOPED_TRACE(s.Name.toStdString());
        ASSERT_FALSE(s.Picture.isNull());
        const QRect picture = s.Picture.rect().adjusted(0, 0, 1, 1); // right and bottom may equal the size
        for (QPoint pt : {s.TL, s.TR, s.BL, s.BR, s.Start, s.End})
            EXPECT_TRUE(picture.contains(pt)) << pt.x() << "," << pt.y();
        // Corners do not overlap and leave a non-empty edge between them.
        EXPECT_LT(s.TL.x(), s.TR.x());
        EXPECT_LT(s.BL.x(), s.BR.x());
        EXPECT_LT(s.TL.y(), s.BL.y());
        EXPECT_LT(s.TR.y(), s.BR.y());
        EXPECT_LT(s.Start.x(), s.End.x());
        EXPECT_LT(s.Start.y(), s.End.y());
        // The border is opaque: a .bmp carries no transparency.
        EXPECT_EQ(AlphaAt(s.Picture, 0, 0), 255);
        repeat += s.Repeat;
    }
    EXPECT_GE(repeat, 1);
    EXPECT_LT(repeat, int(sets.size()));
}

int Step(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Along one edge band (rows of the top edge, for instance), read through
// the accessor at(along, across).
template <typename F> void ExpectSeamless(const TSet &s, int from, int to, int depth, F at, const char *edge)
{
    for (int k = 0; k < depth; ++k) {
        if (s.Repeat) {
            // Where one tiled copy ends and the next begins, the step is no
            // larger than the largest step between neighbours inside the edge.
            int inside = 0;
            for (int a = from; a + 1 < to; ++a)
                inside = std::max(inside, Step(at(a, k), at(a + 1, k)));
            ASSERT_LE(Step(at(to - 1, k), at(from, k)), inside) << edge << ", line " << k;
        } else {
            // A stretched edge repeats its first strip up to the far corner,
            // whose first line must continue it.
            ASSERT_EQ(at(from, k), at(from + 1, k)) << edge << ", line " << k;
            ASSERT_EQ(at(from, k), at(to, k)) << edge << ", line " << k;
        }
    }
}

TEST(BorderSets, EdgesJoinWithoutSeams)
{
    for (const TSet &s : LoadSets()) {
        SCOPED_TRACE(s.Name.toStdString());
        const QImage &p = s.Picture;
        const int fw = p.width(), fh = p.height();
        ExpectSeamless(s, s.TL.x(), s.TR.x(), s.TL.y(), [&](int a, int k) { return p.pixel(a, k); }, "top");
        ExpectSeamless(s, s.BL.x(), s.BR.x(), fh - s.BL.y(), [&](int a, int k) { return p.pixel(a, fh - 1 - k); },
                       "bottom");
        ExpectSeamless(s, s.TL.y(), s.BL.y(), s.TL.x(), [&](int a, int k) { return p.pixel(k, a); }, "left");
        ExpectSeamless(s, s.TR.y(), s.BR.y(), fw - s.TR.x(), [&](int a, int k) { return p.pixel(fw - 1 - k, a); },
                       "right");
    }
}

} // namespace
