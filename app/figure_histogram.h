#pragma once
// A small histogram of one figure over the sample of maps, with the range a
// criterion allows shaded behind the bars and the bars inside it drawn
// darker. Its axes carry their numbers: the lowest and highest value along
// the bottom, the tallest bar's count at the top. It only draws what it is
// given.

#include "figure_sample.h"
#include "map_criteria.h"

#include <QWidget>
#include <optional>

class TFigureHistogram : public QWidget {
    Q_OBJECT

public:
    explicit TFigureHistogram(QWidget* parent = nullptr);

    void SetHistogram(TFigureSample::THistogram histogram);
    // The criterion on this figure; none shades nothing.
    void SetAllowed(std::optional<tavrin::TCriterion> criterion);

    QSize sizeHint() const override;

    // The numbers on the axes as drawn: lowest value, highest value, tallest
    // count; empty while there is no histogram.
    QStringList AxisNumbers() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TFigureSample::THistogram Histogram;
    std::optional<tavrin::TCriterion> Allowed;
};
