#pragma once
// TRxGradientCaption paints its window's title bar: a stepped gradient from
// StartColor at the left to the caption colour at the right, the window icon,
// the caption parts and FormCaption.
//
// Attaching: construct it with the window (or any widget of it) as parent;
//     auto* caption = new TRxGradientCaption(this);
//     caption->setFormCaption(tr("My title"));
// It holds the look and its properties; the painting is the painter's
// (rx_caption_painter.h), and the window's frame, the strip above its layout
// and the title bar's gestures are the frame controller's
// (rx_caption_frame.h).
//
// System colours: the active caption colour is the palette's Highlight, the
// inactive one its Mid grey; caption text is HighlightedText while active and
// the inactive WindowText otherwise; StartColor starts as WindowText.

#include "caption_geometry.h"
#include "rx_caption.h"
#include "rx_caption_frame.h"
#include "rx_caption_painter.h"

#include <QColor>
#include <QFont>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
class QPainter;
class QWidget;

class TRxGradientCaption : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Active READ isActive WRITE setActive)
    Q_PROPERTY(TRxCaptionList Captions READ captions WRITE setCaptions)
    Q_PROPERTY(bool DefaultFont READ defaultFont WRITE setDefaultFont)
    Q_PROPERTY(QString FormCaption READ formCaption WRITE setFormCaption)
    Q_PROPERTY(QColor FontInactiveColor READ fontInactiveColor WRITE setFontInactiveColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(bool GradientActive READ gradientActive WRITE setGradientActive)
    Q_PROPERTY(bool GradientInactive READ gradientInactive WRITE setGradientInactive)
    Q_PROPERTY(int GradientSteps READ gradientSteps WRITE setGradientSteps)
    Q_PROPERTY(THideDirection HideDirection READ hideDirection WRITE setHideDirection)
    Q_PROPERTY(QMenu* PopupMenu READ popupMenu WRITE setPopupMenu)
    Q_PROPERTY(QColor StartColor READ startColor WRITE setStartColor)

public:
    enum THideDirection { hdLeftToRight, hdRightToLeft };
    Q_ENUM(THideDirection)

    // Attaches to `owner`'s window; with no owner the caption is never in effect.
    explicit TRxGradientCaption(QWidget* owner);

    bool isActive() const { return m_frame.isActive(); }
    void setActive(bool active);
    const TRxCaptionList& captions() const { return m_look.captions; }
    void setCaptions(const TRxCaptionList& captions);
    bool defaultFont() const { return m_defaultFont; }
    // Setting it reloads the platform's title font and caption text colour.
    void setDefaultFont(bool useDefault);
    const QString& formCaption() const { return m_look.formCaption; }
    void setFormCaption(const QString& caption);
    const QColor& fontInactiveColor() const { return m_look.fontInactiveColor; }
    void setFontInactiveColor(const QColor& colour);
    const QFont& font() const { return m_look.font; }
    // A chosen font or colour is no longer the default font.
    void setFont(const QFont& font);
    // Qt fonts carry no colour: the form caption's colour while active.
    const QColor& fontColor() const { return m_look.fontColor; }
    void setFontColor(const QColor& colour);
    bool gradientActive() const { return m_look.gradientActive; }
    void setGradientActive(bool on);
    bool gradientInactive() const { return m_look.gradientInactive; }
    void setGradientInactive(bool on);
    int gradientSteps() const { return m_look.gradientSteps; }
    void setGradientSteps(int steps);
    THideDirection hideDirection() const {
        return m_look.hideLeftToRight ? hdLeftToRight : hdRightToLeft;
    }
    void setHideDirection(THideDirection direction);
    // Not owned; forgotten when the menu is destroyed.
    QMenu* popupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu);
    const QColor& startColor() const { return m_look.startColor; }
    void setStartColor(const QColor& colour);

    // Whether the caption paints the window's title bar now.
    bool isInEffect() const { return m_frame.isInEffect(); }
    // Whether the window was active when last told so.
    bool isWindowActive() const { return m_frame.isWindowActive(); }
    // The caption strip, or null when there is no window.
    QWidget* captionStrip() const;
    TCaptionButtons captionButtons() const { return m_frame.captionButtons(); }
    // Caption rectangle in the strip's coordinates.
    QRect captionRect() const { return m_frame.captionRect(); }
    int captionHeight() const { return m_frame.captionHeight(); }
    int buttonWidth() const { return m_frame.buttonWidth(); }
    // Paints the whole strip of `stripRect`; used by the strip's paintEvent.
    void paintCaption(QPainter& painter, const QRect& stripRect) const;

    // Frameless windows need a platform with a window manager; others keep
    // their own title bar.
    static bool PlatformAllowsFrameless(const QString& platformName);

signals:
    void OnActivate();
    void OnDeactivate();

private:
    void showPopup(QPoint global);
    void loadDefaultFont();

    TRxCaptionPainter m_look;
    bool m_defaultFont = true;
    QPointer<QMenu> m_popupMenu;
    TRxCaptionFrame m_frame;
};
