#include "grid.h"

namespace tavrin {

std::uint8_t TileAt(const TMapState& state, TCell cell) {
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        if (tile.Placed && CellOf(tile) == cell)
            return static_cast<std::uint8_t>(t);
    }
    return 0;
}

std::uint8_t TileAcross(const TMapState& state, TCell cell, TEdge edge) {
    return TileAt(state, Neighbour(cell, edge));
}

std::uint8_t NeighbourTile(const TMapState& state, int tile, TEdge edge) {
    const TTile& t = state.Tiles[tile];
    if (!t.Placed)
        return 0;
    return TileAcross(state, CellOf(t), edge);
}

bool HasRoadExit(const TMapState& state, int tile, TEdge edge) {
    return HasRoadExit(state.Tiles[tile], edge);
}

bool HasRoadExitAt(const TMapState& state, int tile, TEdge mapEdge, TRotation rotation) {
    return HasRoadExit(state, tile, ToTileEdge(mapEdge, rotation));
}

} // namespace tavrin
