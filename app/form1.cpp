#include "form1.h"

#include "app_version.h"
#include "catalogue.h"
#include "errors.h"
#include "executable_folder.h"
#include "listing.h"
#include "map_texts.h"
#include "map_view.h"
#include "picture_export_dialog.h"
#include "program_end.h"
#include "tile_folder.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <cmath>
#include <exception>
#include <new>

namespace {

constexpr int Panel1Height = 87;
constexpr int Panel2Width = 87;
constexpr int MemoWidth = 129;

// Engine texts are UTF-8 where they hold file paths; a map string read from a
// file may hold any bytes, which are shown one character per byte.
QString EngineText(std::string_view text) {
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return decoded;
}

QAction* MakeAction(QWidget* owner, const char* name, const char* caption, const char* hint,
                    const QKeySequence& shortcut) {
    auto* action = new QAction(QString::fromLatin1(caption), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(QString::fromLatin1(hint));
    action->setStatusTip(QString::fromLatin1(hint));
    action->setShortcut(shortcut);
    owner->addAction(action);
    return action;
}

// A clearing input's value, truncated toward zero; outside 0..6 it is a range
// error (checked before the conversion, so no value can overflow it).
int ClearingValue(double value) {
    const double whole = std::trunc(value);
    if (!(whole >= 0 && whole <= 6))
        throw tavrin::ERangeError();
    return static_cast<int>(whole);
}

template <typename T> T* Named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace

TForm1::TForm1(tavrin::TMapState& state, IUserDialogs& dialogs, QSettings& settings,
               QWidget* parent)
    : QMainWindow(parent), State(state), Dialogs(dialogs), Settings(settings), Store(settings),
      Picture(state), MapSession(state), Recent(settings), Kept(Store), StoredHistory(Store),
      SheetPrinting(settings) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavrin Map Generator Ver %1 by Ostrel")
                       .arg(EngineText(tavrin::AppVersion())));
    Picture.SetTileFolder(tavrin::TileFolderFor(tavrin::ExecutableFolder()));
    State.Messages = this;

    const QString mapFilter = QStringLiteral("map files (*.tvm)|*.tvm|any files (*.*)|*.*");
    OpenDialog1 = {QStringLiteral("Tavrin Map Files"), mapFilter, QStringLiteral("tvm"), false};
    SaveDialog1 = {QStringLiteral("Tavrin Map Files"), mapFilter, QStringLiteral("tvm"), true};
    SaveDialog2 = {QStringLiteral("Tavrin Map Files"),
                   QStringLiteral("bitmap files (*.bmp)|*.bmp|any files (*.*)|*.*"),
                   QStringLiteral("bmp"), true};
    SaveDialog3 = PictureExportDialog();

