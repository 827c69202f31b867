#pragma once
// tavrin-cli share, and the map given with --map in any form a paste in the
// window understands.

#include "arguments.h"
#include "sheet.h"

#include <iosfwd>
#include <string>

namespace tavrin::cli {

// The map string that a --map value stands for: a share code, a tavrin:
// link, a map string, "seed N" or "N/k", with or without words around it.
// What the finder refuses (a share code or link that fails its check, a
// seed form out of range) raises ETavrinError with the finder's answer; text
// holding no map comes back as it was, for the map string's own refusal.
std::string MapArgument(const std::string& text);

// share (--map M | --file FILE): the share code on one line, the link on the
// next.
int Share(const TArguments& args, std::ostream& out, std::ostream& err, TMapLoader loadMap);

} // namespace tavrin::cli
