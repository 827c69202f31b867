#include "tile_roads.h"

#include <cassert>

namespace tavrin {
namespace {

TRoadStep StepOf(const TRoad& road, int number) {
    if (!road.Present)
        return NoStep;
    if (road.Kind == RoadToClearing) {
        assert(road.Target <= 6);
        return IndexOf({static_cast<std::uint8_t>(number), road.Target});
    }
    if (road.Kind == RoadToEdge) {
        assert(road.Edge >= 1 && road.Edge <= 6);
        return road.Edge;
    }
    return NoStep;
}

} // namespace

bool HasRoadExit(const TTile& tile, TEdge edge) {
    bool found = false;
    ForEachRoadSlot(tile, false, [&](int clearing, int, const TRoad& road) {
        found |= tile.Clearings[clearing].Present && road.Edge == edge.Number();
    });
    return found;
}

TTileRoads DeriveTileRoads(const TTile& tile, int number) {
    TTileRoads roads{};
    for (TEdge edge : AllEdges)
        if (HasRoadExit(tile, edge))
            roads.Exits |= Bit(edge);
    for (TRotation rotation : AllRotations)
        roads.ExitsAt[rotation.Number()] = ToMapEdges(roads.Exits, rotation);

    for (int set : {RoadSetA, RoadSetB}) {
        ForEachRoadSlot(tile, set == RoadSetB, [&](int clearing, int slot, const TRoad& road) {
            roads.Steps[set][clearing][slot - 1] = StepOf(road, number);
            // A later match overwrites an earlier one: the highest clearing wins.
            if (road.Present && road.Kind == RoadToEdge && road.Edge >= 1 && road.Edge <= 6)
                roads.ClearingAt[set][road.Edge] = static_cast<std::uint8_t>(clearing);
        });
    }
    return roads;
}

} // namespace tavrin
