#pragma once
// The program's one window: the tile listing at the left, the map picture in
// a scroll box at the right, and a panel at the bottom with the command
// buttons and the route query. Actions carry the commands; the menus and
// the buttons trigger them.
//
// Every command runs to its end through RunCommand, which is the one place
// where an error that ends a command is caught and shown in the error box.
// The window is also the engine's message sink, so the engine's own messages
// reach the same message box as the window's.

#include "map_picture.h"
#include "map_state.h"
#include "rx_gradient_caption.h"
#include "rx_spin_edit.h"
#include "setup_sheet.h"
#include "sheet_printing.h"
#include "user_dialogs.h"

#include <QMainWindow>
#include <string_view>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSettings;
class QSplitter;

inline constexpr const char* NoMapText = "There is no map in memory";

class TForm1 : public QMainWindow, public tavrin::IMessageSink {
    Q_OBJECT

public:
    // `state`, `dialogs` and `settings` outlive the window. What the window
    // remembers between runs lives in `settings` (the program passes the
    // user's, tests a temporary file). Tile bitmaps are read from the
    // executable's folder until SetTileFolder says otherwise.
    TForm1(tavrin::TMapState& state, IUserDialogs& dialogs, QSettings& settings,
           QWidget* parent = nullptr);
    ~TForm1() override;

    void SetTileFolder(const QString& folder) { Picture.SetTileFolder(folder); }

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

    // Replaces the memo's lines with the 20 lines of the tile listing.
    void ListTiles();

    // Draws the map and shows the picture, also when the drawing ends early.
    void DrawMap();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createWidgets();
    void setTabOrders();
    void FormCreate();
    void FormActivate();

    void RunCommand(void (TForm1::*handler)());
    void ShowPicture();
    bool Execute(TFileDialog& dialog);
    bool MapInMemory();
    bool AskSaveName(TFileDialog& dialog);
    tavrin::TSheetText SheetText() const;
    bool FocusInMemo() const;
    static std::string LocalPath(const QString& fileName);

    tavrin::TMapState& State;
    IUserDialogs& Dialogs;
    QSettings& Settings;
    tavrin::TMapPicture Picture;

    QAction* A_CreateMap = nullptr;
    QAction* A_Exit = nullptr;
    QAction* A_LoadMap = nullptr;
    QAction* A_SaveMap = nullptr;
    QAction* A_SaveBmp = nullptr;
    QAction* A_ExportPicture = nullptr;
    QAction* A_Print = nullptr;
    QAction* A_PrintPreview = nullptr;
    QMenu* File1 = nullptr;
    QMenu* Map1 = nullptr;

    QPlainTextEdit* Memo1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Image1 = nullptr;
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

    TRxGradientCaption* RxGradientCaption1 = nullptr;

    TFileDialog OpenDialog1;
    TFileDialog SaveDialog1;
    TFileDialog SaveDialog2;
    TFileDialog SaveDialog3;   // Export Picture
    int SaveDialog3Filter = 0; // the format chosen there last
    TSheetPrinting SheetPrinting;
};
