// Single pictures: the edited mark of the thumbnails, the mosaic hint, the
// about picture and the application icon (from resources/vellumi.svg).

#include "ArtworkNames.h"
#include "Generators.h"

#include <QLinearGradient>
#include <QSvgRenderer>

#include <stdexcept>

namespace {

QImage EditedMark()
{
    // A ribbon bookmark with a pencil tick: "this photo has edits".
    QImage mark = NewCanvas(VellumiArt::EditedMark.Width, VellumiArt::EditedMark.Height);
    QPainter p(&mark);
    PrepPainter(p);
    QPainterPath ribbon;
    ribbon.moveTo(0.5, 0.5);
    ribbon.lineTo(14.5, 0.5);
    ribbon.lineTo(14.5, 21.5);
    ribbon.lineTo(7.5, 16);
    ribbon.lineTo(0.5, 21.5);
    ribbon.closeSubpath();
    QLinearGradient g(0, 0, 0, 22);
    g.setColorAt(0, QColor(255, 150, 40));
    g.setColorAt(1, QColor(235, 90, 20));
    p.setPen(QPen(QColor(150, 50, 0), 1));
    p.setBrush(g);
    p.drawPath(ribbon);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(3.5, 7.5);
    tick.lineTo(6.5, 10.5);
    tick.lineTo(11.5, 4.5);
    p.drawPath(tick);
    return mark;
}

QImage MosaicHint()
{
    const int w = VellumiArt::MosaicHint.Width, h = VellumiArt::MosaicHint.Height;
    QImage hint = NewCanvas(w, h, QColor(255, 251, 222));
    QPainter p(&hint);
    PrepPainter(p);
    p.setPen(QPen(QColor(200, 170, 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    const QColor blocks[] = {QColor(120, 150, 190), QColor(170, 190, 215), QColor(90, 120, 165),
                             QColor(200, 210, 225), QColor(140, 165, 200), QColor(100, 135, 180)};
    p.setPen(Qt::NoPen);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            p.setBrush(blocks[(x * 2 + y * 3) % 6]);
            p.drawRect(QRectF(8 + x * 9, 8 + y * 9, 9, 9));
        }
    QPen dash(QColor(60, 60, 60), 1.2);
    dash.setDashPattern({3, 2});
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6.5, 6.5, 30, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 52, 30));
    p.drawPath(TextPath(QStringLiteral("모자이크할 영역을"), 13).translated(46, 19));
    p.drawPath(TextPath(QStringLiteral("마우스로 드래그하세요"), 13).translated(46, 36));
    return hint;
}

QImage AppIcon(const QString &sourceDir, int size)
{
    QSvgRenderer svg(sourceDir + QStringLiteral("/vellumi.svg"));
    if (!svg.isValid())
        throw std::runtime_error("resources/vellumi.svg does not load");
    QImage icon = NewCanvas(size, size);
    QPainter p(&icon);
    PrepPainter(p);
    svg.render(&p, QRectF(0, 0, size, size));
    return icon;
}

QImage AboutPicture(const QImage &logo)
{
    // The text "벨루미 Version 2.0" is drawn by the about box on the right.
    const int w = VellumiArt::AboutPicture.Width, h = VellumiArt::AboutPicture.Height;
    QImage about = NewCanvas(w, h);
    QPainter p(&about);
    PrepPainter(p);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(250, 252, 255));
    g.setColorAt(1, QColor(218, 232, 250));
    p.fillRect(about.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(47, 128, 237, 30));
    p.drawEllipse(QPointF(w - 20, h + 10), 120, 90);
    p.setBrush(QColor(47, 128, 237, 22));
    p.drawEllipse(QPointF(w - 70, -30), 80, 60);
    p.drawImage(QRectF(18, 18, 85, 85), logo);
    p.setPen(QPen(QColor(150, 180, 220), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.drawLine(QPointF(118, 24), QPointF(118, h - 24));
    return about;
}

} // namespace

void MakePictures(TArtSink &sink, const QString &sourceDir)
{
    sink.BeginGroup(QStringLiteral("pictures"));
    sink.Compiled(VellumiArt::EditedMark.Name, EditedMark());
    sink.Compiled(VellumiArt::MosaicHint.Name, MosaicHint());
    const QImage logo = AppIcon(sourceDir, VellumiArt::AppIcon.Width);
    sink.Compiled(VellumiArt::AboutPicture.Name, AboutPicture(AppIcon(sourceDir, 170)));
    sink.Compiled(VellumiArt::AppIcon.Name, logo);
}
