#pragma once
// The editor's own mouse cursors, kept in a table by index 1..12 in the
// order the drawing and layer tools select them.

#include <QCursor>
#include <QStringList>

enum TCursorIndex {
    crPen = 1, crBrush, crEraser, crAirBrush, crFill, crHand, crCross, crFist, crDrag, crText, crStamp, crLayer
};

class TCursorTable {
public:
    static const QStringList &Names(); // "CUR_PEN" ... "CUR_LAYER"
    // Loads the twelve cursors; called once at start.
    void Load();
    // The cursor at index 1..12; the arrow for any other index.
    QCursor Cursor(int index) const;
    int Count() const { return FCursors.size(); }

private:
    QList<QCursor> FCursors;
};
