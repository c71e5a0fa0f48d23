// The 20 tileable greyscale paper textures. The paper effect lets only about
// a tenth of a texture's contrast reach the photo, so the grain here is
// strong: a ground spread of some 30 to 45 grey levels plus fibres and specks.

#include "ArtworkNames.h"
#include "Generators.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

namespace {

constexpr int Side = 512;

enum class TSurface { Flat, Bumpy, Crumpled };
enum class TPattern { None, Weave, Laid, Corrugated };

struct TPaper {
    int Base;          // mean grey of the ground
    int Spread;        // standard deviation of the ground in grey levels
    double Cloud;      // weight of the cloudy noise against the fine grain
    int CloudCells;    // period of the cloudy noise across the tile
    TSurface Surface;  // relief: none, soft lit bumps, or crumpled facets
    double Relief;     // weight of the relief against the cloud
    int ReliefCells;
    TPattern Pattern;
    double PatternWeight;
    int Repeats;       // threads, laid lines or waves across the tile
    int Fibres;
    double FibreLen;
    int FibreDark;     // grey difference of a dark fibre from the base
    int Speckles;
    double SpeckleSize; // largest speck radius in pixels
};

using enum TSurface;
using enum TPattern;

const TPaper Papers[20] = {
    // base spread cloud cells surface relief cells pattern weight repeats fibres length dark specks size
    {200, 32, 0.5, 8, Flat, 0, 1, None, 0, 0, 2200, 26, 90, 0, 0},              // plain fibrous
    {180, 32, 0.6, 6, Flat, 0, 1, None, 0, 0, 4000, 12, 80, 400, 1.5},           // recycled grey
    {200, 30, 0.4, 10, Flat, 0, 1, None, 0, 0, 900, 80, 110, 0, 0},              // long-fibre rice paper
    {160, 34, 0.5, 4, Bumpy, 0.3, 24, None, 0, 0, 4000, 10, 70, 250, 2.0},       // coarse kraft
    {195, 32, 0.3, 16, Flat, 0, 1, None, 0, 0, 14000, 5, 70, 0, 0},              // felt, dense short hairs
    {195, 36, 0.3, 8, Flat, 0, 1, Weave, 2.0, 96, 300, 12, 60, 0, 0},           // fine canvas
    {170, 40, 0.4, 6, Flat, 0, 1, Weave, 2.5, 64, 200, 16, 70, 0, 0},            // coarse burlap
    {205, 32, 0.4, 8, Flat, 0, 1, Laid, 1.0, 96, 800, 20, 70, 0, 0},             // laid paper
    {185, 36, 0.4, 6, Bumpy, 0.3, 32, Laid, 1.6, 48, 800, 18, 80, 0, 0},         // heavy laid paper
    {190, 38, 0.3, 8, Crumpled, 1.5, 4, None, 0, 0, 500, 18, 70, 0, 0},          // softly crumpled
    {185, 44, 0.3, 6, Crumpled, 2.5, 6, None, 0, 0, 300, 18, 70, 0, 0},          // hard creases
    {195, 36, 0.3, 12, Crumpled, 1.5, 12, None, 0, 0, 400, 14, 60, 0, 0},        // fine wrinkles
    {200, 32, 0.5, 8, Flat, 0, 1, None, 0, 0, 2000, 10, 90, 2500, 1.6},          // granite speckle
    {150, 34, 0.6, 6, Flat, 0, 1, None, 0, 0, 2500, 10, 60, 1200, 2.2},          // dark speckled board
    {205, 30, 0.4, 8, Flat, 0, 1, None, 0, 0, 500, 120, 110, 0, 0},              // straw, sparse long fibres
    {195, 32, 0.4, 6, Flat, 0, 1, None, 0, 0, 2500, 90, 80, 0, 0},               // silky long fibres
    {190, 42, 1.0, 16, Flat, 0, 1, None, 0, 0, 300, 10, 50, 0, 0},               // mottled parchment
    {180, 36, 0.4, 8, Flat, 0, 1, Corrugated, 2.5, 24, 600, 16, 70, 80, 1.5},    // corrugated card
    {195, 38, 0.4, 3, Bumpy, 1.2, 20, None, 0, 0, 500, 30, 70, 20, 1.2},         // cold-pressed watercolour
    {200, 34, 0.6, 12, Flat, 0, 1, None, 0, 0, 1800, 40, 90, 150, 4.0},          // handmade with inclusions
};

// Draws a shape nine times so that what leaves one side of the tile comes in
// on the other.
template <typename F> void Wrapped(F draw)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            draw(QPointF(dx * Side, dy * Side));
}

