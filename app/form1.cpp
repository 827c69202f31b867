#include "form1.h"

#include "app_version.h"
#include "catalogue.h"
#include "default_buttons.h"
#include "executable_folder.h"
#include "figures_part.h"
#include "history_store.h"
#include "listing.h"
#include "map_commands.h"
#include "map_editor_part.h"
#include "map_file_commands.h"
#include "map_view.h"
#include "picture_commands.h"
#include "program_end.h"
#include "route_query.h"
#include "rx_gradient_caption.h"
#include "tile_folder.h"
#include "view_part.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int Panel1Height = 87;
constexpr int Panel2Width = 87;
constexpr int MemoWidth = 129;

// A menu of the menu bar with its items; null stands for a separator.
QMenu* AddMenu(QMenuBar* bar, const QString& title, const char* name,
               std::initializer_list<QAction*> items) {
    QMenu* menu = Named(bar->addMenu(title), name);
    for (QAction* item : items) {
        if (item)
            menu->addAction(item);
        else
            menu->addSeparator();
    }
    return menu;
}

} // namespace

TForm1::TForm1(tavrin::TMapState& state, IUserDialogs& dialogs, QSettings& settings,
               QWidget* parent)
    : QMainWindow(parent), State(state), Settings(settings), Store(settings), StoredHistory(Store),
      Picture(state),
      MapSession(state), Context{*this, state, MapSession, Picture, dialogs, settings, Store},
      FileCommands(std::make_unique<TMapFileCommands>(Context)),
      MapCommands(std::make_unique<TMapCommands>(Context, *FileCommands)),
      PictureCommands(std::make_unique<TPictureCommands>(Context)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(
        tr("Tavrin Map Generator Ver %1 by Ostrel").arg(EngineText(tavrin::AppVersion())));
    Picture.SetTileFolder(tavrin::TileFolderFor(tavrin::ExecutableFolder()));
    State.Messages = this;

    createActions();
    createWidgets();
    createMenus();
    setTabOrders();
    nameForScreenReaders();
    connectSession();
    // The maps of the last run wait behind Back; the window starts empty.
    MapSession.RestoreHistory(StoredHistory.Read());
    // The painted title bar: a gradient from the window-text colour to the
    // caption colour, with the window's caption.
    Named(new TRxGradientCaption(this), "RxGradientCaption1")->setFormCaption(windowTitle());
    move(199, 108);
    resize(810, 583 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    ViewPart->RestoreZoom();
}

TForm1::~TForm1() {
    ViewPart->KeepDivider();
    // The editor goes before the context and the session it works through.
    delete EditorPart;
    if (State.Messages == this)
        State.Messages = nullptr;
}

void TForm1::createActions() {
    constexpr auto Ctrl = Qt::CTRL;
    constexpr auto CtrlShift = Qt::CTRL | Qt::SHIFT;
    const struct {
        QAction*& Action;
        const char *Name, *Caption;
        QKeySequence Key;
        const char* Hint;
    } actions[] = {
        // clang-format off
        {A_CreateMap,          "A_CreateMap",          QT_TR_NOOP("Create &Map"),              Ctrl | Qt::Key_M,        QT_TR_NOOP("Create random map")},
        {A_Exit,               "A_Exit",               QT_TR_NOOP("&Exit"),                    Qt::ALT | Qt::Key_F4,    QT_TR_NOOP("Exit from program")},
        {A_LoadMap,            "A_LoadMap",            QT_TR_NOOP("&Load Map..."),             Ctrl | Qt::Key_L,        QT_TR_NOOP("Load map")},
        {A_SaveMap,            "A_SaveMap",            QT_TR_NOOP("&Save Map..."),             Ctrl | Qt::Key_S,        QT_TR_NOOP("Save map")},
        {A_SaveBmp,            "A_SaveBmp",            QT_TR_NOOP("Save Map as .&bmp..."),     Ctrl | Qt::Key_B,        QT_TR_NOOP("Save Map as .bmp")},
        {A_ExportPicture,      "A_ExportPicture",      QT_TR_NOOP("E&xport Picture..."),       Ctrl | Qt::Key_E,        QT_TR_NOOP("Export the map picture as PNG, JPEG, SVG or PDF")},
        {A_Print,              "A_Print",              QT_TR_NOOP("&Print..."),                QKeySequence::Print,     QT_TR_NOOP("Print the set-up sheet")},
        {A_PrintPreview,       "A_PrintPreview",       QT_TR_NOOP("Print Pre&view..."),        {},                      QT_TR_NOOP("Preview the set-up sheet")},
        // The view's zooms and marks; they change what is shown, never the map.
        {A_ZoomIn,             "A_ZoomIn",             QT_TR_NOOP("Zoom &In"),                 {},                      QT_TR_NOOP("Zoom in")},
        {A_ZoomOut,            "A_ZoomOut",            QT_TR_NOOP("Zoom &Out"),                Ctrl | Qt::Key_Minus,    QT_TR_NOOP("Zoom out")},
        {A_ActualSize,         "A_ActualSize",         QT_TR_NOOP("&Actual Size"),             Ctrl | Qt::Key_1,        QT_TR_NOOP("Show the map at actual size")},
        {A_FitMap,             "A_FitMap",             QT_TR_NOOP("&Fit Map"),                 Ctrl | Qt::Key_0,        QT_TR_NOOP("Fit the whole map into the window")},
        {A_ShowCoordinates,    "A_ShowCoordinates",    QT_TR_NOOP("Show &Coordinates"),        {},                      QT_TR_NOOP("Show each tile's column and row on the map")},
        {A_ShowCutOff,         "A_ShowCutOff",         QT_TR_NOOP("Show Cut-off C&learings"),  {},                      QT_TR_NOOP("Mark the clearings no road joins to the start")},
        {A_CopyMapCode,        "A_CopyMapCode",        QT_TR_NOOP("&Copy Map Code"),           CtrlShift | Qt::Key_C,   QT_TR_NOOP("Copy the map's share code to the clipboard")},
        {A_CopyClassicMapCode, "A_CopyClassicMapCode", QT_TR_NOOP("Copy C&lassic Map Code"),   {},                      QT_TR_NOOP("Copy the 60-character map code to the clipboard")},
        {A_ShareMap,           "A_ShareMap",           QT_TR_NOOP("&Share Map..."),            CtrlShift | Qt::Key_S,   QT_TR_NOOP("Show the map's code, link and QR code")},
        {A_KeepMap,            "A_KeepMap",            QT_TR_NOOP("&Keep Map..."),             Ctrl | Qt::Key_D,        QT_TR_NOOP("Keep the map under a name")},
        {A_PasteMapCode,       "A_PasteMapCode",       QT_TR_NOOP("&Paste Map Code"),          CtrlShift | Qt::Key_V,   QT_TR_NOOP("Load the map code on the clipboard")},
        {A_CreateMapUntil,     "A_CreateMapUntil",     QT_TR_NOOP("Create Map &Until..."),     Ctrl | Qt::Key_U,        QT_TR_NOOP("Create maps until one meets your criteria")},
        {A_CreateMapFromSeed,  "A_CreateMapFromSeed",  QT_TR_NOOP("Create Map from &Seed..."), CtrlShift | Qt::Key_M,   QT_TR_NOOP("Create the first map of a seed")},
        {A_Back,               "A_Back",               QT_TR_NOOP("&Back"),                    Qt::ALT | Qt::Key_Left,  QT_TR_NOOP("Show the map before this one")},
        {A_Forward,            "A_Forward",            QT_TR_NOOP("&Forward"),                 Qt::ALT | Qt::Key_Right, QT_TR_NOOP("Show the map after this one")},
        // clang-format on
    };
    for (const auto& [action, name, caption, key, hint] : actions) {
        action = new QAction(tr(caption), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(tr(hint));
        action->setStatusTip(tr(hint));
        action->setShortcut(key);
        addAction(action);
    }
    A_ZoomIn->setShortcuts({QKeySequence(Ctrl | Qt::Key_Plus), QKeySequence(Ctrl | Qt::Key_Equal)});
    A_ShowCoordinates->setCheckable(true);
    A_ShowCutOff->setCheckable(true);
    // Back and Forward are enabled while there is a map to step to.
    A_Back->setEnabled(false);
    A_Forward->setEnabled(false);

    Context.Bind(A_CreateMap, [this] { MapSession.CreateMap(); });
    Context.Bind(A_Exit, [this] { close(); });
    TMapFileCommands& files = *FileCommands;
    Context.Bind(A_LoadMap, [&files] { files.LoadMap(); });
    Context.Bind(A_SaveMap, [&files] { files.SaveMap(); });
    Context.Bind(A_SaveBmp, [&files] { files.SaveBmp(); });
    TPictureCommands& picture = *PictureCommands;
    Context.Bind(A_ExportPicture, [&picture] { picture.ExportPicture(); });
    Context.Bind(A_Print, [&picture] { picture.Print(); });
    Context.Bind(A_PrintPreview, [&picture] { picture.PrintPreview(); });
    TMapCommands& maps = *MapCommands;
    Context.Bind(A_CopyMapCode, [&maps] { maps.CopyMapCode(); });
    Context.Bind(A_PasteMapCode, [&maps] { maps.PasteMapCode(); });
    Context.Bind(A_CopyClassicMapCode, [&maps] { maps.CopyClassicMapCode(); });
    Context.Bind(A_ShareMap, [&maps] { maps.ShareMap(); });
    Context.Bind(A_KeepMap, [&maps] { maps.KeepMap(); });
    Context.Bind(A_CreateMapFromSeed, [&maps] { maps.CreateMapFromSeed(); });
    Context.Bind(A_Back, [&maps] { maps.Back(); });
    Context.Bind(A_Forward, [&maps] { maps.Forward(); });
    Context.Bind(A_CreateMapUntil, [this] { Figures->CreateMapUntil(); });
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

    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({MemoWidth, 678});

    // While a map is edited, a line under it names what is wrong with it.
    EditorPart = new TMapEditorPart(*ScrollBox1, Context,
                                    {A_CreateMap, A_LoadMap, A_PasteMapCode, A_CreateMapFromSeed,
                                     A_CreateMapUntil, FileCommands->RecentMenu()->menuAction(),
                                     MapCommands->KeptMenu()->menuAction()},
                                    {A_Back, A_Forward});
    column->addWidget(EditorPart->FindingLine());

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

    RouteQuery = new TRouteQuery(Panel1, *ScrollBox1, Context);

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
    // Enter that no control took presses Create Map, Esc presses Exit; the
    // listing keeps both keys.
    new TDefaultButtons(this, btnCreateMap, btnExit, Memo1);
    // The fixed widths suit the English captions; a translated caption that
    // needs more room widens its button, and Save Map moves along. English
    // keeps its geometry to the pixel.
    if (tr("&File") != QLatin1String("&File")) {
        for (QPushButton* button : {btnCreateMap, btnSaveMap}) {
            if (button == btnSaveMap)
                button->move(std::max(button->x(), btnCreateMap->geometry().right() + 6),
                             button->y());
            button->resize(std::max(button->width(), button->sizeHint().width()),
                           button->height());
        }
    }

    // The status bar shows the key figures, tells where the map shown stands
    // in the history and where it came from, names it by its seed when it
    // has one, and shows the zoom in use.
    Figures = new TFiguresPart(*this, *ScrollBox1, A_ShowCutOff, Context);
    for (auto [label, name] : {std::pair{&lblMapPlace, "lblMapPlace"},
                               std::pair{&lblSeed, "lblSeed"}, std::pair{&lblZoom, "lblZoom"}})
        statusBar()->addPermanentWidget(*label = Named(new QLabel(statusBar()), name));
    ViewPart =
        new TViewPart(*ScrollBox1, *Splitter1, lblZoom,
                      {A_ZoomIn, A_ZoomOut, A_ActualSize, A_FitMap, A_ShowCoordinates}, Settings);
}

void TForm1::createMenus() {
    QMenu* file =
        AddMenu(menuBar(), tr("&File"), "File1",
                {A_LoadMap, FileCommands->RecentMenu()->menuAction(), A_SaveMap, A_SaveBmp,
                 A_ExportPicture, nullptr, A_Print, A_PrintPreview, nullptr, A_Exit});
    file->actions()[5]->setObjectName(QStringLiteral("N2"));
    file->actions()[8]->setObjectName(QStringLiteral("N1"));
    connect(file, &QMenu::aboutToShow, EditorPart, &TMapEditorPart::KeepWaiting);
    // Alt+E stays the Exit button's access key.
    AddMenu(menuBar(), tr("E&dit"), "Edit1",
            {EditorPart->UndoAction(), EditorPart->RedoAction(), nullptr, A_CopyMapCode,
             A_CopyClassicMapCode, A_PasteMapCode, nullptr, A_ShareMap});
    QMenu* map =
        AddMenu(menuBar(), tr("&Map"), "Map1",
                {A_CreateMap, A_CreateMapUntil, A_CreateMapFromSeed, nullptr, A_Back, A_Forward,
                 nullptr, A_KeepMap, MapCommands->KeptMenu()->menuAction(),
                 MapCommands->RemoveKeptMenu()->menuAction(), nullptr, EditorPart->EditMapAction(),
                 EditorPart->CompleteMapAction(), EditorPart->RerollAction()});
    // Another window may have kept or removed maps since.
    connect(map, &QMenu::aboutToShow, MapCommands.get(), &TMapCommands::UpdateKeptMenu);
    connect(map, &QMenu::aboutToShow, EditorPart, &TMapEditorPart::KeepWaiting);
    AddMenu(menuBar(), tr("&View"), "View1",
            {A_ZoomIn, A_ZoomOut, A_ActualSize, A_FitMap, nullptr, A_ShowCoordinates, A_ShowCutOff,
             nullptr, ViewPart->ColoursMenu()->menuAction(), ViewPart->TileBitmapsAction(), nullptr,
             Figures->DockAction()});
}

void TForm1::setTabOrders() {
    const auto query = RouteQuery->TabChain();
    QWidget* const order[] = {Memo1,    ScrollBox1, btnCreateMap, btnSaveMap, btnExit,
                              query[0], query[1],   query[2],     query[3],   query[4]};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

// The names a screen reader gives the controls without a caption; buttons
// and menu items are read by their captions.
void TForm1::nameForScreenReaders() {
    const std::pair<QWidget*, const char*> names[] = {{Memo1, QT_TR_NOOP("Tile listing")},
                                                      {ScrollBox1, QT_TR_NOOP("Map")},
                                                      {lblSeed, QT_TR_NOOP("Map seed")},
                                                      {lblZoom, QT_TR_NOOP("Zoom")}};
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(tr(name));
    Memo1->setAccessibleDescription(tr("Each tile's name, column, row and rotation on the map"));
}

// The window follows the session: the map is listed and drawn when it
// changes; Back and Forward are enabled while there is a map that way, and
// the empty view offers Back; the status bar names the map; the history is
// written to the settings at every change, so that nothing is lost however
// the program ends.
void TForm1::connectSession() {
    connect(&MapSession, &TMapSession::mapChanged, this, &TForm1::ShowSessionMap);
    connect(&MapSession, &TMapSession::historyChanged, this, [this] {
        A_Back->setEnabled(MapSession.CanGoBack());
        A_Forward->setEnabled(MapSession.CanGoForward());
        ScrollBox1->SetBackOffered(MapSession.CanGoBack());
    });
    connect(&MapSession, &TMapSession::namingChanged, this, [this] {
        lblSeed->setText(MapSession.SeedText());
        lblMapPlace->setText(MapSession.PlaceText());
        Context.SayIfUnsaved(StoredHistory.Follow(MapSession.History().Kept()));
    });
}

void TForm1::SetSearchLimit(std::int64_t limit) {
    Figures->SetSearchLimit(limit);
}

void TForm1::OpenStartArgument(const QString& argument, const std::string& bytes) {
    MapCommands->OpenStartArgument(argument, bytes);
}

void TForm1::ShowMessage(std::string_view text) {
    Context.Dialogs.ShowMessage(this, CoreText(text));
}

// As Create Map ends: the listing, the drawing, then the route query opens
// for the rest of the run. A drawing error is shown as a command's error and
// leaves the query as it was.
// The route search needs the tiles alone, not their picture: the query is
// enabled before the drawing, which may fail on a tile's bitmap.
void TForm1::ShowSessionMap() {
    Context.Run([this] {
        ListTiles();
        RouteQuery->MapShown();
        DrawMap();
    });
}

// Replaces the memo's lines with the 20 lines of the tile listing.
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
    Figures->ShowFigures();
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

void TForm1::FormActivate() {
    setWindowState(windowState() | Qt::WindowMaximized);
}

// Closing the main window ends the program, whatever else is open or
// running.
void TForm1::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        EndProgram();
}

// Panel2 stays at the right edge of Panel1 at its full height.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::Resize)
        Panel2->setGeometry(Panel1->width() - Panel2Width, 0, Panel2Width, Panel1->height());
    return QMainWindow::eventFilter(watched, event);
}
