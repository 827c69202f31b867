#pragma once
// A colour of the tile art as three 8-bit channels: a literal type, so the
// palette of the art can be constexpr data.

#include <cstdint>

namespace tavrin::tileart {

struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend constexpr bool operator==(const TRgb&, const TRgb&) = default;
};

} // namespace tavrin::tileart
