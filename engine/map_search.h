#pragma once
// Create Map Until: the program's own Create Map sequence, run map after map
// until one meets the criteria. Create Map itself never filters; this only
// decides when to stop, so the map found is the very map that plain Create
// Map would have reached after k - 1 maps from the same state, and k names
// it ("Seed N, map j + k").

#include "map_criteria.h"
#include "map_state.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace tavrin {

inline constexpr std::int64_t MapSearchLimit = 1'000'000;

// How often the search reports progress and looks at its cancel flag.
inline constexpr std::int64_t MapSearchReportEvery = 256;

struct TMapSearch {
    std::int64_t Limit = MapSearchLimit; // maps to try before giving up
    // Set by another thread to stop the search soon after.
    const std::atomic<bool>* Cancel = nullptr;
    // Called with the maps tried so far, every MapSearchReportEvery maps.
    std::function<void(std::int64_t)> Progress;
};

enum class TMapSearchEnd : std::uint8_t { Found, LimitReached, Cancelled };

struct TMapSearchResult {
    TMapSearchEnd End = TMapSearchEnd::Found;
    std::int64_t Maps = 0; // maps made; when found, k: the map found is the k-th
};

// Runs Create Map on `state` until its map meets `criteria`, for at most
// search.Limit maps. When none is found the tiles and the random generator
// hold the last map tried: a caller that must keep its map searches a copy.
TMapSearchResult CreateMapUntil(TMapState& state, const TCriteria& criteria,
                                const TMapSearch& search = {});

// "No map of 1000000 meets these criteria." and the like, for the window and
// tavrin-cli alike.
std::string SearchFailureText(const TMapSearchResult& result);

} // namespace tavrin
