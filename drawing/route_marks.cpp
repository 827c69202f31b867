#include "route_marks.h"

#include "clearing_layout.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

namespace tavrin {
namespace {

const QColor RouteColour(200, 30, 45);
const QColor StartColour(20, 140, 60);
const QColor EndColour(30, 80, 200);
const QColor NotJoinedColour(220, 20, 20);
const QColor Casing(255, 255, 255, 220);
const QColor LabelInk(20, 20, 20);
const QColor LabelGround(255, 255, 255, 215);

// Ring radius in screen pixels at the least; on the picture a ring clears the
// clearing's own circle.
constexpr double MinRingRadius = 9.0;
constexpr double RingClearance = 4.0;

QPointF ToQt(TPoint p) {
    return {p.X, p.Y};
}

QPen ScreenPen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

QFont LabelFont() {
    QFont font;
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

// A short text in a light box, centred on `centre` (device coordinates).
void PaintLabel(QPainter& painter, QPointF centre, const QString& text, const QColor& ink) {
    const QFontMetrics metrics(painter.font());
    const QSize size(metrics.horizontalAdvance(text) + 8, metrics.height() + 2);
    const QRectF box(centre.x() - size.width() / 2.0, centre.y() - size.height() / 2.0,
                     size.width(), size.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(LabelGround);
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, text);
}

// A ring round a clearing, on screen, with an optional label beside it,
// above its right side or below it; dashed for an end that no road joins to
// the other.
void PaintRing(QPainter& painter, QPointF centre, double radius, const QColor& colour, double width,
               const QString& label, bool dashed, bool labelBelow = false) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(ScreenPen(Casing, width + 3));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(ScreenPen(colour, width, dashed ? Qt::DashLine : Qt::SolidLine));
    painter.drawEllipse(centre, radius, radius);
    if (!label.isEmpty()) {
        const QFontMetrics metrics(painter.font());
        const double half = (metrics.horizontalAdvance(label) + 8) / 2.0;
        PaintLabel(painter, centre + QPointF(radius + width + half, labelBelow ? radius : -radius),
                   label, colour);
    }
}

// The line without its first part inside the circle of `radius` round its
// first point, so that a road's line stops at the ring of its clearing and
// leaves the clearing's number readable.
QPolygonF CutStart(const QPolygonF& line, double radius) {
    if (line.isEmpty())
        return line;
    const QPointF centre = line.front();
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF from = line[i - 1] - centre;
        const QPointF step = line[i] - line[i - 1];
        if (QPointF::dotProduct(line[i] - centre, line[i] - centre) < radius * radius)
            continue;
        // Where |from + t step| = radius, the segment leaving the circle.
        const double a = QPointF::dotProduct(step, step);
        const double b = QPointF::dotProduct(from, step);
        const double c = QPointF::dotProduct(from, from) - radius * radius;
        const double t = (-b + std::sqrt(std::max(0.0, b * b - a * c))) / a;
        QPolygonF rest{line[i - 1] + t * step};
        rest << line.mid(i);
        return rest;
    }
    return {};
}

QPolygonF CutEnds(const QPolygonF& line, double radius) {
    QPolygonF cut = CutStart(line, radius);
    std::reverse(cut.begin(), cut.end());
    cut = CutStart(cut, radius);
    std::reverse(cut.begin(), cut.end());
    return cut;
}

} // namespace

TRouteMarks FoundRouteMarks(const TMapState& state, const TMapPlaces& places, const TRoute& route) {
    TRouteMarks marks;
    if (!route.Live || route.Count == 0)
        return marks;
    marks.Roads = RouteTrace(state, places, route);
    const auto centre = [&places](TLocation at) -> std::optional<TPoint> {
        if (at.Clearing == 0)
            return std::nullopt;
        return ClearingCentre(places, at);
    };
    marks.Start = centre(route.Locations[1]);
    marks.End = centre(route.Locations[route.Count]);
    for (int k = 2; k < route.Count; ++k) {
        if (const auto stop = centre(route.Locations[k]))
            marks.Stops.push_back(*stop);
    }
    return marks;
}

TRouteMarks NotJoinedMarks(const TMapPlaces& places, TLocation from, TLocation to) {
    TRouteMarks marks;
    marks.Joined = false;
    marks.Start = ClearingCentre(places, from);
    marks.End = ClearingCentre(places, to);
    return marks;
}

void PaintRouteMarks(QPainter& painter, const QTransform& toView, double scale,
                     const TRouteMarks& marks) {
    if (marks.IsEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(LabelFont());

    const double radius =
        std::max((tileart::ClearingRadius + RingClearance) * scale, MinRingRadius);
    painter.setBrush(Qt::NoBrush);
    // A light casing under the line keeps it readable on any terrain.
    const std::pair<QColor, double> strokes[] = {{Casing, 8.0}, {RouteColour, 4.0}};
    for (const auto& [colour, width] : strokes) {
        painter.setPen(ScreenPen(colour, width));
        for (const TPolyline& road : marks.Roads) {
            QPolygonF line;
            for (const TPoint& p : road)
                line << toView.map(ToQt(p));
            painter.drawPolyline(CutEnds(line, radius));
        }
    }

    for (const TPoint& stop : marks.Stops)
        PaintRing(painter, toView.map(ToQt(stop)), radius, RouteColour, 3.0, {}, false);
    // The end's ring lies outside the start's and its label below, so a route
    // from a clearing to itself shows both.
    const bool joined = marks.Joined;
    if (marks.Start)
        PaintRing(painter, toView.map(ToQt(*marks.Start)), radius,
                  joined ? StartColour : NotJoinedColour, 4.0,
                  joined ? QStringLiteral("From") : QStringLiteral("From: not joined"), !joined);
    if (marks.End)
        PaintRing(painter, toView.map(ToQt(*marks.End)), radius + 5,
                  joined ? EndColour : NotJoinedColour, 4.0,
                  joined ? QStringLiteral("To") : QStringLiteral("To: not joined"), !joined, true);
    painter.restore();
}

QString CoordinatesText(const TTilePlace& place) {
    return QString::number(place.Col) + QLatin1Char('/') + QString::number(place.Row);
}

void PaintCoordinates(QPainter& painter, const QTransform& toView, const TMapPlaces& places) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(LabelFont());
    for (int tile = 1; tile <= TileCount; ++tile) {
        PaintLabel(painter, toView.map(ToQt(TileCentre(places, tile))),
                   CoordinatesText(places.Tiles[tile]), LabelInk);
    }
    painter.restore();
}

TRouteMarks RouteAnswerMarks(const TMapState& state, const TMapPlaces& places, TLocation from,
                             TLocation to, const TRoute& route) {
    return route.Live ? FoundRouteMarks(state, places, route) : NotJoinedMarks(places, from, to);
}

void DrawRouteMarks(QImage& picture, const TRouteMarks& marks) {
    QPainter painter(&picture);
    PaintRouteMarks(painter, QTransform(), 1.0, marks);
}

} // namespace tavrin
