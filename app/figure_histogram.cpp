#include "figure_histogram.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace {

const QColor AllowedBar(40, 130, 60);
const QColor OtherBar(160, 160, 160);
const QColor UnboundBar(90, 110, 140); // a figure without a criterion

// The ground behind the allowed columns: a tint of the allowed bars' green
// on the palette's base, so it is light in a light scheme and dark in a
// dark one.
QColor AllowedGround(const QColor& base) {
    const auto mix = [](int a, int b) { return (3 * a + b) / 4; };
    return QColor(mix(base.red(), AllowedBar.red()), mix(base.green(), AllowedBar.green()),
                  mix(base.blue(), AllowedBar.blue()));
}

// A bucket of whole numbers holds one value; a bucket of the mean route is
// judged by its middle.
bool BucketAllowed(const tavrin::TCriterion& criterion, double first, double step) {
    return tavrin::Holds(criterion, step == 1 ? first : first + step / 2);
}

} // namespace

TFigureHistogram::TFigureHistogram(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 30 + fontMetrics().height());
}

QSize TFigureHistogram::sizeHint() const {
    return {160, 36 + fontMetrics().height()};
}

QStringList TFigureHistogram::AxisNumbers() const {
    const auto& counts = Histogram.Counts;
    if (counts.empty())
        return {};
    // Whole-number buckets hold one value each; the mean route's buckets end
    // a step after they start.
    const bool whole = Histogram.Step == 1;
    const double last =
        Histogram.First + static_cast<double>(counts.size() - (whole ? 1 : 0)) * Histogram.Step;
    const int decimals = whole ? 0 : 1;
    return {QString::number(Histogram.First, 'f', decimals), QString::number(last, 'f', decimals),
            QString::number(*std::max_element(counts.begin(), counts.end()))};
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
    const QStringList numbers = AxisNumbers();
    const int band = fontMetrics().height(); // the value axis's numbers, below the bars
    const int bottom = this->height() - band;
    const double width = static_cast<double>(this->width()) / static_cast<double>(counts.size());
    const int height = bottom - 2;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double first = Histogram.First + static_cast<double>(i) * Histogram.Step;
        const bool allowed = !Allowed || BucketAllowed(*Allowed, first, Histogram.Step);
        const QRectF column(static_cast<double>(i) * width, 0, width, bottom);
        if (Allowed && allowed)
            painter.fillRect(column, AllowedGround(palette().color(QPalette::Base)));
        const double bar = most == 0 ? 0 : static_cast<double>(height) * counts[i] / most;
        // A value seen at all gets a bar of at least one pixel.
        const double shown = counts[i] > 0 ? std::max(bar, 1.0) : 0.0;
        painter.fillRect(QRectF(column.left() + (width > 3 ? 0.5 : 0), bottom - shown,
                                std::max(width - (width > 3 ? 1 : 0), 1.0), shown),
                         !Allowed  ? UnboundBar
                         : allowed ? AllowedBar
                                   : OtherBar);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRect(0, 0, this->width(), bottom).adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Text));
    const QRect axis(2, bottom, this->width() - 4, band);
    painter.drawText(axis, Qt::AlignLeft | Qt::AlignVCenter, numbers[0]);
    painter.drawText(axis, Qt::AlignRight | Qt::AlignVCenter, numbers[1]);
    painter.drawText(QRect(3, 1, this->width() - 6, band), Qt::AlignLeft | Qt::AlignTop,
                     numbers[2]);
}
