#include "acceptance.h"

#include "generator.h"
#include "road_graph.h"
#include "route_sweep.h"

#include <array>

namespace tavrin {
namespace {

// Per tile, bit c set when the search from the start finds clearing c.
using TReached = std::array<std::uint8_t, TileCount + 1>;

constexpr std::uint8_t AllSix = 0b1111110;

// One sweep without target: a search finds a clearing exactly when the
// sweep takes it (the start itself counts as found).
TReached ReachedBySweep(const TRoadGraph& graph) {
    TRouteSweep sweep(graph, StartLocation);
    sweep.RunAll();
    TReached reached{};
    for (int t = 1; t <= TileCount; ++t)
        for (int c = 1; c <= 6; ++c)
            if (sweep.Taken({static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(c)}))
                reached[t] |= static_cast<std::uint8_t>(1u << c);
    return reached;
}

// When no tile is flipped, every road of RoadsA between clearings has its
// return road, and at most 95 clearings (the start included) can be arrived
// at, the search's stop at the 95th clearing never cuts it short: it finds
// exactly the clearings reachable by road. Then whole groups of clearings are
// reached at once, and a walk over groups finds the same.
bool GroupsAnswer(const TMapState& state) {
    int arrivals = 0;
    for (int t = 1; t <= TileCount; ++t) {
        const TTileRoads& roads = state.TileRoads[t];
        if (state.Tiles[t].Flipped || !roads.RoadsAReturn)
            return false;
        arrivals += roads.ArrivalCount;
    }
    const bool startArrives =
        (state.TileRoads[StartLocation.Tile].Arrivals >> StartLocation.Clearing & 1) != 0;
    return arrivals + (startArrives ? 0 : 1) <= ClearingCount;
}

TReached ReachedByGroups(const TMapState& state, const TRoadGraph& graph) {
    TReached reached{};
    std::array<TLocationIndex, TileCount * 6> pending;
    int count = 0;
    const auto reach = [&](int tile, int clearing) {
        reached[tile] |= state.TileRoads[tile].GroupClearings[clearing];
        pending[count++] =
            IndexOf({static_cast<std::uint8_t>(tile), static_cast<std::uint8_t>(clearing)});
    };
    reached[StartLocation.Tile] |= static_cast<std::uint8_t>(1u << StartLocation.Clearing);
    reach(StartLocation.Tile, StartLocation.Clearing);
    while (count > 0) {
        const TLocationIndex at = pending[--count];
        const int tile = at >> 3;
        for (unsigned edges = state.TileRoads[tile].GroupEdges[at & 7]; edges != 0;
             edges &= edges - 1) {
            const TLocationIndex next =
                graph.Follow(tile, static_cast<TRoadStep>(__builtin_ctz(edges) + 1));
            // No neighbour there, or one without a facing road (clearing 0).
            if ((next & 7) != 0 && (reached[next >> 3] >> (next & 7) & 1) == 0)
                reach(next >> 3, next & 7);
        }
    }
    return reached;
}

} // namespace

bool MapAccepted(const TMapState& state) {
    const TRoadGraph graph(state);
    const TReached reached =
        GroupsAnswer(state) ? ReachedByGroups(state, graph) : ReachedBySweep(graph);

    bool ok = true;
    for (int i = 1; i <= TileCount && ok; ++i) {
        const TTile& tile = state.Tiles[i];
        if (tile.Kind <= 1) {
            // Some present clearing must be reachable.
            std::uint8_t present = 0;
            for (int c = 1; c <= 6; ++c)
                if (tile.Clearings[c].Present)
                    present |= static_cast<std::uint8_t>(1u << c);
            ok = (reached[i] & present) != 0;
        } else if (tile.Kind <= 3) {
            // All six clearings must be reachable, present or not.
            ok = (reached[i] & AllSix) == AllSix;
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
