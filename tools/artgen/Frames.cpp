// Frames for the frame page: overlay pictures with a transparent middle and
// border sets (an opaque .bmp plus its .ini description) whose edges are
// tiled ("Repeat") or stretched.

#include "Generators.h"
#include "StickerParts.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int OverlayW = 800, OverlayH = 600;

void ClearWindow(QPainter &p, const QPainterPath &window)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(window);
    p.restore();
}

QPainterPath RectPath(QRectF r, double radius = 0)
{
    QPainterPath p;
    if (radius > 0)
        p.addRoundedRect(r, radius, radius);
    else
        p.addRect(r);
    return p;
}

// Inner shadow along the window's edge, so the photo seems set into the frame.
void InnerShadow(QPainter &p, const QPainterPath &window, double width)
{
    p.save();
    p.setClipPath(window);
    p.setBrush(Qt::NoBrush);
    const QRectF b = window.boundingRect();
    for (int i = 0; i < int(width); ++i) {
        QTransform shrink;
        shrink.translate(b.center().x(), b.center().y());
        shrink.scale((b.width() - 2 * i) / b.width(), (b.height() - 2 * i) / b.height());
        shrink.translate(-b.center().x(), -b.center().y());
        p.setPen(QPen(QColor(0, 0, 0, int(60 * (1 - i / width))), 1.5));
        p.drawPath(shrink.map(window));
    }
    p.restore();
}

QImage WoodOverlay()
{
    QImage img = NewCanvas(OverlayW, OverlayH);
    QPainter p(&img);
    PrepPainter(p);
    const TTileNoise grain(71, 8);
    for (int y = 0; y < OverlayH; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < OverlayW; ++x) {
            const bool horizontal = std::min(y, OverlayH - 1 - y) < std::min(x, OverlayW - 1 - x);
            const double u = horizontal ? x : y, v = horizontal ? y : x;
            const double n = grain.Fractal(u / 160.0, v / 12.0, 3);
            const double ring = 0.5 + 0.5 * std::sin(v * 0.5 + n * 9);
            const int r = int(120 + 50 * ring), g = int(72 + 34 * ring), b = int(36 + 16 * ring);
            line[x] = qRgb(r, g, b);
        }
    }
    const QRectF window(56, 56, OverlayW - 112, OverlayH - 112);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 230, 190, 90), 3));
    p.drawRect(QRectF(2, 2, OverlayW - 4, OverlayH - 4));
    p.setPen(QPen(QColor(40, 20, 8, 140), 2));
    for (double k : {0.0, 1.0}) {
        p.drawLine(QPointF(0 + k * OverlayW, 0), QPointF(56 + k * (OverlayW - 112), 56));
        p.drawLine(QPointF(0 + k * OverlayW, OverlayH), QPointF(56 + k * (OverlayW - 112), OverlayH - 56));
    }
    p.setPen(QPen(QColor(230, 190, 90), 4));
    p.drawRect(window.adjusted(-6, -6, 6, 6));
    ClearWindow(p, RectPath(window));
    return img;
}

QImage WhiteMat()
{
    QImage img = NewCanvas(OverlayW, OverlayH, QColor(250, 249, 245));
    QPainter p(&img);
    PrepPainter(p);
    const QRectF window(44, 44, OverlayW - 88, OverlayH - 150);
    p.setPen(Qt::NoPen);
    TRng rng(72);
    for (int i = 0; i < 900; ++i) {
        p.setBrush(QColor(200, 196, 186, rng.Int(20, 60)));
        p.drawEllipse(QPointF(rng.Range(0, OverlayW), rng.Range(0, OverlayH)), 0.8, 0.8);
    }
    ClearWindow(p, RectPath(window));
    InnerShadow(p, RectPath(window), 8);
    p.setPen(QPen(QColor(210, 206, 198), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, OverlayW - 2, OverlayH - 2));
    return img;
}

