// The map picture: pixel positions, the layout box, keyed tile bitmaps, the
// messages of a drawing, and the bitmap files read and written.

#include "bmp_file.h"
#include "map_picture.h"
#include "test_bitmaps.h"
#include "test_state.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <climits>

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
        Picture.SetTileFolder(folder);
    }
};

// A valid 4 x 3, 24-bit bitmap from Qt's writer, for the header checks to damage.
QByteArray ValidBmp() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TileImage(4, 3, Qt::red, Qt::blue).save(&buffer, "BMP");
    return buffer.data();
}

// The valid bitmap with the little-endian 32-bit fields at the given offsets
// replaced.
QByteArray Poked(std::initializer_list<std::pair<int, quint32>> fields) {
    QByteArray bytes = ValidBmp();
    for (const auto& [at, value] : fields)
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xff);
    return bytes;
}

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

    void bmpHeader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        const QByteArray good = ValidBmp();
        QTest::newRow("valid") << good << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("signature only") << QByteArray("BM") << false;
        QTest::newRow("no BM signature") << QByteArray(good).replace(0, 1, "P") << false;
        QTest::newRow("pixels cut short") << good.left(good.size() - 1) << false;
        QTest::newRow("wider than 8192") << Poked({{18, MaxBitmapSide + 1}}) << false;
        QTest::newRow("taller than the file") << Poked({{22, 100000}}) << false;
        QTest::newRow("absurd size") << Poked({{18, 0x7fffffff}, {22, 0x7fffffff}}) << false;
        QTest::newRow("no rows") << Poked({{22, 0}}) << false;
        QTest::newRow("unknown info header") << Poked({{14, 20}}) << false;
        QTest::newRow("pixels past the end") << Poked({{10, quint32(good.size() + 1)}}) << false;
        QTest::newRow("unsupported compression") << Poked({{30, 4}}) << false; // JPEG
        QTest::newRow("7 bits per pixel") << QByteArray(good).replace(28, 1, "\x07") << false;
    }
    void bmpHeader() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(BmpHeaderValid(bytes), valid);
        if (!valid)
            QVERIFY_THROWS_EXCEPTION(EInvalidBitmap, DecodeBmp(bytes));
        else
            QCOMPARE(DecodeBmp(bytes).size(), QSize(4, 3));
    }

    // Odd widths need row padding; Qt's reader checks the writer.
    void writeBmp24_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1x1") << QSize(1, 1);
        QTest::newRow("3x2") << QSize(3, 2);
        QTest::newRow("5x7") << QSize(5, 7);
        QTest::newRow("8x3") << QSize(8, 3);
    }
    void writeBmp24() {
        QFETCH(QSize, size);
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb(40 * x + 1, 30 * y + 2, 7 * x * y + 3));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(WriteBmp24(buffer, image));
        const QByteArray bytes = buffer.data();
        const int rowBytes = (size.width() * 3 + 3) / 4 * 4;
        QCOMPARE(bytes.size(), 54 + rowBytes * size.height());
        QCOMPARE(bytes[28], char(24));
        QVERIFY(BmpHeaderValid(bytes));
        QCOMPARE(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32), image);
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
        SaveBmpFile(path, drawing.Picture.Image());
        const QImage& picture = drawing.Picture.Image();
        QCOMPARE(QImage(path, "BMP").convertToFormat(QImage::Format_RGB32), picture);
        QCOMPARE(ReadBmpFile(path).convertToFormat(QImage::Format_RGB32), picture);
    }
};

QTEST_MAIN(TestMapPicture)
#include "tst_map_picture.moc"
