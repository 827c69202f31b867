#pragma once

#include <string_view>

namespace tavrin {

// The program's version ("1.1"): the one the window title, --version and the
// package show, taken from the build.
std::string_view AppVersion();

} // namespace tavrin
