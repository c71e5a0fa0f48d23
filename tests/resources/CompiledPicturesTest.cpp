// The pictures compiled into the program and their accessor.

#include "ArtworkNames.h"
#include "ArtworkTestKit.h"
#include "ResourcePictures.h"

#include <gtest/gtest.h>

namespace {

template <std::size_t N> QStringList NamesOf(const std::array<std::string_view, N> &names)
{
    QStringList out;
    for (std::string_view name : names)
        out << Q(name);
    return out;
}

// No two of the pictures are the same.
void ExpectDistinct(const QStringList &names)
{
    std::vector<QImage> pictures;
    for (const QString &name : names)
        pictures.push_back(LoadResourcePicture(name));
    for (std::size_t a = 0; a < pictures.size(); ++a)
        for (std::size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_NE(pictures[a], pictures[b]) << names[a].toStdString() << " looks like " << names[b].toStdString();
}

template <std::size_t N> void ExpectIconSet(const std::array<std::string_view, N> &prefixes, int size)
{
    for (std::string_view prefix : prefixes) {
        QStringList states;
        for (std::string_view state : VellumiArt::IconStates) {
            const QString name = Q(prefix) + Q(state);
            ASSERT_TRUE(HasResourcePicture(name)) << name.toStdString();
            const QImage picture = LoadResourcePicture(name);
            EXPECT_EQ(picture.size(), QSize(size, size)) << name.toStdString();
            EXPECT_GT(OpaqueShare(picture, 128), 0.03) << name.toStdString();
            states << name;
        }
        ExpectDistinct(states);
    }
}

TEST(CompiledPictures, EveryIconOfEverySetInEveryState)
{
    ExpectIconSet(VellumiArt::MenuIconPrefixes, VellumiArt::MenuIconSize);
    ExpectIconSet(VellumiArt::TextIconPrefixes, VellumiArt::TextIconSize);
    ExpectIconSet(VellumiArt::TextOptionIconPrefixes, VellumiArt::TextOptionIconSize);
}

TEST(CompiledPictures, NamesAreMatchedWithoutRegardToCase)
{
    EXPECT_EQ(LoadResourcePicture(QStringLiteral("Play_N")), LoadResourcePicture(QStringLiteral("PLAY_N")));
    EXPECT_EQ(LoadResourcePicture(QStringLiteral("T_Pen_D")), LoadResourcePicture(QStringLiteral("T_PEN_D")));
    EXPECT_EQ(LoadResourcePicture(QStringLiteral("size_none")), LoadResourcePicture(QStringLiteral("SIZE_None")));
    EXPECT_EQ(CursorHotSpot(QStringLiteral("cur_cross")), CursorHotSpot(QStringLiteral("CUR_CROSS")));
}

TEST(CompiledPictures, UnknownNamesRaiseAClearError)
{
    EXPECT_FALSE(HasResourcePicture(QStringLiteral("SIZE_X")));
    EXPECT_FALSE(HasResourcePicture(QString()));
    EXPECT_THROW(LoadResourcePicture(QStringLiteral("SIZE_X")), EResourceMissing);
    EXPECT_THROW(LoadResourcePicture(QStringLiteral("../etc/passwd")), EResourceMissing);
    EXPECT_FALSE(HasResourcePicture(QStringLiteral("../ARTWORK/PLAY_N")));
    EXPECT_FALSE(HasResourcePicture(QStringLiteral("PLAY_N.png")));
    EXPECT_THROW(CursorHotSpot(QStringLiteral("CUR_NONE")), EResourceMissing);
    try {
        LoadResourcePicture(QStringLiteral("NOSUCH"));
    } catch (const EResourceMissing &e) {
        EXPECT_NE(std::string(e.what()).find("NOSUCH"), std::string::npos);
    }
}

TEST(CompiledPictures, CursorsHaveTheirHotSpotOnTheDrawing)
{
    for (const VellumiArt::TCursorSpot &spot : VellumiArt::Cursors) {
        const QImage cursor = LoadResourcePicture(Q(spot.Name));
        ASSERT_EQ(cursor.size(), QSize(VellumiArt::CursorSize, VellumiArt::CursorSize)) << spot.Name;
        const QPoint hot = CursorHotSpot(Q(spot.Name));
        EXPECT_EQ(hot, QPoint(spot.X, spot.Y));
        int near = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (cursor.rect().contains(hot + QPoint(dx, dy)))
                    near = std::max(near, AlphaAt(cursor, hot.x() + dx, hot.y() + dy));
        EXPECT_GT(near, 100) << spot.Name;
    }
}

TEST(CompiledPictures, ThumbnailsPlayerButtonsAndSinglePictures)
{
    for (std::string_view name : VellumiArt::StickerNames) {
        const QImage thumb = LoadResourcePicture(Q(name));
        EXPECT_EQ(std::max(thumb.width(), thumb.height()), VellumiArt::StickerThumbSize) << name;
        EXPECT_EQ(AlphaAt(thumb, 0, 0), 0) << name;
    }
    for (int n = 1; n <= VellumiArt::BalloonCount; ++n) {
        const QImage thumb = LoadResourcePicture(QStringLiteral("BALLOON%1").arg(n));
        EXPECT_EQ(thumb.size(), QSize(VellumiArt::BalloonThumbSize, VellumiArt::BalloonThumbSize)) << n;
        EXPECT_TRUE(TransparentCorners(thumb)) << "BALLOON" << n;
    }
    for (std::string_view name : VellumiArt::PlayerButtons)
        EXPECT_EQ(LoadResourcePicture(Q(name)).width(), VellumiArt::PlayerButtonSize) << name;
    ExpectDistinct(NamesOf(VellumiArt::PlayerButtons));
    for (std::string_view name : VellumiArt::ToolBarIcons)
        EXPECT_EQ(LoadResourcePicture(Q(name)).width(), VellumiArt::ToolBarIconSize) << name;
    ExpectDistinct(NamesOf(VellumiArt::ToolBarIcons));
    for (const VellumiArt::TFixedPicture &fixed :
         {VellumiArt::EditedMark, VellumiArt::MosaicHint, VellumiArt::AboutPicture, VellumiArt::AppIcon})
        EXPECT_EQ(LoadResourcePicture(Q(fixed.Name)).size(), QSize(fixed.Width, fixed.Height)) << fixed.Name;
}

} // namespace
