#pragma once
// The cut-off clearings of the map shown, marked over the picture (never
// in it): a cross in a ring on each clearing no road joins to the start.

#include "map_figures.h"
#include "map_places.h"

#include <vector>

class QPainter;
class QTransform;

// The centres of the cut-off clearings on the picture.
std::vector<tavrin::TPoint> CutOffPoints(const tavrin::TMapPlaces& places,
                                         const tavrin::TMapFigures& figures);

void PaintCutOffMarks(QPainter& painter, const QTransform& toView, double scale,
                      const std::vector<tavrin::TPoint>& points);
