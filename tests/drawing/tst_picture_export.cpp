// Exported pictures: each format's file is what it says and holds the whole
// picture at its own size (PDF: on a page of standard paper), the name
// chooses the format, and SVG and PDF draw the tile art as vectors. Writing
// the file is the file layer's, tested there.

#include "acceptance.h"
#include "pdf_structure.h"
#include "picture_export.h"
#include "setup_sheet.h"
#include "test_state.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryFile>
#include <QTest>

using namespace tavrin;

Q_DECLARE_METATYPE(TPictureFormat)

namespace {

// Red at the left, blue at the right: a mirrored, cut or shifted copy shows.
QImage Picture() {
    QImage image(300, 175, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(150, 0, 150, 175, Qt::blue);
    return image;
}

// The colours at the middle of either half, as a viewer would show them.
QList<QColor> HalfColours(const QImage& image) {
    const int y = image.height() / 2;
    return {image.pixelColor(image.width() / 4, y), image.pixelColor(3 * image.width() / 4, y)};
}

bool Near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) < 16 && qAbs(a.green() - b.green()) < 16 &&
           qAbs(a.blue() - b.blue()) < 16;
}

} // namespace

class TestPictureExport : public QObject {
    Q_OBJECT

private slots:
    void formatFromName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<TPictureFormat>("chosen");
        QTest::addColumn<TPictureFormat>("format");
        QTest::newRow("png") << "map.png" << TPictureFormat::Pdf << TPictureFormat::Png;
        QTest::newRow("jpg") << "a.jpg" << TPictureFormat::Png << TPictureFormat::Jpeg;
        QTest::newRow("jpeg") << "a.JPEG" << TPictureFormat::Png << TPictureFormat::Jpeg;
        QTest::newRow("svg") << "a.svg" << TPictureFormat::Png << TPictureFormat::Svg;
        QTest::newRow("pdf") << "a.pdf" << TPictureFormat::Png << TPictureFormat::Pdf;
        QTest::newRow("bmp") << "a.bmp" << TPictureFormat::Png << TPictureFormat::Bmp;
        QTest::newRow("no extension") << "map" << TPictureFormat::Svg << TPictureFormat::Svg;
        QTest::newRow("other extension")
            << "seed.7" << TPictureFormat::Jpeg << TPictureFormat::Jpeg;
        QTest::newRow("extension not last")
            << "map.png.txt" << TPictureFormat::Pdf << TPictureFormat::Pdf;
        QTest::newRow("bare extension word") << "png" << TPictureFormat::Svg << TPictureFormat::Svg;
    }
    void formatFromName() {
        QFETCH(QString, name);
        QFETCH(TPictureFormat, chosen);
        QFETCH(TPictureFormat, format);
        QCOMPARE(ExportFormat(name.toStdString(), chosen), format);
    }

    void fileIsWhatItSays_data() {
        QTest::addColumn<TPictureFormat>("format");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("bmp") << TPictureFormat::Bmp << QByteArray("BM");
        QTest::newRow("png") << TPictureFormat::Png << QByteArray("\x89PNG\r\n\x1a\n");
        QTest::newRow("jpeg") << TPictureFormat::Jpeg << QByteArray("\xff\xd8\xff");
        QTest::newRow("svg") << TPictureFormat::Svg << QByteArray("<?xml");
        QTest::newRow("pdf") << TPictureFormat::Pdf << QByteArray("%PDF-1.");
    }
    // Raster files and SVG read back as the whole picture at its own size;
    // the PDF is one whole page of the locale's paper, turned to suit it.
    void fileIsWhatItSays() {
        QFETCH(TPictureFormat, format);
        QFETCH(QByteArray, magic);
        const QImage picture = Picture();
        const QByteArray bytes = EncodePicture(picture, format);
        QVERIFY(bytes.startsWith(magic));

        QImage shown;
        if (format == TPictureFormat::Pdf) {
            const TPdfStructure pdf = PdfStructure(bytes);
            QVERIFY(pdf.Whole);
            const QSizeF paper = QSizeF(DefaultPaper().sizePoints());
            QCOMPARE(pdf.PageSizes, QList<QSizeF>{paper.transposed()});
            return;
        }
        if (format == TPictureFormat::Svg) {
            QSvgRenderer svg(bytes);
            QVERIFY(svg.isValid());
            QCOMPARE(svg.viewBox(), QRect(0, 0, 300, 175));
            shown = QImage(svg.viewBox().size(), QImage::Format_RGB32);
            shown.fill(Qt::white);
            QPainter painter(&shown);
            svg.render(&painter);
        } else {
            shown = QImage::fromData(bytes);
            QCOMPARE(qRound(shown.dotsPerMeterX() * 0.0254), PictureDpi);
        }
        QCOMPARE(shown.size(), picture.size());
        const QList<QColor> colours = HalfColours(shown);
        QVERIFY2(Near(colours[0], Qt::red) && Near(colours[1], Qt::blue),
                 qPrintable(colours[0].name() + ' ' + colours[1].name()));
        if (format == TPictureFormat::Png || format == TPictureFormat::Bmp)
            QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), picture);
    }

    // The art is vectors and text: no raster image in either file.
    void artIsVectors() {
        auto state = test::FreshState(7);
        CreateMap(*state);
        const QImage picture = Picture();
        const QByteArray pdf = EncodeMap(*state, picture, TPictureFormat::Pdf, TTileLook::Art);
        QCOMPARE(PdfStructure(pdf).Images, 0);
        QVERIFY(PdfStructure(EncodeMap(*state, picture, TPictureFormat::Pdf, TTileLook::Bitmaps))
                    .Images > 0);
        const QByteArray svg = EncodeMap(*state, picture, TPictureFormat::Svg, TTileLook::Art);
        QVERIFY(QSvgRenderer(svg).isValid());
        QVERIFY(!svg.contains("<image"));
    }

    // The colour-blind palette repaints PNG and the art in vector files; a
    // bitmap stays the tile bitmaps' picture, byte for byte, and the standard
    // palette leaves PNG as it always was.
    void paletteColoursAllButTheBitmap() {
        auto state = test::FreshState(7);
        CreateMap(*state);
        const QImage picture = Picture();
        const auto encode = [&](TPictureFormat format, TPalette palette) {
            return EncodeMap(*state, picture, format, TTileLook::Art, {}, palette);
        };
        QCOMPARE(encode(TPictureFormat::Bmp, TPalette::ColourBlind),
                 EncodePicture(picture, TPictureFormat::Bmp));
        QCOMPARE(encode(TPictureFormat::Png, TPalette::Standard),
                 EncodePicture(picture, TPictureFormat::Png));
        const QImage recoloured =
            QImage::fromData(encode(TPictureFormat::Png, TPalette::ColourBlind));
        QCOMPARE(recoloured.size(), picture.size());
        QVERIFY(recoloured.convertToFormat(QImage::Format_RGB32) !=
                picture.convertToFormat(QImage::Format_RGB32));
        const TRgb grove = PaletteColours(TPalette::ColourBlind).Terrain[1];
        QVERIFY(encode(TPictureFormat::Svg, TPalette::ColourBlind)
                    .contains(QColor(grove.R, grove.G, grove.B).name().toLatin1()));
        QVERIFY(!encode(TPictureFormat::Svg, TPalette::Standard)
                     .contains(QColor(grove.R, grove.G, grove.B).name().toLatin1()));
    }

    // The map's code and naming travel inside the file: PNG and JPEG text
    // entries, the SVG title and description, the PDF title and subject (the
    // latter read by pdfinfo, where installed, from a file still whole).
    void metadataNamesTheMap_data() {
        QTest::addColumn<TPictureFormat>("format");
        QTest::newRow("png") << TPictureFormat::Png;
        QTest::newRow("jpeg") << TPictureFormat::Jpeg;
        QTest::newRow("svg") << TPictureFormat::Svg;
        QTest::newRow("pdf") << TPictureFormat::Pdf;
    }
    void metadataNamesTheMap() {
        QFETCH(TPictureFormat, format);
        const TPictureMetadata metadata{QStringLiteral("M7RFC-5GAJ-FFQA-AA1X-MVQE-F66D-ZWEX"),
                                        QStringLiteral("Seed 12345, map 1")};
        const QByteArray bytes = EncodePicture(Picture(), format, metadata);
        const QString title = QStringLiteral("Tavrin map ") + metadata.Code;
        const QString subject = metadata.Seed + QStringLiteral("; tavrin:") + metadata.Code;
        if (format == TPictureFormat::Svg) {
            QVERIFY(bytes.contains("<title>" + title.toUtf8() + "</title>"));
            QVERIFY(bytes.contains("<desc>" + subject.toUtf8() + "</desc>"));
        } else if (format == TPictureFormat::Pdf) {
            QVERIFY(PdfStructure(bytes).Whole);
            const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
            if (pdfinfo.isEmpty())
                QSKIP("pdfinfo is not installed");
            QTemporaryFile file;
            QVERIFY(file.open());
            file.write(bytes);
            file.close();
            QProcess info;
            info.start(pdfinfo, {file.fileName()});
            QVERIFY(info.waitForFinished(10000));
            const QString out = QString::fromUtf8(info.readAllStandardOutput());
            QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Title: +") + title + '\n')) &&
                         out.contains(QRegularExpression(QStringLiteral("Subject: +") +
                                                         QRegularExpression::escape(subject))),
                     qPrintable(out));
            QCOMPARE(info.exitCode(), 0);
        } else {
            const QImage read = QImage::fromData(bytes);
            QCOMPARE(read.text(QStringLiteral("Title")), title);
            QCOMPARE(read.text(QStringLiteral("MapCode")), metadata.Code);
            QCOMPARE(read.text(QStringLiteral("Seed")), metadata.Seed);
        }
    }

    void nullPictureIsRefused() {
        for (TPictureFormat format :
             {TPictureFormat::Bmp, TPictureFormat::Png, TPictureFormat::Jpeg, TPictureFormat::Svg,
              TPictureFormat::Pdf})
            QVERIFY_THROWS_EXCEPTION(EPictureNotEncoded, EncodePicture(QImage(), format));
    }
};

QTEST_MAIN(TestPictureExport)
#include "tst_picture_export.moc"