    createActions();
    createMenus();
    createWidgets();
    createFigureParts();
    setTabOrders();
    nameForScreenReaders();
    connectSession();
    // The maps of the last run wait behind Back; the window starts empty.
    MapSession.RestoreHistory(StoredHistory.Read());
    // A map file dropped on the window is loaded.
    setAcceptDrops(true);
    // The painted title bar: a gradient from the window-text colour to the
    // caption colour, with the window's caption.
    RxGradientCaption1 = Named(new TRxGradientCaption(this), "RxGradientCaption1");
    RxGradientCaption1->setFormCaption(windowTitle());
    move(199, 108);
    resize(810, 583 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    FormCreate();
    RestoreZoom();
}

TForm1::~TForm1() {
    KeepDivider();
    if (State.Messages == this)
        State.Messages = nullptr;
}

void TForm1::createActions() {
    A_CreateMap = MakeAction(this, "A_CreateMap", "Create &Map", "Create random map",
                             QKeySequence(Qt::CTRL | Qt::Key_M));
    A_Exit = MakeAction(this, "A_Exit", "&Exit", "Exit from program",
                        QKeySequence(Qt::ALT | Qt::Key_F4));
    A_LoadMap = MakeAction(this, "A_LoadMap", "&Load Map...", "Load map",
                           QKeySequence(Qt::CTRL | Qt::Key_L));
    A_SaveMap = MakeAction(this, "A_SaveMap", "&Save Map...", "Save map",
                           QKeySequence(Qt::CTRL | Qt::Key_S));
    A_SaveBmp = MakeAction(this, "A_SaveBmp", "Save Map as .&bmp...", "Save Map as .bmp",
                           QKeySequence(Qt::CTRL | Qt::Key_B));
    A_ExportPicture = MakeAction(this, "A_ExportPicture", "E&xport Picture...",
                                 "Export the map picture as PNG, JPEG, SVG or PDF",
                                 QKeySequence(Qt::CTRL | Qt::Key_E));
    A_Print = MakeAction(this, "A_Print", "&Print...", "Print the set-up sheet",
                         QKeySequence(QKeySequence::Print));
    A_PrintPreview = MakeAction(this, "A_PrintPreview", "Print Pre&view...",
                                "Preview the set-up sheet", QKeySequence());

    // The view's zooms and coordinates; they change what is shown, never the map.
    A_ZoomIn = MakeAction(this, "A_ZoomIn", "Zoom &In", "Zoom in", QKeySequence());
    A_ZoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    A_ZoomOut = MakeAction(this, "A_ZoomOut", "Zoom &Out", "Zoom out",
                           QKeySequence(Qt::CTRL | Qt::Key_Minus));
    A_ActualSize = MakeAction(this, "A_ActualSize", "&Actual Size", "Show the map at actual size",
                              QKeySequence(Qt::CTRL | Qt::Key_1));
    A_FitMap = MakeAction(this, "A_FitMap", "&Fit Map", "Fit the whole map into the window",
                          QKeySequence(Qt::CTRL | Qt::Key_0));
    A_ShowCoordinates = MakeAction(this, "A_ShowCoordinates", "Show &Coordinates",
                                   "Show each tile's column and row on the map", QKeySequence());
    A_ShowCoordinates->setCheckable(true);

    Bind(A_CreateMap, &TForm1::A_CreateMapExecute);
    Bind(A_Exit, &TForm1::A_ExitExecute);
    Bind(A_LoadMap, &TForm1::A_LoadMapExecute);
    Bind(A_SaveMap, &TForm1::A_SaveMapExecute);
    Bind(A_SaveBmp, &TForm1::A_SaveBmpExecute);

    A_CopyMapCode = MakeAction(this, "A_CopyMapCode", "&Copy Map Code",
                               "Copy the map's share code to the clipboard",
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    A_CopyClassicMapCode =
        MakeAction(this, "A_CopyClassicMapCode", "Copy C&lassic Map Code",
                   "Copy the 60-character map code to the clipboard", QKeySequence());
    A_ShareMap =
        MakeAction(this, "A_ShareMap", "&Share Map...", "Show the map's code, link and QR code",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    A_KeepMap = MakeAction(this, "A_KeepMap", "&Keep Map...", "Keep the map under a name",
                           QKeySequence(Qt::CTRL | Qt::Key_D));
    A_PasteMapCode =
        MakeAction(this, "A_PasteMapCode", "&Paste Map Code", "Load the map code on the clipboard",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    A_CreateMapFromSeed = MakeAction(this, "A_CreateMapFromSeed", "Create Map from &Seed...",
                                     "Create the first map of a seed",
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    A_Back = MakeAction(this, "A_Back", "&Back", "Show the map before this one",
                        QKeySequence(Qt::ALT | Qt::Key_Left));
    A_Forward = MakeAction(this, "A_Forward", "&Forward", "Show the map after this one",
                           QKeySequence(Qt::ALT | Qt::Key_Right));
    // Back and Forward are enabled while there is a map to step to.
    A_Back->setEnabled(false);
    A_Forward->setEnabled(false);

    Bind(A_CopyMapCode, &TForm1::A_CopyMapCodeExecute);
    Bind(A_PasteMapCode, &TForm1::A_PasteMapCodeExecute);
    Bind(A_CopyClassicMapCode, &TForm1::A_CopyClassicMapCodeExecute);
    Bind(A_ShareMap, &TForm1::A_ShareMapExecute);
    Bind(A_KeepMap, &TForm1::A_KeepMapExecute);
    Bind(A_CreateMapFromSeed, &TForm1::A_CreateMapFromSeedExecute);
    Bind(A_Back, &TForm1::A_BackExecute);
    Bind(A_Forward, &TForm1::A_ForwardExecute);
    Bind(A_ExportPicture, &TForm1::A_ExportPictureExecute);
    Bind(A_Print, &TForm1::A_PrintExecute);
    Bind(A_PrintPreview, &TForm1::A_PrintPreviewExecute);
}

void TForm1::createMenus() {
    File1 = Named(menuBar()->addMenu(QStringLiteral("&File")), "File1");
    File1->addAction(A_LoadMap);
    RecentMaps1 = Named(File1->addMenu(QStringLiteral("&Recent Maps")), "RecentMaps1");
    UpdateRecentMenu();
    File1->addAction(A_SaveMap);
    File1->addAction(A_SaveBmp);
    File1->addAction(A_ExportPicture);
    File1->addSeparator()->setObjectName(QStringLiteral("N2"));
    File1->addAction(A_Print);
    File1->addAction(A_PrintPreview);
    File1->addSeparator()->setObjectName(QStringLiteral("N1"));
    File1->addAction(A_Exit);
    // Alt+E stays the Exit button's access key.
    Edit1 = Named(menuBar()->addMenu(QStringLiteral("E&dit")), "Edit1");
    Edit1->addAction(A_CopyMapCode);
    Edit1->addAction(A_CopyClassicMapCode);
    Edit1->addAction(A_PasteMapCode);
    Edit1->addSeparator();
    Edit1->addAction(A_ShareMap);
    Map1 = Named(menuBar()->addMenu(QStringLiteral("&Map")), "Map1");
    Map1->addAction(A_CreateMap);
    Map1->addAction(A_CreateMapFromSeed);
    Map1->addSeparator();
    Map1->addAction(A_Back);
    Map1->addAction(A_Forward);
    Map1->addSeparator();
    Map1->addAction(A_KeepMap);
    KeptMaps1 = Named(Map1->addMenu(QStringLiteral("Kep&t Maps")), "KeptMaps1");
    RemoveKeptMap1 = Named(Map1->addMenu(QStringLiteral("&Remove Kept Map")), "RemoveKeptMap1");
    UpdateKeptMenu();
    // Another window may have kept or removed maps since.
    connect(Map1, &QMenu::aboutToShow, this, &TForm1::UpdateKeptMenu);
    View1 = Named(menuBar()->addMenu(QStringLiteral("&View")), "View1");
    View1->addAction(A_ZoomIn);
    View1->addAction(A_ZoomOut);
    View1->addAction(A_ActualSize);
    View1->addAction(A_FitMap);
    View1->addSeparator();
    View1->addAction(A_ShowCoordinates);
}

void TForm1::createWidgets() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);

    Splitter1 = Named(new QSplitter(Qt::Horizontal, central), "Splitter1");
    Splitter1->setHandleWidth(3);
    Splitter1->setOpaqueResize(true);
    Splitter1->setChildrenCollapsible(false);
    column->addWidget(Splitter1, 1);

    Memo1 = Named(new QPlainTextEdit(Splitter1), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    ScrollBox1 = new TMapView(Splitter1);
    connectView();

    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({MemoWidth, 678});
    RestoreDivider();

    Panel1 = Named(new QFrame(central), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(Panel1Height);
    Panel1->installEventFilter(this);
    column->addWidget(Panel1);

    btnCreateMap = Named(new QPushButton(A_CreateMap->text(), Panel1), "btnCreateMap");
    btnCreateMap->setGeometry(8, 8, 75, 25);
    btnSaveMap = Named(new QPushButton(A_SaveBmp->text(), Panel1), "btnSaveMap");
    btnSaveMap->setGeometry(88, 8, 121, 25);

    Panel2 = Named(new QFrame(Panel1), "Panel2");
    Panel2->setFrameStyle(QFrame::NoFrame);
    btnExit = Named(new QPushButton(A_Exit->text(), Panel2), "btnExit");
    btnExit->setGeometry(8, 8, 75, 25);

    Label1 = Named(new QLabel(QStringLiteral("From"), Panel1), "Label1");
    Label1->move(16, 44);
    Label2 = Named(new QLabel(QStringLiteral("To"), Panel1), "Label2");
    Label2->move(16, 68);

    cbFromTile = Named(new QComboBox(Panel1), "cbFromTile");
    cbFromTile->setGeometry(48, 40, 145, 21);
    cbToTile = Named(new QComboBox(Panel1), "cbToTile");
    cbToTile->setGeometry(48, 64, 145, 21);
    for (QComboBox* list : {cbFromTile, cbToTile}) {
        list->setEditable(false);
        list->setMaxVisibleItems(tavrin::TileCount);
    }

    edFromClearing = Named(new tavrin::TRxSpinEdit(Panel1), "edFromClearing");
    edFromClearing->setGeometry(200, 40, 41, 21);
    edToClearing = Named(new tavrin::TRxSpinEdit(Panel1), "edToClearing");
    edToClearing->setGeometry(200, 64, 41, 21);
    for (tavrin::TRxSpinEdit* clearing : {edFromClearing, edToClearing}) {
        clearing->setMinValue(1);
        clearing->setMaxValue(6);
        clearing->setValue(1);
        clearing->setMaxLength(1);
    }

    btnFindPath =
        Named(new QPushButton(QStringLiteral("Find shortest path"), Panel1), "btnFindPath");
    btnFindPath->setGeometry(248, 40, 121, 25);
    btnFindPath->setEnabled(false);

    // Buttons bound to an action take its caption and its hint as tooltip.
    const std::pair<QPushButton*, QAction*> bound[] = {
        {btnCreateMap, A_CreateMap}, {btnSaveMap, A_SaveBmp}, {btnExit, A_Exit}};
    for (const auto& [button, action] : bound) {
        button->setToolTip(action->toolTip());
        button->setStatusTip(action->statusTip());
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
    }
    // Alt+M is also the Map menu's; two owners of one key would leave it to
    // neither, so the menu takes it, as menus do. The caption still shows M
    // as its access key.
    btnCreateMap->setShortcut(QKeySequence());
    // The button has no hint; the status bar says what it does.
    btnFindPath->setStatusTip(
        QStringLiteral("Show the shortest road route from the From clearing to the To clearing"));
    Bind(btnFindPath, &TForm1::btnFindPathClick);

    // The status bar tells where the map shown stands in the history and
    // where it came from, names it by its seed when it has one, and shows
    // the zoom in use.
    lblMapPlace = Named(new QLabel(statusBar()), "lblMapPlace");
    statusBar()->addPermanentWidget(lblMapPlace);
    lblSeed = Named(new QLabel(statusBar()), "lblSeed");
    statusBar()->addPermanentWidget(lblSeed);
    lblZoom = Named(new QLabel(statusBar()), "lblZoom");
    statusBar()->addPermanentWidget(lblZoom);
}

void TForm1::setTabOrders() {
    QWidget* const order[] = {Memo1,          ScrollBox1,   btnCreateMap, btnSaveMap, btnExit,
                              edFromClearing, edToClearing, btnFindPath,  cbFromTile, cbToTile};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void TForm1::FormCreate() {
    for (int tile = 1; tile <= tavrin::TileCount; ++tile) {
        const QString token = EngineText(tavrin::TileFileNames[tile]);
        cbFromTile->addItem(token);
        cbToTile->addItem(token);
    }
    cbFromTile->setCurrentIndex(tavrin::StartTile - 1);
    cbToTile->setCurrentIndex(tavrin::StartTile - 1);
}

void TForm1::FormActivate() {
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::ShowMessage(std::string_view text) {
    Dialogs.ShowMessage(this, EngineText(text));
}

void TForm1::Bind(QAction* action, void (TForm1::*handler)()) {
    connect(action, &QAction::triggered, this, [this, handler] { RunCommand(handler); });
}

void TForm1::Bind(QPushButton* button, void (TForm1::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] { RunCommand(handler); });
}

void TForm1::RunCommand(void (TForm1::*handler)()) {
    RunCommand([this, handler] { (this->*handler)(); });
}

void TForm1::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::bad_alloc&) {
        Dialogs.ShowError(this, EngineText(tavrin::ErrorSentence("Out of memory")));
    } catch (const std::exception& error) {
        // The engine's errors (range, overflow), the file layer's (input and
        // output, invalid bitmap) and anything else: shown, never fatal.
        Dialogs.ShowError(this, EngineText(tavrin::ErrorSentence(error.what())));
    }
}

void TForm1::A_CreateMapExecute() {
    MapSession.CreateMap();
}

void TForm1::A_ExitExecute() {
    close();
}

// Closing the main window ends the program, whatever else is open or
// running.
void TForm1::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        EndProgram();
}

void TForm1::btnFindPathClick() {
    // A tile index outside the list (no selection) or a clearing outside
    // 0..6 is a range error.
    const tavrin::TLocation from = tavrin::LocationFrom(cbFromTile->currentIndex() + 1,
                                                        ClearingValue(edFromClearing->value()));
    const tavrin::TLocation to =
        tavrin::LocationFrom(cbToTile->currentIndex() + 1, ClearingValue(edToClearing->value()));
    tavrin::TRoute route{};
    tavrin::FindShortestPath(State, from, to, route);
    // The answer goes on the map before the box opens, so both are seen.
    ScrollBox1->SetRouteMarks(
        tavrin::RouteAnswerMarks(State, ScrollBox1->Places(), from, to, route));
    Dialogs.ShowMessage(this, EngineText(tavrin::RouteAnswer(route)));
}

// The window follows the session: the map is listed and drawn when it
// changes; Back and Forward are enabled while there is a map that way; the
// status bar names the map; the history is written to the settings at every
// change, so that nothing is lost however the program ends.
void TForm1::connectSession() {
    connect(&MapSession, &TMapSession::mapChanged, this, &TForm1::ShowSessionMap);
    connect(&MapSession, &TMapSession::historyChanged, this, [this] {
        A_Back->setEnabled(MapSession.CanGoBack());
        A_Forward->setEnabled(MapSession.CanGoForward());
    });
    connect(&MapSession, &TMapSession::namingChanged, this, [this] {
        lblSeed->setText(MapSession.SeedText());
        lblMapPlace->setText(MapSession.PlaceText());
        SayIfUnsaved(StoredHistory.Follow(MapSession.History().Kept()));
    });
}

// As Create Map ends: the listing, the drawing, then the route query opens
// for the rest of the run. A drawing error is shown as a command's error and
// leaves the query as it was.
// The route search needs the tiles alone, not their picture: the query is
// enabled before the drawing, which may fail on a tile's bitmap.
void TForm1::ShowSessionMap() {
    RunCommand([this] {
        ListTiles();
        btnFindPath->setEnabled(true);
        DrawMap();
    });
}

void TForm1::ListTiles() {
    QStringList lines;
    for (const std::string& line : tavrin::TileListing(State))
        lines << EngineText(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void TForm1::DrawMap() {
    try {
        Picture.DrawMap();
    } catch (...) {
        ShowPicture();
        throw;
    }
    ShowPicture();
}

// Every new map shows from its top-left, without the last route's marks.
void TForm1::ShowPicture() {
    const QImage& image = Picture.Image();
    if (!image.isNull())
        ScrollBox1->SetMap(image, State);
    ShowMapFigures();
}

bool TForm1::FocusInMemo() const {
    const QWidget* focus = focusWidget();
    return focus && (focus == Memo1 || Memo1->isAncestorOf(focus));
}

// Keys that no control took: Enter is the default button's (Create Map) and
// Esc the cancel button's (Exit). Enter on another button presses that
// button; in the memo neither key does anything. An open drop-down list keeps
// Esc to itself, so it never arrives here.
void TForm1::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!plain || (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    if (FocusInMemo())
        return;
    if (key == Qt::Key_Escape) {
        btnExit->click();
        return;
    }
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    (button ? button : btnCreateMap)->click();
}

// FormActivate runs when the window becomes the program's active window: at
// its first showing, and when the focus comes back from another window of
// the program (a message box or dialog that has just closed). The window
// manager also hands the focus back after it has moved or resized the
// window, and the user comes back from other programs; the window was then
// left for no window of the program, and a restored window stays restored.
// (The application's active window is already the new one when the old one
// hears of its deactivation; menus and drop-down lists do not change it.)
void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        FocusWithOwnWindow = QApplication::activeWindow() != nullptr;
        return;
    }
    if (!ShownBefore || FocusWithOwnWindow)
        FormActivate();
    ShownBefore = true;
    FocusWithOwnWindow = false;
}

// Panel2 stays at the right edge of Panel1 at its full height.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::Resize)
        Panel2->setGeometry(Panel1->width() - Panel2Width, 0, Panel2Width, Panel1->height());
    return QMainWindow::eventFilter(watched, event);
}
