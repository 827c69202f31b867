#pragma once
// The program's one window: the tile listing at the left, the map view at the
// right, and a panel at the bottom with the command buttons and the route
// query. Actions carry the commands; the menus and the buttons trigger them.
//
// The map session (map_session.h) takes every map the window shows (created,
// loaded, pasted, made from a seed, revisited); the window lists and draws
// the tiles when it says so, and its enabled states follow its signals. The
// map shown is the map the tiles hold, so the listing, the picture, the route
// query, Save Map and Copy Map Code all work on it.
//
// Every command runs to its end through RunCommand, which is the one place
// where an error that ends a command is caught and shown in the error box.
// The window is also the engine's message sink, so the engine's own messages
// reach the same message box as the window's.

#include "history_store.h"
#include "kept_maps.h"
#include "location.h"
#include "map_code_text.h"
#include "map_picture.h"
#include "map_search.h"
#include "map_session.h"
#include "map_state.h"
#include "recent_maps.h"
#include "rx_gradient_caption.h"
#include "rx_spin_edit.h"
#include "settings_store.h"
#include "setup_sheet.h"
#include "sheet_printing.h"
#include "user_dialogs.h"

#include <QMainWindow>
#include <functional>
#include <string>
#include <string_view>

class QAction;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSettings;
class QSplitter;
class TFiguresDock;
class TMapView;

