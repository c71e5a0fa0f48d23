// Hats, caps and headbands among the stickers.

#include "StickerParts.h"

#include <QRadialGradient>

#include <cmath>

namespace {

const QRectF BeanieBox(22, 44, 196, 150);

void Ear(QPainter &p, const QPainterPath &outer, const QPainterPath &inner, QColor fur, QColor lining)
{
    FillOutlined(p, outer, fur.lighter(110), fur.darker(105), StickerInk, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(lining);
    p.drawPath(inner);
}

QPainterPath Triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath t;
    t.moveTo(a);
    t.quadTo((a + b) / 2 + QPointF(0, -4), b);
    t.quadTo((b + c) / 2 + QPointF(0, -4), c);
    t.closeSubpath();
    return t;
}

void PororoCap(QPainter &p)
{
    const QColor blue(50, 130, 220);
    for (double x : {40.0, 200.0}) {
        QPainterPath flap;
        flap.addRoundedRect(QRectF(x - 22, 110, 44, 80), 20, 20);
        FillOutlined(p, flap, blue.lighter(110), blue.darker(115), StickerInk, 4);
    }
    QPainterPath dome;
    dome.moveTo(24, 150);
    dome.cubicTo(18, 10, 222, 10, 216, 150);
    dome.cubicTo(160, 136, 80, 136, 24, 150);
    dome.closeSubpath();
    FillOutlined(p, dome, blue.lighter(125), blue, StickerInk, 4.5);
    p.setPen(QPen(blue.darker(125), 3));
    p.drawLine(QPointF(120, 36), QPointF(120, 136));
    p.setPen(QPen(StickerInk, 14));
    p.drawLine(QPointF(26, 100), QPointF(214, 100));
    p.setPen(QPen(QColor(250, 140, 30), 9));
    p.drawLine(QPointF(26, 100), QPointF(214, 100));
    for (double x : {88.0, 152.0}) {
        QRadialGradient glass(QPointF(x - 8, 92), 28);
        glass.setColorAt(0, QColor(230, 250, 255));
        glass.setColorAt(1, QColor(120, 200, 240));
        p.setPen(QPen(StickerInk, 4));
        p.setBrush(QColor(255, 170, 40));
        p.drawEllipse(QPointF(x, 98), 32, 30);
        p.setBrush(glass);
        p.drawEllipse(QPointF(x, 98), 22, 20);
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 10, 92), QPointF(x - 2, 86));
    }
}

void BirthdayHat(QPainter &p)
{
    QPainterPath cone;
    cone.moveTo(80, 34);
    cone.lineTo(142, 200);
    cone.quadTo(80, 222, 18, 200);
    cone.closeSubpath();
    FillOutlined(p, cone, QColor(255, 120, 170), QColor(230, 60, 130), StickerInk, 4.5);
    p.save();
    p.setClipPath(cone);
    p.setPen(QPen(QColor(255, 230, 70), 12));
    for (int i = 0; i < 8; ++i)
        p.drawLine(QPointF(-40 + i * 34, 230), QPointF(60 + i * 34, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 210, 255));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(44 + (i % 3) * 34, 120 + (i / 3) * 44 + (i % 2) * 10), 5, 5);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(4.5));
    p.drawPath(cone);
    QPainterPath trim;
    trim.moveTo(14, 198);
    for (int i = 0; i < 8; ++i)
        trim.quadTo(14 + i * 16.5 + 8, 214 + (i % 2 ? 4 : 12), 14 + (i + 1) * 16.5, 200);
    trim.quadTo(80, 236, 14, 198);
    FillOutlined(p, trim, QColor(255, 255, 255), QColor(230, 230, 240), StickerInk, 3.5);
    p.setPen(InkPen(3.5));
    p.setBrush(QColor(255, 230, 70));
    p.drawPath(RegularStar({80, 26}, 22, 10, 5));
}

