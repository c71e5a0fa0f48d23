#pragma once
// Pictures compiled into the program: icons in their states, cursors, player
// buttons, sticker and balloon thumbnails, the edited mark, the mosaic hint,
// the about picture and the application icon. QtGui only.

#include <QImage>
#include <QPoint>
#include <QString>

#include <stdexcept>

// Raised when a picture name is not among the compiled-in resources.
class EResourceMissing : public std::runtime_error {
public:
    explicit EResourceMissing(const QString &name);
};

// Names are matched without regard to letter case ("Play_N" = "PLAY_N").
bool HasResourcePicture(const QString &name);
// The picture as 32-bit ARGB; throws EResourceMissing for an unknown name.
QImage LoadResourcePicture(const QString &name);
// Hot spot of a custom cursor ("CUR_PEN" ... "CUR_LAYER"); throws
// EResourceMissing for a name that is not a cursor.
QPoint CursorHotSpot(const QString &name);
