#pragma once
// The grid of a map while the generator builds it. For every cell it knows
// the tile standing there, and for every free cell beside the placed tiles
// how many placed tiles it touches and, edge by edge, whether a placed tile
// lies across and whether its road crosses (so a tile's fit there is one
// table look-up). It also knows the order in which a scan of the placed
// tiles in tile order, each one's edges 1..6 in turn, first meets each free
// cell: every free cell belongs to the lowest-numbered placed tile beside
// it, through the edge that leads there.
//
// A generated map grows from tile 11 at the origin, each tile in a free cell
// beside a placed one, so its tiles lie within 19 cells of the origin and
// the cells beside them within 20: the index covers just that window.
// Nothing is allocated; Clear takes time in proportion to the tiles placed.

#include "cell.h"
#include "edge.h"

#include <array>
#include <cstdint>

namespace tavrin {

// A free cell's six edges as one number, 0..728: edge e adds 3^(e-1) when a
// placed tile lies across it, and as much again when that tile's road
// crosses it.
using TCellCode = std::uint16_t;
inline constexpr int CellCodeCount = 729;

constexpr TCellCode CellCodeOf(TEdgeMask faced, TEdgeMask crossed) {
    int code = 0;
    for (int e = 6; e >= 1; --e)
        code = 3 * code + ((faced >> (e - 1)) & 1) + ((crossed >> (e - 1)) & 1);
    return static_cast<TCellCode>(code);
}

class TCellIndex {
public:
    static constexpr int Reach = 20; // no cell used lies further from the origin

    // Every cell free again.
    void Clear();

    // Puts `tile` (1..20) in the free cell `cell`; `exits` are the map edges
    // through which its roads leave the tile.
    void Place(int tile, TCell cell, TEdgeMask exits);

    // The tiles placed so far, bit t for tile t.
    std::uint32_t PlacedTiles() const { return Placed; }

    // Calls visit(place, code) for every free cell beside a placed tile (or,
    // with `touchingTwo`, for those beside two placed tiles or more), in the
    // order the scan of the placed tiles first meets them: `place` names the
    // cell for CellAt, `code` is its TCellCode.
    template <typename Visit>
    void ForEachFreeCellInScanOrder(bool touchingTwo, Visit&& visit) const {
        for (std::uint32_t tiles = Placed; tiles != 0; tiles &= tiles - 1) {
            const TTileEntry& owner = Tiles[__builtin_ctz(tiles)];
            unsigned edges = touchingTwo ? owner.OwnedTouchingTwo : owner.OwnedEdges;
            for (; edges != 0; edges &= edges - 1) {
                const int place = owner.Place + Step[owner.Odd][__builtin_ctz(edges) + 1];
                visit(place, Cells[place].Code);
            }
        }
    }

    static TCell CellAt(int place) { return {place / Side - Reach, place % Side - Reach}; }

private:
    static constexpr int Side = 2 * Reach + 1;
    static constexpr int CellCount = Side * Side;

    struct TCellEntry {
        std::uint8_t Tile;       // placed tile, 0 while free
        std::uint8_t Neighbours; // placed tiles beside a free cell
        TCellCode Code;          // of a free cell
        std::uint8_t Owner;      // lowest placed tile beside the cell, 0 for none
        std::uint8_t OwnerEdge;  // the owner's edge that leads here
    };
    struct TTileEntry {
        std::int16_t Place;         // the tile's cell
        std::uint8_t Odd;           // 1 in an odd column
        TEdgeMask OwnedEdges;       // edges leading to free cells the tile owns
        TEdgeMask OwnedTouchingTwo; // those of them whose cell touches two placed tiles or more
    };

    static int PlaceOf(TCell cell);
    void Disown(const TCellEntry& cell);
    void Own(TCellEntry& cell, int tile, TEdge edge);

    // Steps to the cell across each edge, from an even and an odd column.
    static const std::array<std::array<int, 7>, 2> Step;

    std::array<TCellEntry, CellCount> Cells{};
    std::array<TTileEntry, 21> Tiles{};
    std::uint32_t Placed = 0;
};

} // namespace tavrin
