#include "map_state.h"

#include "catalogue.h"

namespace tavrin {

void ResetTiles(TMapState& state) {
    for (int t = 1; t <= TileCount; ++t) {
        TTile& tile = state.Tiles[t];
        tile.Flipped = false;
        for (int c = 1; c <= 6; ++c) {
            TClearing& clearing = tile.Clearings[c];
            clearing.Present = false;
            for (int slot = 1; slot <= 5; ++slot) {
                clearing.RoadsA[slot].Present = false;
                clearing.RoadsB[slot].Present = false;
            }
        }
    }
    state.MapPresent = false;
}

void ComputeExits(TMapState& state) {
    for (int t = 1; t <= TileCount; ++t) {
        TTile& tile = state.Tiles[t];
        for (int e = 1; e <= 6; ++e)
            tile.Exits[e] = false;
        ForEachRoadSlot(tile, false, [&](int clearing, int, const TRoad& road) {
            if (tile.Clearings[clearing].Present && road.Present && road.Kind == RoadToEdge)
                tile.Exits[road.Edge] = true;
        });
        state.TileRoads[t] = DeriveTileRoads(tile, t);
    }
}

void InitTiles(TMapState& state, std::uint32_t seed) {
    state.Random.Seed = seed;
    ResetTiles(state);
    FillCatalogue(state);
    ComputeExits(state);
    FillCharacters(state);
}

void InitTiles(TMapState& state) {
    InitTiles(state, ClockSeed());
}

} // namespace tavrin
