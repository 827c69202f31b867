// Fuzz target: the bytes of a map file, as Load Map reads them. The first
// line goes into a map, the tiles are listed, and routes are searched between
// clearings chosen by the bytes after the line (four a query: from tile, from
// clearing, to tile, to clearing; without any, from clearing 1 of tile 11 to
// clearing 1 of every tile). Checked against the engine's laws:
// - a refused line (wrong length, bad rotation) changes no tile;
// - an accepted line is given back by MakeMapString, and lists 20 lines;
// - a route found runs from `from` to `to` through clearings the tiles have,
//   each step a road (NextLocation of the step before by one of its slots),
//   no clearing twice, and it has the fewest roads of any route (a plain
//   breadth-first search agrees);
// - a route is found wherever roads join two clearings the tiles have.
// A broken law aborts, which the fuzzer reports as a crash.

#include "acceptance.h"
#include "errors.h"
#include "fuzz_check.h"
#include "listing.h"
#include "map_file.h"
#include "map_state.h"
#include "map_string.h"
#include "road_graph.h"
#include "route_search.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using namespace tavrin;

namespace {

class TCountingSink : public IMessageSink {
public:
    void ShowMessage(std::string_view) override { ++Count; }
    int Count = 0;
};

// A map as after Create Map: every tile placed. Made once, copied per input.
const TMapState& CreatedMap() {
    static const std::unique_ptr<TMapState> map = [] {
        auto state = std::make_unique<TMapState>();
        InitTiles(*state, 12345);
        CreateMap(*state);
        return state;
    }();
    return *map;
}

bool SameTiles(const TMapState& a, const TMapState& b) {
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& x = a.Tiles[t];
        const TTile& y = b.Tiles[t];
        if (x.Col != y.Col || x.Row != y.Row || x.Rotation != y.Rotation || x.Placed != y.Placed ||
            x.Flipped != y.Flipped)
            return false;
    }
    return true;
}

// Roads from `from` to `to` by a plain queue over the map's road graph
// (looked up once per map: NextLocation would look the whole map up at every
// step); -1 when there is no route.
int RoadDistance(const TRoadGraph& graph, TLocation from, TLocation to) {
    std::array<std::array<int, 7>, TileCount + 1> dist{};
    for (auto& row : dist)
        row.fill(-1);
    std::vector<TLocation> queue{from};
    dist[from.Tile][from.Clearing] = 0;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const TLocation at = queue[head];
        for (int slot = 1; slot <= 5; ++slot) {
            const TLocation next = graph.Next(at, slot);
            if (next.Tile == 0 || dist[next.Tile][next.Clearing] >= 0)
                continue;
            dist[next.Tile][next.Clearing] = dist[at.Tile][at.Clearing] + 1;
            queue.push_back(next);
        }
    }
    return dist[to.Tile][to.Clearing];
}

bool IsRoad(const TRoadGraph& graph, TLocation from, TLocation to) {
    for (int slot = 1; slot <= 5; ++slot)
        if (graph.Next(from, slot) == to)
            return true;
    return false;
}

bool Present(const TMapState& state, TLocation at) {
    return at.Clearing != 0 && state.Tiles[at.Tile].Clearings[at.Clearing].Present;
}

void CheckRoute(const TMapState& state, const TRoadGraph& graph, TLocation from, TLocation to) {
    TRoute route{};
    FindShortestPath(state, from, to, route);
    if (!route.Live) {
        Check(route.Count == 0, "a route not found has no locations");
        Check(!Present(state, from) || !Present(state, to) || RoadDistance(graph, from, to) < 0,
              "a route is found wherever roads join two clearings");
        return;
    }
    Check(route.Count >= 1, "a route found holds its start");
    Check(route.Locations[1] == from, "a route starts at from");
    Check(route.Locations[route.Count] == to, "a route ends at to");
    std::array<std::array<bool, 7>, TileCount + 1> seen{};
    for (int k = 1; k <= route.Count; ++k) {
        const TLocation at = route.Locations[k];
        Check(at.Tile >= 1 && at.Tile <= TileCount && at.Clearing <= 6, "a route's location");
        Check(Present(state, at), "a route runs through clearings the tiles have");
        Check(!seen[at.Tile][at.Clearing], "no clearing twice on a route");
        seen[at.Tile][at.Clearing] = true;
        if (k > 1)
            Check(IsRoad(graph, route.Locations[k - 1], at), "each step of a route is a road");
    }
    Check(RoadDistance(graph, from, to) == route.Count - 1, "a route has the fewest roads");
}

TLocation Pick(std::uint8_t tile, std::uint8_t clearing) {
    return {static_cast<std::uint8_t>(tile % TileCount + 1),
            static_cast<std::uint8_t>(clearing % 7)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto state = std::make_unique<TMapState>(CreatedMap());
    TCountingSink sink;
    state->Messages = &sink;
    const TMapState before = *state;

    const std::string line = FirstLine(bytes);
    Check(line.size() <= MapLineLimit, "a line keeps at most MapLineLimit bytes");
    bool accepted = false;
    try {
        accepted = ReadMapString(*state, line);
        Check(accepted == (line.size() == MapStringLength), "only a line of 60 is read");
        Check(sink.Count == (accepted ? 0 : 1), "a refused length shows one message");
    } catch (const ERangeError&) {
        Check(line.size() == MapStringLength, "only a whole line can hold a bad rotation");
    }
    if (!accepted) {
        Check(SameTiles(*state, before), "a refused line changes no tile");
        return 0;
    }
    Check(MakeMapString(*state) == line, "an accepted line is given back");
    Check(TileListing(*state).size() == TileCount, "the listing has a line per tile");

    const TRoadGraph graph(*state);
    const std::size_t end = bytes.find_first_of(std::string_view("\r\x1a", 2));
    const std::string_view queries =
        end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    if (queries.size() < 4) {
        for (int t = 1; t <= TileCount; ++t)
            CheckRoute(*state, graph, {StartTile, 1}, {static_cast<std::uint8_t>(t), 1});
        return 0;
    }
    constexpr std::size_t MaxQueries = 32;
    for (std::size_t q = 0; q < MaxQueries && 4 * q + 3 < queries.size(); ++q) {
        const auto* at = reinterpret_cast<const std::uint8_t*>(queries.data()) + 4 * q;
        CheckRoute(*state, graph, Pick(at[0], at[1]), Pick(at[2], at[3]));
    }
    return 0;
}