QImage FlowerCorners()
{
    QImage img = NewCanvas(OverlayW, OverlayH);
    QPainter p(&img);
    PrepPainter(p);
    p.setPen(QPen(QColor(120, 170, 90), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(18, 18, OverlayW - 36, OverlayH - 36), 20, 20);
    p.setPen(QPen(QColor(255, 255, 255, 220), 10));
    p.drawRoundedRect(QRectF(8, 8, OverlayW - 16, OverlayH - 16), 26, 26);
    const QColor petals[] = {QColor(255, 150, 190), QColor(255, 210, 90), QColor(180, 150, 255)};
    auto flower = [&](QPointF c, double r, QColor colour) {
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 72 + r);
            QPainterPath petal;
            petal.moveTo(0, 0);
            petal.cubicTo(-r * 0.55, -r * 0.3, -r * 0.4, -r, 0, -r);
            petal.cubicTo(r * 0.4, -r, r * 0.55, -r * 0.3, 0, 0);
            FillOutlined(p, petal, colour.lighter(120), colour, colour.darker(150), 2);
            p.restore();
        }
        p.setPen(QPen(QColor(180, 110, 20), 2));
        p.setBrush(QColor(255, 220, 80));
        p.drawEllipse(c, r * 0.25, r * 0.25);
    };
    auto leaf = [&](QPointF c, double angle) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        QPainterPath l;
        l.moveTo(0, 0);
        l.quadTo(18, -16, 44, 0);
        l.quadTo(18, 16, 0, 0);
        FillOutlined(p, l, QColor(150, 210, 110), QColor(80, 150, 60), QColor(50, 100, 40), 2);
        p.restore();
    };
    const QPointF corners[] = {{40, 40}, {OverlayW - 40.0, 40}, {40, OverlayH - 40.0},
                               {OverlayW - 40.0, OverlayH - 40.0}};
    for (int k = 0; k < 4; ++k) {
        const QPointF c = corners[k];
        const double sx = (k % 2) ? -1 : 1, sy = (k / 2) ? -1 : 1;
        leaf(c + QPointF(sx * 50, sy * 10), sx > 0 ? (sy > 0 ? 10 : -10) : (sy > 0 ? 170 : 190));
        leaf(c + QPointF(sx * 10, sy * 50), sy > 0 ? (sx > 0 ? 80 : 100) : (sx > 0 ? -80 : -100));
        flower(c + QPointF(sx * 62, sy * 30), 20, petals[(k + 1) % 3]);
        flower(c + QPointF(sx * 28, sy * 64), 18, petals[(k + 2) % 3]);
        flower(c, 34, petals[k % 3]);
    }
    return img;
}

QImage FilmStrip()
{
    QImage img = NewCanvas(OverlayW, OverlayH);
    QPainter p(&img);
    PrepPainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 22, 24));
    p.drawRect(QRectF(0, 0, OverlayW, 70));
    p.drawRect(QRectF(0, OverlayH - 70, OverlayW, 70));
    p.drawRect(QRectF(0, 0, 24, OverlayH));
    p.drawRect(QRectF(OverlayW - 24, 0, 24, OverlayH));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    for (double x = 18; x < OverlayW - 10; x += 40) {
        p.drawRoundedRect(QRectF(x, 18, 22, 30), 4, 4);
        p.drawRoundedRect(QRectF(x, OverlayH - 48, 22, 30), 4, 4);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBrush(QColor(230, 160, 40));
    const QPainterPath mark = TextPath(QStringLiteral("VELLUMI 400"), 12);
    p.drawPath(mark.translated(40, 64));
    p.drawPath(mark.translated(OverlayW - 160, OverlayH - 55));
    return img;
}

QImage HeartsBorder()
{
    QImage img = NewCanvas(OverlayW, OverlayH, QColor(255, 200, 215));
    QPainter p(&img);
    PrepPainter(p);
    const QRectF window(48, 48, OverlayW - 96, OverlayH - 96);
    TRng rng(74);
    for (int i = 0; i < 70; ++i) {
        const double along = rng.Unit();
        const int side = i % 4;
        const double depth = rng.Range(8, 40);
        QPointF c = side == 0   ? QPointF(along * OverlayW, depth)
                    : side == 1 ? QPointF(along * OverlayW, OverlayH - depth)
                    : side == 2 ? QPointF(depth, along * OverlayH)
                                : QPointF(OverlayW - depth, along * OverlayH);
        p.setPen(QPen(QColor(200, 40, 90), 1.5));
        p.setBrush(rng.Unit() < 0.5 ? QColor(255, 90, 140) : QColor(255, 255, 255));
        p.save();
        p.translate(c);
        p.rotate(rng.Range(-25, 25));
        p.drawPath(Heart({0, 0}, rng.Range(14, 30)));
        p.restore();
    }
    ClearWindow(p, RectPath(window, 30));
    p.setPen(QPen(QColor(255, 255, 255), 5, Qt::DotLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(window.adjusted(-10, -10, 10, 10), 36, 36);
    return img;
}

QImage OvalMat()
{
    QImage img = NewCanvas(OverlayW, OverlayH);
    QPainter p(&img);
    PrepPainter(p);
    QRadialGradient g(QPointF(OverlayW / 2.0, OverlayH / 2.0), OverlayW * 0.65);
    g.setColorAt(0.5, QColor(245, 236, 215));
    g.setColorAt(1.0, QColor(215, 198, 160));
    p.fillRect(img.rect(), g);
    QPainterPath window;
    window.addEllipse(QRectF(70, 50, OverlayW - 140, OverlayH - 100));
    ClearWindow(p, window);
    InnerShadow(p, window, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(190, 150, 60), 5));
    p.drawEllipse(QRectF(60, 40, OverlayW - 120, OverlayH - 80));
    p.setPen(QPen(QColor(240, 210, 120), 2));
    p.drawEllipse(QRectF(54, 34, OverlayW - 108, OverlayH - 68));
    return img;
}

QImage StarryNight()
{
    QImage img = NewCanvas(OverlayW, OverlayH);
    QPainter p(&img);
    PrepPainter(p);
    QLinearGradient g(0, 0, 0, OverlayH);
    g.setColorAt(0, QColor(20, 30, 80));
    g.setColorAt(1, QColor(60, 30, 110));
    p.fillRect(img.rect(), g);
    TRng rng(75);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 120; ++i) {
        const QPointF c(rng.Range(0, OverlayW), rng.Range(0, OverlayH));
        const double r = rng.Range(3, 11);
        p.setBrush(rng.Unit() < 0.7 ? QColor(255, 240, 150) : QColor(255, 255, 255));
        p.drawPath(RegularStar(c, r, r * 0.45, 5, rng.Range(0, 1.2)));
    }
    const QPainterPath window = RectPath(QRectF(54, 54, OverlayW - 108, OverlayH - 108), 18);
    ClearWindow(p, window);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 230, 140), 3));
    p.drawPath(window);
    return img;
}

