#pragma once
// The strip at the top of a frameless window that stands in for the platform's
// title bar. It paints through its TRxGradientCaption, holds the minimise,
// maximise/restore and close buttons at its right end, and reports the mouse
// gestures of a title bar as signals; it changes no window state itself.

#include <QPoint>
#include <QWidget>

class QToolButton;
class TRxGradientCaption;

class TRxCaptionStrip : public QWidget {
    Q_OBJECT

public:
    TRxCaptionStrip(const TRxGradientCaption& caption, QWidget* window);

    // Shows the buttons for the window's flags and lays them out in slots of
    // `buttonWidth` at the right end; the maximise button shows "restore"
    // while the window is maximised.
    void updateButtons(int buttonWidth);

signals:
    void moveRequested();              // the left button was dragged
    void maximizeToggleRequested();    // double click
    void menuRequested(QPoint global); // right button released over the strip
    void minimizeClicked();
    void maximizeClicked();
    void closeClicked();
    void helpClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QToolButton* makeButton(const char* name);

    const TRxGradientCaption& m_caption;
    QToolButton* m_minimize;
    QToolButton* m_maximize;
    QToolButton* m_close;
    QToolButton* m_help;
    QPoint m_pressPos;
    bool m_leftPressed = false;
    bool m_rightPressed = false;
};
