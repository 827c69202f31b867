// The page's door to the engine: TPageSession's commands as JavaScript
// functions of the WebAssembly module. Answers are plain objects; a refused
// command answers { error: text } and changes nothing the page shows.
// Strings cross as UTF-32 code points, so a map string's bytes (Latin-1) and
// a pasted code's characters arrive as they are.

#include "catalogue.h"
#include "page_session.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <string>

using emscripten::val;
using tavrin::web::TPageMap;
using tavrin::web::TPageRoute;
using tavrin::web::TPageSession;
using tavrin::web::TRefusal;

namespace {

TPageSession& Session() {
    static TPageSession session;
    return session;
}

std::wstring Latin1(const std::string& bytes) {
    std::wstring text;
    for (const char c : bytes)
        text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
}

val Point(tavrin::TPoint p) {
    val point = val::object();
    point.set("x", p.X);
    point.set("y", p.Y);
    return point;
}

val Messages() {
    val list = val::array();
    for (const std::string& text : Session().Messages())
        list.call<void>("push", text);
    return list;
}

val MapObject(const TPageMap& map) {
    val result = val::object();
    result.set("mapString", Latin1(map.MapString));
    val listing = val::array();
    for (const std::string& line : map.Listing)
        listing.call<void>("push", line);
    result.set("listing", listing);
    result.set("seed", map.Seed ? val(static_cast<double>(*map.Seed)) : val::null());
    result.set("number", static_cast<double>(map.Number));
    result.set("width", map.Box.Width());
    result.set("height", map.Box.Height());
    val tiles = val::array();
    for (int t = 1; t <= tavrin::TileCount; ++t) {
        const tavrin::TTilePlace& place = map.Places.Tiles[t];
        val tile = val::object();
        tile.set("file", tavrin::TileBitmapStem(t, place.Rotation));
        tile.set("token", std::string(tavrin::TileFileNames[t]));
        tile.set("name", map.Names[static_cast<std::size_t>(t - 1)]);
        tile.set("x", place.X);
        tile.set("y", place.Y);
        tile.set("col", place.Col);
        tile.set("row", place.Row);
        tile.set("rotation", place.Rotation);
        tiles.call<void>("push", tile);
    }
    result.set("tiles", tiles);
    result.set("messages", Messages());
    return result;
}

val Refused(const std::string& text) {
    val result = val::object();
    result.set("error", text);
    result.set("messages", Messages());
    return result;
}

// Runs one command; its refusal, or an error of the engine, becomes the
// answer's error.
template <typename Command> val Run(Command command) {
    try {
        return command();
    } catch (const TRefusal& refusal) {
        return Refused(refusal.Text);
    } catch (const std::exception& e) {
        return Refused(TPageSession::ErrorText(e.what()));
    }
}

val CreateMap() {
    return Run([] { return MapObject(Session().CreateMap()); });
}

val MapOfSeed(double seed, double number) {
    return Run([=] {
        if (!(seed >= 0 && seed <= 4294967295.0 &&
              seed == static_cast<double>(static_cast<long long>(seed))))
            throw TRefusal{"A seed is a whole number from 0 to 4294967295."};
        if (!(number >= 1 && number <= 1e9 &&
              number == static_cast<double>(static_cast<long long>(number))))
            throw TRefusal{"A map number is a whole number from 1 up."};
        return MapObject(Session().MapOfSeed(static_cast<std::uint32_t>(seed),
                                             static_cast<std::int64_t>(number)));
    });
}

val PasteCode(const std::wstring& text) {
    return Run([&] {
        const std::u32string code(text.begin(), text.end());
        return MapObject(Session().PasteCode(code));
    });
}

val Route(int fromTile, int fromClearing, int toTile, int toClearing) {
    return Run([=] {
        const TPageRoute route = Session().Route(tavrin::LocationFrom(fromTile, fromClearing),
                                                 tavrin::LocationFrom(toTile, toClearing));
        val result = val::object();
        val lines = val::array();
        for (const std::string& line : route.Lines)
            lines.call<void>("push", line);
        result.set("lines", lines);
        result.set("found", route.Found);
        val stops = val::array();
        for (const tavrin::TPoint& p : route.Stops)
            stops.call<void>("push", Point(p));
        result.set("stops", stops);
        val roads = val::array();
        for (const auto& road : route.Roads) {
            val points = val::array();
            for (const tavrin::TPoint& p : road)
                points.call<void>("push", Point(p));
            roads.call<void>("push", points);
        }
        result.set("roads", roads);
        return result;
    });
}

val ClearingAt(double x, double y, double reach) {
    const tavrin::TLocation at = Session().ClearingAt({x, y}, reach);
    if (at == tavrin::NoLocation)
        return val::null();
    val result = val::object();
    result.set("tile", at.Tile);
    result.set("clearing", at.Clearing);
    result.set("token", std::string(tavrin::TileFileNames[at.Tile]));
    result.set("centre", Point(Session().ClearingCentre(at)));
    return result;
}

val ClearingCentre(int tile, int clearing) {
    return Run(
        [=] { return Point(Session().ClearingCentre(tavrin::LocationFrom(tile, clearing))); });
}

} // namespace

EMSCRIPTEN_BINDINGS(tavrin) {
    emscripten::function("createMap", &CreateMap);
    emscripten::function("mapOfSeed", &MapOfSeed);
    emscripten::function("pasteCode", &PasteCode);
    emscripten::function("route", &Route);
    emscripten::function("clearingAt", &ClearingAt);
    emscripten::function("clearingCentre", &ClearingCentre);
}
