// The memory `tavrin-cli stats --csv` takes over ranges of growing size: the
// rows go to the file as they are made, so the peak stays flat in the range's
// size. Reported as counters (peak resident growth in KiB, and per seed);
// the time is the time of the whole command. Not run by CTest; run
// build/bin/stats_bench.

#include "cli.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// A field of /proc/self/status in KiB (VmRSS, VmHWM).
long StatusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return 0;
}

// Starts the peak resident size afresh from the current size.
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void BM_StatsCsvMemory(benchmark::State& state) {
    char folder[] = "/tmp/tavrin-stats-bench-XXXXXX";
    if (!::mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string csv = std::string(folder) + "/seeds.csv";
    const std::string seeds = "0.." + std::to_string(state.range(0) - 1);
    long growth = 0;
    for (auto _ : state) {
        ResetPeak();
        const long before = StatusKiB("VmRSS");
        std::ostringstream out, err;
        if (tavrin::cli::RunCli({"stats", "--seeds", seeds, "--threads", "1", "--csv", csv}, out,
                                err) != 0)
            state.SkipWithError(err.str().c_str());
        growth = StatusKiB("VmHWM") - before;
    }
    state.counters["peak_growth_KiB"] = static_cast<double>(growth);
    state.counters["bytes_per_seed"] = static_cast<double>(growth) * 1024 / state.range(0);
    std::remove(csv.c_str());
    ::rmdir(folder);
}
BENCHMARK(BM_StatsCsvMemory)
    ->Arg(20000)
    ->Arg(80000)
    ->Arg(320000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
