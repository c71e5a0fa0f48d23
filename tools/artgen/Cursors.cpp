// The twelve canvas cursors: white shapes with a black outline so that they
// show on any photo, each with the tool's tip on its hot spot.

#include "ArtworkNames.h"
#include "Generators.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

namespace {

void Outlined(QPainter &p, const QPainterPath &path, QColor fill = Qt::white)
{
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath Poly(std::initializer_list<QPointF> pts) { return PolyPath(pts, true); }

// Tools drawn along the diagonal with the tip at (x, y).
void Pen(QPainter &p, QPointF t)
{
    Outlined(p, Poly({t, t + QPointF(2, -7), t + QPointF(20, -25), t + QPointF(25, -20), t + QPointF(7, -2)}));
    Outlined(p, Poly({t, t + QPointF(2, -7), t + QPointF(7, -2)}), Qt::black);
    p.drawLine(t + QPointF(16, -21), t + QPointF(21, -16));
}

void Brush(QPainter &p, QPointF t)
{
    Outlined(p, Poly({t + QPointF(9, -10), t + QPointF(23, -26), t + QPointF(27, -22), t + QPointF(11, -8)}));
    QPainterPath tip;
    tip.moveTo(t);
    tip.cubicTo(t + QPointF(1, -6), t + QPointF(4, -12), t + QPointF(9, -11));
    tip.lineTo(t + QPointF(12, -8));
    tip.cubicTo(t + QPointF(11, -3), t + QPointF(6, 0), t);
    Outlined(p, tip, Qt::black);
}

void Eraser(QPainter &p, QPointF t)
{
    Outlined(p, Poly({t, t + QPointF(14, -14), t + QPointF(24, -4), t + QPointF(14, 4) - QPointF(0, 4)}));
    Outlined(p, Poly({t + QPointF(8, -8), t + QPointF(18, -18), t + QPointF(26, -10), t + QPointF(16, 0)}),
             QColor(235, 235, 235));
}

void Airbrush(QPainter &p, QPointF t)
{
    Outlined(p, Poly({t + QPointF(6, 4), t + QPointF(10, 4), t + QPointF(10, 8), t + QPointF(6, 8)}));
    QPainterPath can;
    can.addRoundedRect(QRectF(t.x() + 3, t.y() + 8, 10, 17), 2, 2);
    Outlined(p, can);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (QPointF d : {QPointF(0, 0), QPointF(-2, 3), QPointF(2, -2), QPointF(-1, -3)})
        p.drawEllipse(t + d, 0.9, 0.9);
}

void Fill(QPainter &p, QPointF t)
{
    Outlined(p, Poly({t + QPointF(-22, -12), t + QPointF(-12, -22), t + QPointF(-1, -11), t + QPointF(-11, -1)}));
    p.drawLine(t + QPointF(-17, -17), t + QPointF(-21, -24));
    QPainterPath drop;
    drop.moveTo(t + QPointF(0, -8));
    drop.cubicTo(t + QPointF(2, -4), t + QPointF(2, 0), t);
    drop.cubicTo(t + QPointF(-2, 0), t + QPointF(-2, -4), t + QPointF(0, -8));
    Outlined(p, drop, Qt::black);
}

QPainterPath HandPath(bool open, QPointF c)
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(c.x() - 8, c.y() - 3, 17, 14), 5, 5);
    const int fingers = 4;
    for (int i = 0; i < fingers; ++i) {
        const double x = c.x() - 7.5 + i * 4.2, h = open ? (i == 0 || i == 3 ? 11 : 13) : 4;
        hand.addRoundedRect(QRectF(x, c.y() - 3 - h, 3.8, h + 4), 1.9, 1.9);
    }
    if (open)
        hand.addRoundedRect(QRectF(c.x() - 13, c.y() - 1, 8, 3.8), 1.9, 1.9);
    hand.setFillRule(Qt::WindingFill);
    return hand.simplified();
}

void Hand(QPainter &p, QPointF c) { Outlined(p, HandPath(true, c)); }
void Fist(QPainter &p, QPointF c) { Outlined(p, HandPath(false, c)); }

