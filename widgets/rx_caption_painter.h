#pragma once
// How a TRxGradientCaption looks, and the painting of its strip: a stepped
// gradient from startColor at the left to the caption colour at the right,
// the window icon, the caption parts and formCaption, each text shortened
// with "..." to the room left for it. Painting changes nothing.
//
// The caption colour is the palette's Highlight while the window is active
// and its inactive Mid grey otherwise.

#include "rx_caption.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QPalette;
class QRect;
class QWidget;

struct TRxCaptionPainter {
    TRxCaptionList captions;
    QString formCaption;
    QFont font;
    QColor fontColor; // the form caption's colour while active
    QColor fontInactiveColor;
    QColor startColor;
    bool gradientActive = true;
    bool gradientInactive = false;
    int gradientSteps = 64;
    // Which caption parts give way first when the room runs short: the
    // leftmost (true) or the rightmost.
    bool hideLeftToRight = true;

    // The platform's title font, bold, and the active caption text colour of
    // `palette`.
    void loadDefaultFont(const QPalette& palette);

    // Paints the strip `stripRect` of `form` (null when there is no window,
    // which leaves only the background): the background in the caption
    // colour with a bottom line in the window colour, then within `caption`
    // the gradient, the window icon when `systemMenu`, and the texts.
    void paint(QPainter& painter, const QRect& stripRect, const QRect& caption, bool active,
               bool systemMenu, const QWidget* form) const;

private:
    void paintText(QPainter& painter, const QRect& area, bool active, bool rightToLeft) const;
};
