#pragma once
// The name of a tile bitmap: the tile's token, the rotation digit and ".bmp",
// for example MarchLand3.bmp.

#include <catalogue.h>
#include <checked.h>
#include <string>

namespace tavrin::tileart {

inline constexpr int RotationCount = 6;

// Throws ERangeError for a tile outside 1..20 or a rotation outside 1..6.
inline std::string TileFileName(int tile, int rotation) {
    return TileBitmapName(InRange<1, TileCount>(tile), InRange<1, RotationCount>(rotation));
}

} // namespace tavrin::tileart
