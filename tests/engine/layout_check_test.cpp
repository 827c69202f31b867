#include "acceptance.h"
#include "generator.h"
#include "grid.h"
#include "layout_check.h"
#include "test_state.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>

using namespace tavrin;
using namespace tavrin::test;

namespace {

// (tile with the road, tile without, map edge of the first toward the second)
using TMismatch = std::tuple<int, int, int>;

std::set<TMismatch> Mismatches(const std::vector<TLayoutFinding>& findings) {
    std::set<TMismatch> out;
    for (const TLayoutFinding& f : findings)
        if (f.Kind == TFindingKind::RoadMismatch)
            out.insert({f.Tile, f.OtherTile, f.Direction});
    return out;
}

// The edges of `tile` whose roads disagree with its neighbour's, read from
// the tile records by the grid's own questions.
std::set<TMismatch> BrokenEdgesOf(const TMapState& state, int tile) {
    std::set<TMismatch> out;
    for (TEdge edge : AllEdges) {
        const int nb = NeighbourTile(state, tile, edge);
        if (nb == 0)
            continue;
        const bool mine = HasRoadExitAt(state, tile, edge, RotationOf(state.Tiles[tile]));
        const bool theirs = HasRoadExitAt(state, nb, Opposite(edge), RotationOf(state.Tiles[nb]));
        if (mine && !theirs)
            out.insert({tile, nb, edge.Number()});
        if (theirs && !mine)
            out.insert({nb, tile, Opposite(edge).Number()});
    }
    return out;
}

bool HasKind(const std::vector<TLayoutFinding>& findings, TFindingKind kind) {
    for (const TLayoutFinding& f : findings)
        if (f.Kind == kind)
            return true;
    return false;
}

} // namespace

TEST(CheckLayout, CreatedMapsHaveNoFindingAndTurningATileNamesExactlyTheEdgesItBreaks) {
    auto state = FreshState(7);
    int broken = 0;
    for (int map = 0; map < 200; ++map) {
        CreateMap(*state);
        ASSERT_TRUE(CheckLayout(*state).empty()) << "map " << map;

        const int tile = 1 + map % TileCount;
        TTile& t = state->Tiles[tile];
        const std::uint8_t rotation = t.Rotation;
        t.Rotation = static_cast<std::uint8_t>(rotation % 6 + 1);
        const std::set<TMismatch> expected = BrokenEdgesOf(*state, tile);
        ASSERT_EQ(Mismatches(CheckLayout(*state)), expected) << "map " << map << " tile " << tile;
        broken += !expected.empty();
        t.Rotation = rotation;
    }
    EXPECT_GT(broken, 100); // most turns break something: the law was put to the test
}

TEST(CheckLayout, FindsUnreachedClearingsExactlyWhereTheAcceptanceTestRejects) {
    auto state = FreshState(3);
    int rejected = 0;
    for (int map = 0; map < 300; ++map) {
        GenerateMap(*state);
        const auto findings = CheckLayout(*state);
        ASSERT_EQ(HasKind(findings, TFindingKind::Unreached), !MapAccepted(*state)) << map;
        ASSERT_EQ(findings.size(), static_cast<std::size_t>(std::count_if(
                                       findings.begin(), findings.end(), [](const auto& f) {
                                           return f.Kind == TFindingKind::Unreached;
                                       })));
        for (const TLayoutFinding& f : findings)
            ASSERT_EQ(f.Sentence, "No road from March Land reaches clearing " +
                                      std::to_string(f.Clearing.Clearing) + " of " +
                                      std::string(state->Tiles[f.Tile].Name.View()));
        rejected += !findings.empty();
    }
    EXPECT_GT(rejected, 0);
}

TEST(CheckLayout, SaysWhatIsWrongInWordsInAFixedOrder) {
    auto state = FreshState();
    // Steep Gap above Scarp, with a road at its lower edge where Scarp has none.
    const int steepGap = 14, scarp = 16;
    bool found = false;
    for (int a = 1; a <= 6 && !found; ++a)
        for (int b = 1; b <= 6 && !found; ++b) {
            Place(*state, steepGap, 0, 0, a);
            Place(*state, scarp, 0, 1, b);
            found = HasRoadExitAt(*state, steepGap, TEdge(4), TRotation(a)) &&
                    !HasRoadExitAt(*state, scarp, TEdge(1), TRotation(b));
        }
    ASSERT_TRUE(found);
    Place(*state, 3, 0, 1, 1); // Gloom Hollow in Scarp's cell
    Place(*state, 5, 9, 9, 1); // Grim Hollow far away

    const auto findings = CheckLayout(*state);
    std::vector<std::string> sentences;
    for (const auto& f : findings)
        if (f.Kind != TFindingKind::RoadMismatch || f.OtherTile == scarp)
            sentences.push_back(f.Sentence);
    ASSERT_GE(sentences.size(), 5u);
    EXPECT_EQ(sentences[0], "Ashen Hollow is not on the map");
    const std::vector<std::string> tail(sentences.end() - 3, sentences.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{
                  "Gloom Hollow and Scarp lie in one cell, column 0, row 1",
                  "Grim Hollow touches no other tile",
                  "Steep Gap has a road at its lower edge; Scarp has none at the edge they share",
              }));
    const TLayoutFinding& last = findings.back();
    EXPECT_EQ(std::tie(last.Tile, last.OtherTile, last.Direction),
              std::make_tuple(steepGap, scarp, 4));
    // March Land is off the map: nothing is reached, and nothing more is said.
    EXPECT_FALSE(HasKind(findings, TFindingKind::Unreached));
}
