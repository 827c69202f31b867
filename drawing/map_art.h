#pragma once
// The map for paper and vector files: the tiles as the program's own art,
// painted as vectors at any size, or as the drawn picture of the tile bitmaps
// beside the program (a player's photos of real tiles, say), smoothly scaled.
// Both are painted in picture pixels (the layout box of the map picture,
// 200 pixels a tile); the caller's transform puts them on the page.

#include "map_state.h"

#include <QImage>
#include <QPolygonF>
#include <QSizeF>
#include <cstdint>

class QPainter;

namespace tavrin {

enum class TTileLook : std::uint8_t { Art, Bitmaps };

// The size of the map's layout box in picture pixels, not clipped as the
// drawn picture is. Raises EIntOverflow as DrawMap does.
QSizeF MapBoxSize(const TMapState& state);

// Paints the 20 tiles in tile order at their places in the layout box: as
// art, or as `picture` (the drawn bitmaps, top-left at the box's origin).
void PaintMap(QPainter& painter, const TMapState& state, TTileLook look, const QImage& picture);

// Paints on every tile a small triangle on the edge that is the top of the
// tile's own art (map edge Rotation), pointing to the tile's centre.
void PaintRotationMarks(QPainter& painter, const TMapState& state);

// The corners of that triangle for a tile with rotation 1..6, in the pixels
// of its 200 x 200 box.
QPolygonF RotationMark(int rotation);

// The smallest scale, in points per picture pixel, at which the name of every
// tile of the map stands at least MinNameMillimetres high on paper.
inline constexpr double MinNameMillimetres = 2.0;
double ReadableScale(const TMapState& state);

} // namespace tavrin
