#include "route_marks.h"

#include "clearing_layout.h"
#include "line_cut.h"
#include "mark_layout.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

namespace tavrin {
namespace {

// Casings and label grounds stay light in every palette: they are what sets
// a mark off from the art beneath.
const QColor Casing(255, 255, 255, 220);
const QColor LabelInk(20, 20, 20);
const QColor LabelGround(255, 255, 255, 215);
const QColor CutOffCasing(255, 255, 255, 220);
// The route's dashes and gaps, in line widths.
const QList<qreal> RouteDashes{2.5, 1.2};
constexpr double CutOffMinRadius = 9.0; // on the device
constexpr double CutOffClearance = 5.0;

// Coordinates labels keep one size on screen.
constexpr int CoordinatesPixels = 12;

QPointF ToQt(TPoint p) {
    return {p.X, p.Y};
}

QPen ScreenPen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

QFont LabelFont(int pixels) {
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

QSizeF LabelSize(const QFontMetricsF& metrics, const QString& text) {
    return {metrics.horizontalAdvance(text) + 8, metrics.height() + 2};
}

// A short text in a light box (device coordinates).
void PaintLabel(QPainter& painter, const QRectF& box, const QString& text, const QColor& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(LabelGround);
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, text);
}

// A ring round a clearing, on screen; dashed for an end that no road joins
// to the other.
void PaintRing(QPainter& painter, QPointF centre, double radius, const QColor& colour, double width,
               bool dashed) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(ScreenPen(Casing, width + 3));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(ScreenPen(colour, width, dashed ? Qt::DashLine : Qt::SolidLine));
    painter.drawEllipse(centre, radius, radius);
}

// The end's ring lies outside the start's, so a route from a clearing to
// itself shows both.
double EndRingRadius(const TMarkSizes& sizes) {
    return sizes.RingRadius + sizes.RingWidth + 1;
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

std::vector<TCircle> RouteRings(const TRouteMarks& marks, const QTransform& toView, double scale) {
    const TMarkSizes sizes = MarkSizes(scale);
    const double outer = sizes.RingWidth / 2 + 1.5; // the ring's casing
    std::vector<TCircle> rings;
    for (const TPoint& stop : marks.Stops)
        rings.push_back({toView.map(ToQt(stop)), sizes.RingRadius + outer});
    if (marks.Start)
        rings.push_back({toView.map(ToQt(*marks.Start)), sizes.RingRadius + outer});
    if (marks.End)
        rings.push_back({toView.map(ToQt(*marks.End)), EndRingRadius(sizes) + outer});
    return rings;
}

std::vector<TRouteLabel> RouteLabels(const TRouteMarks& marks, const QTransform& toView,
                                     double scale) {
    const TMarkSizes sizes = MarkSizes(scale);
    const QFontMetricsF metrics(LabelFont(sizes.LabelPixels));
    const std::vector<TCircle> rings = RouteRings(marks, toView, scale);
    const bool joined = marks.Joined;
    std::vector<TRouteLabel> labels;
    std::vector<QRectF> taken;
    const auto place = [&](const std::optional<TPoint>& at, double radius, const char* name,
                           bool end) {
        if (!at)
            return;
        const QString text =
            QString::fromLatin1(name) + (joined ? QString() : QStringLiteral(": not joined"));
        const QRectF box = LabelBeside(toView.map(ToQt(*at)), radius + sizes.RingWidth,
                                       LabelSize(metrics, text), rings, taken);
        taken.push_back(box);
        labels.push_back({text, box, end});
    };
    place(marks.Start, sizes.RingRadius, "From", false);
    place(marks.End, EndRingRadius(sizes), "To", true);
    return labels;
}

QColor ToQColor(TRgb colour) {
    return {colour.R, colour.G, colour.B};
}

void PaintRouteMarks(QPainter& painter, const QTransform& toView, double scale,
                     const TRouteMarks& marks, TPalette palette) {
    if (marks.IsEmpty())
        return;
    const TPaletteColours& colours = PaletteColours(palette);
    const QColor routeColour = ToQColor(colours.Route);
    const QColor startColour = ToQColor(colours.From);
    const QColor endColour = ToQColor(colours.To);
    const QColor notJoinedColour = ToQColor(colours.NotJoined);
    const TMarkSizes sizes = MarkSizes(scale);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setBrush(Qt::NoBrush);
    // A light casing under the line keeps it readable on any terrain; the
    // line is dashed on it, so the route reads as a route without colour.
    const std::pair<QColor, double> strokes[] = {{Casing, sizes.RoadWidth * 2},
                                                 {routeColour, sizes.RoadWidth}};
    for (const auto& [colour, width] : strokes) {
        QPen pen = ScreenPen(colour, width);
        if (colour == routeColour) {
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern(RouteDashes);
        }
        painter.setPen(pen);
        // The roads stop at the rings (the view's scale is the same both ways).
        for (const TPolyline& road : marks.Roads) {
            QPolygonF line;
            for (const TPoint& p : CutLineEnds(road, sizes.RingRadius / std::max(scale, 1e-6)))
                line << toView.map(ToQt(p));
            painter.drawPolyline(line);
        }
    }

    for (const TPoint& stop : marks.Stops)
        PaintRing(painter, toView.map(ToQt(stop)), sizes.RingRadius, routeColour,
                  sizes.RingWidth * 0.75, false);
    const bool joined = marks.Joined;
    if (marks.Start)
        PaintRing(painter, toView.map(ToQt(*marks.Start)), sizes.RingRadius,
                  joined ? startColour : notJoinedColour, sizes.RingWidth, !joined);
    if (marks.End)
        PaintRing(painter, toView.map(ToQt(*marks.End)), EndRingRadius(sizes),
                  joined ? endColour : notJoinedColour, sizes.RingWidth, !joined);
    painter.setFont(LabelFont(sizes.LabelPixels));
    for (const TRouteLabel& label : RouteLabels(marks, toView, scale))
        PaintLabel(painter, label.Box, label.Text,
                   !joined ? notJoinedColour : (label.End ? endColour : startColour));
    painter.restore();
}

QString CoordinatesText(const TTilePlace& place) {
    return QString::number(place.Col) + QLatin1Char('/') + QString::number(place.Row);
}

void PaintCoordinates(QPainter& painter, const QTransform& toView, const TMapPlaces& places) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = LabelFont(CoordinatesPixels);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    // The label keeps its size on screen; on the picture it is that size
    // over the zoom.
    const double scale = std::max(toView.m11(), 1e-6);
    for (int tile = 1; tile <= TileCount; ++tile) {
        const QString text = CoordinatesText(places.Tiles[tile]);
        const QSizeF size = LabelSize(metrics, text) / scale;
        const QRectF onPicture = CoordinatesBox(places, tile, size);
        PaintLabel(painter, toView.mapRect(onPicture), text, LabelInk);
    }
    painter.restore();
}

TRouteMarks RouteAnswerMarks(const TMapState& state, const TMapPlaces& places, TLocation from,
                             TLocation to, const TRoute& route) {
    return route.Live ? FoundRouteMarks(state, places, route) : NotJoinedMarks(places, from, to);
}

void PaintCutOffMarks(QPainter& painter, const QTransform& toView, double scale,
                      const std::vector<TPoint>& points, TPalette palette) {
    if (points.empty())
        return;
    const QColor cutOffColour = ToQColor(PaletteColours(palette).CutOff);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The cross sits on the ring's upper right.
    const double radius =
        std::max((tileart::ClearingRadius + CutOffClearance) * scale, CutOffMinRadius);
    const double arm = std::max(3.5, radius * 0.3);
    const QPointF badge(radius * 0.7071, -radius * 0.7071);
    for (const TPoint& point : points) {
        const QPointF centre = toView.map(ToQt(point));
        for (const auto& [colour, width] :
             {std::pair{CutOffCasing, 5.5}, std::pair{cutOffColour, 2.5}}) {
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

void DrawRouteMarks(QImage& picture, const TRouteMarks& marks, TPalette palette) {
    QPainter painter(&picture);
    PaintRouteMarks(painter, QTransform(), 1.0, marks, palette);
}

void DrawCutOffMarks(QImage& picture, const std::vector<TPoint>& points, TPalette palette) {
    QPainter painter(&picture);
    PaintCutOffMarks(painter, QTransform(), 1.0, points, palette);
}

} // namespace tavrin
