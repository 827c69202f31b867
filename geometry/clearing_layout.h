#pragma once
// Where each clearing of each tile lies in the tile's own frame (see
// tile_frame.h). The places keep clearings apart, keep roads clear of the
// clearings they do not serve, and let roads cross only where the tile's road
// network forces it: on tiles 1..5, 14 and 19 two chains of roads join edges
// that interleave around the border; on tile 11 the clearings with two
// exits each cut off the exit of another clearing, and the fewest crossings a
// search over places found there is three.

#include "tile_frame.h"

namespace tavrin::tileart {

// Radius of a clearing's circle on the tile bitmap, in pixels.
inline constexpr double ClearingRadius = 13.0;

// The place of clearing 1..6 of tile 1..20; the origin for a clearing the
// tile does not have. Throws ERangeError outside those ranges.
TPoint ClearingPosition(int tile, int clearing);

} // namespace tavrin::tileart
