#pragma once
// The map for paper and vector files: the tiles as the program's own art,
// painted as vectors at any size, or as the drawn picture of the tile bitmaps
// beside the program (a player's photos of real tiles, say), smoothly scaled.
// Both are painted in picture pixels (the layout box of the map picture,
// 200 pixels a tile); the caller's transform puts them on the page.

#include "colour_palette.h"
#include "map_state.h"

#include <QImage>
#include <QSizeF>
#include <cstdint>

class QPainter;

namespace tavrin {

enum class TTileLook : std::uint8_t { Art, Bitmaps };

// The size of the map's layout box in picture pixels, not clipped as the
// drawn picture is. Raises EIntOverflow as DrawMap does.
QSizeF MapBoxSize(const TMapState& state);

// Paints the 20 tiles in tile order at their places in the layout box: as
// art in `palette`, or as `picture` (the drawn bitmaps, top-left at the
// box's origin).
void PaintMap(QPainter& painter, const TMapState& state, TTileLook look, const QImage& picture,
              TPalette palette = TPalette::Standard);

} // namespace tavrin
