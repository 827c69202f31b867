#include "page_session.h"

#include "acceptance.h"
#include "errors.h"
#include "listing.h"
#include "map_code_text.h"
#include "map_search.h"
#include "map_string.h"
#include "share_code.h"

#include <algorithm>

namespace tavrin::web {
namespace {

// The window's answer to a paste that holds no map.
constexpr const char* NoMapCodeText = "The clipboard holds no map code";

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

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
    State->Messages = &Sink;
    SequenceSeed = State->Random.Seed;
}

std::string TPageSession::ErrorText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

template <typename Change> void TPageSession::Guarded(Change change) {
    Sink.Texts.clear();
    const bool hadMap = State->MapPresent;
    const std::string before = MakeMapString(*State);
    try {
        change();
    } catch (const ETavrinError& e) {
        // The tiles go back to the map shown, so what the page shows and what
        // a route runs on stay one map.
        if (hadMap)
            ReadMapString(*State, before);
        throw TRefusal{ErrorText(e.what())};
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
    map.Seed = ShownSeed;
    map.Number = ShownNumber;
    map.Box = box;
    map.Places = MapPlaces(*State);
    map.ShareCode = ShareCode(map.MapString);
    map.Figures = MeasureMap(*State);
    map.CutOff = CutOffPoints(map.Places, map.Figures);
    return map;
}

TPageMap TPageSession::CreateMap() {
    Guarded([this] {
        try {
            tavrin::CreateMap(*State);
        } catch (...) {
            SequenceSeed.reset();
            throw;
        }
    });
    ++SequenceNumber;
    ShownSeed = SequenceSeed;
    ShownNumber = SequenceNumber;
    return Shown();
}

TPageMap TPageSession::MapOfSeed(std::uint32_t seed, std::int64_t number) {
    if (number < 1 || number > MaxMapNumber)
        throw TRefusal{MapNumberText};
    const std::uint32_t randomBefore = State->Random.Seed;
    const auto sequenceBefore = SequenceSeed;
    const auto numberBefore = SequenceNumber;
    Guarded([&] {
        try {
            State->Random.Seed = seed;
            for (std::int64_t k = 1; k <= number; ++k)
                tavrin::CreateMap(*State);
        } catch (...) {
            State->Random.Seed = randomBefore;
            SequenceSeed = sequenceBefore;
            SequenceNumber = numberBefore;
            throw;
        }
    });
    SequenceSeed = seed;
    SequenceNumber = number;
    ShownSeed = seed;
    ShownNumber = number;
    return Shown();
}

TPageMap TPageSession::PasteCode(std::u32string_view text) {
    // Latin-1 when every character fits a byte, so a map string reads byte
    // for byte; UTF-8 otherwise, as the window passes the clipboard's text.
    bool latin1 = true;
    for (const char32_t c : text)
        latin1 = latin1 && c <= 255;
    std::string bytes;
    for (const char32_t c : text) {
        if (latin1)
            bytes += static_cast<char>(c);
        else
            AppendUtf8(bytes, c);
    }
    const TMapCodeSearch search = FindMapCode(bytes);
    if (!search.Found)
        throw TRefusal{search.Refusal ? search.Refusal : NoMapCodeText};
    if (search.Found->Form == TMapCodeForm::Seed)
        return MapOfSeed(static_cast<std::uint32_t>(search.Found->SeedMap.Seed),
                         search.Found->SeedMap.Map);
    const std::string& line = search.Found->MapString;
    Guarded([&] {
        if (!ReadMapString(*State, line)) {
            Sink.Texts.clear(); // the refusal says it once
            throw TRefusal{MapStringNotValidMessage(line)};
        }
        for (int t = 1; t <= TileCount; ++t)
            State->Tiles[t].Placed = true;
    });
    ShownSeed.reset();
    ShownNumber = 0;
    return Shown();
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
        throw TRefusal{ErrorText(e.what())};
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
    SequenceNumber += SearchMaps;
    ShownSeed = SequenceSeed;
    ShownNumber = SequenceNumber;
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
    answer.Roads = RouteTrace(*State, places, route);
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
    const std::string seedText = ShownSeed ? SeedMapText({*ShownSeed, ShownNumber}) : std::string();
    return PlanSheet(*State, SheetWords(*State, seedText, date, address), PaperArea(paper));
}

} // namespace tavrin::web
