#include "stats.h"

#include "acceptance.h"
#include "errors.h"
#include "file_save.h"
#include "road_graph.h"
#include "route_sweep.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <ostream>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tavrin::cli {
namespace {

constexpr std::int64_t MaxSeed = 0xffffffffLL;

struct TSeedRange {
    std::uint32_t First;
    std::uint32_t Last;
    std::int64_t Count() const { return std::int64_t{Last} - First + 1; }
};

// "A..B": two seeds 0..4294967295, A not above B.
TSeedRange ParseSeeds(const std::string& text) {
    const auto dots = text.find("..");
    if (dots == std::string::npos)
        throw ETavrinError("--seeds must be A..B, not '" + text + "'");
    const std::int64_t first = ParseNumber(text.substr(0, dots), 0, MaxSeed, "the first seed");
    const std::int64_t last = ParseNumber(text.substr(dots + 2), 0, MaxSeed, "the last seed");
    if (first > last)
        throw ETavrinError("--seeds " + text + ": the first seed is above the last");
    return {static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(last)};
}

constexpr const char* CsvHeader = "seed,attempts,passes,columns,rows,reachable,longest\n";

void AppendCsvRow(std::string& csv, const TSeedFigures& f) {
    char row[96];
    const int n = std::snprintf(row, sizeof row, "%u,%d,%d,%d,%d,%d,%d\n", f.Seed, f.Attempts,
                                f.Passes, f.Columns, f.Rows, f.Reachable, f.Longest);
    csv.append(row, static_cast<std::size_t>(n));
}

// The summaries of every figure.
struct TSummaries {
    TFigureSummary Attempts, Passes, Columns, Rows, Reachable, Longest;

    void Add(const TSeedFigures& f) {
        Attempts.Add(f.Attempts);
        Passes.Add(f.Passes);
        Columns.Add(f.Columns);
        Rows.Add(f.Rows);
        Reachable.Add(f.Reachable);
        Longest.Add(f.Longest);
    }
};

std::string Mean(const TFigureSummary& s) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", s.Mean());
    return text;
}

void PrintSummaries(std::ostream& out, const TSummaries& s) {
    out << "maps      " << s.Attempts.Count() << '\n';
    const auto withMax = [&](const char* label, const TFigureSummary& f) {
        out << label << "mean " << Mean(f) << "  median " << f.Median() << "  max " << f.Max()
            << '\n';
    };
    const auto withRange = [&](const char* label, const TFigureSummary& f) {
        out << label << "mean " << Mean(f) << "  median " << f.Median() << "  range " << f.Min()
            << ".." << f.Max() << '\n';
    };
    withMax("attempts  ", s.Attempts);
    withMax("passes    ", s.Passes);
    withRange("columns   ", s.Columns);
    withRange("rows      ", s.Rows);
    withRange("reachable ", s.Reachable);
    withRange("longest   ", s.Longest);
}

// "stats: 12000 of 1000000 seeds (1%)" on stderr, rewritten in place, once the
// run has taken a second, and only when stderr is a terminal.
class TProgress {
public:
    TProgress(std::ostream& err, std::int64_t total)
        : Err(err), Total(total), Shown(&err == &std::cerr && ::isatty(STDERR_FILENO) == 1),
          Start(Clock::now()), Last(Start) {}

    void Update(std::int64_t done) {
        const auto now = Clock::now();
        if (!Shown || now - Start < std::chrono::seconds(1) ||
            now - Last < std::chrono::milliseconds(200))
            return;
        Last = now;
        Err << "\rstats: " << done << " of " << Total << " seeds (" << done * 100 / Total << "%)"
            << std::flush;
        Written = true;
    }

    void Finish() {
        if (Written)
            Err << "\r" << std::string(60, ' ') << "\r" << std::flush;
    }

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& Err;
    std::int64_t Total;
    bool Shown;
    bool Written = false;
    Clock::time_point Start, Last;
};

// Measures seeds first..first + figures.size() - 1 into `figures`, the work
// shared by `states.size()` threads in small blocks.
void MeasureBlock(std::vector<std::unique_ptr<TMapState>>& states, std::uint32_t first,
                  std::vector<TSeedFigures>& figures) {
    constexpr std::size_t Piece = 64;
    std::atomic<std::size_t> next{0};
    const auto work = [&](TMapState& state) {
        for (std::size_t at = next.fetch_add(Piece); at < figures.size();
             at = next.fetch_add(Piece))
            for (std::size_t i = at; i < std::min(at + Piece, figures.size()); ++i)
                figures[i] = MeasureSeed(state, first + static_cast<std::uint32_t>(i));
    };
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < states.size(); ++t)
        helpers.emplace_back(work, std::ref(*states[t]));
    work(*states[0]);
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace

