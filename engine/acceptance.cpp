#include "acceptance.h"

#include "generator.h"
#include "road_graph.h"
#include "route_sweep.h"

#include <array>

namespace tavrin {
namespace {

using TReached = TReachedClearings;

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

TReachedClearings ReachedFromStart(const TMapState& state) {
    const TRoadGraph graph(state);
    return GroupsAnswer(state) ? ReachedByGroups(state, graph) : ReachedBySweep(graph);
}

std::uint8_t AskedClearings(const TTile& tile) {
    if (tile.Kind <= 1) {
        std::uint8_t present = 0;
        for (int c = 1; c <= 6; ++c)
            if (tile.Clearings[c].Present)
                present |= static_cast<std::uint8_t>(1u << c);
        return present;
    }
    return tile.Kind <= 3 ? AllSix : 0;
}

bool AsksAllClearings(const TTile& tile) {
    return tile.Kind >= 2 && tile.Kind <= 3;
}

bool TileReached(const TTile& tile, std::uint8_t reached) {
    if (tile.Kind > 3)
        return true;
    const std::uint8_t asked = AskedClearings(tile);
    // Kinds 0 and 1: some present clearing; kinds 2 and 3: all six.
    return AsksAllClearings(tile) ? (reached & asked) == asked : (reached & asked) != 0;
}

bool MapAccepted(const TMapState& state) {
    const TReachedClearings reached = ReachedFromStart(state);
    for (int i = 1; i <= TileCount; ++i)
        if (!TileReached(state.Tiles[i], reached[i]))
            return false;
    return true;
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
