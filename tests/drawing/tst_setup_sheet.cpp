// The set-up sheet painted: the PDF it makes (the plan's pages on the paper
// asked for, vector art or bitmaps), the words of its text layer (every
// tile's name and the grid's numbers), a QR code a reader decodes from a
// 300-dpi print, and the art's name places the plan keeps as data.

#include "acceptance.h"
#include "map_picture.h"
#include "pdf_structure.h"
#include "setup_sheet.h"
#include "test_state.h"
#include "tile_name_places.h"
#include "tile_painter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

namespace {

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

// What `program` prints for a PDF file written in `dir`, given as its last
// argument but one (the last being `after`, when given).
QString ToolOutput(const QTemporaryDir& dir, const QByteArray& pdf, const QString& program,
                   QStringList arguments) {
    QFile file(dir.filePath(QStringLiteral("sheet.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    for (QString& argument : arguments)
        argument.replace(QStringLiteral("PDF"), file.fileName());
    QProcess tool;
    tool.setWorkingDirectory(dir.path());
    tool.start(program, arguments);
    tool.waitForFinished(60000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The words of a PDF's text layer, as pdftotext reads them.
QString TextLayer(const QByteArray& pdf) {
    QTemporaryDir dir;
    return ToolOutput(dir, pdf, QStringLiteral("pdftotext"),
                      {QStringLiteral("PDF"), QStringLiteral("-")});
}

TSheetWords Words(const TMapState& state, const char* seedText = "", const char* address = "") {
    return SheetWords(state, seedText, "2026-01-02", address);
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

class TestSetupSheet : public QObject {
    Q_OBJECT

private slots:
    void pdfOnStandardPaper_data() {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<TTileLook>("look");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<bool>("images");
        QTest::newRow("A4, art") << QPageSize::A4 << TTileLook::Art << QSizeF(595, 842) << false;
        QTest::newRow("Letter, bitmaps")
            << QPageSize::Letter << TTileLook::Bitmaps << QSizeF(612, 792) << true;
    }
    // The plan's pages on the paper asked for, turned as the plan says, in
    // points; the art leaves the tiles without a single raster image, the
    // bitmaps are one.
    void pdfOnStandardPaper() {
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(TTileLook, look);
        QFETCH(QSizeF, page);
        QFETCH(bool, images);
        const auto state = MadeMap(7);
        const TSheetWords words = Words(*state);
        const QPageLayout layout = SheetPageLayout(QPageSize(paper));
        const TSheetPlan plan = PlanSetupSheet(layout, *state, words, {look, 0});
        const TPdfStructure pdf =
            PdfStructure(SetupSheetPdf(*state, WhitePicture(*state), words, {look, 0}, layout));
        QVERIFY(pdf.Whole);
        const QSizeF turned = plan.Landscape ? page.transposed() : page;
        QCOMPARE(pdf.PageSizes, QList<QSizeF>(qsizetype(plan.Pages.size()), turned));
        QCOMPARE(pdf.Images > 0, images);
    }

    // The text layer holds the title, the key figures, every tile's name on the map and in
    // the table, and each column number twice (above and below the map) and
    // each row number once (beside it) besides the table's.
    void textLayerHasNamesAndGrid() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const auto state = MadeMap(12345);
        const TSheetWords text = Words(*state, "Seed 12345, map 1");
        const QString art = TextLayer(SetupSheetPdf(*state, WhitePicture(*state), text));
        QVERIFY(art.contains(QStringLiteral("Tavrin map: Seed 12345, map 1")));
        QVERIFY(art.contains(QStringLiteral("Reachable clearings ")));
        QVERIFY(art.contains(Latin1(text.ShareCode)));
        for (const TSheetRow& row : text.Rows)
            QVERIFY2(art.count(Latin1(row[1])) >= 2, row[1].c_str());

        // With blank bitmaps for tiles the numbers come from the table and
        // the grid alone.
        const QStringList words =
            TextLayer(SetupSheetPdf(*state, WhitePicture(*state), text, {TTileLook::Bitmaps, 0}))
                .split(QRegularExpression(QStringLiteral("\\s+")));
        const auto inTable = [&](const std::string& number) {
            int count = 0;
            for (const TSheetRow& row : text.Rows)
                for (const int c : {0, 3, 4, 5})
                    count += row[static_cast<std::size_t>(c)] == number;
            return count;
        };
        for (const TSheetRow& row : text.Rows) {
            QVERIFY2(words.count(Latin1(row[3])) >= inTable(row[3]) + 2, row[3].c_str());
            QVERIFY2(words.count(Latin1(row[4])) >= inTable(row[4]) + 1, row[4].c_str());
        }
    }

    // A phone reads the link from paper: zbarimg decodes it from page 1
    // printed at 300 dpi.
    void qrCodeDecodesFromA300DpiPrint() {
        for (const char* tool : {"pdftoppm", "zbarimg"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("pdftoppm (poppler-utils) and zbarimg (zbar-tools) are needed");
        const auto state = MadeMap(4);
        const TSheetWords words = Words(*state, "Seed 4, map 1", "https://example.org/tavrin/");
        const QByteArray pdf = SetupSheetPdf(*state, WhitePicture(*state), words);
        QTemporaryDir dir;
        ToolOutput(dir, pdf, QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                    QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                    QStringLiteral("1"), QStringLiteral("-singlefile"), QStringLiteral("PDF"),
                    dir.filePath(QStringLiteral("page"))});
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("-q"), QStringLiteral("--raw"),
                                               dir.filePath(QStringLiteral("page.png"))});
        zbar.waitForFinished(60000);
        QCOMPARE(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(),
                 QString::fromStdString(words.Link));
        QVERIFY(words.Link.starts_with("https://example.org/tavrin/#"));
    }

    // The plan keeps the art's name places as data: they are the art's.
    void artNamePlacesAreTheArts() {
        const auto state = test::FreshState();
        for (int tile = 1; tile <= TileCount; ++tile)
            for (int rotation = 1; rotation <= 6; ++rotation) {
                const QRectF art = tileart::NamePlate(*state, tile, rotation);
                const TArtNamePlace& kept = ArtNamePlace(tile, rotation);
                const QRectF box(kept.X, kept.Y, kept.W, kept.H);
                const QString what = QStringLiteral("tile %1 rotation %2").arg(tile).arg(rotation);
                QVERIFY2(box.contains(art) && box.width() - art.width() <= 0.2 &&
                             box.height() - art.height() <= 0.2,
                         qPrintable(what));
                QCOMPARE(kept.Pixels, tileart::NamePixels(*state, tile, rotation));
            }
    }
};

QTEST_MAIN(TestSetupSheet)
#include "tst_setup_sheet.moc"
