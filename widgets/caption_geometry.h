#pragma once
// Geometry of the painted title bar: the caption rectangle left for the
// gradient, icon and text once the title-bar buttons have their room, and the
// window edges that a press in the resize frame grabs.

#include <QPoint>
#include <QRect>
#include <QSize>

// The title-bar buttons a window shows. Minimise and maximise always take two
// places when either is shown; help takes a place only when neither is shown.
struct TCaptionButtons {
    bool systemMenu = false; // brings the close button
    bool minimize = false;
    bool maximize = false;
    bool help = false;
};

int CaptionButtonCount(const TCaptionButtons& buttons);

// The caption rectangle in window coordinates: the window width less `frame`
// on each side, `captionHeight` - 1 high, and `buttonWidth` shorter for each
// button place. Never negative in size.
QRect CaptionRect(int windowWidth, int frame, int captionHeight, int buttonWidth,
                  const TCaptionButtons& buttons);

// The edges a press at `pos` grabs: those within `frame` pixels of the window's
// border, widened to both edges of a corner within `corner` pixels of it.
// No edges when `frame` is 0 (a maximised window) or `pos` is outside.
Qt::Edges FrameEdgesAt(const QSize& window, const QPoint& pos, int frame, int corner);
