#include "map_figures.h"

#include "acceptance.h"
#include "road_graph.h"
#include "route_sweep.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace tavrin {
namespace {

constexpr std::uint8_t At(int tile, int clearing) {
    return IndexOf({static_cast<std::uint8_t>(tile), static_cast<std::uint8_t>(clearing)});
}

// Where a road of `from` leads to a clearing of this map (0 when it leads
// nowhere, or into a neighbour without a facing road).
TLocationIndex RoadEnd(const TRoadGraph& graph, TLocationIndex from, TRoadStep road) {
    const TLocationIndex next = graph.Follow(from >> 3, road);
    return (next & 7) == 0 ? 0 : next;
}

void MeasureExtent(const TMapState& state, TMapFigures& figures) {
    std::int64_t minCol = state.Tiles[1].Col, maxCol = minCol;
    std::int64_t minRow = state.Tiles[1].Row, maxRow = minRow;
    for (int t = 2; t <= TileCount; ++t) {
        minCol = std::min<std::int64_t>(minCol, state.Tiles[t].Col);
        maxCol = std::max<std::int64_t>(maxCol, state.Tiles[t].Col);
        minRow = std::min<std::int64_t>(minRow, state.Tiles[t].Row);
        maxRow = std::max<std::int64_t>(maxRow, state.Tiles[t].Row);
    }
    // Cells come from the generator or from map strings (-100..155).
    figures.Columns =
        static_cast<std::int32_t>(std::min<std::int64_t>(maxCol - minCol + 1, 1 << 30));
    figures.Rows = static_cast<std::int32_t>(std::min<std::int64_t>(maxRow - minRow + 1, 1 << 30));
}

// Two cells share an edge when one lies across an edge of the other: the
// same column one row apart, or a column beside it, in the rows its parity
// gives (an even column's side neighbours lie in its row and the one above,
// an odd column's in its row and the one below).
bool Adjacent(const TTile& a, const TTile& b) {
    const std::int64_t dx = std::int64_t{b.Col} - a.Col;
    const std::int64_t dy = std::int64_t{b.Row} - a.Row;
    if (dx == 0)
        return dy == 1 || dy == -1;
    if (dx != 1 && dx != -1)
        return false;
    return dy == 0 || dy == (IsOddColumn(a.Col) ? 1 : -1);
}

void MeasureEdges(const TMapState& state, TMapFigures& figures) {
    for (int a = 1; a <= TileCount; ++a) {
        const TTile& first = state.Tiles[a];
        if (!first.Placed)
            continue;
        for (int b = a + 1; b <= TileCount; ++b) {
            const TTile& second = state.Tiles[b];
            if (!second.Placed || !Adjacent(first, second))
                continue;
            ++figures.SharedEdges;
            if (first.Kind == second.Kind)
                ++figures.Clumping;
        }
    }
}

void MeasureReach(const TMapState& state, const TRoadGraph& graph, TMapFigures& figures) {
    TRouteSweep sweep(graph, StartLocation);
    sweep.RunAll();
    figures.Reachable = sweep.TakenCount();
    figures.Longest = sweep.Generations() + 1;
    std::int32_t lines = 0;
    for (int t = 1; t <= TileCount; ++t) {
        std::uint8_t cut = 0;
        for (int c = 1; c <= 6; ++c) {
            const TLocation location{static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(c)};
            if (sweep.Taken(location))
                lines += sweep.Distance(location) + 1;
            else if (state.Tiles[t].Clearings[c].Present)
                cut |= static_cast<std::uint8_t>(1u << c);
        }
        figures.CutOffClearings[t] = cut;
        figures.CutOff += std::popcount(cut);
        figures.CutOffTiles += cut != 0 ? 1 : 0;
    }
    // The start's own route (one line) is not a route to anywhere.
    if (figures.Reachable > 1)
        figures.MeanRoute = static_cast<double>(lines - 1) / (figures.Reachable - 1);
}

void MeasureDeadEnds(const TMapState& state, const TRoadGraph& graph, TMapFigures& figures) {
    for (int t = 1; t <= TileCount; ++t)
        for (int c = 1; c <= 6; ++c) {
            if (!state.Tiles[t].Clearings[c].Present)
                continue;
            int roads = 0;
            for (const TRoadStep road : graph.Roads(At(t, c)))
                roads += RoadEnd(graph, At(t, c), road) != 0 ? 1 : 0;
            figures.DeadEnds += roads == 1 ? 1 : 0;
        }
}

// Bridges of the road network around the start, found by one depth-first
// walk (Tarjan's low links). Every road of the set the generator matches has
// its return road, so a road and its return are one road: the walk skips one
// road back to where it came from, and a second road between the same two
// clearings keeps the first from being a bridge.
class TBridgeWalk {
public:
    explicit TBridgeWalk(const TRoadGraph& graph) : Graph(graph) {}

    int CountFrom(TLocationIndex start) {
        Visit(start, 0);
        return Bridges;
    }

private:
    void Visit(TLocationIndex at, TLocationIndex parent) {
        Order[at] = Low[at] = ++Time;
        bool parentSkipped = false;
        for (const TRoadStep road : Graph.Roads(at)) {
            const TLocationIndex next = RoadEnd(Graph, at, road);
            if (next == 0)
                continue;
            if (next == parent && !parentSkipped) {
                parentSkipped = true;
                continue;
            }
            if (Order[next] == 0) {
                Visit(next, at);
                Low[at] = std::min(Low[at], Low[next]);
                if (Low[next] > Order[at])
                    ++Bridges;
            } else {
                Low[at] = std::min(Low[at], Order[next]);
            }
        }
    }

    const TRoadGraph& Graph;
    std::array<std::uint8_t, LocationIndexCount> Order{};
    std::array<std::uint8_t, LocationIndexCount> Low{};
    std::uint8_t Time = 0;
    int Bridges = 0;
};

} // namespace

std::vector<TLocation> TMapFigures::CutOffList() const {
    std::vector<TLocation> list;
    for (int t = 1; t <= TileCount; ++t)
        for (int c = 1; c <= 6; ++c)
            if (CutOffClearings[t] >> c & 1)
                list.push_back({static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(c)});
    return list;
}

TMapFigures MeasureMap(const TMapState& state) {
    TMapFigures figures;
    MeasureExtent(state, figures);
    MeasureEdges(state, figures);
    const TRoadGraph graph(state);
    MeasureReach(state, graph, figures);
    MeasureDeadEnds(state, graph, figures);
    figures.Bridges = TBridgeWalk(graph).CountFrom(IndexOf(StartLocation));
    return figures;
}

double FigureValue(const TMapFigures& figures, TFigure figure) {
    switch (figure) {
    case TFigure::Reachable:
        return figures.Reachable;
    case TFigure::CutOff:
        return figures.CutOff;
    case TFigure::CutOffTiles:
        return figures.CutOffTiles;
    case TFigure::Longest:
        return figures.Longest;
    case TFigure::MeanRoute:
        return figures.MeanRoute;
    case TFigure::Columns:
        return figures.Columns;
    case TFigure::Rows:
        return figures.Rows;
    case TFigure::Clumping:
        return figures.Clumping;
    case TFigure::SharedEdges:
        return figures.SharedEdges;
    case TFigure::DeadEnds:
        return figures.DeadEnds;
    case TFigure::Bridges:
        return figures.Bridges;
    }
    return 0;
}

} // namespace tavrin
