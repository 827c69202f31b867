// Laws and worked examples of the hex grid and the edge arithmetic.

#include "grid.h"
#include "map_state.h"

#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

using namespace tavrin;

namespace {

std::unique_ptr<TMapState> FreshState() {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, 1);
    return state;
}

void Place(TMapState& state, int tile, int col, int row, int rotation) {
    TTile& t = state.Tiles[tile];
    t.Placed = true;
    t.Col = col;
    t.Row = row;
    t.Rotation = static_cast<std::uint8_t>(rotation);
}

std::pair<int, int> Across(int col, int row, int edge) {
    return {NeighbourCol(col, row, edge), NeighbourRow(col, row, edge)};
}

using Cell = std::pair<int, int>;

} // namespace

TEST(Grid, NegativeColumnsAreOddWhenLowBitSet) {
    EXPECT_TRUE(IsOddColumn(-1));
    EXPECT_TRUE(IsOddColumn(-3));
    EXPECT_FALSE(IsOddColumn(-2));
    EXPECT_FALSE(IsOddColumn(0));
    EXPECT_TRUE(IsOddColumn(INT_MIN + 1));
    EXPECT_EQ(Across(-1, 0, 3), Cell(0, 1));
    EXPECT_EQ(Across(-1, 0, 2), Cell(0, 0));
    EXPECT_EQ(Across(-2, 0, 3), Cell(-1, 0));
}

TEST(Grid, NeighbourExamples) {
    EXPECT_EQ(Across(0, 0, 2), Cell(1, -1));
    EXPECT_EQ(Across(0, 0, 3), Cell(1, 0));
    EXPECT_EQ(Across(0, 0, 5), Cell(-1, 0));
    EXPECT_EQ(Across(0, 0, 6), Cell(-1, -1));
    EXPECT_EQ(Across(1, 0, 2), Cell(2, 0));
    EXPECT_EQ(Across(1, 0, 3), Cell(2, 1));
    EXPECT_EQ(Across(1, 0, 5), Cell(0, 1));
    EXPECT_EQ(Across(1, 0, 6), Cell(0, 0));
    EXPECT_EQ(Across(0, 0, 1), Cell(0, -1));
    EXPECT_EQ(Across(0, 0, 4), Cell(0, 1));
}

TEST(Grid, CrossingAnEdgeAndBackReturnsHome) {
    for (int col = -7; col <= 7; ++col)
        for (int row = -4; row <= 4; ++row)
            for (int e = 1; e <= 6; ++e) {
                const auto [c, r] = Across(col, row, e);
                EXPECT_EQ(Across(c, r, OppositeEdge[e]), Cell(col, row))
                    << col << "," << row << " edge " << e;
                EXPECT_NE(Cell(c, r), Cell(col, row));
            }
}

TEST(Grid, StepsBeyondThe32BitRangeOverflow) {
    EXPECT_THROW(NeighbourCol(INT_MAX, 0, 2), EIntOverflow);
    EXPECT_THROW(NeighbourRow(0, INT_MIN, 1), EIntOverflow);
    EXPECT_THROW(NeighbourCol(0, 0, 0), ERangeError);
    EXPECT_THROW(NeighbourRow(0, 0, 7), ERangeError);
}

TEST(Grid, EdgeConversionsAreInverseForEveryRotation) {
    for (int rotation = 1; rotation <= 6; ++rotation)
        for (int e = 1; e <= 6; ++e) {
            EXPECT_EQ(RotateToTile(RotateToMap(e, rotation), rotation), e);
            EXPECT_EQ(RotateToMap(RotateToTile(e, rotation), rotation), e);
        }
    for (int e = 1; e <= 6; ++e)
        EXPECT_EQ(RotateToMap(e, 1), e);
    // Rotation 3: tile edge 1 lies on map edge 3, tile edge 5 on map edge 1,
    // map edge 2 holds tile edge 6.
    auto state = FreshState();
    Place(*state, 4, 0, 0, 3);
    EXPECT_EQ(ToMapEdge(*state, 4, 1), 3);
    EXPECT_EQ(ToMapEdge(*state, 4, 5), 1);
    EXPECT_EQ(ToTileEdge(*state, 4, 2), 6);
}

