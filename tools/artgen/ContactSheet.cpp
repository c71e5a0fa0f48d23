// Contact sheets: every generated picture of a group on one page, over a
// checkerboard so that transparency shows, each with its name below.

#include "Generators.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace {

void Checkerboard(QPainter &p, const QRectF &box)
{
    p.save();
    p.setClipRect(box);
    p.fillRect(box, QColor(255, 255, 255));
    for (int y = 0; y * 8 < box.height(); ++y)
        for (int x = 0; x * 8 < box.width(); ++x)
            if ((x + y) % 2)
                p.fillRect(QRectF(box.left() + x * 8, box.top() + y * 8, 8, 8), QColor(214, 218, 224));
    p.restore();
}

QImage SheetOf(const TArtGroup &group)
{
    int maxW = 1, maxH = 1;
    for (const TArtEntry &e : group.Entries) {
        maxW = std::max(maxW, e.Picture.width());
        maxH = std::max(maxH, e.Picture.height());
    }
    // Small pictures are enlarged (pixel-true) so that their detail can be judged.
    const double scale = std::min(4.0, std::max(1.0, std::floor(64.0 / std::max(maxW, maxH))));
    const double fit = std::min(1.0, 240.0 / (std::max(maxW, maxH) * scale));
    const int cellW = std::max(90, int(std::ceil(maxW * scale * fit)) + 12);
    const int cellH = int(std::ceil(maxH * scale * fit)) + 30;
    const int columns = std::max(1, std::min(int(group.Entries.size()), 1600 / cellW));
    const int rows = int((group.Entries.size() + std::size_t(columns) - 1) / std::size_t(columns));
    QImage sheet = NewCanvas(columns * cellW + 16, rows * cellH + 56, QColor(246, 247, 249));
    QPainter p(&sheet);
    PrepPainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 48, 60));
    p.drawPath(TextPath(group.Name, 20).translated(10, 30));
    for (std::size_t i = 0; i < group.Entries.size(); ++i) {
        const TArtEntry &e = group.Entries[i];
        const double x0 = 8 + double(int(i) % columns) * cellW, y0 = 44 + double(int(i) / columns) * cellH;
        const double w = e.Picture.width() * scale * fit, h = e.Picture.height() * scale * fit;
        const QRectF box(x0 + (cellW - w) / 2, y0 + (cellH - 24 - h) / 2, w, h);
        Checkerboard(p, box);
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, fit < 1.0);
        p.drawImage(box, e.Picture);
        p.restore();
        QPainterPath caption = TextPath(e.Caption, 11, false);
        const double cw = std::min(caption.boundingRect().width(), double(cellW - 4));
        p.save();
        p.setClipRect(QRectF(x0, y0, cellW, cellH));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 66, 76));
        p.drawPath(caption.translated(x0 + (cellW - cw) / 2, y0 + cellH - 8));
        p.restore();
    }
    return sheet;
}

} // namespace

void WriteContactSheets(const TArtSink &sink, const QString &folder)
{
    QDir().mkpath(folder);
    for (const TArtGroup &group : sink.Groups())
        SavePng(SheetOf(group), folder + QStringLiteral("/artwork-") + group.Name + QStringLiteral(".png"));
}
