#include "map_art.h"

#include "catalogue.h"
#include "map_picture.h"
#include "tile_painter.h"

#include <QPainter>

namespace tavrin {

QSizeF MapBoxSize(const TMapState& state) {
    const TLayoutBox box = LayoutBox(state);
    return QSizeF(box.Width(), box.Height());
}

void PaintMap(QPainter& painter, const TMapState& state, TTileLook look, const QImage& picture,
              TPalette palette) {
    if (look == TTileLook::Bitmaps) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPointF(0, 0), picture);
        painter.restore();
        return;
    }
    const TLayoutBox box = LayoutBox(state);
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        const QPointF at(TileX(tile.Col) + box.OffsetX(),
                         TileY(tile.Col, tile.Row) + box.OffsetY());
        tileart::PaintTileArt(painter, state, t, tile.Rotation,
                              QRectF(at, QSizeF(TileBoxSide, TileBoxSide)), palette);
    }
}

} // namespace tavrin
