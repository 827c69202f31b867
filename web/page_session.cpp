#include "page_session.h"

#include "acceptance.h"
#include "clearing_layout.h"
#include "editor_places.h"
#include "errors.h"
#include "layout_check.h"
#include "line_cut.h"
#include "listing.h"
#include "map_editor.h"
#include "map_search.h"
#include "map_string.h"
#include "map_texts.h"
#include "share_code.h"

#include <algorithm>

namespace tavrin::web {
namespace {

// Criteria as the page typed them; a bad or impossible wish is refused in
// its one line.
TCriteria ReadWish(std::string_view text) {
    TCriteria criteria;
    try {
        criteria = ParseCriteria(text);
    } catch (const ETavrinError& e) {
        throw TRefusal{e.what()};
    }
    if (const auto reason = ImpossibleWish(criteria))
        throw TRefusal{*reason};
    return criteria;
}

} // namespace

TPageSession::TPageSession() {
    InitTiles(*State);
    // Completions count on from the clock's seed without drawing from it.
    CompletionSeed = State->Random.Seed;
    State->Messages = &Sink;
    Core = std::make_unique<TSessionCore>(*State);
}

// The engine and the sequence go back to where they were, so what the page
// shows and what a route runs on stay one map.
template <typename Change> void TPageSession::Guarded(Change change) {
    Sink.Texts.clear();
    *Before = *State;
    const std::optional<TSeedPosition> sequence = Core->Sequence();
    try {
        change();
    } catch (const ETavrinError& e) {
        *State = *Before;
        Core->ResumeSequence(sequence);
        throw TRefusal{ErrorSentence(e.what())};
    }
}

TPageMap TPageSession::Shown() {
    const TLayoutBox box = LayoutBox(*State);
    State->OffsetX = box.OffsetX();
    State->OffsetY = box.OffsetY();
    State->MapPresent = true;
    TPageMap map;
    map.MapString = MakeMapString(*State);
    map.Listing = TileListing(*State);
    for (int t = 1; t <= TileCount; ++t)
        map.Names.emplace_back(State->Tiles[t].Name.View());
    if (const THistoryEntry* current = Core->Current(); current && current->Position) {
        map.Seed = current->Position->Seed;
        map.Number = current->Position->Map;
    }
    map.Name = Core->SeedText();
    if (map.Name.empty() && CompletedShown && Core->Current())
        map.Name = "Map " + Core->Current()->Source; // "Map edited from Seed 4, map 2"
    if (map.Name.empty())
        map.Name = PastedMapName;
    map.Box = box;
    map.Places = MapPlaces(*State);
    map.ShareCode = ShareCode(map.MapString, PinMaskOf(Pins));
    const std::vector<TLayoutFinding> findings = CheckLayout(*State);
    map.Edited = !findings.empty() || PinMaskOf(Pins) != 0;
    if (map.Edited)
        map.FindingLine = FindingLine(findings);
    const TEditorFrame frame{State->OffsetX, State->OffsetY, box.Width(), box.Height()};
    for (const TLayoutFinding& f : findings) {
        const TTile& tile = State->Tiles[f.Tile];
        if (f.Kind == TFindingKind::RoadMismatch)
            map.Bars.push_back(EdgeBar({tile.Col, tile.Row}, f.Direction, frame));
        else if (f.Kind == TFindingKind::Unreached)
            map.Rings.push_back(ClearingPoint(*State, f.Clearing, frame));
    }
    for (int t = 1; t <= TileCount; ++t)
        if (Pins[static_cast<std::size_t>(t)])
            map.Pins.push_back(t);
    map.Figures = MeasureMap(*State);
    map.KeyFigures = KeyFiguresText(map.Figures);
    map.CutOff = CutOffPoints(map.Places, map.Figures);
    return map;
}

TPageMap TPageSession::CreateMap() {
    Guarded([this] { Core->CreateMap(); });
    Pins = {};
    CompletedShown = false;
    return Shown();
}

TPageMap TPageSession::CompleteMap() {
    return Complete(false);
}

TPageMap TPageSession::RerollUnpinned() {
    return Complete(true);
}

TPageMap TPageSession::Complete(bool reroll) {
    TMapEditor editor(*State, CompletionSeed++);
    for (int t = 1; t <= TileCount; ++t)
        if (Pins[static_cast<std::size_t>(t)])
            if (const auto pin = editor.TogglePin(t))
                editor.Apply(pin->After);
    const TCompletionEdit done = reroll ? editor.RerollUnpinned() : editor.CompleteMap();
    if (!done.Edit)
        throw TRefusal{done.Sentence};
    editor.Apply(done.Edit->After);
    const THistoryEntry* current = Core->Current();
    const std::string source =
        current ? EditedSource(current->Position, current->Source, current->MapString)
                : EditedSource(std::nullopt, {}, MakeMapString(*State));
    Guarded([&] { Core->LoadMapLine(MakeMapString(editor.State()), {}, source); });
    CompletedShown = true;
    return Shown();
}

std::optional<TPageMap> TPageSession::OpenText(std::u32string_view text, TTextSource source) {
    TOpenAnswer answer;
    Guarded([&] { answer = Core->OpenText(TextBytes(text), source); });
    if (answer.End == TOpenEnd::Opened) {
        Pins = TileSetOf(answer.Pins);
        CompletedShown = false;
        return Shown();
    }
    if (answer.End == TOpenEnd::NoAddress)
        return std::nullopt;
    // A map string the engine refused: its message is the refusal, said once.
    if (answer.Text.empty() && !Sink.Texts.empty()) {
        answer.Text = Sink.Texts.back();
        Sink.Texts.pop_back();
    }
    throw TRefusal{answer.Text};
}

void TPageSession::StartSearch(std::string_view criteria) {
    SearchCriteria = ReadWish(criteria);
    SearchState = std::make_unique<TMapState>(*State);
    SearchMaps = 0;
}

TWishExplanation TPageSession::ExplainWish(std::string_view text, int grow) {
    const TCriteria criteria = ReadWish(text);
    if (!WishSample)
        WishSample = std::make_unique<TWishSample>();
    WishSample->Grow(grow);
    return tavrin::ExplainWish(criteria, WishSample->Maps());
}

std::optional<TPageMap> TPageSession::SearchOn(std::int64_t maps) {
    if (!SearchState)
        throw TRefusal{"No search is under way."};
    TMapSearch slice;
    slice.Limit = std::min(maps, MapSearchLimit - SearchMaps);
    TMapSearchResult result;
    try {
        result = CreateMapUntil(*SearchState, SearchCriteria, slice);
    } catch (const ETavrinError& e) {
        SearchState.reset();
        throw TRefusal{ErrorSentence(e.what())};
    }
    SearchMaps += result.Maps;
    if (result.End != TMapSearchEnd::Found) {
        if (SearchMaps < MapSearchLimit)
            return std::nullopt;
        SearchState.reset();
        result.Maps = SearchMaps;
        throw TRefusal{SearchFailureText(result)};
    }
    // The map found is the one Create Map would have reached: the shown
    // engine takes the search's, and the sequence's count goes on from it.
    *State = *SearchState;
    State->Messages = &Sink;
    SearchState.reset();
    Core->TakeMapFound(SearchMaps);
    Pins = {};
    CompletedShown = false;
    return Shown();
}

std::string TPageSession::MapString() const {
    return MakeMapString(*State);
}

TPageRoute TPageSession::Route(TLocation from, TLocation to) const {
    TRoute route{};
    FindShortestPath(*State, from, to, route);
    TPageRoute answer;
    answer.Lines = RouteLines(route);
    answer.Found = route.Live;
    if (!route.Live)
        return answer;
    const TMapPlaces places = MapPlaces(*State);
    for (int k = 1; k <= route.Count; ++k)
        answer.Stops.push_back(tavrin::ClearingCentre(places, route.Locations[k]));
    // The roads stop at the clearings' edges, leaving their numbers clear.
    for (const TPolyline& road : RouteTrace(*State, places, route))
        answer.Roads.push_back(CutLineEnds(road, tileart::ClearingRadius + 1));
    return answer;
}

TLocation TPageSession::ClearingAt(TPoint p, double reach) const {
    return tavrin::ClearingAt(MapPlaces(*State), p, reach);
}

TPoint TPageSession::ClearingCentre(TLocation location) const {
    return tavrin::ClearingCentre(MapPlaces(*State), location);
}

TSheetPlan TPageSession::SheetPlan(std::string_view paper, std::string_view date,
                                   std::string_view address) const {
    return PlanSheet(*State, SheetWords(*State, Core->SeedText(), date, address), PaperArea(paper));
}

} // namespace tavrin::web
