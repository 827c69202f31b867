#pragma once
// The tiles on the hexagonal grid: which placed tile lies in a cell, which
// tile lies across an edge of another, and whether a tile has a road through
// an edge. These answer single questions by scanning the 20 tile records;
// the generator and the road graph, which ask them thousands of times per
// map, keep indexes of their own (TCellIndex, TRoadGraph) that give the same
// answers.
//
// All of them read the tile records and write nothing.

#include "cell.h"
#include "edge.h"
#include "map_state.h"

#include <cassert>
#include <cstdint>

namespace tavrin {

inline TCell CellOf(const TTile& tile) {
    return {tile.Col, tile.Row};
}

// The rotation of a placed tile: every map the generator or a map string
// makes holds 1..6.
inline TRotation RotationOf(const TTile& tile) {
    return TRotation(tile.Rotation);
}

// The lowest-numbered placed tile in `cell`; 0 when it is empty.
std::uint8_t TileAt(const TMapState& state, TCell cell);

// The lowest-numbered placed tile in the cell across map edge `edge` of
// `cell`; 0 when that cell is empty.
std::uint8_t TileAcross(const TMapState& state, TCell cell, TEdge edge);

// The placed tile across map edge `edge` of tile `tile`; 0 when there is none
// or when `tile` itself is not placed.
std::uint8_t NeighbourTile(const TMapState& state, int tile, TEdge edge);

// True when a road of RoadsA of a present clearing of `tile` leaves through
// its own edge `edge`.
bool HasRoadExit(const TMapState& state, int tile, TEdge edge);

// HasRoadExit for the tile edge lying on `mapEdge` under `rotation`.
bool HasRoadExitAt(const TMapState& state, int tile, TEdge mapEdge, TRotation rotation);

} // namespace tavrin
