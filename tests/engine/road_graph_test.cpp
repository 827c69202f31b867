#include "engine_test_support.h"
#include "road_graph.h"

#include <gtest/gtest.h>

using namespace tavrin;
using namespace tavrin::test;

TEST(NextLocation, WorkedExampleAcrossAnEdge) {
    auto state = FreshState();
    Place(*state, 11, 0, 0, 1);
    EXPECT_EQ(NextLocation(*state, Loc(11, 1), 1), Loc(11, 6));
    EXPECT_EQ(NextLocation(*state, Loc(11, 1), 2), NoLocation); // rim: nothing above
    Place(*state, 4, 0, -1, 3);
    EXPECT_EQ(NextLocation(*state, Loc(11, 1), 2), Loc(4, 1));
    EXPECT_EQ(NextLocation(*state, Loc(11, 1), 4), NoLocation); // empty slot
    EXPECT_EQ(NextLocation(*state, Loc(11, 1), 5), NoLocation);
}

TEST(NextLocation, UnplacedTileKeepsOnlyItsInnerRoads) {
    auto state = FreshState(); // no map yet: no tile placed, rotations 0
    EXPECT_EQ(NextLocation(*state, Loc(11, 1), 1), Loc(11, 6));
    EXPECT_EQ(NextLocation(*state, Loc(11, 1), 2), NoLocation);
    Place(*state, 4, 0, -1, 3);
    state->Tiles[11].Rotation = 1; // at the origin but not placed
    EXPECT_EQ(NextLocation(*state, Loc(11, 1), 2), NoLocation);
}

TEST(NextLocation, ClearingZeroAndAbsentClearingsLeadNowhere) {
    auto state = FreshState();
    Place(*state, 1, 0, 0, 1);
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(NextLocation(*state, Loc(1, 0), slot), NoLocation);
        EXPECT_EQ(NextLocation(*state, Loc(1, 3), slot), NoLocation);
    }
}

TEST(NextLocation, DisagreeingEdgesArriveAtClearingZero) {
    auto state = FreshState();
    Place(*state, 11, 0, 0, 1);
    Place(*state, 17, 0, -1, 1); // Tor has no road through its edge 4
    EXPECT_EQ(NextLocation(*state, Loc(11, 1), 2), Loc(17, 0));
}

TEST(NextLocation, FlippedTileUsesItsSecondRoadSetBothWays) {
    auto state = FreshState();
    Place(*state, 6, 0, 0, 1);
    // Birch Grove clearing 2: first set c4, e3, e5; second set e3, e5.
    EXPECT_EQ(NextLocation(*state, Loc(6, 2), 1), Loc(6, 4));
    state->Tiles[6].Flipped = true;
    EXPECT_EQ(NextLocation(*state, Loc(6, 2), 1), NoLocation); // e3, nobody there
    EXPECT_EQ(NextLocation(*state, Loc(6, 4), 1), Loc(6, 5));
}

TEST(ClearingAtEdge, HighestClearingWinsAndSetFollowsFlipped) {
    auto state = FreshState();
    EXPECT_EQ(ClearingAtEdge(*state, 11, TEdge(1)), 1);
    EXPECT_EQ(ClearingAtEdge(*state, 12, TEdge(3)), 0);
    // Rubble's second set has roads of clearings 2 and 6 through edge 2.
    EXPECT_EQ(ClearingAtEdge(*state, 15, TEdge(2)), 2);
    state->Tiles[15].Flipped = true;
    EXPECT_EQ(ClearingAtEdge(*state, 15, TEdge(2)), 6);
}
