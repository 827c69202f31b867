#pragma once
// Where each tile's bitmap lies on the map picture, before and after the
// offsets that bring the whole map into view. Plain C++ with no Qt, so that
// every door that draws a map (the window, tavrin-cli, the web page) lays it
// out by the same arithmetic.
//
// Pixel positions are signed 32-bit with every sum and product checked
// ("Integer overflow").

#include "cell.h"
#include "map_state.h"

#include <cstdint>

namespace tavrin {

// The steps of the layout, ColumnStep, RowStep and OddColumnDrop, are the
// grid's (cell.h).
inline constexpr std::int32_t TileBoxSide = 200; // room a tile takes in the layout box

// Pixel position of a grid cell before the offsets: column × 150, and
// row × 175 plus 88 in odd columns (negative ones too).
std::int32_t TileX(std::int32_t column);
std::int32_t TileY(std::int32_t column, std::int32_t row);

// The smallest box holding the pixel origin and a 200 × 200 square at the
// position of every tile.
struct TLayoutBox {
    std::int32_t MinX = 0;
    std::int32_t MinY = 0;
    std::int32_t MaxX = 0;
    std::int32_t MaxY = 0;

    std::int32_t Width() const;
    std::int32_t Height() const;
    std::int32_t OffsetX() const; // added to every tile's x: −MinX
    std::int32_t OffsetY() const;
    friend bool operator==(const TLayoutBox&, const TLayoutBox&) = default;
};

TLayoutBox LayoutBox(const TMapState& state);

} // namespace tavrin