int At(int i) { return (i + Side) % Side; }

// Brightness of a height field lit from the upper left, about unit strength;
// neighbours wrap so the tile stays seamless.
std::vector<double> Lit(const std::vector<double> &height, int cells)
{
    std::vector<double> out(height.size());
    const double scale = double(Side) / cells * 4;
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const double dx = height[y * Side + At(x + 1)] - height[y * Side + At(x - 1)];
            const double dy = height[At(y + 1) * Side + x] - height[At(y - 1) * Side + x];
            out[y * Side + x] = -(dx + dy) * scale;
        }
    return out;
}

// Crushed and smoothed-out paper: flat facets around scattered points, each
// tilted its own way, with a dark crease where two meet. The points repeat
// with the tile, so facets run on across its edges.
void AddFacets(std::vector<double> &out, int cells, double weight, std::uint64_t seed)
{
    const double cell = double(Side) / cells;
    const auto point = [&](int cx, int cy) {
        TRng rng(seed + std::uint64_t((cx + cells) % cells) * 7919 + std::uint64_t((cy + cells) % cells));
        const QPointF jitter(rng.Unit(), rng.Unit());
        const double angle = rng.Range(0, 2 * std::numbers::pi);
        return std::tuple(QPointF((cx + jitter.x()) * cell, (cy + jitter.y()) * cell), rng.Range(-0.5, 0.5),
                          QPointF(std::cos(angle), std::sin(angle)));
    };
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const int cx = int(x / cell), cy = int(y / cell);
            double first = 1e9, second = 1e9, shade = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const auto [centre, level, tilt] = point(cx + dx, cy + dy);
                    const QPointF d = QPointF(x, y) - centre;
                    const double distance = std::hypot(d.x(), d.y());
                    if (distance < first) {
                        second = first;
                        first = distance;
                        shade = level + QPointF::dotProduct(d, tilt) / cell;
                    } else if (distance < second) {
                        second = distance;
                    }
                }
            const double crease = std::exp(-(second - first) / (cell * 0.04));
            out[y * Side + x] += weight * (shade - crease);
        }
}

std::vector<double> Relief(const TPaper &t, std::uint64_t seed)
{
    if (t.Surface == Crumpled) {
        std::vector<double> facets(Side * Side);
        AddFacets(facets, t.ReliefCells, 1, seed);
        AddFacets(facets, t.ReliefCells * 2, 0.5, seed + 1);
        return facets;
    }
    const TTileNoise noise(seed, t.ReliefCells);
    const double cell = double(Side) / t.ReliefCells;
    std::vector<double> height(Side * Side);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            height[y * Side + x] = noise.Fractal(x / cell, y / cell, 4);
    return Lit(height, t.ReliefCells);
}

