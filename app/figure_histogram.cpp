#include "figure_histogram.h"

#include <QPainter>
#include <algorithm>

namespace {

const QColor AllowedGround(200, 235, 200);
const QColor AllowedBar(40, 130, 60);
const QColor OtherBar(160, 160, 160);
const QColor UnboundBar(90, 110, 140); // a figure without a criterion

// A bucket of whole numbers holds one value; a bucket of the mean route is
// judged by its middle.
bool BucketAllowed(const tavrin::TCriterion& criterion, double first, double step) {
    return tavrin::Holds(criterion, step == 1 ? first : first + step / 2);
}

} // namespace

TFigureHistogram::TFigureHistogram(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 30);
}

void TFigureHistogram::SetHistogram(TFigureSample::THistogram histogram) {
    Histogram = std::move(histogram);
    update();
}

void TFigureHistogram::SetAllowed(std::optional<tavrin::TCriterion> criterion) {
    Allowed = criterion;
    update();
}

void TFigureHistogram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const auto& counts = Histogram.Counts;
    if (counts.empty())
        return;
    const int most = *std::max_element(counts.begin(), counts.end());
    const double width = static_cast<double>(this->width()) / static_cast<double>(counts.size());
    const int height = this->height() - 2;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double first = Histogram.First + static_cast<double>(i) * Histogram.Step;
        const bool allowed = !Allowed || BucketAllowed(*Allowed, first, Histogram.Step);
        const QRectF column(static_cast<double>(i) * width, 0, width, this->height());
        if (Allowed && allowed)
            painter.fillRect(column, AllowedGround);
        const double bar = most == 0 ? 0 : static_cast<double>(height) * counts[i] / most;
        // A value seen at all gets a bar of at least one pixel.
        const double shown = counts[i] > 0 ? std::max(bar, 1.0) : 0.0;
        painter.fillRect(QRectF(column.left() + (width > 3 ? 0.5 : 0), this->height() - shown,
                                std::max(width - (width > 3 ? 1 : 0), 1.0), shown),
                         !Allowed  ? UnboundBar
                         : allowed ? AllowedBar
                                   : OtherBar);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
