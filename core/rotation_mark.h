#pragma once
// A tile's rotation mark: a small arrow (a head on a shaft, so that no turn
// of it looks like another) inside the tile, against the edge
// where the top of its art lies, pointing square across that edge (its axis
// along the edge's normal, however the edge slants). It stands wholly in its
// own tile, a little way in from the edge, so that on an edge two tiles
// share each mark plainly belongs to the tile it stands in. It slides along
// the edge to a place clear of the tile's clearings, and the art puts the
// tile's name clear of it (tile_name_places.h holds where).

#include "map_state.h"
#include "tile_frame.h"

#include <array>

namespace tavrin {

// The arrow's corners in the tile's bitmap pixels, round the outline from
// its tip.
using TMarkShape = std::array<tileart::TPoint, 7>;

// The mark of tile 1..20 (`record` its catalogue entry) in rotation 1..6.
TMarkShape RotationMarkOf(const TTile& record, int tile, int rotation);

// The mark of an upright tile, scaled into `box` under its top line (for
// a legend): the tip a little below the top, the shaft's end at the bottom.
TMarkShape UprightMark(double x, double y, double w, double h);

// The mark's bounding box with the room kept round it, in bitmap pixels:
// left, top, right, bottom.
std::array<double, 4> MarkZone(const TMarkShape& mark);

} // namespace tavrin
