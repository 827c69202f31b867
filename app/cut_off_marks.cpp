#include "cut_off_marks.h"

#include "clearing_layout.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace {

const QColor MarkColour(120, 20, 160);
const QColor Casing(255, 255, 255, 220);
constexpr double MinRadius = 7.0; // on screen

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
    painter.setBrush(Qt::NoBrush);
    const double radius = std::max(tavrin::tileart::ClearingRadius * scale, MinRadius);
    const double arm = radius * 0.6;
    for (const tavrin::TPoint& point : points) {
        const QPointF centre = toView.map(QPointF(point.X, point.Y));
        for (const auto& [colour, width] : {std::pair{Casing, 5.0}, std::pair{MarkColour, 2.5}}) {
            QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap);
            pen.setCosmetic(true);
            painter.setPen(pen);
            painter.drawEllipse(centre, radius, radius);
            painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
            painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
        }
    }
    painter.restore();
}
