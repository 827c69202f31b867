// Laws and worked examples of the hex grid and the edge arithmetic.

#include "cell.h"
#include "edge.h"
#include "grid.h"
#include "test_state.h"

#include <climits>
#include <gtest/gtest.h>

using namespace tavrin;
using namespace tavrin::test;

namespace {

TCell Across(int col, int row, int edge) {
    return Neighbour({col, row}, TEdge(edge));
}

} // namespace

TEST(Grid, NegativeColumnsAreOddWhenLowBitSet) {
    EXPECT_TRUE(IsOddColumn(-1));
    EXPECT_TRUE(IsOddColumn(-3));
    EXPECT_FALSE(IsOddColumn(-2));
    EXPECT_FALSE(IsOddColumn(0));
    EXPECT_TRUE(IsOddColumn(INT_MIN + 1));
    EXPECT_EQ(Across(-1, 0, 3), TCell(0, 1));
    EXPECT_EQ(Across(-1, 0, 2), TCell(0, 0));
    EXPECT_EQ(Across(-2, 0, 3), TCell(-1, 0));
}

TEST(Grid, NeighbourExamples) {
    EXPECT_EQ(Across(0, 0, 2), TCell(1, -1));
    EXPECT_EQ(Across(0, 0, 3), TCell(1, 0));
    EXPECT_EQ(Across(0, 0, 5), TCell(-1, 0));
    EXPECT_EQ(Across(0, 0, 6), TCell(-1, -1));
    EXPECT_EQ(Across(1, 0, 2), TCell(2, 0));
    EXPECT_EQ(Across(1, 0, 3), TCell(2, 1));
    EXPECT_EQ(Across(1, 0, 5), TCell(0, 1));
    EXPECT_EQ(Across(1, 0, 6), TCell(0, 0));
    EXPECT_EQ(Across(0, 0, 1), TCell(0, -1));
    EXPECT_EQ(Across(0, 0, 4), TCell(0, 1));
}

TEST(Grid, CrossingAnEdgeAndBackReturnsHome) {
    for (int col = -7; col <= 7; ++col)
        for (int row = -4; row <= 4; ++row)
            for (TEdge e : AllEdges) {
                const TCell there = Neighbour({col, row}, e);
                EXPECT_EQ(Neighbour(there, Opposite(e)), TCell(col, row))
                    << col << "," << row << " edge " << e.Number();
                EXPECT_NE(there, TCell(col, row));
            }
}

TEST(Grid, EdgeConversionsAreInverseForEveryRotation) {
    for (TRotation rotation : AllRotations)
        for (TEdge e : AllEdges) {
            EXPECT_EQ(ToTileEdge(ToMapEdge(e, rotation), rotation), e);
            EXPECT_EQ(ToMapEdge(ToTileEdge(e, rotation), rotation), e);
            EXPECT_EQ(Has(ToMapEdges(Bit(e), rotation), ToMapEdge(e, rotation)), true);
        }
    for (TEdge e : AllEdges)
        EXPECT_EQ(ToMapEdge(e, TRotation(1)), e);
    // Rotation 3: tile edge 1 lies on map edge 3, tile edge 5 on map edge 1,
    // map edge 2 holds tile edge 6.
    EXPECT_EQ(ToMapEdge(TEdge(1), TRotation(3)), TEdge(3));
    EXPECT_EQ(ToMapEdge(TEdge(5), TRotation(3)), TEdge(1));
    EXPECT_EQ(ToTileEdge(TEdge(2), TRotation(3)), TEdge(6));
    // Edges 1 and 5 turned by rotation 3 lie on map edges 3 and 1.
    EXPECT_EQ(ToMapEdges(0b010001, TRotation(3)), 0b000101);
}

TEST(Grid, RotationFromOutsideOneToSixIsARangeError) {
    EXPECT_EQ(RotationFrom(1), TRotation(1));
    EXPECT_EQ(RotationFrom(6), TRotation(6));
    for (std::int64_t bad : {0LL, 7LL, -1LL, 106LL, 1LL << 40})
        EXPECT_THROW(RotationFrom(bad), ERangeError) << bad;
}

