#pragma once
// A tile's roads in the form the generator and the road graph read them,
// derived once from the tile's record at start-up (ComputeExits), so that
// generating maps and searching routes never walk the road slots.

#include "edge.h"
#include "location.h"
#include "tile.h"

#include <array>
#include <cstdint>

namespace tavrin {

// One road slot as the road graph follows it: a location index (8 or more)
// for a road to a clearing of the same tile, a tile edge 1..6 for a road out
// through that edge, or NoStep.
using TRoadStep = std::uint8_t;
inline constexpr TRoadStep NoStep = 0;

// The two road sets of a tile: RoadsA while it is not flipped, RoadsB while it is.
inline constexpr int RoadSetA = 0;
inline constexpr int RoadSetB = 1;

struct TTileRoads {
    // The tile's own edges through which a road leaves it, as HasRoadExit
    // sees them: the edges of the roads of RoadsA of present clearings.
    TEdgeMask Exits;
    // The same on the map, for each rotation 1..6 (index 0 unused).
    std::array<TEdgeMask, 7> ExitsAt;
    // Per road set, per clearing 0..6, road slots 1..5 in order (index 0 is slot 1).
    std::array<std::array<std::array<TRoadStep, 5>, 7>, 2> Steps;
    // Per road set and tile edge 1..6 (index 0 unused): the clearing whose
    // road leaves through that edge, the highest when there are several, or 0.
    std::array<std::array<std::uint8_t, 7>, 2> ClearingAt;
    // The same by map edge: per road set, rotation 1..6 and map edge 1..6.
    std::array<std::array<std::array<std::uint8_t, 7>, 7>, 2> ClearingAtMapEdge;

    // The clearings of RoadsA grouped by the roads between them, for the
    // acceptance test: per clearing 1..6, its group's clearings (bit c for
    // clearing c) and the tile edges the group's roads leave through.
    // Meaningful only where every road between clearings has its return
    // road, so that each clearing of a group reaches every other.
    std::array<std::uint8_t, 7> GroupClearings;
    std::array<TEdgeMask, 7> GroupEdges;
    bool RoadsAReturn; // every road of RoadsA between clearings has its return road
    // The clearings a road of RoadsA can arrive at: targets of roads between
    // clearings, and clearings with a road out through an edge (bit c), and
    // how many they are.
    std::uint8_t Arrivals;
    std::uint8_t ArrivalCount;
};

// The roads of tile number `number`, whose record is `tile`.
TTileRoads DeriveTileRoads(const TTile& tile, int number);

// True when a road of RoadsA of a present clearing of `tile` leaves through
// its own edge `edge`. Reads the clearings' Present flags and the slots'
// Edge fields only: every slot that is not a road out through an edge has
// Edge 0.
bool HasRoadExit(const TTile& tile, TEdge edge);

} // namespace tavrin
