#pragma once
// One clearing on the map: low byte the tile number 1..20 (0: no location),
// high byte the clearing number 0..6 (0: no clearing of that tile).

#include <cstdint>

namespace tavrin::oracle {

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

} // namespace tavrin::oracle
