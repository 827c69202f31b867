#pragma once
// The engine's whole mutable state: the 20 tile records with the current map,
// the globals describing the map as last drawn, and the random generator.
// The program owns exactly one; every test makes a fresh one.

#include "cell_index.h"
#include "checked.h"
#include "random.h"
#include "tile.h"
#include "tile_roads.h"

#include <cstdint>
#include <string_view>

namespace tavrin {

inline constexpr int TileCount = 20;
inline constexpr int StartTile = 11;     // the tile every map is built and tested from
inline constexpr int ClearingCount = 95; // the clearings of the catalogue, all tiles together

// Receives the program's own messages ("Internal error: nposs=...", ...).
// The window shows them in a modal box and the command goes on afterwards.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void ShowMessage(std::string_view text) = 0;
};

struct TMapState {
    CheckedArray<TTile, 1, TileCount> Tiles{};
    // The roads of each tile as the generator and the road graph read them,
    // derived from Tiles by ComputeExits (whoever changes a tile's clearings
    // or roads afterwards, as only tests do, calls it again).
    CheckedArray<TTileRoads, 1, TileCount> TileRoads{};
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
    bool MapPresent = false;
    CheckedArray<TCharacter, 1, 6> Characters{};
    TRandom Random{};
    // The grid of the map GenerateMap is building; it starts every attempt
    // by clearing it.
    TCellIndex GeneratorGrid{};
    IMessageSink* Messages = nullptr; // not owned; messages are dropped when null

    void ShowMessage(std::string_view text) const {
        if (Messages)
            Messages->ShowMessage(text);
    }
};

// Clears Flipped, every clearing's Present flag and every road slot's Present
// flag, and MapPresent. Nothing else is touched.
void ResetTiles(TMapState& state);

// Derives each tile's Exits from the roads of RoadsA of its present
// clearings, and its TileRoads.
void ComputeExits(TMapState& state);

// Start-up: seeds the generator from the clock, then ResetTiles, fills the 20
// tiles from the catalogue, ComputeExits and fills Characters.
void InitTiles(TMapState& state);

// The same with a given seed, for tests and for the command-line tool.
void InitTiles(TMapState& state, std::uint32_t seed);

} // namespace tavrin
