// The tile's own frame: rotation steps, edge midpoints, and their place on
// the bitmap's hexagon.

#include "hex_shape.h"
#include "tile_frame.h"

#include <cmath>
#include <grid.h>
#include <gtest/gtest.h>

using namespace tavrin::tileart;

namespace {

void ExpectNear(TPoint actual, TPoint expected, const char* what) {
    EXPECT_NEAR(actual.X, expected.X, 1e-9) << what;
    EXPECT_NEAR(actual.Y, expected.Y, 1e-9) << what;
}

} // namespace

TEST(TileFrame, EdgeMidpointsLieOnTheBitmapHexagonsEdges) {
    const TPoint expected[7] = {
        {},           {100.0, 0.0}, {175.0, 43.75}, {175.0, 131.25}, {100.0, 175.0}, {25.0, 131.25},
        {25.0, 43.75}};
    for (int e = 1; e <= 6; ++e) {
        const TPoint m = ToBitmap(EdgeMidpoint(e));
        ExpectNear(m, expected[e], "edge midpoint");
        // One pixel inward from the midpoint is inside the pixel hexagon, one
        // pixel outward is not.
        const TPoint n = EdgeNormal(e);
        const TPoint in = ToBitmap({EdgeMidpoint(e).X - 1.5 * n.X, EdgeMidpoint(e).Y - 1.5 * n.Y});
        const TPoint out = ToBitmap({EdgeMidpoint(e).X + 1.5 * n.X, EdgeMidpoint(e).Y + 1.5 * n.Y});
        EXPECT_TRUE(
            IsInsideHex(static_cast<int>(std::floor(in.X)), static_cast<int>(std::floor(in.Y))))
            << "edge " << e;
        EXPECT_FALSE(
            IsInsideHex(static_cast<int>(std::floor(out.X)), static_cast<int>(std::floor(out.Y))))
            << "edge " << e;
    }
}

TEST(TileFrame, RotationCarriesEachTileEdgeToItsMapEdge) {
    for (int rotation = 1; rotation <= 6; ++rotation) {
        for (int edge = 1; edge <= 6; ++edge) {
            const int mapEdge =
                tavrin::ToMapEdge(tavrin::TEdge(edge), tavrin::TRotation(rotation)).Number();
            ExpectNear(RotateToMapFrame(EdgeMidpoint(edge), rotation), EdgeMidpoint(mapEdge),
                       "rotated midpoint");
            ExpectNear(RotateToMapFrame(EdgeNormal(edge), rotation), EdgeNormal(mapEdge),
                       "rotated normal");
        }
    }
    // Rotation 2 puts the top edge on the upper right, clockwise.
    ExpectNear(RotateToMapFrame({0.0, -10.0}, 2), {10.0 * Sin60, -5.0}, "one step");
}

TEST(TileFrame, TurningKeepsDistancesAndWrapsAroundSixSteps) {
    const TPoint p{31.0, -17.0};
    for (int steps = -7; steps <= 13; ++steps) {
        const TPoint q = TurnClockwise(p, steps);
        EXPECT_NEAR(std::hypot(q.X, q.Y), std::hypot(p.X, p.Y), 1e-9);
        ExpectNear(q, TurnClockwise(p, steps + 6), "six steps");
    }
    ExpectNear(TurnClockwise(TurnClockwise(p, 2), -2), p, "there and back");
}
