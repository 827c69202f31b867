// Where tiles and clearings lie on the map picture: the clearing under a point
// for each rotation, the tile on top where tiles overlap or their boxes
// meet, and a route traced along its roads.

#include "acceptance.h"
#include "map_places.h"
#include "map_state.h"
#include "route_search.h"
#include "test_state.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tavrin;
using namespace tavrin::test;

namespace {

double Distance(TPoint a, TPoint b) {
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

// Clearing 2 of March Land (tile 11) lies 65 pixels right of the tile's
// centre; each rotation turns it 60 degrees further clockwise, on a bitmap
// whose hexagon is 175 rather than 173.2 pixels high (heights times 0.875
// per 100). Its clearing 1 lies opposite.
struct TRotationCase {
    int Rotation;
    TPoint OnBitmap;
};

class ClearingUnderAPoint : public testing::TestWithParam<TRotationCase> {};

TEST_P(ClearingUnderAPoint, FindsTheClearingTheRotationPutsThere) {
    const auto [rotation, onBitmap] = GetParam();
    auto state = FreshState();
    state->OffsetX = 10;
    state->OffsetY = 20;
    Place(*state, 11, 3, 1, rotation); // odd column: 450, 175 + 88
    const TMapPlaces places = MapPlaces(*state);
    const TPoint corner{460, 283};
    const TPoint clearing2{corner.X + onBitmap.X, corner.Y + onBitmap.Y};
    const TPoint centre{corner.X + 100, corner.Y + 87.5};
    const TPoint clearing1{2 * centre.X - clearing2.X, 2 * centre.Y - clearing2.Y};

    EXPECT_LT(Distance(ClearingCentre(places, Loc(11, 2)), clearing2), 1e-9);
    EXPECT_EQ(ClearingAt(places, clearing2, 13), Loc(11, 2));
    EXPECT_EQ(ClearingAt(places, {clearing2.X + 9, clearing2.Y - 9}, 13), Loc(11, 2));
    EXPECT_EQ(ClearingAt(places, clearing1, 13), Loc(11, 1));
    // Between clearings the tile is found, but no clearing.
    const TPoint between{(clearing2.X + centre.X) / 2, (clearing2.Y + centre.Y) / 2};
    EXPECT_EQ(TileAt(places, between), 11);
    EXPECT_EQ(ClearingAt(places, between, 5), NoLocation);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRotation, ClearingUnderAPoint,
    testing::Values(TRotationCase{1, {165, 87.5}}, TRotationCase{2, {132.5, 144.375}},
                    TRotationCase{3, {67.5, 144.375}}, TRotationCase{4, {35, 87.5}},
                    TRotationCase{5, {67.5, 30.625}}, TRotationCase{6, {132.5, 30.625}}));

// A loaded map can stack tiles: the one drawn last covers the others, and
// their clearings cannot be pointed at through it.
TEST(TileOnTop, IsTheLastDrawnWhereTilesShareACell) {
    auto state = FreshState();
    for (int tile = 1; tile <= TileCount; ++tile)
        Place(*state, tile, 5 + tile, 0, 1); // out of the way
    Place(*state, 3, 0, 0, 1);
    Place(*state, 7, 0, 0, 1);
    const TMapPlaces places = MapPlaces(*state);
    EXPECT_EQ(TileAt(places, {100, 87.5}), 7);
    // Tile 3 has a clearing 1, tile 7 has none.
    ASSERT_TRUE(state->Tiles[3].Clearings[1].Present);
    ASSERT_FALSE(state->Tiles[7].Clearings[1].Present);
    EXPECT_EQ(ClearingAt(places, ClearingCentre(places, Loc(3, 1)), 13), NoLocation);
    EXPECT_EQ(ClearingAt(places, ClearingCentre(places, Loc(7, 2)), 13), Loc(7, 2));
}

// Where the 200 x 200 boxes of neighbouring tiles overlap, the hexagons
// decide; the corners of a box outside its hexagon belong to no tile.
TEST(TileOnTop, IsTheTileWhoseHexagonHoldsThePoint) {
    auto state = FreshState();
    for (int tile = 1; tile <= TileCount; ++tile)
        Place(*state, tile, 10 + tile, 10, 1);
    Place(*state, 1, 0, 0, 1); // box 0..200 x 0..200
    Place(*state, 2, 1, 0, 1); // box 150..350 x 88..288
    const TMapPlaces places = MapPlaces(*state);
    const std::pair<TPoint, int> cases[] = {
        {{100, 87.5}, 1}, // tile 1's centre
        {{170, 60}, 1},   // inside tile 1's upper-right edge
        {{170, 10}, 0},   // the corner of tile 1's box beyond that edge
        {{199, 100}, 2},  // in both boxes, right of tile 1's lower-right edge
        {{190, 150}, 2},  {{175, 190}, 2}, {{-1, 90}, 0},
    };
    for (const auto& [point, tile] : cases)
        EXPECT_EQ(TileAt(places, point), tile) << point.X << ", " << point.Y;
}

// Every road of a route runs from its clearing to the next; a road across a
// tile edge passes the midpoint of that edge, halfway between the tiles'
// centres.
TEST(RouteTrace, FollowsEachRoadFromClearingToClearing) {
    auto state = FreshState();
    CreateMap(*state);
    TMapPlaces places = MapPlaces(*state);
    // The longest route from the start clearing, for as many roads as possible.
    TRoute longest{};
    for (int tile = 1; tile <= TileCount; ++tile) {
        for (int c = 1; c <= 6; ++c) {
            TRoute route{};
            FindShortestPath(*state, Loc(StartTile, 1), Loc(tile, c), route);
            if (route.Live && route.Count > longest.Count)
                longest = route;
        }
    }
    ASSERT_GT(longest.Count, 5);
    const std::vector<TPolyline> roads = RouteTrace(*state, places, longest);
    ASSERT_EQ(static_cast<int>(roads.size()), longest.Count - 1);
    int crossings = 0;
    for (int k = 1; k < longest.Count; ++k) {
        const TLocation a = longest.Locations[k];
        const TLocation b = longest.Locations[k + 1];
        const TPolyline& road = roads[static_cast<std::size_t>(k - 1)];
        EXPECT_LT(Distance(road.front(), ClearingCentre(places, a)), 1e-9);
        EXPECT_LT(Distance(road.back(), ClearingCentre(places, b)), 1e-9);
        if (a.Tile == b.Tile) {
            EXPECT_EQ(road.size(), 2u);
            continue;
        }
        ++crossings;
        const TPoint ca = TileCentre(places, a.Tile);
        const TPoint cb = TileCentre(places, b.Tile);
        const TPoint edge{(ca.X + cb.X) / 2, (ca.Y + cb.Y) / 2};
        double nearest = 1e9;
        for (const TPoint& p : road)
            nearest = std::min(nearest, Distance(p, edge));
        EXPECT_LT(nearest, 1.0) << "road " << k;
    }
    EXPECT_GT(crossings, 2);
}

} // namespace
