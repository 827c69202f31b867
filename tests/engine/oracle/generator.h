#pragma once
// The random map generator: tile 11 at column 0, row 0, then the other 19
// tiles one by one in random order, each in a random cell and rotation among
// those whose road exits agree with every placed neighbour (and, from the
// third tile on, that touch at least two placed tiles). An attempt in which a
// tile finds no place is thrown away and a new one begins.
//
// The order of the random draws, the order of the candidates and their
// de-duplication are fixed: maps are reproduced seed for seed.

#include "checked.h"
#include "map_state.h"

#include <cstdint>

namespace tavrin::oracle {

struct TCandidate {
    std::int32_t Col;
    std::int32_t Row;
    std::uint8_t Rotation;
};

inline constexpr int MaxCandidates = 100;

struct TCandidates {
    CheckedArray<TCandidate, 1, MaxCandidates> Entries;
    std::int32_t nposs; // entries found; may pass 100 after the overflow message
};

std::uint8_t RandomRotation(TMapState& state);
void PlaceTile(TMapState& state, int tile, std::int32_t col, std::int32_t row, int rotation);
void UnplaceTile(TMapState& state, int tile);
std::uint8_t PickFreeTile(TMapState& state);
int CountNeighbours(const TMapState& state, std::int32_t col, std::int32_t row);
bool TileFits(const TMapState& state, int tile, std::int32_t col, std::int32_t row, int rotation);
void AddCandidate(const TMapState& state, TCandidates& candidates, std::int32_t col,
                  std::int32_t row, int rotation);
void CollectCandidates(const TMapState& state, TCandidates& candidates, int tile,
                       bool firstPlacement);

// Lays out all 20 tiles; returns the number of attempts it took (1 or more).
std::int32_t GenerateMap(TMapState& state);

} // namespace tavrin::oracle
