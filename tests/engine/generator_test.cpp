#include "engine_test_support.h"
#include "generator.h"
#include "grid.h"
#include "map_string.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using namespace tavrin;
using namespace tavrin::test;

namespace {

// A seed whose first draw of 20 is `value`.
std::uint32_t SeedForFirstDraw20(std::uint32_t value) {
    for (std::uint32_t seed = 0;; ++seed) {
        TRandom random{seed};
        if (random.Draw(20) == value)
            return seed;
    }
}

std::vector<std::tuple<int, int, int>> Entries(const TCandidates& c) {
    std::vector<std::tuple<int, int, int>> out;
    for (int k = 1; k <= c.nposs; ++k)
        out.emplace_back(c.Entries[k].Cell.Col, c.Entries[k].Cell.Row, c.Entries[k].Rotation);
    return out;
}

} // namespace

TEST(PickFreeTile, WrapsFromTwentyToOne) {
    auto state = FreshState();
    state->Random.Seed = SeedForFirstDraw20(19);
    state->Tiles[20].Placed = true;
    EXPECT_EQ(PickFreeTile(*state), 1);
}

TEST(PickFreeTile, WalksUpThroughARunOfPlacedTiles) {
    auto state = FreshState();
    state->Random.Seed = SeedForFirstDraw20(4); // lands on tile 5
    for (int t : {5, 6, 7})
        state->Tiles[t].Placed = true;
    EXPECT_EQ(PickFreeTile(*state), 8);
}

TEST(TileFits, FacingEdgesMustAgreeOnRoads) {
    auto state = FreshState();
    Place(*state, 17, 0, 0, 1); // Tor: its only road leaves through edge 1
    // Across map edge 1 of Tor lies (0, -1); the candidate's map edge 4 faces it.
    // Rubble (tile 15) under rotation 1 has no road through edge 4: no fit.
    EXPECT_FALSE(TileFits(*state, 15, {0, -1}, TRotation(1)));
    // Steep Gap (tile 14) has a road through edge 4: fits.
    EXPECT_TRUE(TileFits(*state, 14, {0, -1}, TRotation(1)));
    // Below Tor (0, 1), Tor's edge 4 has no road; Grotto's edge 1 under
    // rotation 1 has one (no fit), under rotation 4 its edge 4 lies there and
    // carries none (fit: neither side has a road).
    EXPECT_FALSE(TileFits(*state, 12, {0, 1}, TRotation(1)));
    EXPECT_TRUE(TileFits(*state, 12, {0, 1}, TRotation(4)));
    // A cell with no placed neighbour sets no condition.
    EXPECT_TRUE(TileFits(*state, 12, {5, 5}, TRotation(3)));
    EXPECT_EQ(CountNeighbours(*state, {0, 1}), 1);
    EXPECT_EQ(CountNeighbours(*state, {5, 5}), 0);
}

// The six cells around tile 11, edge by edge, then rotation by rotation. Tor
// has a single road, through its edge 1: it fits a cell only with that edge
// on the map edge facing tile 11. Ashen Hollow has roads through every edge
// but its edge 4: it fits every cell in the five rotations that keep edge 4
// off the facing edge.
TEST(CollectCandidates, FirstPlacementRingsTileElevenInEdgeThenRotationOrder) {
    auto state = FreshState();
    PlaceTile(*state, StartTile, {0, 0}, TRotation(2));
    using E = std::tuple<int, int, int>;
    TCandidates tor{};
    CollectCandidates(*state, tor, 17, true);
    EXPECT_EQ(
        Entries(tor),
        (std::vector<E>{{0, -1, 4}, {1, -1, 5}, {1, 0, 6}, {0, 1, 1}, {-1, 0, 2}, {-1, -1, 3}}));
    TCandidates hollow{};
    CollectCandidates(*state, hollow, 1, true);
    const auto entries = Entries(hollow);
    ASSERT_EQ(entries.size(), 30u);
    EXPECT_EQ(
        std::vector<E>(entries.begin(), entries.begin() + 6),
        (std::vector<E>{{0, -1, 2}, {0, -1, 3}, {0, -1, 4}, {0, -1, 5}, {0, -1, 6}, {1, -1, 1}}));
    EXPECT_EQ(entries.back(), E(-1, -1, 5));
}

