#pragma once
// tavrin-cli stats: the maps of a range of seeds, measured. For each seed S
// the map is the first Create Map of `generate --seed S`; the seeds are
// spread over threads, and the figures do not depend on how many.

#include "arguments.h"
#include "map_state.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace tavrin::cli {

// What one seed's map gives.
struct TSeedFigures {
    std::uint32_t Seed;
    std::int32_t Attempts;  // GenerateMap attempts, abandoned ones included
    std::int32_t Passes;    // GenerateMap + MapAccepted passes
    std::int32_t Columns;   // the map's extent: columns from the leftmost tile to the rightmost
    std::int32_t Rows;      // and rows from the highest to the lowest
    std::int32_t Reachable; // clearings reachable by road from clearing 1 of tile 11, itself too
    std::int32_t Longest;   // clearings on the longest of the shortest routes from there
};

// Creates the map of `seed` in `state` (a state after InitTiles) and measures it.
TSeedFigures MeasureSeed(TMapState& state, std::uint32_t seed);

// One figure over many seeds: its mean, its median (the lower middle value)
// and its range, counted exactly whatever the order the seeds come in.
class TFigureSummary {
public:
    void Add(std::int32_t value);
    std::int64_t Count() const { return Count_; }
    double Mean() const;
    std::int32_t Median() const;
    std::int32_t Min() const { return Min_; }
    std::int32_t Max() const { return Max_; }

private:
    std::int64_t Count_ = 0;
    std::int64_t Sum = 0;
    std::int32_t Min_ = 0;
    std::int32_t Max_ = 0;
    std::vector<std::int64_t> Histogram; // counts of each value i (every value seen is at least 0)
};

// `tavrin-cli stats --seeds A..B [--threads N] [--csv FILE]`: prints the
// summary; the CSV file gets one row per seed.
int Stats(const TArguments& args, std::ostream& out, std::ostream& err);

} // namespace tavrin::cli