QImage TornPaper()
{
    QImage img = NewCanvas(OverlayW, OverlayH, QColor(252, 250, 244));
    QPainter p(&img);
    PrepPainter(p);
    TRng rng(76);
    QPainterPath window;
    const int steps = 260;
    const QRectF inner(52, 52, OverlayW - 104, OverlayH - 104);
    auto edgePoint = [&](int i) {
        const double t = double(i) / steps;
        const double per = 2 * (inner.width() + inner.height());
        double d = t * per;
        QPointF pt, n;
        if (d < inner.width()) {
            pt = {inner.left() + d, inner.top()};
            n = {0, -1};
        } else if ((d -= inner.width()) < inner.height()) {
            pt = {inner.right(), inner.top() + d};
            n = {1, 0};
        } else if ((d -= inner.height()) < inner.width()) {
            pt = {inner.right() - d, inner.bottom()};
            n = {0, 1};
        } else {
            d -= inner.width();
            pt = {inner.left(), inner.bottom() - d};
            n = {-1, 0};
        }
        return pt + n * rng.Range(-9, 9);
    };
    window.moveTo(edgePoint(0));
    for (int i = 1; i < steps; ++i)
        window.lineTo(edgePoint(i));
    window.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0, 40), 6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(window.translated(3, 4));
    ClearWindow(p, window);
    p.setPen(QPen(QColor(225, 218, 200), 2));
    p.drawPath(window);
    return img;
}

struct TBorderSet {
    const char *Name;
    bool Repeat;
    std::function<QRgb(int along, int across, bool corner, int cx, int cy)> Colour;
};

constexpr int SetSide = 240, Band = 40;

QRgb Shade(QColor c, double light) { return c.lighter(int(100 * light)).rgb(); }

// Gold moulding with beads every 20 pixels and square rosette plates at the corners.
QRgb GoldBeads(int along, int across, bool corner, int cx, int cy)
{
    const QColor gold(205, 160, 60);
    if (corner) {
        const double dx = cx - 19.5, dy = cy - 19.5, r = std::hypot(dx, dy);
        if (std::max(std::abs(dx), std::abs(dy)) > 18.5)
            return QColor(120, 80, 20).rgb();
        const double petal = std::cos(std::atan2(dy, dx) * 8);
        if (r < 5)
            return Shade(gold, 1.5);
        if (r < 12 + 3 * petal)
            return Shade(gold, 1.2 - r / 40);
        return Shade(gold, 0.85 + 0.1 * ((cx + cy) % 2));
    }
    if (across < 3 || across > 36)
        return QColor(110, 72, 18).rgb();
    const double profile = 0.8 + 0.5 * std::sin((across - 3) / 33.0 * std::numbers::pi);
    if (across >= 12 && across <= 28) {
        const double dx = (along % 20) - 9.5, dy = across - 20;
        const double r = std::hypot(dx, dy);
        if (r < 7)
            return Shade(gold, 1.45 - r / 14 - dy / 30);
    }
    return Shade(gold, profile * ((across == 11 || across == 29) ? 0.7 : 1.0));
}

