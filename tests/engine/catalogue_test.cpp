// Facts about the catalogue that a transcription slip would break.

#include "catalogue.h"
#include "grid.h"
#include "map_state.h"
#include "test_state.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

using namespace tavrin;
using namespace tavrin::test;

namespace {

// The edges of the catalogue's tile table where Exits must be true.
const std::set<int> ExpectedExits[TileCount + 1] = {
    {},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 4, 5, 6},
    {1, 2, 6},
    {3, 5, 6},
    {1, 2, 4, 6},
    {1, 2, 3, 5, 6},
    {2, 3, 5, 6},
    {1},
    {1, 2, 3, 5, 6},
    {1, 2, 3, 6},
    {1, 3, 5},
};

int RoadCount(const TRoadSet& roads) {
    int n = 0;
    for (int s = 1; s <= 5; ++s)
        n += roads[s].Present;
    return n;
}

bool HasRoadTo(const TRoadSet& roads, int clearing) {
    for (int s = 1; s <= 5; ++s)
        if (roads[s].Present && roads[s].Kind == RoadToClearing && roads[s].Target == clearing)
            return true;
    return false;
}

} // namespace

TEST(Catalogue, ExitsMatchTheTileTable) {
    auto state = FreshState();
    for (int t = 1; t <= TileCount; ++t)
        for (int e = 1; e <= 6; ++e) {
            EXPECT_EQ(state->Tiles[t].Exits[e], ExpectedExits[t].count(e) == 1)
                << "tile " << t << " edge " << e;
            EXPECT_EQ(HasRoadExit(*state, t, TEdge(e)), state->Tiles[t].Exits[e]);
        }
}

TEST(Catalogue, NinetyFivePresentClearingsByKind) {
    auto state = FreshState();
    int present = 0;
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state->Tiles[t];
        EXPECT_EQ(tile.Kind, (t - 1) / 5);
        EXPECT_FALSE(tile.Clearings[0].Present);
        EXPECT_EQ(RoadCount(tile.Clearings[0].RoadsA) + RoadCount(tile.Clearings[0].RoadsB), 0);
        for (int c = 1; c <= 6; ++c)
            present += tile.Clearings[c].Present;
        if (t <= 5) {
            EXPECT_FALSE(tile.Clearings[3].Present || tile.Clearings[6].Present);
        } else if (t <= 10) {
            EXPECT_FALSE(tile.Clearings[1].Present || tile.Clearings[3].Present ||
                         tile.Clearings[6].Present);
        }
    }
    EXPECT_EQ(present, 95);
}

TEST(Catalogue, TokensAreNamesWithoutBlanks) {
    auto state = FreshState();
    for (int t = 1; t <= TileCount; ++t) {
        std::string name(state->Tiles[t].Name.View());
        std::erase(name, ' ');
        EXPECT_EQ(name, TileFileNames[t]);
    }
    EXPECT_EQ(state->Tiles[11].Name.View(), "March Land");
    EXPECT_EQ(state->Tiles[1].Name.View(), "Ashen Hollow");
}

TEST(Catalogue, RoadsFillSlotsFromOneAndPointAtPresentClearings) {
    auto state = FreshState();
    int mostA = 0, mostB = 0;
    for (int t = 1; t <= TileCount; ++t)
        for (int c = 0; c <= 6; ++c) {
            const TClearing& clearing = state->Tiles[t].Clearings[c];
            for (const TRoadSet* roads : {&clearing.RoadsA, &clearing.RoadsB}) {
                const int n = RoadCount(*roads);
                if (!clearing.Present) {
                    EXPECT_EQ(n, 0);
                }
                for (int s = 1; s <= 5; ++s) {
                    const TRoad& road = (*roads)[s];
                    EXPECT_EQ(road.Present, s <= n) << "gap in tile " << t << " clearing " << c;
                    if (!road.Present)
                        continue;
                    if (road.Kind == RoadToClearing) {
                        EXPECT_EQ(road.Edge, 0);
                        EXPECT_TRUE(state->Tiles[t].Clearings[road.Target].Present);
                    } else {
                        EXPECT_EQ(road.Kind, RoadToEdge);
                        EXPECT_EQ(road.Target, 0);
                        EXPECT_GE(road.Edge, 1);
                        EXPECT_LE(road.Edge, 6);
                    }
                }
            }
            mostA = std::max(mostA, RoadCount(clearing.RoadsA));
            mostB = std::max(mostB, RoadCount(clearing.RoadsB));
        }
    EXPECT_EQ(mostA, 4);
    EXPECT_EQ(mostB, 5);
}

