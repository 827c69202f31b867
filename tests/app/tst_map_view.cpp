// The window's map view: the View menu's zooms and their keys, Fit Map
// following the window, the zoom remembered between runs, new maps shown from
// their top-left, the route drawn over the map, clearings to point at, and
// the window staying where the user puts it.

#include "form_test.h"
#include "map_places.h"
#include "map_view.h"
#include "route_search.h"
#include "rx_spin_edit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QToolTip>
#include <QWheelEvent>
#include <tuple>

class TestMapView : public TFormTest {
    Q_OBJECT

    TMapView* View() { return Child<TMapView>("ScrollBox1"); }
    QString ZoomShown() { return Child<QLabel>("lblZoom")->text(); }

    // Fitted: the whole picture in the view, touching two of its sides, and
    // no scroll bar.
    void VerifyFitted() {
        TMapView* view = View();
        const QSize shown = tavrin::ScaledSize(view->Picture().size(), view->Scale());
        const QSize room = view->viewport()->size();
        QVERIFY(shown.width() <= room.width() && shown.height() <= room.height());
        QVERIFY(shown.width() == room.width() || shown.height() == room.height());
        QVERIFY(!view->horizontalScrollBar()->isVisible());
        QVERIFY(!view->verticalScrollBar()->isVisible());
    }

    QPoint OnScreen(tavrin::TLocation clearing) {
        return View()->ToViewport(tavrin::ClearingCentre(View()->Places(), clearing)).toPoint();
    }

private slots:
    void init() { StartForm(); }
    void cleanup() { StopForm(); }

    // Each key zooms from where the last one left the view, and stops at
    // either end with its action disabled. The zoom scales the view, never
    // the picture that is saved.
    void zoomKeys() {
        CreateMap();
        const QImage picture = Form->MapImage();
        QCOMPARE(ZoomShown(), QStringLiteral("Zoom 100%"));
        const std::pair<QKeyCombination, QString> steps[] = {
            {Qt::CTRL | Qt::Key_Equal, "Zoom 110%"},
            {Qt::CTRL | Qt::Key_Plus, "Zoom 125%"},
            {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus, "Zoom 150%"},
            {Qt::CTRL | Qt::Key_Minus, "Zoom 125%"},
            {Qt::CTRL | Qt::Key_1, "Zoom 100%"},
        };
        for (const auto& [key, shown] : steps) {
            QTest::keyClick(Form.get(), key.key(), key.keyboardModifiers());
            QCOMPARE(ZoomShown(), shown);
        }
        const std::tuple<Qt::Key, QString, const char*> limits[] = {
            {Qt::Key_Minus, "Zoom 10%", "A_ZoomOut"}, {Qt::Key_Equal, "Zoom 400%", "A_ZoomIn"}};
        for (const auto& [key, shown, action] : limits) {
            for (int i = 0; i < 30; ++i)
                Ctrl(key);
            QCOMPARE(ZoomShown(), shown);
            QVERIFY(!Child<QAction>(action)->isEnabled());
        }
        QVERIFY(Child<QAction>("A_ZoomOut")->isEnabled());
        QCOMPARE(Form->MapImage(), picture);
    }

    // Fit Map (Ctrl+0) keeps fitting as the window, the divider and the map
    // change, until another zoom ends it.
    void fitFollowsTheWindowAndNewMaps() {
        CreateMap();
        Ctrl(Qt::Key_0);
        QVERIFY(ZoomShown().startsWith(QStringLiteral("Fit ")));
        VerifyFitted();
        Form->showNormal();
        Form->resize(700, 500);
        QTRY_COMPARE(Form->size(), QSize(700, 500));
        VerifyFitted();
        auto* splitter = Child<QSplitter>("Splitter1");
        splitter->setSizes({300, splitter->width() - 300});
        VerifyFitted();
        Ctrl(Qt::Key_M);
        VerifyFitted();

        Ctrl(Qt::Key_Equal);
        const double zoomed = View()->Scale();
        Form->resize(600, 450);
        QTRY_COMPARE(Form->size(), QSize(600, 450));
        QCOMPARE(View()->Scale(), zoomed);
        QVERIFY(!View()->ZoomMode().Fit);
    }

    void zoomRememberedBetweenRuns() {
        QCOMPARE(ZoomShown(), QStringLiteral("Zoom 100%")); // a first run: Actual Size
        Ctrl(Qt::Key_0);
        TForm1 second(*State, *Dialogs, *Settings);
        QCOMPARE(second.findChild<TMapView*>("ScrollBox1")->ZoomMode(), tavrin::FitZoom);
        Ctrl(Qt::Key_Equal);
        Ctrl(Qt::Key_Equal);
        TForm1 third(*State, *Dialogs, *Settings);
        QCOMPARE(third.findChild<TMapView*>("ScrollBox1")->Scale(), View()->Scale());
    }

