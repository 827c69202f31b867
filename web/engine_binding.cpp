// The page's door to the engine: TPageSession's commands as JavaScript
// functions of the WebAssembly module. Each answers JSON text; a refused
// command answers { "error": text } and changes nothing the page shows.
// A map string's bytes go out as the characters they stand for (Latin-1); a
// pasted code comes in as code points (UTF-32), so nothing is lost either way.

#include "catalogue.h"
#include "colour_palette.h"
#include "edge.h"
#include "json_text.h"
#include "map_code_text.h"
#include "map_figures.h"
#include "map_link.h"
#include "map_texts.h"
#include "page_session.h"
#include "share_code.h"
#include "stored_lists.h"

#include <emscripten/bind.h>
#include <string>

using tavrin::web::TJsonText;
using tavrin::web::TPageMap;
using tavrin::web::TPageRoute;
using tavrin::web::TPageSession;
using tavrin::web::TRefusal;

namespace {

TPageSession& Session() {
    static TPageSession session;
    return session;
}

void Point(TJsonText& json, tavrin::TPoint p) {
    json.Raw("{").Key("x").Number(p.X).Key("y").Number(p.Y).Raw("}");
}

void Messages(TJsonText& json) {
    json.Key("messages").Raw("[");
    for (const std::string& text : Session().Messages())
        json.Next().Text(text);
    json.Raw("]");
}

std::string MapObject(const TPageMap& map) {
    TJsonText json;
    json.Raw("{").Key("mapString").Bytes(map.MapString);
    json.Key("listing").Raw("[");
    for (const std::string& line : map.Listing)
        json.Next().Bytes(line);
    json.Raw("]").Key("seed");
    if (map.Seed)
        json.Number(*map.Seed);
    else
        json.Null();
    json.Key("number").Number(static_cast<double>(map.Number));
    json.Key("name").Text(map.Name);
    json.Key("width").Number(map.Box.Width()).Key("height").Number(map.Box.Height());
    json.Key("tiles").Raw("[");
    for (int t = 1; t <= tavrin::TileCount; ++t) {
        const tavrin::TTilePlace& place = map.Places.Tiles[t];
        json.Next().Raw("{").Key("file").Text(tavrin::TileBitmapStem(t, place.Rotation));
        json.Key("token").Text(tavrin::TileFileNames[t]);
        json.Key("name").Bytes(map.Names[static_cast<std::size_t>(t - 1)]);
        json.Key("x").Number(place.X).Key("y").Number(place.Y);
        json.Key("col").Number(place.Col).Key("row").Number(place.Row);
        json.Key("rotation").Number(place.Rotation).Raw("}");
    }
    json.Raw("]").Key("shareCode").Text(map.ShareCode);
    const tavrin::TMapFigures& figures = map.Figures;
    json.Key("keyFigures").Text(map.KeyFigures);
    json.Key("figures").Raw("[");
    for (const tavrin::TFigureInfo& info : tavrin::Figures) {
        json.Next().Raw("{").Key("name").Text(info.Name).Key("label").Text(info.Label);
        json.Key("value").Text(tavrin::FigureValueText(figures, info.Figure)).Raw("}");
    }
    json.Raw("]").Key("cutOff").Raw("[");
    for (const tavrin::TPoint& p : map.CutOff)
        Point(json.Next(), p);
    json.Raw("]");
    // An edited map's finding line and marks, and its pins.
    json.Key("edited").Bool(map.Edited).Key("findingLine").Text(map.FindingLine);
    json.Key("bars").Raw("[");
    for (const auto& bar : map.Bars) {
        json.Next().Raw("[");
        Point(json.Next(), bar[0]);
        Point(json.Next(), bar[1]);
        json.Raw("]");
    }
    json.Raw("]").Key("rings").Raw("[");
    for (const tavrin::TPoint& p : map.Rings)
        Point(json.Next(), p);
    json.Raw("]").Key("pins").Raw("[");
    for (const int tile : map.Pins)
        json.Next().Number(tile);
    json.Raw("]");
    Messages(json);
    json.Raw("}");
    return json.Take();
}

std::string Refused(const std::string& text) {
    TJsonText json;
    json.Raw("{").Key("error").Text(text);
    Messages(json);
    json.Raw("}");
    return json.Take();
}

// Runs one command; its refusal, or an error of the engine, becomes the
// answer's error.
template <typename Command> std::string Run(Command command) {
    try {
        return command();
    } catch (const TRefusal& refusal) {
        return Refused(refusal.Text);
    } catch (const std::exception& e) {
        return Refused(tavrin::ErrorSentence(e.what()));
    }
}

bool WholeIn(double value, double low, double high) {
    return value >= low && value <= high &&
           value == static_cast<double>(static_cast<long long>(value));
}

std::string CreateMap() {
    return Run([] { return MapObject(Session().CreateMap()); });
}

// A text from the page, as code points; null when it asks for no map.
std::string OpenText(const std::wstring& text, tavrin::TTextSource source) {
    return Run([&] {
        const std::u32string code(text.begin(), text.end());
        const auto map = Session().OpenText(code, source);
        return map ? MapObject(*map) : std::string("null");
    });
}

// The page's address after its "#", decoded.
std::string OpenAddress(const std::wstring& text) {
    return OpenText(text, tavrin::TTextSource::Address);
}

// What is typed or pasted into the page's box.
std::string PasteCode(const std::wstring& text) {
    return OpenText(text, tavrin::TTextSource::TypedText);
}

std::string CompleteMap() {
    return Run([] { return MapObject(Session().CompleteMap()); });
}

std::string RerollUnpinned() {
    return Run([] { return MapObject(Session().RerollUnpinned()); });
}

std::string Route(int fromTile, int fromClearing, int toTile, int toClearing) {
    return Run([=] {
        const TPageRoute route = Session().Route(tavrin::LocationFrom(fromTile, fromClearing),
                                                 tavrin::LocationFrom(toTile, toClearing));
        TJsonText json;
        json.Raw("{").Key("lines").Raw("[");
        for (const std::string& line : route.Lines)
            json.Next().Bytes(line);
        json.Raw("]").Key("found").Bool(route.Found).Key("stops").Raw("[");
        for (const tavrin::TPoint& p : route.Stops)
            Point(json.Next(), p);
        json.Raw("]").Key("roads").Raw("[");
        for (const auto& road : route.Roads) {
            json.Next().Raw("[");
            for (const tavrin::TPoint& p : road)
                Point(json.Next(), p);
            json.Raw("]");
        }
        json.Raw("]}");
        return json.Take();
    });
}

std::string ClearingAt(double x, double y, double reach) {
    const tavrin::TLocation at = Session().ClearingAt({x, y}, reach);
    if (at == tavrin::NoLocation)
        return "null";
    TJsonText json;
    json.Raw("{").Key("tile").Number(at.Tile).Key("clearing").Number(at.Clearing);
    json.Key("token").Text(tavrin::TileFileNames[at.Tile]).Key("centre");
    Point(json, Session().ClearingCentre(at));
    json.Raw("}");
    return json.Take();
}

// The palette `name` names ("standard" or "colour-blind"; any other the
// standard one): its name, the folder of the tile art in its colours, and
// every colour by the name the page's style sheet takes it as.
std::string Palette(const std::string& name) {
    const tavrin::TPalette palette =
        tavrin::PaletteNamed(name).value_or(tavrin::TPalette::Standard);
    const std::string_view paletteName = tavrin::PaletteName(palette);
    TJsonText json;
    json.Raw("{").Key("name").Text(std::string(paletteName)).Key("tileFolder");
    json.Text(palette == tavrin::TPalette::Standard ? std::string("tiles/")
                                                    : "tiles/" + std::string(paletteName) + "/");
    json.Key("colours").Raw("{");
    for (const tavrin::TNamedColour& colour : tavrin::NamedColours(palette))
        json.Key(std::string(colour.Name)).Text(tavrin::HexText(colour.Colour).data());
    const tavrin::TRgb outline = tavrin::OutlineFor(tavrin::PaletteColours(palette).RotationMark);
    json.Key("rotation-mark-outline").Text(tavrin::HexText(outline).data());
    json.Raw("}}");
    return json.Take();
}

std::string StartSearch(const std::string& criteria) {
    return Run([&] {
        Session().StartSearch(criteria);
        return std::string("{}");
    });
}

// The map found, or { "tried": maps so far } while the search goes on.
std::string SearchOn(double maps) {
    return Run([=] {
        const auto found = Session().SearchOn(static_cast<std::int64_t>(maps));
        if (found)
            return MapObject(*found);
        TJsonText json;
        json.Raw("{").Key("tried").Number(static_cast<double>(Session().SearchTried())).Raw("}");
        return json.Take();
    });
}

// How the sample meets the criteria, after growing it by up to `grow` maps:
// { "sampled", "target", "estimate", "noMatch", "nearest", "lines" }, the
// texts as the window shows them; "nearest" in the criteria syntax.
std::string ExplainWish(const std::string& criteria, int grow) {
    return Run([&] {
        const tavrin::TWishExplanation explanation = Session().ExplainWish(criteria, grow);
        TJsonText json;
        json.Raw("{").Key("sampled").Number(static_cast<double>(explanation.Sampled));
        json.Key("target").Number(static_cast<double>(Session().WishSampleTarget()));
        json.Key("estimate")
            .Text(tavrin::MeetingEstimateText(explanation.Meeting, explanation.Sampled));
        json.Key("noMatch").Text(tavrin::NoMatchText(explanation));
        json.Key("nearest").Text(
            explanation.Moved.empty() ? std::string() : tavrin::CriteriaText(explanation.Nearest));
        json.Key("lines").Raw("[");
        for (const std::string& line :
             tavrin::ExplanationLines(tavrin::ParseCriteria(criteria), explanation))
            json.Next().Text(line);
        json.Raw("]}");
        return json.Take();
    });
}

std::string ClearingCentre(int tile, int clearing) {
    return Run([=] {
        TJsonText json;
        Point(json, Session().ClearingCentre(tavrin::LocationFrom(tile, clearing)));
        return json.Take();
    });
}

void Box(TJsonText& json, const tavrin::TBox& box) {
    json.Raw("{").Key("x").Number(box.X).Key("y").Number(box.Y).Key("w").Number(box.W);
    json.Key("h").Number(box.H).Raw("}");
}

void Shape(TJsonText& json, const tavrin::TMarkShape& shape) {
    json.Raw("[");
    for (const tavrin::TPoint& p : shape)
        Point(json.Next(), p);
    json.Raw("]");
}

void Lines(TJsonText& json, std::string_view key, const std::vector<tavrin::TSheetLine>& lines) {
    json.Key(key).Raw("[");
    for (const tavrin::TSheetLine& line : lines)
        json.Next()
            .Raw("[")
            .Number(line.X1)
            .Raw(",")
            .Number(line.Y1)
            .Raw(",")
            .Number(line.X2)
            .Raw(",")
            .Number(line.Y2)
            .Raw("]");
    json.Raw("]");
}

// The sheet's plan for the page to paint as SVG: every box in points, the
// map's parts in picture pixels, as the core laid them out.
std::string SheetPlan(const std::string& paper, const std::string& date,
                      const std::wstring& address) {
    return Run([&] {
        std::string url;
        for (const wchar_t c : address)
            url += c < 0x80 ? static_cast<char>(c) : '?'; // a page's address is ASCII
        // A page opened from a file has no address to give: tavrin: links.
        try {
            tavrin::WebAddress(url);
        } catch (const tavrin::EWebAddress&) {
            url.clear();
        }
        const tavrin::TSheetPlan plan = Session().SheetPlan(paper, date, url);
        TJsonText json;
        json.Raw("{").Key("landscape").Bool(plan.Landscape).Key("width").Number(plan.Width);
        json.Key("height").Number(plan.Height).Key("scale").Number(plan.Scale);
        json.Key("qrText").Text(plan.QrText).Key("marks").Raw("[");
        for (const tavrin::TMarkShape& mark : plan.Marks)
            Shape(json.Next(), mark);
        json.Raw("]").Key("pages").Raw("[");
        for (const tavrin::TSheetPage& page : plan.Pages) {
            json.Next().Raw("{").Key("texts").Raw("[");
            for (const tavrin::TSheetText& text : page.Texts) {
                json.Next().Raw("{").Key("box");
                Box(json, text.Box);
                json.Key("text").Bytes(text.Text).Key("font").Number(static_cast<int>(text.Font));
                json.Key("points")
                    .Number(text.Points)
                    .Key("align")
                    .Number(static_cast<int>(text.Align));
                json.Key("part").Number(static_cast<int>(text.Part)).Raw("}");
            }
            json.Raw("]").Key("maps").Raw("[");
            for (const tavrin::TSheetMapView& view : page.Maps) {
                json.Next().Raw("{").Key("page");
                Box(json, view.Page);
                json.Key("part");
                Box(json, view.Part);
                json.Raw("}");
            }
            json.Raw("]").Key("stripes").Raw("[");
            for (const tavrin::TBox& stripe : page.Stripes)
                Box(json.Next(), stripe);
            json.Raw("]");
            Lines(json, "rules", page.Rules);
            Lines(json, "dashes", page.Dashes);
            json.Key("qr");
            Box(json, page.Qr);
            json.Key("legendMark");
            Box(json, page.LegendMark);
            json.Key("legendArrow");
            Shape(json, page.LegendArrow);
            json.Key("table");
            Box(json, page.Table);
            json.Key("tableRows").Number(page.TableRows).Raw("}");
        }
        json.Raw("]}");
        return json.Take();
    });
}

// The page's kept maps and history (see stored_lists.h): the page passes the
// text its storage holds now and stores the text answered, inside one
// storage transaction; the entries to show are answered as JSON.
std::string KeptMaps(const std::string& text) {
    TJsonText json;
    json.Raw("[");
    for (const tavrin::TKeptMap& map : tavrin::web::ReadKeptMaps(text))
        json.Next()
            .Raw("{")
            .Key("name")
            .Text(map.Name)
            .Key("shown")
            .Text(tavrin::ShownName(map.Name))
            .Key("code")
            .Text(tavrin::ShareCode(map.MapString))
            .Raw("}");
    json.Raw("]");
    return json.Take();
}

// Keeps the map of share code `code` under `name` (see KeptMapName).
std::string KeepMap(const std::string& text, const std::string& name, const std::string& code,
                    const std::string& seedNaming) {
    std::vector<tavrin::TKeptMap> maps = tavrin::web::ReadKeptMaps(text);
    if (const auto map = tavrin::StoredMapOfCode(code))
        tavrin::KeepMap(maps, {tavrin::KeptMapName(name, seedNaming, *map), *map});
    return tavrin::web::KeptMapsText(maps);
}

std::string RemoveKeptMap(const std::string& text, const std::string& name,
                          const std::string& code) {
    std::vector<tavrin::TKeptMap> maps = tavrin::web::ReadKeptMaps(text);
    if (const auto map = tavrin::StoredMapOfCode(code))
        tavrin::RemoveKeptMap(maps, {name, *map});
    return tavrin::web::KeptMapsText(maps);
}

// Newest first, as the page lists them.
std::string History(const std::string& text) {
    const std::vector<tavrin::web::TPageHistoryEntry> entries = tavrin::web::ReadHistory(text);
    TJsonText json;
    json.Raw("[");
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        json.Next().Raw("{").Key("shareCode").Text(tavrin::ShareCode(entry->MapString));
        json.Key("seed");
        if (entry->Seed)
            json.Number(*entry->Seed);
        else
            json.Null();
        json.Key("number").Number(static_cast<double>(entry->Number));
        json.Key("name").Text(entry->Seed ? tavrin::SeedMapText({*entry->Seed, entry->Number})
                                          : tavrin::web::PastedMapName);
        json.Raw("}");
    }
    json.Raw("]");
    return json.Take();
}

