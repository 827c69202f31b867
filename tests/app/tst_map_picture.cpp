// The map picture: pixel positions, the layout box, keyed tile bitmaps, the
// messages of a drawing, and the bitmap files read and written.

#include "bmp_file.h"
#include "map_picture.h"
#include "recording_sink.h"
#include "test_bitmaps.h"

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

// A valid 24-bit bitmap from Qt's writer, for the header checks to damage.
QByteArray ValidBmp(int w = 4, int h = 3) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TileImage(w, h, Qt::red, Qt::blue).save(&buffer, "BMP");
    return buffer.data();
}

void Poke32(QByteArray& bytes, int at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xff);
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
        TMapState state;
        PlaceTiles(state, cells);
        const TLayoutBox box = LayoutBox(state);
        QCOMPARE(QSize(box.Width(), box.Height()), size);
        QCOMPARE(QPoint(box.OffsetX(), box.OffsetY()), offset);

        TRecordingSink sink;
        state.Messages = &sink;
        TMapPicture picture(state);
        picture.SetTileFolder(QStringLiteral("/nonexistent"));
        picture.DrawMap();
        QCOMPARE(picture.Image().size(), size);
        QCOMPARE(QPoint(state.OffsetX, state.OffsetY), offset);
        QVERIFY(state.MapPresent);
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

        TMapState state;
        TRecordingSink sink;
        state.Messages = &sink;
        PlaceTiles(state, AllAt({0, 0}));
        TMapPicture picture(state);
        picture.SetTileFolder(dir.path());
        picture.DrawMap();

        const QImage& image = picture.Image();
        QCOMPARE(image.pixelColor(0, 9), QColor(Qt::white));   // key of tile 11
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));   // key colour inside
        QCOMPARE(image.pixelColor(9, 9), QColor(Qt::red));     // tile 11 itself
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::green));   // tile 12 covers it
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::red));     // tile 12's key shows 11
        QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white)); // nothing drawn
        QCOMPARE(sink.Messages.size(), TileCount - 2);
    }

    void missingBitmaps() {
        TMapState state;
        TRecordingSink sink;
        state.Messages = &sink;
        PlaceTiles(state, AllAt({0, 0}));
        state.Tiles[11].Rotation = 3;
        TMapPicture picture(state);
        picture.SetTileFolder(QStringLiteral("/no/such/folder/"));
        picture.DrawMap();
        QCOMPARE(sink.Messages.size(), TileCount);
        QCOMPARE(sink.Messages[0],
                 QStringLiteral("File not found: /no/such/folder/AshenHollow1.bmp"));
        QCOMPARE(sink.Messages[10],
                 QStringLiteral("File not found: /no/such/folder/MarchLand3.bmp"));
        QCOMPARE(sink.Messages[19], QStringLiteral("File not found: /no/such/folder/Summit1.bmp"));
        QVERIFY(state.MapPresent);
        QImage white(picture.Image().size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        QCOMPARE(picture.Image(), white);
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

        TMapState state;
        TRecordingSink sink;
        state.Messages = &sink;
        PlaceTiles(state, AllAt({0, 0}));
        TMapPicture picture(state);
        picture.SetTileFolder(dir.path());
        try {
            picture.DrawMap();
            QFAIL("the drawing went on");
        } catch (const EInvalidBitmap& error) {
            QCOMPARE(QString::fromLatin1(error.what()),
                     QStringLiteral("Bitmap image is not valid"));
        }
        QCOMPARE(sink.Messages, QStringList{"File not found: " + dir.filePath("SourHollow1.bmp")});
        QCOMPARE(picture.Image().pixelColor(3, 3), QColor(Qt::red));
        QVERIFY(state.MapPresent);
    }

    void bmpHeader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        const QByteArray good = ValidBmp();
        QTest::newRow("valid") << good << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("signature only") << QByteArray("BM") << false;
        QByteArray png = good;
        png[0] = 'P';
        QTest::newRow("no BM signature") << png << false;
        QTest::newRow("pixels cut short") << good.left(good.size() - 1) << false;
        QByteArray wide = good;
        Poke32(wide, 18, MaxBitmapSide + 1);
        QTest::newRow("wider than 8192") << wide << false;
        QByteArray tall = good;
        Poke32(tall, 22, 100000);
        QTest::newRow("taller than the file") << tall << false;
        QByteArray huge = good;
        Poke32(huge, 18, 0x7fffffff);
        Poke32(huge, 22, 0x7fffffff);
        QTest::newRow("absurd size") << huge << false;
        QByteArray zero = good;
        Poke32(zero, 22, 0);
        QTest::newRow("no rows") << zero << false;
        QByteArray header = good;
        Poke32(header, 14, 20);
        QTest::newRow("unknown info header") << header << false;
        QByteArray offset = good;
        Poke32(offset, 10, static_cast<quint32>(good.size() + 1));
        QTest::newRow("pixels past the end") << offset << false;
        QByteArray compression = good;
        Poke32(compression, 30, 4); // JPEG inside a bitmap
        QTest::newRow("unsupported compression") << compression << false;
        QByteArray bits = good;
        bits[28] = 7;
        QTest::newRow("7 bits per pixel") << bits << false;
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

    void savedPictureReadsBack() {
        QTemporaryDir dir;
        QVERIFY(
            WriteTile(dir.filePath("MarchLand1.bmp"), TileImage(120, 90, Qt::darkCyan, Qt::blue)));
        QVERIFY(WriteTile(dir.filePath("Tor1.bmp"), TileImage(200, 200, Qt::yellow, Qt::black)));
        TMapState state;
        TRecordingSink sink;
        state.Messages = &sink;
        TCells cells = AllAt({0, 0});
        cells[16] = {-1, 1}; // Tor
        PlaceTiles(state, cells);
        TMapPicture picture(state);
        picture.SetTileFolder(dir.path());
        picture.DrawMap();

        const QString path = dir.filePath("map.bmp");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older file that is replaced");
        old.close();
        SaveBmpFile(path, picture.Image());
        QImage back(path, "BMP");
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), picture.Image());
        QCOMPARE(ReadBmpFile(path).convertToFormat(QImage::Format_RGB32), picture.Image());
    }

    void saveFailureIsAnInOutError() {
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(Qt::white);
        try {
            SaveBmpFile(QStringLiteral("/no/such/folder/map.bmp"), image);
            QFAIL("saved into a missing folder");
        } catch (const EInOutError& error) {
            QCOMPARE(QString::fromLatin1(error.what()), QStringLiteral("Invalid filename"));
        }
    }
};

QTEST_MAIN(TestMapPicture)
#include "tst_map_picture.moc"
