// The window in the user's language: with the German translation installed
// the menus, the actions and the core's messages (whole, and built from a
// template) are German; a language the program lacks, English put first,
// and a missing or broken translation leave it in English.

#include "form_test.h"
#include "ui_language.h"

#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>

class TUiLanguageTest : public TFormTest {
    Q_OBJECT

    const QString Folder = QStringLiteral(TAVRIN_TRANSLATION_DIR);

    QStringList MenuTitles() {
        QStringList titles;
        for (const QAction* menu : Form->menuBar()->actions())
            titles << menu->text();
        return titles;
    }

private slots:
    void cleanup() {
        StopForm();
        InstallTranslation(*QCoreApplication::instance(), nullptr);
    }

    void germanWindow() {
        QCOMPARE(InstallTranslation(*QCoreApplication::instance(),
                                    LoadTranslation(Folder, {QStringLiteral("de-DE")})),
                 QStringLiteral("de"));
        StartForm();
        QCOMPARE(MenuTitles(), QStringList({"&Datei", "B&earbeiten", "&Karte", "&Ansicht"}));
        QCOMPARE(Form->findChild<QAction*>("A_CreateMap")->text(),
                 QStringLiteral("&Karte erstellen"));
        // Longer captions widen their buttons rather than being cut, side by side.
        const auto* create = Child<QPushButton>("btnCreateMap");
        const auto* save = Child<QPushButton>("btnSaveMap");
        for (const char* name : {"btnCreateMap", "btnSaveMap", "btnFindPath"}) {
            const auto* button = Child<QPushButton>(name);
            QVERIFY2(button->width() >= button->sizeHint().width(), name);
        }
        QVERIFY(save->x() > create->geometry().right());
        Ctrl(Qt::Key_S);
        QCOMPARE(Dialogs->Messages, QStringList{QStringLiteral("Es ist keine Karte im Speicher")});
        CreateMap();
        QVERIFY2(
            Child<QLabel>("lblFigures")->text().contains(QStringLiteral("erreichbar, längster")),
            qPrintable(Child<QLabel>("lblFigures")->text()));
        // The editor's sentences, a finding inside a refusal, an edge word
        // inside the finding.
        QCOMPARE(CoreText("The map cannot be completed: Steep Gap has a road at its lower edge; "
                          "Scarp has none at the edge they share."),
                 QStringLiteral("Die Karte lässt sich nicht vervollständigen: Steep Gap hat einen "
                                "Weg an seiner Kante unten; Scarp hat keinen an der gemeinsamen "
                                "Kante."));
        QCOMPARE(CoreText("Swap Scarp and March Land"), QStringLiteral("Scarp und March Land tauschen"));
        // The listing is data: the tiles' names and places, as in English.
        QVERIFY(Memo().contains(QStringLiteral("March Land: 0/0/")));
    }

    void englishWhenNoTranslationLoads_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QByteArray>("file"); // tavrin_de.qm's bytes in another folder, or none
        QTest::newRow("unknown language") << QStringList{"xx"} << QByteArray();
        QTest::newRow("English first") << QStringList{"en-US", "de"} << QByteArray();
        QTest::newRow("empty file") << QStringList{"de"} << QByteArray("");
        QFile good(Folder + QStringLiteral("/tavrin_de.qm"));
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray bytes = good.readAll();
        QTest::newRow("truncated file") << QStringList{"de"} << bytes.left(bytes.size() / 2);
        QTest::newRow("not a translation") << QStringList{"de"} << QByteArray(bytes.size(), 'x');
    }
    void englishWhenNoTranslationLoads() {
        QFETCH(QStringList, languages);
        QFETCH(QByteArray, file);
        QTemporaryDir other;
        QString folder = Folder;
        if (!file.isNull()) {
            folder = other.path();
            QFile broken(other.filePath(QStringLiteral("tavrin_de.qm")));
            QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(file) == file.size());
        }
        InstallTranslation(*QCoreApplication::instance(), LoadTranslation(folder, languages));
        StartForm();
        QCOMPARE(MenuTitles(), QStringList({"&File", "E&dit", "&Map", "&View"}));
        QCOMPARE(Child<QPushButton>("btnCreateMap")->geometry(), QRect(8, 8, 75, 25));
        QCOMPARE(Child<QPushButton>("btnSaveMap")->geometry(), QRect(88, 8, 121, 25));
        QCOMPARE(CoreText("Stopped after 7 maps."), QStringLiteral("Stopped after 7 maps."));
    }
};

QTEST_MAIN(TUiLanguageTest)
#include "tst_ui_language.moc"
