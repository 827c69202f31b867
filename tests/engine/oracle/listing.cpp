#include "listing.h"

#include <string>

namespace tavrin::oracle {

std::string TileListLine(const TMapState& state, int tile) {
    const TTile& t = state.Tiles[tile];
    std::string line(t.Name.View());
    line += ": ";
    line += std::to_string(t.Col);
    line += '/';
    line += std::to_string(t.Row);
    line += '/';
    line += std::to_string(t.Rotation);
    return line;
}

std::vector<std::string> TileListing(const TMapState& state) {
    std::vector<std::string> lines;
    lines.reserve(TileCount);
    for (int t = 1; t <= TileCount; ++t)
        lines.push_back(TileListLine(state, t));
    return lines;
}

std::string RouteAnswer(const TRoute& route) {
    if (!route.Live)
        return NotConnectedText;
    std::string text;
    for (int k = 1; k <= route.Count; ++k) {
        text += LocationText(route.Locations[k]);
        text += "\r\n";
    }
    return text;
}

std::string RouteQuery(const TMapState& state, TLocation from, TLocation to) {
    TRoute route;
    FindShortestPath(state, from, to, route);
    return RouteAnswer(route);
}

} // namespace tavrin::oracle