void CatHat(QPainter &p)
{
    const QColor wool(150, 156, 168);
    Ear(p, Triangle({38, 110}, {46, 14}, {112, 74}), Triangle({52, 90}, {54, 38}, {90, 72}), wool,
        QColor(250, 170, 190));
    Ear(p, Triangle({128, 74}, {194, 14}, {202, 110}), Triangle({150, 72}, {186, 38}, {188, 90}), wool,
        QColor(250, 170, 190));
    DrawBeanie(p, BeanieBox, wool, QColor(250, 170, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 140, 170));
    QPainterPath nose;
    nose.moveTo(110, 114);
    nose.lineTo(130, 114);
    nose.lineTo(120, 126);
    nose.closeSubpath();
    p.drawPath(nose);
    p.setPen(InkPen(3));
    for (int s : {-1, 1}) {
        p.drawLine(QPointF(120 + s * 22, 118), QPointF(120 + s * 58, 110));
        p.drawLine(QPointF(120 + s * 22, 124), QPointF(120 + s * 58, 128));
    }
    p.setBrush(StickerInk);
    p.drawEllipse(QPointF(92, 100), 6, 8);
    p.drawEllipse(QPointF(148, 100), 6, 8);
}

void DogHat(QPainter &p)
{
    p.translate(10, 0);
    const QColor wool(190, 130, 70), ear(120, 72, 36);
    DrawBeanie(p, BeanieBox, wool, QColor(240, 220, 190));
    for (int s : {-1, 1}) {
        QPainterPath flop;
        const double x = 120 + s * 92;
        flop.moveTo(x - s * 30, 70);
        flop.cubicTo(x + s * 20, 60, x + s * 24, 150, x + s * 6, 190);
        flop.cubicTo(x - s * 14, 206, x - s * 40, 190, x - s * 34, 150);
        flop.closeSubpath();
        FillOutlined(p, flop, ear.lighter(115), ear, StickerInk, 4);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ear);
    p.drawEllipse(QPointF(150, 84), 24, 18);
    p.setBrush(StickerInk);
    p.drawEllipse(QPointF(96, 108), 6, 8);
    p.drawEllipse(QPointF(144, 108), 6, 8);
    p.drawEllipse(QPointF(120, 128), 11, 8);
}

void MonkeyHat(QPainter &p)
{
    p.translate(10, 0);
    const QColor wool(140, 90, 45), face(245, 210, 170);
    for (double x : {24.0, 216.0}) {
        p.setPen(InkPen(4));
        p.setBrush(wool);
        p.drawEllipse(QPointF(x, 112), 24, 28);
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawEllipse(QPointF(x, 112), 13, 16);
    }
    DrawBeanie(p, BeanieBox, wool, wool.darker(115));
    QPainterPath mask = Heart({120, 112}, 120);
    p.setPen(InkPen(3.5));
    p.setBrush(face);
    p.drawPath(mask);
    p.setPen(Qt::NoPen);
    p.setBrush(StickerInk);
    p.drawEllipse(QPointF(98, 98), 7, 9);
    p.drawEllipse(QPointF(142, 98), 7, 9);
    p.drawEllipse(QPointF(112, 126), 3.5, 3);
    p.drawEllipse(QPointF(128, 126), 3.5, 3);
}

void PandaHat(QPainter &p)
{
    const QColor black(36, 34, 40);
    for (double x : {52.0, 188.0}) {
        p.setPen(InkPen(4));
        p.setBrush(black);
        p.drawEllipse(QPointF(x, 64), 30, 28);
    }
    DrawBeanie(p, BeanieBox, QColor(246, 246, 246), black.lighter(140));
    for (int s : {-1, 1}) {
        p.save();
        p.translate(120 + s * 32, 104);
        p.rotate(s * -30);
        p.setPen(Qt::NoPen);
        p.setBrush(black);
        p.drawEllipse(QPointF(0, 0), 22, 16);
        p.restore();
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(120 + s * 30, 102), 6, 6);
        p.setBrush(black);
        p.drawEllipse(QPointF(120 + s * 30, 103), 3, 3);
    }
    p.setBrush(black);
    p.drawEllipse(QPointF(120, 128), 10, 7);
}

