// The share code: writing and reading the code of a generated map, and
// finding a code among words, as a paste does. Not run by CTest; run
// build/bin/share_code_bench.

#include "acceptance.h"
#include "map_code_text.h"
#include "map_string.h"
#include "share_code.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::vector<std::string>& Maps() {
    static const std::vector<std::string> maps = [] {
        auto state = std::make_unique<tavrin::TMapState>();
        tavrin::InitTiles(*state, 12345);
        std::vector<std::string> made;
        for (int i = 0; i < 64; ++i) {
            tavrin::CreateMap(*state);
            made.push_back(tavrin::MakeMapString(*state));
        }
        return made;
    }();
    return maps;
}

void BM_ShareCode(benchmark::State& bench) {
    std::size_t i = 0;
    for (auto _ : bench)
        benchmark::DoNotOptimize(tavrin::ShareCode(Maps()[i++ % Maps().size()]));
}
BENCHMARK(BM_ShareCode);

void BM_MapStringOfShareCode(benchmark::State& bench) {
    std::vector<std::string> codes;
    for (const std::string& map : Maps())
        codes.push_back(tavrin::ShareCode(map));
    std::size_t i = 0;
    for (auto _ : bench)
        benchmark::DoNotOptimize(tavrin::MapStringOfShareCode(codes[i++ % codes.size()]));
}
BENCHMARK(BM_MapStringOfShareCode);

void BM_FindMapCodeInWords(benchmark::State& bench) {
    const std::string text =
        "Hello! Here is tonight's map, have fun: " + tavrin::ShareLink(Maps()[0]) +
        " (made from seed 12345, map 1)";
    for (auto _ : bench)
        benchmark::DoNotOptimize(tavrin::FindMapCode(text));
}
BENCHMARK(BM_FindMapCodeInWords);

} // namespace

BENCHMARK_MAIN();
