#pragma once
// tavrin-cli stats: the maps of a range of seeds, measured. For each seed S
// the map is the first Create Map of `generate --seed S`; the seeds are
// spread over threads, and the figures do not depend on how many.

#include "arguments.h"
#include "map_criteria.h"
#include "map_figures.h"
#include "map_state.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace tavrin::cli {

// What one seed's map gives.
struct TSeedFigures {
    std::uint32_t Seed;
    std::int32_t Attempts; // GenerateMap attempts, abandoned ones included
    std::int32_t Passes;   // GenerateMap + MapAccepted passes
    TMapFigures Map;       // the map's figures, as the engine measures them
    bool Meets;            // the map meets the criteria of --where (true without)
};

// Creates the map of `seed` in `state` (a state after InitTiles) and measures it.
TSeedFigures MeasureSeed(TMapState& state, std::uint32_t seed, const TCriteria& criteria = {});

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

// `tavrin-cli stats --seeds A..B [--threads N] [--csv FILE] [--where CRITERIA]`:
// prints the summary of every figure and, with --where, how many maps meet
// the criteria; the CSV file gets one row per seed, written as the rows are
// made and put in place once whole; a target that cannot be made fails first.
int Stats(const TArguments& args, std::ostream& out, std::ostream& err);

} // namespace tavrin::cli
