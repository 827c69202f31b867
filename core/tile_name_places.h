#pragma once
// Where the tile art puts each tile's name, and how large: the catalogue's
// names placed once by the art (which measures them in its font) and kept
// here as data, so that the sheet plan keeps its marks off the names and
// sizes the map for readable names without a font engine. The drawing's
// tests check this table against the art.

#include "map_state.h"

namespace tavrin {

struct TArtNamePlace {
    double X = 0; // the name's plate, in bitmap pixels of the tile
    double Y = 0;
    double W = 0;
    double H = 0;
    int Pixels = 0; // the name's font height
};

// Tile 1..20 in rotation 1..6; raises ERangeError outside those.
const TArtNamePlace& ArtNamePlace(int tile, int rotation);

// Names stand at least this high on paper.
inline constexpr double MinNameMillimetres = 2.0;

// The smallest scale, in points per picture pixel, at which the name of every
// tile of the map stands at least MinNameMillimetres high.
double ReadableScale(const TMapState& state);

} // namespace tavrin
