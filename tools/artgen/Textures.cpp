// Textures: the 17 background-effect overlays (colour with alpha that tints
// and ages a photo) and the 20 tileable greyscale paper patterns.

#include "ArtworkNames.h"
#include "Generators.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int OldW = 640, OldH = 480;
constexpr int PaperSide = 512;

double Smooth(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

struct TRgba {
    double R = 0, G = 0, B = 0, A = 0; // premultiplied, 0..1
    void Over(QColor c, double alpha)
    {
        alpha = std::clamp(alpha, 0.0, 1.0);
        R = c.redF() * alpha + R * (1 - alpha);
        G = c.greenF() * alpha + G * (1 - alpha);
        B = c.blueF() * alpha + B * (1 - alpha);
        A = alpha + A * (1 - alpha);
    }
};

struct TAgeing {
    QColor Tint;
    double TintAlpha;
    QColor Edge;
    double Vignette; // alpha at the corners
    double Inner;    // normalised radius where the vignette starts
    double Grain;
    double Stains;
    int Scratches;
    int Dust;
    double Burn;
    QColor Leak;
    double LeakAlpha;
    bool Oval;
};

const TAgeing Ageings[17] = {
    {QColor(112, 66, 20), 0.16, QColor(40, 22, 8), 0.75, 0.45, 0.05, 0.00, 0, 40, 0, {}, 0, false},
    {QColor(150, 110, 60), 0.25, QColor(60, 40, 20), 0.55, 0.55, 0.08, 0.25, 6, 80, 0, {}, 0, false},
    {QColor(0, 0, 0), 0.00, QColor(0, 0, 0), 0.85, 0.35, 0.04, 0.00, 0, 0, 0, {}, 0, false},
    {QColor(255, 250, 240), 0.00, QColor(255, 255, 255), 0.95, 0.42, 0.00, 0.00, 0, 0, 0, {}, 0, true},
    {QColor(120, 80, 40), 0.10, QColor(30, 16, 6), 0.60, 0.50, 0.12, 0.10, 14, 160, 0, {}, 0, false},
    {QColor(160, 120, 70), 0.20, QColor(70, 30, 10), 0.90, 0.62, 0.06, 0.15, 0, 30, 1.0, {}, 0, false},
    {QColor(255, 140, 40), 0.05, QColor(30, 10, 0), 0.40, 0.60, 0.05, 0.00, 0, 20, 0, QColor(255, 120, 40), 0.55, false},
    {QColor(30, 60, 110), 0.22, QColor(10, 20, 40), 0.60, 0.50, 0.05, 0.00, 0, 20, 0, {}, 0, false},
    {QColor(200, 170, 110), 0.30, QColor(90, 60, 30), 0.50, 0.60, 0.10, 0.45, 3, 60, 0, {}, 0, false},
    {QColor(0, 0, 0), 0.00, QColor(0, 0, 0), 0.98, 0.40, 0.03, 0.00, 0, 0, 0, {}, 0, true},
    {QColor(90, 110, 60), 0.14, QColor(30, 36, 20), 0.65, 0.45, 0.10, 0.20, 8, 100, 0, {}, 0, false},
    {QColor(255, 200, 220), 0.10, QColor(255, 240, 245), 0.70, 0.55, 0.02, 0.00, 0, 0, 0, QColor(255, 180, 200), 0.35, false},
    {QColor(140, 100, 50), 0.35, QColor(50, 30, 10), 0.70, 0.40, 0.14, 0.35, 20, 220, 0.6, {}, 0, false},
    {QColor(60, 40, 80), 0.15, QColor(20, 10, 30), 0.70, 0.45, 0.06, 0.00, 0, 0, 0, QColor(255, 80, 140), 0.35, false},
    {QColor(230, 210, 170), 0.20, QColor(120, 90, 50), 0.45, 0.65, 0.04, 0.60, 0, 40, 0, {}, 0, false},
    {QColor(100, 70, 40), 0.12, QColor(20, 10, 5), 0.85, 0.50, 0.18, 0.05, 30, 300, 0, {}, 0, false},
    {QColor(255, 230, 180), 0.18, QColor(80, 50, 20), 0.80, 0.55, 0.05, 0.20, 4, 50, 1.0, QColor(255, 200, 120), 0.30, false},
};

QImage AgeingTexture(int index)
{
    const TAgeing &t = Ageings[index];
    const std::uint64_t seed = 1000 + std::uint64_t(index);
    const TTileNoise stain(seed, 6), burn(seed + 1, 24), grain(seed + 2, 320);
    TRng rng(seed + 3);
    QImage out(OldW, OldH, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < OldH; ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < OldW; ++x) {
            const double nx = (x + 0.5) / OldW * 2 - 1, ny = (y + 0.5) / OldH * 2 - 1;
            TRgba px;
            px.Over(t.Tint, t.TintAlpha);
            if (t.Stains > 0) {
                const double s = stain.Fractal(x / 110.0, y / 110.0, 4);
                px.Over(t.Edge, t.Stains * Smooth(0.55, 0.75, s) * 0.6);
            }
            if (t.LeakAlpha > 0) {
                const double d = std::hypot(nx + 1.1, ny + 0.6);
                px.Over(t.Leak, t.LeakAlpha * (1 - Smooth(0.2, 1.5, d)));
            }
            double r = t.Oval ? std::hypot(nx, ny) : std::pow(std::pow(std::abs(nx), 3) + std::pow(std::abs(ny), 3), 1 / 3.0);
            if (t.Burn > 0) {
                const double edge = std::min({x, y, OldW - 1 - x, OldH - 1 - y}) / 40.0;
                const double n = burn.Fractal(x / 26.0, y / 26.0, 3);
                px.Over(t.Edge, t.Burn * (1 - Smooth(0.3, 1.1, edge + n * 0.9)));
            }
            px.Over(t.Edge, t.Vignette * Smooth(t.Inner, t.Oval ? 1.0 : 1.25, r));
            if (t.Grain > 0) {
                const double g = grain.At(x * 0.5, y * 0.5) - 0.5;
                px.Over(g > 0 ? QColor(255, 250, 235) : QColor(20, 12, 4), t.Grain * std::abs(g) * 2);
            }
            line[x] = qRgba(int(std::lround(px.R * 255)), int(std::lround(px.G * 255)),
                            int(std::lround(px.B * 255)), int(std::lround(px.A * 255)));
        }
    }
    QPainter p(&out);
    PrepPainter(p);
    for (int i = 0; i < t.Scratches; ++i) {
        const double x = rng.Range(10, OldW - 10), y0 = rng.Range(-20, OldH * 0.6);
        const double len = rng.Range(80, OldH), drift = rng.Range(-12, 12);
        QPainterPath s;
        s.moveTo(x, y0);
        s.cubicTo(x + drift * 0.3, y0 + len * 0.3, x + drift * 0.7, y0 + len * 0.7, x + drift, y0 + len);
        const bool light = rng.Unit() < 0.6;
        p.setPen(QPen(light ? QColor(255, 250, 235, 120) : QColor(30, 20, 10, 110), rng.Range(0.6, 1.6)));
        p.drawPath(s);
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < t.Dust; ++i) {
        const bool light = rng.Unit() < 0.5;
        p.setBrush(light ? QColor(255, 250, 240, rng.Int(60, 150)) : QColor(25, 15, 5, rng.Int(60, 150)));
        p.drawEllipse(QPointF(rng.Range(0, OldW), rng.Range(0, OldH)), rng.Range(0.5, 2.2), rng.Range(0.5, 1.8));
    }
    return out;
}

