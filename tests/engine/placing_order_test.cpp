#include "acceptance.h"
#include "cell.h"
#include "grid.h"
#include "placing_order.h"
#include "test_state.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tavrin;
using namespace tavrin::test;

namespace {

std::vector<std::string> Texts(const TMapState& state) {
    std::vector<std::string> texts;
    for (const TPlacingStep& step : PlacingOrder(state))
        texts.push_back(std::string(state.Tiles[step.Tile].Name.View()) + ": " +
                        PlacingText(state, step));
    return texts;
}

} // namespace

// On every made map the order starts at tile 11, lays each tile once, and
// puts each next tile beside one laid before it, on the side it names.
TEST(PlacingOrder, EachTileTouchesAnEarlierOneOnItsNamedSide) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        auto state = FreshState(seed);
        CreateMap(*state);
        const TPlacingOrder order = PlacingOrder(*state);
        ASSERT_EQ(order[0].Tile, FirstLaidTile) << "seed " << seed;
        std::vector<bool> laid(TileCount + 1);
        for (const TPlacingStep& step : order) {
            ASSERT_FALSE(laid[step.Tile]) << "seed " << seed << " tile " << int(step.Tile);
            if (step.Tile != FirstLaidTile) {
                ASSERT_NE(step.Beside, 0) << "seed " << seed;
                ASSERT_TRUE(laid[step.Beside]) << "seed " << seed;
                EXPECT_EQ(Neighbour(CellOf(state->Tiles[step.Beside]), TEdge(step.Side)),
                          CellOf(state->Tiles[step.Tile]))
                    << "seed " << seed << " tile " << int(step.Tile);
            }
            laid[step.Tile] = true;
        }
    }
}

// A loaded map may hold an island and two tiles in one cell: every tile is
// still laid once, those that touch nothing laid by their column and row.
TEST(PlacingOrder, TilesTouchingNothingLaidAreLaidByTheirCell) {
    auto state = FreshState();
    for (int t = 1; t <= TileCount; ++t)
        Place(*state, t, 10, t, 1); // a column far from tile 11, one tile a row
    Place(*state, 11, 0, 0, 1);
    Place(*state, 1, 1, 0, 1);  // below right of tile 11 (column 0 is even)
    Place(*state, 2, 1, 0, 1);  // the same cell as tile 1
    Place(*state, 3, 0, -1, 1); // above tile 11
    const std::vector<std::string> texts = Texts(*state);
    EXPECT_EQ(texts[0], "March Land: first");
    EXPECT_EQ(texts[1], std::string(state->Tiles[3].Name.View()) + ": above March Land");
    EXPECT_EQ(texts[2], std::string(state->Tiles[1].Name.View()) + ": below right of March Land");
    EXPECT_EQ(texts[3], std::string(state->Tiles[2].Name.View()) + ": alone at column 1, row 0");
    EXPECT_EQ(texts[4], std::string(state->Tiles[4].Name.View()) + ": alone at column 10, row 4");
    EXPECT_EQ(texts[5], std::string(state->Tiles[5].Name.View()) + ": below " +
                            std::string(state->Tiles[4].Name.View()));
}