// Blue band with a twisted rope of period 32 and plain knots at the corners.
QRgb BlueRope(int along, int across, bool corner, int cx, int cy)
{
    const QColor blue(40, 80, 150), rope(235, 220, 180);
    if (corner) {
        const double r = std::hypot(cx - 19.5, cy - 19.5);
        if (r < 13)
            return Shade(rope, 1.15 - r / 30);
        if (r < 15)
            return QColor(120, 100, 60).rgb();
        return Shade(blue, 0.9);
    }
    if (across < 4 || across > 35)
        return Shade(blue, 0.7);
    if (across >= 12 && across <= 27) {
        const double phase = ((along + (across - 12) * 2) % 32) / 32.0;
        return Shade(rope, 0.75 + 0.45 * std::sin(phase * std::numbers::pi));
    }
    return Shade(blue, 1.0 + 0.15 * std::sin(across / 4.0));
}

// Walnut bevel, uniform along its length, mitred at the corners.
QRgb WoodBevel(int, int across, bool, int, int)
{
    const QColor wood(120, 74, 40);
    if (across < 2)
        return QColor(50, 30, 15).rgb();
    if (across >= 34)
        return Shade(QColor(230, 200, 140), across >= 37 ? 0.7 : 1.0);
    return Shade(wood, 0.8 + 0.5 * std::sin((across - 2) / 32.0 * std::numbers::pi) +
                           0.06 * std::sin(across * 1.7));
}

// Brushed silver with a black inner line, mitred at the corners.
QRgb SilverLine(int, int across, bool, int, int)
{
    const QColor silver(185, 190, 198);
    if (across < 2 || (across >= 32 && across < 35))
        return QColor(30, 32, 36).rgb();
    if (across >= 35)
        return QColor(245, 245, 248).rgb();
    return Shade(silver, 1.25 - (across - 2) / 60.0 + ((across % 6) < 3 ? 0.05 : 0.0));
}

QImage BorderPicture(const TBorderSet &set)
{
    QImage img(SetSide, SetSide, QImage::Format_RGB32);
    for (int y = 0; y < SetSide; ++y)
        for (int x = 0; x < SetSide; ++x) {
            const int dl = x, dt = y, dr = SetSide - 1 - x, db = SetSide - 1 - y;
            const int across = std::min({dl, dt, dr, db});
            QRgb c = qRgb(128, 128, 128);
            if (across < Band) {
                const bool cornerX = x < Band || x >= SetSide - Band, cornerY = y < Band || y >= SetSide - Band;
                const bool corner = set.Repeat && cornerX && cornerY;
                const int cx = x < Band ? x : x - (SetSide - Band), cy = y < Band ? y : y - (SetSide - Band);
                // Along coordinate from the start of the tiled period, so that
                // every copy of an edge continues the previous one.
                const bool horizontal = (dt == across || db == across);
                const int along = horizontal ? x - Band : y - Band;
                c = set.Colour(((along % 160) + 160) % 160, across, corner, cx, cy);
            }
            img.setPixel(x, y, c);
        }
    return img;
}

QByteArray BorderIni(bool repeat)
{
    const int far = SetSide - Band;
    QByteArray ini = "[Information]\n";
    ini += "TopLeft=" + QByteArray::number(Band) + "," + QByteArray::number(Band) + "\n";
    ini += "TopRight=" + QByteArray::number(far) + "," + QByteArray::number(Band) + "\n";
    ini += "BottomLeft=" + QByteArray::number(Band) + "," + QByteArray::number(far) + "\n";
    ini += "BottomRight=" + QByteArray::number(far) + "," + QByteArray::number(far) + "\n";
    ini += "StartPoint=" + QByteArray::number(Band) + "," + QByteArray::number(Band) + "\n";
    ini += "EndPoint=" + QByteArray::number(far) + "," + QByteArray::number(far) + "\n";
    ini += QByteArray("BorderType=") + (repeat ? "Repeat" : "Stretch") + "\n";
    return ini;
}

} // namespace

void MakeFrames(TArtSink &sink)
{
    sink.BeginGroup(QStringLiteral("frames"));
    const std::pair<const char *, QImage (*)()> overlays[] = {
        {"Wood", WoodOverlay},      {"WhiteMat", WhiteMat}, {"Flowers", FlowerCorners},
        {"Film", FilmStrip},        {"Hearts", HeartsBorder}, {"Oval", OvalMat},
        {"Stars", StarryNight},     {"TornPaper", TornPaper},
    };
    for (const auto &[name, draw] : overlays)
        sink.Beside(QStringLiteral("iMAGE/Album/") + name + QStringLiteral(".png"), draw());
    const TBorderSet sets[] = {
        {"GoldBeads", true, GoldBeads},
        {"BlueRope", true, BlueRope},
        {"WalnutBevel", false, WoodBevel},
        {"SilverLine", false, SilverLine},
    };
    for (const TBorderSet &set : sets) {
        sink.Beside(QStringLiteral("iMAGE/Album/") + set.Name + QStringLiteral(".bmp"), BorderPicture(set));
        sink.BesideText(QStringLiteral("iMAGE/Album/") + set.Name + QStringLiteral(".ini"), BorderIni(set.Repeat));
    }
}
