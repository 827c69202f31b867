#include "program_end.h"

#include <QApplication>
#include <QThread>
#include <QWidget>

void EndProgram() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->close();
    // Outside any event loop (a test driving the window) there is nothing
    // to end; exit() there would make every later dialog return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}
