// The map picture: pixel positions, the layout box, keyed tile bitmaps, the
// messages of a drawing, tile files read as they are now, and the saved
// picture.

#include "bmp_file.h"
#include "map_picture.h"
#include "test_bitmaps.h"
#include "test_state.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>

using namespace tavrin;

using TCells = QList<QPoint>; // column, row of tiles 1..20
Q_DECLARE_METATYPE(TCells)

namespace {

void PlaceTiles(TMapState& state, const TCells& cells) {
    for (int i = 1; i <= TileCount; ++i) {
        state.Tiles[i].Col = cells[i - 1].x();
        state.Tiles[i].Row = cells[i - 1].y();
        state.Tiles[i].Rotation = 1;
    }
}

TCells AllAt(QPoint cell) {
    return TCells(TileCount, cell);
}

QStringList Texts(const test::TRecordingSink& sink) {
    QStringList texts;
    for (const std::string& message : sink.Messages)
        texts << QString::fromStdString(message);
    return texts;
}

// A map with its tiles placed, drawn from the bitmaps in `folder`, its
// messages kept.
struct TDrawing {
    TMapState State;
    test::TRecordingSink Sink;
    TMapPicture Picture{State};

    TDrawing(const TCells& cells, const QString& folder) {
        State.Messages = &Sink;
        PlaceTiles(State, cells);
        Picture.SetTileFolder(QFile::encodeName(folder).toStdString());
    }
};

} // namespace

