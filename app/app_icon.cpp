#include "app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace {

// Drawn on a 64 x 64 design grid and scaled to each size.
QPixmap IconPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 64.0, side / 64.0);

    const QPolygonF hex({{2, 32}, {17, 6}, {47, 6}, {62, 32}, {47, 58}, {17, 58}});
    p.setPen(QPen(QColor(0x2f, 0x4a, 0x1e), 2));
    p.setBrush(QColor(0x5f, 0x8f, 0x3e));
    p.drawPolygon(hex);

    QPainterPath road;
    road.moveTo(32, 6);
    road.lineTo(32, 24);
    road.lineTo(47, 40);
    road.lineTo(62, 32);
    road.moveTo(32, 24);
    road.lineTo(17, 40);
    road.lineTo(17, 58);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xd9, 0xc4, 0x8f), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(road);

    p.setPen(QPen(QColor(0x4a, 0x3a, 0x1e), 2));
    p.setBrush(QColor(0xf4, 0xea, 0xd0));
    p.drawEllipse(QPointF(32, 24), 6, 6);
    p.drawEllipse(QPointF(47, 40), 5, 5);
    p.drawEllipse(QPointF(17, 40), 5, 5);
    return pixmap;
}

} // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(IconPixmap(side));
    return icon;
}
