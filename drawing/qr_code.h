#pragma once
// QR codes of short texts (a map's link), made by libqrencode and painted on
// any QPainter: the window's share dialog, the printed sheet, a picture.

#include "errors.h"

#include <QByteArray>
#include <QRectF>
#include <vector>

class QPainter;

namespace tavrin {

// A text too long for any QR code.
class EQrCodeTooLong : public ETavrinError {
public:
    EQrCodeTooLong() : ETavrinError("The text is too long for a QR code") {}
};

// The modules of a QR code, Size x Size, row by row; true is dark. Error
// correction level M, which survives a crease or a smudge on paper.
struct TQrCode {
    int Size = 0;
    std::vector<bool> Dark;
    bool IsDark(int x, int y) const { return Dark[static_cast<std::size_t>(y * Size + x)]; }
};

// Bytes as given (UTF-8 for text). Raises EQrCodeTooLong.
TQrCode MakeQrCode(const QByteArray& text);

// Modules around the code that readers need blank.
inline constexpr int QrQuietZone = 4;

// Paints the QR code of `text` into the largest square centred in `box`,
// the quiet zone included, dark on white. With `wholeUnits` every module is
// the same whole number of the painter's units (device pixels on a screen);
// without, the code fills the square (on paper, where units are points).
void PaintQrCode(QPainter& painter, const QRectF& box, const QByteArray& text,
                 bool wholeUnits = true);

} // namespace tavrin
