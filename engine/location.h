#pragma once
// One clearing on the map: low byte the tile number 1..20 (0: no location),
// high byte the clearing number 0..6 (0: no clearing of that tile).

#include "checked.h"

#include <cstdint>

namespace tavrin {

struct TLocation {
    std::uint8_t Tile;
    std::uint8_t Clearing;

    friend constexpr bool operator==(TLocation, TLocation) = default;
};

static_assert(sizeof(TLocation) == 2);

inline constexpr TLocation NoLocation{0, 0};

constexpr bool SameLocation(TLocation a, TLocation b) {
    return a == b;
}

// A location given from outside the engine (the window's route query,
// tavrin-cli's arguments): a tile outside 1..20 or a clearing outside 0..6 is
// ERangeError.
constexpr TLocation LocationFrom(std::int64_t tile, std::int64_t clearing) {
    return {InRange<1, 20>(tile), InRange<0, 6>(clearing)};
}

// Locations as small numbers for tables: tile × 8 + clearing. NoLocation is
// 0, and no location of a tile is 0.
using TLocationIndex = std::uint8_t;
inline constexpr int LocationIndexCount = 21 * 8;

constexpr TLocationIndex IndexOf(TLocation location) {
    return static_cast<TLocationIndex>(location.Tile * 8 + location.Clearing);
}
constexpr TLocation LocationAt(TLocationIndex index) {
    return {static_cast<std::uint8_t>(index >> 3), static_cast<std::uint8_t>(index & 7)};
}

} // namespace tavrin
