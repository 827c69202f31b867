#pragma once
// The acceptance test of a generated map and the Create Map loop built on it.

#include "location.h"
#include "map_state.h"

#include <cstdint>

namespace tavrin::oracle {

// Clearing 1 of tile 11: every search of the acceptance test starts here.
inline constexpr TLocation StartLocation{StartTile, 1};

// True when every tile is reachable by road from StartLocation as its kind
// demands: some present clearing for kinds 0 and 1, all six for kinds 2 and 3.
bool MapAccepted(const TMapState& state);

struct TCreateMapStats {
    std::int32_t Attempts = 0; // GenerateMap attempts, abandoned ones included
    std::int32_t Passes = 0;   // GenerateMap + MapAccepted passes
};

// Generates maps until one is accepted; the tiles then hold that map.
TCreateMapStats CreateMap(TMapState& state);

} // namespace tavrin::oracle
