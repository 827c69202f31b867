#pragma once
// What is drawn over a map picture: the answer to a route query and, on
// request, the clearings no road joins to the start and every tile's column
// and row. The marks are kept in picture
// coordinates and painted through a transform to the device, with lines and
// texts of a fixed size on the device. The map view paints them over the
// picture on screen, never into it; tavrin-cli render paints them onto the
// picture it writes.

#include "colour_palette.h"
#include "map_places.h"
#include "map_state.h"
#include "mark_layout.h"
#include "route_search.h"

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

class QImage;
class QPainter;
class QTransform;

namespace tavrin {

// The answer to a route query on the map. A found route has its roads traced,
// its clearings ringed and its start and end marked apart; for a route that
// was not found both end clearings are marked as not joined.
struct TRouteMarks {
    bool Joined = true;
    std::optional<TPoint> Start;
    std::optional<TPoint> End;
    std::vector<TPoint> Stops; // the clearings between start and end
    std::vector<TPolyline> Roads;

    bool IsEmpty() const { return !Start && !End && Stops.empty() && Roads.empty(); }
};

// The marks of a found route, from the tile records it was found on. A
// location with clearing 0 (a road into a tile that has none there) gets no
// ring.
TRouteMarks FoundRouteMarks(const TMapState& state, const TMapPlaces& places, const TRoute& route);

// The marks of "Clearings not connected!" for the two end clearings.
TRouteMarks NotJoinedMarks(const TMapPlaces& places, TLocation from, TLocation to);

// The answer to the query from `from` to `to` that gave `route`: the found
// route's marks, or the two ends not joined.
TRouteMarks RouteAnswerMarks(const TMapState& state, const TMapPlaces& places, TLocation from,
                             TLocation to, const TRoute& route);

// `toView` maps picture coordinates to the painter's device; `scale` is its
// zoom: rings, lines and labels grow with it and stay readable on a small
// map (MarkSizes). The From and To labels cover no ring of the route. The
// route's roads are dashed over a light outline, so they differ from the
// art's roads without colour; the colours come from `palette`.
void PaintRouteMarks(QPainter& painter, const QTransform& toView, double scale,
                     const TRouteMarks& marks, TPalette palette = TPalette::Standard);

// The rings of the marks on the device, each with its casing.
std::vector<TCircle> RouteRings(const TRouteMarks& marks, const QTransform& toView, double scale);

// The From and To labels ("From", "To", or with ": not joined") and their
// boxes on the device, as PaintRouteMarks draws them.
struct TRouteLabel {
    QString Text;
    QRectF Box;
    bool End = false;
};
std::vector<TRouteLabel> RouteLabels(const TRouteMarks& marks, const QTransform& toView,
                                     double scale);

// "column/row" on each tile, as the tile listing writes them, where it hides
// no clearing and no name (CoordinatesBox), at one size on screen.
void PaintCoordinates(QPainter& painter, const QTransform& toView, const TMapPlaces& places);

// The text of one tile's coordinates: "-2/1".
QString CoordinatesText(const TTilePlace& place);

// A cross in a ring on each cut-off clearing (CutOffPoints); the ring clears
// the clearing's own circle, so its number stays readable.
void PaintCutOffMarks(QPainter& painter, const QTransform& toView, double scale,
                      const std::vector<TPoint>& points, TPalette palette = TPalette::Standard);

// The marks painted onto the picture itself, at its own scale.
void DrawRouteMarks(QImage& picture, const TRouteMarks& marks,
                    TPalette palette = TPalette::Standard);
void DrawCutOffMarks(QImage& picture, const std::vector<TPoint>& points,
                     TPalette palette = TPalette::Standard);

// A palette colour as Qt takes it.
QColor ToQColor(TRgb colour);

} // namespace tavrin
