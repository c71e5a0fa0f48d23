#pragma once
// Reading and writing photo files.

#include "platform/Bitmap32.h"

#include <QString>

#include <stdexcept>

// A file that cannot be read as a picture (missing, truncated, unknown
// content, a declared size beyond reason). The message names the file.
class EImageDecode : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A picture that could not be written; any earlier file at the target is
// left untouched.
class EImageWrite : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes the file into target by the program's rule: a name ending in
// ".JPG" goes through JpegDecBmp, every other file through the raster's own
// loader, which recognises JPEG, PNG, BMP and GIF (first frame) by content.
// Throws EImageDecode or ERasterTooLarge; target is unchanged then.
void LoadPhotoFile(const QString &path, TBitmap32 &target);

// Writes source by the upper-cased extension of path: ".BMP" as a 32-bit
// bitmap (alpha kept), ".JPG" as a 24-bit JPEG at quality 100 without
// chroma subsampling, ".PNG" as PNG. The data goes to a temporary file in
// the target folder, renamed over path only when complete. Throws EImageWrite.
void SavePhotoFile(const QString &path, const TBitmap32 &source);

// The decoder of ".JPG" files: libjpeg-turbo straight into the raster's rows.
// A file whose content is not JPEG goes to LoadPictureFile instead.
void JpegDecBmp(TBitmap32 &ABmp, const QString &APath);

// The raster's own loader: JPEG, PNG (with its alpha), BMP and GIF (first
// frame on its logical screen), told apart by their first bytes. Pixels keep
// the file's alpha; draw mode and master alpha of target stay as they were.
void LoadPictureFile(TBitmap32 &target, const QString &path);

// The name SavePhotoFile should be given for a name the user asked for:
// names ending in ".bmp", ".jpg", ".jpeg", ".jpe" or ".png" (any letter case)
// stay as they are; any other extension is replaced by ".png", and a name
// without one gets ".png" appended.
QString PhotoWritePath(const QString &requested);

// Largest picture a decoder accepts, in pixels (16384 x 16384). Declared
// sizes beyond it are rejected before anything is allocated.
constexpr long long MaxDecodePixels = 16384LL * 16384LL;
