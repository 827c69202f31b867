// The window's side of the map view: the View menu's zooms and coordinates,
// the zoom shown in the status bar and remembered between runs, the divider
// beside the view, and a click on a clearing, which chooses it for the route
// query.

#include "form1.h"
#include "map_view.h"
#include "settings_keys.h"
#include "view_geometry.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QSplitter>

void TForm1::connectView() {
    connect(ScrollBox1, &TMapView::ZoomChanged, this, &TForm1::ZoomChanged);
    connect(ScrollBox1, &TMapView::ClearingClicked, this, &TForm1::ChooseClearing);
    connect(A_ZoomIn, &QAction::triggered, ScrollBox1, &TMapView::ZoomIn);
    connect(A_ZoomOut, &QAction::triggered, ScrollBox1, &TMapView::ZoomOut);
    connect(A_ActualSize, &QAction::triggered, ScrollBox1,
            [this] { ScrollBox1->SetZoomMode(tavrin::ActualSizeZoom); });
    connect(A_FitMap, &QAction::triggered, ScrollBox1,
            [this] { ScrollBox1->SetZoomMode(tavrin::FitZoom); });
    connect(A_ShowCoordinates, &QAction::toggled, ScrollBox1, &TMapView::SetShowCoordinates);
}

// A first run starts at Actual Size, as the picture was always shown.
void TForm1::RestoreZoom() {
    ScrollBox1->SetZoomMode(tavrin::ZoomModeFromText(Settings.value(SettingsKey::Zoom).toString()));
}

// The status bar shows the zoom in use, and the settings remember it.
void TForm1::ZoomChanged() {
    const tavrin::TZoomMode mode = ScrollBox1->ZoomMode();
    const double scale = ScrollBox1->Scale();
    lblZoom->setText(tavrin::ZoomCaption(mode, scale));
    Settings.setValue(SettingsKey::Zoom, tavrin::ZoomModeText(mode));
    A_ZoomIn->setEnabled(scale < tavrin::MaxScale);
    A_ZoomOut->setEnabled(scale > tavrin::MinScale);
}

// The divider between the listing and the map stays where the user left it;
// a first run has the listing at its designed width.
void TForm1::RestoreDivider() {
    Splitter1->restoreState(Settings.value(SettingsKey::Divider).toByteArray());
}

void TForm1::KeepDivider() {
    Settings.setValue(SettingsKey::Divider, Splitter1->saveState());
}

// A left click chooses the clearing as the route's start, a right click as
// its end; the last route's drawing goes, as it no longer answers the query.
void TForm1::ChooseClearing(tavrin::TLocation clearing, Qt::MouseButton button) {
    ScrollBox1->SetRouteMarks({});
    const bool from = button == Qt::LeftButton;
    (from ? cbFromTile : cbToTile)->setCurrentIndex(clearing.Tile - 1);
    (from ? edFromClearing : edToClearing)->setValue(clearing.Clearing);
}