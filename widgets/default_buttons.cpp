#include "default_buttons.h"

#include <QKeyEvent>
#include <QPushButton>

TDefaultButtons::TDefaultButtons(QWidget* window, QPushButton* defaultButton,
                                 QPushButton* cancelButton, QWidget* quiet)
    : QObject(window), Window(window), Default(defaultButton), Cancel(cancelButton), Quiet(quiet) {
    window->installEventFilter(this);
}

// The window hears of a key only when no control took it.
bool TDefaultButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Window || event->type() != QEvent::KeyPress)
        return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    const bool plain = (keyEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!plain || (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape))
        return false;
    const QWidget* focus = Window->focusWidget();
    if (focus && (focus == Quiet || Quiet->isAncestorOf(focus)))
        return true;
    if (key == Qt::Key_Escape) {
        Cancel->click();
        return true;
    }
    auto* button = qobject_cast<QPushButton*>(Window->focusWidget());
    (button ? button : Default)->click();
    return true;
}
