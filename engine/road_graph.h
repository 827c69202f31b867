#pragma once
// The road graph of the current map: where does road slot r of a clearing
// lead, within its tile or across an edge into the placed neighbour?
//
// TRoadGraph looks the map up once (which placed tile lies across each edge
// of each placed tile, and so where every road through an edge arrives) and
// then answers every step from tables. It reads the tile records as they
// stand when it is made and is only valid until they change.

#include "edge.h"
#include "location.h"
#include "map_state.h"

#include <array>
#include <cstdint>

namespace tavrin {

class TRoadGraph {
public:
    explicit TRoadGraph(const TMapState& state);

    // The roads of a location in slot order 1..5 (a location with clearing 0
    // has none).
    const std::array<TRoadStep, 5>& Roads(TLocationIndex from) const {
        return (*Steps[from >> 3])[from & 7];
    }

    // Where one road of a clearing of `tile` leads: a clearing of the same
    // tile; the clearing of the placed neighbour whose road leaves through
    // the facing edge (clearing 0 when it has none there); or NoLocation (0).
    TLocationIndex Follow(int tile, TRoadStep step) const {
        return step >= 8 ? step : Across[tile][step];
    }

    TLocation Next(TLocation from, int slot) const;

private:
    // The road set in force of each tile (index 0 unused).
    std::array<const std::array<std::array<TRoadStep, 5>, 7>*, 21> Steps{};
    // [tile][tile edge 1..6]: where a road out through that edge arrives;
    // entries 0 and 7 stay 0, so that NoStep leads nowhere.
    std::array<std::array<TLocationIndex, 8>, 21> Across{};
};

// The clearing of `tile` whose road (in the set in force) leaves through its
// own edge `edge`; the highest such clearing, or 0 when there is none.
std::uint8_t ClearingAtEdge(const TMapState& state, int tile, TEdge edge);

// Where road slot `slot` (1..5) of `from` leads: a clearing of the same tile,
// the clearing of the placed neighbour that faces the edge (clearing 0 when the
// neighbour has no road there), or NoLocation.
// It looks the whole map up for this one answer: a caller that takes many
// steps on one map makes a TRoadGraph once and asks its Next.
TLocation NextLocation(const TMapState& state, TLocation from, int slot);

} // namespace tavrin
