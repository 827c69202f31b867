#pragma once
// Shortest road route between two clearings: a breadth-first search run in
// generations over the road graph, every route held whole. The search keeps
// its state in the call's frame and allocates nothing.

#include "checked.h"
#include "location.h"
#include "map_state.h"

#include <cstdint>
#include <string>

namespace tavrin::oracle {

inline constexpr int MaxRoutes = 100;
inline constexpr int MaxRouteLength = 100;

struct TRoute {
    CheckedArray<TLocation, 0, MaxRouteLength> Locations; // 1..Count used
    std::uint8_t Count;
    bool Live;
};

// Writes the shortest route from `from` to `to` into `result`: Live true with
// Count and Locations[1..Count], or Live false and Count 0, the Locations left
// as they were.
void FindShortestPath(const TMapState& state, TLocation from, TLocation to, TRoute& result);

// "MarchLand 4": the tile's file-name token, a blank, the clearing number.
std::string LocationText(TLocation location);

} // namespace tavrin::oracle
