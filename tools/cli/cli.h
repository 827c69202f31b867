#pragma once
// tavrin-cli: the map engine without a window. RunCli takes the arguments
// after the program name and writes to the given streams; it returns the exit
// status (0 success, 2 bad arguments or a bad map).

#include <iosfwd>
#include <string>
#include <vector>

namespace tavrin::cli {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tavrin::cli
