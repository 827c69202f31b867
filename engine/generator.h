#pragma once
// The random map generator: tile 11 at column 0, row 0, then the other 19
// tiles one by one in random order, each in a random cell and rotation among
// those whose road exits agree with every placed neighbour (and, from the
// third tile on, that touch at least two placed tiles). An attempt in which a
// tile finds no place is thrown away and a new one begins.
//
// The order of the random draws, the order of the candidates and their
// de-duplication are fixed: maps are reproduced seed for seed.
//
// GenerateMap keeps the map it builds in a TCellIndex (state.GeneratorGrid)
// and reads every placement's candidates from it. The steps TileFits,
// CountNeighbours, AddCandidate and CollectCandidates answer the same from
// the tile records by plain scans; GenerateMap uses them only for a
// placement with more candidates than the list holds, whose message and
// errors they give exactly.

#include "cell.h"
#include "checked.h"
#include "edge.h"
#include "map_state.h"

#include <cstdint>

namespace tavrin {

struct TCandidate {
    TCell Cell;
    std::uint8_t Rotation; // 1..6
};

inline constexpr int MaxCandidates = 100;

struct TCandidates {
    CheckedArray<TCandidate, 1, MaxCandidates> Entries;
    std::int32_t nposs; // entries found; may pass 100 after the overflow message
};

TRotation RandomRotation(TMapState& state);
void PlaceTile(TMapState& state, int tile, TCell cell, TRotation rotation);
void UnplaceTile(TMapState& state, int tile);

// A draw of 20 picks the start; a placed tile passes the choice up to the
// next free one, 20 wrapping to 1. `placed` has bit t set for placed tile t.
int FreeTileFrom(std::uint32_t placed, std::uint32_t draw);
std::uint8_t PickFreeTile(TMapState& state);

int CountNeighbours(const TMapState& state, TCell cell);
bool TileFits(const TMapState& state, int tile, TCell cell, TRotation rotation);

// Appends the placement unless an equal entry is there. The 101st distinct
// entry shows "Internal error: nposs=101" and is not stored; a later scan or
// use of an entry past 100 raises ERangeError.
void AddCandidate(const TMapState& state, TCandidates& candidates, TCell cell, TRotation rotation);
void CollectCandidates(const TMapState& state, TCandidates& candidates, int tile,
                       bool firstPlacement);

// PlaceTile, and the same tile in the generator's grid (state.GeneratorGrid).
void PlaceOnGrid(TMapState& state, int tile, TCell cell, TRotation rotation);

// One placement: the candidates of `tile` on the map of state.GeneratorGrid
// (as CollectCandidates finds them on the tile records), a draw among them,
// and PlaceOnGrid. False, with nothing drawn, when there is no candidate.
bool PlaceNextTile(TMapState& state, int tile, bool firstPlacement);

// Lays out all 20 tiles; returns the number of attempts it took (1 or more).
std::int32_t GenerateMap(TMapState& state);

} // namespace tavrin