void Cross(QPainter &p, QPointF c)
{
    for (QPen pen : {QPen(Qt::white, 3.4), QPen(Qt::black, 1.2)}) {
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(QPointF(c.x(), c.y() - 13), QPointF(c.x(), c.y() - 3));
        p.drawLine(QPointF(c.x(), c.y() + 3), QPointF(c.x(), c.y() + 13));
        p.drawLine(QPointF(c.x() - 13, c.y()), QPointF(c.x() - 3, c.y()));
        p.drawLine(QPointF(c.x() + 3, c.y()), QPointF(c.x() + 13, c.y()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(c, 0.8, 0.8);
}

void Drag(QPainter &p, QPointF c)
{
    QPainterPath arrows;
    for (int k = 0; k < 4; ++k) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(90 * k);
        arrows.addPath(t.map(Poly({{-2, -2}, {-2, -9}, {-5, -9}, {0, -14}, {5, -9}, {2, -9}, {2, -2}})));
    }
    arrows.setFillRule(Qt::WindingFill);
    Outlined(p, arrows.simplified());
}

void TextBeam(QPainter &p, QPointF c)
{
    QPainterPath beam = Poly({{c.x() - 5, c.y() - 11}, {c.x() - 1, c.y() - 11}, {c.x(), c.y() - 10},
                              {c.x() + 1, c.y() - 11}, {c.x() + 5, c.y() - 11}, {c.x() + 5, c.y() - 9},
                              {c.x() + 1, c.y() - 9}, {c.x() + 1, c.y() + 9}, {c.x() + 5, c.y() + 9},
                              {c.x() + 5, c.y() + 11}, {c.x() + 1, c.y() + 11}, {c.x(), c.y() + 10},
                              {c.x() - 1, c.y() + 11}, {c.x() - 5, c.y() + 11}, {c.x() - 5, c.y() + 9},
                              {c.x() - 1, c.y() + 9}, {c.x() - 1, c.y() - 9}, {c.x() - 5, c.y() - 9}});
    Outlined(p, beam, Qt::black);
    p.setPen(QPen(Qt::white, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(beam);
}

void Stamp(QPainter &p, QPointF t)
{
    QPainterPath knob;
    knob.addEllipse(QPointF(t.x(), t.y() - 23), 5, 4.5);
    Outlined(p, knob);
    Outlined(p, Poly({t + QPointF(-2.5, -19), t + QPointF(2.5, -19), t + QPointF(3, -11), t + QPointF(-3, -11)}));
    QPainterPath base;
    base.addRoundedRect(QRectF(t.x() - 10, t.y() - 11, 20, 7), 1.5, 1.5);
    Outlined(p, base);
    Outlined(p, Poly({t + QPointF(-10, -4), t + QPointF(10, -4), t + QPointF(10, -1), t + QPointF(-10, -1)}),
             Qt::black);
}

void Layer(QPainter &p, QPointF t)
{
    Outlined(p, Poly({t, t + QPointF(0, 17), t + QPointF(4, 13), t + QPointF(7, 20), t + QPointF(10, 19),
                      t + QPointF(7, 12), t + QPointF(12, 12)}));
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(t.x() + 15.5, t.y() + 15.5, 11, 9));
    p.drawRect(QRectF(t.x() + 18.5, t.y() + 19.5, 11, 9));
}

const std::map<std::string, std::function<void(QPainter &, QPointF)>, std::less<>> &Drawings()
{
    static const std::map<std::string, std::function<void(QPainter &, QPointF)>, std::less<>> d = {
        {"CUR_PEN", Pen},   {"CUR_BRUSH", Brush}, {"CUR_ERASER", Eraser}, {"CUR_AIRBRUSH", Airbrush},
        {"CUR_FILL", Fill}, {"CUR_HAND", Hand},   {"CUR_CROSS", Cross},   {"CUR_FIST", Fist},
        {"CUR_DRAG", Drag}, {"CUR_TEXT", TextBeam}, {"CUR_STAMP", Stamp}, {"CUR_LAYER", Layer},
    };
    return d;
}

} // namespace

void MakeCursors(TArtSink &sink)
{
    sink.BeginGroup(QStringLiteral("cursors"));
    for (const VellumiArt::TCursorSpot &spot : VellumiArt::Cursors) {
        const auto it = Drawings().find(spot.Name);
        if (it == Drawings().end())
            throw std::runtime_error("no drawing for the cursor " + std::string(spot.Name));
        QImage cursor = NewCanvas(VellumiArt::CursorSize, VellumiArt::CursorSize);
        QPainter p(&cursor);
        PrepPainter(p);
        it->second(p, QPointF(spot.X + 0.5, spot.Y + 0.5));
        p.end();
        sink.Compiled(spot.Name, cursor);
    }
}