    // A new map starts at its top-left whatever was scrolled before; with no
    // map there is nothing to scroll.
    void newMapShowsFromTheTopLeft() {
        Ctrl(Qt::Key_Equal);
        QVERIFY(!View()->horizontalScrollBar()->isVisible());
        QVERIFY(!View()->verticalScrollBar()->isVisible());
        CreateMap();
        View()->horizontalScrollBar()->setValue(View()->horizontalScrollBar()->maximum());
        View()->verticalScrollBar()->setValue(View()->verticalScrollBar()->maximum());
        QVERIFY(View()->ScrollPosition() != QPoint(0, 0));
        CreateMap();
        QCOMPARE(View()->ScrollPosition(), QPoint(0, 0));
    }

    void ctrlWheelZoomsAboutTheCursor() {
        CreateMap();
        const QPointF cursor(300, 200);
        const QPointF under = View()->ToPicture(cursor);
        QWheelEvent wheel(cursor, View()->viewport()->mapToGlobal(cursor), {}, {0, 120},
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(View()->viewport(), &wheel);
        QCOMPARE(ZoomShown(), QStringLiteral("Zoom 110%"));
        const QPointF after = View()->ToPicture(cursor);
        QVERIFY(qAbs(after.x() - under.x()) < 1 && qAbs(after.y() - under.y()) < 1);
    }

    // The route is on the map while its box is open and until the next map;
    // the saved picture holds the map alone.
    void routeDrawnOverTheMap() {
        CreateMap();
        const QImage map = Form->MapImage();
        const tavrin::TLocation from{11, 1};
        const tavrin::TLocation to{1, 1};
        tavrin::TRoute route{};
        tavrin::FindShortestPath(*State, from, to, route);
        QVERIFY(route.Live && route.Count > 2);
        Child<QComboBox>("cbToTile")->setCurrentIndex(0);
        const QImage unmarked = View()->viewport()->grab().toImage();

        tavrin::TRouteMarks marks; // as they are while the answer's box is open
        Dialogs->WhileMessageShows = [&] { marks = View()->RouteMarks(); };
        QTest::mouseClick(Child<QPushButton>("btnFindPath"), Qt::LeftButton);
        QVERIFY(marks.Joined);
        QCOMPARE(int(marks.Roads.size()), route.Count - 1);
        QCOMPARE(int(marks.Stops.size()), route.Count - 2);
        QCOMPARE(marks.Start->X, tavrin::ClearingCentre(View()->Places(), from).X);
        QCOMPARE(marks.End->Y, tavrin::ClearingCentre(View()->Places(), to).Y);
        QVERIFY(View()->viewport()->grab().toImage() != unmarked);

        Dialogs->Answer = TileDir->filePath("map.bmp");
        Ctrl(Qt::Key_B);
        QCOMPARE(QImage(Dialogs->Answer, "BMP").convertToFormat(QImage::Format_RGB32), map);

        // Not joined: both ends marked, no road.
        Child<tavrin::TRxSpinEdit>("edToClearing")->setValue(3); // tile 1 has no clearing 3
        QTest::mouseClick(Child<QPushButton>("btnFindPath"), Qt::LeftButton);
        QCOMPARE(Dialogs->Messages.last(), QStringLiteral("Clearings not connected!"));
        marks = View()->RouteMarks();
        QVERIFY(!marks.Joined && marks.Start && marks.End && marks.Roads.empty());

        // A new From or To leaves the old answer behind for the ends chosen;
        // so does a new map.
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, OnScreen({11, 2}));
        marks = View()->RouteMarks();
        QVERIFY(marks.Start && !marks.End && marks.Stops.empty() && marks.Roads.empty());
        QTest::mouseClick(Child<QPushButton>("btnFindPath"), Qt::LeftButton);
        CreateMap();
        QVERIFY(View()->RouteMarks().IsEmpty());
    }

    // Pointing works at any zoom: the tooltip names the tile as the listing
    // does and the clearing; the left button sets From, the right one To.
    void pointAtClearings_data() {
        QTest::addColumn<QString>("keys");
        QTest::newRow("actual size") << "Ctrl+1";
        QTest::newRow("fitted") << "Ctrl+0";
        QTest::newRow("zoomed in") << "Ctrl+=,Ctrl+=,Ctrl+=";
    }
    void pointAtClearings() {
        QFETCH(QString, keys);
        CreateMap();
        const QKeySequence sequence = QKeySequence::fromString(keys);
        for (int i = 0; i < sequence.count(); ++i)
            QTest::keyClick(Form.get(), sequence[i].key(), sequence[i].keyboardModifiers());
        TMapView* view = View();
        // Scroll tile 11's clearing 2 into view when zoomed in.
        const QPointF target = view->ToViewport(tavrin::ClearingCentre(view->Places(), {11, 2}));
        view->horizontalScrollBar()->setValue(int(target.x()) - 100);
        view->verticalScrollBar()->setValue(int(target.y()) - 100);

        const QPoint at = OnScreen({11, 2});
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &help);
        const QString line = Memo().split('\n')[10];
        QCOMPARE(QToolTip::text(), line + ", clearing 2\nLeft click: From, right click: To");

