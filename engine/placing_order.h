#pragma once
// The order in which a player lays a map out on the table: tile 11 first,
// then every next tile beside one already laid, with the side it goes on
// named in words ("Grotto: below right of March Land"), so that the map grows
// outward from the start tile without anyone counting columns.
//
// The order follows the tiles' cells as they are drawn (Col and Row of all 20
// tiles). Tiles laid are taken in the order they were laid, and the cells
// around each in edge order 1..6 (top, then clockwise); a cell that holds
// several tiles gives its lowest-numbered one. A loaded map may hold tiles
// that touch none laid before them (an island, or two tiles in one cell):
// each of those is placed by its column and row instead, and an island grows
// on from its first tile as the map does from tile 11.

#include "edge.h"
#include "map_state.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin {

// The tile every map is laid out from.
inline constexpr int FirstLaidTile = 11;

struct TPlacingStep {
    std::uint8_t Tile = 0;
    std::uint8_t Beside = 0; // the tile laid earlier that it touches; 0 when none
    std::uint8_t Side = 0;   // the map edge of Beside that it lies across; 0 when none
};

using TPlacingOrder = std::array<TPlacingStep, TileCount>;

// Every tile once, in the order to lay them.
TPlacingOrder PlacingOrder(const TMapState& state);

// Where a tile lies from its neighbour across map edge 1..6, as the words
// before the neighbour's name: "above", "above right of", "below right of",
// "below", "below left of", "above left of".
std::string_view SideName(TEdge edge);

// Where a step puts its tile, in words: "first", "below right of March Land",
// or, for a tile that touches none laid before it, "alone at column 3, row
// -2".
std::string PlacingText(const TMapState& state, const TPlacingStep& step);

} // namespace tavrin
