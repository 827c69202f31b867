#include "road_graph.h"

#include "grid.h"

#include <algorithm>
#include <cassert>

namespace tavrin {
namespace {

int RoadSetOf(const TTile& tile) {
    return tile.Flipped ? RoadSetB : RoadSetA;
}

// [tile][map edge]: the placed tile across that edge of a placed tile, the
// lowest-numbered when two share the cell: what TileAcross answers, for every
// tile and edge at once.
using TNeighbours = std::array<std::array<std::uint8_t, 7>, 21>;

struct TPlacedTiles {
    std::array<std::uint8_t, TileCount> Tiles; // in tile order
    int Count = 0;
    std::int64_t MinCol = 0, MaxCol = 0, MinRow = 0, MaxRow = 0;
};

TPlacedTiles PlacedTiles(const TMapState& state) {
    TPlacedTiles placed{};
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        if (!tile.Placed)
            continue;
        if (placed.Count == 0) {
            placed.MinCol = placed.MaxCol = tile.Col;
            placed.MinRow = placed.MaxRow = tile.Row;
        }
        placed.MinCol = std::min<std::int64_t>(placed.MinCol, tile.Col);
        placed.MaxCol = std::max<std::int64_t>(placed.MaxCol, tile.Col);
        placed.MinRow = std::min<std::int64_t>(placed.MinRow, tile.Row);
        placed.MaxRow = std::max<std::int64_t>(placed.MaxRow, tile.Row);
        placed.Tiles[placed.Count++] = static_cast<std::uint8_t>(t);
    }
    return placed;
}

// Maps whose tiles lie within a small window (every generated map does):
// the tiles are put into a grid of the window, a border of one cell around
// them, and each tile's six neighbours are looked up there.
constexpr int WindowSide = 32;

constexpr std::array<int, 7> WindowSteps(bool odd) {
    std::array<int, 7> steps{};
    for (int e = 1; e <= 6; ++e)
        steps[e] = EdgeDX[e] * WindowSide + (odd ? EdgeDYOdd[e] : EdgeDYEven[e]);
    return steps;
}
constexpr std::array<std::array<int, 7>, 2> WindowStep{WindowSteps(false), WindowSteps(true)};

bool FitsWindow(const TPlacedTiles& placed) {
    return placed.MaxCol - placed.MinCol <= WindowSide - 3 &&
           placed.MaxRow - placed.MinRow <= WindowSide - 3;
}

TNeighbours NeighboursInWindow(const TMapState& state, const TPlacedTiles& placed) {
    std::array<std::uint8_t, WindowSide * WindowSide> window{};
    std::array<int, TileCount + 1> at{};
    for (int i = 0; i < placed.Count; ++i) {
        const int t = placed.Tiles[i];
        const TTile& tile = state.Tiles[t];
        at[t] = static_cast<int>((tile.Col - placed.MinCol + 1) * WindowSide +
                                 (tile.Row - placed.MinRow + 1));
        if (window[at[t]] == 0) // the lowest-numbered tile of a cell stays
            window[at[t]] = static_cast<std::uint8_t>(t);
    }
    TNeighbours across{};
    for (int i = 0; i < placed.Count; ++i) {
        const int t = placed.Tiles[i];
        const auto& step = WindowStep[IsOddColumn(state.Tiles[t].Col) ? 1 : 0];
        for (int e = 1; e <= 6; ++e)
            across[t][e] = window[at[t] + step[e]];
    }
    return across;
}

// The map edge of cell `from` that leads to cell `to`, or 0 when they are
// not neighbours.
int EdgeBetween(const TTile& from, const TTile& to) {
    const std::int64_t dc = std::int64_t{to.Col} - from.Col;
    const std::int64_t dr = std::int64_t{to.Row} - from.Row;
    if (dc == 0)
        return dr == -1 ? 1 : dr == 1 ? 4 : 0;
    if (dc != 1 && dc != -1)
        return 0;
    // Sideways, the upper neighbour lies a row up from an even column and in
    // the same row from an odd one.
    const std::int64_t upper = IsOddColumn(from.Col) ? 0 : -1;
    if (dr == upper)
        return dc == 1 ? 2 : 6;
    if (dr == upper + 1)
        return dc == 1 ? 3 : 5;
    return 0;
}

// Any other map: every pair of placed tiles compared, in tile order, so the
// first tile found across an edge is the lowest-numbered one in that cell.
TNeighbours NeighboursByPairs(const TMapState& state, const TPlacedTiles& placed) {
    TNeighbours across{};
    for (int i = 0; i < placed.Count; ++i) {
        const int a = placed.Tiles[i];
        for (int j = i + 1; j < placed.Count; ++j) {
            const int b = placed.Tiles[j];
            const int edge = EdgeBetween(state.Tiles[a], state.Tiles[b]);
            if (edge == 0)
                continue;
            std::uint8_t& ab = across[a][edge];
            if (ab == 0)
                ab = static_cast<std::uint8_t>(b);
            std::uint8_t& ba = across[b][Opposite(TEdge(edge)).Number()];
            if (ba == 0)
                ba = static_cast<std::uint8_t>(a);
        }
    }
    return across;
}

} // namespace

TRoadGraph::TRoadGraph(const TMapState& state) {
    for (int t = 1; t <= TileCount; ++t)
        Steps[t] = &state.TileRoads[t].Steps[RoadSetOf(state.Tiles[t])];

    const TPlacedTiles placed = PlacedTiles(state);
    const TNeighbours neighbours =
        FitsWindow(placed) ? NeighboursInWindow(state, placed) : NeighboursByPairs(state, placed);
    // Only placed tiles lead anywhere across an edge (a tile off the grid has
    // no neighbour, and its rotation may not be set). A road through an edge
    // with no neighbour leads nowhere (Across stays 0).
    for (int i = 0; i < placed.Count; ++i) {
        const int t = placed.Tiles[i];
        const TRotation rotation = RotationOf(state.Tiles[t]);
        for (TEdge mapEdge : AllEdges) {
            const int next = neighbours[t][mapEdge.Number()];
            if (next == 0)
                continue;
            const TTile& other = state.Tiles[next];
            const int clearing = state.TileRoads[next].ClearingAtMapEdge[RoadSetOf(
                other)][RotationOf(other).Number()][Opposite(mapEdge).Number()];
            Across[t][ToTileEdge(mapEdge, rotation).Number()] =
                IndexOf({static_cast<std::uint8_t>(next), static_cast<std::uint8_t>(clearing)});
        }
    }
}

TLocation TRoadGraph::Next(TLocation from, int slot) const {
    assert(from.Tile >= 1 && from.Tile <= TileCount && from.Clearing <= 6);
    assert(slot >= 1 && slot <= 5);
    return LocationAt(Follow(from.Tile, Roads(IndexOf(from))[slot - 1]));
}

std::uint8_t ClearingAtEdge(const TMapState& state, int tile, TEdge edge) {
    return state.TileRoads[tile].ClearingAt[RoadSetOf(state.Tiles[tile])][edge.Number()];
}

TLocation NextLocation(const TMapState& state, TLocation from, int slot) {
    return TRoadGraph(state).Next(from, slot);
}

} // namespace tavrin
