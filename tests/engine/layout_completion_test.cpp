#include "acceptance.h"
#include "grid.h"
#include "layout_check.h"
#include "layout_completion.h"
#include "test_state.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace tavrin;
using namespace tavrin::test;

namespace {

bool SameTiles(const TMapState& a, const TMapState& b) {
    return std::memcmp(&a.Tiles, &b.Tiles, sizeof a.Tiles) == 0;
}

bool Touching(const TMapState& state, int a, int b) {
    for (TEdge edge : AllEdges)
        if (NeighbourTile(state, a, edge) == b)
            return true;
    return false;
}

} // namespace

TEST(CompleteLayout, KeepsEveryKeptTileAndMakesAMapWithNoFinding) {
    auto state = FreshState(11);
    TRandom pick{99};
    int attempts = 0;
    for (int map = 0; map < 150; ++map) {
        CreateMap(*state);
        // Keep a tile with its neighbours, as a player pins a corner of a
        // map, or a few tiles anywhere, or none; lift some of the rest.
        TTileSet keep{};
        const int centre = 1 + static_cast<int>(pick.Draw(TileCount));
        for (int t = 1; t <= TileCount; ++t) {
            if (map % 10 == 0)
                keep[t] = false;
            else if (map % 2 == 0)
                keep[t] = pick.Draw(8) == 0;
            else
                keep[t] = t == centre || Touching(*state, t, centre);
        }
        for (int t = 1; t <= TileCount; ++t)
            if (!keep[t] && pick.Draw(2) == 0)
                state->Tiles[t].Placed = false;
        const auto before = std::make_unique<TMapState>(*state);
        const std::uint32_t draws = state->Random.Seed;

        const TCompletion done = CompleteLayout(*state, keep, static_cast<std::uint32_t>(map));
        ASSERT_TRUE(done.Complete) << "map " << map << ": " << done.Sentence;
        attempts += done.Attempts;
        EXPECT_TRUE(CheckLayout(*state).empty());
        EXPECT_EQ(state->Random.Seed, draws); // Create Map's sequence is left alone
        for (int t = 1; t <= TileCount; ++t)
            if (keep[t]) {
                const TTile &now = state->Tiles[t], &was = before->Tiles[t];
                ASSERT_EQ(std::tie(now.Col, now.Row, now.Rotation),
                          std::tie(was.Col, was.Row, was.Rotation))
                    << "map " << map << " tile " << t;
            }

        // The same seed lays the same map.
        auto again = std::make_unique<TMapState>(*before);
        CompleteLayout(*again, keep, static_cast<std::uint32_t>(map));
        ASSERT_TRUE(SameTiles(*state, *again)) << "map " << map;
    }
    EXPECT_LT(attempts, 150 * 50);
}

TEST(CompleteLayout, AFailedCompletionLeavesEveryTileAsItWas) {
    auto state = FreshState(5);
    CreateMap(*state);
    TTileSet all{};
    all.fill(true);

    // A kept tile turned against its neighbours: refused before any try.
    state->Tiles[3].Rotation = static_cast<std::uint8_t>(state->Tiles[3].Rotation % 6 + 1);
    auto before = std::make_unique<TMapState>(*state);
    const bool broken = !CheckLayout(*state).empty();
    TCompletion done = CompleteLayout(*state, all, 1);
    EXPECT_EQ(done.Complete, !broken);
    if (broken) {
        EXPECT_EQ(done.Attempts, 0);
        EXPECT_EQ(done.Sentence.rfind("The map cannot be completed: ", 0), 0u) << done.Sentence;
        EXPECT_TRUE(SameTiles(*state, *before));
    }

    // Two kept tiles too far apart for the rest to join: every try fails.
    TTileSet two{};
    two[11] = two[5] = true;
    Place(*state, 11, 0, 0, 1);
    Place(*state, 5, 0, 60, 1);
    before = std::make_unique<TMapState>(*state);
    done = CompleteLayout(*state, two, 1);
    EXPECT_FALSE(done.Complete);
    EXPECT_EQ(done.Attempts, CompletionAttemptLimit);
    EXPECT_EQ(done.Sentence, "No map passes around the kept tiles after 2000 tries; every tile "
                             "stays where it was.");
    EXPECT_TRUE(SameTiles(*state, *before));
}
