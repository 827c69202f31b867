#include "session_core.h"

#include "acceptance.h"
#include "map_code_text.h"
#include "map_string.h"
#include "translatable.h"

namespace tavrin {

TSessionCore::TSessionCore(TMapState& state)
    : State_(state), Sequence_(TSeedPosition{state.Random.Seed, 0}) {}

std::string TSessionCore::SeedText() const {
    const THistoryEntry* current = Current();
    if (!current || !current->Position)
        return {};
    return ::SeedText(*current->Position);
}

// A Create Map that fails part-way leaves the generator somewhere in its
// sequence that no number names, so the maps after it have no seed text.
void TSessionCore::CreateMap() {
    try {
        tavrin::CreateMap(State_);
    } catch (...) {
        Sequence_.reset();
        throw;
    }
    if (Sequence_)
        ++Sequence_->Map;
    History_.Add({MakeMapString(State_), Sequence_, {}, {}});
}

void TSessionCore::TakeMapFound(std::int64_t made) {
    if (Sequence_)
        Sequence_->Map += made;
    History_.Add({MakeMapString(State_), Sequence_, {}, {}});
}

void TSessionCore::CreateMapFromSeed(std::uint32_t seed, std::int64_t map) {
    State_.Random.Seed = seed;
    Sequence_ = TSeedPosition{seed, 0};
    try {
        for (; Sequence_->Map + 1 < map; ++Sequence_->Map)
            tavrin::CreateMap(State_);
    } catch (...) {
        Sequence_.reset();
        throw;
    }
    CreateMap();
}

// Routes follow roads across an edge only between placed tiles, and nothing
// but Create Map places tiles: a map loaded before any was created could not
// be queried. A loaded map is complete, so every tile of it is placed.
bool TSessionCore::LoadMapLine(std::string_view line, std::string file, std::string source) {
    if (!ReadMapString(State_, line))
        return false;
    PlaceAllTiles();
    History_.Add({std::string(line), std::nullopt, std::move(file), std::move(source)});
    return true;
}

// An address with nothing after its "#" asks for no map; any other text
// without one is answered in its source's words. What the finder refuses (a
// share code or link with a mistake, a seed form out of range) is answered
// with its reason and never read as another map.
TOpenAnswer TSessionCore::OpenText(std::string_view bytes, TTextSource source) {
    const TMapCodeSearch search = FindMapCode(bytes);
    if (!search.Found) {
        if (search.Refusal)
            return {TOpenEnd::Refused, search.Refusal};
        if (source == TTextSource::Address &&
            bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
            return {TOpenEnd::NoAddress, {}};
        return {TOpenEnd::NoMapCode, std::string(NoMapCodeText(source))};
    }
    const TFoundMapCode& found = *search.Found;
    if (found.Form == TMapCodeForm::Seed) {
        CreateMapFromSeed(found.SeedMap.Seed, found.SeedMap.Map);
        return {};
    }
    if (!LoadMapLine(found.MapString, {},
                     found.Form == TMapCodeForm::Link ? TAVRIN_TEXT("Core", "link")
                                                      : TAVRIN_TEXT("Core", "pasted code")))
        return {TOpenEnd::Refused, {}};
    return {TOpenEnd::Opened, {}, found.Pins};
}

bool TSessionCore::MapSaved(const std::string& file) {
    if (!Current() || Current()->File == file)
        return false;
    History_.NameCurrent(file);
    return true;
}

bool TSessionCore::Back() {
    if (!CanGoBack())
        return false;
    const THistoryEntry& entry = History_.Back();
    // Every map of the history was complete when it was shown, so every
    // tile of it is placed again.
    if (ReadMapString(State_, entry.MapString))
        PlaceAllTiles();
    return true;
}

bool TSessionCore::Forward() {
    if (!CanGoForward())
        return false;
    if (ReadMapString(State_, History_.Forward().MapString))
        PlaceAllTiles();
    return true;
}

void TSessionCore::PlaceAllTiles() {
    for (int t = 1; t <= TileCount; ++t)
        State_.Tiles[t].Placed = true;
}

} // namespace tavrin
