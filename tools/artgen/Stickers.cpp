// The 38 stickers: cartoon pictures with a dark outline on a transparent
// ground, written beside the program and as thumbnails into the resources.

#include "ArtworkNames.h"
#include "Generators.h"
#include "StickerParts.h"

#include <QRadialGradient>

#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>

QPen InkPen(double width, QColor colour)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawBeanie(QPainter &p, QRectF box, QColor wool, QColor band)
{
    const double l = box.left(), t = box.top(), w = box.width(), h = box.height();
    QPainterPath crown;
    crown.moveTo(l + 0.06 * w, t + 0.78 * h);
    crown.cubicTo(l + 0.02 * w, t - 0.08 * h, l + 0.98 * w, t - 0.08 * h, l + 0.94 * w, t + 0.78 * h);
    crown.closeSubpath();
    FillOutlined(p, crown, wool.lighter(115), wool.darker(108), StickerInk, 4);
    const QRectF bandBox(l, t + 0.66 * h, w, 0.3 * h);
    QPainterPath bandPath;
    bandPath.addRoundedRect(bandBox, 0.12 * h, 0.12 * h);
    FillOutlined(p, bandPath, band.lighter(110), band.darker(112), StickerInk, 4);
    p.save();
    p.setClipPath(bandPath);
    p.setPen(QPen(band.darker(135), 2.5));
    for (double x = l + 10; x < l + w - 4; x += 11)
        p.drawLine(QPointF(x, bandBox.top() + 5), QPointF(x, bandBox.bottom() - 5));
    p.restore();
}

void DrawEye(QPainter &p, QPointF c, double rx, double ry, double pupil, QPointF look)
{
    p.setPen(InkPen(3.5));
    p.setBrush(Qt::white);
    p.drawEllipse(c, rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 24, 22));
    const QPointF pc = c + look;
    p.drawEllipse(pc, pupil, pupil);
    p.setBrush(Qt::white);
    p.drawEllipse(pc + QPointF(-pupil * 0.35, -pupil * 0.4), pupil * 0.32, pupil * 0.32);
}

