#pragma once
// The shape of a tile bitmap: a flat-topped hexagon 200 pixels from the left
// to the right corner and 175 pixels from the top to the bottom edge, with its
// bounding box at the top-left of a 200 x 200 bitmap. Everything outside the
// hexagon carries the key colour, which the map drawing leaves transparent.
//
// Membership is decided per pixel by an exact integer rule, so the hexagon has
// a hard edge (no blended fringe that would show as a halo once keyed) and the
// tiles fit together at the map's layout steps (cell.h): 150 pixels per
// column, 175 per row, odd columns 88 pixels lower.

#include <cell.h>

namespace tavrin::tileart {

inline constexpr int BitmapSize = 200;
inline constexpr int HexWidth = 200;
inline constexpr int HexHeight = 175;

// True when pixel (x, y) of a tile bitmap belongs to the hexagon.
//
// The rule tests the pixel's centre against the four slanted edges, written as
// 7x + 4y and 7x - 4y (the edges rise 7 pixels for every 4 across, scaled by
// 12.5). All values are doubled so the centre (x + 0.5, y + 0.5) stays an
// integer; the doubled edge values are even and the doubled centre values odd,
// so no centre ever lies on an edge and no tie rule is needed.
//
// The 88-pixel drop of odd columns is half a pixel more than half a row, so no
// single shape meets all six neighbours exactly. Each pair of opposite slanted
// edges is therefore set 1402 units apart (a regular hexagon would have 1400),
// the larger of the two spacings the layout calls for: where an even column
// lies above an odd one the tiles meet exactly, elsewhere they overlap by one
// pixel per column, and nowhere is a gap.
constexpr bool IsInsideHex(int x, int y) {
    if (x < 0 || x >= HexWidth || y < 0 || y >= HexHeight)
        return false;
    const int rising = 14 * x + 8 * y + 11;     // 2 * (7 cx + 4 cy)
    const int falling = 14 * x - 8 * y + 3;     // 2 * (7 cx - 4 cy)
    return 698 < rising && rising < 3502        // upper-left and lower-right edges
           && -702 < falling && falling < 2102; // lower-left and upper-right edges
}

} // namespace tavrin::tileart
