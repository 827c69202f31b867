// Export Picture, Print and Print Preview from the window: the export writes
// the format its name or its filter says, and printing sends the set-up sheet
// as one page to the printer (here a PDF file). That they need a map is
// checked with the other commands that do, in tst_form1.

#include "form_test.h"
#include "pdf_structure.h"
#include "setup_sheet.h"

#include <QAction>
#include <QFile>
#include <QTest>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPrintExport : public TFormTest {
    Q_OBJECT

    // Runs the action by its shortcut, or from its menu item when it has none.
    void Run(const QString& name) {
        auto* action = Child<QAction>(qPrintable(name));
        if (action->shortcut().isEmpty())
            action->trigger();
        else
            QTest::keySequence(Form.get(), action->shortcut());
    }

private slots:
    void init() { StartForm(); }
    void cleanup() { StopForm(); }

    void exportWritesTheChosenFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("png, the first filter") << "map.png" << 0 << QByteArray("\x89PNG");
        QTest::newRow("no extension: the filter's format") << "map" << 2 << QByteArray("<?xml");
        QTest::newRow("the extension over the filter") << "map.pdf" << 1 << QByteArray("%PDF-1.");
    }
    // The file holds the map picture alone (which format each name means is
    // the export's own test); the dialog starts on the filter chosen last time.
    void exportWritesTheChosenFormat() {
        QFETCH(QString, name);
        QFETCH(int, filter);
        QFETCH(QByteArray, magic);
        CreateMap();
        Dialogs->Answer = TileDir->filePath(name);
        Dialogs->AnswerFilter = filter;
        Run(QStringLiteral("A_ExportPicture"));
        QVERIFY(Dialogs->Errors.isEmpty());
        const QByteArray bytes = ReadAll(Dialogs->Answer);
        QVERIFY(bytes.startsWith(magic));
        if (filter == 0)
            QCOMPARE(QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32),
                     Form->MapImage());

        Run(QStringLiteral("A_ExportPicture"));
        QCOMPARE(Dialogs->StartFilters, (QList<int>{0, filter}));
    }

    // Through QPrinter to a PDF file, as a printer takes it: whole pages, the
    // tiles as art unless the print dialog chose the tile bitmaps.
    // A printer that cannot start (a print file in a missing folder) ends the
    // command with the error box, also from inside the preview.
    void printSendsTheSheet_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file"); // empty: the print dialog is cancelled
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("bitmaps");
        const QString failed = QStringLiteral("The sheet could not be printed.");
        QTest::newRow("print") << "A_Print"
                               << "sheet.pdf"
                               << "" << false;
        QTest::newRow("print with tile bitmaps") << "A_Print"
                                                 << "sheet.pdf"
                                                 << "" << true;
        QTest::newRow("print preview") << "A_PrintPreview"
                                       << "sheet.pdf"
                                       << "" << false;
        QTest::newRow("print cancelled") << "A_Print"
                                         << ""
                                         << "" << false;
        QTest::newRow("printer fails") << "A_Print"
                                       << "missing/sheet.pdf" << failed << false;
        QTest::newRow("printer fails in the preview") << "A_PrintPreview"
                                                      << "missing/sheet.pdf" << failed << false;
    }
    void printSendsTheSheet() {
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QString, error);
        QFETCH(bool, bitmaps);
        CreateMap();
        Dialogs->PrintFile = file.isEmpty() ? QString() : TileDir->filePath(file);
        if (bitmaps)
            Dialogs->PrintOptions = tavrin::TSheetOptions{tavrin::TTileLook::Bitmaps, 0};
        Run(action);
        QCOMPARE(Dialogs->PrintDialogs + Dialogs->Previews, 1);
        QCOMPARE(Dialogs->Errors, error.isEmpty() ? QStringList() : QStringList{error});
        if (file == QStringLiteral("sheet.pdf")) {
            const TPdfStructure pdf = PdfStructure(ReadAll(Dialogs->PrintFile));
            QVERIFY(pdf.Whole);
            QCOMPARE(pdf.Images > 0, bitmaps);
            // The window prints the plan every door paints: as many pages.
            const tavrin::TSheetPlan plan = tavrin::PlanSetupSheet(
                tavrin::SheetPageLayout(), *State, tavrin::SheetWordsToday(*State, {}, {}), {});
            QCOMPARE(pdf.PageSizes.size(), qsizetype(plan.Pages.size()));
        }
    }
};

QTEST_MAIN(TestPrintExport)
#include "tst_print_export.moc"
