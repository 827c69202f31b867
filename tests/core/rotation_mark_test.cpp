// Rotation marks no one misreads: every tile in every rotation has its mark
// inside its own hexagon, against map edge Rotation, its axis square to that
// edge, clear of the tile's clearings and of its name as the art places it.

#include "clearing_layout.h"
#include "rotation_mark.h"
#include "test_state.h"
#include "tile_name_places.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

using tileart::TPoint;

TPoint Bitmap(TPoint p, int rotation) {
    return tileart::ToBitmap(tileart::RotateToMapFrame(p, rotation));
}

// Points round the mark's outline, every pixel or so.
std::vector<TPoint> Outline(const TMarkShape& mark) {
    std::vector<TPoint> points;
    for (std::size_t i = 0; i < mark.size(); ++i) {
        const TPoint a = mark[i], b = mark[(i + 1) % mark.size()];
        for (int k = 0; k < 20; ++k)
            points.push_back({a.X + (b.X - a.X) * k / 20, a.Y + (b.Y - a.Y) * k / 20});
    }
    return points;
}

TEST(RotationMark, StandsInItsTileSquareToTheArtsTopEdgeClearOfClearingsAndName) {
    const auto state = test::FreshState();
    for (int tile = 1; tile <= TileCount; ++tile)
        for (int rotation = 1; rotation <= 6; ++rotation) {
            const TTile& record = state->Tiles[tile];
            const TMarkShape mark = RotationMarkOf(record, tile, rotation);
            const std::string what =
                "tile " + std::to_string(tile) + " rotation " + std::to_string(rotation);
            // Inside the hexagon (in the map frame, before the bitmap's
            // stretch), nearer map edge `rotation` than any other.
            const TPoint normal = tileart::EdgeNormal(rotation);
            const TPoint centre = tileart::ToBitmap({0, 0});
            for (const TPoint& p : Outline(mark)) {
                const TPoint q{p.X - centre.X, (p.Y - centre.Y) * tileart::EdgeDistance / 87.5};
                for (int edge = 1; edge <= 6; ++edge) {
                    const TPoint n = tileart::EdgeNormal(edge);
                    EXPECT_LT(q.X * n.X + q.Y * n.Y, tileart::EdgeDistance) << what;
                }
            }
            // The axis, from the shaft's end to the tip, along the normal.
            const TPoint end{(mark[3].X + mark[4].X) / 2, (mark[3].Y + mark[4].Y) / 2};
            const double ax = mark[0].X - end.X,
                         ay = (mark[0].Y - end.Y) * tileart::EdgeDistance / 87.5;
            EXPECT_NEAR((ax * normal.X + ay * normal.Y) / std::hypot(ax, ay), 1, 1e-6) << what;
            for (int c = 1; c <= 6; ++c) {
                if (!record.Clearings[c].Present)
                    continue;
                const TPoint at = Bitmap(tileart::ClearingPosition(tile, c), rotation);
                for (const TPoint& p : Outline(mark))
                    EXPECT_GT(std::hypot(p.X - at.X, p.Y - at.Y), tileart::ClearingRadius) << what;
            }
            const auto zone = MarkZone(mark);
            const TArtNamePlace& name = ArtNamePlace(tile, rotation);
            EXPECT_TRUE(zone[2] <= name.X || zone[0] >= name.X + name.W || zone[3] <= name.Y ||
                        zone[1] >= name.Y + name.H)
                << what;
        }
}

} // namespace
} // namespace tavrin
