#pragma once
// A route's road drawn up to the rings of its clearings, not over them: the
// line without the parts inside the circles of `radius` round its first and
// its last point, so that the numbers of the clearings stay readable. The
// window and the page both draw the route's roads cut this way.

#include "map_places.h"

namespace tavrin {

// Empty when the whole line lies within the circles.
TPolyline CutLineEnds(const TPolyline& line, double radius);

} // namespace tavrin
