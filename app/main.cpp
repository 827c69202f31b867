// Start-up: the tile catalogue is filled and the random generator seeded
// before the application object exists; then the application takes its title
// and the main window is shown maximised until it is closed. A map file given
// as the first argument (`tavrin-map-generator FILE.tvm`, as a file manager
// starts it), or a map code or tavrin: link (as a browser starts it), is
// opened once the window is up.

#include "app_icon.h"
#include "form1.h"
#include "map_state.h"
#include "qt_user_dialogs.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>

namespace {

tavrin::TMapState& Engine() {
    static tavrin::TMapState state;
    return state;
}

// Runs during static initialisation, before main() and so before the
// application object: the catalogue is ready before any window exists.
const bool CatalogueReady = [] {
    tavrin::InitTiles(Engine());
    return true;
}();

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name, not the display name: Qt would append a display name to
    // every window caption, and the main window has a caption of its own.
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    QApplication::setWindowIcon(AppIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("tavrin-map-generator"));

    TQtUserDialogs dialogs;
    // What the window remembers between runs, in the user's settings.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavrin"),
                       QStringLiteral("tavrin-map-generator"));
    TForm1 Form1(Engine(), dialogs, settings);
    Form1.showMaximized();
    // Qt has taken its own options out of the arguments by now.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        QTimer::singleShot(
            0, &Form1, [&Form1, argument = arguments[1]] { Form1.OpenStartArgument(argument); });
    return app.exec();
}
