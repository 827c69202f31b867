#pragma once
// The course of a tile's roads in its own frame. A road between two clearings
// is straight. A road out of the tile bends so that it crosses its edge at the
// midpoint at right angles: on a drawn map the roads of two neighbouring tiles
// then meet at the shared edge and read as one road.

#include "tile_frame.h"

#include <tile.h>
#include <vector>

namespace tavrin::tileart {

// A quadratic Bezier curve; a straight road has its control point halfway.
struct TRoadPath {
    TPoint Start;
    TPoint Control;
    TPoint End;
    int Edge = 0; // tile edge 1..6 the road leaves through, 0 between clearings
};

// How far inside the edge the curve of a road out of the tile turns straight.
inline constexpr double EdgeApproach = 30.0;

constexpr TPoint PointOnPath(const TRoadPath& path, double t) {
    const double u = 1.0 - t;
    return {u * u * path.Start.X + 2 * u * t * path.Control.X + t * t * path.End.X,
            u * u * path.Start.Y + 2 * u * t * path.Control.Y + t * t * path.End.Y};
}

// The road from a clearing at `from` out through tile edge 1..6 `edge`.
constexpr TRoadPath EdgeRoadPath(TPoint from, int edge) {
    const TPoint end = EdgeMidpoint(edge);
    const TPoint normal = EdgeNormal(edge);
    return {from, {end.X - normal.X * EdgeApproach, end.Y - normal.Y * EdgeApproach}, end, edge};
}

// The straight road between clearings at `from` and `to`.
constexpr TRoadPath ClearingRoadPath(TPoint from, TPoint to) {
    return {from, {(from.X + to.X) / 2, (from.Y + to.Y) / 2}, to, 0};
}

// The roads of RoadsA of the tile's present clearings; `positions(c)` gives
// the place of clearing c. A road between two clearings appears once even
// when both clearings list it.
template <typename Positions>
std::vector<TRoadPath> TileRoadPaths(const TTile& tile, Positions positions) {
    std::vector<TRoadPath> paths;
    for (int c = 1; c <= 6; ++c) {
        const TClearing& clearing = tile.Clearings[c];
        if (!clearing.Present)
            continue;
        for (int slot = 1; slot <= 5; ++slot) {
            const TRoad& road = clearing.RoadsA[slot];
            if (!road.Present)
                continue;
            const TPoint from = positions(c);
            if (road.Kind == RoadToEdge) {
                paths.push_back(EdgeRoadPath(from, road.Edge));
                continue;
            }
            const int target = road.Target;
            if (target == c || !tile.Clearings[target].Present)
                continue;
            bool listedBack = false;
            for (int back = 1; back <= 5; ++back) {
                const TRoad& r = tile.Clearings[target].RoadsA[back];
                listedBack = listedBack || (r.Present && r.Kind == RoadToClearing && r.Target == c);
            }
            if (listedBack && target < c)
                continue; // drawn from the lower-numbered clearing
            paths.push_back(ClearingRoadPath(from, positions(target)));
        }
    }
    return paths;
}

} // namespace tavrin::tileart
