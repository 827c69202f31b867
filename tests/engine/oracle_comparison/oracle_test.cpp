// The engine against the engine as it was before it was rewritten for speed
// (tests/engine/oracle, kept literally): the same maps draw for draw, the
// same attempt and pass counts, listings, acceptance answers and routes, on
// generated maps and on maps no generator makes (loaded, overlapping, half
// placed, with flipped tiles).
//
// One difference is intended: a clearing that its tile does not have is not
// connected to itself any more (the old search answered with that clearing).

#include "acceptance.h"
#include "generator.h"
#include "listing.h"
#include "map_string.h"
#include "oracle/acceptance.h"
#include "oracle/generator.h"
#include "oracle/listing.h"
#include "oracle/map_string.h"
#include "oracle/road_graph.h"
#include "oracle/route_search.h"
#include "road_graph.h"
#include "route_search.h"
#include "route_sweep.h"
#include "test_state.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace tavrin;
using namespace tavrin::test;

namespace {

struct TOracleSink : oracle::IMessageSink {
    void ShowMessage(std::string_view text) override { Messages.emplace_back(text); }
    std::vector<std::string> Messages;
};

// The engine's state and the oracle's, started alike.
struct TPair {
    std::unique_ptr<TMapState> New = std::make_unique<TMapState>();
    std::unique_ptr<oracle::TMapState> Old = std::make_unique<oracle::TMapState>();
    TRecordingSink NewMessages;
    TOracleSink OldMessages;

    TPair(const TPair&) = delete; // the states point at the sinks
    explicit TPair(std::uint32_t seed) {
        InitTiles(*New, seed);
        oracle::InitTiles(*Old, seed);
        New->Messages = &NewMessages;
        Old->Messages = &OldMessages;
    }

    // Places both maps as `text` says, with the given Placed and Flipped flags.
    void Load(const std::string& text, std::uint32_t placed, std::uint32_t flipped) {
        ASSERT_TRUE(ReadMapString(*New, text));
        ASSERT_TRUE(oracle::ReadMapString(*Old, text));
        for (int t = 1; t <= TileCount; ++t) {
            New->Tiles[t].Placed = Old->Tiles[t].Placed = (placed >> t & 1) != 0;
            New->Tiles[t].Flipped = Old->Tiles[t].Flipped = (flipped >> t & 1) != 0;
        }
    }
};

oracle::TLocation Old(TLocation l) {
    return {l.Tile, l.Clearing};
}

// Every location a query can name: tiles 1..20, clearings 0..6.
std::vector<TLocation> AllLocations() {
    std::vector<TLocation> all;
    for (int t = 1; t <= TileCount; ++t)
        for (int c = 0; c <= 6; ++c)
            all.push_back(Loc(t, c));
    return all;
}

// `found`: whether the oracle found a route.
void ExpectSameRoute(const TPair& pair, TLocation from, TLocation to, bool& found) {
    TRoute route{};
    oracle::TRoute old{};
    FindShortestPath(*pair.New, from, to, route);
    oracle::FindShortestPath(*pair.Old, Old(from), Old(to), old);
    found = old.Live;
    if (from == to && !pair.New->Tiles[from.Tile].Clearings[from.Clearing].Present) {
        // The intended difference: no route through a clearing that is not there.
        EXPECT_TRUE(old.Live);
        EXPECT_FALSE(route.Live);
        return;
    }
    bool same = route.Live == old.Live && route.Count == old.Count;
    for (int k = 1; same && k <= route.Count; ++k)
        same = route.Locations[k].Tile == old.Locations[k].Tile &&
               route.Locations[k].Clearing == old.Locations[k].Clearing;
    ASSERT_TRUE(same) << LocationText(from) << " to " << LocationText(to) << ":\n"
                      << RouteAnswer(route) << "\nwas\n"
                      << oracle::RouteAnswer(old);
}

// Routes from `from` to every location, and the sweep's claim: a search from
// `from` finds a location exactly when the sweep without target takes it.
void ExpectSameRoutesFrom(const TPair& pair, TLocation from) {
    const TRoadGraph graph(*pair.New);
    TRouteSweep sweep(graph, from);
    sweep.RunAll();
    for (TLocation to : AllLocations()) {
        bool found = false;
        ExpectSameRoute(pair, from, to, found);
        if (to != from) {
            ASSERT_EQ(sweep.Taken(to), found) << LocationText(from) << " to " << LocationText(to);
        }
    }
}

void ExpectSameRoadGraph(const TPair& pair) {
    for (TLocation at : AllLocations())
        for (int slot = 1; slot <= 5; ++slot) {
            const TLocation next = NextLocation(*pair.New, at, slot);
            const oracle::TLocation old = oracle::NextLocation(*pair.Old, Old(at), slot);
            ASSERT_EQ(next.Tile, old.Tile) << LocationText(at) << " slot " << slot;
            ASSERT_EQ(next.Clearing, old.Clearing) << LocationText(at) << " slot " << slot;
        }
}

// The acceptance test with one tile examined at a time (every other tile of
// a kind that is not examined), as each kind demands: so its answer shows
// which of that tile's clearings the search reaches from the start.
void ExpectSameAcceptanceTileByTile(const TPair& pair) {
    for (std::uint8_t kind : {0, 2})
        for (int examined = 1; examined <= TileCount; ++examined) {
            for (int t = 1; t <= TileCount; ++t)
                pair.New->Tiles[t].Kind = pair.Old->Tiles[t].Kind = t == examined ? kind : 4;
            ASSERT_EQ(MapAccepted(*pair.New), oracle::MapAccepted(*pair.Old))
                << "tile " << examined << " as kind " << int{kind};
        }
    for (int t = 1; t <= TileCount; ++t)
        pair.New->Tiles[t].Kind = pair.Old->Tiles[t].Kind = static_cast<std::uint8_t>((t - 1) / 5);
}

// Maps no generator makes: columns and rows from a narrow window (so tiles
// crowd, touch and share cells with disagreeing edges), the same with one
// tile far away, or from the whole range a map string carries; some tiles
// unplaced; every other group of maps with some tiles flipped.
struct TOddMap {
    std::string Text;
    std::uint32_t Placed;
    std::uint32_t Flipped;
};

TOddMap OddMap(std::mt19937& random, int index) {
    constexpr int Spreads[] = {1, 3, 2, 127};
    const int spread = Spreads[index % 4];
    const bool flips = index / 4 % 2 == 1;
    TOddMap map{std::string(MapStringLength, ' '), 0, 0};
    for (int t = 1; t <= TileCount; ++t) {
        const auto coordinate = [&] {
            return static_cast<char>(100 + static_cast<int>(random() % (2 * spread + 1)) - spread);
        };
        map.Text[3 * t - 3] = coordinate();
        map.Text[3 * t - 2] = coordinate();
        map.Text[3 * t - 1] = static_cast<char>(101 + random() % 6);
        if (random() % 8 != 0)
            map.Placed |= 1u << t;
        if (flips && random() % 6 == 0)
            map.Flipped |= 1u << t;
    }
    if (index % 4 == 2) // one tile at the far end of the range
        map.Text[3 * (1 + random() % TileCount) - 3] = static_cast<char>(random() % 2 ? 0 : 255);
    return map;
}

} // namespace

