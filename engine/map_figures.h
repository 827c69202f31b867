#pragma once
// What a map is like at a glance: its extent, how much of it the roads from
// the start reach and how far, how its terrain clumps, and where its road
// network is thin. One call measures the map the tiles hold; the window's
// status bar and figures panel, the Create Map Until search and tavrin-cli
// all read their figures from it.
//
// Routes are counted as the route query counts them: in route lines, one per
// clearing on the route, start and end included (a route of one road has two
// lines). Reach follows the route search from clearing 1 of tile 11 exactly,
// so a clearing is cut off precisely when the route query answers "Clearings
// not connected!" for it.

#include "location.h"
#include "map_state.h"
#include "translatable.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tavrin {

struct TMapFigures {
    // Extent of the 20 tiles' cells, as the picture is sized: columns from
    // the leftmost tile to the rightmost, rows from the highest to the lowest.
    std::int32_t Columns = 0;
    std::int32_t Rows = 0;
    // Clearings the route search reaches from the start, the start included,
    // and the catalogue's other clearings: Reachable + CutOff = 95.
    std::int32_t Reachable = 0;
    std::int32_t CutOff = 0;
    std::int32_t CutOffTiles = 0; // tiles with at least one cut-off clearing
    // Per tile, bit c set when clearing c of the tile is cut off.
    std::array<std::uint8_t, TileCount + 1> CutOffClearings{};
    // The longest of the shortest routes from the start, and their mean over
    // the reachable clearings other than the start (0 when there is none).
    std::int32_t Longest = 0;
    double MeanRoute = 0;
    // Shared edges between placed tiles, and those joining two tiles of the
    // same kind (terrain clumping).
    std::int32_t SharedEdges = 0;
    std::int32_t Clumping = 0;
    // Clearings with exactly one road that leads to a clearing on this map.
    std::int32_t DeadEnds = 0;
    // Roads whose loss would cut clearings off from the start.
    std::int32_t Bridges = 0;

    bool IsCutOff(TLocation location) const {
        return (CutOffClearings[location.Tile] >> location.Clearing & 1) != 0;
    }
    // The cut-off clearings, tile by tile, clearing by clearing.
    std::vector<TLocation> CutOffList() const;
};

// Measures the map the tiles hold. Reads the tile records only; allocates
// nothing.
TMapFigures MeasureMap(const TMapState& state);

// The figures by name, for criteria, tables and histograms.
enum class TFigure : std::uint8_t {
    Reachable,
    CutOff,
    CutOffTiles,
    Longest,
    MeanRoute,
    Columns,
    Rows,
    Clumping,
    SharedEdges,
    DeadEnds,
    Bridges,
};

struct TFigureInfo {
    TFigure Figure;
    std::string_view Name;  // as criteria and tavrin-cli write it
    std::string_view Label; // as the window shows it
    bool Whole;             // a whole number (all but the mean route)
};

// clang-format off
inline constexpr std::array<TFigureInfo, 11> Figures{{
    {TFigure::Reachable,   "reachable",   TAVRIN_TEXT("Core", "Reachable clearings"),       true},
    {TFigure::CutOff,      "cutoff",      TAVRIN_TEXT("Core", "Cut-off clearings"),         true},
    {TFigure::CutOffTiles, "cutofftiles", TAVRIN_TEXT("Core", "Tiles with cut-off clearings"), true},
    {TFigure::Longest,     "longest",     TAVRIN_TEXT("Core", "Longest route"),             true},
    {TFigure::MeanRoute,   "mean",        TAVRIN_TEXT("Core", "Mean route"),                false},
    {TFigure::Columns,     "columns",     TAVRIN_TEXT("Core", "Columns"),                   true},
    {TFigure::Rows,        "rows",        TAVRIN_TEXT("Core", "Rows"),                      true},
    {TFigure::Clumping,    "clumping",    TAVRIN_TEXT("Core", "Same-kind edges"),           true},
    {TFigure::SharedEdges, "edges",       TAVRIN_TEXT("Core", "Shared tile edges"),         true},
    {TFigure::DeadEnds,    "deadends",    TAVRIN_TEXT("Core", "Dead-end clearings"),        true},
    {TFigure::Bridges,     "bridges",     TAVRIN_TEXT("Core", "Bridge roads"),              true},
}};
// clang-format on

constexpr const TFigureInfo& InfoOf(TFigure figure) {
    return Figures[static_cast<std::size_t>(figure)];
}
static_assert([] {
    for (std::size_t i = 0; i < Figures.size(); ++i)
        if (static_cast<std::size_t>(Figures[i].Figure) != i)
            return false;
    return true;
}());

double FigureValue(const TMapFigures& figures, TFigure figure);

} // namespace tavrin
