#pragma once
// The frame controller of a TRxGradientCaption. While the caption is in
// effect (active, a window to attach to, and a platform that allows
// frameless windows) the window is frameless and the caption strip sits
// above the window's layout, which is pushed down through the window's
// contents margins; a resize frame runs round the window while it is not
// maximised. Moving and resizing go through the platform
// (QWindow::startSystemMove/startSystemResize); when the platform refuses a
// move or resize, the window gets its platform title bar back for the rest
// of the run. Alt+F4 closes the window when nothing else in it takes that
// key.

#include "caption_geometry.h"

#include <QMargins>
#include <QObject>
#include <QPointer>

class QWidget;
class TRxCaptionStrip;
class TRxGradientCaption;

class TRxCaptionFrame : public QObject {
    Q_OBJECT

public:
    // `form` is the window, or null: then the caption is never in effect.
    TRxCaptionFrame(const TRxGradientCaption& caption, QWidget* form);
    ~TRxCaptionFrame() override;

    bool isActive() const { return m_active; }
    void setActive(bool active);
    bool isInEffect() const;
    bool isWindowActive() const { return m_windowActive; }
    QWidget* form() const { return m_form; }
    TRxCaptionStrip* strip() const;

    // Makes the form frameless with the strip on top, or gives it back its
    // own title bar, to match isInEffect(); then repaints.
    void attach();
    // Repaints the strip while the caption is in effect; refreshIf only when
    // the window's present state (active or not) is one that changed.
    void refresh();
    void refreshIf(bool active, bool inactive);

    TCaptionButtons captionButtons() const;
    // Caption rectangle in the strip's coordinates.
    QRect captionRect() const;
    int captionHeight() const;
    int buttonWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFrame();
    void layoutStrip();
    int frameWidth() const;
    void beginMove();
    void refusedByPlatform();
    void toggleMaximized();

    const TRxGradientCaption& m_caption;
    QPointer<QWidget> m_form;
    QPointer<TRxCaptionStrip> m_strip; // child of the form
    QMargins m_formMargins;            // the form's own contents margins
    bool m_ownFrameless = false;       // the form was frameless before us
    bool m_refused = false;            // the platform refused a move or resize
    bool m_windowActive = false;
    bool m_active = true;
};
