#pragma once
// Where things lie on the map picture: tile centres, clearings and the course
// of a route's roads, in the picture's pixel coordinates (continuous: pixel
// (x, y) covers x..x+1, y..y+1). They follow from the tiles' places as drawn
// and the art's geometry (the hexagon, the clearing places and the rotation's
// turn that the tile-art generator draws by), never from the picture's pixels.
//
// MapPlaces takes the places from the tile records as DrawMap leaves them;
// everything else is plain arithmetic on that snapshot and never throws, so
// the view can ask it on every mouse move.

#include "checked.h"
#include "location.h"
#include "map_figures.h"
#include "map_state.h"
#include "route_search.h"
#include "tile_frame.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tavrin {

using tileart::TPoint;

// One tile as drawn: its grid cell and rotation, the top-left corner of its
// bitmap on the picture, and which of its clearings 1..6 it has.
struct TTilePlace {
    std::int32_t Col = 0;
    std::int32_t Row = 0;
    std::uint8_t Rotation = 1;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::array<bool, 7> Clearings{}; // slot 0 unused
};

struct TMapPlaces {
    CheckedArray<TTilePlace, 1, TileCount> Tiles{};
};

// The places of the 20 tiles with the state's offsets, as DrawMap draws them.
// Throws EIntOverflow where the drawing would.
TMapPlaces MapPlaces(const TMapState& state);

// The picture point of point `p` of tile `tile`'s own frame.
TPoint PicturePoint(const TMapPlaces& places, int tile, TPoint p);

// The centre of the tile's hexagon.
TPoint TileCentre(const TMapPlaces& places, int tile);

// The centre of clearing 1..6 of a tile; for clearing 0, the tile's centre.
TPoint ClearingCentre(const TMapPlaces& places, TLocation location);

// The tile whose hexagon covers `p`; where hexagons overlap, the one drawn
// last (the highest tile number), since it covers the others. 0 over none.
int TileAt(const TMapPlaces& places, TPoint p);

// The clearing of TileAt(p) nearest to `p`, if its centre lies within
// `reach` pixels; NoLocation otherwise. Clearings of tiles beneath are never
// found: the tile on top hides them.
TLocation ClearingAt(const TMapPlaces& places, TPoint p, double reach);

// The course of a found route: one line per road, in route order, each from
// its first clearing to its second along the road as the art draws it (across
// a tile edge: out to the edge's midpoint and on into the next tile). Needs
// the tile records the route was found on, for the roads.
using TPolyline = std::vector<TPoint>;
std::vector<TPolyline> RouteTrace(const TMapState& state, const TMapPlaces& places,
                                  const TRoute& route);

// The centres of the clearings no road joins to the start, in the order
// CutOffList gives them.
std::vector<TPoint> CutOffPoints(const TMapPlaces& places, const TMapFigures& figures);

} // namespace tavrin
