// The clearing places of every tile: clearings stay apart and inside, roads
// keep clear of the clearings they do not serve, and roads cross only where
// the tile's road network leaves no other way.

#include "clearing_layout.h"
#include "road_path.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map_state.h>
#include <memory>
#include <vector>

using namespace tavrin;
using namespace tavrin::tileart;

namespace {

std::unique_ptr<TMapState> Catalogue() {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, 1);
    return state;
}

double DistanceBetween(TPoint a, TPoint b) {
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

double Cross(TPoint o, TPoint a, TPoint b) {
    return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
}

bool SegmentsCross(TPoint a, TPoint b, TPoint c, TPoint d) {
    return Cross(c, d, a) * Cross(c, d, b) < 0 && Cross(a, b, c) * Cross(a, b, d) < 0;
}

std::vector<TPoint> Samples(const TRoadPath& path) {
    std::vector<TPoint> points;
    for (int i = 0; i <= 32; ++i)
        points.push_back(PointOnPath(path, i / 32.0));
    return points;
}

// Drops the stretch of a road near a point it shares with another road, where
// two roads leaving the same clearing or reaching the same edge touch.
std::vector<TPoint> AwayFrom(const std::vector<TPoint>& points, TPoint shared) {
    std::vector<TPoint> kept;
    for (TPoint p : points)
        if (DistanceBetween(p, shared) > ClearingRadius + 3)
            kept.push_back(p);
    return kept;
}

int Crossings(const TRoadPath& a, const TRoadPath& b) {
    std::vector<TPoint> pa = Samples(a);
    std::vector<TPoint> pb = Samples(b);
    for (TPoint end : {a.Start, a.End}) {
        if (DistanceBetween(end, b.Start) < 1e-9 || DistanceBetween(end, b.End) < 1e-9) {
            pa = AwayFrom(pa, end);
            pb = AwayFrom(pb, end);
        }
    }
    for (std::size_t i = 0; i + 1 < pa.size(); ++i)
        for (std::size_t j = 0; j + 1 < pb.size(); ++j)
            if (SegmentsCross(pa[i], pa[i + 1], pb[j], pb[j + 1]))
                return 1;
    return 0;
}

double DistanceToPath(TPoint p, const TRoadPath& path) {
    double best = 1e9;
    for (int i = 0; i <= 200; ++i)
        best = std::min(best, DistanceBetween(p, PointOnPath(path, i / 200.0)));
    return best;
}

// Tiles 1..5, 14 and 19 join two pairs of edges that interleave around the
// border with two separate chains of roads. On tile 11 the clearings with two
// exits cut off the exits of two other clearings, so at least two crossings are
// forced; the layout has three, the fewest a search over places found.
constexpr int ForcedCrossings[TileCount + 1] = {0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0,
                                                3, 0, 0, 1, 0, 0, 0, 0, 1, 0};

} // namespace

TEST(ClearingLayout, RoadsCrossOnlyWhereTheNetworkForcesIt) {
    const auto state = Catalogue();
    for (int tile = 1; tile <= TileCount; ++tile) {
        const auto paths =
            TileRoadPaths(state->Tiles[tile], [tile](int c) { return ClearingPosition(tile, c); });
        int crossings = 0;
        for (std::size_t i = 0; i < paths.size(); ++i)
            for (std::size_t j = i + 1; j < paths.size(); ++j)
                crossings += Crossings(paths[i], paths[j]);
        EXPECT_EQ(crossings, ForcedCrossings[tile]) << "tile " << tile;
    }
}

TEST(ClearingLayout, ClearingsStayApartInsideAndClearOfOtherRoads) {
    const auto state = Catalogue();
    for (int tile = 1; tile <= TileCount; ++tile) {
        const TTile& record = state->Tiles[tile];
        const auto paths =
            TileRoadPaths(record, [tile](int c) { return ClearingPosition(tile, c); });
        for (int c = 1; c <= 6; ++c) {
            if (!record.Clearings[c].Present)
                continue;
            const TPoint p = ClearingPosition(tile, c);
            for (int e = 1; e <= 6; ++e) {
                const TPoint n = EdgeNormal(e);
                EXPECT_LT(p.X * n.X + p.Y * n.Y, EdgeDistance - ClearingRadius - 10)
                    << "tile " << tile << " clearing " << c << " edge " << e;
            }
            for (int other = c + 1; other <= 6; ++other) {
                if (record.Clearings[other].Present) {
                    EXPECT_GT(DistanceBetween(p, ClearingPosition(tile, other)),
                              2 * ClearingRadius + 10)
                        << "tile " << tile << " clearings " << c << ", " << other;
                }
            }
            for (const TRoadPath& path : paths) {
                if (DistanceBetween(path.Start, p) < 1e-9 || DistanceBetween(path.End, p) < 1e-9)
                    continue;
                EXPECT_GT(DistanceToPath(p, path), ClearingRadius + 6)
                    << "tile " << tile << " clearing " << c;
            }
        }
    }
}

TEST(ClearingLayout, EveryRoadOfTheCatalogueIsDrawnOnce) {
    const auto state = Catalogue();
    // Tile 11: six clearings, six exits and six roads between clearings.
    const auto paths = TileRoadPaths(state->Tiles[StartTile],
                                     [](int c) { return ClearingPosition(StartTile, c); });
    int exits = 0;
    for (const TRoadPath& path : paths)
        exits += path.Edge != 0 ? 1 : 0;
    EXPECT_EQ(exits, 6);
    EXPECT_EQ(paths.size(), 12u);
    EXPECT_THROW(ClearingPosition(StartTile, 7), ERangeError);
    EXPECT_THROW(ClearingPosition(0, 1), ERangeError);
}
