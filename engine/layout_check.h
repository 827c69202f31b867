#pragma once
// What is wrong with a layout, in words: the check the map editor runs after
// every edit and `tavrin-cli check` prints. A map Create Map makes has no
// finding; a layout laid by hand may have several, each naming the tiles,
// edges or clearings it concerns and saying in one sentence what is wrong.

#include "location.h"
#include "map_state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrin {

enum class TFindingKind : std::uint8_t {
    NotPlaced,    // a tile is not on the map
    SharedCell,   // two tiles lie in one cell
    Isolated,     // a placed tile touches no other
    RoadMismatch, // one of two facing edges has a road, the other none
    Unreached,    // no road from the start reaches a clearing the acceptance test asks for
};

struct TLayoutFinding {
    TFindingKind Kind;
    int Tile;      // the tile the finding is about (for RoadMismatch: the one with the road)
    int OtherTile; // SharedCell: the other tile in the cell; RoadMismatch: the one without the
                   // road; else 0
    // The map direction 1..6 from Tile's cell to OtherTile's, for
    // RoadMismatch (the edge of Tile that has the road); 0 otherwise.
    int Direction;
    TLocation Clearing; // Unreached: the clearing (clearing 0 when the tile has no present one)
    std::string Sentence;
};

// Every finding, in a fixed order: tiles not placed (by tile), shared cells
// and road mismatches (each pair by its lower-numbered tile, then the other),
// isolated tiles between them (by tile), unreached clearings (by tile, then
// clearing). Unreached clearings are those the acceptance test asks for on
// placed tiles; while March Land is off the map, they are not reported.
// Placed tiles hold rotations 1..6, as every map in memory does.
std::vector<TLayoutFinding> CheckLayout(const TMapState& state);

} // namespace tavrin