struct TPaper {
    int Base;        // mean grey
    double Cloud;    // contrast of the soft cloudy noise
    int CloudCells;  // noise period in cells across the tile
    int Fibres;
    double FibreLen;
    int FibreDark;   // grey difference of a fibre
    int Kind;        // 0 plain, 1 canvas weave, 2 laid lines, 3 crumpled, 4 corrugated
    int Speckles;
};

const TPaper Papers[20] = {
    {232, 22, 8, 900, 22, 26, 0, 0},   {224, 30, 6, 1400, 16, 30, 0, 0},  {238, 14, 10, 600, 40, 20, 0, 0},
    {214, 36, 4, 1800, 12, 34, 0, 60}, {228, 18, 16, 2400, 8, 22, 0, 0},  {220, 16, 8, 300, 12, 16, 1, 0},
    {210, 20, 6, 200, 10, 18, 1, 0},   {230, 12, 8, 400, 20, 16, 2, 0},   {222, 18, 6, 500, 18, 22, 2, 0},
    {226, 40, 8, 500, 18, 20, 3, 0},   {216, 46, 6, 300, 18, 20, 3, 0},   {230, 30, 12, 400, 14, 18, 3, 0},
    {220, 26, 8, 1600, 10, 40, 0, 400}, {210, 30, 6, 2000, 10, 46, 0, 700}, {236, 12, 8, 700, 70, 30, 0, 0},
    {228, 18, 6, 1000, 90, 36, 0, 0},  {224, 44, 32, 300, 10, 14, 0, 0},  {200, 20, 8, 600, 16, 24, 4, 80},
    {218, 50, 3, 500, 30, 26, 0, 20},  {234, 24, 12, 1200, 30, 28, 0, 40},
};

