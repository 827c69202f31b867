#include "generator.h"

#include "grid.h"

#include <string>

namespace tavrin::oracle {
namespace {

// The placed tiles around a cell, looked up once and shared by the six
// rotations tried there. nb[e] is TileAcross(col, row, e).
struct TCellNeighbours {
    CheckedArray<std::uint8_t, 1, 6> nb;
    int count;
};

TCellNeighbours NeighboursOf(const TMapState& state, std::int32_t col, std::int32_t row) {
    TCellNeighbours cell{};
    for (int e = 1; e <= 6; ++e) {
        cell.nb[e] = TileAcross(state, col, row, e);
        cell.count += cell.nb[e] != 0;
    }
    return cell;
}

bool FitsBetween(const TMapState& state, int tile, const TCellNeighbours& cell, int rotation) {
    for (int e = 1; e <= 6; ++e) {
        const int nb = cell.nb[e];
        if (nb != 0 && HasRoadExitAt(state, tile, e, rotation) !=
                           HasRoadExitAt(state, nb, OppositeEdge[e], state.Tiles[nb].Rotation))
            return false;
    }
    return true;
}

} // namespace

std::uint8_t RandomRotation(TMapState& state) {
    return InRange<1, 6>(static_cast<std::int64_t>(state.Random.Draw(6)) + 1);
}

void PlaceTile(TMapState& state, int tile, std::int32_t col, std::int32_t row, int rotation) {
    TTile& t = state.Tiles[tile];
    t.Col = col;
    t.Row = row;
    t.Rotation = InRange<1, 6>(rotation);
    t.Placed = true;
}

void UnplaceTile(TMapState& state, int tile) {
    TTile& t = state.Tiles[tile];
    t.Col = 0;
    t.Row = 0;
    t.Rotation = 1;
    t.Placed = false;
}

std::uint8_t PickFreeTile(TMapState& state) {
    // Not uniform over the free tiles: a draw landing on a placed tile walks
    // upward (20 wraps to 1) to the next free one.
    int tile = static_cast<int>(state.Random.Draw(TileCount)) + 1;
    while (state.Tiles[tile].Placed) {
        ++tile;
        if (tile == TileCount + 1)
            tile = 1;
    }
    return static_cast<std::uint8_t>(tile);
}

int CountNeighbours(const TMapState& state, std::int32_t col, std::int32_t row) {
    return NeighboursOf(state, col, row).count;
}

bool TileFits(const TMapState& state, int tile, std::int32_t col, std::int32_t row, int rotation) {
    return FitsBetween(state, tile, NeighboursOf(state, col, row), rotation);
}

void AddCandidate(const TMapState& state, TCandidates& candidates, std::int32_t col,
                  std::int32_t row, int rotation) {
    for (std::int32_t k = 1; k <= candidates.nposs; ++k) {
        const TCandidate& c = candidates.Entries[k];
        if (c.Col == col && c.Row == row && c.Rotation == rotation)
            return;
    }
    candidates.nposs = CheckedAdd(candidates.nposs, 1);
    if (candidates.nposs <= MaxCandidates) {
        candidates.Entries[candidates.nposs] = {col, row, InRange<1, 6>(rotation)};
        return;
    }
    state.ShowMessage("Internal error: nposs=" + std::to_string(candidates.nposs));
}

void CollectCandidates(const TMapState& state, TCandidates& candidates, int tile,
                       bool firstPlacement) {
    for (int i = 1; i <= TileCount; ++i) {
        const TTile& placed = state.Tiles[i];
        if (!placed.Placed)
            continue;
        for (int e = 1; e <= 6; ++e) {
            if (NeighbourTile(state, i, e) != 0)
                continue;
            const std::int32_t col = NeighbourCol(placed.Col, placed.Row, e);
            const std::int32_t row = NeighbourRow(placed.Col, placed.Row, e);
            const TCellNeighbours cell = NeighboursOf(state, col, row);
            // From the third tile on a cell must touch two placed tiles; the
            // count is the same for every rotation, so it is taken once.
            if (!firstPlacement && cell.count < 2)
                continue;
            for (int q = 1; q <= 6; ++q)
                if (FitsBetween(state, tile, cell, q))
                    AddCandidate(state, candidates, col, row, q);
        }
    }
}

std::int32_t GenerateMap(TMapState& state) {
    TCandidates candidates{};
    for (std::int32_t attempts = 1;; attempts = CheckedAdd(attempts, 1)) {
        for (int t = 1; t <= TileCount; ++t)
            UnplaceTile(state, t);
        PlaceTile(state, StartTile, 0, 0, RandomRotation(state));

        int remaining = TileCount - 1;
        while (remaining > 0) {
            const int tile = PickFreeTile(state);
            candidates.nposs = 0;
            CollectCandidates(state, candidates, tile, remaining == TileCount - 1);
            if (candidates.nposs == 0)
                break; // the attempt is abandoned; start again from an empty grid
            const std::int64_t k = static_cast<std::int64_t>(state.Random.Draw(
                                       static_cast<std::uint32_t>(candidates.nposs))) +
                                   1;
            const TCandidate& chosen = candidates.Entries[k];
            PlaceTile(state, tile, chosen.Col, chosen.Row, chosen.Rotation);
            --remaining;
        }
        if (remaining == 0)
            return attempts;
    }
}

} // namespace tavrin::oracle
