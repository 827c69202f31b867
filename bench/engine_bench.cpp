// The engine's hot paths: one Create Map (generate until accepted), one
// GenerateMap attempt series, one MapAccepted, and one route search across a
// generated map. Not run by CTest; run build/bin/engine_bench.

#include "acceptance.h"
#include "generator.h"
#include "map_state.h"
#include "route_search.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace tavrin;

namespace {

std::unique_ptr<TMapState> FreshState(std::uint32_t seed) {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, seed);
    return state;
}

void BM_CreateMap(benchmark::State& bench) {
    auto state = FreshState(1);
    std::int64_t attempts = 0, passes = 0;
    for (auto _ : bench) {
        const TCreateMapStats stats = CreateMap(*state);
        attempts += stats.Attempts;
        passes += stats.Passes;
    }
    bench.counters["attempts"] =
        benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kAvgIterations);
    bench.counters["passes"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CreateMap);

void BM_GenerateMap(benchmark::State& bench) {
    auto state = FreshState(2);
    for (auto _ : bench)
        benchmark::DoNotOptimize(GenerateMap(*state));
}
BENCHMARK(BM_GenerateMap);

void BM_MapAccepted(benchmark::State& bench) {
    auto state = FreshState(3);
    CreateMap(*state); // an accepted map: every tile is examined
    for (auto _ : bench)
        benchmark::DoNotOptimize(MapAccepted(*state));
}
BENCHMARK(BM_MapAccepted);

void BM_FindShortestPath(benchmark::State& bench) {
    auto state = FreshState(4);
    CreateMap(*state);
    // The clearing farthest from the start: the search takes nearly every location.
    TLocation farthest = StartLocation;
    int longest = 0;
    for (std::uint8_t t = 1; t <= TileCount; ++t)
        for (std::uint8_t c = 1; c <= 6; ++c) {
            TRoute route;
            FindShortestPath(*state, StartLocation, {t, c}, route);
            if (route.Live && route.Count > longest) {
                longest = route.Count;
                farthest = {t, c};
            }
        }
    TRoute route;
    for (auto _ : bench) {
        FindShortestPath(*state, StartLocation, farthest, route);
        benchmark::DoNotOptimize(route.Count);
    }
    bench.counters["route_length"] = longest;
}
BENCHMARK(BM_FindShortestPath);

// Mean GenerateMap attempts and acceptance passes per Create Map over 1,000
// seeds, one Create Map per seed.
void BM_CreateMapOverSeeds(benchmark::State& bench) {
    double attempts = 0, passes = 0;
    for (auto _ : bench) {
        attempts = passes = 0;
        for (std::uint32_t seed = 0; seed < 1000; ++seed) {
            auto state = FreshState(seed);
            const TCreateMapStats stats = CreateMap(*state);
            attempts += stats.Attempts;
            passes += stats.Passes;
        }
    }
    bench.counters["mean_attempts"] = attempts / 1000;
    bench.counters["mean_passes"] = passes / 1000;
}
BENCHMARK(BM_CreateMapOverSeeds)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
