#include "route_search.h"

#include "catalogue.h"
#include "road_graph.h"
#include "route_sweep.h"

#include <cassert>

namespace tavrin {
namespace {

bool OnTheMap(const TMapState& state, TLocation location) {
    return state.Tiles[location.Tile].Clearings[location.Clearing].Present;
}

void NotFound(TRoute& result) {
    result.Count = 0;
    result.Live = false;
}

// The route to a taken location: back along the locations each was taken
// from, to the start.
void CopyRoute(const TRouteSweep& sweep, TLocation to, TRoute& result) {
    const int count = sweep.Distance(to) + 1;
    assert(count <= MaxRouteLength);
    TLocation at = to;
    for (int k = count; k >= 1; --k) {
        result.Locations[k] = at;
        at = sweep.TakenFromOf(at);
    }
    result.Count = static_cast<std::uint8_t>(count);
    result.Live = true;
}

} // namespace

void FindShortestPath(const TMapState& state, TLocation from, TLocation to, TRoute& result) {
    NotFound(result);
    if (from == to) {
        // The route of one clearing, when the clearing is there at all.
        if (OnTheMap(state, from)) {
            result.Locations[1] = from;
            result.Count = 1;
            result.Live = true;
        }
        return;
    }
    const TRoadGraph graph(state);
    TRouteSweep sweep(graph, from);
    if (sweep.RunUntil(to))
        CopyRoute(sweep, to, result);
}

std::string LocationText(TLocation location) {
    std::string text(TileFileNames[location.Tile]);
    text += ' ';
    text += std::to_string(location.Clearing);
    return text;
}

} // namespace tavrin
