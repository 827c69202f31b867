#include "layout_check.h"

#include "acceptance.h"
#include "grid.h"
#include "translatable.h"

#include <array>

namespace tavrin {
namespace {

// A map edge as the sentences name it, from the tile's side.
// clang-format off
constexpr std::array<std::string_view, 7> EdgeWords{
    "", TAVRIN_TEXT("Core", "upper"), TAVRIN_TEXT("Core", "upper right"),
    TAVRIN_TEXT("Core", "lower right"), TAVRIN_TEXT("Core", "lower"),
    TAVRIN_TEXT("Core", "lower left"), TAVRIN_TEXT("Core", "upper left")};
// clang-format on

std::string NameOf(const TMapState& state, int tile) {
    return std::string(state.Tiles[tile].Name.View());
}

// The map edges of a placed tile with a road through them.
TEdgeMask MapExits(const TMapState& state, int tile) {
    const int rotation = state.Tiles[tile].Rotation;
    assert(rotation >= 1 && rotation <= 6);
    return state.TileRoads[tile].ExitsAt[static_cast<std::size_t>(rotation)];
}

// The map edge of `from`'s cell that `to` lies across; 0 when they do not touch.
int EdgeBetween(TCell from, TCell to) {
    // Cells that touch lie at most one column and one row apart.
    if (static_cast<std::int64_t>(from.Col) - to.Col > 1 ||
        static_cast<std::int64_t>(to.Col) - from.Col > 1 ||
        static_cast<std::int64_t>(from.Row) - to.Row > 1 ||
        static_cast<std::int64_t>(to.Row) - from.Row > 1)
        return 0;
    for (TEdge edge : AllEdges)
        if (Neighbour(from, edge) == to)
            return edge.Number();
    return 0;
}

TLayoutFinding Finding(TFindingKind kind, int tile, std::string sentence) {
    return {kind, tile, 0, 0, NoLocation, std::move(sentence)};
}

} // namespace

std::vector<TLayoutFinding> CheckLayout(const TMapState& state) {
    std::vector<TLayoutFinding> findings;
    const auto placed = [&](int t) { return state.Tiles[t].Placed; };
    const auto cell = [&](int t) { return CellOf(state.Tiles[t]); };

    for (int t = 1; t <= TileCount; ++t)
        if (!placed(t))
            findings.push_back(
                Finding(TFindingKind::NotPlaced, t,
                        FillText(TAVRIN_TEXT("Core", "%1 is not on the map"), {NameOf(state, t)})));

    // Which placed tiles touch, and across which edge: one pass over the pairs.
    std::array<std::array<std::uint8_t, TileCount + 1>, TileCount + 1> edge{};
    std::array<bool, TileCount + 1> touches{};
    for (int t = 1; t <= TileCount; ++t) {
        if (!placed(t))
            continue;
        for (int u = t + 1; u <= TileCount; ++u) {
            if (!placed(u))
                continue;
            if (cell(t) == cell(u)) {
                const TCell c = cell(t);
                TLayoutFinding f = Finding(
                    TFindingKind::SharedCell, t,
                    FillText(TAVRIN_TEXT("Core", "%1 and %2 lie in one cell, column %3, row %4"),
                             {NameOf(state, t), NameOf(state, u), std::to_string(c.Col),
                              std::to_string(c.Row)}));
                f.OtherTile = u;
                findings.push_back(std::move(f));
                touches[t] = touches[u] = true;
                continue;
            }
            const int e = EdgeBetween(cell(t), cell(u));
            edge[t][u] = static_cast<std::uint8_t>(e);
            if (e != 0)
                touches[t] = touches[u] = true;
        }
    }

    for (int t = 1; t <= TileCount; ++t)
        if (placed(t) && !touches[t])
            findings.push_back(
                Finding(TFindingKind::Isolated, t,
                        FillText(TAVRIN_TEXT("Core", "%1 touches no other tile"), {NameOf(state, t)})));

    for (int t = 1; t <= TileCount; ++t) {
        for (int u = t + 1; u <= TileCount; ++u) {
            if (edge[t][u] == 0)
                continue;
            const TEdge e(edge[t][u]);
            const bool tRoad = Has(MapExits(state, t), e);
            const bool uRoad = Has(MapExits(state, u), Opposite(e));
            if (tRoad == uRoad)
                continue;
            const int with = tRoad ? t : u;
            const int without = tRoad ? u : t;
            const TEdge side = tRoad ? e : Opposite(e);
            TLayoutFinding f = Finding(
                TFindingKind::RoadMismatch, with,
                FillText(TAVRIN_TEXT("Core",
                                     "%1 has a road at its %2 edge; %3 has none at the edge they share"),
                         {NameOf(state, with), EdgeWords[static_cast<std::size_t>(side.Number())],
                          NameOf(state, without)}));
            f.OtherTile = without;
            f.Direction = side.Number();
            findings.push_back(std::move(f));
        }
    }

    // With March Land off the map nothing is reached, and its own finding
    // says all there is to say.
    if (!placed(StartTile))
        return findings;
    const TReachedClearings reached = ReachedFromStart(state);
    const std::string start = NameOf(state, StartTile);
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        if (!placed(t) || TileReached(tile, reached[static_cast<std::size_t>(t)]))
            continue;
        const std::uint8_t asked = AskedClearings(tile);
        if (asked == 0) {
            TLayoutFinding f = Finding(
                TFindingKind::Unreached, t,
                FillText(TAVRIN_TEXT("Core", "No road from %1 can reach %2: it has no clearing"),
                         {start, NameOf(state, t)}));
            f.Clearing = {static_cast<std::uint8_t>(t), 0};
            findings.push_back(std::move(f));
            continue;
        }
        for (int c = 1; c <= 6; ++c) {
            if ((asked >> c & 1) == 0 || (reached[static_cast<std::size_t>(t)] >> c & 1) != 0)
                continue;
            TLayoutFinding f = Finding(
                TFindingKind::Unreached, t,
                FillText(TAVRIN_TEXT("Core", "No road from %1 reaches clearing %2 of %3"),
                         {start, std::to_string(c), NameOf(state, t)}));
            f.Clearing = {static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(c)};
            findings.push_back(std::move(f));
        }
    }
    return findings;
}

} // namespace tavrin
