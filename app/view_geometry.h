#pragma once
// The arithmetic of the map view: the zoom steps, the scale at which a
// picture fits the view, the size of the scaled picture, the scroll position
// that keeps a point of the picture in place while the scale changes, and the
// zoom's stored and shown forms. Scales are fractions: 1.0 is 100%.

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>
#include <array>

namespace tavrin {

// clang-format off
inline constexpr std::array<int, 18> ZoomSteps{
    10, 15, 20, 25, 33, 50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};
// clang-format on
inline constexpr double MinScale = ZoomSteps.front() / 100.0;
inline constexpr double MaxScale = ZoomSteps.back() / 100.0;

// The zoom in use: fitting the whole picture into the view, or a fixed
// percentage of the picture's size.
struct TZoomMode {
    bool Fit = false;
    int Percent = 100; // 10..400; not used while fitting

    friend bool operator==(const TZoomMode&, const TZoomMode&) = default;
};

inline constexpr TZoomMode ActualSizeZoom{false, 100};
inline constexpr TZoomMode FitZoom{true, 100};

// The first step above `scale`, or the last step; the last step below it, or
// the first step. Percentages.
int ZoomInStep(double scale);
int ZoomOutStep(double scale);

// The largest scale, within the zoom steps' range, at which the whole picture
// fits the viewport; 1 when either is empty.
double FitScale(QSize picture, QSize viewport);

// The picture's size at `scale`, each side rounded to whole pixels, so a
// picture scaled to fit never exceeds the viewport.
QSize ScaledSize(QSize picture, double scale);

// Where the scaled picture's top-left corner lies in the viewport before
// scrolling: a picture narrower or lower than the viewport is centred on that
// axis, a larger one starts at the edge and scrolls.
QPoint CentringOffset(QSize shown, QSize viewport);

// The scroll position at which the picture point shown at `anchor` (in
// viewport coordinates, with the view scrolled to `scroll`) stays at `anchor`
// when the scale changes from `before` to `after`. The scroll bars clamp it.
QPoint ScrollKeeping(QPoint scroll, QPointF anchor, double before, double after);

// As remembered between runs: "fit" or the percentage. Anything else, a
// first run included, reads as Actual Size; percentages are held to 10..400.
QString ZoomModeText(TZoomMode mode);
TZoomMode ZoomModeFromText(const QString& text);

// As the status bar shows it: "Zoom 100%", or "Fit 47%" while fitting.
QString ZoomCaption(TZoomMode mode, double scale);

} // namespace tavrin
