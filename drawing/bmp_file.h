#pragma once
// The saved map picture: a 24-bit Windows bitmap (40-byte info header, rows
// bottom-up, no palette) encoded in memory by Qt's writer and saved through
// the file layer, so that a failed save leaves no half-written file.

#include <QByteArray>
#include <QImage>
#include <string>

namespace tavrin {

// Dots per metre in the header of a saved picture: 96 dots per inch.
inline constexpr int PictureDotsPerMetre = 3780;

// The file bytes of `image` as a 24-bit bitmap. The header's resolution is
// `dotsPerMetre` whatever the screen says, so the same pixels always give the
// same bytes. Raises std::bad_alloc when the encoding cannot be held.
QByteArray EncodeBmp24(QImage image, int dotsPerMetre);

// Saves `image` to `path` (a local file name) with PictureDotsPerMetre;
// failures raise EInOutError.
void SaveBmpFile(const std::string& path, const QImage& image);

} // namespace tavrin
