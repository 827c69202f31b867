#pragma once
// Shared helpers for the engine tests: fresh states, hand-made placements and
// an independent breadth-first search over the road graph to check against.

#include "location.h"
#include "map_state.h"
#include "road_graph.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::test {

// Keeps the engine's messages for the test to read.
class RecordingSink : public IMessageSink {
public:
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

inline std::unique_ptr<TMapState> FreshState(std::uint32_t seed = 1) {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, seed);
    return state;
}

inline void Place(TMapState& state, int tile, int col, int row, int rotation) {
    TTile& t = state.Tiles[tile];
    t.Placed = true;
    t.Col = col;
    t.Row = row;
    t.Rotation = static_cast<std::uint8_t>(rotation);
}

// Road distance from `from` to every clearing 1..6 of every tile (-1: not
// reachable), by a plain queue-based search.
using TDistances = std::array<std::array<int, 7>, 21>;

inline TDistances RoadDistances(const TMapState& state, TLocation from) {
    TDistances dist;
    for (auto& row : dist)
        row.fill(-1);
    std::array<TLocation, 21 * 7> queue{};
    int head = 0, tail = 0;
    dist[from.Tile][from.Clearing] = 0;
    queue[tail++] = from;
    while (head < tail) {
        const TLocation at = queue[head++];
        for (int slot = 1; slot <= 5; ++slot) {
            const TLocation d = NextLocation(state, at, slot);
            if (d.Tile == 0 || d.Clearing == 0 || dist[d.Tile][d.Clearing] >= 0)
                continue;
            dist[d.Tile][d.Clearing] = dist[at.Tile][at.Clearing] + 1;
            queue[tail++] = d;
        }
    }
    return dist;
}

inline TLocation Loc(int tile, int clearing) {
    return {static_cast<std::uint8_t>(tile), static_cast<std::uint8_t>(clearing)};
}

} // namespace tavrin::test
