// The set-up sheet: where its parts go on a page, the words it paints (the
// map code and every tile's name, column, row and rotation), and the
// one-page PDF it makes.

#include "acceptance.h"
#include "listing.h"
#include "map_string.h"
#include "pdf_structure.h"
#include "recording_paint_device.h"
#include "setup_sheet.h"
#include "test_state.h"

#include <QDebug>
#include <QPainter>
#include <QTest>

using namespace tavrin;

Q_DECLARE_METATYPE(TTablePlace)

namespace {

constexpr int Dpi = 300;
// A4 inside margins of 15 mm, upright and turned, in pixels at 300 dpi.
const QSizeF Portrait(180 / 25.4 * Dpi, 267 / 25.4 * Dpi);
const QSizeF Landscape = Portrait.transposed();

// Text sizes fixed by hand, near those of the sheet's fonts at 300 dpi, so
// that the layout is checked without fonts.
TSheetMetrics FixedMetrics() {
    TSheetMetrics metrics;
    metrics.HeaderHeight = 50;
    metrics.Gap = 48;
    metrics.RowHeight = 68;
    metrics.ColumnWidths = {383, 237, 154, 250};
    return metrics;
}

// Pictures of maps drawn in a line: every column or row one tile further.
const QSize RowOf20(19 * 150 + 200, 88 + 200);
const QSize ColumnOf20(200, 19 * 175 + 200);

// A map made from a fixed seed, as Create Map makes it.
std::unique_ptr<TMapState> MadeMap() {
    auto state = test::FreshState(12345);
    CreateMap(*state);
    return state;
}

// The words of the tile listing, "March Land: 0/-1/3" as "March Land", "0",
// "-1", "3": read from the listing, not from the sheet's own rows.
QStringList ListingWords(const TMapState& state) {
    QStringList words;
    for (const std::string& line : TileListing(state)) {
        const QString text = QString::fromStdString(line);
        const qsizetype colon = text.indexOf(QStringLiteral(": "));
        words << text.left(colon) << text.mid(colon + 2).split(QLatin1Char('/'));
    }
    return words;
}

} // namespace

class TestSetupSheet : public QObject {
    Q_OBJECT

private slots:
    void layoutFitsPage_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<TTablePlace>("place");
        QTest::newRow("20 tiles in one row")
            << RowOf20 << QPageLayout::Landscape << TTablePlace::Below;
        QTest::newRow("20 tiles in one column")
            << ColumnOf20 << QPageLayout::Portrait << TTablePlace::Beside;
        QTest::newRow("square map")
            << QSize(1100, 1075) << QPageLayout::Landscape << TTablePlace::Beside;
        QTest::newRow("wide, low map")
            << QSize(2000, 1000) << QPageLayout::Portrait << TTablePlace::Below;
    }
    // The map keeps its proportions and lies whole on the page, clear of the
    // header and the table, in the orientation that shows it largest.
    void layoutFitsPage() {
        QFETCH(QSize, picture);
        QFETCH(QPageLayout::Orientation, orientation);
        QFETCH(TTablePlace, place);
        const TSheetMetrics metrics = FixedMetrics();
        const TSheetLayout layout = SheetLayout(Portrait, Landscape, picture, metrics);
        QCOMPARE(layout.Orientation, orientation);
        QCOMPARE(layout.Place, place);

        const QRectF page(QPointF(), orientation == QPageLayout::Portrait ? Portrait : Landscape);
        QVERIFY(layout.Scale > 0);
        QVERIFY(page.contains(layout.Map));
        QVERIFY(page.contains(layout.Table));
        QVERIFY(!layout.Map.intersects(layout.Table));
        QVERIFY(layout.Map.top() >= metrics.HeaderHeight);
        QVERIFY(layout.Table.top() >= metrics.HeaderHeight);
        QCOMPARE(layout.Map.width() / layout.Map.height(),
                 qreal(picture.width()) / picture.height());
        QCOMPARE(layout.Row(SheetTableRows - 1).bottom(), layout.Table.bottom());
    }

    // A page with no room for the map leaves it out rather than drawing it
    // over the table or off the page.
    void noRoomNoMap() {
        const TSheetLayout layout =
            SheetLayout(QSizeF(500, 900), QSizeF(900, 500), RowOf20, FixedMetrics());
        QCOMPARE(layout.Scale, 0.0);
        QVERIFY(layout.Map.isEmpty());
    }

    void sheetSaysCodeAndListing_data() {
        QTest::addColumn<QString>("seedText");
        QTest::newRow("seed unknown") << QString();
        QTest::newRow("seed known") << QStringLiteral("Seed 12345, map 1");
    }
    // Everything the sheet paints, in order, and all of it on the page.
    void sheetSaysCodeAndListing() {
        QFETCH(QString, seedText);
        const auto state = MadeMap();
        const TSheetText text = SheetText(*state, seedText);
        const QImage picture(950, 1162, QImage::Format_RGB32);

        TRecordingPaintDevice probe(Portrait.toSize(), Dpi);
        const TSheetMetrics metrics = SheetMetrics(probe, text);
        const TSheetLayout layout = SheetLayout(Portrait, Landscape, picture.size(), metrics);
        const QSizeF area = layout.Orientation == QPageLayout::Portrait ? Portrait : Landscape;
        TRecordingPaintDevice device(area.toSize(), Dpi);
        {
            QPainter painter(&device);
            PaintSetupSheet(painter, layout, metrics, picture, text);
        }

        QStringList expected{QStringLiteral("Map code: "),
                             QString::fromLatin1(MakeMapString(*state))};
        if (!seedText.isEmpty())
            expected << seedText;
        expected << QStringLiteral("Tile") << QStringLiteral("Column") << QStringLiteral("Row")
                 << QStringLiteral("Rotation") << ListingWords(*state);
        const TRecordingPaintEngine& drawn = device.Recorded();
        QCOMPARE(drawn.Texts, expected);
        QCOMPARE(drawn.Images, QList<QRectF>{layout.Map});

        for (const QRectF& box : drawn.TextBoxes + drawn.Shapes)
            QVERIFY2(box.left() >= 0 && box.top() >= 0 && box.right() <= device.width() &&
                         box.bottom() <= device.height(),
                     qPrintable(QDebug::toString(box)));
    }

    void pdfIsOnePage_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSizeF>("page");
        QTest::newRow("20 tiles in one row") << RowOf20 << QSizeF(842, 595);
        QTest::newRow("20 tiles in one column") << ColumnOf20 << QSizeF(595, 842);
    }
    // The sheet as tavrin-cli writes it: one whole page of A4, turned to
    // suit the map.
    void pdfIsOnePage() {
        QFETCH(QSize, picture);
        QFETCH(QSizeF, page);
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::white);
        const TPdfStructure pdf = PdfStructure(SetupSheetPdf(image, SheetText(*MadeMap(), {})));
        QVERIFY(pdf.Whole);
        QCOMPARE(pdf.PageSizes, QList<QSizeF>{page});
    }
};

QTEST_MAIN(TestSetupSheet)
#include "tst_setup_sheet.moc"
