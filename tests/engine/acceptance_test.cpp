#include "acceptance.h"
#include "engine_test_support.h"
#include "generator.h"
#include "map_string.h"

#include <gtest/gtest.h>

using namespace tavrin;
using namespace tavrin::test;

namespace {

// The rule of each tile kind, checked with the plain search.
bool AcceptedByPlainSearch(const TMapState& state) {
    const TDistances dist = RoadDistances(state, StartLocation);
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        int reached = 0, present = 0;
        for (int c = 1; c <= 6; ++c) {
            present += tile.Clearings[c].Present;
            reached += tile.Clearings[c].Present && dist[t][c] >= 0;
        }
        if (tile.Kind <= 1 && reached == 0)
            return false;
        if (tile.Kind >= 2 && reached != 6)
            return false;
    }
    return true;
}

} // namespace

TEST(MapAccepted, AgreesWithEachKindsRuleOnGeneratedMaps) {
    auto state = FreshState();
    int accepted = 0, rejected = 0, partlyReachedGrove = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        state->Random.Seed = seed * 2654435761u;
        GenerateMap(*state);
        const bool ok = MapAccepted(*state);
        ASSERT_EQ(ok, AcceptedByPlainSearch(*state)) << "seed " << seed;
        (ok ? accepted : rejected)++;
        if (!ok)
            continue;
        // Accepted maps where a Hollow or Grove tile has an unreached clearing
        // show that one reachable clearing is enough for those kinds.
        const TDistances dist = RoadDistances(*state, StartLocation);
        for (int t = 1; t <= 10; ++t)
            for (int c = 1; c <= 6; ++c)
                partlyReachedGrove += state->Tiles[t].Clearings[c].Present && dist[t][c] < 0;
    }
    EXPECT_GT(accepted, 0);
    EXPECT_GT(rejected, 0);
    EXPECT_GT(partlyReachedGrove, 0);
}

TEST(MapAccepted, OneUnreachableClearingOfAKindTwoTileRejects) {
    auto state = FreshState(7);
    CreateMap(*state);
    ASSERT_TRUE(MapAccepted(*state));
    // Taking any tile of kind 2 or 3 off the grid cuts it off.
    state->Tiles[16].Placed = false;
    EXPECT_FALSE(MapAccepted(*state));
    state->Tiles[16].Placed = true;
    // A tile of unknown kind is never examined.
    state->Tiles[16].Kind = 4;
    state->Tiles[16].Placed = false;
    EXPECT_TRUE(MapAccepted(*state));
}

TEST(CreateMap, PinnedMapsForASeed) {
    // Maps are reproduced seed for seed; these strings must never change.
    auto state = FreshState();
    state->Random.Seed = 12345;
    const TCreateMapStats first = CreateMap(*state);
    EXPECT_EQ(MakeMapString(*state),
              "cafdchffifdhedhcdeececcffefgdeddfdeegehebicbfdbhcejbeegcieae");
    EXPECT_EQ(first.Attempts, 8);
    EXPECT_EQ(first.Passes, 7);
    CreateMap(*state);
    EXPECT_EQ(MakeMapString(*state),
              "bfheeidffdgeedjefifdgcbhbchcciddecdfceedceebiecgffjdefegjbee");
    CreateMap(*state);
    EXPECT_EQ(MakeMapString(*state),
              "ececdhcfefcgceggcebdgbgefdjcbiddfdfidgfdcgdeeedeeejbfgebicce");
}
