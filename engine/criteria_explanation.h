#pragma once
// Why a wish of Create Map Until is rare or cannot be met, told the same way
// by the window, tavrin-cli and the page.
//
// Two answers: a criterion no map Create Map makes can ever meet (a figure
// outside its possible range, such as "reachable>=96") is refused before any
// search; otherwise a sample of maps tells how many meet each criterion
// alone, which criterion makes the combination rare and, when none of the
// sample meets them all, the nearest criteria that some of it meets.

#include "map_criteria.h"
#include "map_figures.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavrin {

// The values a figure can take on any map Create Map makes, whatever the
// seed: no map lies outside, though the ends need not be reached.
struct TFigureRange {
    double Least = 0;
    double Most = 0;
};
TFigureRange PossibleRange(TFigure figure);

// The one-line reason when some criterion can never be met ("no map can
// meet reachable >= 96: reachable is never above 95"); nullopt when every
// criterion on its own is possible.
std::optional<std::string> ImpossibleWish(const TCriteria& criteria);

// The sample every door explains a wish by: the first maps of the plain
// Create Map sequence from one fixed seed, so it is the same every time.
inline constexpr int WishSampleSize = 20000;
inline constexpr std::uint32_t WishSampleSeed = 1;
std::vector<TMapFigures> SampleMaps(int count);

// The same sample made a slice at a time, for a caller that must stay
// responsive while it grows.
class TWishSample {
public:
    TWishSample();
    // Adds up to `maps` more maps, never beyond WishSampleSize in all.
    void Grow(int maps);
    const std::vector<TMapFigures>& Maps() const { return Made; }
    bool Complete() const { return Made.size() >= WishSampleSize; }

private:
    std::unique_ptr<TMapState> State;
    std::vector<TMapFigures> Made;
};

struct TWishExplanation {
    std::int64_t Sampled = 0;
    std::int64_t Meeting = 0;               // maps of the sample meeting every criterion
    std::vector<std::int64_t> MeetingAlone; // per criterion, in the criteria's order
    std::optional<std::size_t> Rarest;      // the criterion fewest maps meet alone
    // When no map meets them all: the criteria moved as little as the sample
    // allows for some of its maps to meet them (same figures, same
    // comparisons; a bound only loosened), and which of them moved.
    TCriteria Nearest;
    std::vector<std::size_t> Moved;
};

TWishExplanation ExplainWish(const TCriteria& criteria, std::span<const TMapFigures> sample);

// A criterion as a sentence shows it: "longest <= 16".
std::string CriterionText(const TCriterion& criterion);

// "No map of 20,000 meets these; the nearest that some do: longest <= 16"
// when the sample holds no match, else empty.
std::string NoMatchText(const TWishExplanation& explanation);

// One line per criterion ("longest <= 12: 35 of 20,000 meet it alone"), then
// the rarest criterion when there are several, then NoMatchText.
std::vector<std::string> ExplanationLines(const TCriteria& criteria,
                                          const TWishExplanation& explanation);

// 20000 as "20,000".
std::string CountText(std::int64_t count);

} // namespace tavrin
