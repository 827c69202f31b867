#include "generator.h"

#include "grid.h"
#include "translatable.h"

#include <array>
#include <bit>
#include <string>

namespace tavrin {
namespace {

constexpr std::uint32_t AllTiles = ((1u << TileCount) - 1) << 1; // bits 1..20

// Rotations as six bits: rotation q is bit q - 1.
using TRotationMask = std::uint8_t;

// [a tile's own exit edges][a free cell's code]: the rotations under which
// the tile fits the cell, that is under which, along every edge facing a
// placed tile, both tiles have a road or neither has. Written with plain
// arrays and shifts (ToMapEdges spelt out) so that the compiler's budget for
// constant evaluation suffices.
struct TFitTable {
    TRotationMask Rotations[64][CellCodeCount];
};

constexpr TFitTable FitTable = [] {
    TEdgeMask faced[CellCodeCount] = {}, crossed[CellCodeCount] = {};
    for (int code = 0; code < CellCodeCount; ++code)
        for (int e = 0, rest = code; e < 6; ++e, rest /= 3) {
            faced[code] |= static_cast<TEdgeMask>((rest % 3 != 0) << e);
            crossed[code] |= static_cast<TEdgeMask>((rest % 3 == 2) << e);
        }
    TFitTable table{};
    for (unsigned exits = 0; exits < 64; ++exits) {
        unsigned onMap[6] = {};
        for (unsigned q = 0; q < 6; ++q)
            onMap[q] = ((exits << q) | (exits >> (6 - q))) & 0x3fu;
        for (int code = 0; code < CellCodeCount; ++code) {
            unsigned fit = 0;
            for (unsigned q = 0; q < 6; ++q)
                fit |= (((onMap[q] ^ crossed[code]) & faced[code]) == 0) << q;
            table.Rotations[exits][code] = static_cast<TRotationMask>(fit);
        }
    }
    return table;
}();
static_assert(FitTable.Rotations[0x3f][CellCodeOf(0x3f, 0x3f)] == 0x3f,
              "a tile with roads through every edge fits among roads on every side");

constexpr auto RotationCount = [] {
    std::array<std::uint8_t, 64> count{};
    for (int m = 0; m < 64; ++m)
        for (int b = 0; b < 6; ++b)
            count[m] += (m >> b) & 1;
    return count;
}();

// The cells where a tile fits, each with the rotations that fit there.
struct TFittingCell {
    std::int16_t Place;
    TRotationMask Rotations;
};

struct TFittingCells {
    std::array<TFittingCell, 6 * TileCount> Cells;
    int CellCount = 0;
    int Candidates = 0; // rotations over all cells
};

// The placements of `tile` that CollectCandidates finds, read from the cell
// index: each free cell once, where the scan first meets it (whether a
// rotation fits a cell does not depend on the tile the scan came from), its
// rotations in ascending order.
void CollectFromIndex(const TTileRoads& roads, const TCellIndex& grid, bool firstPlacement,
                      TFittingCells& fitting) {
    fitting.CellCount = 0;
    fitting.Candidates = 0;
    const auto& fits = FitTable.Rotations[roads.Exits];
    // From the third tile on a cell must touch two placed tiles. Without
    // branches on the cells: whether a tile fits one cannot be predicted.
    grid.ForEachFreeCellInScanOrder(!firstPlacement, [&](int place, TCellCode code) {
        const TRotationMask rotations = fits[code];
        fitting.Cells[fitting.CellCount] = {static_cast<std::int16_t>(place), rotations};
        fitting.CellCount += rotations != 0;
        fitting.Candidates += RotationCount[rotations];
    });
}

// Candidate k (0-based) in the order of CollectCandidates.
TCandidate CandidateAt(const TFittingCells& fitting, int k) {
    for (int i = 0;; ++i) {
        const TFittingCell& cell = fitting.Cells[i];
        const int count = RotationCount[cell.Rotations];
        if (k >= count) {
            k -= count;
            continue;
        }
        TRotationMask rotations = cell.Rotations;
        for (; k > 0; --k)
            rotations &= static_cast<TRotationMask>(rotations - 1);
        return {TCellIndex::CellAt(cell.Place),
                static_cast<std::uint8_t>(__builtin_ctz(rotations) + 1)};
    }
}

} // namespace

TRotation RandomRotation(TMapState& state) {
    return TRotation(static_cast<int>(state.Random.Draw(6)) + 1);
}

void PlaceTile(TMapState& state, int tile, TCell cell, TRotation rotation) {
    TTile& t = state.Tiles[tile];
    t.Col = cell.Col;
    t.Row = cell.Row;
    t.Rotation = static_cast<std::uint8_t>(rotation.Number());
    t.Placed = true;
}

void UnplaceTile(TMapState& state, int tile) {
    TTile& t = state.Tiles[tile];
    t.Col = 0;
    t.Row = 0;
    t.Rotation = 1;
    t.Placed = false;
}

int FreeTileFrom(std::uint32_t placed, std::uint32_t draw) {
    // Not uniform over the free tiles: a draw landing on a placed tile walks
    // upward (20 wraps to 1) to the next free one.
    const std::uint32_t free = ~placed & AllTiles;
    assert(free != 0 && draw < TileCount);
    const std::uint32_t start = draw + 1;
    const std::uint32_t fromStart = free >> start << start;
    return std::countr_zero(fromStart != 0 ? fromStart : free);
}

std::uint8_t PickFreeTile(TMapState& state) {
    std::uint32_t placed = 0;
    for (int t = 1; t <= TileCount; ++t)
        if (state.Tiles[t].Placed)
            placed |= 1u << t;
    return static_cast<std::uint8_t>(FreeTileFrom(placed, state.Random.Draw(TileCount)));
}

int CountNeighbours(const TMapState& state, TCell cell) {
    int count = 0;
    for (TEdge edge : AllEdges)
        count += TileAcross(state, cell, edge) != 0;
    return count;
}

bool TileFits(const TMapState& state, int tile, TCell cell, TRotation rotation) {
    for (TEdge edge : AllEdges) {
        const int nb = TileAcross(state, cell, edge);
        if (nb != 0 && HasRoadExitAt(state, tile, edge, rotation) !=
                           HasRoadExitAt(state, nb, Opposite(edge), RotationOf(state.Tiles[nb])))
            return false;
    }
    return true;
}

void AddCandidate(const TMapState& state, TCandidates& candidates, TCell cell, TRotation rotation) {
    for (std::int32_t k = 1; k <= candidates.nposs; ++k) {
        if (k > MaxCandidates)
            throw ERangeError(); // past the overflow message: the list holds 100
        const TCandidate& c = candidates.Entries[k];
        if (c.Cell == cell && c.Rotation == rotation.Number())
            return;
    }
    candidates.nposs = CheckedAdd(candidates.nposs, 1);
    if (candidates.nposs <= MaxCandidates) {
        candidates.Entries[candidates.nposs] = {cell, static_cast<std::uint8_t>(rotation.Number())};
        return;
    }
    state.ShowMessage(FillText(TAVRIN_TEXT("Core", "Internal error: nposs=%1"),
                               {std::to_string(candidates.nposs)}));
}

void CollectCandidates(const TMapState& state, TCandidates& candidates, int tile,
                       bool firstPlacement) {
    for (int i = 1; i <= TileCount; ++i) {
        const TTile& placed = state.Tiles[i];
        if (!placed.Placed)
            continue;
        for (TEdge edge : AllEdges) {
            if (NeighbourTile(state, i, edge) != 0)
                continue;
            const TCell cell = Neighbour(CellOf(placed), edge);
            // From the third tile on a cell must touch two placed tiles.
            if (!firstPlacement && CountNeighbours(state, cell) < 2)
                continue;
            for (TRotation rotation : AllRotations)
                if (TileFits(state, tile, cell, rotation))
                    AddCandidate(state, candidates, cell, rotation);
        }
    }
}

void PlaceOnGrid(TMapState& state, int tile, TCell cell, TRotation rotation) {
    PlaceTile(state, tile, cell, rotation);
    state.GeneratorGrid.Place(tile, cell, state.TileRoads[tile].ExitsAt[rotation.Number()]);
}

bool PlaceNextTile(TMapState& state, int tile, bool firstPlacement) {
    TFittingCells fitting;
    CollectFromIndex(state.TileRoads[tile], state.GeneratorGrid, firstPlacement, fitting);
    TCandidate chosen;
    if (fitting.Candidates <= MaxCandidates) {
        if (fitting.Candidates == 0)
            return false;
        chosen = CandidateAt(fitting, static_cast<int>(state.Random.Draw(
                                          static_cast<std::uint32_t>(fitting.Candidates))));
    } else {
        // Too many for the list: the scan over the records shows the
        // overflow message and raises where the list runs out.
        TCandidates candidates{};
        CollectCandidates(state, candidates, tile, firstPlacement);
        const std::int64_t k = static_cast<std::int64_t>(state.Random.Draw(
                                   static_cast<std::uint32_t>(candidates.nposs))) +
                               1;
        if (k > MaxCandidates)
            throw ERangeError(); // a draw past the 100 entries the list holds
        chosen = candidates.Entries[k];
    }
    PlaceOnGrid(state, tile, chosen.Cell, TRotation(chosen.Rotation));
    return true;
}

std::int32_t GenerateMap(TMapState& state) {
    for (std::int32_t attempts = 1;; attempts = CheckedAdd(attempts, 1)) {
        for (int t = 1; t <= TileCount; ++t)
            UnplaceTile(state, t);
        state.GeneratorGrid.Clear();
        PlaceOnGrid(state, StartTile, {0, 0}, RandomRotation(state));

        int remaining = TileCount - 1;
        while (remaining > 0) {
            const int tile =
                FreeTileFrom(state.GeneratorGrid.PlacedTiles(), state.Random.Draw(TileCount));
            if (!PlaceNextTile(state, tile, remaining == TileCount - 1))
                break; // the attempt is abandoned; start again from an empty grid
            --remaining;
        }
        if (remaining == 0)
            return attempts;
    }
}

} // namespace tavrin
