// Tile bitmaps read with Qt's codec: every depth and compression of the fuzz
// corpus, hostile headers refused before decoding, the memory the decoded
// tiles may keep, and the saved picture's format. The key colour is checked
// where tiles are drawn (tst_map_picture).

#include "bmp_file.h"
#include "tile_bitmap.h"
#include "tile_cache.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

namespace {

QByteArray CorpusFile(const QString& name) {
    QFile file(QStringLiteral(TILE_CORPUS_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("corpus file %s missing", qPrintable(name));
    return file.readAll();
}

QByteArray QtBmp(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return buffer.data();
}

quint32 Field(const QByteArray& bytes, int at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(bytes[at + i]);
    return value;
}

} // namespace

class TestTileBitmaps : public QObject {
    Q_OBJECT

private slots:
    // An invalid size means "refused".
    void decode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        const QSize small(6, 5);
        for (const char* name :
             {"bpp1", "bpp4", "bpp8", "bpp16", "bpp16_bitfields", "bpp24", "bpp24_top_down",
              "bpp32", "bpp32_alpha_v4", "core_header_24", "rle8", "rle4",
              "rle8_runs_past_the_edges", "pixels_cut_short", "pixels_past_the_end"})
            QTest::newRow(name) << CorpusFile(QString::fromLatin1(name) + ".bmp") << small;
        QTest::newRow("exactly_1024_wide") << CorpusFile("exactly_1024_wide.bmp") << QSize(1024, 1);
        QImage largest(MaxTileSide, MaxTileSide, QImage::Format_RGB32);
        largest.fill(Qt::darkGreen);
        QTest::newRow("1024 x 1024") << QtBmp(largest) << largest.size();
        for (const char* name :
             {"rle8_declares_5700", "rle4_declares_5700", "declares_8192", "declares_1025_wide",
              "huge_dimensions", "height_int_min", "negative_width", "zero_height", "header_only",
              "palette_count_absurd", "bits_7", "jpeg_compression", "png_compression", "png_file",
              "not_a_bitmap", "empty", "signature_only"})
            QTest::newRow(name) << CorpusFile(QString::fromLatin1(name) + ".bmp") << QSize();
    }
    void decode() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        if (!size.isValid()) {
            try {
                DecodeTileBitmap(bytes, "tile.bmp");
                QFAIL("decoded");
            } catch (const EInvalidBitmap& error) {
                QCOMPARE(error.what(), "Bitmap image is not valid");
                QCOMPARE(error.Path(), std::string("tile.bmp"));
            }
            return;
        }
        const QImage image = DecodeTileBitmap(bytes, "tile.bmp");
        QCOMPARE(image.size(), size);
        QCOMPARE(KeyedTile(image).size(), size);
    }

    // Rows a cut-short file has no bytes for hold value 0, every time: the
    // last 20 bytes (the top row and a half) of a 6 x 5 file are missing.
    void cutShortFileIsBlackWhereItHasNoBytes() {
        const QImage image = DecodeTileBitmap(CorpusFile("pixels_cut_short.bmp"), "tile.bmp")
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(5, 4), qRgb(3, 2, 1));
    }

    // Tiles of the drawing under way are all kept; room for a new one is
    // made by dropping those unused the longest.
    void tileCacheStaysWithinItsBudget() {
        QTemporaryDir dir;
        const auto tile = [&](const char* name) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            QImage image(10, 10, QImage::Format_RGB32);
            image.fill(Qt::red);
            image.save(path, "BMP");
            return QFile::encodeName(path).toStdString();
        };
        const std::string a = tile("a.bmp"), b = tile("b.bmp"), c = tile("c.bmp"),
                          d = tile("d.bmp");
        constexpr qint64 OneTile = 10 * 10 * 4;
        TTileCache cache(2 * OneTile + OneTile / 2);
        cache.StartDrawing();
        for (const std::string& path : {a, b, c})
            QVERIFY(!cache.KeyedTileAt(path).isNull());
        QCOMPARE(cache.KeptBytes(), 3 * OneTile);
        cache.StartDrawing();
        QVERIFY(!cache.KeyedTileAt(c).isNull());
        QVERIFY(!cache.KeyedTileAt(d).isNull());
        QCOMPARE(cache.KeptBytes(), 2 * OneTile); // a and b dropped, c and d kept
        QVERIFY(cache.KeyedTileAt(dir.filePath("none.bmp").toStdString()).isNull());
    }

    // Whatever the image's format, the picture is saved with 24 bits a pixel
    // behind a 40-byte header, rows padded, at the resolution asked for.
    void encodedPictureIs24Bit_data() {
        QTest::addColumn<QImage>("image");
        QImage rgb(5, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                rgb.setPixel(x, y, qRgb(40 * x + 1, 30 * y + 2, 7 * x * y + 3));
        QTest::newRow("true colour, odd width") << rgb;
        QTest::newRow("with alpha") << rgb.convertToFormat(QImage::Format_ARGB32);
        QTest::newRow("indexed") << rgb.convertToFormat(QImage::Format_Indexed8);
        QTest::newRow("one bit") << rgb.convertToFormat(QImage::Format_Mono);
    }
    void encodedPictureIs24Bit() {
        QFETCH(QImage, image);
        const QByteArray bytes = EncodeBmp24(image, 3780);
        QCOMPARE(Field(bytes, 14, 4), 40u); // info header size
        QCOMPARE(Field(bytes, 28, 2), 24u); // bits per pixel
        QCOMPARE(Field(bytes, 30, 4), 0u);  // no compression
        QCOMPARE(Field(bytes, 38, 4), 3780u);
        QCOMPARE(bytes.size(), 54 + 16 * 3);
        QCOMPARE(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32),
                 image.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(TestTileBitmaps)
#include "tst_tile_bitmaps.moc"
