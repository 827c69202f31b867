// The main window: its state at start, the commands through their shortcuts,
// buttons and the Enter and Esc keys, the route query, and the boxes that
// report messages and errors.

#include "app_version.h"
#include "form_test.h"
#include "map_file.h"
#include "map_string.h"
#include "map_view.h"
#include "qt_user_dialogs.h"
#include "rx_spin_edit.h"
#include "test_bitmaps.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

class TestForm1 : public TFormTest {
    Q_OBJECT

private slots:
    void init() { StartForm(); }
    void cleanup() { StopForm(); }

    void startUpState() {
        QCOMPARE(Form->windowTitle(), QStringLiteral("Tavrin Map Generator Ver %1 by Ostrel")
                                          .arg(QString::fromUtf8(tavrin::AppVersion())));
        for (const char* name : {"cbFromTile", "cbToTile"}) {
            auto* list = Child<QComboBox>(name);
            QCOMPARE(list->count(), 20);
            QCOMPARE(list->itemText(0), QStringLiteral("AshenHollow"));
            QCOMPARE(list->currentText(), QStringLiteral("MarchLand"));
        }
        for (const char* name : {"edFromClearing", "edToClearing"}) {
            auto* clearing = Child<tavrin::TRxSpinEdit>(name);
            QCOMPARE(clearing->text(), QStringLiteral("1"));
            QCOMPARE(clearing->minValue(), 1.0);
            QCOMPARE(clearing->maxValue(), 6.0);
            QCOMPARE(clearing->maxLength(), 1);
        }
        QVERIFY(!Child<QPushButton>("btnFindPath")->isEnabled());
        QVERIFY(Memo().isEmpty());
        QVERIFY(Child<TMapView>("ScrollBox1")->Picture().isNull());
        QVERIFY(!State->MapPresent);
        QVERIFY(Form->isMaximized());
    }

    // Alt+M is the Map menu's: the Create Map button shows M but leaves the
    // key to the menu.
    void altMOpensTheMapMenu() {
        QTest::keyClick(Form.get(), Qt::Key_M, Qt::AltModifier);
        auto* menu = Child<QMenu>("Map1");
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        QVERIFY(!State->MapPresent);
    }

    // Every command says in the status bar what it does; every control
    // without a caption has a name that screen readers read.
    void commandsAndControlsDescribeThemselves() {
        for (QAction* action : Form->findChildren<QAction*>()) {
            if (!action->isSeparator() && !action->menu() && !action->text().isEmpty())
                QVERIFY2(!action->statusTip().isEmpty(), qPrintable(action->objectName()));
        }
        for (QPushButton* button : Form->findChildren<QPushButton*>())
            QVERIFY2(!button->statusTip().isEmpty(), qPrintable(button->objectName()));
        for (const char* name :
             {"Memo1", "ScrollBox1", "cbFromTile", "cbToTile", "edFromClearing", "edToClearing"})
            QVERIFY2(!Child<QWidget>(name)->accessibleName().isEmpty(), name);
    }

    // The divider between the listing and the map is where the last run left it.
    void dividerRemembered() {
        auto* splitter = Child<QSplitter>("Splitter1");
        QCOMPARE(splitter->sizes().front(), 129);
        splitter->setSizes({250, splitter->width() - 250});
        QCOMPARE(splitter->sizes().front(), 250);
        Form.reset();
        TForm1 next(*State, *Dialogs, *Settings);
        next.show();
        QVERIFY(QTest::qWaitForWindowExposed(&next));
        QCOMPARE(next.findChild<QSplitter*>("Splitter1")->sizes().front(), 250);
    }

    void createMapListsAndDraws() {
        Ctrl(Qt::Key_M);
        const QStringList lines = Memo().split('\n');
        QCOMPARE(lines.size(), 20);
        QVERIFY(lines[10].startsWith(QStringLiteral("March Land: 0/0/")));
        QVERIFY(Child<QPushButton>("btnFindPath")->isEnabled());
        QVERIFY(State->MapPresent);
        // No bitmaps: one message per tile, in tile order, and the drawing goes on.
        QCOMPARE(Dialogs->Messages.size(), 20);
        QCOMPARE(Dialogs->Messages[0].left(16), QStringLiteral("File not found: "));
        QVERIFY(Dialogs->Messages[0].endsWith(QStringLiteral("/AshenHollow") +
                                              QString::number(State->Tiles[1].Rotation) + ".bmp"));
        QCOMPARE(Child<TMapView>("ScrollBox1")->Picture().size(), Form->MapImage().size());
        QVERIFY(Dialogs->Errors.isEmpty());
    }

