#pragma once
// Helpers of the engine tests: the shared states and sink, and an independent
// breadth-first search over the road graph to check against.

#include "location.h"
#include "map_state.h"
#include "road_graph.h"
#include "test_state.h"

#include <array>

namespace tavrin::test {

// Road distance from `from` to every clearing 1..6 of every tile (-1: not
// reachable), by a plain queue-based search.
using TDistances = std::array<std::array<int, 7>, 21>;

inline TDistances RoadDistances(const TMapState& state, TLocation from) {
    TDistances dist;
    for (auto& row : dist)
        row.fill(-1);
    const TRoadGraph graph(state);
    std::array<TLocation, 21 * 7> queue{};
    int head = 0, tail = 0;
    dist[from.Tile][from.Clearing] = 0;
    queue[tail++] = from;
    while (head < tail) {
        const TLocation at = queue[head++];
        for (int slot = 1; slot <= 5; ++slot) {
            const TLocation d = graph.Next(at, slot);
            if (d.Tile == 0 || d.Clearing == 0 || dist[d.Tile][d.Clearing] >= 0)
                continue;
            dist[d.Tile][d.Clearing] = dist[at.Tile][at.Clearing] + 1;
            queue[tail++] = d;
        }
    }
    return dist;
}

} // namespace tavrin::test
