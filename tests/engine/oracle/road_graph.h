#pragma once
// The road graph of the current map, answered afresh from the tile records:
// where does road slot r of a clearing lead, within its tile or across an edge
// into the placed neighbour? Nothing is built or cached.

#include "location.h"
#include "map_state.h"

#include <cstdint>

namespace tavrin::oracle {

// The clearing of `tile` whose road (in the set in force) leaves through its
// own edge `edge`; the highest such clearing, or 0 when there is none.
std::uint8_t ClearingAtEdge(const TMapState& state, int tile, int edge);

// Where road slot `slot` (1..5) of `from` leads: a clearing of the same tile,
// the clearing of the placed neighbour that faces the edge (clearing 0 when the
// neighbour has no road there), or NoLocation.
TLocation NextLocation(const TMapState& state, TLocation from, int slot);

} // namespace tavrin::oracle
