#pragma once
// Windows bitmap files: the tile bitmaps the drawing reads and the map
// pictures it saves.
//
// Reading checks the file and info headers before anything is decoded, so a
// file that is not a bitmap, or whose header promises more pixels than the
// file holds or than any tile can sensibly have, is refused without
// allocating its pixels. Writing produces one fixed format: uncompressed
// 24 bits per pixel, bottom-up rows padded to four bytes, a 40-byte info
// header.

#include "errors.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class QIODevice;

namespace tavrin {

// A tile file that is not a usable Windows bitmap.
class EInvalidBitmap : public ETavrinError {
public:
    EInvalidBitmap() : ETavrinError("Bitmap image is not valid") {}
};

// Neither side of a bitmap the program reads may exceed this many pixels.
inline constexpr int MaxBitmapSide = 8192;

// True when `bytes` start with a file header and info header that describe a
// bitmap of at most MaxBitmapSide pixels a side whose pixel data lies within
// `bytes`.
bool BmpHeaderValid(const QByteArray& bytes);

// Decodes a whole bitmap file held in memory; raises EInvalidBitmap when the
// header is refused or the pixels cannot be decoded.
QImage DecodeBmp(const QByteArray& bytes);

// Reads and decodes the bitmap file at `path`; a file that cannot be read in
// full raises EInvalidBitmap as well, since the caller has just seen it exist.
QImage ReadBmpFile(const QString& path);

// Writes `image` as a 24-bit bitmap to `device`; false when a write fails.
bool WriteBmp24(QIODevice& device, const QImage& image);

// Saves `image` to `path` as a 24-bit bitmap through a QSaveFile: an existing
// file is replaced only once the new one has been written in full. Failures
// raise EInOutError.
void SaveBmpFile(const QString& path, const QImage& image);

} // namespace tavrin