class TestMapPicture : public QObject {
    Q_OBJECT

private slots:
    void tilePosition_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("origin") << 0 << 0 << QPoint(0, 0);
        QTest::newRow("odd column drops 88") << 1 << 0 << QPoint(150, 88);
        QTest::newRow("column -1 is odd") << -1 << 0 << QPoint(-150, 88);
        QTest::newRow("even negative") << -2 << 3 << QPoint(-300, 525);
        QTest::newRow("negative row") << 2 << -1 << QPoint(300, -175);
    }
    void tilePosition() {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QPoint, position);
        QCOMPARE(QPoint(TileX(column), TileY(column, row)), position);
    }

    void tilePositionOverflow() {
        QVERIFY_THROWS_EXCEPTION(EIntOverflow, TileX(INT_MAX / 150 + 1));
        QVERIFY_THROWS_EXCEPTION(EIntOverflow, TileY(0, INT_MIN / 175 - 1));
        // row × 175 fits, the odd column's 88 does not.
        QCOMPARE(TileY(0, INT_MAX / 175), INT_MAX / 175 * 175);
        QVERIFY_THROWS_EXCEPTION(EIntOverflow, TileY(1, INT_MAX / 175));
    }

    void layoutBox_data() {
        QTest::addColumn<TCells>("cells");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("offset");
        TCells line;
        for (int row = 0; row < TileCount; ++row)
            line << QPoint(0, row);
        QTest::newRow("vertical line") << line << QSize(200, 3525) << QPoint(0, 0);
        TCells leftOfZero = AllAt({0, 0});
        leftOfZero[4] = {-1, 0};
        leftOfZero[7] = {2, 3};
        QTest::newRow("column -1 row 0") << leftOfZero << QSize(650, 725) << QPoint(150, 0);
        TCells above = AllAt({0, 0});
        above[0] = {0, -2};
        QTest::newRow("row -2") << above << QSize(200, 550) << QPoint(0, 350);
        TCells away = AllAt({3, 2});
        QTest::newRow("box keeps the origin") << away << QSize(650, 638) << QPoint(0, 0);
    }
    void layoutBox() {
        QFETCH(TCells, cells);
        QFETCH(QSize, size);
        QFETCH(QPoint, offset);
        TDrawing drawing(cells, QStringLiteral("/nonexistent"));
        const TLayoutBox box = LayoutBox(drawing.State);
        QCOMPARE(QSize(box.Width(), box.Height()), size);
        QCOMPARE(QPoint(box.OffsetX(), box.OffsetY()), offset);

        drawing.Picture.DrawMap();
        QCOMPARE(drawing.Picture.Image().size(), size);
        QCOMPARE(QPoint(drawing.State.OffsetX, drawing.State.OffsetY), offset);
        QVERIFY(drawing.State.MapPresent);
    }

    // Maps wider than 1200 pixels are drawn whole; beyond 8192 the picture
    // is clipped instead of growing without bound.
    void pictureSize() {
        TMapState state;
        TCells cells = AllAt({0, 0});
        cells[0] = {11, 0};
        PlaceTiles(state, cells);
        QCOMPARE(PictureSize(LayoutBox(state)), QSize(1850, 288));
        cells[0] = {-100, 0};
        cells[1] = {155, 0};
        PlaceTiles(state, cells);
        QCOMPARE(LayoutBox(state).Width(), 38450);
        QCOMPARE(PictureSize(LayoutBox(state)), QSize(MaxPictureSide, 288));
    }

    void keyedTiles() {
        QTemporaryDir dir;
        // Tile 11 red with a blue key and a blue hole; tile 12 drawn later
        // over it, green with a white key.
        QImage march = TileImage(10, 10, Qt::red, Qt::blue);
        march.setPixelColor(5, 5, Qt::blue);
        QVERIFY(WriteTile(dir.filePath("MarchLand1.bmp"), march));
        QImage grotto = TileImage(4, 4, Qt::green, Qt::white);
        grotto.setPixelColor(1, 1, Qt::white);
        QVERIFY(WriteTile(dir.filePath("Grotto1.bmp"), grotto));

        TDrawing drawing(AllAt({0, 0}), dir.path());
        drawing.Picture.DrawMap();

        const QImage& image = drawing.Picture.Image();
        QCOMPARE(image.pixelColor(0, 9), QColor(Qt::white));   // key of tile 11
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));   // key colour inside
        QCOMPARE(image.pixelColor(9, 9), QColor(Qt::red));     // tile 11 itself
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::green));   // tile 12 covers it
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::red));     // tile 12's key shows 11
        QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white)); // nothing drawn
        QCOMPARE(Texts(drawing.Sink).size(), TileCount - 2);
    }

    void missingBitmaps() {
        TDrawing drawing(AllAt({0, 0}), QStringLiteral("/no/such/folder/"));
        drawing.State.Tiles[11].Rotation = 3;
        drawing.Picture.DrawMap();
        const QStringList messages = Texts(drawing.Sink);
        QCOMPARE(messages.size(), TileCount);
        QCOMPARE(messages[0], QStringLiteral("File not found: /no/such/folder/AshenHollow1.bmp"));
        QCOMPARE(messages[10], QStringLiteral("File not found: /no/such/folder/MarchLand3.bmp"));
        QCOMPARE(messages[19], QStringLiteral("File not found: /no/such/folder/Summit1.bmp"));
        QVERIFY(drawing.State.MapPresent);
        QImage white(drawing.Picture.Image().size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        QCOMPARE(drawing.Picture.Image(), white);
    }

    // A file that is not a bitmap ends the drawing: the tiles before it are
    // drawn, those after it are not looked at.
    void invalidBitmapEndsDrawing() {
        QTemporaryDir dir;
        QVERIFY(WriteTile(dir.filePath("AshenHollow1.bmp"), TileImage(8, 8, Qt::red, Qt::blue)));
        QFile text(dir.filePath("GloomHollow1.bmp"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a bitmap at all");
        text.close();

        TDrawing drawing(AllAt({0, 0}), dir.path());
        try {
            drawing.Picture.DrawMap();
            QFAIL("the drawing went on");
        } catch (const EInvalidBitmap& error) {
            QCOMPARE(QString::fromLatin1(error.what()),
                     QStringLiteral("Bitmap image is not valid"));
        }
        QCOMPARE(Texts(drawing.Sink),
                 QStringList{"File not found: " + dir.filePath("SourHollow1.bmp")});
        QCOMPARE(drawing.Picture.Image().pixelColor(3, 3), QColor(Qt::red));
        QVERIFY(drawing.State.MapPresent);
    }

    // The saved picture replaces an older file and reads back equal, both
    // with Qt's reader and with the program's own.
    void savedPictureReadsBack() {
        QTemporaryDir dir;
        QVERIFY(
            WriteTile(dir.filePath("MarchLand1.bmp"), TileImage(120, 90, Qt::darkCyan, Qt::blue)));
        QVERIFY(WriteTile(dir.filePath("Tor1.bmp"), TileImage(200, 200, Qt::yellow, Qt::black)));
        TCells cells = AllAt({0, 0});
        cells[16] = {-1, 1}; // Tor
        TDrawing drawing(cells, dir.path());
        drawing.Picture.DrawMap();

        const QString path = dir.filePath("map.bmp");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older file that is replaced");
        old.close();
        SaveBmpFile(QFile::encodeName(path).toStdString(), drawing.Picture.Image());
        const QImage& picture = drawing.Picture.Image();
        QCOMPARE(QImage(path, "BMP").convertToFormat(QImage::Format_RGB32), picture);
    }

    // The drawing shows each tile file as it is now: a file changed in any
    // way a stamp shows (size, modification time, inode) is read again, a
    // removed one is reported, and only an unchanged one comes from memory.
    void tileFilesAreReadAsTheyAreNow() {
        QTemporaryDir dir;
        const QString path = dir.filePath("MarchLand1.bmp");
        const std::string local = QFile::encodeName(path).toStdString();
        TDrawing drawing(AllAt({0, 0}), dir.path());
        const auto drawnColour = [&](QColor fill, auto&& change) {
            change(TileImage(10, 10, fill, Qt::blue));
            drawing.Sink.Messages.clear();
            drawing.Picture.DrawMap();
            return drawing.Picture.Image().pixelColor(5, 5);
        };
        const auto setTime = [&](long nanoseconds) {
            const timespec times[2] = {{1000, nanoseconds}, {1000, nanoseconds}};
            QCOMPARE(::utimensat(AT_FDCWD, local.c_str(), times, 0), 0);
        };
        const auto inPlace = [&](long nanoseconds) {
            return [&, nanoseconds](const QImage& image) {
                QFile file(path); // same inode, same size
                QVERIFY(file.open(QIODevice::ReadWrite));
                QVERIFY(image.save(&file, "BMP"));
                file.close();
                setTime(nanoseconds);
            };
        };
        QCOMPARE(drawnColour(Qt::red, inPlace(0)), QColor(Qt::red));
        QCOMPARE(drawnColour(Qt::green, inPlace(1)), QColor(Qt::green));
        // An unchanged stamp is served from memory, even for new bytes.
        QCOMPARE(drawnColour(Qt::yellow, inPlace(1)), QColor(Qt::green));
        const auto replaced = [&](const QImage& image) {
            QVERIFY(WriteTile(dir.filePath("new.bmp"), image));
            QVERIFY(::rename(QFile::encodeName(dir.filePath("new.bmp")).constData(),
                             local.c_str()) == 0);
            setTime(1); // the same size and time, another inode
        };
        QCOMPARE(drawnColour(Qt::cyan, replaced), QColor(Qt::cyan));
        const auto removed = [&](const QImage&) { QVERIFY(QFile::remove(path)); };
        QCOMPARE(drawnColour(Qt::red, removed), QColor(Qt::white));
        QVERIFY(Texts(drawing.Sink).contains("File not found: " + path));
    }
};

QTEST_MAIN(TestMapPicture)
#include "tst_map_picture.moc"
