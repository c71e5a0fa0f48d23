#pragma once
// A made-up landscape for window tests and screenshots: a sky gradient, a
// sun and the ground, written as a real photo file by its extension.

#include "documents/ImageCodecs.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

struct TScene {
    QColor SkyTop, SkyBottom;
    QPointF Sun;   // centre, in pixels
    double SunRadius;
    int GroundTop; // first row of the ground
    QColor Ground;
};

inline void WriteScenePhoto(const QString &path, int width, int height, const TScene &scene)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, scene.SkyTop);
    sky.setColorAt(1, scene.SkyBottom);
    painter.fillRect(picture.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 180));
    painter.drawEllipse(scene.Sun, scene.SunRadius, scene.SunRadius);
    painter.setBrush(scene.Ground);
    painter.drawRect(0, scene.GroundTop, width, height - scene.GroundTop);
    painter.end();
    TBitmap32 bitmap;
    bitmap.Assign(picture);
    SavePhotoFile(path, bitmap);
}
