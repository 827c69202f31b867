#include "view_part.h"

#include "map_view.h"
#include "settings_keys.h"
#include "view_geometry.h"

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QSplitter>

TViewPart::TViewPart(TMapView& view, QSplitter& divider, QLabel* zoomLabel,
                     const TViewActions& actions, QSettings& settings)
    : QObject(&view), View(view), Divider(divider), lblZoom(zoomLabel), Actions(actions),
      Settings(settings) {
    // A first run has the listing at its designed width.
    Divider.restoreState(Settings.value(SettingsKey::Divider).toByteArray());
    connect(&View, &TMapView::ZoomChanged, this, &TViewPart::ZoomChanged);
    connect(Actions.ZoomIn, &QAction::triggered, &View, &TMapView::ZoomIn);
    connect(Actions.ZoomOut, &QAction::triggered, &View, &TMapView::ZoomOut);
    connect(Actions.ActualSize, &QAction::triggered, &View,
            [this] { View.SetZoomMode(tavrin::ActualSizeZoom); });
    connect(Actions.FitMap, &QAction::triggered, &View,
            [this] { View.SetZoomMode(tavrin::FitZoom); });
    connect(Actions.ShowCoordinates, &QAction::toggled, &View, &TMapView::SetShowCoordinates);
}

void TViewPart::RestoreZoom() {
    View.SetZoomMode(tavrin::ZoomModeFromText(Settings.value(SettingsKey::Zoom).toString()));
}

void TViewPart::KeepDivider() {
    Settings.setValue(SettingsKey::Divider, Divider.saveState());
}

// The status bar shows the zoom in use, and the settings remember it.
void TViewPart::ZoomChanged() {
    const tavrin::TZoomMode mode = View.ZoomMode();
    const double scale = View.Scale();
    lblZoom->setText(tavrin::ZoomCaption(mode, scale));
    Settings.setValue(SettingsKey::Zoom, tavrin::ZoomModeText(mode));
    Actions.ZoomIn->setEnabled(scale < tavrin::MaxScale);
    Actions.ZoomOut->setEnabled(scale > tavrin::MinScale);
}
