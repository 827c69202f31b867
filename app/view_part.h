#pragma once
// The window's side of the map view: the View menu's zooms and coordinates,
// its Colours (Standard or Colour-blind safe) and Tile Bitmaps, the zoom
// shown in the status bar, all remembered between runs, and the divider
// beside the view, which stays where the user left it.

#include <QObject>

class QAction;
class QLabel;
class QMenu;
class QSettings;
class QSplitter;
class TMapView;

// The View menu's actions that act on the view.
struct TViewActions {
    QAction* ZoomIn;
    QAction* ZoomOut;
    QAction* ActualSize;
    QAction* FitMap;
    QAction* ShowCoordinates;
};

class TViewPart : public QObject {
    Q_OBJECT

public:
    // `zoomLabel` shows the zoom in use; the divider is restored at once.
    TViewPart(TMapView& view, QSplitter& divider, QLabel* zoomLabel, const TViewActions& actions,
              QSettings& settings);

    // The zoom of the last run; a first run starts at Actual Size, as the
    // picture was always shown.
    void RestoreZoom();
    // Remembers where the divider is; the window calls it as it closes.
    void KeepDivider();

    // View > Colours, its two choices checked as the settings say.
    QMenu* ColoursMenu() const { return menuColours; }
    // View > Show Tile Bitmaps.
    QAction* TileBitmapsAction() const { return A_TileBitmaps; }

private:
    void ZoomChanged();

    TMapView& View;
    QSplitter& Divider;
    QLabel* lblZoom;
    TViewActions Actions;
    QSettings& Settings;
    QMenu* menuColours = nullptr;
    QAction* A_TileBitmaps = nullptr;
};
