// The window's map editor, driven by its keys as a user would: Edit Map,
// the arrows and a click select, R turns, P pins, Delete lifts into the
// tray, Ctrl+Z undoes; leaving keeps the edited map as the map shown. Also
// prints how long a turn takes to the redrawn frame (never asserted).

#include "form_test.h"
#include "map_editor_part.h"
#include "map_string.h"
#include "map_view.h"
#include "share_code.h"

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <algorithm>
#include <ctime>
#include <vector>

class TMapEditorTest : public TFormTest {
    Q_OBJECT

    const tavrin::TMapEditor& Editor() {
        const tavrin::TMapEditor* editor = Form->findChild<TMapEditorPart*>()->CurrentEditor();
        if (!editor)
            qFatal("not editing");
        return *editor;
    }
    TMapView* View() { return Child<TMapView>("ScrollBox1"); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(View(), key, modifiers);
    }
    void EditMap() {
        QTest::keyClick(Form.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    }

private slots:
    void init() { StartForm(); }
    void cleanup() { StopForm(); }

    void editKeysChangeTheMapAndUndoReturnsIt() {
        CreateMap();
        const std::string shown = tavrin::MakeMapString(*State);
        EditMap();
        QVERIFY(Form->findChild<TMapEditorPart*>()->IsEditing());
        QCOMPARE(Editor().Selected(), tavrin::StartTile);
        QVERIFY(Child<QLabel>("lblFinding")->isVisible());
        const tavrin::TEditLayout start = Editor().Layout();

        // A click selects the tile under it; the arrows move on from there.
        const tavrin::TTile& first = Editor().State().Tiles[1];
        const tavrin::TEditorFrame frame = tavrin::EditorFrame(Editor().State());
        View()->ensurePolished();
        const QPointF centre =
            View()->ToViewport(tavrin::CellCentre({first.Col, first.Row}, frame));
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, centre.toPoint());
        QCOMPARE(Editor().Selected(), 1);
        for (Qt::Key arrow : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
            Key(arrow);
        const int tile = Editor().Selected();
        QVERIFY(Editor().State().Tiles[tile].Placed);

        const int rotation = Editor().State().Tiles[tile].Rotation;
        Key(Qt::Key_R);
        QCOMPARE(int{Editor().State().Tiles[tile].Rotation}, rotation % 6 + 1);
        QCOMPARE(Child<QLabel>("lblFinding")->text(),
                 QString::fromStdString(tavrin::FindingLine(Editor().Findings())));
        Key(Qt::Key_P);
        QVERIFY(Editor().IsPinned(tile));
        Key(Qt::Key_Delete);
        QCOMPARE(Editor().Tray(), std::vector<int>{tile});
        QVERIFY(!Editor().IsPinned(tile));

        // Not left while a tile waits in the tray; the line says why.
        EditMap();
        QVERIFY(Form->findChild<TMapEditorPart*>()->IsEditing());
        QVERIFY(Child<QLabel>("lblFinding")->text().contains(QStringLiteral("tray")));

        for (int i = 0; i < 3; ++i)
            Ctrl(Qt::Key_Z);
        QVERIFY(Editor().Layout() == start);

        Key(Qt::Key_R);
        EditMap();
        QVERIFY(!Form->findChild<TMapEditorPart*>()->IsEditing());
        QVERIFY(tavrin::MakeMapString(*State) != shown);
        QVERIFY(Child<QLabel>("lblMapPlace")
                    ->text()
                    .endsWith(QStringLiteral("edited from Seed 12345, map 1")));
        QVERIFY(Dialogs->Errors.isEmpty());
    }

    // Pins leave the editor in the map's share code, and come back with it.
    void pinsPassOnThroughTheShareCode() {
        CreateMap();
        EditMap();
        Key(Qt::Key_P);
        Key(Qt::Key_R);
        EditMap();
        QTest::keyClick(Form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString code = QGuiApplication::clipboard()->text();
        const auto shared = tavrin::ReadPinnedShareCode(code.toStdString());
        QVERIFY(shared);
        QCOMPARE(shared->Pins, tavrin::TPinMask{1u << tavrin::StartTile});

        CreateMap();
        QTest::keyClick(Form.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        EditMap();
        QVERIFY(Editor().IsPinned(tavrin::StartTile));

        // Closing the window keeps the edited map, as leaving the editor does.
        Key(Qt::Key_R);
        Form->close();
        QVERIFY(Child<QLabel>("lblMapPlace")->text().contains(QStringLiteral("edited from ")));
    }

    // While editing, the view shows the editor's picture, not the art of the
    // map as it was before editing: at actual size, a tile shows exactly as
    // the editor drew it, where the editor's marks are placed; and the
    // editor draws the tiles in the view's palette.
    void theEditorsPictureIsWhatShows() {
        Form->SetTileFolder(QCoreApplication::applicationDirPath());
        CreateMap();
        EditMap();
        View()->SetZoomMode(tavrin::ActualSizeZoom);
        const int other = Editor().Selected() == 1 ? 2 : 1; // clear of the selection's marks
        const tavrin::TTile& tile = Editor().State().Tiles[other];
        const tavrin::TPoint centre =
            tavrin::CellCentre({tile.Col, tile.Row}, tavrin::EditorFrame(Editor().State()));
        const QRect inside(QPoint(static_cast<int>(centre.X) - 30, static_cast<int>(centre.Y) - 30),
                           QSize(60, 60));
        View()->EnsureVisible(inside);
        const QPointF at = View()->ToViewport(centre);
        const QPoint shift(qRound(at.x() - centre.X), qRound(at.y() - centre.Y));
        const QImage shown =
            View()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage drawn = View()->Picture().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(inside.translated(shift)), drawn.copy(inside));

        // In the map's look and palette: another palette redraws the tiles.
        Form->findChild<QAction*>("A_ColoursColourBlind")->trigger();
        QVERIFY(View()->Picture().convertToFormat(QImage::Format_RGB32).copy(inside) !=
                drawn.copy(inside));
        Form->findChild<QAction*>("A_ColoursStandard")->trigger();
        QCOMPARE(View()->Picture().convertToFormat(QImage::Format_RGB32).copy(inside),
                 drawn.copy(inside));
    }

    // Turns timed from the key to the repainted view, with the tile art the
    // build renders beside the tests when it is there; printed, not asserted.
    void turnToRedrawnFrame() {
        Form->SetTileFolder(QCoreApplication::applicationDirPath());
        CreateMap();
        EditMap();
        // The thread's own processor time as well as the clock's: on a busy
        // machine the clock also counts the time others had.
        const auto threadMs = [] {
            timespec now{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
            return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
        };
        std::vector<double> wall, own;
        for (int i = 0; i < 24; ++i) {
            QElapsedTimer timer;
            timer.start();
            const double start = threadMs();
            Key(Qt::Key_R);
            View()->viewport()->repaint();
            own.push_back(threadMs() - start);
            wall.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(wall.begin(), wall.end());
        std::sort(own.begin(), own.end());
        qInfo("a turn to the redrawn frame (%dx%d view): median %.2f ms (%.2f ms of processor), "
              "slowest %.2f ms",
              View()->viewport()->width(), View()->viewport()->height(), wall[wall.size() / 2],
              own[own.size() / 2], wall.back());
    }
};

QTEST_MAIN(TMapEditorTest)
#include "tst_map_editor.moc"