    // The clearings are set as the fields' text: a lone minus reads as 1.
    void routeQuery_data() {
        QTest::addColumn<int>("fromTile");
        QTest::addColumn<QString>("fromClearing");
        QTest::addColumn<int>("toTile");
        QTest::addColumn<QString>("toClearing");
        QTest::addColumn<QString>("answer");
        QTest::newRow("as at start") << 11 << "1" << 11 << "1"
                                     << "MarchLand 1\r\n";
        QTest::newRow("within tile 11") << 11 << "1" << 11 << "6"
                                        << "MarchLand 1\r\nMarchLand 6\r\n";
        QTest::newRow("lone minus is 1") << 11 << "1" << 11 << "-"
                                         << "MarchLand 1\r\n";
        QTest::newRow("missing clearing to itself") << 1 << "3" << 1 << "3"
                                                    << "Clearings not connected!";
        QTest::newRow("missing clearing") << 1 << "3" << 11 << "1"
                                          << "Clearings not connected!";
    }
    void routeQuery() {
        QFETCH(int, fromTile);
        QFETCH(QString, fromClearing);
        QFETCH(int, toTile);
        QFETCH(QString, toClearing);
        QFETCH(QString, answer);
        CreateMap();
        Child<QComboBox>("cbFromTile")->setCurrentIndex(fromTile - 1);
        Child<tavrin::TRxSpinEdit>("edFromClearing")->setText(fromClearing);
        Child<QComboBox>("cbToTile")->setCurrentIndex(toTile - 1);
        Child<tavrin::TRxSpinEdit>("edToClearing")->setText(toClearing);
        QTest::mouseClick(Child<QPushButton>("btnFindPath"), Qt::LeftButton);
        QCOMPARE(Dialogs->Messages, QStringList{answer});
    }

    // No selection is a range error: the error box, and the window goes on.
    void routeQueryWithoutSelection() {
        CreateMap();
        Child<QComboBox>("cbToTile")->setCurrentIndex(-1);
        QTest::mouseClick(Child<QPushButton>("btnFindPath"), Qt::LeftButton);
        QCOMPARE(Dialogs->Errors, QStringList{"Range check error."});
        QVERIFY(Dialogs->Messages.isEmpty());
        QVERIFY(Form->isVisible());
    }

