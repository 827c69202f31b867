#pragma once
// Where the map under edit lies on the editor's picture: the laid tiles with
// a margin of one cell all round, so that the cells beside the map can take
// a dropped tile; which cell a point falls in; and where the editor's marks
// go (a bar along a shared edge, a ring on a clearing, a pin on a tile).
// Plain arithmetic on the grid's pixel steps and the art's geometry.

#include "cell.h"
#include "location.h"
#include "map_editor.h"
#include "tile_frame.h"

#include <array>
#include <cstdint>

namespace tavrin {

using tileart::TPoint;

// The picture: its size, and where the grid's pixel origin lies on it.
struct TEditorFrame {
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    friend bool operator==(const TEditorFrame&, const TEditorFrame&) = default;
};

// The laid tiles' layout box with a cell's margin; around cell 0/0 when no
// tile is laid.
TEditorFrame EditorFrame(const TMapState& state);

// The top-left corner of a cell's tile bitmap on the picture.
TPoint CellCorner(TCell cell, const TEditorFrame& frame);
TPoint CellCentre(TCell cell, const TEditorFrame& frame);
// The cell whose hexagon holds the point (the nearest cell centre).
TCell CellAt(TPoint p, const TEditorFrame& frame);
// The six corners of a cell's hexagon, clockwise from the top left.
std::array<TPoint, 6> CellHexagon(TCell cell, const TEditorFrame& frame);
// The middle part of the edge of `cell` on map edge 1..6, as a bar.
std::array<TPoint, 2> EdgeBar(TCell cell, int mapEdge, const TEditorFrame& frame);
// The centre of a clearing of a laid tile (of the tile, for clearing 0).
TPoint ClearingPoint(const TMapState& state, TLocation location, const TEditorFrame& frame);

} // namespace tavrin
