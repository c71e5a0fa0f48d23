#pragma once
// Shared pieces of the decoders and writers behind ImageCodecs.h.

#include "documents/ImageCodecs.h"

#include <QIODevice>

#include <cstddef>
#include <cstdint>

namespace codecs {

struct TEncodedData {
    const std::uint8_t *bytes;
    std::size_t size;
};

[[noreturn]] void ThrowDecode(const QString &path, const QString &reason);
[[noreturn]] void ThrowWrite(const QString &path, const QString &reason);

// Rejects a declared size before any pixel buffer exists: non-positive
// sides or more than MaxDecodePixels give EImageDecode, more than the raster
// may hold gives ERasterTooLarge.
void CheckDeclaredSize(const QString &path, long long width, long long height);

// Each decoder fills scratch completely or throws; path only names the file
// in messages.
void DecodeJpeg(const TEncodedData &data, const QString &path, TBitmap32 &scratch);
void DecodePng(const TEncodedData &data, const QString &path, TBitmap32 &scratch);
void DecodeBmp(const TEncodedData &data, const QString &path, TBitmap32 &scratch);
void DecodeGif(const TEncodedData &data, const QString &path, TBitmap32 &scratch);

bool IsJpeg(const TEncodedData &data);

// Writers stream to device and throw EImageWrite naming path.
void WriteJpeg(QIODevice &device, const TBitmap32 &source, const QString &path);
void WritePng(QIODevice &device, const TBitmap32 &source, const QString &path);

} // namespace codecs
