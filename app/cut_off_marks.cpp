#include "cut_off_marks.h"

#include "clearing_layout.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace {

const QColor MarkColour(120, 20, 160);
const QColor Casing(255, 255, 255, 220);
constexpr double MinRadius = 9.0; // on screen
constexpr double RingClearance = 5.0;

} // namespace

std::vector<tavrin::TPoint> CutOffPoints(const tavrin::TMapPlaces& places,
                                         const tavrin::TMapFigures& figures) {
    std::vector<tavrin::TPoint> points;
    for (const tavrin::TLocation location : figures.CutOffList())
        points.push_back(tavrin::ClearingCentre(places, location));
    return points;
}

void PaintCutOffMarks(QPainter& painter, const QTransform& toView, double scale,
                      const std::vector<tavrin::TPoint>& points) {
    if (points.empty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The ring clears the clearing's own circle, so its number stays
    // readable; the cross sits on the ring's upper right.
    const double radius =
        std::max((tavrin::tileart::ClearingRadius + RingClearance) * scale, MinRadius);
    const double arm = std::max(3.5, radius * 0.3);
    const QPointF badge(radius * 0.7071, -radius * 0.7071);
    for (const tavrin::TPoint& point : points) {
        const QPointF centre = toView.map(QPointF(point.X, point.Y));
        for (const auto& [colour, width] : {std::pair{Casing, 5.5}, std::pair{MarkColour, 2.5}}) {
            QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap);
            pen.setCosmetic(true);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, radius, radius);
            const QPointF at = centre + badge;
            painter.drawLine(at + QPointF(-arm, -arm), at + QPointF(arm, arm));
            painter.drawLine(at + QPointF(-arm, arm), at + QPointF(arm, -arm));
        }
    }
    painter.restore();
}
