#include "line_cut.h"

#include <algorithm>
#include <cmath>

namespace tavrin {
namespace {

double Dot(TPoint a, TPoint b) {
    return a.X * b.X + a.Y * b.Y;
}

TPoint Minus(TPoint a, TPoint b) {
    return {a.X - b.X, a.Y - b.Y};
}

// The line from where it first leaves the circle round its first point.
TPolyline CutStart(const TPolyline& line, double radius) {
    if (line.empty())
        return line;
    const TPoint centre = line.front();
    for (std::size_t i = 1; i < line.size(); ++i) {
        const TPoint to = Minus(line[i], centre);
        if (Dot(to, to) < radius * radius)
            continue;
        // Where |from + t step| = radius on the segment leaving the circle.
        const TPoint from = Minus(line[i - 1], centre);
        const TPoint step = Minus(line[i], line[i - 1]);
        const double a = Dot(step, step);
        const double b = Dot(from, step);
        const double c = Dot(from, from) - radius * radius;
        const double t = (-b + std::sqrt(std::max(0.0, b * b - a * c))) / a;
        TPolyline rest{{line[i - 1].X + t * step.X, line[i - 1].Y + t * step.Y}};
        rest.insert(rest.end(), line.begin() + static_cast<std::ptrdiff_t>(i), line.end());
        return rest;
    }
    return {};
}

} // namespace

TPolyline CutLineEnds(const TPolyline& line, double radius) {
    TPolyline cut = CutStart(line, radius);
    std::reverse(cut.begin(), cut.end());
    cut = CutStart(cut, radius);
    std::reverse(cut.begin(), cut.end());
    return cut;
}

} // namespace tavrin
