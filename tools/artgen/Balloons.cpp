// The 43 balloon shapes: speech (0..11, tail below), thought (12..21),
// shout (22..31) and caption shapes (32..42). White inside, a dark outline,
// transparent outside; written beside the program and as thumbnails.

#include "ArtworkNames.h"
#include "Generators.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int Side = 300;
const QColor Outline(43, 43, 48);
constexpr double Stroke = 5.0;

QPainterPath Tail(QPointF a, QPointF b, QPointF tip, double bend)
{
    // A wedge from the base a-b to the tip, its sides bowed by bend pixels.
    QPainterPath t;
    const QPointF ma = (a + tip) / 2, mb = (b + tip) / 2;
    QPointF n(-(tip - a).y(), (tip - a).x());
    n /= std::hypot(n.x(), n.y());
    t.moveTo(a);
    t.quadTo(ma + n * bend, tip);
    t.quadTo(mb + n * bend, b);
    t.closeSubpath();
    return t;
}

QPainterPath Ellipse(QRectF r)
{
    QPainterPath p;
    p.addEllipse(r);
    return p;
}

QPainterPath Rounded(QRectF r, double radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath Cloud(QRectF r, int lobes, double lobe, std::uint64_t seed)
{
    TRng rng(seed);
    QPainterPath p = Ellipse(r.adjusted(lobe * 0.6, lobe * 0.6, -lobe * 0.6, -lobe * 0.6));
    const QPointF c = r.center();
    const double rx = r.width() / 2 - lobe, ry = r.height() / 2 - lobe;
    for (int i = 0; i < lobes; ++i) {
        const double a = 2 * std::numbers::pi * i / lobes + rng.Range(-0.05, 0.05);
        const double s = lobe * rng.Range(0.85, 1.1);
        p.addEllipse(c + QPointF(std::cos(a) * rx, std::sin(a) * ry), s, s);
    }
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

QPainterPath Burst(QRectF r, int spikes, double depth, std::uint64_t seed, int longSpike, QPointF tip)
{
    TRng rng(seed);
    QPainterPath p;
    const QPointF c = r.center();
    const double rx = r.width() / 2, ry = r.height() / 2;
    for (int i = 0; i < spikes * 2; ++i) {
        const double a = -std::numbers::pi / 2 + std::numbers::pi * i / spikes + rng.Range(-0.06, 0.06);
        const double k = (i % 2 == 0) ? rng.Range(0.92, 1.0) : depth * rng.Range(0.94, 1.04);
        QPointF pt = c + QPointF(std::cos(a) * rx * k, std::sin(a) * ry * k);
        if (i == longSpike * 2)
            pt = tip;
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

QPainterPath Bubbles(QPointF from, QPointF to, int count, double first)
{
    QPainterPath p;
    for (int i = 0; i < count; ++i) {
        const double t = count == 1 ? 1.0 : double(i) / (count - 1);
        const double r = first * (1.0 - 0.45 * t);
        p.addEllipse(from + (to - from) * t, r, r);
    }
    return p;
}

// Body plus tail of the twelve speech shapes; their tails all point down so
// the caption sits a little high.
QPainterPath Speech(int n)
{
    const QRectF oval(16, 18, 268, 200), box(16, 22, 268, 190);
    switch (n) {
    case 0: return Ellipse(oval).united(Tail({70, 190}, {118, 212}, {40, 290}, 10));
    case 1: return Ellipse(oval).united(Tail({182, 212}, {230, 190}, {262, 290}, -10));
    case 2: return Ellipse(oval).united(Tail({128, 214}, {172, 214}, {150, 292}, 0));
    case 3: return Ellipse(oval).united(Tail({100, 206}, {146, 216}, {66, 292}, -26));
    case 4: return Rounded(box, 36).united(Tail({56, 200}, {104, 200}, {36, 290}, 8));
    case 5: return Rounded(box, 36).united(Tail({196, 200}, {244, 200}, {264, 290}, -8));
    case 6: return Rounded(box, 36).united(Tail({124, 206}, {176, 206}, {150, 292}, 0));
    case 7: return Rounded(box, 60).united(Tail({150, 206}, {196, 204}, {230, 292}, 24));
    case 8: return Rounded(box, 10).united(Tail({60, 206}, {110, 206}, {70, 292}, 0));
    case 9: return Rounded(box, 10).united(Tail({190, 206}, {240, 206}, {230, 292}, 0));
    case 10:
        return Ellipse(QRectF(10, 36, 280, 176))
            .united(Tail({84, 196}, {124, 208}, {50, 286}, 12))
            .united(Tail({176, 208}, {216, 196}, {250, 286}, -12));
    default: {
        QPainterPath body = Ellipse(QRectF(30, 14, 240, 196));
        QPainterPath tail;
        tail.moveTo(128, 204);
        tail.cubicTo(132, 250, 90, 262, 44, 290);
        tail.cubicTo(116, 282, 172, 256, 172, 202);
        tail.closeSubpath();
        return body.united(tail);
    }
    }
}

struct TShape {
    QPainterPath Body;
    QPainterPath Extra; // drawn separately (thought bubbles)
    bool Dashed = false;
    bool DoubleLine = false;
};

TShape Thought(int k)
{
    const QRectF area(20, 20, 260, 190);
    static const QPointF tips[10][2] = {
        {{70, 228}, {34, 282}},   {{230, 228}, {266, 282}}, {{150, 234}, {150, 286}},
        {{50, 200}, {18, 268}},   {{250, 200}, {282, 268}}, {{110, 232}, {60, 286}},
        {{190, 232}, {240, 286}}, {{100, 230}, {150, 286}}, {{200, 230}, {150, 286}},
        {{40, 170}, {16, 250}}};
    TShape s;
    const int lobes = 9 + (k % 4) * 2;
    s.Body = Cloud(k % 2 ? area.adjusted(8, 4, -8, 0) : area, lobes, 34 - (k % 4) * 3, 100 + std::uint64_t(k));
    s.Extra = Bubbles(tips[k][0], tips[k][1], 3, 15);
    return s;
}

TShape Shout(int k)
{
    TShape s;
    const QRectF area = k < 5 ? QRectF(10, 10, 280, 230) : (k == 7 || k == 8) ? QRectF(44, 30, 212, 230) : QRectF(8, 20, 284, 260);
    // The last shout has no tail.
    static const QPointF tips[10] = {{40, 292}, {262, 292}, {150, 296}, {6, 230}, {294, 230},
                                     {20, 296}, {280, 296}, {4, 150}, {296, 150}, {0, 0}};
    const int spikes = 12 + (k % 5) * 2;
    const double depth = 0.72 + 0.04 * (k % 3);
    const QPointF c = area.center(), tip = tips[k];
    // The spike nearest to the tip's direction becomes the long one.
    const double want = std::atan2((tip - c).y() / (area.height() / 2), (tip - c).x() / (area.width() / 2));
    int best = 0;
    double bestGap = 10;
    for (int i = 0; i < spikes; ++i) {
        double a = -std::numbers::pi / 2 + 2 * std::numbers::pi * i / spikes - want;
        a = std::remainder(a, 2 * std::numbers::pi);
        if (std::abs(a) < bestGap) {
            bestGap = std::abs(a);
            best = i;
        }
    }
    s.Body = Burst(area, spikes, depth, 200 + std::uint64_t(k), k == 9 ? -1 : best, tip);
    return s;
}

TShape Caption(int k)
{
    TShape s;
    const QRectF box(14, 50, 272, 200);
    switch (k) {
    case 0: s.Body = Rounded(box, 4); break;
    case 1: s.Body = Rounded(box, 48); break;
    case 2: s.Body = Rounded(box, 24); s.DoubleLine = true; break;
    case 3: s.Body = Ellipse(QRectF(12, 30, 276, 240)); s.Dashed = true; break;
    case 4: {
        QPainterPath p;
        p.moveTo(14, 50);
        p.lineTo(236, 50);
        p.lineTo(286, 100);
        p.lineTo(286, 250);
        p.lineTo(14, 250);
        p.closeSubpath();
        s.Body = p;
        break;
    }
    case 5: {
        QPainterPath p;
        p.moveTo(6, 90);
        p.lineTo(40, 90);
        p.lineTo(40, 70);
        p.lineTo(260, 70);
        p.lineTo(260, 90);
        p.lineTo(294, 90);
        p.lineTo(274, 150);
        p.lineTo(294, 210);
        p.lineTo(260, 210);
        p.lineTo(260, 230);
        p.lineTo(40, 230);
        p.lineTo(40, 210);
        p.lineTo(6, 210);
        p.lineTo(26, 150);
        p.closeSubpath();
        s.Body = p;
        break;
    }
    case 6: {
        QPainterPath p;
        for (int i = 0; i < 8; ++i) {
            const double a = std::numbers::pi / 8 + i * std::numbers::pi / 4;
            const QPointF pt(150 + 146 * std::cos(a), 150 + 128 * std::sin(a));
            i ? p.lineTo(pt) : p.moveTo(pt);
        }
        p.closeSubpath();
        s.Body = p;
        break;
    }
    case 7: {
        // A scroll: a sheet between two rolls.
        QPainterPath scroll = Rounded(QRectF(40, 60, 220, 180), 2);
        scroll.addRoundedRect(QRectF(22, 38, 256, 30), 15, 15);
        scroll.addRoundedRect(QRectF(22, 232, 256, 30), 15, 15);
        scroll.setFillRule(Qt::WindingFill);
        s.Body = scroll.simplified();
        s.Extra.addRoundedRect(QRectF(22, 38, 256, 30), 15, 15);
        s.Extra.addRoundedRect(QRectF(22, 232, 256, 30), 15, 15);
        for (QPointF end : {QPointF(37, 53), QPointF(263, 53), QPointF(37, 247), QPointF(263, 247)})
            s.Extra.addEllipse(end, 7, 7);
        s.Extra.setFillRule(Qt::WindingFill);
        break;
    }
    case 8: s.Body = Rounded(QRectF(50, 30, 236, 220), 40).united(Tail({54, 110}, {54, 170}, {6, 196}, 0)); break;
    case 9: s.Body = Rounded(QRectF(14, 30, 236, 220), 40).united(Tail({246, 110}, {246, 170}, {294, 104}, 0)); break;
    default: {
        QPainterPath tag;
        tag.moveTo(64, 50);
        tag.lineTo(286, 50);
        tag.lineTo(286, 250);
        tag.lineTo(64, 250);
        tag.lineTo(10, 150);
        tag.closeSubpath();
        tag.addEllipse(QPointF(60, 150), 12, 12);
        s.Body = tag;
        break;
    }
    }
    return s;
}

TShape ShapeOf(int n)
{
    if (n < 12)
        return {Speech(n), {}, false, false};
    if (n < 22)
        return Thought(n - 12);
    if (n < 32)
        return Shout(n - 22);
    return Caption(n - 32);
}

QImage DrawBalloon(int n)
{
    const TShape shape = ShapeOf(n);
    QImage canvas = NewCanvas(Side, Side);
    QPainter p(&canvas);
    PrepPainter(p);
    QPen pen(Outline, Stroke, shape.Dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::white);
    p.drawPath(shape.Body.simplified());
    if (n == 36) {
        // The folded corner of the note, shaded.
        QPainterPath fold;
        fold.moveTo(236, 50);
        fold.lineTo(236, 100);
        fold.lineTo(286, 100);
        fold.closeSubpath();
        p.setBrush(QColor(228, 228, 234));
        p.drawPath(fold);
    }
    if (shape.DoubleLine) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Outline, 2.5));
        p.drawRoundedRect(QRectF(26, 62, 248, 176), 14, 14);
    }
    if (!shape.Extra.isEmpty()) {
        p.setPen(pen);
        p.setBrush(Qt::white);
        p.drawPath(shape.Extra);
    }
    return canvas;
}

} // namespace

void MakeBalloons(TArtSink &sink)
{
    sink.BeginGroup(QStringLiteral("balloons"));
    std::vector<QImage> pictures;
    for (int n = 0; n < VellumiArt::BalloonCount; ++n) {
        pictures.push_back(DrawBalloon(n));
        sink.Beside(QStringLiteral("Image/Balloon/BALLOON%1.png").arg(n + 1), pictures.back());
    }
    sink.BeginGroup(QStringLiteral("balloon-thumbnails"));
    for (int n = 0; n < VellumiArt::BalloonCount; ++n)
        sink.Compiled("BALLOON" + std::to_string(n + 1),
                      pictures[std::size_t(n)].scaled(VellumiArt::BalloonThumbSize, VellumiArt::BalloonThumbSize,
                                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
