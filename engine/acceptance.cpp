#include "acceptance.h"

#include "generator.h"
#include "road_graph.h"
#include "route_sweep.h"

namespace tavrin {

bool MapAccepted(const TMapState& state) {
    // A search from the start finds a clearing exactly when one sweep from
    // the start takes it (the start itself counts as found).
    const TRoadGraph graph(state);
    TRouteSweep sweep(graph, StartLocation);
    sweep.RunAll();
    const auto Reachable = [&](int tile, int clearing) {
        return sweep.Taken({static_cast<std::uint8_t>(tile), static_cast<std::uint8_t>(clearing)});
    };

    bool ok = true;
    for (int i = 1; i <= TileCount && ok; ++i) {
        const TTile& tile = state.Tiles[i];
        if (tile.Kind <= 1) {
            // Some present clearing must be reachable; every one is searched.
            int reached = 0;
            for (int c = 1; c <= 6; ++c)
                if (tile.Clearings[c].Present && Reachable(i, c))
                    ++reached;
            if (reached == 0)
                ok = false;
        } else if (tile.Kind <= 3) {
            // All six clearings must be reachable, present or not.
            for (int c = 1; c <= 6; ++c)
                if (!Reachable(i, c))
                    ok = false;
        }
    }
    return ok;
}

TCreateMapStats CreateMap(TMapState& state) {
    TCreateMapStats stats;
    do {
        stats.Attempts = CheckedAdd(stats.Attempts, GenerateMap(state));
        stats.Passes = CheckedAdd(stats.Passes, 1);
    } while (!MapAccepted(state));
    return stats;
}

} // namespace tavrin
