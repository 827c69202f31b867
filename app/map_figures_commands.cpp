// The window's figures of the map shown: the key figures in the status bar,
// every figure in the Map Figures dock, the cut-off clearings marked on the
// map; and Create Map Until, which makes maps until one meets the criteria
// the user sets. What the user chose (criteria, the dock, the marks) is
// remembered in the settings.

#include "create_until_dialog.h"
#include "cut_off_marks.h"
#include "figures_dock.h"
#include "form1.h"
#include "map_search_run.h"
#include "map_texts.h"
#include "map_view.h"
#include "settings_keys.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

void TForm1::createFigureParts() {
    A_CreateMapUntil = new QAction(QStringLiteral("Create Map &Until..."), this);
    A_CreateMapUntil->setObjectName(QStringLiteral("A_CreateMapUntil"));
    A_CreateMapUntil->setStatusTip(QStringLiteral("Create maps until one meets your criteria"));
    A_CreateMapUntil->setToolTip(A_CreateMapUntil->statusTip());
    A_CreateMapUntil->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    addAction(A_CreateMapUntil);
    Map1->insertAction(A_CreateMapFromSeed, A_CreateMapUntil);
    Bind(A_CreateMapUntil, &TForm1::A_CreateMapUntilExecute);

    MapFigures1 = new TFiguresDock(this);
    addDockWidget(Qt::RightDockWidgetArea, MapFigures1);
    MapFigures1->setVisible(Settings.value(SettingsKey::MapFigures, false).toBool());
    QAction* showDock = MapFigures1->toggleViewAction();
    showDock->setObjectName(QStringLiteral("A_ShowMapFigures"));
    showDock->setText(QStringLiteral("&Map Figures"));
    showDock->setStatusTip(QStringLiteral("Show every figure of the map"));
    // Only the user's own choice is remembered, not the dock's hiding with
    // the window.
    connect(showDock, &QAction::triggered, this,
            [this](bool on) { Settings.setValue(SettingsKey::MapFigures, on); });

    A_ShowCutOff = new QAction(QStringLiteral("Show Cut-off C&learings"), this);
    A_ShowCutOff->setObjectName(QStringLiteral("A_ShowCutOff"));
    A_ShowCutOff->setStatusTip(QStringLiteral("Mark the clearings no road joins to the start"));
    A_ShowCutOff->setCheckable(true);
    A_ShowCutOff->setChecked(Settings.value(SettingsKey::ShowCutOffClearings, true).toBool());
    connect(A_ShowCutOff, &QAction::toggled, this, [this](bool on) {
        Settings.setValue(SettingsKey::ShowCutOffClearings, on);
        ShowMapFigures();
    });
    View1->addAction(A_ShowCutOff);
    View1->addSeparator();
    View1->addAction(showDock);

    lblFigures = new QLabel(statusBar());
    lblFigures->setObjectName(QStringLiteral("lblFigures"));
    lblFigures->setAccessibleName(QStringLiteral("Key map figures"));
    statusBar()->insertPermanentWidget(0, lblFigures);
}

// Measuring takes a few microseconds, so it is done afresh for every map
// shown and every change of the marks' setting.
void TForm1::ShowMapFigures() {
    if (!State.MapPresent) {
        lblFigures->clear();
        MapFigures1->ShowFigures(nullptr);
        ScrollBox1->SetCutOffMarks({});
        return;
    }
    const tavrin::TMapFigures figures = tavrin::MeasureMap(State);
    lblFigures->setText(QString::fromStdString(tavrin::KeyFiguresText(figures)));
    MapFigures1->ShowFigures(&figures);
    ScrollBox1->SetCutOffMarks(A_ShowCutOff->isChecked()
                                   ? CutOffPoints(ScrollBox1->Places(), figures)
                                   : std::vector<tavrin::TPoint>{});
}

void TForm1::A_CreateMapUntilExecute() {
    tavrin::TCriteria criteria = TCreateMapUntilDialog::DefaultCriteria();
    if (Settings.contains(SettingsKey::CreateUntilCriteria)) {
        try {
            criteria = tavrin::ParseCriteria(
                Settings.value(SettingsKey::CreateUntilCriteria).toString().toStdString());
        } catch (const tavrin::ECriteriaError&) {
            // A settings file edited by hand: the dialog offers its own.
        }
    }
    {
        // The dialog's sample stops with it, leaving the search the processor.
        TCreateMapUntilDialog dialog(criteria, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        criteria = dialog.Criteria();
    }
    Settings.setValue(SettingsKey::CreateUntilCriteria,
                      QString::fromStdString(tavrin::CriteriaText(criteria)));

    const TMapSearchRun run = RunMapSearch(this, State, criteria, SearchLimit);
    switch (run.Result.End) {
    case tavrin::TMapSearchEnd::Found:
        MapSession.TakeMapFound(run.Result.Maps);
        statusBar()->showMessage(QStringLiteral("Found after %1 maps in %2 s")
                                     .arg(run.Result.Maps)
                                     .arg(run.Seconds, 0, 'f', 2),
                                 5000);
        break;
    case tavrin::TMapSearchEnd::LimitReached:
        Dialogs.ShowMessage(this, QString::fromStdString(tavrin::SearchFailureText(run.Result)));
        break;
    case tavrin::TMapSearchEnd::Cancelled:
        statusBar()->showMessage(QString::fromStdString(tavrin::SearchFailureText(run.Result)),
                                 5000);
        break;
    }
}