TEST(Grid, TileAcrossFindsOnlyPlacedTilesLowestFirst) {
    auto state = FreshState();
    state->Tiles[3].Col = 0;
    state->Tiles[3].Row = -1; // not placed: never found
    EXPECT_EQ(TileAcross(*state, {0, 0}, TEdge(1)), 0);
    Place(*state, 9, 0, -1, 1);
    EXPECT_EQ(TileAcross(*state, {0, 0}, TEdge(1)), 9);
    Place(*state, 5, 0, -1, 1);
    EXPECT_EQ(TileAcross(*state, {0, 0}, TEdge(1)), 5);
    EXPECT_EQ(TileAcross(*state, {0, 0}, TEdge(4)), 0);
}

TEST(Grid, NeighbourTileOfAnUnplacedTileIsZero) {
    auto state = FreshState();
    for (TEdge e : AllEdges) {
        const TCell cell = Neighbour({0, 0}, e);
        Place(*state, e.Number(), cell.Col, cell.Row, 1);
    }
    state->Tiles[11].Col = 0;
    state->Tiles[11].Row = 0;
    for (TEdge e : AllEdges)
        EXPECT_EQ(NeighbourTile(*state, 11, e), 0);
    state->Tiles[11].Placed = true;
    for (TEdge e : AllEdges)
        EXPECT_EQ(NeighbourTile(*state, 11, e), e.Number());
}

TEST(Grid, RoadExitReadsOnlyRoadsAOfPresentClearings) {
    auto state = FreshState();
    // Tile 12 has roads through edges 1, 2 and 6 only.
    EXPECT_FALSE(HasRoadExit(*state, 12, TEdge(3)));
    // A road through edge 3 in the second set alone does not count.
    state->Tiles[12].Clearings[1].RoadsB[4] = {true, 0, RoadToEdge, 0, 3};
    EXPECT_FALSE(HasRoadExit(*state, 12, TEdge(3)));
    // Nor does one of an absent clearing.
    state->Tiles[1].Clearings[3].RoadsA[1] = {true, 0, RoadToEdge, 0, 4};
    EXPECT_FALSE(HasRoadExit(*state, 1, TEdge(4)));
    // Dropping the only clearing with a road through an edge removes the exit.
    EXPECT_TRUE(HasRoadExit(*state, 17, TEdge(1)));
    state->Tiles[17].Clearings[2].Present = false;
    EXPECT_FALSE(HasRoadExit(*state, 17, TEdge(1)));
    // HasRoadExitAt asks for the tile edge lying on the map edge: tile 17's
    // edge 1 lies on map edge 4 under rotation 4.
    EXPECT_TRUE(HasRoadExitAt(*state, 12, TEdge(1), TRotation(1)));
    EXPECT_FALSE(HasRoadExitAt(*state, 17, TEdge(4), TRotation(4)));
    state->Tiles[17].Clearings[2].Present = true;
    EXPECT_TRUE(HasRoadExitAt(*state, 17, TEdge(4), TRotation(4)));
    EXPECT_FALSE(HasRoadExitAt(*state, 17, TEdge(1), TRotation(4)));
}

// The masks the generator reads say what HasRoadExitAt says, for every tile,
// map edge and rotation.
TEST(Grid, DerivedExitMasksAgreeWithTheRoadSlots) {
    auto state = FreshState();
    for (int t = 1; t <= TileCount; ++t)
        for (TRotation q : AllRotations)
            for (TEdge m : AllEdges)
                EXPECT_EQ(Has(state->TileRoads[t].ExitsAt[q.Number()], m),
                          HasRoadExitAt(*state, t, m, q))
                    << "tile " << t << " rotation " << q.Number() << " edge " << m.Number();
    // Tor has its one road through edge 1: on map edge 4 under rotation 4.
    EXPECT_EQ(state->TileRoads[17].ExitsAt[4], Bit(TEdge(4)));
}
