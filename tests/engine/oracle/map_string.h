#pragma once
// The map string: 60 single-byte characters, three per tile in tile order,
// with codes Col + 100, Row + 100 and Rotation + 100.

#include "map_state.h"

#include <string>
#include <string_view>

namespace tavrin::oracle {

inline constexpr std::size_t MapStringLength = 60;

// The map string of the tile records as they are now. Each sum is checked for
// overflow; the character takes its low 8 bits.
std::string MakeMapString(const TMapState& state);

// Writes the positions and rotations of `text` into the tiles. The whole
// string is checked before any tile is written:
// - a wrong length shows "Internal Error: mapstring not valid=" followed by
//   the text (at most its first 100 characters, then "...") and returns false;
// - a rotation character outside codes 101..106 raises ERangeError.
// Placed, Flipped and every other field keep their values.
bool ReadMapString(TMapState& state, std::string_view text);

// The message shown for a string of the wrong length.
std::string MapStringNotValidMessage(std::string_view text);

} // namespace tavrin::oracle
