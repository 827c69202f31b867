#pragma once
// Paints the picture of one tile in one rotation: the terrain of its kind, its
// roads of RoadsA, its present clearings with their numbers and its display
// name, all on a 200 x 200 bitmap whose pixels outside the hexagon carry the
// key colour. Roads, clearings and terrain turn with the rotation; numbers and
// the name stay upright. Needs a QGuiApplication for text.

#include "clearing_layout.h"
#include "rgb.h"

#include <QByteArray>
#include <QImage>
#include <map_state.h>

namespace tavrin::tileart {

// The colour of everything outside the hexagon; no pixel inside has it.
inline constexpr TRgb KeyColour{255, 0, 255};

// The colour along the middle of every road.
inline constexpr TRgb RoadColour{236, 218, 166};

// The picture of tile 1..20 with rotation 1..6, in QImage::Format_RGB32.
// Throws ERangeError for a tile or rotation outside its range.
QImage RenderTile(const TMapState& state, int tile, int rotation);

// The same tile as an SVG document for the web page: drawn in vectors over a
// coarser ground texture, clipped to the hexagon, with nothing outside it.
QByteArray RenderTileSvg(const TMapState& state, int tile, int rotation);

} // namespace tavrin::tileart
