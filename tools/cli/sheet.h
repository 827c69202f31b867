#pragma once
// tavrin-cli sheet: the set-up sheet of a map as a PDF, painted by the same
// function as the window's Print, on A4, Letter or A3 (by default the paper
// the window's printer starts with).

#include "arguments.h"

#include <iosfwd>

namespace tavrin::cli {

// The options `sheet` takes.
std::vector<std::string> SheetOptions();

struct TSession;

// Reads the map of --map or --file into the session's state; false when the
// map string was refused (its message shown).
using TMapLoader = bool (*)(TSession& session, const TArguments& args);

// The exit status of a command whose map string was refused.
inline constexpr int RefusedMapStatus = 2;

// sheet (--map MAPSTRING | --file FILE) --out FILE.pdf [--paper A4|Letter|A3]
// [--tile-size MM] [--tiles art|bitmaps|DIR] [--palette standard|colour-blind]
// [--web-address URL]: writes the sheet to FILE.pdf,
// replacing an existing file only once the new one is whole. The tiles are
// the program's art unless --tiles chooses bitmaps; --tile-size prints the
// map at MM millimetres a tile, over several pages when it needs them;
// --web-address is where the web page is served, for the QR code's link
// (the build's default when not given, the tavrin: link when that is empty). Missing bitmaps are
// reported on `err` and the sheet is still written; a bad argument or a failed write raises, a
// refused map string gives RefusedMapStatus.
int Sheet(const TArguments& args, std::ostream& err, TMapLoader loadMap);

} // namespace tavrin::cli
