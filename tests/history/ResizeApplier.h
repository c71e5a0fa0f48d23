#pragma once
// A "크기변경" applier for the history tests: it really resizes (nearest
// pixel), so every undo and redo shows in the canvas size and pixels.

#include "history/ReplayEngine.h"

inline TImageLayer *ResizeNearest(const TOpRecord &record, TReplayContext &context)
{
    TBitmap32 copy;
    copy.Assign(context.View.Bitmap());
    const int w = record.Int("AW"), h = record.Int("AH");
    TBitmap32 &target = context.View.Bitmap();
    target.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            *target.PixelPtr(x, y) = copy.Pixel(x * copy.Width() / w, y * copy.Height() / h);
    return nullptr;
}
