// The 17 background-effect overlays: colour with alpha that tints and ages a
// photo laid under them.

#include "ArtworkNames.h"
#include "Generators.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int OldW = 640, OldH = 480;

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

} // namespace

void MakeOldPictureTextures(TArtSink &sink)
{
    sink.BeginGroup(QStringLiteral("oldpicture"));
    for (int i = 0; i < VellumiArt::OldPictureCount; ++i)
        sink.Beside(QStringLiteral("Image/OldPicture/%1.Png").arg(i + 1), AgeingTexture(i));
}
