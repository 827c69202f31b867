#pragma once
// TRxGradientCaption paints its window's title bar: a stepped gradient from
// StartColor at the left to the caption colour at the right, the window icon,
// the caption parts and FormCaption.
//
// Attaching: construct it with the window (or any widget of it) as parent;
//     auto* caption = new TRxGradientCaption(this);
//     caption->setFormCaption(tr("My title"));
// While it is in effect (Active, a window to attach to, and a platform that
// allows frameless windows) the window is made frameless and the caption strip
// (objectName "captionStrip") sits above the window's layout, which is pushed
// down through the window's contents margins; a QMainWindow's menu bar, tool
// bars and central widget thus keep working below it. A resize frame runs
// round the window while it is not maximised. Moving and resizing go through
// the platform (QWindow::startSystemMove/startSystemResize); when the platform
// refuses a move or resize, the caption gives the window back its platform
// title bar for the rest of the run. Alt+F4 closes the window when nothing
// else in it takes that key.
//
// System colours: the active caption colour is the palette's Highlight, the
// inactive one its Mid grey; caption text is HighlightedText while active and
// the inactive WindowText otherwise; StartColor starts as WindowText.

#include "caption_geometry.h"
#include "rx_caption.h"

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
class QPainter;
class QWidget;
#include "rx_caption_strip.h"

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
    ~TRxGradientCaption() override;

    bool isActive() const { return m_active; }
    void setActive(bool active);
    const TRxCaptionList& captions() const { return m_captions; }
    void setCaptions(const TRxCaptionList& captions);
    bool defaultFont() const { return m_defaultFont; }
    // Setting it reloads the platform's title font and caption text colour.
    void setDefaultFont(bool useDefault);
    const QString& formCaption() const { return m_formCaption; }
    void setFormCaption(const QString& caption);
    const QColor& fontInactiveColor() const { return m_fontInactiveColor; }
    void setFontInactiveColor(const QColor& colour);
    const QFont& font() const { return m_font; }
    // A chosen font or colour is no longer the default font.
    void setFont(const QFont& font);
    // Qt fonts carry no colour: the form caption's colour while active.
    const QColor& fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& colour);
    bool gradientActive() const { return m_gradientActive; }
    void setGradientActive(bool on);
    bool gradientInactive() const { return m_gradientInactive; }
    void setGradientInactive(bool on);
    int gradientSteps() const { return m_gradientSteps; }
    void setGradientSteps(int steps);
    THideDirection hideDirection() const { return m_hideDirection; }
    void setHideDirection(THideDirection direction);
    // Not owned; forgotten when the menu is destroyed.
    QMenu* popupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu);
    const QColor& startColor() const { return m_startColor; }
    void setStartColor(const QColor& colour);

    // Whether the caption paints the window's title bar now.
    bool isInEffect() const;
    // Whether the window was active when last told so.
    bool isWindowActive() const { return m_windowActive; }
    // The caption strip, or null when there is no window.
    QWidget* captionStrip() const;
    TCaptionButtons captionButtons() const;
    // Caption rectangle in the strip's coordinates.
    QRect captionRect() const;
    int captionHeight() const;
    int buttonWidth() const;
    // Paints the whole strip of `stripRect`; used by the strip's paintEvent.
    void paintCaption(QPainter& painter, const QRect& stripRect) const;

    // Frameless windows need a platform with a window manager; others keep
    // their own title bar.
    static bool PlatformAllowsFrameless(const QString& platformName);

signals:
    void OnActivate();
    void OnDeactivate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach();
    void applyFrame();
    void layoutStrip();
    void refresh();
    void refreshIf(bool active, bool inactive);
    void beginMove();
    void refusedByPlatform();
    void toggleMaximized();
    void showPopup(QPoint global);
    void loadDefaultFont();
    int frameWidth() const;
    void paintText(QPainter& painter, const QRect& area) const;
    QColor captionColour(bool active) const;

    QPointer<QWidget> m_form;
    QPointer<TRxCaptionStrip> m_strip; // child of the form
    QMargins m_formMargins;            // the form's own contents margins
    bool m_ownFrameless = false;       // the form was frameless before us
    bool m_refused = false;            // the platform refused a move or resize
    bool m_windowActive = false;

    bool m_active = true;
    TRxCaptionList m_captions;
    bool m_defaultFont = true;
    QString m_formCaption;
    QColor m_fontInactiveColor;
    QFont m_font;
    QColor m_fontColor;
    bool m_gradientActive = true;
    bool m_gradientInactive = false;
    int m_gradientSteps = 64;
    THideDirection m_hideDirection = hdLeftToRight;
    QPointer<QMenu> m_popupMenu;
    QColor m_startColor;
};
