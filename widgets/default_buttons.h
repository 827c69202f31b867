#pragma once
// A dialog's default and cancel buttons for a main window: Enter that no
// control took presses the default button, or the button that has the focus;
// Esc presses the cancel button. Inside `quiet` (a text area whose keys are
// its own) neither key does anything. An open drop-down list keeps Esc to
// itself, so it never arrives here.
//
// Installed on the window as an event filter; the window owns it.

#include <QObject>

class QPushButton;
class QWidget;

class TDefaultButtons : public QObject {
    Q_OBJECT

public:
    TDefaultButtons(QWidget* window, QPushButton* defaultButton, QPushButton* cancelButton,
                    QWidget* quiet);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* Window;
    QPushButton* Default;
    QPushButton* Cancel;
    QWidget* Quiet;
};