        // Each end chosen is ringed and labelled at once, before any route.
        const auto centre = [&](tavrin::TLocation c) {
            return std::optional(tavrin::ClearingCentre(view->Places(), c));
        };
        const auto sameMark = [](std::optional<tavrin::TPoint> a, std::optional<tavrin::TPoint> b) {
            return a.has_value() == b.has_value() && (!a || (a->X == b->X && a->Y == b->Y));
        };
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(Child<QComboBox>("cbFromTile")->currentIndex(), 10);
        QCOMPARE(Child<tavrin::TRxSpinEdit>("edFromClearing")->value(), 2.0);
        QVERIFY(sameMark(view->RouteMarks().Start, centre({11, 2})));
        QVERIFY(!view->RouteMarks().End);
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, OnScreen({11, 4}));
        QCOMPARE(Child<QComboBox>("cbToTile")->currentIndex(), 10);
        QCOMPARE(Child<tavrin::TRxSpinEdit>("edToClearing")->value(), 4.0);
        QVERIFY(sameMark(view->RouteMarks().Start, centre({11, 2})));
        QVERIFY(sameMark(view->RouteMarks().End, centre({11, 4})));
        // A click beside the clearings chooses nothing.
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, OnScreen({11, 0}));
        QCOMPARE(Child<tavrin::TRxSpinEdit>("edToClearing")->value(), 4.0);
        // An end changed in the inputs is no longer marked as chosen.
        Child<QComboBox>("cbFromTile")->setCurrentIndex(0);
        QVERIFY(!view->RouteMarks().Start);
        QVERIFY(sameMark(view->RouteMarks().End, centre({11, 4})));
    }

    void showCoordinates() {
        CreateMap();
        const QImage plain = View()->viewport()->grab().toImage();
        Child<QAction>("A_ShowCoordinates")->trigger();
        QVERIFY(View()->ShowsCoordinates());
        QVERIFY(View()->viewport()->grab().toImage() != plain);
        Child<QAction>("A_ShowCoordinates")->trigger();
        QCOMPARE(View()->viewport()->grab().toImage(), plain);
    }

    // View > Colours repaints the map in the palette chosen, and the next
    // window starts with it; Show Tile Bitmaps shows the bitmaps again.
    void coloursAndTileBitmapsRemembered() {
        CreateMap();
        View()->SetZoomMode(tavrin::FitZoom);
        const QImage standard = View()->viewport()->grab().toImage();
        Child<QAction>("A_ColoursColourBlind")->trigger();
        QCOMPARE(View()->Palette(), tavrin::TPalette::ColourBlind);
        QTRY_VERIFY(View()->viewport()->grab().toImage() != standard);
        Child<QAction>("A_TileBitmaps")->trigger();
        QCOMPARE(View()->TileLook(), tavrin::TTileLook::Bitmaps);
        TForm1 second(*State, *Dialogs, *Settings);
        const auto* view = second.findChild<TMapView*>("ScrollBox1");
        QCOMPARE(view->Palette(), tavrin::TPalette::ColourBlind);
        QCOMPARE(view->TileLook(), tavrin::TTileLook::Bitmaps);
    }

    // A window manager hands the focus back after moving or resizing the
    // window, as it does when the user comes back from another program: the
    // focus comes from no window of the program, and a restored window is
    // not maximised again.
    void restoredWindowStaysRestored() {
        Form->showNormal();
        QTRY_VERIFY(!Form->isMaximized());
        QApplication::setActiveWindow(nullptr);
        QVERIFY(!Form->isActiveWindow());
        QApplication::setActiveWindow(Form.get());
        QVERIFY(Form->isActiveWindow());
        QVERIFY(!Form->isMaximized());
    }

    // Closing a box of the program gives the focus back to the window, which
    // is then maximised again.
    void windowMaximisedAfterABox() {
        Form->showNormal();
        QTRY_VERIFY(!Form->isMaximized());
        QDialog box(Form.get());
        box.setModal(true);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY(!Form->isMaximized());
        box.accept();
        // The window manager gives the focus back; offscreen, the test does.
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
        QTRY_VERIFY(Form->isMaximized());
    }
};

QTEST_MAIN(TestMapView)
#include "tst_map_view.moc"
