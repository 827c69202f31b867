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

// The groups of RoadsA: clearings joined by roads between clearings, grown
// until no road leads out of a group.
void DeriveGroups(const TTile& tile, TTileRoads& roads) {
    std::array<std::uint8_t, 7> links{}; // bit d of links[c]: a road from c to d
    roads.RoadsAReturn = true;
    ForEachRoadSlot(tile, false, [&](int clearing, int, const TRoad& road) {
        if (!road.Present)
            return;
        if (road.Kind == RoadToClearing && road.Target >= 1 && road.Target <= 6) {
            links[clearing] |= static_cast<std::uint8_t>(1u << road.Target);
            roads.Arrivals |= static_cast<std::uint8_t>(1u << road.Target);
        } else if (road.Kind == RoadToEdge) {
            roads.Arrivals |= static_cast<std::uint8_t>(1u << clearing);
        } else {
            roads.RoadsAReturn = false; // a road of no known kind, or to clearing 0
        }
    });
    for (int c = 1; c <= 6; ++c)
        for (int d = 1; d <= 6; ++d)
            if ((links[c] >> d & 1) != (links[d] >> c & 1))
                roads.RoadsAReturn = false;
    for (int c = 1; c <= 6; ++c)
        roads.ArrivalCount =
            static_cast<std::uint8_t>(roads.ArrivalCount + (roads.Arrivals >> c & 1));
    for (int c = 1; c <= 6; ++c) {
        std::uint8_t group = static_cast<std::uint8_t>(1u << c);
        for (std::uint8_t grown = 0; grown != group;) {
            grown = group;
            for (int d = 1; d <= 6; ++d)
                if (group >> d & 1)
                    group |= links[d];
        }
        roads.GroupClearings[c] = group;
    }
    ForEachRoadSlot(tile, false, [&](int clearing, int, const TRoad& road) {
        if (road.Present && road.Kind == RoadToEdge && road.Edge >= 1 && road.Edge <= 6)
            for (int c = 1; c <= 6; ++c)
                if (roads.GroupClearings[c] >> clearing & 1)
                    roads.GroupEdges[c] |= Bit(TEdge(road.Edge));
    });
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

    DeriveGroups(tile, roads);
    for (int set : {RoadSetA, RoadSetB}) {
        ForEachRoadSlot(tile, set == RoadSetB, [&](int clearing, int slot, const TRoad& road) {
            roads.Steps[set][clearing][slot - 1] = StepOf(road, number);
            // A later match overwrites an earlier one: the highest clearing wins.
            if (road.Present && road.Kind == RoadToEdge && road.Edge >= 1 && road.Edge <= 6)
                roads.ClearingAt[set][road.Edge] = static_cast<std::uint8_t>(clearing);
        });
        for (TRotation rotation : AllRotations)
            for (TEdge mapEdge : AllEdges)
                roads.ClearingAtMapEdge[set][rotation.Number()][mapEdge.Number()] =
                    roads.ClearingAt[set][ToTileEdge(mapEdge, rotation).Number()];
    }
    return roads;
}

} // namespace tavrin
