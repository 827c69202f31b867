#pragma once
// The map file's bytes: one text line holding the map string, written with
// CR LF (62 bytes). Read as the bytes before the first CR or Ctrl-Z (or the
// end of the bytes); a lone LF is part of the line, every byte is one
// character, and nothing after the first line matters. The engine only builds
// and reads bytes; the file layer reads and writes the file.

#include "map_state.h"

#include <string>
#include <string_view>

namespace tavrin {

// The most bytes of a line that are kept: enough to show the first 100
// characters of a wrong line and to know it goes on, never the whole of an
// arbitrarily long one. Reading this many bytes of a file is enough for
// FirstLine.
inline constexpr std::size_t MapLineLimit = 101;

// The first line of `bytes`, cut at MapLineLimit bytes.
std::string FirstLine(std::string_view bytes);

// What Save Map writes: the map string of the tiles as they are now, CR, LF.
std::string MapFileBytes(const TMapState& state);

} // namespace tavrin
