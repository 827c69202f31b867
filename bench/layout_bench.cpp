// The map editor's engine: CheckLayout on a whole map (an accepted one, and
// one with a tile turned one step, which mostly breaks some edges), and the completion of the
// 19 tiles around March Land and of the tiles around a pinned corner, each
// over many maps. Not run by CTest; run build/bin/layout_bench.

#include "acceptance.h"
#include "grid.h"
#include "layout_check.h"
#include "layout_completion.h"
#include "map_state.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

using namespace tavrin;

// 64 accepted maps, one after the other from seed 1.
std::vector<TMapState> Maps() {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, 1);
    std::vector<TMapState> maps;
    for (int i = 0; i < 64; ++i) {
        CreateMap(*state);
        maps.push_back(*state);
    }
    return maps;
}

void BM_CheckLayout(benchmark::State& bench) {
    const std::vector<TMapState> maps = Maps();
    std::size_t i = 0;
    for (auto _ : bench)
        benchmark::DoNotOptimize(CheckLayout(maps[i++ % maps.size()]));
}
BENCHMARK(BM_CheckLayout)->Unit(benchmark::kMicrosecond);

void BM_CheckLayoutTurnedTile(benchmark::State& bench) {
    std::vector<TMapState> maps = Maps();
    for (std::size_t i = 0; i < maps.size(); ++i) {
        TTile& tile = maps[i].Tiles[static_cast<int>(i % TileCount) + 1];
        tile.Rotation = static_cast<std::uint8_t>(tile.Rotation % 6 + 1);
    }
    std::size_t i = 0, findings = 0;
    for (auto _ : bench)
        findings += CheckLayout(maps[i++ % maps.size()]).size();
    bench.counters["findings"] =
        benchmark::Counter(static_cast<double>(findings), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CheckLayoutTurnedTile)->Unit(benchmark::kMicrosecond);

// Keeping `keepNeighbours` ? March Land and the tiles beside it : March Land alone.
void Complete(benchmark::State& bench, bool keepNeighbours) {
    const std::vector<TMapState> maps = Maps();
    auto state = std::make_unique<TMapState>();
    std::uint32_t seed = 0;
    std::int64_t attempts = 0, failed = 0;
    for (auto _ : bench) {
        *state = maps[seed % maps.size()];
        TTileSet keep{};
        keep[StartTile] = true;
        if (keepNeighbours)
            for (TEdge edge : AllEdges)
                keep[NeighbourTile(*state, StartTile, edge)] = true;
        keep[0] = false;
        const TCompletion done = CompleteLayout(*state, keep, seed++);
        attempts += done.Attempts;
        failed += !done.Complete;
    }
    bench.counters["attempts"] =
        benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kAvgIterations);
    bench.counters["failed"] =
        benchmark::Counter(static_cast<double>(failed), benchmark::Counter::kAvgIterations);
}

void BM_CompleteNineteen(benchmark::State& bench) {
    Complete(bench, false);
}
BENCHMARK(BM_CompleteNineteen)->Unit(benchmark::kMicrosecond);

void BM_CompleteAroundPinnedCorner(benchmark::State& bench) {
    Complete(bench, true);
}
BENCHMARK(BM_CompleteAroundPinnedCorner)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