inline constexpr const char* NoMapText = "There is no map in memory";

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

    // Command handlers. Errors leave them; RunCommand catches them.
    void A_CreateMapExecute();
    void A_ExitExecute();
    void A_LoadMapExecute();
    void A_SaveMapExecute();
    void A_SaveBmpExecute();
    void A_ExportPictureExecute();
    void A_PrintExecute();
    void A_PrintPreviewExecute();
    void btnFindPathClick();

    // The commands that share, revisit and reopen maps.
    void A_CopyMapCodeExecute();
    void A_PasteMapCodeExecute();
    void A_CreateMapFromSeedExecute();
    void A_BackExecute();
    void A_ForwardExecute();
    void A_CreateMapUntilExecute();

    // How many maps Create Map Until tries before it gives up.
    void SetSearchLimit(std::int64_t limit) { SearchLimit = limit; }
    void OpenRecentMap(const QString& path);

    // Passing maps on and keeping them.
    void A_CopyClassicMapCodeExecute();
    void A_ShareMapExecute();
    void A_KeepMapExecute();
    void OpenKeptMap(const tavrin::TKeptMap& map);
    void RemoveKeptMap(const tavrin::TKeptMap& map);

    // The program's argument: a map file (named by `bytes`, the argument's
    // own bytes), or a map in any form a paste understands (a tavrin: link as
    // a browser passes it); errors are shown as the command's.
    void OpenStartArgument(const QString& argument, const std::string& bytes);

    // "Seed N, map k" for the map shown, empty when the map was not made in
    // this session (loaded or pasted).
    QString SeedText() const;

    // Replaces the memo's lines with the 20 lines of the tile listing.
    void ListTiles();

    // Draws the map and shows the picture, also when the drawing ends early.
    void DrawMap();

    // Sets the route query's From (left button) or To (right button) tile
    // and clearing.
    void ChooseClearing(tavrin::TLocation clearing, Qt::MouseButton button);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createWidgets();
    void createFigureParts();
    void ShowMapFigures();
    void connectView();
    void setTabOrders();
    void FormCreate();
    void FormActivate();
    void nameForScreenReaders();
    void RestoreZoom();
    void ZoomChanged();
    void RestoreDivider();
    void KeepDivider();

    // Runs `handler` through RunCommand whenever the action is triggered or
    // the button clicked.
    void Bind(QAction* action, void (TForm1::*handler)());
    void Bind(QPushButton* button, void (TForm1::*handler)());
    void RunCommand(void (TForm1::*handler)());
    void RunCommand(const std::function<void()>& command);

    // Load Map, a recent file, a dropped file and the start file; `path` is
    // the name's bytes.
    void LoadMapPath(const std::string& path);

    void connectSession();
    // The session's map is in the tiles: list and draw it.
    void ShowSessionMap();
    void OpenMapText(const QString& text, tavrin::TTextSource source);
    void UpdateKeptMenu();
    void SayIfUnsaved(bool saved);
    void UpdateRecentMenu();
    void ShowPicture();
    bool Execute(TFileDialog& dialog);
    bool MapInMemory();
    bool AskSaveName(TFileDialog& dialog);
    tavrin::TSheetWords SheetWords() const;
    // Where the web page is served, for map links: the Share Map dialog's
    // setting, else the build's default; empty for tavrin: links.
    QString WebAddress() const;
    bool FocusInMemo() const;
    static std::string LocalPath(const QString& fileName);

    tavrin::TMapState& State;
    IUserDialogs& Dialogs;
    QSettings& Settings;
    TSettingsStore Store; // the lists every window shares
    tavrin::TMapPicture Picture;

    QAction* A_CreateMap = nullptr;
    QAction* A_Exit = nullptr;
    QAction* A_LoadMap = nullptr;
    QAction* A_SaveMap = nullptr;
    QAction* A_SaveBmp = nullptr;
    QAction* A_CopyMapCode = nullptr;
    QAction* A_PasteMapCode = nullptr;
    QAction* A_CopyClassicMapCode = nullptr;
    QAction* A_ShareMap = nullptr;
    QAction* A_KeepMap = nullptr;
    QAction* A_CreateMapFromSeed = nullptr;
    QAction* A_Back = nullptr;
    QAction* A_Forward = nullptr;
    QAction* A_ExportPicture = nullptr;
    QAction* A_Print = nullptr;
    QAction* A_PrintPreview = nullptr;
    QAction* A_ZoomIn = nullptr;
    QAction* A_ZoomOut = nullptr;
    QAction* A_ActualSize = nullptr;
    QAction* A_FitMap = nullptr;
    QAction* A_ShowCoordinates = nullptr;
    QAction* A_CreateMapUntil = nullptr;
    QAction* A_ShowCutOff = nullptr;
    TFiguresDock* MapFigures1 = nullptr;
    QLabel* lblFigures = nullptr; // the key figures of the map shown, in the status bar
    std::int64_t SearchLimit = tavrin::MapSearchLimit;
    QMenu* File1 = nullptr;
    QMenu* RecentMaps1 = nullptr;
    QMenu* Edit1 = nullptr;
    QMenu* Map1 = nullptr;
    QMenu* KeptMaps1 = nullptr;
    QMenu* RemoveKeptMap1 = nullptr;
    QLabel* lblSeed = nullptr;
    QLabel* lblMapPlace = nullptr; // "map 3 of 8" and where the map came from
    QMenu* View1 = nullptr;

    QPlainTextEdit* Memo1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    TMapView* ScrollBox1 = nullptr; // the map view; its viewport is Image1
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* btnCreateMap = nullptr;
    QPushButton* btnSaveMap = nullptr;
    QPushButton* btnExit = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbFromTile = nullptr;
    QComboBox* cbToTile = nullptr;
    tavrin::TRxSpinEdit* edFromClearing = nullptr;
    tavrin::TRxSpinEdit* edToClearing = nullptr;
    QPushButton* btnFindPath = nullptr;
    QLabel* lblZoom = nullptr; // the zoom in use, in the status bar

    TRxGradientCaption* RxGradientCaption1 = nullptr;

    TFileDialog OpenDialog1;
    TFileDialog SaveDialog1;
    TFileDialog SaveDialog2;

    TMapSession MapSession;
    TRecentMaps Recent;
    TKeptMaps Kept;
    THistoryStore StoredHistory;
    TFileDialog SaveDialog3;   // Export Picture
    int SaveDialog3Filter = 0; // the format chosen there last
    TSheetPrinting SheetPrinting;
    // FormActivate runs at the first showing and when the focus comes back
    // from another window of the program, never after the window manager or
    // another program had it.
    bool ShownBefore = false;
    bool FocusWithOwnWindow = false;
};