// Create Map seed for seed, in blocks that CTest runs side by side.
class SameAsOracle : public testing::TestWithParam<int> {};

TEST_P(SameAsOracle, CreateMapGivesTheSameMapDrawForDraw) {
    constexpr std::uint32_t Block = 500;
    for (std::uint32_t seed = GetParam() * Block; seed < (GetParam() + 1) * Block; ++seed) {
        TPair pair(seed);
        const TCreateMapStats stats = CreateMap(*pair.New);
        const oracle::TCreateMapStats old = oracle::CreateMap(*pair.Old);
        ASSERT_EQ(MakeMapString(*pair.New), oracle::MakeMapString(*pair.Old)) << "seed " << seed;
        ASSERT_EQ(stats.Attempts, old.Attempts) << "seed " << seed;
        ASSERT_EQ(stats.Passes, old.Passes) << "seed " << seed;
        ASSERT_EQ(pair.New->Random.Seed, pair.Old->Random.Seed) << "seed " << seed;
        ASSERT_EQ(TileListing(*pair.New), oracle::TileListing(*pair.Old)) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, SameAsOracle, testing::Range(0, 4));

// Raw maps of GenerateMap, accepted or not: the acceptance answer and the
// route from the start to every location.
TEST(SameAsOracleMaps, GeneratedMapsAnswerEveryRouteFromTheStartAlike) {
    int accepted = 0;
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        TPair pair(seed * 2654435761u);
        ASSERT_EQ(GenerateMap(*pair.New), oracle::GenerateMap(*pair.Old)) << "seed " << seed;
        ASSERT_EQ(MakeMapString(*pair.New), oracle::MakeMapString(*pair.Old)) << "seed " << seed;
        const bool ok = MapAccepted(*pair.New);
        ASSERT_EQ(ok, oracle::MapAccepted(*pair.Old)) << "seed " << seed;
        accepted += ok;
        ExpectSameRoutesFrom(pair, StartLocation);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(accepted, 20);
    EXPECT_LT(accepted, 280);
}

TEST(SameAsOracleMaps, OddMapsAnswerEveryStepAndRouteAlike) {
    std::mt19937 random(20240611);
    for (int index = 0; index < 150; ++index) {
        TPair pair(static_cast<std::uint32_t>(index));
        const TOddMap map = OddMap(random, index);
        pair.Load(map.Text, map.Placed, map.Flipped);
        ExpectSameRoadGraph(pair);
        ASSERT_EQ(MapAccepted(*pair.New), oracle::MapAccepted(*pair.Old)) << map.Text;
        ExpectSameAcceptanceTileByTile(pair);
        ExpectSameRoutesFrom(pair, StartLocation);
        ExpectSameRoutesFrom(pair, Loc(1 + index % TileCount, 1 + index % 6));
        if (HasFatalFailure())
            return;
    }
}

// Every pair of locations on 200 maps, in shards that CTest runs side by
// side: accepted maps, raw maps of GenerateMap, odd maps, and in the first
// shard the map before any map (nothing placed, rotations 0).
class SameAsOracleRoutes : public testing::TestWithParam<int> {};

TEST_P(SameAsOracleRoutes, EveryPairOfLocationsIsAnsweredAlike) {
    constexpr int MapsPerShard = 25;
    std::mt19937 random(static_cast<std::uint32_t>(GetParam()));
    for (int k = 0; k < MapsPerShard; ++k) {
        const int index = GetParam() * MapsPerShard + k;
        TPair pair(static_cast<std::uint32_t>(index) * 7919u);
        if (index == 0) {
            // as InitTiles left it
        } else if (k % 3 == 0) {
            CreateMap(*pair.New);
            oracle::CreateMap(*pair.Old);
        } else if (k % 3 == 1) {
            GenerateMap(*pair.New);
            oracle::GenerateMap(*pair.Old);
        } else {
            const TOddMap map = OddMap(random, index);
            pair.Load(map.Text, map.Placed, map.Flipped);
        }
        for (TLocation from : AllLocations()) {
            ExpectSameRoutesFrom(pair, from);
            if (HasFatalFailure())
                return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Maps, SameAsOracleRoutes, testing::Range(0, 8));

// With no roads through any edge every tile fits everywhere: on a double
// strip of 19 tiles the 20th finds more candidates than the list holds. The
// same message, the same error, at the same point.
TEST(SameAsOracleMaps, CandidateListOverflowIsTheSame) {
    TPair pair(5);
    for (int t = 1; t <= TileCount; ++t)
        for (int c = 1; c <= 6; ++c)
            for (int slot = 1; slot <= 5; ++slot) {
                if (pair.New->Tiles[t].Clearings[c].RoadsA[slot].Kind == RoadToEdge)
                    pair.New->Tiles[t].Clearings[c].RoadsA[slot] = {};
                if (pair.Old->Tiles[t].Clearings[c].RoadsA[slot].Kind == oracle::RoadToEdge)
                    pair.Old->Tiles[t].Clearings[c].RoadsA[slot] = {};
            }
    ComputeExits(*pair.New);
    oracle::ComputeExits(*pair.Old);
    // Tile 11 at the origin, then 1..10 and 12..19: column 0 rows 0..9,
    // column 1 rows 0..8.
    int tile = StartTile;
    for (int col = 0; col <= 1; ++col)
        for (int row = 0; row <= 9 - col; ++row) {
            PlaceOnGrid(*pair.New, tile, {col, row}, TRotation(1));
            oracle::PlaceTile(*pair.Old, tile, col, row, 1);
            tile = tile == StartTile ? 1 : tile + 1 == StartTile ? tile + 2 : tile + 1;
        }
    ASSERT_EQ(tile, 20);

    std::string error, oldError;
    try {
        PlaceNextTile(*pair.New, 20, false);
    } catch (const ETavrinError& e) {
        error = e.what();
    }
    try {
        oracle::TCandidates candidates{};
        oracle::CollectCandidates(*pair.Old, candidates, 20, false);
        const auto k = pair.Old->Random.Draw(static_cast<std::uint32_t>(candidates.nposs)) + 1;
        const oracle::TCandidate& chosen = candidates.Entries[k];
        oracle::PlaceTile(*pair.Old, 20, chosen.Col, chosen.Row, chosen.Rotation);
    } catch (const oracle::ETavrinError& e) {
        oldError = e.what();
    }
    EXPECT_EQ(error, "Range check error");
    EXPECT_EQ(error, oldError);
    EXPECT_EQ(pair.NewMessages.Messages, std::vector<std::string>{"Internal error: nposs=101"});
    EXPECT_EQ(pair.NewMessages.Messages, pair.OldMessages.Messages);
    EXPECT_EQ(MakeMapString(*pair.New), oracle::MakeMapString(*pair.Old));
    EXPECT_EQ(pair.New->Random.Seed, pair.Old->Random.Seed);
}
