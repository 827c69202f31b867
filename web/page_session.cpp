#include "page_session.h"

#include "acceptance.h"
#include "errors.h"
#include "listing.h"
#include "map_search.h"
#include "map_string.h"

#include <algorithm>

namespace tavrin::web {
namespace {

bool IsLineSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f';
}

// The shortest answer to a wrong length shows the code's first 100
// characters; MapStringNotValidMessage does that for a byte string, and a
// code that no byte string holds is answered the same way.
std::string NotValidText(std::u32string_view code) {
    std::string shown;
    for (std::size_t i = 0; i < code.size() && i < 100; ++i) {
        const char32_t c = code[i];
        // UTF-8, so the page shows the character that was pasted.
        if (c < 0x80) {
            shown += static_cast<char>(c);
        } else if (c < 0x800) {
            shown += static_cast<char>(0xC0 | (c >> 6));
            shown += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            shown += static_cast<char>(0xE0 | (c >> 12));
            shown += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            shown += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            shown += static_cast<char>(0xF0 | (c >> 18));
            shown += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            shown += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            shown += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return MapStringNotValidMessage({}) + shown + (code.size() > 100 ? "..." : "");
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
    map.Figures = MeasureMap(*State);
    for (const TLocation location : map.Figures.CutOffList())
        map.CutOff.push_back(tavrin::ClearingCentre(map.Places, location));
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
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && IsLineSpace(text[first]))
        ++first;
    while (end > first && IsLineSpace(text[end - 1]))
        --end;
    const std::u32string_view code = text.substr(first, end - first);
    std::string line;
    for (const char32_t c : code) {
        if (c > 255)
            throw TRefusal{NotValidText(code)};
        line += static_cast<char>(c);
    }
    Guarded([&] {
        if (!ReadMapString(*State, line)) {
            Sink.Texts.clear(); // the refusal says it once
            throw TRefusal{NotValidText(code)};
        }
        for (int t = 1; t <= TileCount; ++t)
            State->Tiles[t].Placed = true;
    });
    ShownSeed.reset();
    ShownNumber = 0;
    return Shown();
}

void TPageSession::StartSearch(std::string_view criteria) {
    try {
        SearchCriteria = ParseCriteria(criteria);
    } catch (const ETavrinError& e) {
        throw TRefusal{e.what()};
    }
    SearchState = std::make_unique<TMapState>(*State);
    SearchMaps = 0;
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

} // namespace tavrin::web
