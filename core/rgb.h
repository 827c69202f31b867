#pragma once
// A colour as three 8-bit sRGB channels: a literal type, so palettes can be
// constexpr data that every door (the art, the marks, the page) reads.

#include <cstdint>

namespace tavrin {

struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend constexpr bool operator==(const TRgb&, const TRgb&) = default;
};

namespace tileart {
using tavrin::TRgb;
} // namespace tileart

} // namespace tavrin
