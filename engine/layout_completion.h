#pragma once
// Completing a layout laid partly by hand: the tiles not kept are laid by
// the generator's own rules (a free cell beside laid tiles, road exits
// agreeing with every neighbour, a random rotation among those that fit)
// around the kept ones, again and again until the map passes the acceptance
// test or the attempts run out.
//
// The completion draws from a generator of its own, seeded by the caller, so
// that a completion is reproduced from its seed and the state's own random
// sequence (the one Create Map draws from) is never touched.

#include "map_state.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrin {

// Index = tile number 1..20; index 0 unused.
using TTileSet = std::array<bool, TileCount + 1>;

// The same set as bits (bit t for tile t), as a share code carries pins.
constexpr std::uint32_t PinMaskOf(const TTileSet& tiles) {
    std::uint32_t mask = 0;
    for (int t = 1; t <= TileCount; ++t)
        mask |= tiles[static_cast<std::size_t>(t)] ? 1u << t : 0u;
    return mask;
}
constexpr TTileSet TileSetOf(std::uint32_t mask) {
    TTileSet tiles{};
    for (int t = 1; t <= TileCount; ++t)
        tiles[static_cast<std::size_t>(t)] = (mask >> t & 1) != 0;
    return tiles;
}

// How many layouts a completion tries before it gives up.
inline constexpr int CompletionAttemptLimit = 2000;

struct TCompletion {
    bool Complete;        // the state now holds a map that passes CheckLayout with no finding
    int Attempts;         // layouts tried
    std::string Sentence; // what happened, in words
};

// Keeps the placed tiles in `keep` in their cells and rotations and lays
// every other tile (a kept tile off the map is laid like the rest). Kept
// tiles in one cell or with roads that disagree are refused before any try.
// On failure the tile records are exactly as they were before the call:
// nothing laid by hand is lost.
TCompletion CompleteLayout(TMapState& state, const TTileSet& keep, std::uint32_t seed);

} // namespace tavrin