    // Every command that passes the map on needs one: it says so, opens no
    // dialog and leaves the clipboard alone.
    void commandsBeforeAnyMap_data() {
        QTest::addColumn<QString>("keys"); // empty: Print Preview, from its menu item
        QTest::newRow("Ctrl+B") << "Ctrl+B";
        QTest::newRow("Ctrl+S") << "Ctrl+S";
        QTest::newRow("copy map code") << "Ctrl+Shift+C";
        QTest::newRow("export picture") << "Ctrl+E";
        QTest::newRow("print") << "Ctrl+P";
        QTest::newRow("print preview") << "";
    }
    void commandsBeforeAnyMap() {
        QFETCH(QString, keys);
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        if (keys.isEmpty())
            Child<QAction>("A_PrintPreview")->trigger();
        else
            QTest::keySequence(Form.get(), QKeySequence(keys));
        QCOMPARE(Dialogs->Messages, QStringList{NoMapText});
        QVERIFY(Dialogs->FileDialogs.isEmpty());
        QCOMPARE(Dialogs->PrintDialogs + Dialogs->Previews, 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void savePicture() {
        QVERIFY(
            WriteTile(TileDir->filePath("MarchLand1.bmp"), TileImage(30, 30, Qt::red, Qt::blue)));
        CreateMap();
        Dialogs->Answer = TileDir->filePath("map.bmp");
        QTest::mouseClick(Child<QPushButton>("btnSaveMap"), Qt::LeftButton);
        QCOMPARE(Dialogs->FileDialogs.size(), 1);
        const TFileDialog& dialog = Dialogs->FileDialogs[0];
        QCOMPARE(dialog.Title, QStringLiteral("Tavrin Map Files"));
        QCOMPARE(dialog.Filter, QStringLiteral("bitmap files (*.bmp)|*.bmp|any files (*.*)|*.*"));
        QCOMPARE(dialog.DefaultExt, QStringLiteral("bmp"));
        QVERIFY(dialog.Save);
        QCOMPARE(QImage(Dialogs->Answer, "BMP").convertToFormat(QImage::Format_RGB32),
                 Form->MapImage());

        // The dialog offers the last name; cancelling writes nothing.
        QVERIFY(QFile::remove(Dialogs->Answer));
        Dialogs->Answer.clear();
        Ctrl(Qt::Key_B);
        QCOMPARE(Dialogs->FileDialogs[1].FileName, TileDir->filePath("map.bmp"));
        QVERIFY(!QFile::exists(TileDir->filePath("map.bmp")));

        Dialogs->Answer = QStringLiteral("/no/such/folder/map.bmp");
        Ctrl(Qt::Key_B);
        QCOMPARE(Dialogs->Errors, QStringList{"File not found."});
    }

    // The map is in memory though its picture failed: the route query, which
    // needs no picture, is open for it.
    void invalidBitmapEndsCreateMap() {
        for (int rotation = 1; rotation <= 6; ++rotation) {
            QFile file(TileDir->filePath("AshenHollow" + QString::number(rotation) + ".bmp"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("BM but nothing else");
        }
        Ctrl(Qt::Key_M);
        QCOMPARE(Dialogs->Errors, QStringList{"Bitmap image is not valid."});
        QVERIFY(Dialogs->Messages.isEmpty());
        QVERIFY(State->MapPresent);
        QVERIFY(Child<QPushButton>("btnFindPath")->isEnabled());
        QVERIFY(!Child<TMapView>("ScrollBox1")->Picture().isNull());
    }

    // Esc and Alt+F4 close the window, Enter runs Create Map; a focused
    // button takes Enter itself, and the memo keeps both keys.
    void keys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("creates");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* focus, const char* keys, bool closes,
                            bool creates, const char* message = "") {
            QTest::newRow(name) << focus << keys << closes << creates << message;
        };
        row("Alt+F4", "cbFromTile", "Alt+F4", true, false);
        row("Esc", "cbFromTile", "Esc", true, false);
        row("Esc in a clearing", "edToClearing", "Esc", true, false);
        row("Esc on a button", "btnCreateMap", "Esc", true, false);
        row("Esc in the memo", "Memo1", "Esc", false, false);
        row("Enter in a tile list", "cbFromTile", "Return", false, true);
        row("Enter in a clearing", "edFromClearing", "Return", false, true);
        row("Enter on Create Map", "btnCreateMap", "Return", false, true);
        row("Enter on Save picture", "btnSaveMap", "Return", false, false,
            "There is no map in memory");
        row("Enter in the memo", "Memo1", "Return", false, false);
    }
    void keys() {
        QFETCH(QString, focus);
        QFETCH(QString, keys);
        QFETCH(bool, closes);
        QFETCH(bool, creates);
        QFETCH(QString, message);
        auto* target = Child<QWidget>(focus.toLatin1().constData());
        target->setFocus();
        const QKeyCombination key = QKeySequence::fromString(keys)[0];
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QCOMPARE(Form->isVisible(), !closes);
        QCOMPARE(State->MapPresent, creates);
        if (creates)
            QCOMPARE(Dialogs->Messages.size(), 20); // one "File not found: " per tile
        else
            QCOMPARE(Dialogs->Messages, message.isEmpty() ? QStringList() : QStringList{message});
    }

    // A saved map file is the map string and CR LF, and loads back into a new
    // run as the same tiles and the same picture.
    void saveMapThenLoadInANewRun() {
        const auto writeTiles = [this] {
            for (int r = 1; r <= 6; ++r)
                QVERIFY(WriteTile(TileDir->filePath("MarchLand" + QString::number(r) + ".bmp"),
                                  TileImage(30, 30 + r, Qt::red, Qt::blue)));
        };
        writeTiles();
        CreateMap();
        QTemporaryDir mapDir;
        const QString path = mapDir.filePath("map.tvm");
        Dialogs->Answer = path;
        Ctrl(Qt::Key_S);
        QCOMPARE(Dialogs->FileDialogs.size(), 1);
        QCOMPARE(Dialogs->FileDialogs[0].Filter,
                 QStringLiteral("map files (*.tvm)|*.tvm|any files (*.*)|*.*"));
        QCOMPARE(Dialogs->FileDialogs[0].DefaultExt, QStringLiteral("tvm"));
        QVERIFY(Dialogs->FileDialogs[0].Save);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.toStdString(), tavrin::MakeMapString(*State) + "\r\n");
        const QImage picture = Form->MapImage();
        const QString listing = Memo();

        cleanup();
        init();
        writeTiles();
        Dialogs->Answer = path;
        Ctrl(Qt::Key_L);
        QCOMPARE(Dialogs->FileDialogs.size(), 1);
        QVERIFY(!Dialogs->FileDialogs[0].Save);
        QCOMPARE(Memo(), listing);
        QVERIFY(Dialogs->Errors.isEmpty());
        QVERIFY(State->MapPresent);
        // A loaded map can be queried, also right after start.
        QVERIFY(Child<QPushButton>("btnFindPath")->isEnabled());
        QVERIFY(Form->MapImage() == picture);
    }

    // A line of the wrong length is reported and the load ends there: no
    // listing, no drawing, MapPresent unchanged.
    void loadMapOfTheWrongLength() {
        LoadMapFile("ddgdd\r\nsecond line");
        QCOMPARE(Dialogs->Messages, QStringList{"Internal Error: mapstring not valid=ddgdd"});
        QVERIFY(!State->MapPresent);
        QVERIFY(Memo().isEmpty());
        QVERIFY(Form->MapImage().isNull());
    }

    // A bad rotation character is a range error that changes no tile and
    // keeps the picture on screen.
    void loadMapWithABadRotation() {
        CreateMap();
        const std::string before = tavrin::MakeMapString(*State);
        const QImage picture = Form->MapImage();
        const QString listing = Memo();
        QByteArray text(60, 'd');
        for (int t = 1; t <= 20; ++t)
            text[3 * t - 1] = 'e';
        text[14] = static_cast<char>(107);
        LoadMapFile(text);
        QCOMPARE(Dialogs->Errors, QStringList{"Range check error."});
        QCOMPARE(tavrin::MakeMapString(*State), before);
        QVERIFY(Form->MapImage() == picture);
        QCOMPARE(Memo(), listing);
    }

    // A map away from the origin is drawn where the string puts it.
    void loadMapAwayFromTheOrigin() {
        QVERIFY(
            WriteTile(TileDir->filePath("AshenHollow1.bmp"), TileImage(10, 10, Qt::red, Qt::blue)));
        QByteArray text;
        for (int t = 1; t <= 20; ++t) {
            text += static_cast<char>(100 + 2 + (t == 1 ? 1 : 0)); // columns 2 and 3
            text += static_cast<char>(100 + t);                    // rows 1..20
            text += 'e';
        }
        LoadMapFile(text);
        QVERIFY(Dialogs->Errors.isEmpty());
        QCOMPARE(Memo().split('\n')[0], QStringLiteral("Ashen Hollow: 3/1/1"));
        // Column 3 is odd: x = 450, y = 175 + 88.
        QCOMPARE(Form->MapImage().pixelColor(455, 268), QColor(Qt::red));
        QCOMPARE(State->OffsetX, 0);
    }

    void loadOrSaveErrorsShowTheirText() {
        Dialogs->Answer = TileDir->filePath("missing.tvm");
        Ctrl(Qt::Key_L);
        QCOMPARE(Dialogs->Errors, QStringList{"File not found."});
        CreateMap();
        Dialogs->Errors.clear();
        Dialogs->Answer = QStringLiteral("/dev/full");
        Ctrl(Qt::Key_S);
        QCOMPARE(Dialogs->Errors, QStringList{"Disk full."});
    }

    void dialogFilters() {
        QCOMPARE(QtNameFilters(QStringLiteral("map files (*.tvm)|*.tvm|any files (*.*)|*.*")),
                 (QStringList{"map files (*.tvm) (*.tvm)", "any files (*.*) (*)"}));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
