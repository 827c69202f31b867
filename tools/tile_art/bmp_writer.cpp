#include "bmp_writer.h"

#include <cstddef>
#include <stdexcept>

namespace tavrin::tileart {
namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFFu);
    PutU16(out, value >> 16);
}

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t PixelsPerMetre = 2835; // 72 dots per inch

} // namespace

std::vector<std::uint8_t> EncodeBmp24(int width, int height, std::span<const TRgb> pixels) {
    // The limit keeps every size field well inside 32 bits.
    constexpr int maxSide = 1 << 14;
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        throw std::invalid_argument("bitmap size out of range");
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    if (pixels.size() != w * h)
        throw std::invalid_argument("pixel count does not match the bitmap size");

    const std::size_t rowBytes = (w * 3 + 3) / 4 * 4;
    const std::size_t imageBytes = rowBytes * h;
    const std::size_t offset = FileHeaderSize + InfoHeaderSize;
    const std::size_t fileBytes = offset + imageBytes;

    std::vector<std::uint8_t> out;
    out.reserve(fileBytes);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, static_cast<std::uint32_t>(fileBytes));
    PutU32(out, 0); // two reserved words
    PutU32(out, static_cast<std::uint32_t>(offset));

    PutU32(out, InfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height)); // positive: rows run bottom-up
    PutU16(out, 1);                                  // planes
    PutU16(out, 24);                                 // bits per pixel
    PutU32(out, 0);                                  // no compression
    PutU32(out, static_cast<std::uint32_t>(imageBytes));
    PutU32(out, PixelsPerMetre);
    PutU32(out, PixelsPerMetre);
    PutU32(out, 0); // colours used: none, no palette
    PutU32(out, 0); // important colours: all

    for (std::size_t row = h; row-- > 0;) {
        const std::size_t start = out.size();
        for (std::size_t x = 0; x < w; ++x) {
            const TRgb& p = pixels[row * w + x];
            out.push_back(p.B);
            out.push_back(p.G);
            out.push_back(p.R);
        }
        out.resize(start + rowBytes, 0);
    }
    return out;
}

} // namespace tavrin::tileart
