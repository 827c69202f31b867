#pragma once
// Helpers shared by every test of the engine and of what is built on it:
// fresh engine states, hand-made placements, locations, and one message sink
// that keeps what the program shows.

#include "location.h"
#include "map_state.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::test {

// A state after start-up with the given seed: the catalogue filled, no map.
inline std::unique_ptr<TMapState> FreshState(std::uint32_t seed = 1) {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, seed);
    return state;
}

// Puts a tile on the grid as a generated or loaded map would have it.
inline void Place(TMapState& state, int tile, int col, int row, int rotation) {
    TTile& t = state.Tiles[tile];
    t.Placed = true;
    t.Col = col;
    t.Row = row;
    t.Rotation = static_cast<std::uint8_t>(rotation);
}

inline TLocation Loc(int tile, int clearing) {
    return {static_cast<std::uint8_t>(tile), static_cast<std::uint8_t>(clearing)};
}

// Keeps the messages the engine and the drawing show, in order.
class TRecordingSink : public IMessageSink {
public:
    void ShowMessage(std::string_view text) override { Messages.emplace_back(text); }
    std::vector<std::string> Messages;
};

} // namespace tavrin::test
