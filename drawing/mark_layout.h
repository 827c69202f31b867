#pragma once
// Where the marks drawn over a map go, and how large they are: the sizes of
// rings, lines and labels at a zoom, the place of a route's From and To
// labels beside their rings, and the place of a tile's coordinates label.
// Plain arithmetic on boxes and circles, so it is tested without painting.

#include "map_places.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <span>

namespace tavrin {

struct TCircle {
    QPointF Centre;
    double Radius = 0;
};

// Sizes on the device at zoom `scale`: they grow with the zoom and stop
// shrinking at a size that stays readable on a small map.
struct TMarkSizes {
    double RingRadius = 0; // round a clearing, clear of its own circle
    double RingWidth = 0;
    double RoadWidth = 0;
    int LabelPixels = 0; // the labels' font height
};
TMarkSizes MarkSizes(double scale);

// True when the box covers any part of the circle.
bool Covers(const QRectF& box, const TCircle& circle);

// A label box of `size` beside a ring of `ringRadius` round `centre`: the
// first of the places round the ring (right and above first, then clockwise),
// going further out when all of them are taken, whose box covers none of the
// circles in `keepClear` and meets none of the boxes in `taken`. When no
// place is free, the first one.
QRectF LabelBeside(QPointF centre, double ringRadius, QSizeF size,
                   std::span<const TCircle> keepClear, std::span<const QRectF> taken);

// The picture box of a coordinates label of `size` (picture pixels) on tile
// `tile`: at the hexagon's left or right corner, where the art puts no name
// (names take the top and bottom bands), or failing that another place
// inside the hexagon, so that it covers no clearing of any tile. When every
// place covers one, the left corner.
QRectF CoordinatesBox(const TMapPlaces& places, int tile, QSizeF size);

} // namespace tavrin
