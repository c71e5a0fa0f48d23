#include "documents/ImageCodecs.h"

#include "documents/CodecSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace codecs {

void ThrowDecode(const QString &path, const QString &reason)
{
    throw EImageDecode(QStringLiteral("Cannot read the picture \"%1\": %2").arg(path, reason).toStdString());
}

void ThrowWrite(const QString &path, const QString &reason)
{
    throw EImageWrite(QStringLiteral("Cannot write the picture \"%1\": %2").arg(path, reason).toStdString());
}

void CheckDeclaredSize(const QString &path, long long width, long long height)
{
    if (width <= 0 || height <= 0)
        ThrowDecode(path, QStringLiteral("it declares an empty size of %1 x %2 pixels").arg(width).arg(height));
    // Both sides are below 2^32 in every format we read, so the product
    // cannot overflow 64 bits.
    if (width > MaxDecodePixels || height > MaxDecodePixels || width * height > MaxDecodePixels)
        ThrowDecode(path, QStringLiteral("its declared size of %1 x %2 pixels is beyond the limit of %3 pixels")
                              .arg(width)
                              .arg(height)
                              .arg(MaxDecodePixels));
    if (std::size_t(width * height) > TBitmap32::MaxBytes() / sizeof(TColor32))
        throw ERasterTooLarge(width, height);
}

bool IsJpeg(const TEncodedData &data)
{
    return data.size >= 3 && data.bytes[0] == 0xFF && data.bytes[1] == 0xD8 && data.bytes[2] == 0xFF;
}

} // namespace codecs

namespace {

using codecs::TEncodedData;

QByteArray ReadWholeFile(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        codecs::ThrowDecode(path, QStringLiteral("it is a folder"));
    if (!file.open(QIODevice::ReadOnly))
        codecs::ThrowDecode(path, file.errorString());
    if (file.size() > qint64(TBitmap32::MaxBytes()))
        codecs::ThrowDecode(path, QStringLiteral("the file is too large (%1 bytes)").arg(file.size()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        codecs::ThrowDecode(path, file.errorString());
    if (bytes.isEmpty())
        codecs::ThrowDecode(path, QStringLiteral("the file is empty"));
    return bytes;
}

TEncodedData View(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

bool StartsWith(const TEncodedData &data, const char *magic)
{
    const std::size_t length = std::strlen(magic);
    return data.size >= length && std::memcmp(data.bytes, magic, length) == 0;
}

void DecodeByContent(const TEncodedData &data, const QString &path, TBitmap32 &scratch)
{
    if (codecs::IsJpeg(data))
        codecs::DecodeJpeg(data, path, scratch);
    else if (StartsWith(data, "\x89PNG\r\n\x1A\n"))
        codecs::DecodePng(data, path, scratch);
    else if (StartsWith(data, "BM"))
        codecs::DecodeBmp(data, path, scratch);
    else if (StartsWith(data, "GIF87a") || StartsWith(data, "GIF89a"))
        codecs::DecodeGif(data, path, scratch);
    else
        codecs::ThrowDecode(path, QStringLiteral("it is not a JPEG, PNG, BMP or GIF picture"));
}

// The decoded pixels replace the target's only when decoding succeeded; the
// target keeps how it is drawn.
void TakePixels(TBitmap32 &target, TBitmap32 &&scratch)
{
    scratch.SetDrawMode(target.DrawMode());
    scratch.SetMasterAlpha(target.MasterAlpha());
    target = std::move(scratch);
    target.Changed();
}

QString UpperExtension(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

enum class TWriteFormat { Bmp, Jpeg, Png, None };

TWriteFormat FormatForExtension(const QString &upperExtension)
{
    if (upperExtension == QLatin1String(".BMP"))
        return TWriteFormat::Bmp;
    if (upperExtension == QLatin1String(".JPG") || upperExtension == QLatin1String(".JPEG") ||
        upperExtension == QLatin1String(".JPE"))
        return TWriteFormat::Jpeg;
    if (upperExtension == QLatin1String(".PNG"))
        return TWriteFormat::Png;
    return TWriteFormat::None;
}

} // namespace

void JpegDecBmp(TBitmap32 &ABmp, const QString &APath)
{
    const QByteArray bytes = ReadWholeFile(APath);
    TBitmap32 scratch;
    // The name promised JPEG; the content decides.
    if (codecs::IsJpeg(View(bytes)))
        codecs::DecodeJpeg(View(bytes), APath, scratch);
    else
        DecodeByContent(View(bytes), APath, scratch);
    TakePixels(ABmp, std::move(scratch));
}

void LoadPictureFile(TBitmap32 &target, const QString &path)
{
    const QByteArray bytes = ReadWholeFile(path);
    TBitmap32 scratch;
    DecodeByContent(View(bytes), path, scratch);
    TakePixels(target, std::move(scratch));
}

void LoadPhotoFile(const QString &path, TBitmap32 &target)
{
    if (UpperExtension(path) == QLatin1String(".JPG"))
        JpegDecBmp(target, path);
    else
        LoadPictureFile(target, path);
}

QString PhotoWritePath(const QString &requested)
{
    const QString extension = UpperExtension(requested);
    if (FormatForExtension(extension) != TWriteFormat::None)
        return requested;
    return requested.left(requested.size() - extension.size()) + QStringLiteral(".png");
}

void SavePhotoFile(const QString &path, const TBitmap32 &source)
{
    const QString extension = UpperExtension(path);
    const TWriteFormat format = FormatForExtension(extension);
    if (format == TWriteFormat::None)
        codecs::ThrowWrite(path, extension.isEmpty()
                                     ? QStringLiteral("the name has no picture extension")
                                     : QStringLiteral("\"%1\" is not a picture type that can be written").arg(extension));
    if (source.Empty())
        codecs::ThrowWrite(path, QStringLiteral("the picture is empty"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        codecs::ThrowWrite(path, file.errorString());
    switch (format) {
    case TWriteFormat::Bmp: {
        // The file's size field has 32 bits.
        if (qint64(source.PixelCount()) * 4 + 54 > qint64(0xFFFFFFFF))
            codecs::ThrowWrite(path, QStringLiteral("the picture is too large for a bitmap file"));
        const QByteArray bmp = source.SaveToStream();
        if (file.write(bmp) != bmp.size())
            codecs::ThrowWrite(path, file.errorString());
        break;
    }
    case TWriteFormat::Jpeg:
        codecs::WriteJpeg(file, source, path);
        break;
    case TWriteFormat::Png:
        codecs::WritePng(file, source, path);
        break;
    case TWriteFormat::None:
        break;
    }
    if (!file.commit())
        codecs::ThrowWrite(path, file.errorString());
}
