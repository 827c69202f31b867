#include "acceptance.h"

#include "generator.h"
#include "route_search.h"

namespace tavrin::oracle {
namespace {

bool Reachable(const TMapState& state, int tile, int clearing) {
    TRoute route;
    FindShortestPath(state, StartLocation,
                     {static_cast<std::uint8_t>(tile), static_cast<std::uint8_t>(clearing)}, route);
    return route.Live;
}

} // namespace

bool MapAccepted(const TMapState& state) {
    bool ok = true;
    for (int i = 1; i <= TileCount && ok; ++i) {
        const TTile& tile = state.Tiles[i];
        if (tile.Kind <= 1) {
            // Some present clearing must be reachable; every one is searched.
            int reached = 0;
            for (int c = 1; c <= 6; ++c)
                if (tile.Clearings[c].Present && Reachable(state, i, c))
                    ++reached;
            if (reached == 0)
                ok = false;
        } else if (tile.Kind <= 3) {
            // All six clearings must be reachable, present or not.
            for (int c = 1; c <= 6; ++c)
                if (!Reachable(state, i, c))
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

} // namespace tavrin::oracle
