#pragma once
// The program's one window: the tile listing at the left, the map view at the
// right, and a panel at the bottom with the command buttons and the route
// query (route_query.h). The window builds the layout and every action, and
// forwards the actions to the parts that carry them out: map_commands.h,
// map_file_commands.h, picture_commands.h, figures_part.h and view_part.h.
//
// The map session (map_session.h) takes every map the window shows (created,
// loaded, pasted, made from a seed, revisited); the window lists and draws
// the tiles when it says so, and its enabled states follow its signals. The
// map shown is the map the tiles hold, so the listing, the picture, the route
// query, Save Map and Copy Map Code all work on it.
//
// Every command runs to its end through the command context's Run, the one
// place where an error that ends a command is caught and shown in the error
// box. The window is also the engine's message sink, so the engine's own
// messages reach the same message box as the window's.

#include "command_context.h"
#include "history_store.h"
#include "settings_store.h"

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class QAction;
class QCloseEvent;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSettings;
class QSplitter;
class TFiguresPart;
class TMapCommands;
class TMapEditorPart;
class TMapFileCommands;
class TMapView;
class TPictureCommands;
class TRouteQuery;
class TViewPart;

class TForm1 : public QMainWindow, public tavrin::IMessageSink {
    Q_OBJECT

public:
    // `state`, `dialogs` and `settings` outlive the window. What the window
    // remembers between runs lives in `settings` (the program passes the
    // user's, tests a temporary file). Tile bitmaps are read from the
    // executable's folder, or from the installed data folder (TileFolderFor),
    // until SetTileFolder says otherwise.
    TForm1(tavrin::TMapState& state, IUserDialogs& dialogs, QSettings& settings,
           QWidget* parent = nullptr);
    ~TForm1() override;

    void SetTileFolder(const QString& folder) { Picture.SetTileFolder(LocalPath(folder)); }

    // The map picture as last drawn (null before the first drawing).
    const QImage& MapImage() const { return Picture.Image(); }

    // The engine's messages and the window's own.
    void ShowMessage(std::string_view text) override;

    // How many maps Create Map Until tries before it gives up.
    void SetSearchLimit(std::int64_t limit);

    // The program's argument: a map file (named by `bytes`, the argument's
    // own bytes), or a map in any form a paste understands.
    void OpenStartArgument(const QString& argument, const std::string& bytes);

    // "Seed N, map k" for the map shown, empty when the map was not made in
    // this session (loaded or pasted).
    QString SeedText() const { return MapSession.SeedText(); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createWidgets();
    void createMenus();
    void connectSession();
    void setTabOrders();
    void nameForScreenReaders();
    void FormActivate();
    // The session's map is in the tiles: list and draw it.
    void ShowSessionMap();
    void ListTiles();
    // Draws the map and shows the picture, also when the drawing ends early.
    void DrawMap();
    void ShowPicture();

    tavrin::TMapState& State;
    QSettings& Settings;
    TSettingsStore Store; // the lists every window shares
    THistoryStore StoredHistory;
    tavrin::TMapPicture Picture;
    TMapSession MapSession;
    TCommandContext Context;
    std::unique_ptr<TMapFileCommands> FileCommands;
    std::unique_ptr<TMapCommands> MapCommands;
    std::unique_ptr<TPictureCommands> PictureCommands;
    TRouteQuery* RouteQuery = nullptr;
    TFiguresPart* Figures = nullptr;
    TViewPart* ViewPart = nullptr;
    TMapEditorPart* EditorPart = nullptr; // Map > Edit Map

    QAction* A_CreateMap = nullptr;
    QAction* A_Exit = nullptr;
    QAction* A_LoadMap = nullptr;
    QAction* A_SaveMap = nullptr;
    QAction* A_SaveBmp = nullptr;
    QAction* A_ExportPicture = nullptr;
    QAction* A_Print = nullptr;
    QAction* A_PrintPreview = nullptr;
    QAction* A_CopyMapCode = nullptr;
    QAction* A_CopyClassicMapCode = nullptr;
    QAction* A_PasteMapCode = nullptr;
    QAction* A_ShareMap = nullptr;
    QAction* A_CreateMapFromSeed = nullptr;
    QAction* A_CreateMapUntil = nullptr;
    QAction* A_Back = nullptr;
    QAction* A_Forward = nullptr;
    QAction* A_KeepMap = nullptr;
    QAction* A_ZoomIn = nullptr;
    QAction* A_ZoomOut = nullptr;
    QAction* A_ActualSize = nullptr;
    QAction* A_FitMap = nullptr;
    QAction* A_ShowCoordinates = nullptr;
    QAction* A_ShowCutOff = nullptr;

    QPlainTextEdit* Memo1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    TMapView* ScrollBox1 = nullptr; // the map view; its viewport is Image1
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* btnCreateMap = nullptr;
    QPushButton* btnSaveMap = nullptr;
    QPushButton* btnExit = nullptr;
    QLabel* lblMapPlace = nullptr; // "map 3 of 8" and where the map came from
    QLabel* lblSeed = nullptr;
    QLabel* lblZoom = nullptr; // the zoom in use, in the status bar

    // FormActivate runs at the first showing and when the focus comes back
    // from another window of the program, never after the window manager or
    // another program had it.
    bool ShownBefore = false;
    bool FocusWithOwnWindow = false;
};
