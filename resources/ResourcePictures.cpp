#include "ResourcePictures.h"

#include "ArtworkNames.h"

#include <QFile>

static void InitArtworkResources()
{
    // The resources live in a static library: registering them explicitly
    // keeps the linker from dropping them.
    static const bool registered = [] {
        Q_INIT_RESOURCE(vellumi_artwork);
        return true;
    }();
    (void)registered;
}

// Picture names are letters, digits and underscores; anything else (a path,
// a dot) could reach other resources and is refused.
static bool IsPictureName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_'))
            return false;
    return true;
}

static QString ResourcePath(const QString &name)
{
    InitArtworkResources();
    return QStringLiteral(":/artwork/") + name.toUpper() + QStringLiteral(".png");
}

EResourceMissing::EResourceMissing(const QString &name)
    : std::runtime_error(("No picture named \"" + name + "\" is compiled into the program").toStdString())
{
}

bool HasResourcePicture(const QString &name)
{
    return IsPictureName(name) && QFile::exists(ResourcePath(name));
}

QImage LoadResourcePicture(const QString &name)
{
    QImage picture;
    if (!IsPictureName(name) || !picture.load(ResourcePath(name), "PNG"))
        throw EResourceMissing(name);
    return picture.convertToFormat(QImage::Format_ARGB32);
}

QPoint CursorHotSpot(const QString &name)
{
    const QString wanted = name.toUpper();
    for (const VellumiArt::TCursorSpot &spot : VellumiArt::Cursors)
        if (wanted == QLatin1String(spot.Name.data(), qsizetype(spot.Name.size())))
            return QPoint(spot.X, spot.Y);
    throw EResourceMissing(name);
}