namespace {

void Banana(QPainter &p)
{
    QPainterPath body;
    body.moveTo(26, 52);
    body.cubicTo(40, 150, 185, 152, 222, 44);
    body.lineTo(230, 36);
    body.cubicTo(176, 108, 76, 112, 40, 44);
    body.closeSubpath();
    FillOutlined(p, body, QColor(255, 232, 92), QColor(240, 180, 20), StickerInk, 4);
    p.setPen(QPen(QColor(255, 248, 190), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shine;
    shine.moveTo(62, 86);
    shine.cubicTo(96, 112, 150, 114, 188, 88);
    p.drawPath(shine);
    p.setPen(QPen(QColor(205, 150, 20), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath ridge;
    ridge.moveTo(40, 66);
    ridge.cubicTo(70, 128, 170, 130, 214, 54);
    p.drawPath(ridge);
    QPainterPath stem;
    stem.moveTo(28, 56);
    stem.lineTo(14, 30);
    stem.lineTo(26, 22);
    stem.lineTo(42, 48);
    stem.closeSubpath();
    FillOutlined(p, stem, QColor(150, 110, 50), QColor(100, 70, 30), StickerInk, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 30));
    p.drawEllipse(QPointF(226, 40), 6, 6);
}

void Butterfly(QPainter &p)
{
    auto wings = [&](bool right) {
        p.save();
        if (right) {
            p.translate(240, 0);
            p.scale(-1, 1);
        }
        QPainterPath upper;
        upper.moveTo(116, 92);
        upper.cubicTo(70, 2, 4, 14, 18, 76);
        upper.cubicTo(26, 112, 80, 114, 116, 102);
        upper.closeSubpath();
        QPainterPath lower;
        lower.moveTo(116, 106);
        lower.cubicTo(70, 106, 26, 146, 56, 176);
        lower.cubicTo(86, 194, 112, 152, 118, 112);
        lower.closeSubpath();
        FillOutlined(p, lower, QColor(255, 160, 200), QColor(200, 80, 170), StickerInk, 4);
        FillOutlined(p, upper, QColor(150, 120, 255), QColor(90, 60, 200), StickerInk, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 120));
        p.drawEllipse(QPointF(52, 58), 14, 12);
        p.drawEllipse(QPointF(70, 152), 10, 10);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(QPointF(86, 72), 7, 7);
        p.restore();
    };
    wings(false);
    wings(true);
    QPainterPath body;
    body.addRoundedRect(QRectF(111, 62, 18, 112), 9, 9);
    FillOutlined(p, body, QColor(90, 70, 60), QColor(50, 40, 35), StickerInk, 3.5);
    p.setPen(InkPen(3.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath antennae;
    antennae.moveTo(116, 64);
    antennae.cubicTo(108, 40, 96, 28, 86, 22);
    antennae.moveTo(124, 64);
    antennae.cubicTo(132, 40, 144, 28, 154, 22);
    p.drawPath(antennae);
    p.setBrush(StickerInk);
    p.drawEllipse(QPointF(86, 22), 4.5, 4.5);
    p.drawEllipse(QPointF(154, 22), 4.5, 4.5);
}

void ChocolateDoll(QPainter &p)
{
    QPainterPath body;
    body.addEllipse(QPointF(90, 58), 44, 42);
    QPainterPath trunk;
    trunk.moveTo(60, 92);
    trunk.cubicTo(30, 96, 10, 110, 16, 128);
    trunk.cubicTo(22, 144, 46, 136, 58, 128);
    trunk.lineTo(50, 190);
    trunk.cubicTo(44, 222, 80, 226, 84, 204);
    trunk.lineTo(90, 180);
    trunk.lineTo(96, 204);
    trunk.cubicTo(100, 226, 136, 222, 130, 190);
    trunk.lineTo(122, 128);
    trunk.cubicTo(134, 136, 158, 144, 164, 128);
    trunk.cubicTo(170, 110, 150, 96, 120, 92);
    trunk.closeSubpath();
    body = body.united(trunk);
    FillOutlined(p, body, QColor(140, 86, 52), QColor(96, 56, 32), QColor(50, 28, 16), 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 250, 240), 4, Qt::SolidLine, Qt::RoundCap));
    auto squiggle = [&](QPointF a, QPointF b, int waves) {
        QPainterPath s;
        s.moveTo(a);
        const QPointF d = (b - a) / waves;
        for (int i = 0; i < waves; ++i) {
            const QPointF s0 = a + d * i;
            s.quadTo(s0 + d * 0.5 + QPointF(0, (i % 2 ? 5 : -5)), s0 + d);
        }
        p.drawPath(s);
    };
    squiggle({22, 120}, {54, 116}, 3);
    squiggle({126, 116}, {158, 120}, 3);
    squiggle({56, 196}, {80, 200}, 2);
    squiggle({100, 200}, {124, 196}, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 240));
    p.drawEllipse(QPointF(74, 52), 6, 7);
    p.drawEllipse(QPointF(106, 52), 6, 7);
    p.setPen(QPen(QColor(255, 250, 240), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(72, 56, 36, 26), 200 * 16, 140 * 16);
    const QColor buttons[] = {QColor(255, 90, 120), QColor(90, 200, 255), QColor(255, 220, 60)};
    p.setPen(InkPen(2.5, QColor(50, 28, 16)));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(buttons[i]);
        p.drawEllipse(QPointF(90, 118 + i * 22), 7, 7);
    }
}

void Lollipop(QPainter &p, const std::vector<QColor> &colours, bool rings)
{
    QPainterPath stick;
    stick.addRoundedRect(QRectF(67, 120, 16, 132), 6, 6);
    FillOutlined(p, stick, QColor(255, 255, 255), QColor(220, 220, 220), StickerInk, 3.5);
    const QPointF c(75, 75);
    const double r = 62;
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.save();
    p.setClipPath(disc);
    p.setPen(Qt::NoPen);
    if (rings) {
        for (int i = 0; i < 6; ++i) {
            p.setBrush(colours[std::size_t(i) % colours.size()]);
            p.drawEllipse(c, r - i * 10.5, r - i * 10.5);
        }
    } else {
        p.setBrush(colours[0]);
        p.drawEllipse(c, r, r);
        for (std::size_t arm = 0; arm < 3; ++arm) {
            QPainterPath spiral;
            const double base = arm * 2 * std::numbers::pi / 3;
            spiral.moveTo(c);
            for (int i = 0; i <= 60; ++i) {
                const double t = i / 60.0;
                const double a = base + t * 3.2 * std::numbers::pi;
                spiral.lineTo(c + QPointF(std::cos(a), std::sin(a)) * (t * (r + 8)));
            }
            for (int i = 60; i >= 0; --i) {
                const double t = i / 60.0;
                const double a = base + 0.7 + t * 3.2 * std::numbers::pi;
                spiral.lineTo(c + QPointF(std::cos(a), std::sin(a)) * (t * (r + 8)));
            }
            p.setBrush(colours[1 + arm % (colours.size() - 1)]);
            p.drawPath(spiral);
        }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(4));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(255, 255, 255, 190), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - r + 14, c.y() - r + 14, 2 * r - 28, 2 * r - 28), 100 * 16, 60 * 16);
}

