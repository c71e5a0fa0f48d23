#pragma once
// Drawing helpers shared by the sticker files.

#include "ArtKit.h"

#include <functional>

inline const QColor StickerInk(58, 40, 32);

QPen InkPen(double width = 4.0, QColor colour = StickerInk);
// A knitted cap seen from the front: crown and ribbed band.
void DrawBeanie(QPainter &p, QRectF box, QColor wool, QColor band);
void DrawEye(QPainter &p, QPointF centre, double rx, double ry, double pupil, QPointF look = {});

struct TStickerDraw {
    const char *Name;
    int Width, Height;
    std::function<void(QPainter &)> Draw;
};
// Hats and caps (StickerHats.cpp).
std::vector<TStickerDraw> HatStickers();
