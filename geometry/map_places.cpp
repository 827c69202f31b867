#include "map_places.h"

#include "clearing_layout.h"
#include "grid.h"
#include "hex_shape.h"
#include "map_layout.h"
#include "road_graph.h"
#include "road_path.h"

#include <cmath>
#include <limits>

namespace tavrin {
namespace {

// Points per road curve: enough for the bend of a road out to an edge to
// read as a curve at 400%.
constexpr int CurveSamples = 16;

// Appends the curve's points to `line`, in its own direction or reversed.
void AppendPath(TPolyline& line, const TMapPlaces& places, int tile, const tileart::TRoadPath& path,
                bool reversed) {
    for (int i = 0; i <= CurveSamples; ++i) {
        const double t = static_cast<double>(i) / CurveSamples;
        line.push_back(PicturePoint(places, tile, PointOnPath(path, reversed ? 1.0 - t : t)));
    }
}

TPoint FramePlace(int tile, int clearing) {
    return tileart::ClearingPosition(tile, clearing);
}

// The road that leads from `from` to `to`: the first road slot, in the order
// the route search tries them, that arrives there; an absent road when none.
TRoad RoadBetween(const TMapState& state, const TRoadGraph& graph, TLocation from, TLocation to) {
    if (from.Clearing == 0)
        return {};
    const TTile& tile = state.Tiles[from.Tile];
    const TClearing& clearing = tile.Clearings[from.Clearing];
    const TRoadSet& roads = tile.Flipped ? clearing.RoadsB : clearing.RoadsA;
    for (int slot = 1; slot <= 5; ++slot) {
        if (graph.Next(from, slot) == to)
            return roads[slot];
    }
    return {};
}

TPolyline RoadTrace(const TMapState& state, const TRoadGraph& graph, const TMapPlaces& places,
                    TLocation from, TLocation to) {
    TPolyline line;
    const TRoad road = RoadBetween(state, graph, from, to);
    if (road.Present && road.Kind == RoadToEdge) {
        const int edge = road.Edge;
        AppendPath(line, places, from.Tile,
                   tileart::EdgeRoadPath(FramePlace(from.Tile, from.Clearing), edge), false);
        if (to.Clearing != 0) {
            const TEdge mapEdge = ToMapEdge(TEdge(edge), RotationOf(state.Tiles[from.Tile]));
            const TEdge facing = ToTileEdge(Opposite(mapEdge), RotationOf(state.Tiles[to.Tile]));
            AppendPath(line, places, to.Tile,
                       tileart::EdgeRoadPath(FramePlace(to.Tile, to.Clearing), facing.Number()),
                       true);
        }
        return line;
    }
    // Within a tile the road is straight; so is the line drawn for a step no
    // road explains.
    line.push_back(ClearingCentre(places, from));
    line.push_back(ClearingCentre(places, to));
    return line;
}

} // namespace

TMapPlaces MapPlaces(const TMapState& state) {
    TMapPlaces places;
    for (int i = 1; i <= TileCount; ++i) {
        const TTile& tile = state.Tiles[i];
        TTilePlace& place = places.Tiles[i];
        place.Col = tile.Col;
        place.Row = tile.Row;
        place.X = CheckedAdd(TileX(tile.Col), state.OffsetX);
        place.Y = CheckedAdd(TileY(tile.Col, tile.Row), state.OffsetY);
        place.Rotation = tile.Rotation;
        for (int c = 1; c <= 6; ++c)
            place.Clearings[static_cast<std::size_t>(c)] = tile.Clearings[c].Present;
    }
    return places;
}

TPoint PicturePoint(const TMapPlaces& places, int tile, TPoint p) {
    const TTilePlace& place = places.Tiles[tile];
    const TPoint onBitmap = tileart::ToBitmap(tileart::RotateToMapFrame(p, place.Rotation));
    return {place.X + onBitmap.X, place.Y + onBitmap.Y};
}

TPoint TileCentre(const TMapPlaces& places, int tile) {
    return PicturePoint(places, tile, {0.0, 0.0});
}

TPoint ClearingCentre(const TMapPlaces& places, TLocation location) {
    if (location.Clearing == 0)
        return TileCentre(places, location.Tile);
    return PicturePoint(places, location.Tile, FramePlace(location.Tile, location.Clearing));
}

int TileAt(const TMapPlaces& places, TPoint p) {
    for (int tile = TileCount; tile >= 1; --tile) {
        const TTilePlace& place = places.Tiles[tile];
        const double x = std::floor(p.X - place.X);
        const double y = std::floor(p.Y - place.Y);
        // Far-off points are outside every bitmap; no conversion can overflow.
        if (x < 0 || y < 0 || x >= tileart::BitmapSize || y >= tileart::BitmapSize)
            continue;
        if (tileart::IsInsideHex(static_cast<int>(x), static_cast<int>(y)))
            return tile;
    }
    return 0;
}

TLocation ClearingAt(const TMapPlaces& places, TPoint p, double reach) {
    const int tile = TileAt(places, p);
    if (tile == 0)
        return NoLocation;
    TLocation nearest = NoLocation;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (int c = 1; c <= 6; ++c) {
        if (!places.Tiles[tile].Clearings[static_cast<std::size_t>(c)])
            continue;
        const TLocation here{static_cast<std::uint8_t>(tile), static_cast<std::uint8_t>(c)};
        const TPoint centre = ClearingCentre(places, here);
        const double distance = std::hypot(p.X - centre.X, p.Y - centre.Y);
        if (distance <= reach && distance < nearestDistance) {
            nearest = here;
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::vector<TPolyline> RouteTrace(const TMapState& state, const TMapPlaces& places,
                                  const TRoute& route) {
    const TRoadGraph graph(state);
    std::vector<TPolyline> lines;
    for (int k = 1; k < route.Count; ++k)
        lines.push_back(
            RoadTrace(state, graph, places, route.Locations[k], route.Locations[k + 1]));
    return lines;
}

std::vector<TPoint> CutOffPoints(const TMapPlaces& places, const TMapFigures& figures) {
    std::vector<TPoint> points;
    for (const TLocation location : figures.CutOffList())
        points.push_back(ClearingCentre(places, location));
    return points;
}

} // namespace tavrin
