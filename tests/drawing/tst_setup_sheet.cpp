// The set-up sheet: which pages it takes and where the map lies on them, the
// PDF it makes (paper, vector art or bitmaps), and the words of its text
// layer (every tile's name and the grid's numbers).

#include "acceptance.h"
#include "map_picture.h"
#include "pdf_structure.h"
#include "setup_sheet.h"
#include "test_state.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

namespace {

// A4 inside margins of 7 mm, upright, in points.
const QSizeF A4Area((210 - 14) / 25.4 * 72, (297 - 14) / 25.4 * 72);
// Names readable at 2 mm with 12-pixel names.
constexpr qreal MinScale = 2 / 25.4 * 72 / 12;

// Text sizes fixed by hand, near those of the sheet's fonts, so that the
// layout is checked without fonts.
TSheetMetrics FixedMetrics() {
    TSheetMetrics metrics;
    metrics.HeaderHeight = 45;
    metrics.Gap = 11;
    metrics.GridWidth = 12;
    metrics.GridHeight = 12;
    metrics.LabelHeight = 16;
    metrics.RowHeight = 15;
    metrics.ColumnWidths = {20, 80, 150, 40, 30, 45};
    return metrics;
}

std::unique_ptr<TMapState> MadeMap(std::uint32_t seed) {
    auto state = test::FreshState(seed);
    CreateMap(*state);
    return state;
}

// The drawn picture of the map; white, as if no tile bitmap were there.
QImage WhitePicture(const TMapState& state) {
    QImage picture(PictureSize(LayoutBox(state)), QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

// The words of a PDF's text layer, as pdftotext reads them.
QString TextLayer(const QByteArray& pdf) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("sheet.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")});
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace

class TestSetupSheet : public QObject {
    Q_OBJECT

private slots:
    void pagesFollowTheMap_data() {
        QTest::addColumn<QSizeF>("map");
        QTest::addColumn<qreal>("tileScale");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("posterPages");
        QTest::newRow("small map: one page") << QSizeF(800, 700) << 0.0 << 1 << 0;
        QTest::newRow("tall map: map page, table page") << QSizeF(950, 1162) << 0.0 << 2 << 0;
        QTest::newRow("20 tiles in one row: a poster")
            << QSizeF(19 * 150 + 200, 288) << 0.0 << 3 << 2;
        QTest::newRow("100 mm a tile") << QSizeF(950, 1162) << 100 / 25.4 * 72 / 200 << 9 << 8;
        QTest::newRow("tiles far apart: whole after all")
            << QSizeF(255 * 150 + 200, 255 * 175 + 200) << 0.0 << 2 << 0;
    }
    // Every page's map lies on the page, clear of the table, at a scale at
    // which names can be read (or at the one asked for), and the parts of a
    // poster cover the whole map, neighbours sharing the overlap.
    void pagesFollowTheMap() {
        QFETCH(QSizeF, map);
        QFETCH(qreal, tileScale);
        QFETCH(int, pages);
        QFETCH(int, posterPages);
        const TSheetPlan plan = PlanSheet(A4Area, map, FixedMetrics(), MinScale, tileScale);
        QCOMPARE(int(plan.Pages.size()), pages);
        QCOMPARE(plan.PosterRows * plan.PosterColumns, posterPages);
        QVERIFY(plan.Scale >= MinScale || map.width() > 10000);
        if (tileScale > 0)
            QCOMPARE(plan.Scale, tileScale);
        const QRectF area =
            QRectF(QPointF(),
                   plan.Orientation == QPageLayout::Portrait ? A4Area : A4Area.transposed())
                .adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
        qreal covered = 0;
        for (const TSheetPage& page : plan.Pages) {
            for (const QRectF& part : {page.Map, page.Table})
                QVERIFY(part.isEmpty() || area.contains(part));
            QVERIFY(!page.Map.intersects(page.Table));
            QCOMPARE(page.Map.size(), page.MapPart.size() * plan.Scale);
            covered += page.MapPart.width() * page.MapPart.height();
        }
        if (posterPages == 0) {
            QCOMPARE(covered, map.width() * map.height());
            return;
        }
        const qreal overlap = PosterOverlap / plan.Scale;
        const TSheetPage& first = plan.Pages[1];
        const TSheetPage& last = plan.Pages.back();
        QCOMPARE(first.MapPart.topLeft(), QPointF(0, 0));
        QCOMPARE(last.MapPart.bottomRight(), QPointF(map.width(), map.height()));
        if (plan.PosterColumns > 1)
            QCOMPARE(first.MapPart.right() - plan.Pages[2].MapPart.left(), overlap);
    }

    void pdfOnStandardPaper_data() {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<TTileLook>("look");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<bool>("images");
        QTest::newRow("A4, art") << QPageSize::A4 << TTileLook::Art << QSizeF(595, 842) << false;
        QTest::newRow("Letter, bitmaps")
            << QPageSize::Letter << TTileLook::Bitmaps << QSizeF(612, 792) << true;
    }
    // Pages of the paper asked for, in points; the art leaves the tiles
    // without a single raster image, the bitmaps are one.
    void pdfOnStandardPaper() {
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(TTileLook, look);
        QFETCH(QSizeF, page);
        QFETCH(bool, images);
        const auto state = MadeMap(7);
        const QByteArray bytes = SetupSheetPdf(*state, WhitePicture(*state), SheetText(*state, {}),
                                               {look, 0}, SheetPageLayout(QPageSize(paper)));
        const TPdfStructure pdf = PdfStructure(bytes);
        QVERIFY(pdf.Whole);
        QCOMPARE(pdf.PageSizes, (QList<QSizeF>{page, page}));
        QCOMPARE(pdf.Images > 0, images);
    }

    // The text layer holds the title, the key figures, every tile's name on the map and in
    // the table, and each column number twice (above and below the map) and
    // each row number once (beside it) besides the table's.
    void textLayerHasNamesAndGrid() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const auto state = MadeMap(12345);
        const TSheetText text = SheetText(*state, QStringLiteral("Seed 12345, map 1"));
        const QString art = TextLayer(SetupSheetPdf(*state, WhitePicture(*state), text));
        QVERIFY(art.contains(QStringLiteral("Tavrin map: Seed 12345, map 1")));
        QVERIFY(art.contains(QStringLiteral("Reachable clearings ")));
        QVERIFY(art.contains(text.ShareCode));
        for (const TSheetRow& row : text.Rows)
            QVERIFY2(art.count(row.Tile) >= 2, qPrintable(row.Tile));

        // With blank bitmaps for tiles the numbers come from the table and
        // the grid alone.
        const QStringList words =
            TextLayer(SetupSheetPdf(*state, WhitePicture(*state), text, {TTileLook::Bitmaps, 0}))
                .split(QRegularExpression(QStringLiteral("\\s+")));
        const auto inTable = [&](const QString& number) {
            int count = 0;
            for (const TSheetRow& row : text.Rows)
                for (const QString& cell : {row.Step, row.Column, row.Row, row.Rotation})
                    count += cell == number;
            return count;
        };
        for (const TSheetRow& row : text.Rows) {
            QVERIFY2(words.count(row.Column) >= inTable(row.Column) + 2, qPrintable(row.Column));
            QVERIFY2(words.count(row.Row) >= inTable(row.Row) + 1, qPrintable(row.Row));
        }
    }
};

QTEST_MAIN(TestSetupSheet)
#include "tst_setup_sheet.moc"
