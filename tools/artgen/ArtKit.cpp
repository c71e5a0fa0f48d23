#include "ArtKit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageWriter>
#include <QLinearGradient>

#include <cmath>
#include <numbers>
#include <stdexcept>

TArtSink::TArtSink(QString besideDir, QString compiledDir)
    : FBesideDir(std::move(besideDir)), FCompiledDir(std::move(compiledDir))
{
}

void TArtSink::BeginGroup(const QString &name) { FGroups.push_back({name, {}}); }

void TArtSink::Remember(const QString &caption, const QImage &picture)
{
    if (FGroups.empty())
        BeginGroup(QStringLiteral("misc"));
    FGroups.back().Entries.push_back({caption, picture});
}

static void EnsureFolderOf(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw std::runtime_error(("cannot create the folder of " + path).toStdString());
}

void TArtSink::Beside(const QString &relativePath, const QImage &picture)
{
    const QString path = FBesideDir + '/' + relativePath;
    EnsureFolderOf(path);
    if (relativePath.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) {
        QImageWriter writer(path, "BMP");
        if (!writer.write(picture.convertToFormat(QImage::Format_RGB32)))
            throw std::runtime_error(("cannot write " + path).toStdString());
    } else {
        SavePng(picture, path);
    }
    Remember(QFileInfo(relativePath).fileName(), picture);
}

void TArtSink::BesideText(const QString &relativePath, const QByteArray &text)
{
    const QString path = FBesideDir + '/' + relativePath;
    EnsureFolderOf(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        throw std::runtime_error(("cannot write " + path).toStdString());
}

void TArtSink::Compiled(std::string_view name, const QImage &picture)
{
    const QString upper = ToQString(name).toUpper();
    const QString path = FCompiledDir + '/' + upper + QStringLiteral(".png");
    EnsureFolderOf(path);
    SavePng(picture, path);
    FCompiledNames.push_back(upper);
    Remember(upper, picture);
}

void TArtSink::WriteResourceList() const
{
    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/artwork\">\n";
    for (const QString &name : FCompiledNames)
        qrc += "  <file>" + name.toUtf8() + ".png</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    QFile file(FCompiledDir + QStringLiteral("/artwork.qrc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(qrc) != qrc.size())
        throw std::runtime_error("cannot write artwork.qrc");
}

void SavePng(const QImage &picture, const QString &path)
{
    QImageWriter writer(path, "PNG");
    // For PNG, Qt maps quality 50 to a middle zlib level: files near the
    // smallest at a fraction of the time of the strongest level.
    writer.setQuality(50);
    const bool grey = picture.format() == QImage::Format_Grayscale8;
    if (!writer.write(grey ? picture : picture.convertToFormat(QImage::Format_ARGB32)))
        throw std::runtime_error(("cannot write " + path + ": " + writer.errorString()).toStdString());
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::uint64_t TRng::Next()
{
    std::uint64_t z = (FState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double TRng::Unit() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }

int TRng::Int(int lo, int hi) { return lo + int(Next() % std::uint64_t(hi - lo + 1)); }

TTileNoise::TTileNoise(std::uint64_t seed, int period) : FSeed(seed), FPeriod(period) {}

double TTileNoise::Lattice(int x, int y, int period) const
{
    x = ((x % period) + period) % period;
    y = ((y % period) + period) % period;
    TRng hash(FSeed ^ (std::uint64_t(x) * 0x1F1F1F1Full) ^ (std::uint64_t(y) << 32) ^ std::uint64_t(period) << 20);
    return hash.Unit();
}

double TTileNoise::Sample(double x, double y, int period) const
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double tx = x - fx, ty = y - fy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = Lattice(ix, iy, period), b = Lattice(ix + 1, iy, period);
    const double c = Lattice(ix, iy + 1, period), d = Lattice(ix + 1, iy + 1, period);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double TTileNoise::At(double x, double y) const { return Sample(x, y, FPeriod); }

double TTileNoise::Fractal(double x, double y, int octaves, double falloff) const
{
    double sum = 0, weight = 1, total = 0;
    int period = FPeriod;
    for (int o = 0; o < octaves; ++o) {
        const double scale = double(1 << o);
        sum += weight * Sample(x * scale, y * scale, period);
        total += weight;
        weight *= falloff;
        period *= 2;
    }
    return sum / total;
}

QImage NewCanvas(int width, int height, QColor fill)
{
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(fill);
    return canvas;
}

void PrepPainter(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath PolyPath(std::initializer_list<QPointF> points, bool close)
{
    QPainterPath path;
    bool first = true;
    for (QPointF pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    if (close)
        path.closeSubpath();
    return path;
}

QPainterPath RegularStar(QPointF centre, double outer, double inner, int points, double turn)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = turn - std::numbers::pi / 2 + i * std::numbers::pi / points;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Heart(QPointF c, double s)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() + 0.45 * s);
    path.cubicTo(c.x() - 0.1 * s, c.y() + 0.3 * s, c.x() - 0.55 * s, c.y() + 0.05 * s, c.x() - 0.5 * s,
                 c.y() - 0.22 * s);
    path.cubicTo(c.x() - 0.45 * s, c.y() - 0.52 * s, c.x() - 0.08 * s, c.y() - 0.55 * s, c.x(),
                 c.y() - 0.25 * s);
    path.cubicTo(c.x() + 0.08 * s, c.y() - 0.55 * s, c.x() + 0.45 * s, c.y() - 0.52 * s, c.x() + 0.5 * s,
                 c.y() - 0.22 * s);
    path.cubicTo(c.x() + 0.55 * s, c.y() + 0.05 * s, c.x() + 0.1 * s, c.y() + 0.3 * s, c.x(),
                 c.y() + 0.45 * s);
    path.closeSubpath();
    return path;
}

static QString FontFamily(const QString &file)
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/nanum/") + file);
    if (id < 0)
        throw std::runtime_error(("the font " + file + " (package fonts-nanum) is not installed").toStdString());
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

// Registers the regular and the bold file of NanumGothic. Both carry the same
// family name, so only a font's weight tells Qt which face to use.
static QString NanumGothic()
{
    const QString family = FontFamily(QStringLiteral("NanumGothic.ttf"));
    FontFamily(QStringLiteral("NanumGothicBold.ttf"));
    return family;
}

QPainterPath TextPath(const QString &text, double pixelSize, bool bold)
{
    static const QString family = NanumGothic();
    QFont font(family);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

void FillOutlined(QPainter &p, const QPainterPath &path, QColor top, QColor bottom, QColor outline,
                  double width)
{
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setBrush(gradient);
    if (width > 0)
        p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
}
