#pragma once
// The texts the program shows for a map: one line per tile, and the answer to
// a route query.

#include "location.h"
#include "map_state.h"
#include "route_search.h"

#include <string>
#include <vector>

namespace tavrin::oracle {

// "March Land: 0/0/3": name, colon, blank, Col/Row/Rotation in decimal.
std::string TileListLine(const TMapState& state, int tile);

// The 20 lines of TileListLine, in tile order.
std::vector<std::string> TileListing(const TMapState& state);

// One LocationText per location of a found route, each followed by CR LF;
// "Clearings not connected!" when the route was not found.
std::string RouteAnswer(const TRoute& route);

// Runs the route search from `from` to `to` and returns RouteAnswer.
std::string RouteQuery(const TMapState& state, TLocation from, TLocation to);

inline constexpr const char* NotConnectedText = "Clearings not connected!";

} // namespace tavrin::oracle
