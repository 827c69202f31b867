#include "rotation_mark.h"

#include "clearing_layout.h"

#include <algorithm>
#include <cmath>

namespace tavrin {
namespace {

using tileart::TPoint;

// The arrow in the tile's own frame, edge 1 at the top: its tip `Inset`
// below the edge, its head `Head` deep and `HeadHalf` to either side, its
// shaft `Shaft` long and `ShaftHalf` to either side.
constexpr double Inset = 4;
constexpr double Head = 11;
constexpr double HeadHalf = 9;
constexpr double Shaft = 12;
constexpr double ShaftHalf = 3;
// Where along the edge the arrow may stand, from the edge's middle, in the
// order tried.
constexpr std::array<double, 7> Along{0, -22, 22, -34, 34, -12, 12};
// Room kept round a clearing's circle and the name's plate.
constexpr double Clearance = 2;

TPoint ToPicture(TPoint p, int rotation) {
    return tileart::ToBitmap(tileart::RotateToMapFrame(p, rotation));
}

TMarkShape Shape(double along, int rotation) {
    const double tip = -tileart::EdgeDistance + Inset;
    const double head = tip + Head;
    const double end = head + Shaft;
    return {ToPicture({along, tip}, rotation),
            ToPicture({along + HeadHalf, head}, rotation),
            ToPicture({along + ShaftHalf, head}, rotation),
            ToPicture({along + ShaftHalf, end}, rotation),
            ToPicture({along - ShaftHalf, end}, rotation),
            ToPicture({along - ShaftHalf, head}, rotation),
            ToPicture({along - HeadHalf, head}, rotation)};
}

// Even-odd rule: the outline is not convex.
bool Inside(const TMarkShape& m, TPoint p) {
    bool inside = false;
    for (std::size_t i = 0, j = m.size() - 1; i < m.size(); j = i++)
        if ((m[i].Y > p.Y) != (m[j].Y > p.Y) &&
            p.X < (m[j].X - m[i].X) * (p.Y - m[i].Y) / (m[j].Y - m[i].Y) + m[i].X)
            inside = !inside;
    return inside;
}

double SegmentDistance(TPoint p, TPoint a, TPoint b) {
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    const double t =
        std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

bool CoversCircle(const TMarkShape& m, TPoint centre, double radius) {
    if (Inside(m, centre))
        return true;
    for (std::size_t i = 0; i < m.size(); ++i)
        if (SegmentDistance(centre, m[i], m[(i + 1) % m.size()]) < radius)
            return true;
    return false;
}

bool ClearOfClearings(const TTile& record, int tile, int rotation, const TMarkShape& mark) {
    for (int c = 1; c <= 6; ++c) {
        if (!record.Clearings[c].Present)
            continue;
        const TPoint centre = ToPicture(tileart::ClearingPosition(tile, c), rotation);
        if (CoversCircle(mark, centre, tileart::ClearingRadius + Clearance))
            return false;
    }
    return true;
}

} // namespace

TMarkShape UprightMark(double x, double y, double w, double h) {
    TMarkShape mark = Shape(0, 1);
    // In bitmap pixels the upright arrow runs from its tip down Head + Shaft.
    const TPoint tip = mark[0];
    const double top = tip.Y - Inset;
    const double scale = std::min(h / (Inset + Head + Shaft), w / (2 * HeadHalf));
    for (TPoint& p : mark)
        p = {x + w / 2 + (p.X - tip.X) * scale, y + (p.Y - top) * scale};
    return mark;
}

std::array<double, 4> MarkZone(const TMarkShape& mark) {
    std::array<double, 4> zone{mark[0].X, mark[0].Y, mark[0].X, mark[0].Y};
    for (const TPoint& p : mark) {
        zone[0] = std::min(zone[0], p.X);
        zone[1] = std::min(zone[1], p.Y);
        zone[2] = std::max(zone[2], p.X);
        zone[3] = std::max(zone[3], p.Y);
    }
    return {zone[0] - Clearance, zone[1] - Clearance, zone[2] + Clearance, zone[3] + Clearance};
}

TMarkShape RotationMarkOf(const TTile& record, int tile, int rotation) {
    for (const double along : Along) {
        const TMarkShape mark = Shape(along, rotation);
        if (ClearOfClearings(record, tile, rotation, mark))
            return mark;
    }
    return Shape(0, rotation);
}

} // namespace tavrin