// The map of share code `code` was shown; `seed` is -1 for a map not made
// from a seed.
std::string AddToHistory(const std::string& text, const std::string& code, double seed,
                         double number) {
    std::vector<tavrin::web::TPageHistoryEntry> entries = tavrin::web::ReadHistory(text);
    if (const auto map = tavrin::StoredMapOfCode(code)) {
        tavrin::web::TPageHistoryEntry entry{*map, std::nullopt, 0};
        if (WholeIn(seed, 0, 4294967295.0) && WholeIn(number, 1, tavrin::MaxSeedMap)) {
            entry.Seed = static_cast<std::uint32_t>(seed);
            entry.Number = static_cast<std::int64_t>(number);
        }
        tavrin::web::AddToHistory(entries, std::move(entry));
    }
    return tavrin::web::HistoryText(entries);
}

std::string StoreFailedText() {
    return tavrin::StoreFailedText;
}

// The names of every tile art file (tile and rotation), so that the page can
// have them all at hand before a map asks for one.
std::string TileArtFiles() {
    TJsonText json;
    json.Raw("[");
    for (int t = 1; t <= tavrin::TileCount; ++t)
        for (const tavrin::TRotation rotation : tavrin::AllRotations)
            json.Next().Text(tavrin::TileBitmapStem(t, rotation.Number()));
    json.Raw("]");
    return json.Take();
}

} // namespace

EMSCRIPTEN_BINDINGS(tavrin) {
    emscripten::function("sheetPlan", &SheetPlan);
    emscripten::function("createMap", &CreateMap);
    emscripten::function("openAddress", &OpenAddress);
    emscripten::function("pasteCode", &PasteCode);
    emscripten::function("route", &Route);
    emscripten::function("completeMap", &CompleteMap);
    emscripten::function("rerollUnpinned", &RerollUnpinned);
    emscripten::function("clearingAt", &ClearingAt);
    emscripten::function("clearingCentre", &ClearingCentre);
    emscripten::function("palette", &Palette);
    emscripten::function("startSearch", &StartSearch);
    emscripten::function("searchOn", &SearchOn);
    emscripten::function("explainWish", &ExplainWish);
    emscripten::function("keptMaps", &KeptMaps);
    emscripten::function("keepMap", &KeepMap);
    emscripten::function("removeKeptMap", &RemoveKeptMap);
    emscripten::function("history", &History);
    emscripten::function("addToHistory", &AddToHistory);
    emscripten::function("storeFailedText", &StoreFailedText);
    emscripten::function("tileArtFiles", &TileArtFiles);
}
