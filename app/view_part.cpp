#include "view_part.h"

#include "map_view.h"
#include "settings_keys.h"
#include "view_geometry.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSplitter>
#include <tuple>

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

    // The palette colours the view, the exports and the sheet; each reads
    // it from the settings.
    menuColours = new QMenu(QStringLiteral("Colou&rs"), &View);
    menuColours->setObjectName(QStringLiteral("Colours1"));
    auto* group = new QActionGroup(menuColours);
    const tavrin::TPalette stored = StoredPalette(Settings);
    View.SetPalette(stored);
    for (const auto& [palette, caption, name] :
         {std::tuple{tavrin::TPalette::Standard, "&Standard", "A_ColoursStandard"},
          std::tuple{tavrin::TPalette::ColourBlind, "&Colour-blind Safe",
                     "A_ColoursColourBlind"}}) {
        QAction* action = group->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setChecked(palette == stored);
        action->setStatusTip(
            palette == tavrin::TPalette::Standard
                ? QStringLiteral("Draw the map in its usual colours")
                : QStringLiteral("Draw the map in colours every player can tell apart"));
        menuColours->addAction(action);
        connect(action, &QAction::triggered, this, [this, palette] {
            View.SetPalette(palette);
            Settings.setValue(SettingsKey::Colours,
                              QString::fromLatin1(tavrin::PaletteName(palette).data()));
        });
    }

    A_TileBitmaps = new QAction(QStringLiteral("Show Tile &Bitmaps"), &View);
    A_TileBitmaps->setObjectName(QStringLiteral("A_TileBitmaps"));
    A_TileBitmaps->setCheckable(true);
    A_TileBitmaps->setStatusTip(
        QStringLiteral("Show the tile bitmaps beside the program instead of the tile art"));
    const bool bitmaps = Settings.value(SettingsKey::TileBitmaps).toBool();
    A_TileBitmaps->setChecked(bitmaps);
    View.SetTileLook(bitmaps ? tavrin::TTileLook::Bitmaps : tavrin::TTileLook::Art);
    connect(A_TileBitmaps, &QAction::toggled, this, [this](bool on) {
        View.SetTileLook(on ? tavrin::TTileLook::Bitmaps : tavrin::TTileLook::Art);
        Settings.setValue(SettingsKey::TileBitmaps, on);
    });
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
