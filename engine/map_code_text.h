#pragma once
// Finding a map in a piece of text, as a user pastes it from a chat or a
// note: a share code, a tavrin: link, a 60-character map string, "seed N"
// (also "Seed N, map k", the program's own naming) or "N/k", each possibly
// with other words around it.
//
// When the text holds several, a link wins over a share code, a share code
// over a map string, and a map string over a seed; among equals the first in
// the text wins. A share code or link that fails its check is never read as
// another map: when nothing else is found, the search says it saw a mistake.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// The k-th map that Create Map makes after the generator was set to Seed.
struct TSeedMap {
    std::uint32_t Seed = 0;
    std::int64_t Map = 1;
    friend bool operator==(const TSeedMap&, const TSeedMap&) = default;
};

// The highest map number of a seed that text may ask for: each takes the
// generator a few dozen microseconds.
inline constexpr std::int64_t MaxSeedMap = 100000;

enum class TMapCodeForm { Link, ShareCode, MapString, Seed };

struct TFoundMapCode {
    TMapCodeForm Form = TMapCodeForm::ShareCode;
    std::string MapString; // the map, for every form but Seed (unchecked for MapString)
    TSeedMap SeedMap;      // for Seed
    friend bool operator==(const TFoundMapCode&, const TFoundMapCode&) = default;
};

struct TMapCodeSearch {
    std::optional<TFoundMapCode> Found;
    // Something that looked like a share code or a link failed its check.
    bool Mistake = false;
};

// Bytes as they came: the window passes Latin-1 when every character fits
// a byte (so a map string reads byte for byte), UTF-8 otherwise.
TMapCodeSearch FindMapCode(std::string_view text);

// The map string of map k of a seed, made on an engine state of its own.
std::string MapStringOfSeed(TSeedMap seedMap);

// "Seed N, map k", as the window names such a map.
std::string SeedMapText(TSeedMap seedMap);

} // namespace tavrin