TEST(Catalogue, EveryRoadBetweenClearingsOfRoadsAHasItsReturnRoad) {
    auto state = FreshState();
    for (int t = 1; t <= TileCount; ++t)
        for (int a = 1; a <= 6; ++a)
            for (int b = 1; b <= 6; ++b)
                if (HasRoadTo(state->Tiles[t].Clearings[a].RoadsA, b)) {
                    EXPECT_TRUE(HasRoadTo(state->Tiles[t].Clearings[b].RoadsA, a))
                        << "tile " << t << ": " << a << " -> " << b;
                }
    // The second set is not symmetric: tile 12 clearing 1 reaches 2, not back.
    EXPECT_TRUE(HasRoadTo(state->Tiles[12].Clearings[1].RoadsB, 2));
    EXPECT_FALSE(HasRoadTo(state->Tiles[12].Clearings[2].RoadsB, 1));
}

TEST(Catalogue, SpotChecksOfSlotsCategoriesAndGrades) {
    auto state = FreshState();
    const TClearing& c = state->Tiles[11].Clearings[4];
    EXPECT_EQ(c.Category, 2);
    EXPECT_EQ(c.Grade, 4);
    EXPECT_EQ(c.RoadsA[1].Target, 5);
    EXPECT_EQ(c.RoadsA[1].RoadCategory, 2);
    EXPECT_EQ(c.RoadsA[3].Edge, 3);
    const TRoad& e = state->Tiles[17].Clearings[2].RoadsA[3];
    EXPECT_TRUE(e.Present && e.Kind == RoadToEdge && e.Edge == 1 && e.RoadCategory == 1);
    const TClearing& f = state->Tiles[18].Clearings[6];
    EXPECT_EQ(RoadCount(f.RoadsB), 5);
    EXPECT_EQ(f.RoadsB[5].Edge, 2);
    EXPECT_EQ(state->Tiles[17].Clearings[1].Grade, 7);
    EXPECT_EQ(std::memcmp(&state->Tiles[1].Clearings[1].RoadsA,
                          &state->Tiles[1].Clearings[1].RoadsB, sizeof(TRoadSet)),
              0);
}

TEST(Catalogue, StartUpLeavesNoMapAndNoFlippedTile) {
    auto state = FreshState();
    EXPECT_FALSE(state->MapPresent);
    EXPECT_EQ(state->Random.Seed, 1u);
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state->Tiles[t];
        EXPECT_FALSE(tile.Flipped);
        EXPECT_FALSE(tile.Placed);
        EXPECT_EQ(tile.Col, 0);
        EXPECT_EQ(tile.Row, 0);
        EXPECT_EQ(tile.Rotation, 0);
    }
    EXPECT_EQ(state->Characters[3].Name.View(), "Iron Warden");
    EXPECT_EQ(state->Characters[6].Last, 1);
}

TEST(Catalogue, ResetTilesClearsPresenceButKeepsOtherBytes) {
    auto state = FreshState();
    state->Tiles[4].Col = 7;
    state->MapPresent = true;
    ResetTiles(*state);
    EXPECT_FALSE(state->MapPresent);
    EXPECT_EQ(state->Tiles[4].Col, 7);
    EXPECT_FALSE(state->Tiles[4].Clearings[1].Present);
    EXPECT_FALSE(state->Tiles[4].Clearings[1].RoadsA[1].Present);
    EXPECT_EQ(state->Tiles[4].Clearings[1].RoadsA[2].Edge, 2);
    EXPECT_EQ(state->Tiles[4].Name.View(), "Dusk Hollow");
    // With no present clearing no tile has an exit left.
    ComputeExits(*state);
    for (int e = 1; e <= 6; ++e)
        EXPECT_FALSE(state->Tiles[11].Exits[e]);
}
