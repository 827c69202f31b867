#pragma once
// The acceptance test of a generated map and the Create Map loop built on it.

#include "location.h"
#include "map_state.h"

#include <array>
#include <cstdint>

namespace tavrin {

// Clearing 1 of tile 11: every search of the acceptance test starts here.
inline constexpr TLocation StartLocation{StartTile, 1};

// Per tile 1..20 (index 0 unused), bit c set when a road from StartLocation
// reaches clearing c, as the acceptance test searches.
using TReachedClearings = std::array<std::uint8_t, TileCount + 1>;
TReachedClearings ReachedFromStart(const TMapState& state);

// The clearings of a tile (bit c for clearing c) of which the acceptance
// test asks that one be reached (kinds 0 and 1: its present clearings) or
// that all be reached (kinds 2 and 3: all six, present or not); none for
// other kinds.
std::uint8_t AskedClearings(const TTile& tile);
bool AsksAllClearings(const TTile& tile);

// Whether `reached` (bits as in TReachedClearings) meets what the test asks of `tile`.
bool TileReached(const TTile& tile, std::uint8_t reached);

// True when every tile is reachable by road from StartLocation as its kind
// demands: some present clearing for kinds 0 and 1, all six for kinds 2 and 3.
bool MapAccepted(const TMapState& state);

struct TCreateMapStats {
    std::int32_t Attempts = 0; // GenerateMap attempts, abandoned ones included
    std::int32_t Passes = 0;   // GenerateMap + MapAccepted passes
};

// Generates maps until one is accepted; the tiles then hold that map.
TCreateMapStats CreateMap(TMapState& state);

} // namespace tavrin