TEST(CollectCandidates, CellReachedFromTwoTilesEntersOncePerRotation) {
    auto state = FreshState();
    PlaceTile(*state, StartTile, {0, 0}, TRotation(1));
    PlaceTile(*state, 1, {1, 0}, TRotation(1)); // lower right of tile 11
    TCandidates candidates{};
    CollectCandidates(*state, candidates, 18, false);
    const auto entries = Entries(candidates);
    std::set<std::tuple<int, int, int>> unique(entries.begin(), entries.end());
    EXPECT_EQ(unique.size(), entries.size());
    // Later placements need two placed neighbours: only the two cells that
    // touch both tiles qualify, (1, -1) and (0, 1).
    for (const auto& [c, r, q] : entries)
        EXPECT_TRUE((c == 1 && r == -1) || (c == 0 && r == 1)) << c << "," << r;
    // (1, -1) is met first from tile 11 (edge 2), then again from tile 1.
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(std::get<0>(entries.front()), 1);
    EXPECT_EQ(std::get<1>(entries.front()), -1);
}

TEST(AddCandidate, ListOverflowIsReportedAndThenARangeError) {
    auto state = FreshState();
    TRecordingSink sink;
    state->Messages = &sink;
    TCandidates candidates{};
    const TRotation one(1);
    for (int k = 0; k < MaxCandidates; ++k)
        AddCandidate(*state, candidates, {k, 0}, one);
    AddCandidate(*state, candidates, {5, 0}, one); // a duplicate changes nothing
    EXPECT_EQ(candidates.nposs, 100);
    AddCandidate(*state, candidates, {500, 0}, one);
    EXPECT_EQ(candidates.nposs, 101);
    EXPECT_EQ(sink.Messages, std::vector<std::string>{"Internal error: nposs=101"});
    AddCandidate(*state, candidates, {7, 0}, one); // found among the 100 stored
    EXPECT_THROW(AddCandidate(*state, candidates, {600, 0}, one), ERangeError);
}

TEST(GenerateMap, EveryMapIsAValidLayout) {
    auto state = FreshState();
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        state->Random.Seed = seed * 7919u;
        EXPECT_GE(GenerateMap(*state), 1);
        EXPECT_EQ(state->Tiles[StartTile].Col, 0);
        EXPECT_EQ(state->Tiles[StartTile].Row, 0);
        std::set<std::pair<int, int>> cells;
        for (int t = 1; t <= TileCount; ++t) {
            const TTile& tile = state->Tiles[t];
            ASSERT_TRUE(tile.Placed);
            ASSERT_GE(tile.Rotation, 1);
            ASSERT_LE(tile.Rotation, 6);
            EXPECT_TRUE(cells.emplace(tile.Col, tile.Row).second) << "seed " << seed;
            bool touches = false;
            for (TEdge e : AllEdges) {
                const int nb = NeighbourTile(*state, t, e);
                touches |= nb != 0;
                if (nb != 0) {
                    EXPECT_EQ(HasRoadExitAt(*state, t, e, RotationOf(tile)),
                              HasRoadExitAt(*state, nb, Opposite(e), RotationOf(state->Tiles[nb])))
                        << "seed " << seed << " tile " << t << " edge " << e.Number();
                }
            }
            EXPECT_TRUE(touches);
        }
    }
}

TEST(GenerateMap, SameSeedSameMap) {
    auto a = FreshState();
    auto b = FreshState();
    a->Random.Seed = b->Random.Seed = 424242;
    GenerateMap(*a);
    GenerateMap(*b);
    EXPECT_EQ(MakeMapString(*a), MakeMapString(*b));
    EXPECT_EQ(a->Random.Seed, b->Random.Seed);
}

TEST(GenerateMap, AbandonedAttemptStartsAgainFromAnEmptyGrid) {
    // Over many seeds some attempt is abandoned; whatever was placed in it is
    // gone and tile 11 is back at the origin.
    auto state = FreshState();
    int abandoned = 0;
    for (std::uint32_t seed = 1; seed < 200 && abandoned == 0; ++seed) {
        state->Random.Seed = seed;
        if (GenerateMap(*state) > 1)
            ++abandoned;
    }
    EXPECT_GT(abandoned, 0);
    EXPECT_EQ(state->Tiles[StartTile].Col, 0);
    EXPECT_EQ(state->Tiles[StartTile].Row, 0);
}

TEST(GenerateMap, UnplaceTileRestoresTheOffGridState) {
    auto state = FreshState();
    PlaceTile(*state, 3, {-4, 7}, TRotation(5));
    UnplaceTile(*state, 3);
    const TTile& t = state->Tiles[3];
    EXPECT_FALSE(t.Placed);
    EXPECT_EQ(t.Col, 0);
    EXPECT_EQ(t.Row, 0);
    EXPECT_EQ(t.Rotation, 1);
}