// Draws a shape nine times so that what leaves one side of the tile comes in
// on the other.
template <typename F> void Wrapped(F draw)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            draw(QPointF(dx * PaperSide, dy * PaperSide));
}

QImage PaperTexture(int index)
{
    const TPaper &t = Papers[index];
    const std::uint64_t seed = 5000 + std::uint64_t(index);
    const TTileNoise cloud(seed, t.CloudCells), fine(seed + 1, 128);
    QImage out(PaperSide, PaperSide, QImage::Format_ARGB32_Premultiplied);
    const double cell = double(PaperSide) / t.CloudCells;
    for (int y = 0; y < PaperSide; ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < PaperSide; ++x) {
            double v = t.Base + t.Cloud * (cloud.Fractal(x / cell, y / cell, 5) - 0.5);
            v += 10 * (fine.At(x / 4.0, y / 4.0) - 0.5);
            const double u = 2 * std::numbers::pi * x / PaperSide, w = 2 * std::numbers::pi * y / PaperSide;
            if (t.Kind == 1)
                v += 9 * std::sin(u * 96) * std::sin(w * 96) + 5 * std::sin(u * 96 + w * 96);
            else if (t.Kind == 2)
                v += 7 * std::pow(std::abs(std::sin(w * 64)), 8) * -1 + 6 * std::pow(std::abs(std::sin(u * 4)), 40) * -1;
            else if (t.Kind == 3) {
                const double ridge = std::abs(cloud.Fractal(x / cell * 2, y / cell * 2, 4) - 0.5);
                v += 40 * (0.12 - std::min(ridge, 0.12));
            } else if (t.Kind == 4)
                v += 14 * std::sin(w * 24);
            const int g = std::clamp(int(std::lround(v)), 0, 255);
            line[x] = qRgb(g, g, g);
        }
    }
    QPainter p(&out);
    PrepPainter(p);
    TRng rng(seed + 2);
    for (int i = 0; i < t.Fibres; ++i) {
        const QPointF a(rng.Range(0, PaperSide), rng.Range(0, PaperSide));
        const double angle = rng.Range(0, std::numbers::pi), len = t.FibreLen * rng.Range(0.4, 1.3);
        const QPointF d(std::cos(angle) * len, std::sin(angle) * len);
        const QPointF bend(rng.Range(-0.3, 0.3) * len, rng.Range(-0.3, 0.3) * len);
        const bool dark = rng.Unit() < 0.6;
        const int shade = std::clamp(t.Base + (dark ? -t.FibreDark : t.FibreDark / 2), 0, 255);
        const QPen pen(QColor(shade, shade, shade, rng.Int(70, 170)), rng.Range(0.5, 1.4), Qt::SolidLine, Qt::RoundCap);
        Wrapped([&](QPointF off) {
            QPainterPath f;
            f.moveTo(a + off);
            f.quadTo(a + d * 0.5 + bend + off, a + d + off);
            p.setPen(pen);
            p.drawPath(f);
        });
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < t.Speckles; ++i) {
        const QPointF c(rng.Range(0, PaperSide), rng.Range(0, PaperSide));
        const double r = rng.Range(0.5, 2.0), ry = r * rng.Range(0.6, 1.0);
        const int shade = std::clamp(t.Base - rng.Int(40, 110), 0, 255);
        p.setBrush(QColor(shade, shade, shade, rng.Int(120, 220)));
        Wrapped([&](QPointF off) { p.drawEllipse(c + off, r, ry); });
    }
    p.end();
    return out.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

void MakeOldPictureTextures(TArtSink &sink)
{
    sink.BeginGroup(QStringLiteral("oldpicture"));
    for (int i = 0; i < VellumiArt::OldPictureCount; ++i)
        sink.Beside(QStringLiteral("Image/OldPicture/%1.Png").arg(i + 1), AgeingTexture(i));
}

void MakePaperTextures(TArtSink &sink)
{
    sink.BeginGroup(QStringLiteral("paper"));
    for (int i = 0; i < VellumiArt::PaperCount; ++i)
        sink.Beside(QStringLiteral("iMAGE/Paper/%1.png").arg(i + 1), PaperTexture(i));
}
