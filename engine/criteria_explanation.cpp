#include "criteria_explanation.h"

#include "acceptance.h"
#include "map_state.h"
#include "translatable.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace tavrin {
namespace {

// Shared edges of 20 tiles: the second tile touches the first and every
// later one touches at least two placed tiles, so at least 1 + 18 * 2; and
// 20 hexagons share at most 3 * 20 - ceil(sqrt(12 * 20 - 3)) = 44 edges.
constexpr double LeastSharedEdges = 1 + (TileCount - 2) * 2;
constexpr double MostSharedEdges = 44;

// Bounds loosened for the mean route keep one decimal, as the window offers.
constexpr double MeanStep = 0.1;

double Step(TFigure figure) {
    return InfoOf(figure).Whole ? 1 : MeanStep;
}

// The smallest change of `criterion`'s bound, only loosening it, after which
// `value` meets it.
double LoosenedBound(const TCriterion& criterion, double value) {
    const double step = Step(criterion.Figure);
    double bound = value;
    switch (criterion.Comparison) {
    case TComparison::AtLeast:
        bound = std::floor(value / step + 1e-9) * step;
        break;
    case TComparison::Above: // the last step strictly below
        bound = std::ceil(value / step - 1e-9) * step - step;
        break;
    case TComparison::AtMost:
        bound = std::ceil(value / step - 1e-9) * step;
        break;
    case TComparison::Below: // the first step strictly above
        bound = std::floor(value / step + 1e-9) * step + step;
        break;
    case TComparison::Equal:
        return value;
    }
    // Rounding to the step may land a hair on the wrong side.
    const bool up =
        criterion.Comparison == TComparison::AtMost || criterion.Comparison == TComparison::Below;
    for (int i = 0; i < 3 && !Holds({criterion.Figure, criterion.Comparison, bound}, value); ++i)
        bound += up ? step : -step;
    return std::max(bound, 0.0);
}

} // namespace

TFigureRange PossibleRange(TFigure figure) {
    constexpr double Tiles = TileCount, Clearings = ClearingCount;
    switch (figure) {
    case TFigure::Reachable:
        return {1, Clearings}; // the start is always reached
    case TFigure::CutOff:
        return {0, Clearings - 1};
    case TFigure::CutOffTiles:
        return {0, Tiles};
    case TFigure::Longest:
    case TFigure::MeanRoute:
        return {0, Clearings}; // a shortest route visits each clearing once at most
    case TFigure::Columns:
    case TFigure::Rows:
        // In one column or one row a cell touches only the two beside it, and
        // tiles placed next to each other leave no gap between two placed
        // ones: the third tile could touch only one.
        return {2, Tiles};
    case TFigure::SharedEdges:
        return {LeastSharedEdges, MostSharedEdges};
    case TFigure::Clumping:
        return {0, MostSharedEdges};
    case TFigure::DeadEnds:
        return {0, Clearings};
    case TFigure::Bridges:
        return {0, Clearings - 1}; // bridges never close a loop: a forest on the clearings
    }
    return {0, std::numeric_limits<double>::max()};
}

std::optional<std::string> ImpossibleWish(const TCriteria& criteria) {
    for (const TCriterion& criterion : criteria.Items) {
        const TFigureRange range = PossibleRange(criterion.Figure);
        const bool whole = InfoOf(criterion.Figure).Whole;
        const double v = criterion.Value;
        bool possible = true;
        switch (criterion.Comparison) {
        case TComparison::AtLeast:
            possible = range.Most >= v;
            break;
        case TComparison::Above:
            possible = range.Most > v;
            break;
        case TComparison::AtMost:
            possible = range.Least <= v;
            break;
        case TComparison::Below:
            possible = range.Least < v;
            break;
        case TComparison::Equal:
            possible = range.Least <= v && v <= range.Most && (!whole || v == std::floor(v));
            break;
        }
        if (possible)
            continue;
        const std::string name(InfoOf(criterion.Figure).Name);
        const auto number = [](double value) {
            return CriteriaText({{{TFigure::Rows, TComparison::Equal, value}}}).substr(5);
        };
        std::string why;
        if (criterion.Comparison == TComparison::Equal && range.Least <= v && v <= range.Most)
            why = FillText(TAVRIN_TEXT("Core", "%1 is a whole number"), {name});
        else if (v > range.Most || (criterion.Comparison == TComparison::Above && v >= range.Most))
            why = FillText(TAVRIN_TEXT("Core", "%1 is never above %2"), {name, number(range.Most)});
        else
            why =
                FillText(TAVRIN_TEXT("Core", "%1 is never below %2"), {name, number(range.Least)});
        return FillText(TAVRIN_TEXT("Core", "no map can meet %1: %2"),
                        {CriterionText(criterion), why});
    }
    return std::nullopt;
}

TWishSample::TWishSample() : State(std::make_unique<TMapState>()) {
    InitTiles(*State, WishSampleSeed);
}

