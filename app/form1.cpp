#include "form1.h"

#include "acceptance.h"
#include "bmp_file.h"
#include "catalogue.h"
#include "checked.h"
#include "error_text.h"
#include "listing.h"
#include "map_file.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <cmath>
#include <exception>
#include <new>

namespace {

constexpr int Panel1Height = 87;
constexpr int Panel2Width = 87;
constexpr int MemoWidth = 129;
constexpr int InitialPictureSide = 1200;

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
    : QMainWindow(parent), State(state), Dialogs(dialogs), Settings(settings), Picture(state) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavrin Map Generator Ver 1.1 by Ostrel"));
    Picture.SetTileFolder(QCoreApplication::applicationDirPath());
    State.Messages = this;

    const QString mapFilter = QStringLiteral("map files (*.tvm)|*.tvm|any files (*.*)|*.*");
    OpenDialog1 = {QStringLiteral("Tavrin Map Files"), mapFilter, QStringLiteral("tvm"), false};
    SaveDialog1 = {QStringLiteral("Tavrin Map Files"), mapFilter, QStringLiteral("tvm"), true};
    SaveDialog2 = {QStringLiteral("Tavrin Map Files"),
                   QStringLiteral("bitmap files (*.bmp)|*.bmp|any files (*.*)|*.*"),
                   QStringLiteral("bmp"), true};

    createActions();
    createMenus();
    createWidgets();
    setTabOrders();
    // The painted title bar: a gradient from the window-text colour to the
    // caption colour, with the window's caption.
    RxGradientCaption1 = Named(new TRxGradientCaption(this), "RxGradientCaption1");
    RxGradientCaption1->setFormCaption(windowTitle());
    move(199, 108);
    resize(810, 583 + menuBar()->sizeHint().height());
    FormCreate();
}

TForm1::~TForm1() {
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

    connect(A_CreateMap, &QAction::triggered, this,
            [this] { RunCommand(&TForm1::A_CreateMapExecute); });
    connect(A_Exit, &QAction::triggered, this, [this] { RunCommand(&TForm1::A_ExitExecute); });
    connect(A_LoadMap, &QAction::triggered, this,
            [this] { RunCommand(&TForm1::A_LoadMapExecute); });
    connect(A_SaveMap, &QAction::triggered, this,
            [this] { RunCommand(&TForm1::A_SaveMapExecute); });
    connect(A_SaveBmp, &QAction::triggered, this,
            [this] { RunCommand(&TForm1::A_SaveBmpExecute); });
}

void TForm1::createMenus() {
    File1 = Named(menuBar()->addMenu(QStringLiteral("&File")), "File1");
    File1->addAction(A_LoadMap);
    File1->addAction(A_SaveMap);
    File1->addAction(A_SaveBmp);
    File1->addSeparator()->setObjectName(QStringLiteral("N1"));
    File1->addAction(A_Exit);
    Map1 = Named(menuBar()->addMenu(QStringLiteral("&Map")), "Map1");
    Map1->addAction(A_CreateMap);
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

    ScrollBox1 = Named(new QScrollArea(Splitter1), "ScrollBox1");
    ScrollBox1->setFocusPolicy(Qt::StrongFocus);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = Named(new QLabel, "Image1");
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->resize(InitialPictureSide, InitialPictureSide);
    ScrollBox1->setWidget(Image1);

    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({MemoWidth, 678});

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
    connect(btnFindPath, &QPushButton::clicked, this,
            [this] { RunCommand(&TForm1::btnFindPathClick); });
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

void TForm1::RunCommand(void (TForm1::*handler)()) {
    try {
        (this->*handler)();
    } catch (const tavrin::ETavrinError& error) {
        Dialogs.ShowError(this, ErrorBoxText(EngineText(error.what())));
    } catch (const std::bad_alloc&) {
        Dialogs.ShowError(this, ErrorBoxText(QStringLiteral("Out of memory")));
    } catch (const std::exception& error) {
        // Not expected from the engine; shown rather than ending the program.
        Dialogs.ShowError(this, ErrorBoxText(EngineText(error.what())));
    }
}

void TForm1::A_CreateMapExecute() {
    tavrin::CreateMap(State);
    ListTiles();
    DrawMap();
    btnFindPath->setEnabled(true);
}

void TForm1::A_ExitExecute() {
    close();
}

// Reads the first line of the chosen file into the tiles, then lists and draws
// them. A line of the wrong length has its message shown and ends the load
// there: nothing is listed or drawn and MapPresent keeps its value, so Save
// Map can never write a map that was not made or read. A bad rotation raises
// before any tile is written.
void TForm1::A_LoadMapExecute() {
    if (!Execute(OpenDialog1))
        return;
    if (!tavrin::LoadMapFile(State, LocalPath(OpenDialog1.FileName)))
        return;
    ListTiles();
    DrawMap();
}

// Both saves need a drawn map; without one they say so and open no dialog.
bool TForm1::AskSaveName(TFileDialog& dialog) {
    if (!State.MapPresent) {
        Dialogs.ShowMessage(this, QString::fromLatin1(NoMapText));
        return false;
    }
    return Execute(dialog);
}

void TForm1::A_SaveMapExecute() {
    if (AskSaveName(SaveDialog1))
        tavrin::SaveMapFile(State, LocalPath(SaveDialog1.FileName));
}

void TForm1::A_SaveBmpExecute() {
    if (AskSaveName(SaveDialog2))
        tavrin::SaveBmpFile(SaveDialog2.FileName, Picture.Image());
}

void TForm1::btnFindPathClick() {
    // A tile index outside the list (no selection) or a clearing outside
    // 0..6 is a range error.
    const tavrin::TLocation from = tavrin::LocationFrom(cbFromTile->currentIndex() + 1,
                                                        ClearingValue(edFromClearing->value()));
    const tavrin::TLocation to =
        tavrin::LocationFrom(cbToTile->currentIndex() + 1, ClearingValue(edToClearing->value()));
    Dialogs.ShowMessage(this, EngineText(tavrin::RouteQuery(State, from, to)));
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

void TForm1::ShowPicture() {
    const QImage& image = Picture.Image();
    if (image.isNull())
        return;
    Image1->setPixmap(QPixmap::fromImage(image));
    Image1->resize(image.size());
}

bool TForm1::Execute(TFileDialog& dialog) {
    const QString name =
        dialog.Save ? Dialogs.GetSaveFileName(this, dialog) : Dialogs.GetOpenFileName(this, dialog);
    if (name.isEmpty())
        return false;
    dialog.FileName = name;
    return true;
}

std::string TForm1::LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
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

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

// Panel2 stays at the right edge of Panel1 at its full height.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::Resize)
        Panel2->setGeometry(Panel1->width() - Panel2Width, 0, Panel2Width, Panel1->height());
    return QMainWindow::eventFilter(watched, event);
}
