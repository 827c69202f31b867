// Sharing, revisiting and reopening maps in the window: the map code on the
// clipboard, the maps of a seed, Back and Forward, the recent map files, and
// map files given at start or dropped on the window.

#include "acceptance.h"
#include "form_test.h"
#include "listing.h"
#include "map_code_text.h"
#include "map_seed.h"
#include "map_string.h"
#include "map_text_table.h"
#include "share_code.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <fstream>
#include <vector>

namespace {

// The first `count` maps of a seed, as `tavrin-cli generate --seed N` prints them.
std::vector<std::string> SeedMaps(std::uint32_t seed, int count) {
    tavrin::TMapState state;
    tavrin::InitTiles(state, seed);
    std::vector<std::string> maps;
    for (int k = 0; k < count; ++k) {
        tavrin::CreateMap(state);
        maps.push_back(tavrin::MakeMapString(state));
    }
    return maps;
}

const QString NoClipboardText =
    QString::fromUtf8(tavrin::NoMapCodeText(tavrin::TTextSource::Clipboard));
const QKeySequence CopyKey(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
const QKeySequence PasteKey(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
const QKeySequence SeedKey(Qt::CTRL | Qt::SHIFT | Qt::Key_M);
const QKeySequence BackKey(Qt::ALT | Qt::Key_Left);
const QKeySequence ForwardKey(Qt::ALT | Qt::Key_Right);

} // namespace

class TestMapKeeping : public TFormTest {
    Q_OBJECT

    void Press(const QKeySequence& keys) { QTest::keySequence(Form.get(), keys); }
    std::string Shown() { return tavrin::MakeMapString(*State); }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        Press(PasteKey);
    }
    QStringList RecentFiles() {
        QStringList files;
        for (const QAction* item : Child<QMenu>("RecentMaps1")->actions())
            files << item->statusTip();
        return files;
    }

private slots:
    void init() { StartForm(); }
    void cleanup() { StopForm(); }

    // The share code of one map, pasted over another, shows the first again;
    // so does its classic code, which goes both ways one byte per character,
    // also for characters above 127.
    void copyThenPasteAnotherMap() {
        CreateMap();
        const std::string first = Shown();
        const QString listing = Memo();
        Press(CopyKey);
        const QString code = QGuiApplication::clipboard()->text();
        QCOMPARE(code, QString::fromStdString(tavrin::ShareCode(first)));
        CreateMap();
        QVERIFY(Shown() != first);
        Paste(QStringLiteral("\r\n Here it is: ") + code + QStringLiteral(".\t\n"));
        QCOMPARE(Shown(), first);
        QCOMPARE(Memo(), listing);
        QVERIFY(Dialogs->Errors.isEmpty());

        Child<QAction>("A_CopyClassicMapCode")->trigger();
        QString wide = QGuiApplication::clipboard()->text();
        QCOMPARE(wide, QString::fromLatin1(first.c_str()));
        wide[0] = QChar(200); // column 100
        wide[1] = QChar(255); // row 155
        Paste(wide);
        QCOMPARE(State->Tiles[1].Col, 100);
        QCOMPARE(State->Tiles[1].Row, 155);
        Press(CopyKey);
        Paste(QGuiApplication::clipboard()->text());
        Child<QAction>("A_CopyClassicMapCode")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), wide);
    }

    // Text without a map, with a share code that has a mistake in it, or with
    // a seed form out of range, is answered in the finder's words, and the
    // map stays. A bad rotation
    // goes the way of Load Map's (tst_form1).
    void badCodeKeepsTheMap_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("answer");
        QString valid = QString::fromLatin1(SeedMaps(1, 1)[0].c_str());
        const QString mistaken =
            QString::fromStdString(tavrin::ShareCode(SeedMaps(1, 1)[0])).replace(2, 1, "Z");
        valid[59] = QChar(0x20AC);
        QTest::newRow("too short") << "ddgdd" << NoClipboardText;
        QTest::newRow("character above 255") << valid << NoClipboardText;
        QTest::newRow("share code with a mistake")
            << "map: " + mistaken << tavrin::ShareCodeMistakeText;
        QTest::newRow("map number out of range") << "Seed 7, map 100001" << tavrin::MapNumberText;
    }
    void badCodeKeepsTheMap() {
        QFETCH(QString, code);
        QFETCH(QString, answer);
        CreateMap();
        const std::string before = Shown();
        const QString listing = Memo();
        const QImage picture = Form->MapImage();
        Paste(code);
        QCOMPARE(Dialogs->Messages, QStringList{answer});
        QVERIFY(Dialogs->Errors.isEmpty());
        QCOMPARE(Shown(), before);
        QCOMPARE(Memo(), listing);
        QVERIFY(Form->MapImage() == picture);
        QCOMPARE(Form->SeedText(), QStringLiteral("Seed 12345, map 1"));
        QVERIFY(!Child<QAction>("A_Back")->isEnabled());
    }

    // The doors' table (tests/support/map_text_table.tsv) pasted: the window
    // answers every text as the session core does.
    void pasteAnswersTheDoorsTable() {
        for (const tavrin::test::TMapTextRow& row : tavrin::test::MapTextTable()) {
            CreateMap();
            const std::string before = Shown();
            Paste(QString::fromUtf8(row.Text));
            if (row.Answer == tavrin::test::TMapTextRow::Map ||
                row.Answer == tavrin::test::TMapTextRow::Seed) {
                QCOMPARE(Shown(), tavrin::MapStringOfSeed({row.SeedNumber, row.MapNumber}));
                QCOMPARE(Form->SeedText().isEmpty(), row.Answer == tavrin::test::TMapTextRow::Map);
            } else {
                QCOMPARE(Dialogs->Messages,
                         QStringList{row.Answer == tavrin::test::TMapTextRow::Refused
                                         ? QString::fromStdString(row.Refusal)
                                         : NoClipboardText});
                QCOMPARE(Shown(), before);
            }
            QVERIFY(Dialogs->Errors.isEmpty());
        }
    }

    // "N/k" pasted shows map k of seed N, named so; Create Map goes on with
    // map k + 1.
    void pasteSeedAndMap() {
        Paste(QStringLiteral("try 777/2 tonight"));
        QCOMPARE(Shown(), SeedMaps(777, 2)[1]);
        QCOMPARE(Form->SeedText(), QStringLiteral("Seed 777, map 2"));
        CreateMap();
        QCOMPARE(Shown(), SeedMaps(777, 3)[2]);
    }

    // The window starts on seed 12345: its first map is map 1 of that seed.
    // A seed entered makes that seed's maps, one per Create Map; a bad entry
    // is answered and changes nothing.
    void seedEntry_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<qint64>("seed"); // -1: not a seed
        QTest::newRow("seed") << "777" << qint64(777);
        QTest::newRow("largest, blanks around") << " 4294967295 " << qint64(4294967295);
        QTest::newRow("zero, leading zeros") << "000" << qint64(0);
        QTest::newRow("negative") << "-1" << qint64(-1);
        QTest::newRow("too large") << "4294967296" << qint64(-1);
        QTest::newRow("sign") << "+5" << qint64(-1);
        QTest::newRow("letters") << "12a" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
    }
    void seedEntry() {
        QFETCH(QString, entry);
        QFETCH(qint64, seed);
        CreateMap();
        QCOMPARE(Shown(), SeedMaps(12345, 1)[0]);
        QCOMPARE(Form->SeedText(), QStringLiteral("Seed 12345, map 1"));
        QCOMPARE(Child<QLabel>("lblSeed")->text(), Form->SeedText());

        Dialogs->Entry = entry;
        Press(SeedKey);
        QCOMPARE(Dialogs->Queries, QStringList{"Seed (0 to 4294967295):"});
        QCOMPARE(Dialogs->Messages.contains(SeedRangeText), seed < 0);
        const std::uint32_t used = seed < 0 ? 12345 : static_cast<std::uint32_t>(seed);
        const std::vector<std::string> maps = SeedMaps(used, 2);
        QCOMPARE(Shown(), maps[0]);
        QCOMPARE(Form->SeedText(), QStringLiteral("Seed %1, map 1").arg(used));
        Ctrl(Qt::Key_M);
        QCOMPARE(Shown(), maps[1]);
        QCOMPARE(Form->SeedText(), QStringLiteral("Seed %1, map 2").arg(used));
    }

    // The keys reach the session (tst_map_session); the actions' enabled
    // states and the listing follow it.
    void backAndForward() {
        const std::vector<std::string> maps = SeedMaps(12345, 2);
        CreateMap();
        const QString first = Memo();
        CreateMap();
        Press(BackKey);
        QCOMPARE(Shown(), maps[0]);
        QCOMPARE(Memo(), first);
        QCOMPARE(Child<QLabel>("lblSeed")->text(), QStringLiteral("Seed 12345, map 1"));
        QVERIFY(!Child<QAction>("A_Back")->isEnabled());
        QVERIFY(Child<QAction>("A_Forward")->isEnabled());
        Press(ForwardKey);
        QCOMPARE(Shown(), maps[1]);
        QVERIFY(Child<QAction>("A_Back")->isEnabled());
        QVERIFY(!Child<QAction>("A_Forward")->isEnabled());
    }

    // However a map is loaded right after start, its routes can be queried:
    // every tile of it is placed.
    void routeQueryAfterALoad_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"Load Map", "Paste Map Code", "start file", "dropped file"})
            QTest::newRow(how) << how;
    }
    void routeQueryAfterALoad() {
        QFETCH(QString, how);
        tavrin::TMapState made;
        tavrin::InitTiles(made, 2024);
        tavrin::CreateMap(made);
        const std::string map = tavrin::MakeMapString(made);
        // The answer on the map as made, for a route that crosses tile edges:
        // from tile 11 to the first other tile a road reaches.
        std::string route;
        int toTile = 0;
        while (route.empty() || route == tavrin::NotConnectedText)
            route =
                ++toTile == 11 ? "" : tavrin::RouteQuery(made, {11, 1}, {std::uint8_t(toTile), 1});

        const QString path =
            WriteFile(QStringLiteral("start.tvm"), QByteArray::fromStdString(map + "\r\n"));
        // A start argument and a dropped file are names as bytes: one in no
        // encoding is read as it is.
        const QByteArray hostile = QFile::encodeName(TileDir->path()) + "/\xfe map.tvm";
        { std::ofstream(hostile.toStdString(), std::ios::binary) << map << "\r\n"; }
        if (how == "Load Map") {
            Dialogs->Answer = path;
            Ctrl(Qt::Key_L);
        } else if (how == "Paste Map Code") {
            Paste(QString::fromLatin1(map.c_str()));
        } else if (how == "start file") {
            Form->OpenStartArgument(QFile::decodeName(hostile), hostile.toStdString());
        } else {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(TileDir->filePath("notes.txt")),
                          QUrl::fromEncoded("file://" + hostile.toPercentEncoding("/"))});
            // The window takes the drop only once it has accepted the drag.
            QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(Form.get(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton,
                            Qt::NoModifier);
            QCoreApplication::sendEvent(Form.get(), &drop);
            QCoreApplication::processEvents();
        }
        QCOMPARE(Shown(), map);
        QVERIFY(State->MapPresent);
        auto* find = Child<QPushButton>("btnFindPath");
        QVERIFY(find->isEnabled());
        Dialogs->Messages.clear();
        Child<QComboBox>("cbToTile")->setCurrentIndex(toTile - 1);
        QTest::mouseClick(find, Qt::LeftButton);
        QCOMPARE(Dialogs->Messages, QStringList{QString::fromLatin1(route.c_str())});
    }

    // The program's argument: a file, also as a file: URL, or a map code or
    // link as a browser passes it. What holds no map is taken for a file.
    void startArgument_data() {
        QTest::addColumn<QString>("argument"); // FILE stands for a map file's path
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("message");
        const QString link = QString::fromStdString(tavrin::ShareLink(SeedMaps(5, 1)[0]));
        QTest::newRow("file") << "FILE" << QString() << QString();
        QTest::newRow("file URL") << "file://FILE" << QString() << QString();
        QTest::newRow("link") << link << QString() << QString();
        QTest::newRow("link with a mistake")
            << QString(link).replace(9, 1, "Q") << QString() << tavrin::ShareCodeMistakeText;
        QTest::newRow("missing file") << "missing.tvm"
                                      << "File not found." << QString();
    }
    void startArgument() {
        QFETCH(QString, argument);
        QFETCH(QString, error);
        QFETCH(QString, message);
        const std::string map = SeedMaps(5, 1)[0];
        argument.replace(
            QStringLiteral("FILE"),
            WriteFile(QStringLiteral("start.tvm"), QByteArray::fromStdString(map + "\r\n")));
        Form->OpenStartArgument(argument, QFile::encodeName(argument).toStdString());
        QCOMPARE(Dialogs->Errors, error.isEmpty() ? QStringList() : QStringList{error});
        if (!error.isEmpty() || !message.isEmpty()) {
            QCOMPARE(Dialogs->Messages, message.isEmpty() ? QStringList() : QStringList{message});
            QVERIFY(!State->MapPresent);
            return;
        }
        QCOMPARE(Shown(), map);
    }

    // The last 8 map files opened or saved, newest first, kept in the
    // settings; one that has gone is answered with its error and leaves the
    // list. The file dialogs open where the last one chose a file.
    void recentMaps() {
        QVERIFY(!Child<QMenu>("RecentMaps1")->isEnabled());
        CreateMap();
        QStringList paths;
        for (int n = 1; n <= 10; ++n) {
            paths << TileDir->filePath(QStringLiteral("m%1.tvm").arg(n));
            Dialogs->Answer = paths.last();
            Ctrl(Qt::Key_S);
        }
        QCOMPARE(Dialogs->FileDialogs[0].Folder, QString());
        QCOMPARE(Dialogs->FileDialogs[1].Folder, TileDir->path());
        const auto newestFirst = [&](std::initializer_list<int> numbers) {
            QStringList files;
            for (int n : numbers)
                files << paths[n - 1];
            return files;
        };
        QCOMPARE(RecentFiles(), newestFirst({10, 9, 8, 7, 6, 5, 4, 3}));

        Dialogs->Answer = paths[4];
        Ctrl(Qt::Key_L);
        QCOMPARE(RecentFiles(), newestFirst({5, 10, 9, 8, 7, 6, 4, 3}));
        QCOMPARE(Child<QMenu>("RecentMaps1")->actions()[0]->text(),
                 QStringLiteral("&1 ") + paths[4]);

        const std::string shown = Shown();
        QVERIFY(QFile::remove(paths[9]));
        Child<QMenu>("RecentMaps1")->actions()[1]->trigger();
        QCOMPARE(Dialogs->Errors, QStringList{"File not found."});
        QCOMPARE(Shown(), shown);
        QCOMPARE(RecentFiles(), newestFirst({5, 9, 8, 7, 6, 4, 3}));

        // Another run with the same settings lists the same files.
        TForm1 next(*State, *Dialogs, *Settings);
        QCOMPARE(next.findChild<QMenu*>("RecentMaps1")->actions().size(), 7);
    }
};

QTEST_MAIN(TestMapKeeping)
#include "tst_map_keeping.moc"
