#pragma once
// A small histogram of one figure over the sample of maps, with the range a
// criterion allows shaded behind the bars and the bars inside it drawn
// darker. It only draws what it is given.

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

    QSize sizeHint() const override { return {160, 36}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TFigureSample::THistogram Histogram;
    std::optional<tavrin::TCriterion> Allowed;
};
