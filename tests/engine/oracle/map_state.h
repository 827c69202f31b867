#pragma once
// The engine's whole mutable state: the 20 tile records with the current map,
// the globals describing the map as last drawn, and the random generator.
// The program owns exactly one; every test makes a fresh one.

#include "checked.h"
#include "random.h"
#include "tile.h"

#include <cstdint>
#include <string_view>

namespace tavrin::oracle {

inline constexpr int TileCount = 20;
inline constexpr int StartTile = 11; // the tile every map is built and tested from

// Receives the program's own messages ("Internal error: nposs=...", ...).
// The window shows them in a modal box and the command goes on afterwards.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void ShowMessage(std::string_view text) = 0;
};

struct TMapState {
    CheckedArray<TTile, 1, TileCount> Tiles{};
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
    bool MapPresent = false;
    CheckedArray<TCharacter, 1, 6> Characters{};
    TRandom Random{};
    IMessageSink* Messages = nullptr; // not owned; messages are dropped when null

    void ShowMessage(std::string_view text) const {
        if (Messages)
            Messages->ShowMessage(text);
    }
};

// Clears Flipped, every clearing's Present flag and every road slot's Present
// flag, and MapPresent. Nothing else is touched.
void ResetTiles(TMapState& state);

// Derives each tile's Exits from the roads of RoadsA of its present clearings.
void ComputeExits(TMapState& state);

// Start-up with a given seed: ResetTiles, fills the 20 tiles from the
// catalogue, ComputeExits and fills Characters.
void InitTiles(TMapState& state, std::uint32_t seed);

} // namespace tavrin::oracle
