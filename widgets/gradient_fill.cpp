#include "gradient_fill.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

namespace {

// num / den rounded to the nearest integer, halves away from zero; den > 0.
std::int64_t DivRoundHalfAway(std::int64_t num, std::int64_t den) {
    return num >= 0 ? (2 * num + den) / (2 * den) : -((-2 * num + den) / (2 * den));
}

QColor BandColour(const QColor& start, const QColor& end, int k, int count) {
    return QColor(GradientBandComponent(start.red(), end.red(), k, count),
                  GradientBandComponent(start.green(), end.green(), k, count),
                  GradientBandComponent(start.blue(), end.blue(), k, count));
}

} // namespace

int GradientBandCount(int extent, int steps) {
    return std::max(1, std::min(steps, extent));
}

int GradientBandComponent(int start, int end, int k, int count) {
    if (count <= 1) {
        return start;
    }
    const std::int64_t increment =
        DivRoundHalfAway(std::int64_t{k} * (std::int64_t{end} - start), count - 1);
    return static_cast<int>(start + increment);
}

TGradientFill GradientFill(const QRect& rect, const QColor& start, const QColor& end, int steps,
                           TFillDirection direction) {
    const bool vertical =
        direction == TFillDirection::fdTopToBottom || direction == TFillDirection::fdBottomToTop;
    const bool reversed =
        direction == TFillDirection::fdBottomToTop || direction == TFillDirection::fdRightToLeft;
    const QColor first = (reversed ? end : start).toRgb();
    const QColor last = (reversed ? start : end).toRgb();

    const int extent = std::max(0, vertical ? rect.height() : rect.width());
    const int across = std::max(0, vertical ? rect.width() : rect.height());
    const int count = GradientBandCount(extent, steps);
    const int size = extent / count;

    // Positions along the gradient measured from the rectangle's first edge.
    const auto span = [&](int from, int length) {
        return vertical ? QRect(rect.left(), rect.top() + from, across, length)
                        : QRect(rect.left() + from, rect.top(), length, across);
    };

    TGradientFill fill;
    fill.bands.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        fill.bands.push_back({span(k * size, size), BandColour(first, last, k, count)});
    }
    fill.remainder = {span(count * size, extent - count * size), last};
    return fill;
}

void PaintGradientFill(QPainter& painter, const TGradientFill& fill) {
    for (const TGradientBand& band : fill.bands) {
        painter.fillRect(band.rect, band.colour);
    }
    if (!fill.remainder.rect.isEmpty()) {
        painter.fillRect(fill.remainder.rect, fill.remainder.colour);
    }
}
