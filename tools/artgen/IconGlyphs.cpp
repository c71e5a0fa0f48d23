#include "IconGlyphs.h"

#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string>

namespace {

struct TG {
    QPainter &p;
    const TGlyphInk &k;

    QPen Line(double w = 2.0) const { return QPen(k.Ink, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
    void Stroke(const QPainterPath &path, double w = 2.0) const
    {
        p.setPen(Line(w));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    void Fill(const QPainterPath &path, QColor c) const
    {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(path);
    }
    void FillStroke(const QPainterPath &path, QColor c, double w = 2.0) const
    {
        p.setPen(Line(w));
        p.setBrush(c);
        p.drawPath(path);
    }
    void Dashed(const QPainterPath &path) const
    {
        QPen pen = Line(1.6);
        pen.setDashPattern({2.0, 1.6});
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    QColor Soft() const
    {
        QColor c = k.Accent;
        c.setAlphaF(0.35f);
        return c;
    }
};

QPainterPath Poly(std::initializer_list<QPointF> pts, bool close = false) { return PolyPath(pts, close); }

QPainterPath Rect(double x, double y, double w, double h, double r = 0)
{
    QPainterPath path;
    if (r > 0)
        path.addRoundedRect(QRectF(x, y, w, h), r, r);
    else
        path.addRect(QRectF(x, y, w, h));
    return path;
}

QPainterPath Oval(QPointF c, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath ArrowHead(QPointF tip, QPointF from, double size)
{
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    return Poly({tip - u * size + n * size * 0.6, tip, tip - u * size - n * size * 0.6});
}

QPainterPath TurnArrow(bool clockwise)
{
    QPainterPath arc;
    const QRectF box(4, 4, 16, 16);
    if (clockwise) {
        arc.arcMoveTo(box, 200);
        arc.arcTo(box, 200, -250);
    } else {
        arc.arcMoveTo(box, -20);
        arc.arcTo(box, -20, 250);
    }
    return arc;
}

QPainterPath Letter(const QString &text, double size)
{
    QPainterPath path = TextPath(text, size);
    const QRectF b = path.boundingRect();
    QTransform t;
    t.translate(12 - b.center().x(), 12 - b.center().y());
    return t.map(path);
}

void Pencil(const TG &g, QColor body)
{
    QPainterPath shaft = Poly({{15, 3}, {21, 9}, {9, 21}, {3, 15}}, true);
    g.FillStroke(shaft, body);
    g.Stroke(Poly({{3, 15}, {2, 22}, {9, 21}}));
    g.Stroke(Poly({{12.5, 5.5}, {18.5, 11.5}}), 1.5);
}

using TGlyphFn = std::function<void(const TG &)>;

const std::map<std::string, TGlyphFn, std::less<>> &Glyphs()
{
    static const std::map<std::string, TGlyphFn, std::less<>> glyphs = {
        {"SIZE",
         [](const TG &g) {
             g.Dashed(Rect(3, 3, 18, 18));
             g.FillStroke(Rect(3, 11, 10, 10), g.Soft());
             g.Stroke(Poly({{9, 15}, {19, 5}}));
             g.Stroke(ArrowHead({19, 5}, {9, 15}, 5));
         }},
        {"CUT",
         [](const TG &g) {
             g.Fill(Rect(7, 7, 10, 10), g.Soft());
             g.Stroke(Poly({{7, 2}, {7, 17}, {22, 17}}), 2.2);
             g.Stroke(Poly({{2, 7}, {17, 7}, {17, 22}}), 2.2);
         }},
        {"COLOR",
         [](const TG &g) {
             QPainterPath palette;
             palette.moveTo(12, 3);
             palette.cubicTo(4, 3, 2, 10, 3, 14);
             palette.cubicTo(4, 19, 8, 21, 12, 21);
             palette.cubicTo(15, 21, 14, 17, 16, 16);
             palette.cubicTo(19, 15, 21, 16, 21, 12);
             palette.cubicTo(21, 6, 17, 3, 12, 3);
             g.FillStroke(palette, Qt::transparent);
             const QColor dots[] = {QColor(235, 80, 80), QColor(250, 190, 40), QColor(60, 170, 90),
                                    QColor(60, 120, 230)};
             const QPointF at[] = {{8, 9}, {13, 7}, {17, 10}, {7.5, 15}};
             for (int i = 0; i < 4; ++i)
                 g.Fill(Oval(at[i], 1.9, 1.9), g.k.Colourful ? dots[i] : g.k.Ink);
         }},
        {"TEXT",
         [](const TG &g) {
             g.Stroke(Poly({{4, 5}, {4, 3}, {20, 3}, {20, 5}}), 2.2);
             g.Stroke(Poly({{12, 3}, {12, 21}}), 2.4);
             g.Stroke(Poly({{8.5, 21}, {15.5, 21}}), 2.2);
         }},
        {"BALLOON",
         [](const TG &g) {
             QPainterPath b = Rect(2.5, 3.5, 19, 13, 4);
             b = b.united(Poly({{6, 15}, {5, 21.5}, {11, 16}}, true));
             g.FillStroke(b, g.Soft());
             g.Stroke(Poly({{7, 8.5}, {17, 8.5}}), 1.6);
             g.Stroke(Poly({{7, 12}, {14, 12}}), 1.6);
         }},
        {"STAMP",
         [](const TG &g) { g.FillStroke(RegularStar({12, 12.8}, 10, 4.4, 5), g.Soft()); }},
        {"ALBUM",
         [](const TG &g) {
             g.Stroke(Rect(2.5, 2.5, 19, 19, 1.5));
             g.Stroke(Rect(6, 6, 12, 12), 1.4);
             g.Fill(Poly({{6, 18}, {10, 12}, {13, 15.5}, {15, 13}, {18, 18}}, true), g.k.Accent);
             g.Fill(Oval({14.8, 9}, 1.6, 1.6), g.k.Accent);
         }},
        {"REDEYE",
         [](const TG &g) {
             QPainterPath eye;
             eye.moveTo(2, 12);
             eye.quadTo(12, 2, 22, 12);
             eye.quadTo(12, 22, 2, 12);
             g.FillStroke(eye, Qt::transparent);
             g.Fill(Oval({12, 12}, 4.2, 4.2), g.k.Colourful ? QColor(225, 40, 50) : g.k.Accent);
             g.Fill(Oval({12, 12}, 1.8, 1.8), g.k.Ink);
         }},
        {"IMGPASTE",
         [](const TG &g) {
             g.FillStroke(Rect(2, 6, 8.5, 12, 1), g.Soft(), 1.8);
             g.FillStroke(Rect(13.5, 6, 8.5, 12, 1), g.Soft(), 1.8);
             g.Stroke(Poly({{12, 2}, {12, 22}}), 1.4);
         }},
        {"GIF",
         [](const TG &g) {
             g.Stroke(Rect(2.5, 4.5, 19, 15, 2));
             for (double x : {5.0, 9.0, 13.0, 17.0}) {
                 g.Fill(Rect(x, 6, 2, 1.8), g.k.Ink);
                 g.Fill(Rect(x, 16.2, 2, 1.8), g.k.Ink);
             }
             g.Fill(Poly({{10, 9}, {15.5, 12}, {10, 15}}, true), g.k.Accent);
         }},
        {"PARALLEL",
         [](const TG &g) {
             g.FillStroke(Rect(3, 2.5, 18, 8, 1), g.Soft(), 1.8);
             g.FillStroke(Rect(3, 13.5, 18, 8, 1), g.Soft(), 1.8);
         }},
        {"RIGHT_RO",
         [](const TG &g) {
             const QPainterPath arc = TurnArrow(true);
             g.Stroke(arc);
             const QPointF end = arc.currentPosition();
             g.Fill(Poly({end + QPointF(-4.5, -1.5), end + QPointF(2.5, -3), end + QPointF(0.5, 4)}, true), g.k.Ink);
             g.Fill(Rect(9, 9, 6, 6, 1), g.k.Accent);
         }},
        {"LEFT_RO",
         [](const TG &g) {
             const QPainterPath arc = TurnArrow(false);
             g.Stroke(arc);
             const QPointF end = arc.currentPosition();
             g.Fill(Poly({end + QPointF(4.5, -1.5), end + QPointF(-2.5, -3), end + QPointF(-0.5, 4)}, true), g.k.Ink);
             g.Fill(Rect(9, 9, 6, 6, 1), g.k.Accent);
         }},
        {"HORZ",
         [](const TG &g) {
             g.Dashed(Poly({{12, 2}, {12, 22}}));
             g.FillStroke(Poly({{9, 5}, {9, 19}, {2, 19}}, true), g.k.Accent, 1.6);
             g.Stroke(Poly({{15, 5}, {15, 19}, {22, 19}}, true), 1.6);
         }},
        {"VERZ",
         [](const TG &g) {
             g.Dashed(Poly({{2, 12}, {22, 12}}));
             g.FillStroke(Poly({{5, 9}, {19, 9}, {19, 2}}, true), g.k.Accent, 1.6);
             g.Stroke(Poly({{5, 15}, {19, 15}, {19, 22}}, true), 1.6);
         }},
        {"APPLY_P",
         [](const TG &g) {
             g.FillStroke(Oval({12, 12}, 9.5, 9.5), g.Soft());
             g.Stroke(Poly({{7, 12.5}, {10.5, 16}, {17, 8.5}}), 2.4);
         }},
        {"APPLY_N",
         [](const TG &g) {
             g.FillStroke(Oval({12, 12}, 9.5, 9.5), Qt::transparent);
             g.Stroke(Poly({{8, 8}, {16, 16}}), 2.4);
             g.Stroke(Poly({{16, 8}, {8, 16}}), 2.4);
         }},
        {"T_RECT_CUT",
         [](const TG &g) {
             g.Dashed(Rect(3, 4, 18, 16));
             for (QPointF c : {QPointF(3, 4), QPointF(21, 4), QPointF(3, 20), QPointF(21, 20)})
                 g.Fill(Rect(c.x() - 2, c.y() - 2, 4, 4), g.k.Accent);
         }},
        {"T_CIRCLE_CUT",
         [](const TG &g) {
             g.Dashed(Oval({12, 12}, 9.5, 8));
             for (QPointF c : {QPointF(12, 4), QPointF(21.5, 12), QPointF(12, 20), QPointF(2.5, 12)})
                 g.Fill(Rect(c.x() - 2, c.y() - 2, 4, 4), g.k.Accent);
         }},
        {"T_PEN", [](const TG &g) { Pencil(g, g.Soft()); }},
        {"T_BRUSH",
         [](const TG &g) {
             g.Stroke(Poly({{21, 3}, {12, 12}}), 2.6);
             g.Stroke(Poly({{13.5, 8.5}, {15.5, 10.5}}), 1.4);
             QPainterPath tip;
             tip.moveTo(11, 11);
             tip.cubicTo(7, 10, 4, 13, 5, 17);
             tip.cubicTo(5, 19, 4, 20, 2.5, 21.5);
             tip.cubicTo(8, 22, 13, 19, 13, 13);
             tip.closeSubpath();
             g.FillStroke(tip, g.k.Accent, 1.6);
         }},
        {"T_STAMP",
         [](const TG &g) {
             g.FillStroke(Oval({12, 5.5}, 3.5, 3), g.Soft(), 1.8);
             g.Stroke(Poly({{10.5, 8.5}, {10, 13}, {14, 13}, {13.5, 8.5}}), 1.8);
             g.FillStroke(Rect(4, 13, 16, 4.5, 1.2), g.k.Accent, 1.8);
             g.Stroke(Poly({{4, 21}, {20, 21}}), 1.8);
         }},
        {"T_PAINT",
         [](const TG &g) {
             QPainterPath bucket = Poly({{4, 10}, {12, 2}, {20, 10}, {12, 18}}, true);
             g.FillStroke(bucket, g.Soft());
             g.Stroke(Poly({{8, 6}, {4.5, 2.5}}), 1.8);
             QPainterPath drop;
             drop.moveTo(20, 12);
             drop.cubicTo(22.5, 16, 22.5, 19, 20, 19);
             drop.cubicTo(17.5, 19, 17.5, 16, 20, 12);
             g.Fill(drop, g.k.Accent);
         }},
        {"T_AIRBRUSH",
         [](const TG &g) {
             g.FillStroke(Rect(11, 9, 8, 13, 2), g.Soft(), 1.8);
             g.Stroke(Rect(13, 5.5, 4, 3.5), 1.6);
             for (QPointF d : {QPointF(8, 4), QPointF(5, 6), QPointF(8, 8), QPointF(3, 3), QPointF(4, 9.5),
                               QPointF(2, 6.5)})
                 g.Fill(Oval(d, 0.95, 0.95), g.k.Accent);
         }},
        {"T_ERASER",
         [](const TG &g) {
             g.FillStroke(Poly({{14, 3}, {22, 11}, {13, 20}, {5, 12}}, true), g.Soft());
             g.FillStroke(Poly({{5, 12}, {13, 20}, {10, 23}, {2, 15}}, true), g.k.Accent, 1.8);
         }},
        {"T_TEXT",
         [](const TG &g) {
             g.Stroke(Poly({{4, 21}, {12, 3}, {20, 21}}), 2.4);
             g.Stroke(Poly({{7.5, 14.5}, {16.5, 14.5}}), 2.2);
         }},
        {"T_LINE",
         [](const TG &g) {
             g.Stroke(Poly({{4, 20}, {20, 4}}), 2.2);
             g.Fill(Oval({4, 20}, 2.2, 2.2), g.k.Accent);
             g.Fill(Oval({20, 4}, 2.2, 2.2), g.k.Accent);
         }},
        {"T_LINE_ARROW",
         [](const TG &g) {
             g.Stroke(Poly({{3, 21}, {19, 5}}), 2.2);
             g.Fill(Poly({{21.5, 2.5}, {19.5, 11}, {13, 4.5}}, true), g.k.Ink);
         }},
        {"T_CIRCLE", [](const TG &g) { g.FillStroke(Oval({12, 12}, 9.5, 8), g.Soft(), 2.2); }},
        {"T_RECT", [](const TG &g) { g.FillStroke(Rect(3, 4.5, 18, 15), g.Soft(), 2.2); }},
        {"T_C_RECT", [](const TG &g) { g.FillStroke(Rect(3, 4.5, 18, 15, 5), g.Soft(), 2.2); }},
        {"BOLD", [](const TG &g) { g.FillStroke(Letter(QStringLiteral("B"), 21), g.k.Ink, 1.4); }},
        {"ITALIC",
         [](const TG &g) {
             g.Stroke(Poly({{14.5, 4}, {9.5, 20}}), 3.4);
             g.Stroke(Poly({{10.5, 4}, {19, 4}}), 2.4);
             g.Stroke(Poly({{5, 20}, {13.5, 20}}), 2.4);
         }},
        {"UNDERLINE",
         [](const TG &g) {
             g.FillStroke(Letter(QStringLiteral("U"), 18).translated(0, -2), g.k.Ink, 0.9);
             g.Stroke(Poly({{5, 21}, {19, 21}}), 2);
         }},
        {"LEFT",
         [](const TG &g) {
             for (int i = 0; i < 4; ++i)
                 g.Stroke(Poly({{3, 5 + i * 4.7}, {i % 2 ? 14.0 : 21.0, 5 + i * 4.7}}), 2);
         }},
        {"MIDDLE",
         [](const TG &g) {
             for (int i = 0; i < 4; ++i)
                 g.Stroke(Poly({{i % 2 ? 7.5 : 3.0, 5 + i * 4.7}, {i % 2 ? 16.5 : 21.0, 5 + i * 4.7}}), 2);
         }},
        {"RIGHT",
         [](const TG &g) {
             for (int i = 0; i < 4; ++i)
                 g.Stroke(Poly({{i % 2 ? 10.0 : 3.0, 5 + i * 4.7}, {21, 5 + i * 4.7}}), 2);
         }},
    };
    return glyphs;
}

} // namespace

void DrawGlyph(QPainter &p, std::string_view key, const TGlyphInk &ink)
{
    const auto &glyphs = Glyphs();
    const auto it = glyphs.find(key);
    if (it == glyphs.end())
        throw std::runtime_error("no glyph for the icon " + std::string(key));
    it->second(TG{p, ink});
}
