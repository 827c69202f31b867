#pragma once
// A cell of the hexagonal grid: a signed 32-bit column and row. Columns stand
// side by side and every odd column lies half a cell lower than the even
// ones; a column is odd when the lowest bit of its two's-complement value is
// 1, so -1 and -3 are odd, -2 and 0 even.
//
// The picture lays the grid out with the steps below; the tile bitmaps are
// drawn to fit them.

#include "edge.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <limits>

namespace tavrin {

struct TCell {
    std::int32_t Col;
    std::int32_t Row;

    friend constexpr bool operator==(TCell, TCell) = default;
};

constexpr bool IsOddColumn(std::int32_t col) {
    return (static_cast<std::uint32_t>(col) & 1u) != 0;
}

// clang-format off
// Steps to the cell across map edge 1..6 (index 0 unused).
//                                                 edge:  1   2   3   4   5   6
inline constexpr std::array<std::int8_t, 7> EdgeDX     {0,  0, +1, +1,  0, -1, -1};
inline constexpr std::array<std::int8_t, 7> EdgeDYEven {0, -1, -1,  0, +1,  0, -1};
inline constexpr std::array<std::int8_t, 7> EdgeDYOdd  {0, -1,  0, +1, +1, +1,  0};
// clang-format on

// The cell across a map edge. Cells come from map strings (-100..155) or from
// the generator (near the origin), so a step never leaves the 32-bit range.
constexpr TCell Neighbour(TCell cell, TEdge edge) {
    assert(cell.Col > std::numeric_limits<std::int32_t>::min() &&
           cell.Col < std::numeric_limits<std::int32_t>::max() &&
           cell.Row > std::numeric_limits<std::int32_t>::min() &&
           cell.Row < std::numeric_limits<std::int32_t>::max());
    const int e = edge.Number();
    const int dy = IsOddColumn(cell.Col) ? EdgeDYOdd[e] : EdgeDYEven[e];
    return {cell.Col + EdgeDX[e], cell.Row + dy};
}

// Pixel steps of the drawn grid: a cell's picture lies 150 pixels further
// right per column and 175 further down per row, odd columns 88 lower.
inline constexpr std::int32_t ColumnStep = 150;
inline constexpr std::int32_t RowStep = 175;
inline constexpr std::int32_t OddColumnDrop = 88;

} // namespace tavrin
