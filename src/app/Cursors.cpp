#include "app/Cursors.h"

#include "ResourcePictures.h"

#include <QPixmap>

const QStringList &TCursorTable::Names()
{
    static const QStringList names = {
        QStringLiteral("CUR_PEN"),  QStringLiteral("CUR_BRUSH"), QStringLiteral("CUR_ERASER"),
        QStringLiteral("CUR_AIRBRUSH"), QStringLiteral("CUR_FILL"), QStringLiteral("CUR_HAND"),
        QStringLiteral("CUR_CROSS"), QStringLiteral("CUR_FIST"),  QStringLiteral("CUR_DRAG"),
        QStringLiteral("CUR_TEXT"), QStringLiteral("CUR_STAMP"), QStringLiteral("CUR_LAYER")};
    return names;
}

void TCursorTable::Load()
{
    FCursors.clear();
    for (const QString &name : Names())
        FCursors.append(QCursor(QPixmap::fromImage(LoadResourcePicture(name)), CursorHotSpot(name).x(),
                                CursorHotSpot(name).y()));
}

QCursor TCursorTable::Cursor(int index) const
{
    if (index < 1 || index > FCursors.size())
        return Qt::ArrowCursor;
    return FCursors[index - 1];
}
