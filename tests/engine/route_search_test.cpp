#include "acceptance.h"
#include "engine_test_support.h"
#include "generator.h"
#include "route_search.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tavrin;
using namespace tavrin::test;

namespace {

TRoute Search(const TMapState& state, TLocation from, TLocation to) {
    TRoute route{};
    FindShortestPath(state, from, to, route);
    return route;
}

std::vector<TLocation> Path(const TRoute& route) {
    std::vector<TLocation> path;
    for (int k = 1; k <= route.Count; ++k)
        path.push_back(route.Locations[k]);
    return path;
}

} // namespace

TEST(RouteSearch, SameLocationIsFoundAtOnce) {
    auto state = FreshState();
    const TRoute route = Search(*state, Loc(11, 1), Loc(11, 1));
    EXPECT_TRUE(route.Live);
    EXPECT_EQ(Path(route), std::vector<TLocation>{Loc(11, 1)});
}

// A clearing that its tile does not have is on no route, not even the one
// from it to itself (Elm Grove has no clearing 6; no tile has a clearing 0).
TEST(RouteSearch, AbsentClearingIsNotConnectedToItself) {
    auto state = FreshState(7);
    CreateMap(*state);
    for (TLocation at : {Loc(8, 6), Loc(1, 3), Loc(17, 0), Loc(11, 0)}) {
        TRoute route{};
        route.Locations[1] = Loc(5, 5);
        FindShortestPath(*state, at, at, route);
        EXPECT_FALSE(route.Live);
        EXPECT_EQ(route.Count, 0);
        EXPECT_EQ(route.Locations[1], Loc(5, 5));
    }
}

TEST(RouteSearch, AbsentClearingsAreNeverReached) {
    auto state = FreshState();
    EXPECT_FALSE(Search(*state, Loc(1, 3), Loc(1, 1)).Live);
    EXPECT_FALSE(Search(*state, Loc(1, 1), Loc(1, 3)).Live);
}

TEST(RouteSearch, InnerRoadOfTheStartTileIsOneStep) {
    auto state = FreshState();
    const TRoute route = Search(*state, Loc(11, 1), Loc(11, 6));
    EXPECT_TRUE(route.Live);
    EXPECT_EQ(route.Count, 2);
    EXPECT_EQ(Path(route), (std::vector<TLocation>{Loc(11, 1), Loc(11, 6)}));
    EXPECT_EQ(LocationText(Loc(11, 4)), "MarchLand 4");
}

TEST(RouteSearch, TieGoesToLowerRouteNumber) {
    // March Land 3 reaches 4 through 5 (slot 2) and through 6 (slot 3), both
    // two roads long: the route made first, through 5, wins.
    auto state = FreshState();
    EXPECT_EQ(Path(Search(*state, Loc(11, 3), Loc(11, 4))),
              (std::vector<TLocation>{Loc(11, 3), Loc(11, 5), Loc(11, 4)}));
}

TEST(RouteSearch, BeforeAnyMapOnlyInnerRoadsOfTheStartTileCount) {
    auto state = FreshState();
    const TDistances dist = RoadDistances(*state, StartLocation);
    for (int c = 1; c <= 6; ++c)
        EXPECT_TRUE(Search(*state, StartLocation, Loc(11, c)).Live);
    EXPECT_FALSE(Search(*state, StartLocation, Loc(12, 1)).Live);
    EXPECT_EQ(dist[11][4], 2);
}

TEST(RouteSearch, NothingFoundLeavesTheCallersLocations) {
    auto state = FreshState();
    TRoute route{};
    route.Count = 7;
    route.Live = true;
    route.Locations[1] = Loc(5, 5);
    FindShortestPath(*state, Loc(1, 1), Loc(2, 1), route);
    EXPECT_FALSE(route.Live);
    EXPECT_EQ(route.Count, 0);
    EXPECT_EQ(route.Locations[1], Loc(5, 5));
}

TEST(RouteSearch, ClearingZeroIsNotTakenIntoARoute) {
    auto state = FreshState();
    Place(*state, 11, 0, 0, 1);
    Place(*state, 17, 0, -1, 1);
    EXPECT_FALSE(Search(*state, Loc(11, 1), Loc(17, 0)).Live);
}

TEST(RouteSearch, ShortestOnGeneratedMapsAndConsistentWithAPlainSearch) {
    // Over many maps every route is as short as a plain breadth-first search
    // says, runs along real roads, and exists exactly when the plain search
    // reaches the target; the farthest clearings are taken in the generation
    // that takes the last location.
    auto state = FreshState();
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        state->Random.Seed = seed;
        GenerateMap(*state);
        const TDistances dist = RoadDistances(*state, StartLocation);
        for (int t = 1; t <= TileCount; ++t)
            for (int c = 1; c <= 6; ++c) {
                const TRoute route = Search(*state, StartLocation, Loc(t, c));
                const bool same = t == StartTile && c == 1;
                ASSERT_EQ(route.Live, dist[t][c] >= 0 || same) << seed << ": " << t << "/" << c;
                if (!route.Live)
                    continue;
                EXPECT_EQ(route.Count - 1, dist[t][c]);
                EXPECT_EQ(route.Locations[1], StartLocation);
                EXPECT_EQ(route.Locations[route.Count], Loc(t, c));
                for (int k = 1; k < route.Count; ++k) {
                    bool joined = false;
                    for (int slot = 1; slot <= 5; ++slot)
                        joined |= NextLocation(*state, route.Locations[k], slot) ==
                                  route.Locations[k + 1];
                    EXPECT_TRUE(joined);
                }
            }
    }
}
