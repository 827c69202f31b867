#include "acceptance.h"
#include "engine_test_support.h"
#include "grid.h"
#include "map_figures.h"
#include "route_search.h"

#include <gtest/gtest.h>
#include <map>
#include <utility>

using namespace tavrin;
using namespace tavrin::test;

namespace {

// Roads of the map as undirected pairs of clearings, with how many roads join
// each pair (a road and its return road are one road).
std::map<std::pair<int, int>, int> UndirectedRoads(const TMapState& state) {
    const TRoadGraph graph(state);
    std::map<std::pair<int, int>, int> arcs;
    for (int t = 1; t <= TileCount; ++t)
        for (int c = 1; c <= 6; ++c)
            for (int slot = 1; slot <= 5; ++slot) {
                const TLocation from{static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(c)};
                const TLocation to = graph.Next(from, slot);
                if (to.Tile != 0 && to.Clearing != 0)
                    ++arcs[{IndexOf(from), IndexOf(to)}];
            }
    std::map<std::pair<int, int>, int> roads;
    for (const auto& [arc, count] : arcs)
        if (arc.first < arc.second)
            roads[arc] = std::min(count, arcs[{arc.second, arc.first}]);
    return roads;
}

int ReachedWithout(const std::map<std::pair<int, int>, int>& roads, std::pair<int, int> cut) {
    std::array<bool, LocationIndexCount> seen{};
    std::vector<int> queue{IndexOf(StartLocation)};
    seen[queue[0]] = true;
    for (std::size_t i = 0; i < queue.size(); ++i)
        for (const auto& [road, count] : roads) {
            if (count - (road == cut ? 1 : 0) == 0)
                continue;
            for (const auto& [a, b] : {road, std::pair{road.second, road.first}})
                if (a == queue[i] && !seen[b]) {
                    seen[b] = true;
                    queue.push_back(b);
                }
        }
    return static_cast<int>(queue.size());
}

} // namespace

// Laws over many created maps, each checked against the route search, the
// grid's neighbours or a plain search that takes roads away one at a time.
TEST(MapFigures, LawsHoldOnCreatedMaps) {
    auto state = FreshState(2024);
    int cutOffMaps = 0;
    for (int map = 1; map <= 60; ++map) {
        CreateMap(*state);
        const TMapFigures figures = MeasureMap(*state);
        SCOPED_TRACE(map);
        EXPECT_EQ(figures.Reachable + figures.CutOff, ClearingCount);
        cutOffMaps += figures.CutOff > 0;

        int longest = 0;
        for (int t = 1; t <= TileCount; ++t)
            for (int c = 1; c <= 6; ++c) {
                const TLocation to{static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(c)};
                TRoute route;
                FindShortestPath(*state, StartLocation, to, route);
                if (figures.IsCutOff(to)) {
                    EXPECT_FALSE(route.Live) << int(to.Tile) << '/' << int(to.Clearing);
                }
                if (route.Live)
                    longest = std::max<int>(longest, route.Count);
            }
        EXPECT_EQ(figures.Longest, longest);

        int across = 0, sameKind = 0;
        for (int t = 1; t <= TileCount; ++t)
            for (const TEdge edge : AllEdges)
                if (const int n = NeighbourTile(*state, t, edge)) {
                    ++across;
                    sameKind += state->Tiles[t].Kind == state->Tiles[n].Kind;
                }
        EXPECT_EQ(figures.SharedEdges * 2, across);
        EXPECT_EQ(figures.Clumping * 2, sameKind);

        if (map <= 15) { // the plain check is slow
            const auto roads = UndirectedRoads(*state);
            const int all = ReachedWithout(roads, {-1, -1});
            int bridges = 0;
            for (const auto& [road, count] : roads)
                bridges += ReachedWithout(roads, road) < all;
            EXPECT_EQ(figures.Bridges, bridges);
        }
    }
    EXPECT_GT(cutOffMaps, 0);
}

TEST(MapFigures, LoneTileBeforeAnyMapReachesOnlyItsOwnRoads) {
    auto state = FreshState(1); // no tile placed yet
    const TMapFigures figures = MeasureMap(*state);
    EXPECT_EQ(figures.SharedEdges, 0);
    EXPECT_EQ(figures.Columns, 1);
    EXPECT_LT(figures.Reachable, 7);
    EXPECT_EQ(figures.Reachable + figures.CutOff, ClearingCount);
    EXPECT_EQ(static_cast<int>(figures.CutOffList().size()), figures.CutOff);
}
