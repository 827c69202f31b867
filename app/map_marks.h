#pragma once
// What the map view draws over the picture, never into it: the answer to the
// last route query and, on request, every tile's column and row. The marks
// are kept in picture coordinates and painted at the view's scale, with lines
// and texts of a fixed size on screen.

#include "map_places.h"
#include "map_state.h"
#include "route_search.h"

#include <QString>
#include <optional>
#include <vector>

class QPainter;
class QTransform;

// The answer to a route query on the map. A found route has its roads traced,
// its clearings ringed and its start and end marked apart; for a route that
// was not found both end clearings are marked as not joined.
struct TRouteMarks {
    bool Joined = true;
    std::optional<tavrin::TPoint> Start;
    std::optional<tavrin::TPoint> End;
    std::vector<tavrin::TPoint> Stops; // the clearings between start and end
    std::vector<tavrin::TPolyline> Roads;

    bool IsEmpty() const { return !Start && !End && Stops.empty() && Roads.empty(); }
};

// The marks of a found route, from the tile records it was found on. A
// location with clearing 0 (a road into a tile that has none there) gets no
// ring.
TRouteMarks FoundRouteMarks(const tavrin::TMapState& state, const tavrin::TMapPlaces& places,
                            const tavrin::TRoute& route);

// The marks of "Clearings not connected!" for the two end clearings.
TRouteMarks NotJoinedMarks(const tavrin::TMapPlaces& places, tavrin::TLocation from,
                           tavrin::TLocation to);

// `toView` maps picture coordinates to the painter's device; `scale` is its
// zoom, so that rings stay large enough to see on a small map.
void PaintRouteMarks(QPainter& painter, const QTransform& toView, double scale,
                     const TRouteMarks& marks);

// "column/row" at each tile's centre, as the tile listing writes them.
void PaintCoordinates(QPainter& painter, const QTransform& toView,
                      const tavrin::TMapPlaces& places);

// The text of one tile's coordinates: "-2/1".
QString CoordinatesText(const tavrin::TTilePlace& place);
