#pragma once
// tavrin-cli figures, and the --where criteria that generate and stats take:
// what a map is like, in the engine's figures and the engine's criteria
// syntax.

#include "arguments.h"
#include "map_criteria.h"
#include "map_figures.h"
#include "sheet.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace tavrin::cli {

// The criteria of --where, when given; a bad criterion raises its one line.
std::optional<TCriteria> WhereOption(const TArguments& args);

// figures (--map MAPSTRING | --file FILE) [--json]: one line per figure,
// "name value", then "cut off" and the cut-off clearings (as the route query
// names them, comma-separated; "none" when there are none). With --json, one
// object with the same names and "cutoff_clearings" as a list of
// {"tile": T, "clearing": C}.
int Figures(const TArguments& args, std::ostream& out, std::ostream& err, TMapLoader loadMap);

} // namespace tavrin::cli
