#include "placing_order.h"

#include "cell.h"
#include "grid.h"

#include <array>

namespace tavrin {
namespace {

// clang-format off
constexpr std::array<std::string_view, 7> SideNames{
    "", "above", "above right of", "below right of", "below", "below left of", "above left of"};
// clang-format on

class TLaying {
public:
    explicit TLaying(const TMapState& state) : State(state) {}

    TPlacingOrder Order() {
        Grow(FirstLaidTile, {});
        // Tiles no laid tile reached: each starts an island of its own, in
        // tile order.
        for (int t = 1; t <= TileCount; ++t)
            if (!Laid[t])
                Grow(t, {});
        return Steps;
    }

private:
    const TMapState& State;
    TPlacingOrder Steps{};
    int Count = 0;
    std::array<bool, TileCount + 1> Laid{};

    TCell CellOfTile(int tile) const { return CellOf(State.Tiles[tile]); }

    bool CellTaken(TCell cell) const {
        for (int k = 0; k < Count; ++k)
            if (CellOfTile(Steps[k].Tile) == cell)
                return true;
        return false;
    }

    void Lay(int tile, TPlacingStep step) {
        step.Tile = static_cast<std::uint8_t>(tile);
        Laid[tile] = true;
        Steps[Count++] = step;
    }

    // Lays `tile`, then breadth first every tile that touches one laid from
    // it, nearest first.
    void Grow(int tile, TPlacingStep step) {
        const int start = Count;
        Lay(tile, step);
        for (int k = start; k < Count; ++k) {
            const int from = Steps[k].Tile;
            for (TEdge edge : AllEdges) {
                const TCell cell = Neighbour(CellOfTile(from), edge);
                if (CellTaken(cell))
                    continue;
                for (int t = 1; t <= TileCount; ++t) {
                    if (!Laid[t] && CellOfTile(t) == cell) {
                        Lay(t, {0, static_cast<std::uint8_t>(from),
                                static_cast<std::uint8_t>(edge.Number())});
                        break;
                    }
                }
            }
        }
    }
};

std::string TileName(const TMapState& state, int tile) {
    return std::string(state.Tiles[tile].Name.View());
}

} // namespace

TPlacingOrder PlacingOrder(const TMapState& state) {
    return TLaying(state).Order();
}

std::string_view SideName(TEdge edge) {
    return SideNames[static_cast<std::size_t>(edge.Number())];
}

std::string PlacingText(const TMapState& state, const TPlacingStep& step) {
    if (step.Beside != 0)
        return std::string(SideName(TEdge(step.Side))) + " " + TileName(state, step.Beside);
    if (step.Tile == FirstLaidTile)
        return "first";
    const TTile& tile = state.Tiles[step.Tile];
    return "alone at column " + std::to_string(tile.Col) + ", row " + std::to_string(tile.Row);
}

} // namespace tavrin
