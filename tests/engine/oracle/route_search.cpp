#include "route_search.h"

#include "catalogue.h"
#include "road_graph.h"

namespace tavrin::oracle {
namespace {

// The search stops once this many locations are taken: every clearing of the
// catalogue.
constexpr std::int32_t AllClearings = 95;

using TRouteTable = CheckedArray<TRoute, 1, MaxRoutes>;

void ExtendRoute(TRoute& route, TLocation d) {
    const int count = route.Count + 1;
    route.Locations[count] = d; // raises past 100 locations
    route.Count = static_cast<std::uint8_t>(count);
}

// A new route: route i as it was before this turn's extension, followed by d.
void ForkRoute(TRouteTable& routes, std::int32_t& routeCount, int i, TLocation d) {
    const std::int32_t k = CheckedAdd(routeCount, 1);
    TRoute& fork = routes[k]; // raises past 100 routes
    routeCount = k;
    const TRoute& source = routes[i];
    for (int n = 1; n < source.Count; ++n)
        fork.Locations[n] = source.Locations[n];
    fork.Locations[source.Count] = d;
    fork.Count = source.Count;
    fork.Live = true;
}

} // namespace

void FindShortestPath(const TMapState& state, TLocation from, TLocation to, TRoute& result) {
    result.Count = 0;
    result.Live = false;

    // The table is large (100 routes of 101 locations) and lives in this frame
    // without being cleared: only routes 1..routeCount are ever read.
    TRouteTable routes;
    std::int32_t routeCount = 1;
    routes[1].Count = 1;
    routes[1].Locations[1] = from;
    routes[1].Live = true;

    std::int32_t found = 0;
    if (SameLocation(from, to)) {
        found = 1;
    } else {
        CheckedArray<CheckedArray<bool, 0, 6>, 1, TileCount> visited{};
        visited[from.Tile][from.Clearing] = true;
        std::int32_t taken = 1;
        bool searching = true;
        while (searching) {
            // Routes made in this generation wait for the next one.
            const std::int32_t generationRoutes = routeCount;
            for (int i = 1; i <= generationRoutes; ++i) {
                if (!routes[i].Live)
                    continue;
                const TLocation last = routes[i].Locations[routes[i].Count];
                bool first = true;
                std::int32_t fresh = 0;
                for (int slot = 1; slot <= 5; ++slot) {
                    const TLocation d = NextLocation(state, last, slot);
                    // A location with clearing 0 (a road into a neighbour
                    // without a facing road) has no roads: it is not taken.
                    if (d.Tile == 0 || d.Clearing == 0 || visited[d.Tile][d.Clearing])
                        continue;
                    fresh = CheckedAdd(fresh, 1);
                    if (first) {
                        ExtendRoute(routes[i], d);
                        if (SameLocation(d, to)) {
                            searching = false;
                            found = i;
                        }
                        first = false;
                    } else {
                        ForkRoute(routes, routeCount, i, d);
                        if (SameLocation(d, to)) {
                            searching = false;
                            found = routeCount;
                        }
                    }
                    visited[d.Tile][d.Clearing] = true;
                    taken = CheckedAdd(taken, 1);
                    if (taken == AllClearings)
                        searching = false; // takes effect when the generation ends
                }
                if (fresh == 0)
                    routes[i].Live = false;
            }
            bool anyLive = false;
            for (int k = 1; k <= routeCount && !anyLive; ++k)
                anyLive = routes[k].Live;
            if (!anyLive)
                searching = false;
        }
    }

    if (found != 0) {
        const TRoute& route = routes[found];
        result.Count = route.Count;
        for (int n = 1; n <= route.Count; ++n)
            result.Locations[n] = route.Locations[n];
        result.Live = true;
    }
}

std::string LocationText(TLocation location) {
    std::string text(TileFileNames[location.Tile]);
    text += ' ';
    text += std::to_string(location.Clearing);
    return text;
}

} // namespace tavrin::oracle
