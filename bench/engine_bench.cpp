// The engine's hot paths, each beside the same path of the engine as it was
// before its rewrite for speed (the oracle the tests compare against): one
// Create Map (generate until accepted), one GenerateMap call, one MapAccepted
// on an accepted map, one route search to the farthest clearing. Not run by
// CTest; run build/bin/engine_bench.

#include "acceptance.h"
#include "generator.h"
#include "map_figures.h"
#include "map_search.h"
#include "map_state.h"
#include "oracle/acceptance.h"
#include "oracle/generator.h"
#include "oracle/route_search.h"
#include "route_search.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr const char* RareCriteria = "reachable>=95,clumping<=3";

// The two engines behind one interface, so each benchmark runs both.
struct TEngine {
    using TMapState = tavrin::TMapState;
    using TLocation = tavrin::TLocation;
    using TRoute = tavrin::TRoute;
    static void Init(TMapState& s, std::uint32_t seed) { tavrin::InitTiles(s, seed); }
    static auto CreateMap(TMapState& s) { return tavrin::CreateMap(s); }
    static auto GenerateMap(TMapState& s) { return tavrin::GenerateMap(s); }
    static bool MapAccepted(const TMapState& s) { return tavrin::MapAccepted(s); }
    static void Find(const TMapState& s, TLocation a, TLocation b, TRoute& r) {
        tavrin::FindShortestPath(s, a, b, r);
    }
};

struct TOracle {
    using TMapState = tavrin::oracle::TMapState;
    using TLocation = tavrin::oracle::TLocation;
    using TRoute = tavrin::oracle::TRoute;
    static void Init(TMapState& s, std::uint32_t seed) { tavrin::oracle::InitTiles(s, seed); }
    static auto CreateMap(TMapState& s) { return tavrin::oracle::CreateMap(s); }
    static auto GenerateMap(TMapState& s) { return tavrin::oracle::GenerateMap(s); }
    static bool MapAccepted(const TMapState& s) { return tavrin::oracle::MapAccepted(s); }
    static void Find(const TMapState& s, TLocation a, TLocation b, TRoute& r) {
        tavrin::oracle::FindShortestPath(s, a, b, r);
    }
};

template <typename E> std::unique_ptr<typename E::TMapState> FreshState(std::uint32_t seed) {
    auto state = std::make_unique<typename E::TMapState>();
    E::Init(*state, seed);
    return state;
}

template <typename E> void BM_CreateMap(benchmark::State& bench) {
    auto state = FreshState<E>(1);
    std::int64_t attempts = 0, passes = 0;
    for (auto _ : bench) {
        const auto stats = E::CreateMap(*state);
        attempts += stats.Attempts;
        passes += stats.Passes;
    }
    bench.counters["attempts"] =
        benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kAvgIterations);
    bench.counters["passes"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kAvgIterations);
    bench.counters["maps_per_s"] =
        benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}

