// Closing the main window ends the program, whatever runs: here a Create Map
// Until search for a map no map meets, its progress dialog open. The search
// stops at once and the application's event loop returns, with no window
// left open. CTest's time limit is the deadline.

#include "create_until_dialog.h"
#include "fake_user_dialogs.h"
#include "form1.h"
#include "map_search.h"

#include <QAction>
#include <QApplication>
#include <QProgressDialog>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestProgramEnd : public QObject {
    Q_OBJECT

private slots:
    void closingDuringASearchEndsTheProgram() {
        tavrin::TMapState state;
        tavrin::InitTiles(state, 1);
        TFakeUserDialogs dialogs;
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        TForm1 form(state, dialogs, settings);
        form.show();

        QTimer::singleShot(0, &form, [&form] {
            // The dialog opens modal inside the command: it is answered from
            // the next turn of its own event loop.
            QTimer::singleShot(0, [] {
                auto* dialog =
                    qobject_cast<TCreateMapUntilDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->SetCriterion(tavrin::TFigure::Columns, true, 0);
                dialog->accept();
            });
            form.findChild<QAction*>(QStringLiteral("A_CreateMapUntil"))->trigger();
        });
        QTimer poll;
        connect(&poll, &QTimer::timeout, &form, [&form] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (qobject_cast<QProgressDialog*>(window) && window->isVisible())
                    form.close();
        });
        poll.start(50);

        QCOMPARE(QApplication::exec(), 0);
        const QString said = form.statusBar()->currentMessage();
        QVERIFY2(said.startsWith(QStringLiteral("Stopped after ")), qPrintable(said));
        QVERIFY(dialogs.Messages.isEmpty());
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestProgramEnd)
#include "tst_program_end.moc"
