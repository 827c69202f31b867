#pragma once
// A stepped colour gradient: the rectangle is cut into equal bands, each one
// flat colour, the first in the start colour and the last in the end colour.
// The arithmetic is pure so that tests can check every band; painting only
// fills the rectangles it returns.

#include <QColor>
#include <QRect>
#include <vector>

class QPainter;

// Which edge the start colour sits on. The reversed directions (bottom to top,
// right to left) still cut bands from the left or top edge but swap the two
// colours, so the start colour ends up at the far edge.
enum class TFillDirection { fdTopToBottom, fdBottomToTop, fdLeftToRight, fdRightToLeft };

struct TGradientBand {
    QRect rect;
    QColor colour;
    friend bool operator==(const TGradientBand&, const TGradientBand&) = default;
};

struct TGradientFill {
    std::vector<TGradientBand> bands; // from the left (or top) edge onwards
    TGradientBand remainder;          // the pixels left over at the far end; may be empty
};

// Number of bands: max(1, min(steps, extent)). Any steps value is accepted.
int GradientBandCount(int extent, int steps);

// One colour component of band k of `count`: start + k * (end - start) / (count - 1),
// the increment rounded to the nearest integer with halves away from zero.
// A single band has the start value.
int GradientBandComponent(int start, int end, int k, int count);

// Bands and remainder for `rect`. An empty or inverted rectangle yields one empty
// band; colours are taken as opaque red, green and blue.
TGradientFill GradientFill(const QRect& rect, const QColor& start, const QColor& end, int steps,
                           TFillDirection direction);

void PaintGradientFill(QPainter& painter, const TGradientFill& fill);
