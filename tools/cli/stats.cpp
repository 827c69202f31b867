#include "stats.h"

#include "acceptance.h"
#include "errors.h"
#include "figures.h"
#include "file_save.h"
#include "map_texts.h"
#include "translatable.h"

#include <algorithm>
#include <array>
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
        throw ETavrinError(FillText(TAVRIN_TEXT("Core", "--seeds must be A..B, not '%1'"), {text}));
    const std::int64_t first =
        ParseNumber(text.substr(0, dots), 0, MaxSeed, TAVRIN_TEXT("Core", "the first seed"));
    const std::int64_t last =
        ParseNumber(text.substr(dots + 2), 0, MaxSeed, TAVRIN_TEXT("Core", "the last seed"));
    if (first > last)
        throw ETavrinError(
            FillText(TAVRIN_TEXT("Core", "--seeds %1: the first seed is above the last"), {text}));
    return {static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(last)};
}

std::string CsvHeader(bool where) {
    std::string header = "seed,attempts,passes";
    for (const TFigureInfo& info : tavrin::Figures)
        header += "," + std::string(info.Name);
    return header + (where ? ",meets\n" : "\n");
}

void AppendCsvRow(std::string& csv, const TSeedFigures& f, bool where) {
    csv +=
        std::to_string(f.Seed) + "," + std::to_string(f.Attempts) + "," + std::to_string(f.Passes);
    for (const TFigureInfo& info : tavrin::Figures)
        csv += "," + FigureValueText(f.Map, info.Figure);
    csv += where ? (f.Meets ? ",1\n" : ",0\n") : "\n";
}

// The mean route is summed in hundredths, so that every summary counts
// whole numbers.
std::int32_t SummaryValue(const TMapFigures& map, const TFigureInfo& info) {
    const double value = FigureValue(map, info.Figure);
    return static_cast<std::int32_t>(info.Whole ? value : value * 100 + 0.5);
}

// The summaries of every figure.
struct TSummaries {
    TFigureSummary Attempts, Passes;
    std::array<TFigureSummary, tavrin::Figures.size()> Map;
    std::int64_t Meeting = 0;

    void Add(const TSeedFigures& f) {
        Attempts.Add(f.Attempts);
        Passes.Add(f.Passes);
        for (std::size_t i = 0; i < tavrin::Figures.size(); ++i)
            Map[i].Add(SummaryValue(f.Map, tavrin::Figures[i]));
        Meeting += f.Meets ? 1 : 0;
    }
};

std::string Decimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string Label(std::string_view name) {
    return std::string(name) + std::string(name.size() < 12 ? 12 - name.size() : 1, ' ');
}

void PrintSummaries(std::ostream& out, const TSummaries& s, bool where) {
    out << Label("maps") << s.Attempts.Count() << '\n';
    const auto withMax = [&](const char* name, const TFigureSummary& f) {
        out << Label(name) << "mean " << Decimals(f.Mean()) << "  median " << f.Median() << "  max "
            << f.Max() << '\n';
    };
    withMax("attempts", s.Attempts);
    withMax("passes", s.Passes);
    for (std::size_t i = 0; i < tavrin::Figures.size(); ++i) {
        const TFigureInfo& info = tavrin::Figures[i];
        const TFigureSummary& f = s.Map[i];
        const double scale = info.Whole ? 1 : 100;
        const auto shown = [&](std::int32_t v) {
            return info.Whole ? std::to_string(v) : Decimals(v / scale);
        };
        out << Label(info.Name) << "mean " << Decimals(f.Mean() / scale) << "  median "
            << shown(f.Median()) << "  range " << shown(f.Min()) << ".." << shown(f.Max()) << '\n';
    }
    if (where) {
        const std::int64_t count = s.Attempts.Count();
        out << Label("meeting") << s.Meeting << " ("
            << Decimals(count ? 100.0 * s.Meeting / count : 0) << "%)";
        if (s.Meeting > 0)
            out << ", about 1 map in " << OneMapIn(s.Meeting, count);
        out << '\n';
    }
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
                  const TCriteria& criteria, std::vector<TSeedFigures>& figures) {
    constexpr std::size_t Piece = 64;
    std::atomic<std::size_t> next{0};
    const auto work = [&](TMapState& state) {
        for (std::size_t at = next.fetch_add(Piece); at < figures.size();
             at = next.fetch_add(Piece))
            for (std::size_t i = at; i < std::min(at + Piece, figures.size()); ++i)
                figures[i] = MeasureSeed(state, first + static_cast<std::uint32_t>(i), criteria);
    };
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < states.size(); ++t)
        helpers.emplace_back(work, std::ref(*states[t]));
    work(*states[0]);
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace

TSeedFigures MeasureSeed(TMapState& state, std::uint32_t seed, const TCriteria& criteria) {
    state.Random.Seed = seed;
    const TCreateMapStats stats = CreateMap(state);
    const TMapFigures map = MeasureMap(state);
    return {seed, stats.Attempts, stats.Passes, map, criteria.Meets(map)};
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
        throw ETavrinError(TakesNoWord("stats", args));
    const auto seedsText = args.Option("--seeds");
    if (!seedsText)
        throw ETavrinError(TAVRIN_TEXT("Core", "--seeds A..B is required"));
    const TSeedRange seeds = ParseSeeds(*seedsText);
    const auto threadsText = args.Option("--threads");
    const std::int64_t threads =
        threadsText ? ParseNumber(*threadsText, 1, 256, "--threads")
                    : std::max<std::int64_t>(1, std::thread::hardware_concurrency());
    const auto csvPath = args.Option("--csv");
    const std::optional<TCriteria> where = WhereOption(args);
    const TCriteria criteria = where.value_or(TCriteria{});

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
        csvFile->Write(CsvHeader(where.has_value()));
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
        MeasureBlock(states, static_cast<std::uint32_t>(seeds.First + done), criteria, figures);
        csv.clear();
        for (const TSeedFigures& f : figures) {
            summaries.Add(f);
            if (csvFile)
                AppendCsvRow(csv, f, where.has_value());
        }
        if (csvFile)
            csvFile->Write(csv);
        progress.Update(done + static_cast<std::int64_t>(figures.size()));
    }
    progress.Finish();

    if (csvFile)
        csvFile->Commit();
    PrintSummaries(out, summaries, where.has_value());
    return 0;
}

} // namespace tavrin::cli
