#pragma once
// Finding a map in a piece of text, as a user pastes it from a chat or a
// note: a share code, a tavrin: link, a 60-character map string, "seed N"
// (also "Seed N, map k", the program's own naming) or "N/k", each possibly
// with other words around it. Every door (the window's paste and start
// argument, tavrin-cli --map, the page's address and box) reads text here.
//
// Each form is read only as a whole word, so that nothing inside a longer
// word is read as a map:
// - a map string is a word of 60 characters bounded by blanks or the text's
//   ends (quotes or brackets around it are fine), and nothing inside it is
//   read as another form; when it is the whole text, any 60 bytes are one;
// - a share code is bounded by blanks, the text's ends or punctuation no
//   code holds, never by letters, digits, hyphens or "_"; a code wrapped
//   after one of its hyphens by a line break is read whole;
// - a code of the earlier form is read only when it is the whole text;
// - a seed form out of range is refused, never read as another map.
//
// When the text holds several, a link wins over a share code, a share code
// over a map string, and a map string over a seed; among equals the first in
// the text wins. A map string whose rotations are all e..j wins over one
// that has others. Only the first MaxMapCodeTextBytes of a text are read.

#include "translatable.h"

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

// The answers to a seed or a map number out of range, as the seed dialog
// and the page give them.
inline constexpr const char* SeedRangeText =
    TAVRIN_TEXT("Core", "A seed is a whole number from 0 to 4294967295.");
inline constexpr const char* MapNumberText =
    TAVRIN_TEXT("Core", "A map number is a whole number from 1 to 100000.");

// How much of a text is read; a longer one is cut at the last blank before.
inline constexpr std::size_t MaxMapCodeTextBytes = 1000000;
inline constexpr const char* MapCodeTextTooLongText =
    TAVRIN_TEXT("Core", "Only the first 1000000 characters of a text are searched for a map.");

enum class TMapCodeForm { Link, ShareCode, MapString, Seed };

struct TFoundMapCode {
    TMapCodeForm Form = TMapCodeForm::ShareCode;
    std::string MapString;  // the map, for every form but Seed (unchecked for MapString)
    TSeedMap SeedMap;       // for Seed
    std::uint32_t Pins = 0; // a share code's or link's pinned tiles: bit t for tile t
    friend bool operator==(const TFoundMapCode&, const TFoundMapCode&) = default;
};

struct TMapCodeSearch {
    std::optional<TFoundMapCode> Found;
    // When nothing was found but something came close, the answer to give:
    // a share code or link that failed its check (ShareCodeMistakeText), a
    // seed form out of range (SeedRangeText, MapNumberText), or a text cut
    // short (MapCodeTextTooLongText). Null otherwise.
    const char* Refusal = nullptr;
};

// Bytes as they came: the window passes Latin-1 when every character fits
// a byte (so a map string reads byte for byte), UTF-8 otherwise. Takes time
// in proportion to the text.
TMapCodeSearch FindMapCode(std::string_view text);

// The map string of map k of a seed, made on an engine state of its own.
std::string MapStringOfSeed(TSeedMap seedMap);

// "Seed N, map k", as the window names such a map.
std::string SeedMapText(TSeedMap seedMap);

} // namespace tavrin
