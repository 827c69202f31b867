#include "qr_code.h"

#include <QPainter>
#include <cmath>
#include <memory>
#include <qrencode.h>

namespace tavrin {

TQrCode MakeQrCode(const QByteArray& text) {
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(static_cast<int>(text.size()),
                          reinterpret_cast<const unsigned char*>(text.constData()), 0,
                          QR_ECLEVEL_M),
        &QRcode_free);
    if (!code)
        throw EQrCodeTooLong();
    TQrCode qr;
    qr.Size = code->width;
    qr.Dark.resize(static_cast<std::size_t>(qr.Size) * static_cast<std::size_t>(qr.Size));
    for (std::size_t i = 0; i < qr.Dark.size(); ++i)
        qr.Dark[i] = (code->data[i] & 1) != 0; // the low bit is the module's colour
    return qr;
}

void PaintQrCode(QPainter& painter, const QRectF& box, const QByteArray& text, bool wholeUnits) {
    const TQrCode qr = MakeQrCode(text);
    const int modules = qr.Size + 2 * QrQuietZone;
    const qreal side = std::min(box.width(), box.height());
    // Whole units per module where there is room, so that no module is
    // smeared over two pixels; a smaller box gets a fraction.
    const qreal module =
        wholeUnits && side >= modules ? std::floor(side / modules) : side / modules;
    const qreal drawn = module * modules;
    QPointF origin(box.center().x() - drawn / 2, box.center().y() - drawn / 2);
    if (wholeUnits && module >= 1)
        origin = QPointF(std::floor(origin.x()), std::floor(origin.y()));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(origin, QSizeF(drawn, drawn)), Qt::white);
    for (int y = 0; y < qr.Size; ++y) {
        for (int x = 0; x < qr.Size;) {
            if (!qr.IsDark(x, y)) {
                ++x;
                continue;
            }
            int end = x;
            while (end < qr.Size && qr.IsDark(end, y))
                ++end;
            painter.fillRect(QRectF(origin.x() + (QrQuietZone + x) * module,
                                    origin.y() + (QrQuietZone + y) * module, (end - x) * module,
                                    module),
                             Qt::black);
            x = end;
        }
    }
    painter.restore();
}

} // namespace tavrin
