// Start-up: the tile catalogue is filled and the random generator seeded
// before the application object exists; then the application takes its title
// and the main window is shown maximised until it is closed.

#include "map_state.h"

#include <QApplication>
#include <QMainWindow>

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
    QApplication::setApplicationName(QStringLiteral("Tavrin Map Generator"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavrin Map Generator"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tavrin Map Generator"));
    window.showMaximized();
    return app.exec();
}
