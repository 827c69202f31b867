// The share code: writing and reading the code of a generated map, and
// finding a code among words, as a paste does, also in a paste of 10 MB
// (of which the finder reads the first MaxMapCodeTextBytes). Not run by
// CTest; run build/bin/share_code_bench.

#include "acceptance.h"
#include "map_code_text.h"
#include "map_string.h"
#include "share_code.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>
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

// Text of 10 MB made of one piece over and over: the patterns that once
// took the finder seconds, words of code characters just as long as a
// code (each is checked), and plain words.
std::string BigText(int pattern) {
    constexpr std::size_t size = 10'000'000;
    std::string text;
    text.reserve(size + 64);
    std::mt19937 random(10);
    constexpr std::string_view symbols = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    while (text.size() < size) {
        switch (pattern) {
        case 0:
            text += "1/";
            break;
        case 1:
            text += "tavrin:";
            break;
        case 2:
            text += "seed ";
            break;
        case 3:
            for (int i = 0; i < 36; ++i)
                text += symbols[random() % symbols.size()];
            text += ' ';
            break;
        default:
            text += "the quick brown fox jumps over the lazy dog, 12/25 ";
        }
    }
    return text;
}

void BM_FindMapCodeInTenMegabytes(benchmark::State& bench) {
    const std::string text = BigText(static_cast<int>(bench.range(0)));
    for (auto _ : bench)
        benchmark::DoNotOptimize(tavrin::FindMapCode(text));
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations()) *
                            static_cast<std::int64_t>(tavrin::MaxMapCodeTextBytes));
}
BENCHMARK(BM_FindMapCodeInTenMegabytes)
    ->ArgName("pattern") // 1/, tavrin:, seed, code-long words, plain words
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
