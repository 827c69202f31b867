// Export Picture, Print and Print Preview from the window: each needs a map,
// the export writes the format its name or its filter says, and printing
// sends the set-up sheet as one page to the printer (here a PDF file).

#include "form_test.h"
#include "pdf_structure.h"

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

    void Trigger(const char* action) { Child<QAction>(action)->trigger(); }

    // Runs `action` by its shortcut, or from its menu item when it has none.
    void Run(const char* action) {
        const QKeySequence keys = Child<QAction>(action)->shortcut();
        if (keys.isEmpty())
            Trigger(action);
        else
            QTest::keySequence(Form.get(), keys);
    }

private slots:
    void init() { StartForm(); }
    void cleanup() { StopForm(); }

    void needsAMap_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("export, Ctrl+E") << "A_ExportPicture";
        QTest::newRow("print, Ctrl+P") << "A_Print";
        QTest::newRow("print preview") << "A_PrintPreview";
    }
    void needsAMap() {
        QFETCH(QString, action);
        Run(action.toLatin1().constData());
        QCOMPARE(Dialogs->Messages, QStringList{QStringLiteral("There is no map in memory")});
        QVERIFY(Dialogs->FileDialogs.isEmpty());
        QCOMPARE(Dialogs->PrintDialogs + Dialogs->Previews, 0);
    }

    void exportWritesTheChosenFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("png, the first filter") << "map.png" << 0 << QByteArray("\x89PNG");
        QTest::newRow("no extension: the filter's format") << "map" << 2 << QByteArray("<?xml");
        QTest::newRow("the extension over the filter") << "map.pdf" << 1 << QByteArray("%PDF-1.");
        QTest::newRow("jpeg") << "map.jpeg" << 1 << QByteArray("\xff\xd8\xff");
    }
    // The file holds the map picture alone, at its own size; the dialog
    // starts on the filter chosen last time.
    void exportWritesTheChosenFormat() {
        QFETCH(QString, name);
        QFETCH(int, filter);
        QFETCH(QByteArray, magic);
        CreateMap();
        Dialogs->Answer = TileDir->filePath(name);
        Dialogs->AnswerFilter = filter;
        Run("A_ExportPicture");
        QVERIFY(Dialogs->Errors.isEmpty());
        const TFileDialog& dialog = Dialogs->FileDialogs.last();
        QCOMPARE(dialog.Title, QStringLiteral("Export Picture"));
        QCOMPARE(dialog.DefaultExt, QStringLiteral("png"));
        const QByteArray bytes = ReadAll(Dialogs->Answer);
        QVERIFY(bytes.startsWith(magic));
        if (magic.startsWith("\x89PNG") || magic.startsWith("\xff"))
            QCOMPARE(QImage::fromData(bytes).size(), Form->MapImage().size());
        if (magic.startsWith("%PDF"))
            QCOMPARE(PdfStructure(bytes).PageSizes.size(), 1);

        Run("A_ExportPicture");
        QCOMPARE(Dialogs->StartFilters, (QList<int>{0, filter}));
    }

    // Writing fails: the error box tells why, and the next command runs.
    void exportFailureIsReported() {
        CreateMap();
        Dialogs->Answer = TileDir->filePath("missing/map.png");
        Run("A_ExportPicture");
        QCOMPARE(Dialogs->Errors, QStringList{QStringLiteral("File not found.")});
    }

    void printSendsTheSheet_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("print") << "A_Print";
        QTest::newRow("print preview") << "A_PrintPreview";
    }
    // Through QPrinter to a PDF file, as a printer takes it: one whole page.
    void printSendsTheSheet() {
        QFETCH(QString, action);
        CreateMap();
        Dialogs->PrintFile = TileDir->filePath("sheet.pdf");
        Run(action.toLatin1().constData());
        QVERIFY(Dialogs->Errors.isEmpty());
        const TPdfStructure pdf = PdfStructure(ReadAll(Dialogs->PrintFile));
        QVERIFY(pdf.Whole);
        QCOMPARE(pdf.PageSizes.size(), 1);
    }

    void printCancelledPrintsNothing() {
        CreateMap();
        Run("A_Print");
        QCOMPARE(Dialogs->PrintDialogs, 1);
        QVERIFY(Dialogs->Errors.isEmpty());
    }

    // A printer that cannot start (here a print file in a missing folder)
    // ends the command with the error box, also from inside the preview.
    void printFailureIsReported_data() { printSendsTheSheet_data(); }
    void printFailureIsReported() {
        QFETCH(QString, action);
        CreateMap();
        Dialogs->PrintFile = TileDir->filePath("missing/sheet.pdf");
        Run(action.toLatin1().constData());
        QCOMPARE(Dialogs->Errors, QStringList{QStringLiteral("The sheet could not be printed.")});
    }
};

QTEST_MAIN(TestPrintExport)
#include "tst_print_export.moc"
