#include "road_graph.h"

#include "grid.h"

namespace tavrin::oracle {

std::uint8_t ClearingAtEdge(const TMapState& state, int tile, int edge) {
    const TTile& t = state.Tiles[tile];
    std::uint8_t result = 0;
    for (int c = 1; c <= 6; ++c) {
        const TRoadSet& roads = t.Roads(c);
        for (int slot = 1; slot <= 5; ++slot) {
            const TRoad& road = roads[slot];
            // A later match overwrites an earlier one: the highest clearing wins.
            if (road.Present && road.Kind == RoadToEdge && road.Edge == edge)
                result = static_cast<std::uint8_t>(c);
        }
    }
    return result;
}

TLocation NextLocation(const TMapState& state, TLocation from, int slot) {
    const TTile& tile = state.Tiles[from.Tile];
    const TRoad& road = tile.Roads(from.Clearing)[slot];
    if (!road.Present)
        return NoLocation;
    if (road.Kind == RoadToClearing)
        return {from.Tile, road.Target};
    if (road.Kind != RoadToEdge)
        return NoLocation;

    const int edge = InRange<1, 6>(road.Edge);
    // A tile off the grid has no neighbour; before the first map its rotation
    // is not yet set, so the edge is not converted.
    if (!tile.Placed)
        return NoLocation;
    const int mapEdge = ToMapEdge(state, from.Tile, edge);
    const std::uint8_t next = NeighbourTile(state, from.Tile, mapEdge);
    if (next == 0)
        return NoLocation;
    const int facing = ToTileEdge(state, next, OppositeEdge[mapEdge]);
    return {next, ClearingAtEdge(state, next, facing)};
}

} // namespace tavrin::oracle
