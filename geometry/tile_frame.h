#pragma once
// Coordinates of a tile's artwork. Positions of clearings and roads are kept in
// the tile's own frame: a regular hexagon of corner radius 100 centred on the
// origin, x to the right and y downwards, edge 1 at the top and the edges
// numbered clockwise. A rotation turns the frame in steps of 60 degrees, and
// the result is scaled onto the bitmap's hexagon, which is 175 rather than
// about 173.2 pixels high, so edges and their midpoints map exactly.

namespace tavrin::tileart {

struct TPoint {
    double X = 0;
    double Y = 0;

    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

inline constexpr double Sin60 = 0.86602540378443864676;
inline constexpr double CornerRadius = 100.0;
inline constexpr double EdgeDistance = CornerRadius * Sin60; // centre to edge midpoint

// The point turned clockwise by `steps` times 60 degrees about the centre.
// Only steps modulo 6 matter; negative steps turn anticlockwise.
constexpr TPoint TurnClockwise(TPoint p, int steps) {
    steps = ((steps % 6) + 6) % 6;
    for (int i = 0; i < steps; ++i)
        p = {0.5 * p.X - Sin60 * p.Y, Sin60 * p.X + 0.5 * p.Y};
    return p;
}

// Where a point of the tile's own frame lies when the tile has rotation 1..6:
// rotation r puts the tile's edge 1 on map edge r.
constexpr TPoint RotateToMapFrame(TPoint p, int rotation) {
    return TurnClockwise(p, rotation - 1);
}

// Midpoint of edge 1..6 in the tile's own frame.
constexpr TPoint EdgeMidpoint(int edge) {
    return TurnClockwise({0.0, -EdgeDistance}, edge - 1);
}

// The outward unit normal of edge 1..6 in the tile's own frame.
constexpr TPoint EdgeNormal(int edge) {
    return TurnClockwise({0.0, -1.0}, edge - 1);
}

// Bitmap pixel coordinates (continuous: pixel (x, y) covers x..x+1, y..y+1) of
// a point given in the map-aligned frame.
constexpr TPoint ToBitmap(TPoint p) {
    constexpr double centreX = 100.0;
    constexpr double centreY = 87.5;
    constexpr double stretchY = 87.5 / EdgeDistance;
    return {centreX + p.X, centreY + p.Y * stretchY};
}

} // namespace tavrin::tileart
