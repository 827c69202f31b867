// Passing maps on from the window and keeping them: the Share Map dialog and
// its buttons, and the kept maps, which outlive the run.

#include "form_test.h"
#include "map_string.h"
#include "map_view.h"
#include "share_code.h"
#include "share_dialog.h"
#include "stored_maps.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

class TestMapSharing : public TFormTest {
    Q_OBJECT

    std::string Shown() { return tavrin::MakeMapString(*State); }
    QStringList MenuItems(TForm1& form, const char* menu) {
        QStringList items;
        for (const QAction* item : form.findChild<QMenu*>(menu)->actions())
            items << item->text();
        return items;
    }

private slots:
    void init() { StartForm(); }
    void cleanup() { StopForm(); }

    // The history outlives the run up to the map shown: the next run starts
    // empty, its view offers Back, and Back shows that map again, then the
    // ones before it. The status bar tells where each stands and where it
    // came from.
    void historyOutlivesTheRun() {
        const QString backOffer = QStringLiteral("Back (Alt+Left) brings back the last one");
        QVERIFY(!Form->findChild<TMapView*>()->EmptyViewText().contains(backOffer));
        CreateMap();
        const std::string first = Shown();
        QGuiApplication::clipboard()->setText(QString::fromStdString(tavrin::ShareCode(Shown())));
        CreateMap();
        const std::string second = Shown();
        QTest::keySequence(Form.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
        QCOMPARE(Child<QLabel>("lblMapPlace")->text(), QStringLiteral("map 3 of 3, pasted code"));
        QTest::keySequence(Form.get(), QKeySequence(Qt::ALT | Qt::Key_Left));
        QCOMPARE(Child<QLabel>("lblMapPlace")->text(), QStringLiteral("map 2 of 3"));
        Child<QAction>("A_Exit")->trigger();
        QVERIFY(!Form->isVisible());
        Form.reset();

        *State = *std::make_unique<tavrin::TMapState>();
        tavrin::InitTiles(*State, 1);
        TForm1 next(*State, *Dialogs, *Settings);
        QVERIFY(next.findChild<QPlainTextEdit*>("Memo1")->toPlainText().isEmpty());
        QVERIFY(!State->MapPresent);
        QVERIFY(next.findChild<TMapView*>()->EmptyViewText().contains(backOffer));
        next.findChild<QAction*>("A_Back")->trigger();
        QCOMPARE(Shown(), second);
        QCOMPARE(next.SeedText(), QStringLiteral("Seed 12345, map 2"));
        QCOMPARE(next.findChild<QLabel*>("lblMapPlace")->text(), QStringLiteral("map 2 of 2"));
        next.findChild<QAction*>("A_Back")->trigger();
        QCOMPARE(Shown(), first);
        QVERIFY(!next.findChild<QAction*>("A_Back")->isEnabled());
    }

    void shareDialogShowsAndCopies() {
        CreateMap();
        QTest::keySequence(Form.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        auto* dialog = Form->findChild<TShareDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        const QString code = QString::fromStdString(tavrin::ShareCode(Shown()));
        QCOMPARE(dialog->findChild<QLineEdit*>("edShareCode")->text(), code);
        QCOMPARE(dialog->findChild<QLineEdit*>("edShareLink")->text(), "tavrin:" + code);
        QCOMPARE(dialog->findChild<QLabel*>("lblShareSeed")->text(), Form->SeedText());
        QTest::mouseClick(dialog->findChild<QPushButton*>("btnCopyLink"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), "tavrin:" + code);
        QTest::mouseClick(dialog->findChild<QPushButton*>("btnCopyCode"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), code);
        QTest::mouseClick(dialog->findChild<QPushButton*>("btnCopyPicture"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), Form->MapImage().size());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(!Form->findChild<TShareDialog*>());
    }

    // Kept under the name given, or under the map's naming when none is;
    // listed newest first in this run and the next; opened and removed from
    // the menus.
    void keptMapsOutliveTheRun() {
        QVERIFY(!Child<QMenu>("KeptMaps1")->isEnabled());
        CreateMap();
        const std::string first = Shown();
        Dialogs->Entry = QStringLiteral("Lake & hills");
        Ctrl(Qt::Key_D);
        CreateMap();
        const QString naming = Form->SeedText();
        Dialogs->Entry = QStringLiteral("  ");
        Ctrl(Qt::Key_D);
        Dialogs->Entry.reset();
        Ctrl(Qt::Key_D); // cancelled: nothing kept
        CreateMap();

        TForm1 next(*State, *Dialogs, *Settings);
        QCOMPARE(MenuItems(next, "KeptMaps1"), (QStringList{naming, "Lake && hills"}));
        next.findChild<QMenu*>("KeptMaps1")->actions()[1]->trigger();
        QCOMPARE(Shown(), first);
        next.findChild<QMenu*>("RemoveKeptMap1")->actions()[0]->trigger();
        QCOMPARE(MenuItems(next, "KeptMaps1"), QStringList{"Lake && hills"});
        QCOMPARE(MenuItems(next, "RemoveKeptMap1"), QStringList{"Lake && hills"});
    }

    // A map another window keeps is listed when the Map menu opens.
    void keptMapsOfAnotherWindowShowWhenTheMenuOpens() {
        QSettings otherSettings(Settings->fileName(), QSettings::IniFormat);
        TForm1 other(*State, *Dialogs, otherSettings);
        CreateMap();
        Dialogs->Entry = QStringLiteral("From the first window");
        Ctrl(Qt::Key_D);
        QVERIFY(MenuItems(other, "KeptMaps1").isEmpty());
        emit other.findChild<QMenu*>("Map1")->aboutToShow();
        QCOMPARE(MenuItems(other, "KeptMaps1"), QStringList{"From the first window"});
    }

    // A settings file that cannot be written (its folder is a file) is said
    // once; the maps kept stay listed.
    void unwritableSettingsAreSaidOnce() {
        WriteFile(QStringLiteral("blocker"), {});
        QSettings blocked(TileDir->filePath(QStringLiteral("blocker/settings.ini")),
                          QSettings::IniFormat);
        TForm1 form(*State, *Dialogs, blocked);
        Dialogs->Entry = QStringLiteral("Kept");
        for (int i = 0; i < 2; ++i) {
            form.findChild<QAction*>("A_CreateMap")->trigger();
            form.findChild<QAction*>("A_KeepMap")->trigger();
        }
        QTRY_COMPARE(Dialogs->Messages.count(tavrin::StoreFailedText), 1);
        QCOMPARE(MenuItems(form, "KeptMaps1"), (QStringList{"Kept", "Kept"}));
    }
};

QTEST_MAIN(TestMapSharing)
#include "tst_map_sharing.moc"
