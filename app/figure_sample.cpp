#include "figure_sample.h"

#include "acceptance.h"

#include <QMetaObject>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr int Batch = 500;
constexpr double MeanRouteStep = 0.5;

} // namespace

TFigureSample::TFigureSample(int size, QObject* parent)
    : QObject(parent), Target_(size), Maker([this] { Make(); }) {}

TFigureSample::~TFigureSample() {
    Stop = true;
    Maker.join();
}

void TFigureSample::Make() {
    auto state = std::make_unique<tavrin::TMapState>();
    tavrin::InitTiles(*state, Seed);
    std::vector<tavrin::TMapFigures> batch;
    for (int made = 0; made < Target_ && !Stop; ++made) {
        tavrin::CreateMap(*state);
        batch.push_back(tavrin::MeasureMap(*state));
        if (static_cast<int>(batch.size()) == Batch || made + 1 == Target_) {
            {
                const std::lock_guard guard(Lock);
                Maps.insert(Maps.end(), batch.begin(), batch.end());
            }
            batch.clear();
            QMetaObject::invokeMethod(this, &TFigureSample::Grew, Qt::QueuedConnection);
        }
    }
}

int TFigureSample::Size() const {
    const std::lock_guard guard(Lock);
    return static_cast<int>(Maps.size());
}

int TFigureSample::CountMeeting(const tavrin::TCriteria& criteria) const {
    const std::lock_guard guard(Lock);
    return static_cast<int>(std::count_if(
        Maps.begin(), Maps.end(), [&](const auto& figures) { return criteria.Meets(figures); }));
}

tavrin::TWishExplanation TFigureSample::Explain(const tavrin::TCriteria& criteria) const {
    const std::lock_guard guard(Lock);
    return tavrin::ExplainWish(criteria, Maps);
}

TFigureSample::THistogram TFigureSample::Histogram(tavrin::TFigure figure) const {
    const std::lock_guard guard(Lock);
    THistogram histogram;
    if (Maps.empty())
        return histogram;
    histogram.Step = tavrin::InfoOf(figure).Whole ? 1 : MeanRouteStep;
    const auto bucket = [&](const tavrin::TMapFigures& figures) {
        return std::floor(tavrin::FigureValue(figures, figure) / histogram.Step);
    };
    double low = bucket(Maps.front()), high = low;
    for (const auto& figures : Maps) {
        low = std::min(low, bucket(figures));
        high = std::max(high, bucket(figures));
    }
    histogram.First = low * histogram.Step;
    histogram.Counts.assign(static_cast<std::size_t>(high - low) + 1, 0);
    for (const auto& figures : Maps)
        ++histogram.Counts[static_cast<std::size_t>(bucket(figures) - low)];
    return histogram;
}
