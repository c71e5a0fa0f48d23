#pragma once
// Shared tools of the artwork generator: where pictures go, a seeded random
// source, tileable noise and a few painting helpers.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

// One generated picture, kept for the contact sheets.
struct TArtEntry {
    QString Caption;
    QImage Picture;
};
struct TArtGroup {
    QString Name;
    std::vector<TArtEntry> Entries;
};

// Receives every generated file. Pictures beside the program go under the
// output folder with their exact names; compiled-in pictures go to the
// resource folder (upper-case names) and are listed in its .qrc file.
class TArtSink {
public:
    TArtSink(QString besideDir, QString compiledDir);

    void BeginGroup(const QString &name);
    void Beside(const QString &relativePath, const QImage &picture);
    void BesideText(const QString &relativePath, const QByteArray &text);
    void Compiled(std::string_view name, const QImage &picture);
    void WriteResourceList() const;

    const std::vector<TArtGroup> &Groups() const { return FGroups; }

private:
    void Remember(const QString &caption, const QImage &picture);

    QString FBesideDir, FCompiledDir;
    std::vector<QString> FCompiledNames;
    std::vector<TArtGroup> FGroups;
};

// Writes a PNG with fixed settings and nothing time-dependent in it.
void SavePng(const QImage &picture, const QString &path);
QString ToQString(std::string_view text);

// Deterministic random source (SplitMix64).
class TRng {
public:
    explicit TRng(std::uint64_t seed) : FState(seed) {}
    std::uint64_t Next();
    double Unit(); // [0, 1)
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    int Int(int lo, int hi); // [lo, hi]

private:
    std::uint64_t FState;
};

// Value noise on an integer lattice that wraps with the given period, so a
// picture made from it tiles without seams.
class TTileNoise {
public:
    TTileNoise(std::uint64_t seed, int period);
    double At(double x, double y) const; // 0..1, period in lattice cells
    // Sum of octaves; x and y in cells of the first octave.
    double Fractal(double x, double y, int octaves, double falloff = 0.5) const;

private:
    double Lattice(int x, int y, int period) const;
    double Sample(double x, double y, int period) const;
    std::uint64_t FSeed;
    int FPeriod;
};

// A transparent 32-bit canvas and an anti-aliased painter on it.
QImage NewCanvas(int width, int height, QColor fill = Qt::transparent);
void PrepPainter(QPainter &painter);

// A polyline through the points, closed into a polygon when asked.
QPainterPath PolyPath(std::initializer_list<QPointF> points, bool close);
QPainterPath RegularStar(QPointF centre, double outer, double inner, int points, double turn = 0);
QPainterPath Heart(QPointF centre, double size);
// Glyph outlines of a text in a Debian font, unhinted, as a path.
QPainterPath TextPath(const QString &text, double pixelSize, bool bold = true);
// Fills a path with a vertical gradient and strokes it with an outline.
void FillOutlined(QPainter &p, const QPainterPath &path, QColor top, QColor bottom, QColor outline,
                  double width);
