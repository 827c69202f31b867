#pragma once
// The parts of a map a sheet shows: its groups of touching tiles, each with
// the stretch of the map picture it covers. A generated map is one group;
// a loaded or pasted layout whose tiles lie apart is shown group by group,
// each placed by its own cells, never as the empty sea between them. Groups
// closer than a tile's width are shown together.

#include "map_state.h"
#include "sheet_box.h"

#include <vector>

namespace tavrin {

struct TMapGroup {
    TBox Part;              // on the map picture, in pixels: the tiles' hexagons
    std::vector<int> Tiles; // in tile order
};

// A tile's hexagon on the map picture (its bitmap's top 175 rows).
TBox TileBox(const TMapState& state, int tile);

// The groups, the one holding tile 11 first and the others by their lowest
// tile. Raises EIntOverflow where the map picture would.
std::vector<TMapGroup> MapGroups(const TMapState& state);

} // namespace tavrin
