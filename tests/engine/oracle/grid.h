#pragma once
// The hexagonal grid: cells addressed by signed 32-bit column and row, odd
// columns half a cell lower; edges numbered 1..6 clockwise from the top (1 top,
// 2 upper right, 3 lower right, 4 bottom, 5 lower left, 6 upper left). Map
// edges are in the grid's frame, tile edges in the tile's own frame; a tile
// with rotation r has its own edge 1 on map edge r.
//
// All operations read the tile records and write nothing. Edge, rotation and
// tile numbers outside their ranges raise ERangeError; a step that leaves the
// 32-bit range raises EIntOverflow.

#include "checked.h"
#include "map_state.h"

#include <cstdint>

namespace tavrin::oracle {

// clang-format off
//                                                  edge:  1   2   3   4   5   6
inline constexpr CheckedArray<std::int8_t, 1, 6> EdgeDX     {{ 0, +1, +1,  0, -1, -1}};
inline constexpr CheckedArray<std::int8_t, 1, 6> EdgeDYEven {{-1, -1,  0, +1,  0, -1}};
inline constexpr CheckedArray<std::int8_t, 1, 6> EdgeDYOdd  {{-1,  0, +1, +1, +1,  0}};
inline constexpr CheckedArray<std::uint8_t, 1, 6> OppositeEdge{{4, 5, 6, 1, 2, 3}};
// clang-format on

// Odd by the lowest bit of the two's-complement value: -1 is odd, -2 even.
constexpr bool IsOddColumn(std::int32_t col) {
    return (static_cast<std::uint32_t>(col) & 1u) != 0;
}

std::int32_t NeighbourCol(std::int32_t col, std::int32_t row, int edge);
std::int32_t NeighbourRow(std::int32_t col, std::int32_t row, int edge);

// The lowest-numbered placed tile in the cell across map edge `edge` of
// (col, row); 0 when that cell is empty.
std::uint8_t TileAcross(const TMapState& state, std::int32_t col, std::int32_t row, int edge);

// The placed tile across map edge `edge` of tile `tile`; 0 when there is none
// or when `tile` itself is not placed.
std::uint8_t NeighbourTile(const TMapState& state, int tile, int edge);

// True when a road of RoadsA of a present clearing leaves through tile edge `edge`.
bool HasRoadExit(const TMapState& state, int tile, int edge);

// HasRoadExit for the tile edge lying on `mapEdge` under `rotation`.
bool HasRoadExitAt(const TMapState& state, int tile, int mapEdge, int rotation);

// Edge conversion by an explicit rotation.
std::uint8_t RotateToMap(int tileEdge, int rotation);
std::uint8_t RotateToTile(int mapEdge, int rotation);

// Edge conversion by the tile's own Rotation.
std::uint8_t ToMapEdge(const TMapState& state, int tile, int tileEdge);
std::uint8_t ToTileEdge(const TMapState& state, int tile, int mapEdge);

} // namespace tavrin::oracle