double PatternAt(const TPaper &t, int x, int y)
{
    const double u = double(x) * t.Repeats / Side, w = double(y) * t.Repeats / Side;
    const double pi = std::numbers::pi;
    switch (t.Pattern) {
    case Weave: {
        // Plain weave: the thread on top alternates like a checkerboard, each a
        // bump long along its own direction that sinks to nothing at the cell's
        // edges, so neighbouring cells meet without a step.
        const int i = int(u), j = int(w);
        const bool warpOnTop = (i + j) % 2 == 0;
        const double across = warpOnTop ? u - i : w - j, along = warpOnTop ? w - j : u - i;
        return std::sin(pi * across) * std::sqrt(std::sin(pi * along));
    }
    case Laid:
        // Close laid lines across, a chain line every sixteen of them.
        return -std::pow(std::abs(std::sin(pi * w)), 8) - 1.5 * std::pow(std::abs(std::sin(pi * u / 16)), 60);
    case Corrugated:
        return std::sin(2 * pi * w);
    case None:
        break;
    }
    return 0;
}

// The ground before fibres: cloud, fine grain, relief and pattern, scaled to
// the paper's mean and spread.
std::vector<double> Ground(const TPaper &t, std::uint64_t seed)
{
    const TTileNoise cloud(seed, t.CloudCells), fine(seed + 1, 128);
    const double cell = double(Side) / t.CloudCells;
    const std::vector<double> relief = t.Surface == Flat ? std::vector<double>(Side * Side) : Relief(t, seed + 3);
    std::vector<double> g(Side * Side);
    double sum = 0, squares = 0;
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const int i = y * Side + x;
            g[i] = 5 * t.Cloud * (cloud.Fractal(x / cell, y / cell, 5) - 0.5) + 1.5 * (fine.At(x / 4.0, y / 4.0) - 0.5) +
                   t.Relief * relief[i] + t.PatternWeight * PatternAt(t, x, y);
            sum += g[i];
            squares += g[i] * g[i];
        }
    const double mean = sum / g.size(), deviation = std::sqrt(std::max(squares / g.size() - mean * mean, 1e-12));
    for (double &v : g)
        v = t.Base + (v - mean) / deviation * t.Spread;
    return g;
}

QImage PaperTexture(int index)
{
    const TPaper &t = Papers[index];
    const std::uint64_t seed = 5000 + std::uint64_t(index);
    const std::vector<double> ground = Ground(t, seed);
    QImage out(Side, Side, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < Side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < Side; ++x) {
            const int g = std::clamp(int(std::lround(ground[y * Side + x])), 0, 255);
            line[x] = qRgb(g, g, g);
        }
    }
    QPainter p(&out);
    PrepPainter(p);
    TRng rng(seed + 2);
    for (int i = 0; i < t.Fibres; ++i) {
        const QPointF a(rng.Range(0, Side), rng.Range(0, Side));
        const double angle = rng.Range(0, std::numbers::pi), len = t.FibreLen * rng.Range(0.4, 1.3);
        const QPointF d(std::cos(angle) * len, std::sin(angle) * len);
        const QPointF bend(rng.Range(-0.3, 0.3) * len, rng.Range(-0.3, 0.3) * len);
        const bool dark = rng.Unit() < 0.6;
        const int shade = std::clamp(t.Base + (dark ? -t.FibreDark : t.FibreDark / 2), 0, 255);
        const QPen pen(QColor(shade, shade, shade, rng.Int(110, 220)), rng.Range(0.6, 1.6), Qt::SolidLine, Qt::RoundCap);
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
        const QPointF c(rng.Range(0, Side), rng.Range(0, Side));
        const double r = rng.Range(0.5, t.SpeckleSize), ry = r * rng.Range(0.6, 1.0);
        const int shade = std::clamp(t.Base - rng.Int(60, 140), 0, 255);
        p.setBrush(QColor(shade, shade, shade, rng.Int(120, 220)));
        Wrapped([&](QPointF off) { p.drawEllipse(c + off, r, ry); });
    }
    p.end();
    return out.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

void MakePaperTextures(TArtSink &sink)
{
    sink.BeginGroup(QStringLiteral("paper"));
    for (int i = 0; i < VellumiArt::PaperCount; ++i)
        sink.Beside(QStringLiteral("iMAGE/Paper/%1.png").arg(i + 1), PaperTexture(i));
}
