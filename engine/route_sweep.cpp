#include "route_sweep.h"

#include <cassert>

namespace tavrin {

TRouteSweep::TRouteSweep(const TRoadGraph& graph, TLocation start) : Graph(graph) {
    assert(start.Tile >= 1 && start.Tile <= TileCount && start.Clearing <= 6);
    const TLocationIndex at = IndexOf(start);
    TakenFrom[at] = at;
    Live[0] = at;
    LiveCount = 1;
    Count = 1;
}

TLocation TRouteSweep::TakenFromOf(TLocation location) const {
    assert(Taken(location));
    return LocationAt(TakenFrom[IndexOf(location)]);
}

bool TRouteSweep::RunGeneration(TLocationIndex target, bool& targetTaken) {
    // The extended routes keep their place in the order, so they are written
    // back into Live as the turns go (never past the turn being run); the
    // started ones follow them.
    std::array<TLocationIndex, LocationIndexCount> started;
    int extendedCount = 0;
    int startedCount = 0;
    bool goOn = true;
    const auto generation = static_cast<std::uint8_t>(Generations_ + 1);

    for (int i = 0; i < LiveCount; ++i) {
        const TLocationIndex last = Live[i];
        const int tile = last >> 3;
        bool first = true;
        for (const TRoadStep road : Graph.Roads(last)) {
            const TLocationIndex next = Graph.Follow(tile, road);
            // No location, or a clearing 0 (a road into a neighbour without a
            // facing road): not taken.
            if ((next & 7) == 0 || TakenFrom[next] != NotTaken)
                continue;
            TakenFrom[next] = last;
            Generation[next] = generation;
            if (first)
                Live[extendedCount++] = next;
            else
                started[startedCount++] = next;
            first = false;
            if (next == target) {
                targetTaken = true;
                goOn = false;
            }
            if (++Count == ClearingCount)
                goOn = false;
        }
    }

    LiveCount = extendedCount;
    for (int i = 0; i < startedCount; ++i)
        Live[LiveCount++] = started[i];
    if (LiveCount != 0)
        ++Generations_;
    return goOn && LiveCount != 0;
}

bool TRouteSweep::RunUntil(TLocation target) {
    bool taken = Taken(target);
    while (Searching && !taken)
        Searching = RunGeneration(IndexOf(target), taken);
    return taken;
}

void TRouteSweep::RunAll() {
    bool taken = false;
    while (Searching)
        Searching = RunGeneration(NotTaken, taken);
}

} // namespace tavrin
