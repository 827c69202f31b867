#pragma once
// Naming a map by its seed: the k-th map that Create Map makes after the
// random generator was set to seed N is "Seed N, map k", the same map that
// the k-th line of `tavrin-cli generate --seed N --count k` prints. Plain C++.

#include "map_code_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct TSeedPosition {
    std::uint32_t Seed = 0;
    std::int64_t Map = 0; // maps made from the seed so far; 0 before the first
    friend bool operator==(const TSeedPosition&, const TSeedPosition&) = default;
};

// "Seed N, map k".
std::string SeedText(const TSeedPosition& position);

// A seed typed by the user: decimal digits only (leading zeros allowed),
// surrounded by optional blanks, from 0 to 4294967295. Anything else, a sign
// included, is no seed.
std::optional<std::uint32_t> ParseSeed(std::string_view text);

// The answer to an entry that ParseSeed refuses: the finder's, which gives
// it to a seed typed in any text.
using tavrin::SeedRangeText;
