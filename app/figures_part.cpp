#include "figures_part.h"

#include "create_until_dialog.h"
#include "figures_dock.h"
#include "map_search_run.h"
#include "map_texts.h"
#include "map_view.h"
#include "route_marks.h"
#include "settings_keys.h"
#include "ui_language.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>

TFiguresPart::TFiguresPart(QMainWindow& window, TMapView& view, QAction* showCutOff,
                           const TCommandContext& context)
    : QObject(&window), Window(window), View(view), A_ShowCutOff(showCutOff), Context(context) {
    QSettings& settings = Context.Settings;
    MapFigures1 = new TFiguresDock(&Window);
    Window.addDockWidget(Qt::RightDockWidgetArea, MapFigures1);
    MapFigures1->setVisible(settings.value(SettingsKey::MapFigures, false).toBool());
    QAction* showDock = MapFigures1->toggleViewAction();
    showDock->setObjectName(QStringLiteral("A_ShowMapFigures"));
    showDock->setText(tr("&Map Figures"));
    showDock->setStatusTip(tr("Show every figure of the map"));
    // Only the user's own choice is remembered, not the dock's hiding with
    // the window.
    connect(showDock, &QAction::triggered, this,
            [&settings](bool on) { settings.setValue(SettingsKey::MapFigures, on); });

    A_ShowCutOff->setChecked(settings.value(SettingsKey::ShowCutOffClearings, true).toBool());
    connect(A_ShowCutOff, &QAction::toggled, this, [this, &settings](bool on) {
        settings.setValue(SettingsKey::ShowCutOffClearings, on);
        ShowFigures();
    });

    lblFigures = new QLabel(Window.statusBar());
    lblFigures->setObjectName(QStringLiteral("lblFigures"));
    lblFigures->setAccessibleName(tr("Key map figures"));
    Window.statusBar()->insertPermanentWidget(0, lblFigures);
}

QAction* TFiguresPart::DockAction() const {
    return MapFigures1->toggleViewAction();
}

void TFiguresPart::ShowFigures() {
    if (!Context.State.MapPresent) {
        lblFigures->clear();
        MapFigures1->ShowFigures(nullptr);
        View.SetCutOffMarks({});
        return;
    }
    const tavrin::TMapFigures figures = tavrin::MeasureMap(Context.State);
    lblFigures->setText(CoreText(tavrin::KeyFiguresText(figures)));
    MapFigures1->ShowFigures(&figures);
    View.SetCutOffMarks(A_ShowCutOff->isChecked() ? tavrin::CutOffPoints(View.Places(), figures)
                                                  : std::vector<tavrin::TPoint>{});
}

void TFiguresPart::CreateMapUntil() {
    QSettings& settings = Context.Settings;
    tavrin::TCriteria criteria = TCreateMapUntilDialog::DefaultCriteria();
    if (settings.contains(SettingsKey::CreateUntilCriteria)) {
        try {
            criteria = tavrin::ParseCriteria(
                settings.value(SettingsKey::CreateUntilCriteria).toString().toStdString());
        } catch (const tavrin::ECriteriaError&) {
            // A settings file edited by hand: the dialog offers its own.
        }
    }
    {
        // The dialog's sample stops with it, leaving the search the processor.
        TCreateMapUntilDialog dialog(criteria, &Window);
        if (dialog.exec() != QDialog::Accepted)
            return;
        criteria = dialog.Criteria();
    }
    settings.setValue(SettingsKey::CreateUntilCriteria,
                      QString::fromStdString(tavrin::CriteriaText(criteria)));

    const TMapSearchRun run = RunMapSearch(&Window, Context.State, criteria, SearchLimit);
    switch (run.Result.End) {
    case tavrin::TMapSearchEnd::Found:
        Context.Session.TakeMapFound(run.Result.Maps);
        Window.statusBar()->showMessage(
            tr("Found after %1 maps in %2 s").arg(run.Result.Maps).arg(run.Seconds, 0, 'f', 2),
            5000);
        break;
    case tavrin::TMapSearchEnd::LimitReached:
        Context.Dialogs.ShowMessage(&Window, CoreText(tavrin::SearchFailureText(run.Result)));
        break;
    case tavrin::TMapSearchEnd::Cancelled:
        Window.statusBar()->showMessage(CoreText(tavrin::SearchFailureText(run.Result)), 5000);
        break;
    }
}
