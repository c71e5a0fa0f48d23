#pragma once
// Helpers of the artwork tests: where the generated files are and how to
// look at their pixels.

#include <QImage>
#include <QString>

#include <string_view>

inline QString ArtworkPath(const QString &relative) { return QStringLiteral(VELLUMI_ARTWORK_DIR "/") + relative; }

inline QString Q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The picture as straight ARGB32, or a null image when it does not load.
inline QImage LoadArgb(const QString &path)
{
    QImage picture(path);
    return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_ARGB32);
}

inline int AlphaAt(const QImage &picture, int x, int y) { return qAlpha(picture.pixel(x, y)); }

inline bool TransparentCorners(const QImage &picture)
{
    const int r = picture.width() - 1, b = picture.height() - 1;
    return AlphaAt(picture, 0, 0) == 0 && AlphaAt(picture, r, 0) == 0 && AlphaAt(picture, 0, b) == 0 &&
           AlphaAt(picture, r, b) == 0;
}

// Share of pixels whose alpha is at least the given level.
inline double OpaqueShare(const QImage &picture, int level = 250)
{
    qsizetype count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += AlphaAt(picture, x, y) >= level;
    return double(count) / double(picture.width() * picture.height());
}
