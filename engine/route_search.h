#pragma once
// Shortest road route between two clearings: a breadth-first search run in
// generations over the road graph (TRouteSweep), the route read back from
// the locations each was taken from. The search keeps its state in the
// call's frame and allocates nothing.

#include "checked.h"
#include "location.h"
#include "map_state.h"

#include <cstdint>
#include <string>

namespace tavrin {

inline constexpr int MaxRouteLength = 100;

struct TRoute {
    CheckedArray<TLocation, 0, MaxRouteLength> Locations; // 1..Count used
    std::uint8_t Count;
    bool Live;
};

// Writes the shortest route from `from` to `to` into `result`: Live true with
// Count and Locations[1..Count], or Live false and Count 0, the Locations left
// as they were. Of two equally short routes the one the search's route table
// makes first wins. A clearing that its tile does not have is never on a
// route, not even the route from it to itself.
void FindShortestPath(const TMapState& state, TLocation from, TLocation to, TRoute& result);

// "MarchLand 4": the tile's file-name token, a blank, the clearing number.
std::string LocationText(TLocation location);

} // namespace tavrin
