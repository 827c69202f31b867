#pragma once
// Paints the picture of one tile in one rotation: the terrain of its kind, its
// roads of RoadsA, its present clearings with their numbers and its display
// name. Roads, clearings and terrain turn with the rotation; numbers and the
// name stay upright. Needs a QGuiApplication for text.
//
// The same art comes in two forms: RenderTile makes the 200 x 200 bitmap the
// program reads beside itself (pixels outside the hexagon carry the key
// colour, the ground is a per-pixel texture), and PaintTileArt paints it as
// vectors and text at any place and size, for paper and vector files.

#include "clearing_layout.h"
#include "colour_palette.h"
#include "rgb.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <map_state.h>

class QPainter;

namespace tavrin::tileart {

// The colour of everything outside the hexagon; no pixel inside has it.
inline constexpr TRgb KeyColour{255, 0, 255};

// The colour along the middle of every road.
inline constexpr TRgb RoadColour{236, 218, 166};

// The smallest pixel size of a tile's name in the art (of the 200 pixels a
// tile's box measures): crowded tiles shrink their name down to this.
inline constexpr int SmallestNamePixels = 10;

// The picture of tile 1..20 with rotation 1..6, in QImage::Format_RGB32, in
// the standard palette.
// Throws ERangeError for a tile or rotation outside its range.
QImage RenderTile(const TMapState& state, int tile, int rotation);

// The pixel size of the tile's name in its art, SmallestNamePixels..12.
// Throws ERangeError.
int NamePixels(const TMapState& state, int tile, int rotation);

// The box the tile's name and its plate take in the art, in bitmap pixels;
// clear of the tile's rotation mark (rotation_mark.h). Throws ERangeError.
QRectF NamePlate(const TMapState& state, int tile, int rotation);

// Paints tile 1..20 with rotation 1..6 onto `painter` as vectors and text,
// scaled so that `box` is where the 200 x 200 bitmap would lie: the
// hexagon's left and right corners touch the box's sides and its top edge
// lies on the box's top. Nothing is painted outside the hexagon (on any
// device, clipping or not), and the painter's state is as it was afterwards.
// The ground takes its colour from `palette` and carries the kind's own
// texture. Throws ERangeError.
void PaintTileArt(QPainter& painter, const TMapState& state, int tile, int rotation,
                  const QRectF& box, TPalette palette = TPalette::Standard);

// The same art as an SVG document of 200 x 200 units for the web page,
// clipped to the hexagon. Throws ERangeError.
QByteArray RenderTileSvg(const TMapState& state, int tile, int rotation,
                         TPalette palette = TPalette::Standard);

} // namespace tavrin::tileart