void PigHat(QPainter &p)
{
    const QColor wool(248, 170, 186);
    for (int s : {-1, 1}) {
        const double x = 120 + s * 62;
        QPainterPath ear;
        ear.moveTo(x - 30, 76);
        ear.lineTo(x + s * 34, 22);
        ear.lineTo(x + 30, 80);
        ear.closeSubpath();
        FillOutlined(p, ear, wool.lighter(105), wool.darker(112), StickerInk, 4);
    }
    DrawBeanie(p, BeanieBox, wool, wool.darker(118));
    p.setPen(InkPen(4));
    p.setBrush(QColor(250, 140, 160));
    p.drawEllipse(QPointF(120, 118), 28, 19);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 60, 80));
    p.drawEllipse(QPointF(110, 118), 5, 8);
    p.drawEllipse(QPointF(130, 118), 5, 8);
    p.setBrush(StickerInk);
    p.drawEllipse(QPointF(84, 96), 6, 8);
    p.drawEllipse(QPointF(156, 96), 6, 8);
}

void RabbitHat(QPainter &p)
{
    const QColor wool(250, 250, 252);
    p.translate(0, 60);
    for (int s : {-1, 1}) {
        p.save();
        p.translate(120 + s * 44, 70);
        p.rotate(s * 12);
        QPainterPath ear;
        ear.addEllipse(QPointF(0, -62), 24, 72);
        QPainterPath lining;
        lining.addEllipse(QPointF(0, -60), 12, 56);
        Ear(p, ear, lining, wool, QColor(250, 180, 200));
        p.restore();
    }
    DrawBeanie(p, BeanieBox, wool, QColor(250, 180, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(StickerInk);
    p.drawEllipse(QPointF(96, 104), 6, 8);
    p.drawEllipse(QPointF(144, 104), 6, 8);
    p.setBrush(QColor(250, 150, 180));
    p.drawEllipse(QPointF(120, 122), 8, 6);
    p.setBrush(QColor(255, 170, 190, 150));
    p.drawEllipse(QPointF(80, 122), 12, 7);
    p.drawEllipse(QPointF(160, 122), 12, 7);
}

void SheepHat(QPainter &p)
{
    p.translate(20, 0);
    QPainterPath wool;
    TRng rng(33);
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 7 - (row == 0 ? 3 : 0); ++i) {
            const double x = (row == 0 ? 70 : 36) + i * 28 + rng.Range(-3, 3);
            const double y = 40 + row * 30 + rng.Range(-3, 3);
            wool.addEllipse(QPointF(x, y), 24, 22);
        }
    wool.setFillRule(Qt::WindingFill);
    wool = wool.simplified();
    FillOutlined(p, wool, QColor(255, 255, 250), QColor(230, 226, 214), StickerInk, 4);
    p.setPen(QPen(QColor(200, 195, 180), 2.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 10; ++i)
        p.drawArc(QRectF(50 + (i % 5) * 30, 50 + (i / 5) * 40, 18, 14), 30 * 16, 120 * 16);
    for (int s : {-1, 1}) {
        QPainterPath horn;
        const QPointF c(120 + s * 96, 116);
        for (int i = 0; i <= 56; ++i) {
            const double a = -1.6 + s * i * 0.24;
            const double r = 28 - i * 0.45;
            const QPointF pt = c + QPointF(std::cos(a) * r * s, std::sin(a) * r);
            if (i == 0)
                horn.moveTo(pt);
            else
                horn.lineTo(pt);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(StickerInk, 13, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(horn);
        p.setPen(QPen(QColor(215, 180, 130), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(horn);
    }
}

void PoopHat(QPainter &p)
{
    const QColor brown(150, 92, 44);
    const struct {
        double cx, cy, rx, ry;
    } tiers[] = {{110, 172, 94, 34}, {110, 128, 72, 30}, {110, 88, 50, 26}};
    for (const auto &t : tiers) {
        QPainterPath tier;
        tier.addRoundedRect(QRectF(t.cx - t.rx, t.cy - t.ry, 2 * t.rx, 2 * t.ry), t.ry, t.ry);
        FillOutlined(p, tier, brown.lighter(120), brown.darker(110), StickerInk, 4.5);
    }
    QPainterPath tip;
    tip.moveTo(84, 68);
    tip.cubicTo(96, 50, 120, 36, 118, 14);
    tip.cubicTo(146, 30, 146, 60, 136, 70);
    tip.closeSubpath();
    FillOutlined(p, tip, brown.lighter(125), brown, StickerInk, 4.5);
    p.setPen(QPen(QColor(255, 255, 255, 130), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(60, 116), QPointF(80, 110));
    p.drawLine(QPointF(34, 160), QPointF(60, 152));
    DrawEye(p, {88, 126}, 13, 15, 6, {2, 2});
    DrawEye(p, {132, 126}, 13, 15, 6, {-2, 2});
    p.setPen(InkPen(4));
    p.setBrush(QColor(200, 60, 60));
    QPainterPath smile;
    smile.moveTo(90, 164);
    smile.quadTo(110, 190, 130, 164);
    smile.closeSubpath();
    p.drawPath(smile);
}

void SantaHat(QPainter &p)
{
    QPainterPath cap;
    cap.moveTo(30, 168);
    cap.cubicTo(40, 60, 120, 10, 196, 40);
    cap.cubicTo(214, 48, 222, 80, 214, 110);
    cap.cubicTo(190, 80, 180, 80, 176, 96);
    cap.cubicTo(190, 120, 200, 150, 206, 168);
    cap.closeSubpath();
    FillOutlined(p, cap, QColor(240, 60, 60), QColor(190, 20, 30), StickerInk, 4.5);
    QPainterPath fur;
    TRng rng(5);
    fur.addRoundedRect(QRectF(16, 150, 204, 44), 22, 22);
    for (int i = 0; i < 9; ++i)
        fur.addEllipse(QPointF(30 + i * 22.5, 152 + rng.Range(-3, 3)), 14, 12);
    fur.addEllipse(QPointF(214, 118), 22, 22);
    fur.setFillRule(Qt::WindingFill);
    fur = fur.simplified();
    FillOutlined(p, fur, QColor(255, 255, 255), QColor(225, 228, 235), StickerInk, 4);
}

void ReindeerBand(QPainter &p)
{
    p.translate(20, 0);
    const QColor antler(160, 110, 60);
    auto branch = [&](const QPainterPath &path) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(StickerInk, 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(antler, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    };
    for (int s : {-1, 1}) {
        QPainterPath a;
        const double x = 120 + s * 56;
        a.moveTo(x, 150);
        a.cubicTo(x + s * 4, 100, x + s * 30, 70, x + s * 52, 24);
        a.moveTo(x + s * 10, 104);
        a.lineTo(x - s * 18, 60);
        a.moveTo(x + s * 30, 68);
        a.lineTo(x + s * 10, 30);
        a.moveTo(x + s * 42, 48);
        a.lineTo(x + s * 66, 56);
        branch(a);
    }
    QPainterPath band;
    band.moveTo(20, 200);
    band.cubicTo(30, 110, 210, 110, 220, 200);
    p.setPen(QPen(StickerInk, 24, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(band);
    p.setPen(QPen(QColor(220, 40, 50), 16, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(band);
    for (int s : {-1, 1}) {
        QPainterPath ear;
        ear.moveTo(120 + s * 30, 148);
        ear.cubicTo(120 + s * 50, 110, 120 + s * 76, 120, 120 + s * 80, 134);
        ear.cubicTo(120 + s * 74, 150, 120 + s * 50, 160, 120 + s * 30, 148);
        FillOutlined(p, ear, QColor(200, 150, 100), QColor(160, 110, 60), StickerInk, 3.5);
    }
    QRadialGradient bell(QPointF(116, 126), 16);
    bell.setColorAt(0, QColor(255, 240, 140));
    bell.setColorAt(1, QColor(220, 160, 20));
    p.setPen(InkPen(3.5));
    p.setBrush(bell);
    p.drawEllipse(QPointF(120, 132), 15, 15);
    p.drawLine(QPointF(120, 136), QPointF(120, 146));
}

void CavalierHat(QPainter &p)
{
    QPainterPath feather;
    feather.moveTo(150, 78);
    feather.cubicTo(150, 20, 210, -4, 246, 30);
    feather.cubicTo(226, 30, 214, 60, 196, 70);
    feather.cubicTo(186, 80, 168, 84, 150, 78);
    feather.closeSubpath();
    FillOutlined(p, feather, QColor(255, 255, 245), QColor(230, 220, 200), StickerInk, 3.5);
    p.setPen(QPen(QColor(200, 190, 170), 2.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath spine;
    spine.moveTo(154, 76);
    spine.cubicTo(170, 40, 206, 22, 240, 30);
    p.drawPath(spine);
    QPainterPath brim;
    brim.addEllipse(QRectF(6, 96, 236, 70));
    FillOutlined(p, brim, QColor(140, 90, 50), QColor(90, 55, 28), StickerInk, 4.5);
    QPainterPath crown;
    crown.moveTo(56, 130);
    crown.cubicTo(48, 50, 80, 36, 124, 40);
    crown.cubicTo(170, 36, 196, 54, 188, 130);
    crown.cubicTo(150, 144, 96, 144, 56, 130);
    crown.closeSubpath();
    FillOutlined(p, crown, QColor(160, 105, 60), QColor(110, 68, 36), StickerInk, 4.5);
    QPainterPath ribbon;
    ribbon.moveTo(54, 112);
    ribbon.cubicTo(96, 126, 150, 126, 190, 112);
    ribbon.lineTo(190, 128);
    ribbon.cubicTo(150, 142, 96, 142, 56, 128);
    ribbon.closeSubpath();
    FillOutlined(p, ribbon, QColor(60, 40, 30), QColor(40, 26, 20), StickerInk, 3);
    p.setPen(InkPen(3));
    p.setBrush(QColor(240, 200, 60));
    p.drawRoundedRect(QRectF(150, 114, 20, 20), 4, 4);
}

void OgreEars(QPainter &p)
{
    p.translate(20, 0);
    const QColor green(140, 180, 60);
    QPainterPath band;
    band.moveTo(24, 170);
    band.cubicTo(40, 40, 200, 40, 216, 170);
    p.setPen(QPen(StickerInk, 26, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(band);
    p.setPen(QPen(QColor(120, 90, 60), 18, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(band);
    for (int s : {-1, 1}) {
        const double x = 120 + s * 84;
        QPainterPath stalk;
        stalk.moveTo(x - 12, 150);
        stalk.lineTo(x + s * 30 - 8, 80);
        stalk.lineTo(x + s * 30 + 8, 80);
        stalk.lineTo(x + 12, 150);
        stalk.closeSubpath();
        FillOutlined(p, stalk, green.lighter(110), green.darker(110), StickerInk, 4);
        QPainterPath bell;
        bell.moveTo(x + s * 30 - 26, 64);
        bell.quadTo(x + s * 30, 94, x + s * 30 + 26, 64);
        bell.quadTo(x + s * 30, 46, x + s * 30 - 26, 64);
        bell.closeSubpath();
        FillOutlined(p, bell, green.lighter(115), green, StickerInk, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(green.darker(150));
        p.drawEllipse(QPointF(x + s * 30, 62), 14, 7);
    }
}

} // namespace

std::vector<TStickerDraw> HatStickers()
{
    return {
        {"BBOROROHAT", 240, 196, PororoCap},
        {"BIRTHHAT", 160, 232, BirthdayHat},
        {"CATHAT", 240, 200, CatHat},
        {"DDONGHAT", 220, 214, PoopHat},
        {"DOGHAT", 260, 214, DogHat},
        {"MONKEYHAT", 260, 200, MonkeyHat},
        {"PANDAHAT", 240, 200, PandaHat},
        {"PIGHAT", 240, 200, PigHat},
        {"RABBITHAT", 240, 262, RabbitHat},
        {"RUDOLPOOHAT", 280, 214, ReindeerBand},
        {"SANTAHAT", 240, 204, SantaHat},
        {"SHEEPHAT", 280, 170, SheepHat},
        {"SHREK_CATHAT", 250, 172, CavalierHat},
        {"SHREK_HAT", 280, 186, OgreEars},
    };
}
