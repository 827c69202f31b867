#pragma once
// The window's figures of the map shown: the key figures in the status bar,
// every figure in the Map Figures dock, the cut-off clearings marked on the
// map; and Create Map Until, which makes maps until one meets the criteria
// the user sets. What the user chose (criteria, the dock, the marks) is
// remembered in the settings.

#include "command_context.h"
#include "map_search.h"

#include <QObject>
#include <cstdint>

class QAction;
class QLabel;
class QMainWindow;
class TFiguresDock;
class TMapView;

class TFiguresPart : public QObject {
    Q_OBJECT

public:
    // Puts the dock at the window's right and the key figures first in its
    // status bar. `showCutOff` is View > Show Cut-off Clearings.
    TFiguresPart(QMainWindow& window, TMapView& view, QAction* showCutOff,
                 const TCommandContext& context);

    // View > Map Figures, which shows and hides the dock.
    QAction* DockAction() const;

    // Measures the map in the tiles and shows its figures; measuring takes a
    // few microseconds, so it is done afresh for every map shown.
    void ShowFigures();

    // Create Map Until: asks for the criteria, searches, and takes the map
    // found, saying how long it took; a search that gave up is answered in
    // a box, a cancelled one in the status bar.
    void CreateMapUntil();

    // How many maps Create Map Until tries before it gives up.
    void SetSearchLimit(std::int64_t limit) { SearchLimit = limit; }

private:
    QMainWindow& Window;
    TMapView& View;
    QAction* A_ShowCutOff;
    const TCommandContext& Context;
    TFiguresDock* MapFigures1 = nullptr;
    QLabel* lblFigures = nullptr; // the key figures of the map shown, in the status bar
    std::int64_t SearchLimit = tavrin::MapSearchLimit;
};
