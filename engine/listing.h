#pragma once
// The texts the program shows for a map: one line per tile, and the answer to
// a route query.

#include "location.h"
#include "map_state.h"
#include "route_search.h"
#include "translatable.h"

#include <string>
#include <vector>

namespace tavrin {

// "March Land: 0/0/3": name, colon, blank, Col/Row/Rotation in decimal.
std::string TileListLine(const TMapState& state, int tile);

// The 20 lines of TileListLine, in tile order.
std::vector<std::string> TileListing(const TMapState& state);

// The lines of a route query's answer: one LocationText per location of a
// found route, start first; the one line "Clearings not connected!" when the
// route was not found.
std::vector<std::string> RouteLines(const TRoute& route);

// The window's text of the answer: each line of a found route followed by
// CR LF; "Clearings not connected!" alone when the route was not found.
std::string RouteAnswer(const TRoute& route);

// Runs the route search from `from` to `to` and returns RouteAnswer.
std::string RouteQuery(const TMapState& state, TLocation from, TLocation to);

inline constexpr const char* NotConnectedText = TAVRIN_TEXT("Core", "Clearings not connected!");

} // namespace tavrin
