#include "pin_list.h"

#include "catalogue.h"
#include "map_figures.h"
#include "translatable.h"
#include "trimmed.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <optional>
#include <utility>

namespace tavrin {
namespace {

constexpr std::int32_t LowestCell = -100;
constexpr std::int32_t HighestCell = 155;

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

// The blanks a pin may have around its words.
constexpr std::string_view PinBlanks = " \t";

std::optional<std::int64_t> Whole(std::string_view text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    if (!text.empty() && text.front() == '+')
        return std::nullopt;
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

// The tile a pin names: 1..20, a listing name or a token, either case.
int TileNamed(const TMapState& names, std::string_view text) {
    if (const auto number = Whole(text); number && *number >= 1 && *number <= TileCount)
        return static_cast<int>(*number);
    for (int t = 1; t <= TileCount; ++t)
        if (SameNoCase(text, names.Tiles[t].Name.View()) || SameNoCase(text, TileFileNames[t]))
            return t;
    throw ETavrinError(FillText(TAVRIN_TEXT("Core", "--pin: %1 names no tile; give 1..20 or a "
                                                    "name as the listing writes it, such as "
                                                    "March Land"),
                                {Quoted(text)}));
}

const TMapState& Names() {
    static const auto state = [] {
        auto s = std::make_unique<TMapState>();
        InitTiles(*s, 0);
        return s;
    }();
    return *state;
}

TPin ParsePin(std::string_view entry) {
    const auto colon = entry.rfind(':');
    const auto bad = [&] {
        return ETavrinError(FillText(
            TAVRIN_TEXT("Core", "--pin: %1 is not TILE:COL/ROW/ROT, such as 'March Land:0/0/3'"),
            {Quoted(entry)}));
    };
    if (colon == std::string_view::npos)
        throw bad();
    TPin pin;
    pin.Tile = TileNamed(Names(), Trimmed(entry.substr(0, colon), PinBlanks));
    const std::string_view place = Trimmed(entry.substr(colon + 1), PinBlanks);
    const auto slash1 = place.find('/');
    const auto slash2 = slash1 == std::string_view::npos ? slash1 : place.find('/', slash1 + 1);
    if (slash2 == std::string_view::npos || place.find('/', slash2 + 1) != std::string_view::npos)
        throw bad();
    const auto col = Whole(place.substr(0, slash1));
    const auto row = Whole(place.substr(slash1 + 1, slash2 - slash1 - 1));
    const auto rotation = Whole(place.substr(slash2 + 1));
    if (!col || !row || !rotation)
        throw bad();
    const std::string name(Names().Tiles[pin.Tile].Name.View());
    for (const auto& [value, text] :
         {std::pair{*col, TAVRIN_TEXT("Core", "--pin: %1's column %2 is outside -100..155")},
          std::pair{*row, TAVRIN_TEXT("Core", "--pin: %1's row %2 is outside -100..155")}})
        if (value < LowestCell || value > HighestCell)
            throw ETavrinError(FillText(text, {name, std::to_string(value)}));
    if (*rotation < 1 || *rotation > 6)
        throw ETavrinError(FillText(TAVRIN_TEXT("Core", "--pin: %1's rotation %2 is outside 1..6"),
                                    {name, std::to_string(*rotation)}));
    pin.Col = static_cast<std::int32_t>(*col);
    pin.Row = static_cast<std::int32_t>(*row);
    pin.Rotation = static_cast<int>(*rotation);
    return pin;
}

} // namespace

std::vector<TPin> ParsePins(std::string_view text) {
    std::vector<TPin> pins;
    std::size_t at = 0;
    while (true) {
        const auto comma = text.find(',', at);
        const std::string_view entry =
            Trimmed(text.substr(at, comma == text.npos ? text.npos : comma - at), PinBlanks);
        if (entry.empty())
            throw ETavrinError(TAVRIN_TEXT("Core", "--pin: an empty entry; give "
                                                   "TILE:COL/ROW/ROT, ... such as 'March "
                                                   "Land:0/0/3'"));
        const TPin pin = ParsePin(entry);
        const auto name = [](int tile) { return std::string(Names().Tiles[tile].Name.View()); };
        for (const TPin& other : pins) {
            if (other.Tile == pin.Tile)
                throw ETavrinError(
                    FillText(TAVRIN_TEXT("Core", "--pin: %1 is pinned twice"), {name(pin.Tile)}));
            if (other.Col == pin.Col && other.Row == pin.Row)
                throw ETavrinError(FillText(
                    TAVRIN_TEXT("Core", "--pin: column %1, row %2 is taken twice, by %3 and %4"),
                    {std::to_string(pin.Col), std::to_string(pin.Row), name(other.Tile),
                     name(pin.Tile)}));
        }
        pins.push_back(pin);
        if (comma == text.npos)
            return pins;
        at = comma + 1;
    }
}

TTileSet LayPins(TMapState& state, const std::vector<TPin>& pins) {
    TTileSet kept{};
    for (int t = 1; t <= TileCount; ++t)
        state.Tiles[t].Placed = false;
    for (const TPin& pin : pins) {
        TTile& tile = state.Tiles[pin.Tile];
        tile.Col = pin.Col;
        tile.Row = pin.Row;
        tile.Rotation = static_cast<std::uint8_t>(pin.Rotation);
        tile.Placed = true;
        kept[static_cast<std::size_t>(pin.Tile)] = true;
    }
    return kept;
}

TPinnedMap CompletePinned(TMapState& state, const std::vector<TPin>& pins, std::uint32_t seed,
                          const TCriteria& criteria) {
    const TTileSet kept = LayPins(state, pins);
    TPinnedMap result;
    for (std::int64_t k = 0; k < PinnedSearchLimit; ++k) {
        const TCompletion done = CompleteLayout(state, kept, seed + static_cast<std::uint32_t>(k));
        ++result.Completions;
        if (!done.Complete) {
            result.Sentence = done.Sentence;
            return result;
        }
        if (criteria.Empty() || criteria.Meets(MeasureMap(state))) {
            result.Found = true;
            return result;
        }
        LayPins(state, pins);
    }
    result.Sentence =
        FillText(TAVRIN_TEXT("Core", "No completion of %1 around the pins meets these criteria."),
                 {std::to_string(PinnedSearchLimit)});
    return result;
}

} // namespace tavrin
