// The main window: its state at start, the commands through their shortcuts,
// buttons and the Enter and Esc keys, the route query, and the boxes that
// report messages and errors.

#include "error_text.h"
#include "fake_user_dialogs.h"
#include "form1.h"
#include "map_file.h"
#include "map_string.h"
#include "qt_user_dialogs.h"
#include "rx_spin_edit.h"
#include "test_bitmaps.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TestForm1 : public QObject {
    Q_OBJECT

    std::unique_ptr<tavrin::TMapState> State;
    std::unique_ptr<TFakeUserDialogs> Dialogs;
    std::unique_ptr<TForm1> Form;
    std::unique_ptr<QTemporaryDir> TileDir; // holds no bitmaps unless a test writes some

    template <typename T> T* Child(const char* name) {
        T* child = Form->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }

    void CreateMap() {
        QTest::keyClick(Form.get(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(State->MapPresent);
        Dialogs->Messages.clear();
    }

private slots:
    void init() {
        State = std::make_unique<tavrin::TMapState>();
        tavrin::InitTiles(*State, 12345);
        Dialogs = std::make_unique<TFakeUserDialogs>();
        TileDir = std::make_unique<QTemporaryDir>();
        Form = std::make_unique<TForm1>(*State, *Dialogs);
        Form->SetTileFolder(TileDir->path());
        Form->show();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }
    void cleanup() {
        Form.reset();
        Dialogs.reset();
        State.reset();
        TileDir.reset();
    }

    void startUpState() {
        QCOMPARE(Form->windowTitle(), QStringLiteral("Tavrin Map Generator Ver 1.1 by Ostrel"));
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
        QVERIFY(Child<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
        QVERIFY(Child<QLabel>("Image1")->pixmap().isNull());
        QVERIFY(!State->MapPresent);
        QVERIFY(Form->isMaximized());
    }

    void createMapListsAndDraws() {
        QTest::keyClick(Form.get(), Qt::Key_M, Qt::ControlModifier);
        const QStringList lines = Child<QPlainTextEdit>("Memo1")->toPlainText().split('\n');
        QCOMPARE(lines.size(), 20);
        QVERIFY(lines[10].startsWith(QStringLiteral("March Land: 0/0/")));
        QVERIFY(Child<QPushButton>("btnFindPath")->isEnabled());
        QVERIFY(State->MapPresent);
        // No bitmaps: one message per tile, in tile order, and the drawing goes on.
        QCOMPARE(Dialogs->Messages.size(), 20);
        QCOMPARE(Dialogs->Messages[0].left(16), QStringLiteral("File not found: "));
        QVERIFY(Dialogs->Messages[0].endsWith(QStringLiteral("/AshenHollow") +
                                              QString::number(State->Tiles[1].Rotation) + ".bmp"));
        QCOMPARE(Child<QLabel>("Image1")->pixmap().size(), Form->MapImage().size());
        QVERIFY(Dialogs->Errors.isEmpty());
    }

    void routeQuery_data() {
        QTest::addColumn<int>("fromTile");
        QTest::addColumn<int>("fromClearing");
        QTest::addColumn<int>("toTile");
        QTest::addColumn<int>("toClearing");
        QTest::addColumn<QString>("answer");
        QTest::newRow("as at start") << 11 << 1 << 11 << 1 << "MarchLand 1\r\n";
        QTest::newRow("within tile 11") << 11 << 1 << 11 << 6 << "MarchLand 1\r\nMarchLand 6\r\n";
        QTest::newRow("missing clearing to itself") << 1 << 3 << 1 << 3 << "AshenHollow 3\r\n";
        QTest::newRow("missing clearing") << 1 << 3 << 11 << 1 << "Clearings not connected!";
    }
    void routeQuery() {
        QFETCH(int, fromTile);
        QFETCH(int, fromClearing);
        QFETCH(int, toTile);
        QFETCH(int, toClearing);
        QFETCH(QString, answer);
        CreateMap();
        Child<QComboBox>("cbFromTile")->setCurrentIndex(fromTile - 1);
        Child<tavrin::TRxSpinEdit>("edFromClearing")->setValue(fromClearing);
        Child<QComboBox>("cbToTile")->setCurrentIndex(toTile - 1);
        Child<tavrin::TRxSpinEdit>("edToClearing")->setValue(toClearing);
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

    // A lone minus sign stays in the field and is read as clearing 1.
    void routeQueryReadsALoneMinusAsOne() {
        CreateMap();
        auto* to = Child<tavrin::TRxSpinEdit>("edToClearing");
        to->setFocus();
        to->selectAll();
        QTest::keyClick(to, Qt::Key_Minus);
        Child<QComboBox>("cbFromTile")->setFocus();
        QCOMPARE(to->text(), QStringLiteral("-"));
        QTest::mouseClick(Child<QPushButton>("btnFindPath"), Qt::LeftButton);
        QCOMPARE(Dialogs->Messages, QStringList{"MarchLand 1\r\n"});
    }

    void saveBeforeAnyMap_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+B") << int(Qt::Key_B);
        QTest::newRow("Ctrl+S") << int(Qt::Key_S);
    }
    void saveBeforeAnyMap() {
        QFETCH(int, key);
        QTest::keyClick(Form.get(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(Dialogs->Messages, QStringList{"There is no map in memory"});
        QVERIFY(Dialogs->FileDialogs.isEmpty());
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
        QTest::keyClick(Form.get(), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(Dialogs->FileDialogs[1].FileName, TileDir->filePath("map.bmp"));
        QVERIFY(!QFile::exists(TileDir->filePath("map.bmp")));

        Dialogs->Answer = QStringLiteral("/no/such/folder/map.bmp");
        QTest::keyClick(Form.get(), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(Dialogs->Errors, QStringList{"Invalid filename."});
    }

    void invalidBitmapEndsCreateMap() {
        for (int rotation = 1; rotation <= 6; ++rotation) {
            QFile file(TileDir->filePath("AshenHollow" + QString::number(rotation) + ".bmp"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("BM but nothing else");
        }
        QTest::keyClick(Form.get(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(Dialogs->Errors, QStringList{"Bitmap image is not valid."});
        QVERIFY(Dialogs->Messages.isEmpty());
        QVERIFY(State->MapPresent);
        QVERIFY(!Child<QPushButton>("btnFindPath")->isEnabled());
        QVERIFY(!Child<QLabel>("Image1")->pixmap().isNull());
    }

    void exitKeys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Alt+F4") << "cbFromTile" << int(Qt::Key_F4) << int(Qt::AltModifier) << true;
        QTest::newRow("Esc") << "cbFromTile" << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("Esc in a clearing") << "edToClearing" << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("Esc on a button") << "btnCreateMap" << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("Esc in the memo") << "Memo1" << int(Qt::Key_Escape) << 0 << false;
    }
    void exitKeys() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        auto* target = Child<QWidget>(focus.toLatin1().constData());
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(Form->isVisible(), !closes);
    }

    // Enter runs Create Map unless a button has the focus, which it presses,
    // or the memo has it.
    void enterKey_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("creates");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("tile list") << "cbFromTile" << true << QStringList();
        QTest::newRow("clearing") << "edFromClearing" << true << QStringList();
        QTest::newRow("Create Map button") << "btnCreateMap" << true << QStringList();
        QTest::newRow("Save picture button")
            << "btnSaveMap" << false << QStringList{"There is no map in memory"};
        QTest::newRow("memo") << "Memo1" << false << QStringList();
    }
    void enterKey() {
        QFETCH(QString, focus);
        QFETCH(bool, creates);
        QFETCH(QStringList, messages);
        auto* target = Child<QWidget>(focus.toLatin1().constData());
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(State->MapPresent, creates);
        if (creates)
            QCOMPARE(Dialogs->Messages.size(), 20); // one "File not found: " per tile
        else
            QCOMPARE(Dialogs->Messages, messages);
        QVERIFY(Form->isVisible());
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
        QTest::keyClick(Form.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Dialogs->FileDialogs.size(), 1);
        QCOMPARE(Dialogs->FileDialogs[0].Filter,
                 QStringLiteral("map files (*.tvm)|*.tvm|any files (*.*)|*.*"));
        QCOMPARE(Dialogs->FileDialogs[0].DefaultExt, QStringLiteral("tvm"));
        QVERIFY(Dialogs->FileDialogs[0].Save);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 62);
        QCOMPARE(bytes.toStdString(), tavrin::MakeMapString(*State) + "\r\n");
        const QImage picture = Form->MapImage();
        const QString listing = Child<QPlainTextEdit>("Memo1")->toPlainText();

        cleanup();
        init();
        writeTiles();
        Dialogs->Answer = path;
        QTest::keyClick(Form.get(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(Dialogs->FileDialogs.size(), 1);
        QVERIFY(!Dialogs->FileDialogs[0].Save);
        QCOMPARE(Child<QPlainTextEdit>("Memo1")->toPlainText(), listing);
        QVERIFY(Dialogs->Errors.isEmpty());
        QVERIFY(State->MapPresent);
        // Loading right after start draws the map but enables no route query.
        QVERIFY(!Child<QPushButton>("btnFindPath")->isEnabled());
        QVERIFY(Form->MapImage() == picture);
    }

    // A line of the wrong length is reported and the load ends there: no
    // listing, no drawing, MapPresent unchanged.
    void loadMapOfTheWrongLength() {
        const QString path = TileDir->filePath("short.tvm");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ddgdd\r\nsecond line");
        file.close();
        Dialogs->Answer = path;
        QTest::keyClick(Form.get(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(Dialogs->Messages, QStringList{"Internal Error: mapstring not valid=ddgdd"});
        QVERIFY(!State->MapPresent);
        QVERIFY(Child<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
        QVERIFY(Form->MapImage().isNull());
        // So Save Map still has no map to write.
        Dialogs->Messages.clear();
        QTest::keyClick(Form.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Dialogs->Messages, QStringList{"There is no map in memory"});
    }

    // A bad rotation character is a range error that changes no tile and
    // keeps the picture on screen.
    void loadMapWithABadRotation() {
        CreateMap();
        const std::string before = tavrin::MakeMapString(*State);
        const QImage picture = Form->MapImage();
        const QString listing = Child<QPlainTextEdit>("Memo1")->toPlainText();
        std::string text(60, 'd');
        for (int t = 1; t <= 20; ++t)
            text[3 * t - 1] = 'e';
        text[14] = static_cast<char>(107);
        const QString path = TileDir->filePath("bad.tvm");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.data(), 60);
        file.close();
        Dialogs->Answer = path;
        QTest::keyClick(Form.get(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(Dialogs->Errors, QStringList{"Range check error."});
        QCOMPARE(tavrin::MakeMapString(*State), before);
        QVERIFY(Form->MapImage() == picture);
        QCOMPARE(Child<QPlainTextEdit>("Memo1")->toPlainText(), listing);
    }

    // A map away from the origin is drawn where the string puts it.
    void loadMapAwayFromTheOrigin() {
        QVERIFY(
            WriteTile(TileDir->filePath("AshenHollow1.bmp"), TileImage(10, 10, Qt::red, Qt::blue)));
        std::string text;
        for (int t = 1; t <= 20; ++t) {
            text += static_cast<char>(100 + 2 + (t == 1 ? 1 : 0)); // columns 2 and 3
            text += static_cast<char>(100 + t);                    // rows 1..20
            text += 'e';
        }
        const QString path = TileDir->filePath("far.tvm");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.data(), 60);
        file.close();
        Dialogs->Answer = path;
        QTest::keyClick(Form.get(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(Dialogs->Errors.isEmpty());
        QCOMPARE(Child<QPlainTextEdit>("Memo1")->toPlainText().split('\n')[0],
                 QStringLiteral("Ashen Hollow: 3/1/1"));
        // Column 3 is odd: x = 450, y = 175 + 88.
        QCOMPARE(Form->MapImage().pixelColor(455, 268), QColor(Qt::red));
        QCOMPARE(State->OffsetX, 0);
    }

    void loadOrSaveErrorsShowTheirText() {
        Dialogs->Answer = TileDir->filePath("missing.tvm");
        QTest::keyClick(Form.get(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(Dialogs->Errors, QStringList{"File not found."});
        CreateMap();
        Dialogs->Errors.clear();
        Dialogs->Answer = QStringLiteral("/dev/full");
        QTest::keyClick(Form.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Dialogs->Errors, QStringList{"Disk full."});
    }

    void errorBoxText_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Range check error"
                                << "Range check error.";
        QTest::newRow("digit") << "I/O error 7"
                               << "I/O error 7.";
        QTest::newRow("slash, code 47") << "a/"
                                        << "a/.";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("hyphen, code 45") << "a-"
                                         << "a-";
        QTest::newRow("blank") << "a "
                               << "a ";
        QTest::newRow("empty") << ""
                               << "";
    }
    void errorBoxText() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorBoxText(message), shown);
    }

    void dialogFilters() {
        QCOMPARE(QtNameFilters(QStringLiteral("map files (*.tvm)|*.tvm|any files (*.*)|*.*")),
                 (QStringList{"map files (*.tvm) (*.tvm)", "any files (*.*) (*)"}));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
