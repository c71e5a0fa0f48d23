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
