#pragma once
// The generations of the route search, run from one start location over a
// road graph.
//
// The search (FindShortestPath) grows a table of routes generation by
// generation: each live route, in route-number order, takes the untaken
// locations its last location's roads lead to, slot by slot; the first one
// extends the route, each further one starts a new route numbered after all
// others. So every taken location ends exactly one route, the route to a
// location is the route to the location it was taken from plus itself, and
// the routes of the next generation run in this order: the routes extended
// (in the order of their turns), then the routes started (in the order they
// were started). TRouteSweep keeps just that: for each taken location the
// location it was taken from, and the two lists.
//
// The search stops at the end of a generation in which the target was taken,
// in which the 95th location was taken (every clearing of the catalogue), or
// which took nothing. The first two take effect only at the end of the
// generation, and which locations a generation takes does not depend on the
// target, so a search finds a location exactly when a sweep without target
// takes it: one sweep answers the acceptance test's searches all at once.

#include "location.h"
#include "road_graph.h"

#include <array>
#include <cstdint>

namespace tavrin {

class TRouteSweep {
public:
    // Takes the start location; no generation has run yet.
    TRouteSweep(const TRoadGraph& graph, TLocation start);

    // Runs generations until one takes `target` (true) or the search stops
    // without it (false).
    bool RunUntil(TLocation target);

    // Runs every generation of a search whose target is never taken.
    void RunAll();

    bool Taken(TLocation location) const { return TakenFrom[IndexOf(location)] != NotTaken; }
    // The location a taken location was taken from (the start: itself).
    TLocation TakenFromOf(TLocation location) const;
    // Roads from the start to a taken location.
    int Distance(TLocation location) const { return Generation[IndexOf(location)]; }
    // Locations taken, the start included.
    int TakenCount() const { return Count; }
    // Generations that took a location: the roads of the longest route.
    int Generations() const { return Generations_; }

private:
    static constexpr TLocationIndex NotTaken = 0;

    // One generation; false when the search stops after it.
    bool RunGeneration(TLocationIndex target, bool& targetTaken);

    const TRoadGraph& Graph;
    std::array<TLocationIndex, LocationIndexCount> TakenFrom{};
    std::array<std::uint8_t, LocationIndexCount> Generation{};
    // Last locations of the live routes, in the order of their turns.
    std::array<TLocationIndex, LocationIndexCount> Live{};
    int LiveCount = 0;
    int Count = 0;
    int Generations_ = 0;
    bool Searching = true;
};

} // namespace tavrin
