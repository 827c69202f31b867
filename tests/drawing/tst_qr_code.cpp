// QR codes: a reader gets the link back from the painted code (zbarimg,
// where installed), whatever the box, and every module is whole.

#include "qr_code.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

class TestQrCode : public QObject {
    Q_OBJECT

private slots:
    void readerGetsTheTextBack_data() {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QRectF>("box");
        QTest::newRow("square") << QSize(300, 300) << QRectF(0, 0, 300, 300);
        QTest::newRow("wide box, off the origin") << QSize(500, 260) << QRectF(40, 20, 440, 230);
        QTest::newRow("fraction of a pixel a module") << QSize(120, 120) << QRectF(3, 3, 110, 110);
    }
    void readerGetsTheTextBack() {
        QFETCH(QSize, image);
        QFETCH(QRectF, box);
        const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (zbarimg.isEmpty())
            QSKIP("zbarimg is not installed");
        const QByteArray link = "tavrin:M7RFC-5GAJ-FFQA-AA1X-MVQE-F66D-ZWEX";
        QImage picture(image, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        {
            QPainter painter(&picture);
            PaintQrCode(painter, box, link);
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("qr.png"));
        QVERIFY(picture.save(path));
        QProcess reader;
        reader.start(zbarimg, {QStringLiteral("--raw"), QStringLiteral("-q"), path});
        QVERIFY(reader.waitForFinished(10000));
        QCOMPARE(reader.readAllStandardOutput().trimmed(), link);
    }

    void modulesAreWholePixelsInsideTheBox() {
        const QByteArray text = "tavrin:ABCD";
        const TQrCode qr = MakeQrCode(text);
        QCOMPARE(qr.Size, 21); // version 1 holds it
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Qt::red);
        {
            QPainter painter(&picture);
            PaintQrCode(painter, QRectF(0, 0, 200, 100), text);
        }
        // 29 modules with the quiet zone, 3 pixels each, centred.
        const int left = (200 - 87) / 2, top = (100 - 87) / 2;
        QCOMPARE(picture.pixelColor(left - 1, 50), QColor(Qt::red));
        QCOMPARE(picture.pixelColor(left, 50), QColor(Qt::white));
        for (int y = 0; y < qr.Size; ++y)
            for (int x = 0; x < qr.Size; ++x)
                QCOMPARE(picture.pixelColor(left + 3 * (4 + x) + 1, top + 3 * (4 + y) + 1),
                         QColor(qr.IsDark(x, y) ? Qt::black : Qt::white));
    }
};

QTEST_MAIN(TestQrCode)
#include "tst_qr_code.moc"
