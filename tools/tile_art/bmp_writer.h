#pragma once
// A Windows bitmap writer for 24-bit pictures. The bytes depend on the pixels
// alone (no time stamps, no library defaults), so the same picture always
// gives the same file.

#include <cstdint>
#include <span>
#include <vector>

namespace tavrin::tileart {

struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend constexpr bool operator==(const TRgb&, const TRgb&) = default;
};

// The file bytes of a width x height picture given row by row from the top:
// BITMAPFILEHEADER, BITMAPINFOHEADER (24 bits per pixel, no compression,
// 2835 pixels per metre), then the rows from the bottom up, each in blue,
// green, red order and padded with zeros to a multiple of 4 bytes.
// Throws std::invalid_argument when the sizes are not positive or do not
// match the number of pixels.
std::vector<std::uint8_t> EncodeBmp24(int width, int height, std::span<const TRgb> pixels);

} // namespace tavrin::tileart
