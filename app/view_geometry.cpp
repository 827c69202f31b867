#include "view_geometry.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace tavrin {
namespace {

// Scales within this of a step count as that step, so that rounding in a
// fitted scale never skips a step.
constexpr double StepTolerance = 1e-6;

} // namespace

int ZoomInStep(double scale) {
    for (int step : ZoomSteps) {
        if (step / 100.0 > scale + StepTolerance)
            return step;
    }
    return ZoomSteps.back();
}

int ZoomOutStep(double scale) {
    for (auto step = ZoomSteps.rbegin(); step != ZoomSteps.rend(); ++step) {
        if (*step / 100.0 < scale - StepTolerance)
            return *step;
    }
    return ZoomSteps.front();
}

double FitScale(QSize picture, QSize viewport) {
    if (picture.isEmpty() || viewport.isEmpty())
        return 1.0;
    const double across = static_cast<double>(viewport.width()) / picture.width();
    const double down = static_cast<double>(viewport.height()) / picture.height();
    return std::clamp(std::min(across, down), MinScale, MaxScale);
}

QSize ScaledSize(QSize picture, double scale) {
    return {static_cast<int>(std::lround(picture.width() * scale)),
            static_cast<int>(std::lround(picture.height() * scale))};
}

QPoint CentringOffset(QSize shown, QSize viewport) {
    return {std::max(0, (viewport.width() - shown.width()) / 2),
            std::max(0, (viewport.height() - shown.height()) / 2)};
}

QPoint ScrollKeeping(QPoint scroll, QPointF anchor, double before, double after) {
    const QPointF onPicture = (anchor + QPointF(scroll)) / before;
    return (onPicture * after - anchor).toPoint();
}

QString ZoomModeText(TZoomMode mode) {
    return mode.Fit ? QStringLiteral("fit") : QString::number(mode.Percent);
}

TZoomMode ZoomModeFromText(const QString& text) {
    if (text == QLatin1String("fit"))
        return FitZoom;
    bool number = false;
    const int percent = text.toInt(&number);
    if (!number)
        return ActualSizeZoom;
    return {false, std::clamp(percent, ZoomSteps.front(), ZoomSteps.back())};
}

QString ZoomCaption(TZoomMode mode, double scale) {
    const QString percent = QString::number(std::lround(scale * 100)) + QLatin1Char('%');
    return mode.Fit ? QCoreApplication::translate("TMapView", "Fit %1").arg(percent)
                    : QCoreApplication::translate("TMapView", "Zoom %1").arg(percent);
}

} // namespace tavrin
