#pragma once
// tavrin-cli share: the codes that pass the map on.

#include "arguments.h"
#include "sheet.h"

#include <iosfwd>
#include <string>

namespace tavrin::cli {

// share (--map M | --file FILE): the share code on one line, the link on the
// next.
int Share(const TArguments& args, std::ostream& out, std::ostream& err, TMapLoader loadMap);

} // namespace tavrin::cli
