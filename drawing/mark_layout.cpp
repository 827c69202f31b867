#include "mark_layout.h"

#include "clearing_layout.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavrin {
namespace {

// At 100% and at the least, in device pixels.
constexpr double RingClearance = 4.0;
constexpr double MinRingRadius = 9.0;
constexpr double BaseRingWidth = 4.0;
constexpr double MinRingWidth = 2.5;
constexpr double BaseRoadWidth = 4.0;
constexpr double MinRoadWidth = 2.5;
constexpr int BaseLabelPixels = 13;
constexpr int MinLabelPixels = 11;

// Directions round a ring, right-above first, then clockwise.
constexpr std::array<QPointF, 8> Around{
    {{1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}}};

// The box whose side or corner nearest the ring touches the circle of
// `distance` round `centre` in direction `d`.
QRectF BoxToward(QPointF centre, double distance, QPointF d, QSizeF size) {
    const double diagonal = d.x() != 0 && d.y() != 0 ? std::sqrt(0.5) : 1.0;
    const QPointF touch = centre + d * distance * diagonal;
    const QPointF boxCentre(touch.x() + d.x() * size.width() / 2,
                            touch.y() + d.y() * size.height() / 2);
    return {boxCentre.x() - size.width() / 2, boxCentre.y() - size.height() / 2, size.width(),
            size.height()};
}

bool Free(const QRectF& box, std::span<const TCircle> keepClear, std::span<const QRectF> taken) {
    return std::none_of(keepClear.begin(), keepClear.end(),
                        [&](const TCircle& c) { return Covers(box, c); }) &&
           std::none_of(taken.begin(), taken.end(),
                        [&](const QRectF& t) { return box.intersects(t); });
}

// Candidate centres of a coordinates label on the tile bitmap (200 wide,
// 175 high, hexagon corners at x 0 and 200 on the middle line).
constexpr std::array<QPointF, 7> CoordinateSpots{
    {{30, 87.5}, {170, 87.5}, {50, 60}, {150, 60}, {50, 115}, {150, 115}, {100, 87.5}}};

} // namespace

TMarkSizes MarkSizes(double scale) {
    return {std::max((tileart::ClearingRadius + RingClearance) * scale, MinRingRadius),
            std::max(BaseRingWidth * scale, MinRingWidth),
            std::max(BaseRoadWidth * scale, MinRoadWidth),
            std::max(static_cast<int>(std::lround(BaseLabelPixels * scale)), MinLabelPixels)};
}

bool Covers(const QRectF& box, const TCircle& circle) {
    const double x = std::clamp(circle.Centre.x(), box.left(), box.right());
    const double y = std::clamp(circle.Centre.y(), box.top(), box.bottom());
    const double dx = circle.Centre.x() - x;
    const double dy = circle.Centre.y() - y;
    return dx * dx + dy * dy < circle.Radius * circle.Radius;
}

QRectF LabelBeside(QPointF centre, double ringRadius, QSizeF size,
                   std::span<const TCircle> keepClear, std::span<const QRectF> taken) {
    for (int ring = 0; ring < 4; ++ring) {
        const double distance = ringRadius + 2 + ring * (ringRadius + size.height());
        for (const QPointF& d : Around) {
            const QRectF box = BoxToward(centre, distance, d, size);
            if (Free(box, keepClear, taken))
                return box;
        }
    }
    return BoxToward(centre, ringRadius + 2, Around[0], size);
}

QRectF CoordinatesBox(const TMapPlaces& places, int tile, QSizeF size) {
    std::vector<TCircle> clearings;
    for (int t = 1; t <= TileCount; ++t)
        for (std::uint8_t c = 1; c <= 6; ++c)
            if (places.Tiles[t].Clearings[c]) {
                const TPoint p = ClearingCentre(places, {static_cast<std::uint8_t>(t), c});
                clearings.push_back({{p.X, p.Y}, tileart::ClearingRadius + 1});
            }
    const TTilePlace& place = places.Tiles[tile];
    const auto boxAt = [&](QPointF spot) {
        return QRectF(place.X + spot.x() - size.width() / 2, place.Y + spot.y() - size.height() / 2,
                      size.width(), size.height());
    };
    for (const QPointF& spot : CoordinateSpots) {
        const QRectF box = boxAt(spot);
        if (Free(box, clearings, {}))
            return box;
    }
    // Crowded tiles: any place of the middle band, nearest the corners first.
    for (double fromSide = 20; fromSide <= 100; fromSide += 5)
        for (double dy = 0; dy <= 40; dy += 5)
            for (const QPointF spot :
                 {QPointF(fromSide, 87.5 + dy), QPointF(200 - fromSide, 87.5 + dy),
                  QPointF(fromSide, 87.5 - dy), QPointF(200 - fromSide, 87.5 - dy)}) {
                const QRectF box = boxAt(spot);
                if (Free(box, clearings, {}))
                    return box;
            }
    return boxAt(CoordinateSpots[0]);
}

} // namespace tavrin
