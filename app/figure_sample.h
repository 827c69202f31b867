#pragma once
// A sample of maps' figures, made in the background for the Create Map Until
// dialog: the maps of the plain Create Map sequence from a fixed seed, so the
// sample is the same every time. It grows in batches while the dialog is
// open; every batch is announced with Grew() on the interface thread, and the
// dialog reads the sample in between.

#include "criteria_explanation.h"
#include "map_criteria.h"
#include "map_figures.h"

#include <QObject>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

class TFigureSample : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultSize = tavrin::WishSampleSize;
    static constexpr std::uint32_t Seed = tavrin::WishSampleSeed;

    // Starts making `size` maps at once.
    explicit TFigureSample(int size = DefaultSize, QObject* parent = nullptr);
    // Stops the maker after its current map.
    ~TFigureSample() override;

    int Size() const;
    int Target() const { return Target_; }
    bool Complete() const { return Size() >= Target_; }

    // Maps of the sample meeting `criteria`.
    int CountMeeting(const tavrin::TCriteria& criteria) const;

    // How the sample so far meets `criteria`, criterion by criterion.
    tavrin::TWishExplanation Explain(const tavrin::TCriteria& criteria) const;

    // Counts of one figure's values: bucket i holds values from First + i *
    // Step up to the next bucket. Whole-number figures have steps of 1.
    struct THistogram {
        double First = 0;
        double Step = 1;
        std::vector<int> Counts;
    };
    THistogram Histogram(tavrin::TFigure figure) const;

signals:
    void Grew();

private:
    void Make();

    const int Target_;
    mutable std::mutex Lock;
    std::vector<tavrin::TMapFigures> Maps; // guarded by Lock
    std::atomic<bool> Stop{false};
    std::thread Maker;
};
