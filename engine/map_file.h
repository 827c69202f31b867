#pragma once
// The map file: one text line holding the map string, written with CR LF
// (62 bytes). Read as the bytes before the first CR or Ctrl-Z (or the end of
// the file); a lone LF is part of the line, every byte is one character, and
// nothing after the first line is read. Failures raise EInOutError with the
// code that matches the operating system's error.

#include "map_state.h"

#include <string>
#include <string_view>

namespace tavrin {

// The most bytes of a line that are kept: enough to show the first 100
// characters of a wrong line and to know it goes on, never the whole of an
// arbitrarily long one.
inline constexpr std::size_t MapLineLimit = 101;

// The input/output error code for an errno value.
int InOutCode(int errnoValue);

// The first line of the file, cut at MapLineLimit bytes.
std::string ReadMapFileLine(const std::string& path);

// Writes `line` and CR LF. An existing regular file is replaced only once the
// new one is complete: a failed write leaves it whole.
void WriteMapFileLine(const std::string& path, std::string_view line);

// Load Map without the dialog: reads the first line and ReadMapString. False
// when the length was wrong (the message has been shown and no tile changed).
bool LoadMapFile(TMapState& state, const std::string& path);

// Save Map without the dialog: the map string of the tiles as they are now.
void SaveMapFile(const TMapState& state, const std::string& path);

} // namespace tavrin