TSeedFigures MeasureSeed(TMapState& state, std::uint32_t seed) {
    state.Random.Seed = seed;
    const TCreateMapStats stats = CreateMap(state);
    TSeedFigures figures{seed, stats.Attempts, stats.Passes, 0, 0, 0, 0};

    std::int32_t minCol = state.Tiles[1].Col, maxCol = minCol;
    std::int32_t minRow = state.Tiles[1].Row, maxRow = minRow;
    for (int t = 2; t <= TileCount; ++t) {
        minCol = std::min(minCol, state.Tiles[t].Col);
        maxCol = std::max(maxCol, state.Tiles[t].Col);
        minRow = std::min(minRow, state.Tiles[t].Row);
        maxRow = std::max(maxRow, state.Tiles[t].Row);
    }
    figures.Columns = maxCol - minCol + 1;
    figures.Rows = maxRow - minRow + 1;

    const TRoadGraph graph(state);
    TRouteSweep sweep(graph, StartLocation);
    sweep.RunAll();
    figures.Reachable = sweep.TakenCount();
    figures.Longest = sweep.Generations() + 1;
    return figures;
}

void TFigureSummary::Add(std::int32_t value) {
    if (Count_ == 0 || value < Min_)
        Min_ = value;
    if (Count_ == 0 || value > Max_)
        Max_ = value;
    ++Count_;
    Sum += value;
    const auto at = static_cast<std::size_t>(std::max(value, 0));
    if (Histogram.size() <= at)
        Histogram.resize(at + 1);
    ++Histogram[at];
}

double TFigureSummary::Mean() const {
    return Count_ == 0 ? 0.0 : static_cast<double>(Sum) / static_cast<double>(Count_);
}

std::int32_t TFigureSummary::Median() const {
    // The value at place (Count - 1) / 2 of the sorted values.
    std::int64_t before = (Count_ - 1) / 2;
    for (std::size_t value = 0; value < Histogram.size(); ++value) {
        if (before < Histogram[value])
            return static_cast<std::int32_t>(value);
        before -= Histogram[value];
    }
    return Max_;
}

int Stats(const TArguments& args, std::ostream& out, std::ostream& err) {
    if (!args.Positional().empty())
        throw ETavrinError("stats takes no word '" + args.Positional().front() + "'");
    const auto seedsText = args.Option("--seeds");
    if (!seedsText)
        throw ETavrinError("--seeds A..B is required");
    const TSeedRange seeds = ParseSeeds(*seedsText);
    const auto threadsText = args.Option("--threads");
    const std::int64_t threads =
        threadsText ? ParseNumber(*threadsText, 1, 256, "--threads")
                    : std::max<std::int64_t>(1, std::thread::hardware_concurrency());
    const auto csvPath = args.Option("--csv");

    std::vector<std::unique_ptr<TMapState>> states;
    for (std::int64_t t = 0; t < threads; ++t) {
        states.push_back(std::make_unique<TMapState>());
        InitTiles(*states.back(), 0);
    }

    // The CSV goes to a temporary file beside its target as its rows are
    // made, so memory does not grow with the range, and replaces the target
    // once whole. A target that cannot be made fails here, before the work.
    std::optional<TFileSave> csvFile;
    if (csvPath) {
        csvFile.emplace(*csvPath);
        csvFile->Write(CsvHeader);
    }

    // Block by block: the threads measure a block, then its seeds are
    // summed and written in seed order.
    constexpr std::int64_t BlockSize = 16384;
    TSummaries summaries;
    std::string csv;
    TProgress progress(err, seeds.Count());
    std::vector<TSeedFigures> figures;
    for (std::int64_t done = 0; done < seeds.Count(); done += BlockSize) {
        figures.resize(static_cast<std::size_t>(std::min(BlockSize, seeds.Count() - done)));
        MeasureBlock(states, static_cast<std::uint32_t>(seeds.First + done), figures);
        csv.clear();
        for (const TSeedFigures& f : figures) {
            summaries.Add(f);
            if (csvFile)
                AppendCsvRow(csv, f);
        }
        if (csvFile)
            csvFile->Write(csv);
        progress.Update(done + static_cast<std::int64_t>(figures.size()));
    }
    progress.Finish();

    if (csvFile)
        csvFile->Commit();
    PrintSummaries(out, summaries);
    return 0;
}

} // namespace tavrin::cli