// Per call, which runs one attempt or more; per_attempt is the time of one.
template <typename E> void BM_GenerateMap(benchmark::State& bench) {
    auto state = FreshState<E>(2);
    std::int64_t attempts = 0;
    for (auto _ : bench)
        attempts += E::GenerateMap(*state);
    bench.counters["per_attempt"] = benchmark::Counter(
        static_cast<double>(attempts), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

template <typename E> void BM_MapAccepted(benchmark::State& bench) {
    auto state = FreshState<E>(3);
    E::CreateMap(*state); // an accepted map: every tile is examined
    for (auto _ : bench)
        benchmark::DoNotOptimize(E::MapAccepted(*state));
}

template <typename E> void BM_FindShortestPath(benchmark::State& bench) {
    auto state = FreshState<E>(4);
    E::CreateMap(*state);
    // The clearing farthest from the start: the search takes nearly every location.
    const typename E::TLocation start{11, 1};
    typename E::TLocation farthest = start;
    int longest = 0;
    for (std::uint8_t t = 1; t <= 20; ++t)
        for (std::uint8_t c = 1; c <= 6; ++c) {
            typename E::TRoute route;
            E::Find(*state, start, {t, c}, route);
            if (route.Live && route.Count > longest) {
                longest = route.Count;
                farthest = {t, c};
            }
        }
    typename E::TRoute route;
    for (auto _ : bench) {
        E::Find(*state, start, farthest, route);
        benchmark::DoNotOptimize(route.Count);
    }
    bench.counters["route_length"] = longest;
}

BENCHMARK(BM_CreateMap<TEngine>)->Name("CreateMap/engine");
BENCHMARK(BM_CreateMap<TOracle>)->Name("CreateMap/oracle");
BENCHMARK(BM_GenerateMap<TEngine>)->Name("GenerateMap/engine");
BENCHMARK(BM_GenerateMap<TOracle>)->Name("GenerateMap/oracle");
BENCHMARK(BM_MapAccepted<TEngine>)->Name("MapAccepted/engine");
BENCHMARK(BM_MapAccepted<TOracle>)->Name("MapAccepted/oracle");
BENCHMARK(BM_FindShortestPath<TEngine>)->Name("FindShortestPath/engine");
BENCHMARK(BM_FindShortestPath<TOracle>)->Name("FindShortestPath/oracle");

// Mean GenerateMap attempts and acceptance passes per Create Map over 1,000
// seeds, one Create Map per seed.
void BM_CreateMapOverSeeds(benchmark::State& bench) {
    double attempts = 0, passes = 0;
    for (auto _ : bench) {
        attempts = passes = 0;
        auto state = FreshState<TEngine>(0);
        for (std::uint32_t seed = 0; seed < 1000; ++seed) {
            state->Random.Seed = seed;
            const tavrin::TCreateMapStats stats = tavrin::CreateMap(*state);
            attempts += stats.Attempts;
            passes += stats.Passes;
        }
    }
    bench.counters["mean_attempts"] = attempts / 1000;
    bench.counters["mean_passes"] = passes / 1000;
}
BENCHMARK(BM_CreateMapOverSeeds)->Iterations(1)->Unit(benchmark::kMillisecond);

// All figures of one created map.
void BM_MeasureMap(benchmark::State& bench) {
    auto state = FreshState<TEngine>(5);
    tavrin::CreateMap(*state);
    for (auto _ : bench)
        benchmark::DoNotOptimize(tavrin::MeasureMap(*state));
}
BENCHMARK(BM_MeasureMap);

// The window's estimate after a change of the criteria: the sample of 20,000
// maps' figures counted against them.
void BM_EstimateFromSample(benchmark::State& bench) {
    auto state = FreshState<TEngine>(1);
    std::vector<tavrin::TMapFigures> sample;
    for (int i = 0; i < 20000; ++i) {
        tavrin::CreateMap(*state);
        sample.push_back(tavrin::MeasureMap(*state));
    }
    const tavrin::TCriteria criteria = tavrin::ParseCriteria("reachable>=95,columns<=6,rows<=6");
    for (auto _ : bench) {
        int meeting = 0;
        for (const auto& figures : sample)
            meeting += criteria.Meets(figures) ? 1 : 0;
        benchmark::DoNotOptimize(meeting);
    }
}
BENCHMARK(BM_EstimateFromSample)->Unit(benchmark::kMicrosecond);

// Create Map Until for criteria that about 1 map in 8,300 meets (12 of the
// maps of seeds 1..100,000), from a different seed each run.
void BM_CreateMapUntilRare(benchmark::State& bench) {
    const tavrin::TCriteria criteria = tavrin::ParseCriteria(RareCriteria);
    auto state = FreshState<TEngine>(0);
    std::uint32_t seed = 0;
    std::int64_t maps = 0;
    for (auto _ : bench) {
        state->Random.Seed = ++seed;
        maps += tavrin::CreateMapUntil(*state, criteria).Maps;
    }
    bench.counters["maps"] =
        benchmark::Counter(static_cast<double>(maps), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CreateMapUntilRare)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
