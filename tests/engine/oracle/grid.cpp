#include "grid.h"

namespace tavrin::oracle {

std::int32_t NeighbourCol(std::int32_t col, std::int32_t /*row*/, int edge) {
    return CheckedAdd(col, EdgeDX[edge]);
}

std::int32_t NeighbourRow(std::int32_t col, std::int32_t row, int edge) {
    return CheckedAdd(row, IsOddColumn(col) ? EdgeDYOdd[edge] : EdgeDYEven[edge]);
}

std::uint8_t TileAcross(const TMapState& state, std::int32_t col, std::int32_t row, int edge) {
    const std::int32_t c = NeighbourCol(col, row, edge);
    const std::int32_t r = NeighbourRow(col, row, edge);
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        if (tile.Placed && tile.Col == c && tile.Row == r)
            return static_cast<std::uint8_t>(t);
    }
    return 0;
}

std::uint8_t NeighbourTile(const TMapState& state, int tile, int edge) {
    const TTile& t = state.Tiles[tile];
    if (!t.Placed)
        return 0;
    return TileAcross(state, t.Col, t.Row, edge);
}

bool HasRoadExit(const TMapState& state, int tile, int edge) {
    InRange<1, 6>(edge);
    const TTile& t = state.Tiles[tile];
    // Reads only the clearings' Present flags and the slots' Edge fields: every
    // slot that is not a road out through an edge has Edge 0.
    bool found = false;
    for (int c = 1; c <= 6; ++c) {
        const TClearing& clearing = t.Clearings[c];
        if (!clearing.Present)
            continue;
        for (int slot = 1; slot <= 5; ++slot)
            found |= clearing.RoadsA[slot].Edge == edge;
    }
    return found;
}

std::uint8_t RotateToMap(int tileEdge, int rotation) {
    int m = tileEdge + rotation - 1;
    if (m > 6)
        m -= 6;
    return InRange<1, 6>(m);
}

std::uint8_t RotateToTile(int mapEdge, int rotation) {
    int t = mapEdge - rotation + 1;
    if (t < 1)
        t += 6;
    return InRange<1, 6>(t);
}

bool HasRoadExitAt(const TMapState& state, int tile, int mapEdge, int rotation) {
    return HasRoadExit(state, tile, RotateToTile(InRange<1, 6>(mapEdge), InRange<1, 6>(rotation)));
}

std::uint8_t ToMapEdge(const TMapState& state, int tile, int tileEdge) {
    return RotateToMap(InRange<1, 6>(tileEdge), InRange<1, 6>(state.Tiles[tile].Rotation));
}

std::uint8_t ToTileEdge(const TMapState& state, int tile, int mapEdge) {
    return RotateToTile(InRange<1, 6>(mapEdge), InRange<1, 6>(state.Tiles[tile].Rotation));
}

} // namespace tavrin::oracle
