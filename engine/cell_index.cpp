#include "cell_index.h"

#include <cassert>

namespace tavrin {
namespace {

constexpr std::array<int, 7> StepsFrom(bool odd, int side) {
    std::array<int, 7> steps{};
    for (int e = 1; e <= 6; ++e)
        steps[e] = EdgeDX[e] * side + (odd ? EdgeDYOdd[e] : EdgeDYEven[e]);
    return steps;
}

constexpr std::array<TCellCode, 7> EdgeCode{0, 1, 3, 9, 27, 81, 243};

} // namespace

const std::array<std::array<int, 7>, 2> TCellIndex::Step{StepsFrom(false, Side),
                                                         StepsFrom(true, Side)};

int TCellIndex::PlaceOf(TCell cell) {
    assert(cell.Col >= -Reach && cell.Col <= Reach && cell.Row >= -Reach && cell.Row <= Reach);
    return (cell.Col + Reach) * Side + (cell.Row + Reach);
}

void TCellIndex::Disown(const TCellEntry& cell) {
    if (cell.Owner == 0)
        return;
    const auto others = static_cast<TEdgeMask>(~(1u << (cell.OwnerEdge - 1)));
    Tiles[cell.Owner].OwnedEdges &= others;
    Tiles[cell.Owner].OwnedTouchingTwo &= others;
}

void TCellIndex::Own(TCellEntry& cell, int tile, TEdge edge) {
    Disown(cell);
    cell.Owner = static_cast<std::uint8_t>(tile);
    cell.OwnerEdge = static_cast<std::uint8_t>(edge.Number());
    Tiles[tile].OwnedEdges |= Bit(edge);
}

void TCellIndex::Clear() {
    // Every cell in use holds a placed tile or lies beside one.
    for (std::uint32_t tiles = Placed; tiles != 0; tiles &= tiles - 1) {
        TTileEntry& tile = Tiles[__builtin_ctz(tiles)];
        Cells[tile.Place] = {};
        for (int e = 1; e <= 6; ++e)
            Cells[tile.Place + Step[tile.Odd][e]] = {};
        tile = {};
    }
    Placed = 0;
}

void TCellIndex::Place(int tile, TCell cell, TEdgeMask exits) {
    assert(tile >= 1 && tile <= 20 && (Placed & (1u << tile)) == 0);
    const int place = PlaceOf(cell);
    TCellEntry& here = Cells[place];
    assert(here.Tile == 0);
    Disown(here);
    here.Tile = static_cast<std::uint8_t>(tile);
    const std::uint8_t odd = IsOddColumn(cell.Col) ? 1 : 0;
    Tiles[tile] = {static_cast<std::int16_t>(place), odd, 0, 0};
    Placed |= 1u << tile;

    for (TEdge edge : AllEdges) {
        const int at = place + Step[odd][edge.Number()];
        assert(at >= 0 && at < CellCount);
        TCellEntry& next = Cells[at];
        if (next.Tile != 0)
            continue;
        const TCellCode facing = EdgeCode[Opposite(edge).Number()];
        next.Code = static_cast<TCellCode>(next.Code + (Has(exits, edge) ? 2 * facing : facing));
        // The scan meets the cell first from its lowest-numbered placed neighbour.
        if (next.Owner == 0 || next.Owner > tile)
            Own(next, tile, edge);
        if (++next.Neighbours >= 2)
            Tiles[next.Owner].OwnedTouchingTwo |=
                static_cast<TEdgeMask>(1u << (next.OwnerEdge - 1));
    }
}

} // namespace tavrin