TEST(Grid, RotationOrEdgeOutsideOneToSixIsARangeError) {
    auto state = FreshState();
    EXPECT_THROW(HasRoadExitAt(*state, 1, 1, 0), ERangeError);
    EXPECT_THROW(HasRoadExitAt(*state, 1, 1, 7), ERangeError);
    EXPECT_THROW(HasRoadExitAt(*state, 1, 0, 1), ERangeError);
    EXPECT_THROW(HasRoadExit(*state, 1, 7), ERangeError);
    EXPECT_THROW(HasRoadExit(*state, 21, 1), ERangeError);
    EXPECT_THROW(ToMapEdge(*state, 1, 1), ERangeError); // rotation 0 before any map
    Place(*state, 1, 0, 0, 2);
    EXPECT_THROW(ToMapEdge(*state, 1, 7), ERangeError);
    EXPECT_THROW(ToTileEdge(*state, 1, 0), ERangeError);
    EXPECT_THROW(NeighbourTile(*state, 0, 1), ERangeError);
}

TEST(Grid, TileAcrossFindsOnlyPlacedTilesLowestFirst) {
    auto state = FreshState();
    state->Tiles[3].Col = 0;
    state->Tiles[3].Row = -1; // not placed: never found
    EXPECT_EQ(TileAcross(*state, 0, 0, 1), 0);
    Place(*state, 9, 0, -1, 1);
    EXPECT_EQ(TileAcross(*state, 0, 0, 1), 9);
    Place(*state, 5, 0, -1, 1);
    EXPECT_EQ(TileAcross(*state, 0, 0, 1), 5);
    EXPECT_EQ(TileAcross(*state, 0, 0, 4), 0);
}

TEST(Grid, NeighbourTileOfAnUnplacedTileIsZero) {
    auto state = FreshState();
    for (int e = 1; e <= 6; ++e) {
        const auto [c, r] = Across(0, 0, e);
        Place(*state, e, c, r, 1);
    }
    state->Tiles[11].Col = 0;
    state->Tiles[11].Row = 0;
    for (int e = 1; e <= 6; ++e)
        EXPECT_EQ(NeighbourTile(*state, 11, e), 0);
    state->Tiles[11].Placed = true;
    for (int e = 1; e <= 6; ++e)
        EXPECT_EQ(NeighbourTile(*state, 11, e), e);
}

TEST(Grid, RoadExitReadsOnlyRoadsAOfPresentClearings) {
    auto state = FreshState();
    // Tile 12 has roads through edges 1, 2 and 6 only.
    EXPECT_FALSE(HasRoadExit(*state, 12, 3));
    // A road through edge 3 in the second set alone does not count.
    state->Tiles[12].Clearings[1].RoadsB[4] = {true, 0, RoadToEdge, 0, 3};
    EXPECT_FALSE(HasRoadExit(*state, 12, 3));
    // Nor does one of an absent clearing.
    state->Tiles[1].Clearings[3].RoadsA[1] = {true, 0, RoadToEdge, 0, 4};
    EXPECT_FALSE(HasRoadExit(*state, 1, 4));
    // Dropping the only clearing with a road through an edge removes the exit.
    EXPECT_TRUE(HasRoadExit(*state, 17, 1));
    state->Tiles[17].Clearings[2].Present = false;
    EXPECT_FALSE(HasRoadExit(*state, 17, 1));
    // HasRoadExitAt asks for the tile edge lying on the map edge: tile 17's
    // edge 1 lies on map edge 4 under rotation 4.
    EXPECT_TRUE(HasRoadExitAt(*state, 12, 1, 1));
    EXPECT_FALSE(HasRoadExitAt(*state, 17, 4, 4));
    state->Tiles[17].Clearings[2].Present = true;
    EXPECT_TRUE(HasRoadExitAt(*state, 17, 4, 4));
    EXPECT_FALSE(HasRoadExitAt(*state, 17, 1, 4));
}
