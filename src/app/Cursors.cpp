#include "app/Cursors.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace {

// Until a picture for the cursor is compiled in, a plain cross-hair with the
// cursor's initial marks it, its hot spot at the centre.
QCursor PlainCursor(const QString &name)
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawLine(16, 4, 16, 28);
    painter.drawLine(4, 16, 28, 16);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(16, 4, 16, 28);
    painter.drawLine(4, 16, 28, 16);
    painter.setFont(QFont(QStringLiteral("Sans"), 6));
    painter.drawText(QRect(18, 0, 14, 12), Qt::AlignLeft, name.mid(4, 1));
    return QCursor(picture, 16, 16);
}

} // namespace

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
        FCursors.append(PlainCursor(name));
}

QCursor TCursorTable::Cursor(int index) const
{
    if (index < 1 || index > FCursors.size())
        return Qt::ArrowCursor;
    return FCursors[index - 1];
}