void Eyes(QPainter &p, int kind)
{
    if (kind == 1) {
        DrawEye(p, {62, 56}, 50, 44, 20, {6, 4});
        DrawEye(p, {178, 56}, 50, 44, 20, {6, 4});
        return;
    }
    if (kind == 2) {
        for (double cx : {64.0, 176.0}) {
            const bool left = cx < 100;
            p.setPen(InkPen(3));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(cx, 64), 40, 42);
            QRadialGradient iris(QPointF(cx, 70), 30);
            iris.setColorAt(0, QColor(90, 170, 255));
            iris.setColorAt(1, QColor(20, 40, 120));
            p.setPen(Qt::NoPen);
            p.setBrush(iris);
            p.drawEllipse(QPointF(cx, 70), 28, 32);
            p.setBrush(QColor(10, 12, 30));
            p.drawEllipse(QPointF(cx, 72), 13, 15);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(cx - 10, 58), 9, 10);
            p.drawEllipse(QPointF(cx + 10, 86), 4, 4);
            QPainterPath lash;
            lash.moveTo(cx - 44, 58);
            lash.cubicTo(cx - 30, 12, cx + 30, 12, cx + 44, 58);
            lash.cubicTo(cx + 28, 26, cx - 28, 26, cx - 44, 58);
            const double tip = left ? -1 : 1;
            lash.moveTo(cx + tip * 40, 44);
            lash.lineTo(cx + tip * 56, 30);
            lash.lineTo(cx + tip * 44, 52);
            p.setBrush(QColor(20, 16, 16));
            p.setPen(InkPen(2.5, QColor(20, 16, 16)));
            p.drawPath(lash);
        }
        return;
    }
    for (double cx : {64.0, 176.0}) {
        const bool left = cx < 100;
        QPainterPath white;
        white.moveTo(cx - 42, left ? 50 : 36);
        white.lineTo(cx + 42, left ? 36 : 50);
        white.cubicTo(cx + 46, 96, cx - 46, 96, cx - 42, left ? 50 : 36);
        p.setPen(InkPen(3.5));
        p.setBrush(Qt::white);
        p.drawPath(white);
        p.setPen(QPen(QColor(220, 60, 60, 170), 1.6));
        for (int v = 0; v < 3; ++v)
            p.drawLine(QPointF(cx + (left ? -36 : 36), 60 + v * 8), QPointF(cx + (left ? -20 : 20), 62 + v * 6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(QPointF(cx + (left ? 8 : -8), 64), 12, 12);
        p.setBrush(QColor(20, 10, 10));
        p.drawEllipse(QPointF(cx + (left ? 8 : -8), 64), 6, 6);
        QPainterPath brow;
        brow.moveTo(cx - 48, left ? 22 : 6);
        brow.lineTo(cx + 48, left ? 6 : 22);
        brow.lineTo(cx + 46, left ? 20 : 34);
        brow.lineTo(cx - 46, left ? 34 : 20);
        brow.closeSubpath();
        p.setBrush(QColor(40, 26, 20));
        p.setPen(InkPen(2.5));
        p.drawPath(brow);
    }
}

void Flower(QPainter &p, int kind)
{
    const QPointF c(100, 100);
    if (kind == 1) {
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 72);
            QPainterPath petal;
            petal.moveTo(0, 0);
            petal.cubicTo(-52, -30, -38, -96, 0, -92);
            petal.cubicTo(38, -96, 52, -30, 0, 0);
            FillOutlined(p, petal, QColor(255, 200, 225), QColor(245, 110, 165), StickerInk, 4);
            p.restore();
        }
        QRadialGradient heart(c, 26);
        heart.setColorAt(0, QColor(255, 240, 120));
        heart.setColorAt(1, QColor(245, 170, 30));
        p.setBrush(heart);
        p.setPen(InkPen(4));
        p.drawEllipse(c, 24, 24);
        return;
    }
    if (kind == 2) {
        for (int ring = 0; ring < 2; ++ring)
            for (int i = 0; i < 16; ++i) {
                p.save();
                p.translate(c);
                p.rotate(i * 22.5 + ring * 11.25);
                QPainterPath petal;
                petal.moveTo(-11, -36);
                petal.quadTo(-14, -74, 0, -94 + ring * 10);
                petal.quadTo(14, -74, 11, -36);
                petal.closeSubpath();
                FillOutlined(p, petal, ring ? QColor(255, 220, 40) : QColor(255, 196, 20),
                             ring ? QColor(250, 170, 10) : QColor(230, 130, 10), StickerInk, 3);
                p.restore();
            }
        QRadialGradient seeds(c, 44);
        seeds.setColorAt(0, QColor(120, 70, 30));
        seeds.setColorAt(1, QColor(70, 40, 20));
        p.setBrush(seeds);
        p.setPen(InkPen(4));
        p.drawEllipse(c, 42, 42);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(160, 110, 50));
        for (int i = 0; i < 90; ++i) {
            const double a = i * 2.39996, r = 3.9 * std::sqrt(double(i));
            p.drawEllipse(c + QPointF(std::cos(a) * r, std::sin(a) * r), 2.2, 2.2);
        }
        return;
    }
    QPainterPath stem;
    stem.moveTo(70, 110);
    stem.cubicTo(64, 160, 76, 200, 72, 236);
    p.setPen(QPen(StickerInk, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    p.setPen(QPen(QColor(70, 170, 60), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    QPainterPath leaf;
    leaf.moveTo(72, 226);
    leaf.cubicTo(30, 200, 18, 160, 24, 130);
    leaf.cubicTo(50, 150, 70, 180, 72, 226);
    leaf.moveTo(72, 220);
    leaf.cubicTo(110, 196, 126, 166, 122, 144);
    leaf.cubicTo(96, 160, 78, 186, 72, 220);
    FillOutlined(p, leaf, QColor(120, 210, 90), QColor(50, 140, 50), StickerInk, 3.5);
    QPainterPath cup;
    cup.moveTo(30, 30);
    cup.lineTo(50, 52);
    cup.lineTo(70, 18);
    cup.lineTo(90, 52);
    cup.lineTo(110, 30);
    cup.cubicTo(120, 90, 100, 118, 70, 118);
    cup.cubicTo(40, 118, 20, 90, 30, 30);
    cup.closeSubpath();
    FillOutlined(p, cup, QColor(255, 110, 110), QColor(200, 30, 50), StickerInk, 4);
    p.setPen(QPen(QColor(255, 190, 190), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 66), QPointF(54, 100));
}

// Glasses: two lenses around (cx ± dx, cy) joined by a bridge.
void Glasses(QPainter &p, int kind)
{
    const double cy = 56;
    auto temples = [&](QColor c, double y0) {
        p.setPen(QPen(StickerInk, 11, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, y0), QPointF(6, y0 - 6));
        p.drawLine(QPointF(246, y0), QPointF(254, y0 - 6));
        p.setPen(QPen(c, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, y0), QPointF(6, y0 - 6));
        p.drawLine(QPointF(246, y0), QPointF(254, y0 - 6));
    };
    auto frame = [&](const QPainterPath &lens, QColor rim, double rimWidth, QBrush glass) {
        p.setPen(QPen(StickerInk, rimWidth + 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lens);
        p.setPen(Qt::NoPen);
        p.setBrush(glass);
        p.drawPath(lens);
        p.setPen(QPen(rim, rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lens);
    };
    auto bridge = [&](QColor c, double y) {
        QPainterPath b;
        b.moveTo(104, y);
        b.quadTo(130, y - 16, 156, y);
        p.setPen(QPen(StickerInk, 12, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(b);
        p.setPen(QPen(c, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(b);
    };
    auto shine = [&](QPointF at) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(12, -12));
    };
    QPainterPath left, right;
    switch (kind) {
    case 1: {
        left.addEllipse(QPointF(66, cy), 44, 44);
        right.addEllipse(QPointF(194, cy), 44, 44);
        temples(QColor(40, 40, 44), cy - 10);
        bridge(QColor(40, 40, 44), cy - 6);
        frame(left, QColor(40, 40, 44), 7, QColor(200, 230, 255, 70));
        frame(right, QColor(40, 40, 44), 7, QColor(200, 230, 255, 70));
        shine({44, 50});
        shine({172, 50});
        break;
    }
    case 2: {
        left = Heart({66, cy + 2}, 104);
        right = Heart({194, cy + 2}, 104);
        temples(QColor(255, 80, 150), cy - 14);
        bridge(QColor(255, 80, 150), cy - 10);
        QLinearGradient g(0, 10, 0, 100);
        g.setColorAt(0, QColor(170, 20, 90, 220));
        g.setColorAt(1, QColor(255, 120, 180, 200));
        frame(left, QColor(255, 80, 150), 7, g);
        frame(right, QColor(255, 80, 150), 7, g);
        shine({42, 46});
        shine({170, 46});
        break;
    }
    case 3: {
        for (int side = 0; side < 2; ++side) {
            QPainterPath &lens = side ? right : left;
            const double x = side ? 194 : 66, s = side ? -1 : 1;
            lens.moveTo(x - s * 46, cy - 30);
            lens.cubicTo(x - s * 10, cy - 36, x + s * 40, cy - 36, x + s * 44, cy - 22);
            lens.cubicTo(x + s * 48, cy + 10, x + s * 20, cy + 42, x - s * 6, cy + 40);
            lens.cubicTo(x - s * 40, cy + 38, x - s * 52, cy - 6, x - s * 46, cy - 30);
            lens.closeSubpath();
        }
        QColor gold(222, 176, 60);
        temples(gold, cy - 24);
        p.setPen(QPen(StickerInk, 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(108, cy - 30), QPointF(152, cy - 30));
        p.setPen(QPen(gold, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(108, cy - 30), QPointF(152, cy - 30));
        bridge(gold, cy - 16);
        QLinearGradient g(0, cy - 36, 0, cy + 42);
        g.setColorAt(0, QColor(20, 30, 40, 245));
        g.setColorAt(1, QColor(90, 120, 140, 225));
        frame(left, gold, 4, g);
        frame(right, gold, 4, g);
        shine({40, 40});
        shine({168, 40});
        break;
    }
    case 4: {
        left = RegularStar({66, cy + 4}, 56, 26, 5);
        right = RegularStar({194, cy + 4}, 56, 26, 5);
        temples(QColor(255, 210, 30), cy - 4);
        bridge(QColor(255, 210, 30), cy);
        frame(left, QColor(255, 210, 30), 8, QColor(255, 120, 200, 150));
        frame(right, QColor(255, 210, 30), 8, QColor(120, 200, 255, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawPath(RegularStar({130, 14}, 10, 4, 4));
        p.drawPath(RegularStar({16, 98}, 8, 3, 4));
        p.drawPath(RegularStar({244, 96}, 9, 3, 4));
        break;
    }
    case 5: {
        left.addRoundedRect(QRectF(20, cy - 34, 92, 68), 10, 10);
        right.addRoundedRect(QRectF(148, cy - 34, 92, 68), 10, 10);
        temples(QColor(30, 30, 30), cy - 22);
        p.setPen(QPen(StickerInk, 16, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(108, cy - 14), QPointF(152, cy - 14));
        p.setPen(QPen(QColor(30, 30, 30), 11, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(108, cy - 14), QPointF(152, cy - 14));
        frame(left, QColor(30, 30, 30), 12, QColor(220, 240, 255, 60));
        frame(right, QColor(30, 30, 30), 12, QColor(220, 240, 255, 60));
        QPainterPath tape;
        tape.addRoundedRect(QRectF(118, cy - 26, 24, 24), 3, 3);
        FillOutlined(p, tape, QColor(250, 250, 245), QColor(220, 220, 210), StickerInk, 2.5);
        p.setPen(QPen(QColor(190, 190, 180), 1.5));
        p.drawLine(QPointF(124, cy - 22), QPointF(124, cy - 6));
        p.drawLine(QPointF(136, cy - 22), QPointF(136, cy - 6));
        shine({36, cy - 4});
        shine({164, cy - 4});
        break;
    }
    default: {
        QPainterPath body;
        body.addRoundedRect(QRectF(10, cy - 40, 240, 80), 16, 16);
        QPainterPath nose;
        nose.moveTo(110, cy + 41);
        nose.quadTo(130, cy + 4, 150, cy + 41);
        nose.closeSubpath();
        body = body.subtracted(nose);
        temples(QColor(250, 250, 250), cy - 26);
        FillOutlined(p, body, QColor(255, 255, 255), QColor(225, 225, 230), StickerInk, 4.5);
        left.addRoundedRect(QRectF(28, cy - 26, 80, 48), 8, 8);
        right.addRoundedRect(QRectF(152, cy - 26, 80, 48), 8, 8);
        p.setPen(InkPen(3));
        p.setBrush(QColor(235, 30, 40, 215));
        p.drawPath(left);
        p.setBrush(QColor(20, 200, 230, 215));
        p.drawPath(right);
        shine({40, cy - 4});
        shine({164, cy - 4});
        break;
    }
    }
}

void IceCream(QPainter &p)
{
    QPainterPath cone;
    cone.moveTo(26, 128);
    cone.lineTo(124, 128);
    cone.lineTo(78, 252);
    cone.lineTo(72, 252);
    cone.closeSubpath();
    FillOutlined(p, cone, QColor(240, 190, 110), QColor(205, 140, 60), StickerInk, 4);
    p.save();
    p.setClipPath(cone);
    p.setPen(QPen(QColor(170, 110, 40), 3));
    for (int i = -10; i < 12; ++i) {
        p.drawLine(QPointF(i * 16, 120), QPointF(i * 16 + 140, 260));
        p.drawLine(QPointF(i * 16 + 140, 120), QPointF(i * 16, 260));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(4));
    p.drawPath(cone);
    auto scoop = [&](QPointF c, double r, QColor top, QColor bottom) {
        QPainterPath s;
        s.addEllipse(c, r, r * 0.9);
        QPainterPath drips;
        drips.moveTo(c.x() - r, c.y() + 6);
        for (int i = 0; i < 5; ++i) {
            const double x0 = c.x() - r + i * (2 * r / 5);
            drips.quadTo(x0 + r / 5, c.y() + r * (i % 2 ? 0.55 : 0.9), x0 + 2 * r / 5, c.y() + 6);
        }
        drips.lineTo(c.x() - r, c.y() + 6);
        s = s.united(drips);
        FillOutlined(p, s, top, bottom, StickerInk, 4);
    };
    scoop({75, 112}, 52, QColor(190, 250, 220), QColor(90, 200, 160));
    scoop({75, 66}, 44, QColor(255, 210, 225), QColor(240, 120, 160));
    p.setPen(Qt::NoPen);
    const QColor sprinkles[] = {QColor(255, 230, 60), QColor(80, 160, 255), QColor(255, 255, 255)};
    TRng rng(7);
    for (int i = 0; i < 14; ++i) {
        p.save();
        p.translate(rng.Range(44, 106), rng.Range(48, 88));
        p.rotate(rng.Range(0, 180));
        p.setBrush(sprinkles[i % 3]);
        p.drawRoundedRect(QRectF(-5, -1.8, 10, 3.6), 1.8, 1.8);
        p.restore();
    }
    p.setPen(InkPen(3));
    p.setBrush(Qt::NoBrush);
    QPainterPath stalk;
    stalk.moveTo(76, 20);
    stalk.cubicTo(80, 8, 90, 2, 98, 4);
    p.drawPath(stalk);
    QRadialGradient cherry(QPointF(72, 22), 14);
    cherry.setColorAt(0, QColor(255, 90, 90));
    cherry.setColorAt(1, QColor(190, 10, 30));
    p.setBrush(cherry);
    p.drawEllipse(QPointF(76, 28), 13, 13);
}

void Face(QPainter &p, QRectF head, QColor skin)
{
    QPainterPath h;
    h.addEllipse(head);
    QRadialGradient g(head.center() - QPointF(head.width() * 0.15, head.height() * 0.2), head.width() * 0.7);
    g.setColorAt(0, skin.lighter(118));
    g.setColorAt(1, skin.darker(110));
    p.setBrush(g);
    p.setPen(InkPen(4.5));
    p.drawPath(h);
}

void Kuma(QPainter &p)
{
    const QColor fur(170, 110, 60);
    for (double x : {52.0, 168.0}) {
        p.setPen(InkPen(4));
        p.setBrush(fur);
        p.drawEllipse(QPointF(x, 46), 32, 32);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 190, 150));
        p.drawEllipse(QPointF(x, 48), 17, 17);
    }
    Face(p, QRectF(20, 30, 180, 160), fur);
    p.setPen(InkPen(3.5));
    p.setBrush(QColor(245, 215, 180));
    p.drawEllipse(QPointF(110, 136), 44, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 26, 20));
    p.drawEllipse(QPointF(110, 122), 14, 10);
    p.drawEllipse(QPointF(74, 96), 9, 11);
    p.drawEllipse(QPointF(146, 96), 9, 11);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(71, 92), 3, 3);
    p.drawEllipse(QPointF(143, 92), 3, 3);
    p.setPen(InkPen(3.5, QColor(40, 26, 20)));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(110, 132), QPointF(110, 144));
    p.drawArc(QRectF(92, 132, 18, 18), 180 * 16, 180 * 16);
    p.drawArc(QRectF(110, 132, 18, 18), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 130, 140));
    p.drawEllipse(QPointF(52, 128), 14, 9);
    p.drawEllipse(QPointF(168, 128), 14, 9);
}

void Smiley(QPainter &p)
{
    Face(p, QRectF(12, 12, 176, 176), QColor(255, 206, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 36, 20));
    p.drawEllipse(QPointF(70, 78), 11, 18);
    p.setPen(InkPen(6, QColor(60, 36, 20)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(116, 66, 30, 22), 20 * 16, 140 * 16);
    QPainterPath mouth;
    mouth.moveTo(48, 112);
    mouth.cubicTo(60, 170, 140, 170, 152, 112);
    mouth.closeSubpath();
    p.setPen(InkPen(4, QColor(60, 36, 20)));
    p.setBrush(QColor(140, 30, 30));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(40, 108, 120, 14));
    p.setBrush(QColor(255, 110, 120));
    p.drawEllipse(QPointF(100, 160), 30, 18);
    p.restore();
    p.setPen(InkPen(4, QColor(60, 36, 20)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void Octopus(QPainter &p)
{
    p.translate(16, 0);
    const QColor skin(240, 90, 80);
    for (int i = 0; i < 8; ++i) {
        const double x0 = 48 + i * 19;
        const double dir = (i < 4) ? -1 : 1;
        const double spread = (i - 3.5) * 14;
        QPainterPath arm;
        arm.moveTo(x0, 120);
        arm.cubicTo(x0 + spread * 0.6, 170, x0 + spread + dir * 10, 190, x0 + spread - dir * 8, 208);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(StickerInk, 24, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arm);
        p.setPen(QPen(skin.darker(108), 16, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arm);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 200, 190));
        for (double t : {0.45, 0.7, 0.9}) {
            const QPointF pt = arm.pointAtPercent(t);
            p.drawEllipse(pt, 3.2, 3.2);
        }
    }
    QPainterPath head;
    head.moveTo(30, 130);
    head.cubicTo(10, 10, 210, 10, 190, 130);
    head.cubicTo(150, 146, 70, 146, 30, 130);
    head.closeSubpath();
    FillOutlined(p, head, skin.lighter(118), skin, StickerInk, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(76, 54), 18, 12);
    DrawEye(p, {84, 100}, 17, 19, 8, {2, 3});
    DrawEye(p, {136, 100}, 17, 19, 8, {-2, 3});
    p.setPen(InkPen(4));
    p.setBrush(skin.darker(120));
    p.drawEllipse(QPointF(110, 126), 10, 7);
}

void RomanceFace(QPainter &p)
{
    Face(p, QRectF(14, 26, 184, 176), QColor(255, 214, 120));
    p.setPen(InkPen(3));
    p.setBrush(QColor(235, 40, 80));
    p.drawPath(Heart({70, 96}, 50));
    p.drawPath(Heart({142, 96}, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(60, 86), 5, 5);
    p.drawEllipse(QPointF(132, 86), 5, 5);
    p.setBrush(QColor(255, 110, 120, 150));
    p.drawEllipse(QPointF(46, 140), 18, 10);
    p.drawEllipse(QPointF(166, 140), 18, 10);
    p.setPen(InkPen(5, QColor(90, 40, 30)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(80, 124, 52, 36), 200 * 16, 140 * 16);
    p.setPen(InkPen(2.5));
    p.setBrush(QColor(255, 80, 120));
    p.drawPath(Heart({190, 30}, 34));
    p.setBrush(QColor(255, 140, 170));
    p.drawPath(Heart({206, 66}, 20));
}

void TigerMask(QPainter &p)
{
    const QColor orange(250, 150, 30);
    QPainterPath mask;
    mask.moveTo(20, 60);
    mask.lineTo(30, 6);
    mask.lineTo(78, 34);
    mask.cubicTo(100, 26, 140, 26, 162, 34);
    mask.lineTo(210, 6);
    mask.lineTo(220, 60);
    mask.cubicTo(236, 110, 200, 160, 150, 150);
    mask.cubicTo(134, 146, 126, 134, 120, 134);
    mask.cubicTo(114, 134, 106, 146, 90, 150);
    mask.cubicTo(40, 160, 4, 110, 20, 60);
    mask.closeSubpath();
    FillOutlined(p, mask, orange.lighter(112), orange.darker(108), StickerInk, 4.5);
    p.save();
    p.setClipPath(mask);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 235));
    p.drawEllipse(QPointF(78, 120), 40, 26);
    p.drawEllipse(QPointF(162, 120), 40, 26);
    auto stripe = [&](QPointF a, QPointF b, QPointF c) {
        QPainterPath s;
        s.moveTo(a);
        s.quadTo(b, c);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 24, 16), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s);
    };
    stripe({120, 30}, {114, 48}, {120, 66});
    stripe({102, 30}, {96, 40}, {98, 52});
    stripe({138, 30}, {144, 40}, {142, 52});
    for (int side = 0; side < 2; ++side) {
        p.save();
        if (side) {
            p.translate(240, 0);
            p.scale(-1, 1);
        }
        stripe({4, 70}, {26, 66}, {46, 78});
        stripe({4, 96}, {22, 92}, {38, 102});
        stripe({12, 124}, {24, 120}, {34, 130});
        stripe({56, 36}, {60, 50}, {70, 56});
        p.restore();
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 200));
    for (double x : {34.0, 206.0}) {
        QPainterPath ear;
        ear.moveTo(x - 4, 44);
        ear.lineTo(x + (x < 100 ? -2 : 2), 16);
        ear.lineTo(x + (x < 100 ? 24 : -24), 34);
        ear.closeSubpath();
        p.drawPath(ear);
    }
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    QPainterPath holes;
    for (int side = 0; side < 2; ++side) {
        const double x = side ? 160 : 80, s = side ? -1 : 1;
        holes.moveTo(x - s * 26, 82);
        holes.cubicTo(x - s * 10, 62, x + s * 16, 64, x + s * 24, 80);
        holes.cubicTo(x + s * 10, 96, x - s * 14, 96, x - s * 26, 82);
        holes.closeSubpath();
    }
    p.setBrush(Qt::black);
    p.drawPath(holes);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(4));
    p.drawPath(holes);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 30, 30));
    QPainterPath nose;
    nose.moveTo(106, 108);
    nose.lineTo(134, 108);
    nose.lineTo(120, 126);
    nose.closeSubpath();
    p.drawPath(nose);
}

void Zombie(QPainter &p)
{
    const QColor skin(150, 196, 120);
    Face(p, QRectF(16, 30, 168, 190), skin);
    QPainterPath hair;
    hair.moveTo(18, 110);
    hair.cubicTo(0, 20, 90, 0, 150, 22);
    hair.lineTo(160, 8);
    hair.lineTo(168, 34);
    hair.cubicTo(196, 56, 190, 96, 182, 110);
    hair.lineTo(164, 70);
    hair.lineTo(150, 86);
    hair.lineTo(130, 60);
    hair.lineTo(108, 84);
    hair.lineTo(90, 58);
    hair.lineTo(66, 86);
    hair.lineTo(48, 64);
    hair.lineTo(34, 96);
    hair.closeSubpath();
    FillOutlined(p, hair, QColor(80, 70, 90), QColor(40, 34, 50), StickerInk, 4);
    p.setPen(InkPen(3));
    p.setBrush(QColor(255, 250, 200));
    p.drawEllipse(QPointF(70, 124), 22, 22);
    p.setBrush(QColor(40, 20, 20));
    p.drawEllipse(QPointF(74, 128), 5, 5);
    p.setBrush(QColor(255, 250, 200));
    p.drawEllipse(QPointF(132, 118), 14, 12);
    p.setBrush(Qt::NoBrush);
    QPainterPath swirl;
    for (int i = 0; i <= 40; ++i) {
        const double a = i * 0.45, r = i * 0.28;
        const QPointF pt(132 + std::cos(a) * r, 118 + std::sin(a) * r);
        if (i == 0)
            swirl.moveTo(pt);
        else
            swirl.lineTo(pt);
    }
    p.setPen(InkPen(2.2, QColor(60, 30, 30)));
    p.drawPath(swirl);
    QPainterPath mouth;
    mouth.moveTo(62, 176);
    mouth.lineTo(142, 168);
    mouth.lineTo(138, 188);
    mouth.lineTo(66, 192);
    mouth.closeSubpath();
    p.setPen(InkPen(3.5));
    p.setBrush(QColor(70, 20, 30));
    p.drawPath(mouth);
    p.setBrush(QColor(250, 245, 210));
    for (int i = 0; i < 5; ++i) {
        const double x = 70 + i * 14;
        p.setPen(InkPen(1.8));
        p.drawRect(QRectF(x, 174 - i * 1.2, 10, 9));
    }
    p.setPen(InkPen(3, QColor(70, 40, 40)));
    p.drawLine(QPointF(118, 140), QPointF(160, 156));
    for (int i = 0; i < 4; ++i) {
        const double t = 0.15 + i * 0.24;
        const QPointF c = QPointF(118, 140) + (QPointF(160, 156) - QPointF(118, 140)) * t;
        p.drawLine(c + QPointF(-3, 7), c + QPointF(3, -7));
    }
}

std::vector<TStickerDraw> OtherStickers()
{
    return {
        {"BANANA", 246, 150, Banana},
        {"BUTTERFLY", 240, 196, Butterfly},
        {"CHOCOLATE_DOLL", 180, 230, ChocolateDoll},
        {"CHUPARCHUPS1", 150, 260,
         [](QPainter &p) { Lollipop(p, {QColor(255, 255, 255), QColor(235, 40, 60)}, false); }},
        {"CHUPARCHUPS2", 150, 260,
         [](QPainter &p) {
             Lollipop(p, {QColor(240, 60, 60), QColor(255, 160, 30), QColor(255, 230, 50),
                          QColor(80, 200, 90), QColor(60, 140, 255), QColor(170, 90, 230)},
                      true);
         }},
        {"EYE1", 240, 108, [](QPainter &p) { Eyes(p, 1); }},
        {"EYE2", 240, 112, [](QPainter &p) { Eyes(p, 2); }},
        {"EYE3", 240, 100, [](QPainter &p) { Eyes(p, 3); }},
        {"FLOWER1", 200, 200, [](QPainter &p) { Flower(p, 1); }},
        {"FLOWER2", 200, 200, [](QPainter &p) { Flower(p, 2); }},
        {"FLOWER3", 140, 244, [](QPainter &p) { Flower(p, 3); }},
        {"GLASSES1", 260, 112, [](QPainter &p) { Glasses(p, 1); }},
        {"GLASSES2", 260, 112, [](QPainter &p) { Glasses(p, 2); }},
        {"GLASSES3", 260, 112, [](QPainter &p) { Glasses(p, 3); }},
        {"GLASSES4", 260, 124, [](QPainter &p) { Glasses(p, 4); }},
        {"GLASSES5", 260, 108, [](QPainter &p) { Glasses(p, 5); }},
        {"GLASSES6", 260, 112, [](QPainter &p) { Glasses(p, 6); }},
        {"ICECREAM", 150, 260, IceCream},
        {"KUMA", 220, 200, Kuma},
        {"MSN", 200, 200, Smiley},
        {"OCTOPUS", 252, 226, Octopus},
        {"ROMANCEFACE", 224, 210, RomanceFace},
        {"TIGERMASK", 240, 164, TigerMask},
        {"ZOMBIE", 200, 228, Zombie},
    };
}

QImage ThumbnailOf(const QImage &picture, int side)
{
    return picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

void MakeStickers(TArtSink &sink)
{
    std::map<std::string, TStickerDraw> byName;
    for (auto list : {OtherStickers(), HatStickers()})
        for (TStickerDraw &d : list)
            byName.emplace(d.Name, d);
    sink.BeginGroup(QStringLiteral("stickers"));
    std::vector<std::pair<std::string_view, QImage>> pictures;
    for (std::string_view name : VellumiArt::StickerNames) {
        const auto it = byName.find(std::string(name));
        if (it == byName.end())
            throw std::runtime_error("no drawing for the sticker " + std::string(name));
        QImage canvas = NewCanvas(it->second.Width, it->second.Height);
        {
            QPainter p(&canvas);
            PrepPainter(p);
            it->second.Draw(p);
        }
        sink.Beside(QStringLiteral("iMAGE/Stamp/") + ToQString(name) + QStringLiteral(".Png"), canvas);
        pictures.emplace_back(name, canvas);
    }
    sink.BeginGroup(QStringLiteral("sticker-thumbnails"));
    for (const auto &[name, picture] : pictures)
        sink.Compiled(name, ThumbnailOf(picture, VellumiArt::StickerThumbSize));
}
