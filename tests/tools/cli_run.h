#pragma once
// Runs tavrin-cli in the test's own process, as its main would, and keeps
// what it printed.

#include "cli.h"

#include <sstream>
#include <string>
#include <vector>

struct TResult {
    int status;
    std::string out, err;
};

inline TResult RunTool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = tavrin::cli::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// The first map of seed 12345.
inline const std::string Map12345 = "cafdchffifdhedhcdeececcffefgdeddfdeegehebicbfdbhcejbeegcieae";
