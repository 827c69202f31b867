#include "map_art.h"

#include "catalogue.h"
#include "map_picture.h"
#include "tile_frame.h"
#include "tile_painter.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace tavrin {
namespace {

constexpr double PointsPerMillimetre = 72 / 25.4;
const QColor MarkFill(200, 20, 30);

QPointF Bitmap(tileart::TPoint p) {
    const tileart::TPoint b = tileart::ToBitmap(p);
    return {b.X, b.Y};
}

} // namespace

QSizeF MapBoxSize(const TMapState& state) {
    const TLayoutBox box = LayoutBox(state);
    return QSizeF(box.Width(), box.Height());
}

void PaintMap(QPainter& painter, const TMapState& state, TTileLook look, const QImage& picture) {
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
                              QRectF(at, QSizeF(TileBoxSide, TileBoxSide)));
    }
}

void PaintRotationMarks(QPainter& painter, const TMapState& state) {
    const TLayoutBox box = LayoutBox(state);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(MarkFill);
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        const QPointF at(TileX(tile.Col) + box.OffsetX(),
                         TileY(tile.Col, tile.Row) + box.OffsetY());
        painter.drawPolygon(RotationMark(tile.Rotation).translated(at));
    }
    painter.restore();
}

QPolygonF RotationMark(int rotation) {
    // The base lies just inside the top edge of the tile's own frame, turned
    // with the tile, so that the marks of two tiles on one edge stand apart.
    const auto point = [rotation](double x, double y) {
        return Bitmap(tileart::RotateToMapFrame({x, y}, rotation));
    };
    const double edge = -tileart::EdgeDistance;
    return QPolygonF({point(-13, edge + 5), point(13, edge + 5), point(0, edge + 21)});
}

double ReadableScale(const TMapState& state) {
    int smallest = 12;
    for (int t = 1; t <= TileCount; ++t)
        smallest = std::min(smallest, tileart::NamePixels(state, t, state.Tiles[t].Rotation));
    return MinNameMillimetres * PointsPerMillimetre / smallest;
}

} // namespace tavrin
