#pragma once
// What a failed undo, redo or back to the original puts back: a replay that
// stops at a record has already redrawn part of the canvas and rewritten
// the layer identities of the records it ran.

#include "history/UndoRedoList.h"
#include "platform/ImageViewModel.h"

#include <QRectF>
#include <QStringList>

#include <cstdint>
#include <vector>

class TStepBackup {
public:
    void Take(const TImgView32 &view, const TUndoRedoList &log);
    // Layers made since Take go; the others get their places back. A layer
    // the replay deleted cannot come back: its record keeps its identity,
    // which then names no layer, and the next replay makes it again.
    void Restore(TImgView32 &view, TUndoRedoList &log) const;

private:
    struct TLayerPlace {
        std::int32_t Identity;
        QRectF Location;
        bool Visible;
    };
    // Kept between steps so that a 48 MB photo reuses its buffer.
    TBitmap32 FBitmap;
    std::vector<TLayerPlace> FLayers;
    QStringList FRecords;
};