void TWishSample::Grow(int maps) {
    for (; maps > 0 && !Complete(); --maps) {
        CreateMap(*State);
        Made.push_back(MeasureMap(*State));
    }
}

std::vector<TMapFigures> SampleMaps(int count) {
    TWishSample sample;
    sample.Grow(count);
    return sample.Maps();
}

TWishExplanation ExplainWish(const TCriteria& criteria, std::span<const TMapFigures> sample) {
    TWishExplanation explanation;
    const std::size_t n = criteria.Items.size();
    explanation.Sampled = static_cast<std::int64_t>(sample.size());
    explanation.MeetingAlone.assign(n, 0);
    // How far each figure spreads over the sample, so that moving one bound
    // by a step weighs against the others fairly.
    std::vector<double> low(n, std::numeric_limits<double>::max()), high(n, 0);
    for (const TMapFigures& figures : sample) {
        bool all = true;
        for (std::size_t i = 0; i < n; ++i) {
            const TCriterion& criterion = criteria.Items[i];
            const double value = FigureValue(figures, criterion.Figure);
            low[i] = std::min(low[i], value);
            high[i] = std::max(high[i], value);
            if (Holds(criterion, value))
                ++explanation.MeetingAlone[i];
            else
                all = false;
        }
        explanation.Meeting += all;
    }
    if (n >= 2)
        explanation.Rarest = static_cast<std::size_t>(
            std::min_element(explanation.MeetingAlone.begin(), explanation.MeetingAlone.end()) -
            explanation.MeetingAlone.begin());
    if (explanation.Meeting > 0 || sample.empty())
        return explanation;

    // The map of the sample nearest to meeting them all: the least total
    // move of the bounds, each in its figure's spread; then the fewest moved.
    const TMapFigures* nearest = nullptr;
    double bestCost = std::numeric_limits<double>::max();
    std::size_t bestMoved = n + 1;
    for (const TMapFigures& figures : sample) {
        double cost = 0;
        std::size_t moved = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const TCriterion& criterion = criteria.Items[i];
            const double value = FigureValue(figures, criterion.Figure);
            if (Holds(criterion, value))
                continue;
            const double spread = std::max(high[i] - low[i], Step(criterion.Figure));
            cost += std::abs(LoosenedBound(criterion, value) - criterion.Value) / spread;
            ++moved;
        }
        if (cost < bestCost - 1e-12 || (cost <= bestCost + 1e-12 && moved < bestMoved)) {
            bestCost = cost;
            bestMoved = moved;
            nearest = &figures;
        }
    }
    explanation.Nearest = criteria;
    for (std::size_t i = 0; i < n; ++i) {
        TCriterion& criterion = explanation.Nearest.Items[i];
        const double value = FigureValue(*nearest, criterion.Figure);
        if (Holds(criterion, value))
            continue;
        criterion.Value = LoosenedBound(criterion, value);
        explanation.Moved.push_back(i);
    }
    return explanation;
}

std::string CriterionText(const TCriterion& criterion) {
    const std::string text = CriteriaText({{criterion}});
    const std::size_t name = InfoOf(criterion.Figure).Name.size();
    const std::size_t number = text.find_first_of("0123456789", name);
    return text.substr(0, name) + ' ' + text.substr(name, number - name) + ' ' +
           text.substr(number);
}

std::string CountText(std::int64_t count) {
    // The magnitude unsigned, so that the most negative count has one too.
    const std::uint64_t magnitude =
        count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    const std::string digits = std::to_string(magnitude);
    std::string text = count < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

std::string NoMatchText(const TWishExplanation& explanation) {
    if (explanation.Meeting > 0 || explanation.Sampled == 0)
        return {};
    const std::string sampled = CountText(explanation.Sampled);
    if (explanation.Moved.empty())
        return FillText(TAVRIN_TEXT("Core", "No map of %1 meets these"), {sampled});
    std::string nearest;
    for (std::size_t k = 0; k < explanation.Moved.size(); ++k)
        nearest += (k ? ", " : "") + CriterionText(explanation.Nearest.Items[explanation.Moved[k]]);
    return FillText(TAVRIN_TEXT("Core", "No map of %1 meets these; the nearest that some do: %2"),
                    {sampled, nearest});
}

std::vector<std::string> ExplanationLines(const TCriteria& criteria,
                                          const TWishExplanation& explanation) {
    std::vector<std::string> lines;
    const std::string sampled = CountText(explanation.Sampled);
    for (std::size_t i = 0; i < criteria.Items.size(); ++i)
        lines.push_back(FillText(
            TAVRIN_TEXT("Core", "%1: %2 of %3 meet it alone"),
            {CriterionText(criteria.Items[i]), CountText(explanation.MeetingAlone[i]), sampled}));
    if (explanation.Rarest)
        lines.push_back(FillText(TAVRIN_TEXT("Core", "the rarest: %1"),
                                 {CriterionText(criteria.Items[*explanation.Rarest])}));
    if (const std::string none = NoMatchText(explanation); !none.empty())
        lines.push_back(none);
    return lines;
}

} // namespace tavrin
