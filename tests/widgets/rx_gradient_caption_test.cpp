// The gradient caption: its arithmetic as pure functions, then the painted
// title bar on a small QMainWindow with a menu, attached the way the main
// window attaches it.

#include "caption_geometry.h"
#include "caption_text.h"
#include "gradient_fill.h"
#include "rx_gradient_caption.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

Q_DECLARE_METATYPE(TFillDirection)
Q_DECLARE_METATYPE(TCaptionButtons)

namespace {

// Every character one pixel wide but 'W', which is ten.
int TestWidth(const QString& text) {
    int width = 0;
    for (const QChar c : text) {
        width += c == QLatin1Char('W') ? 10 : 1;
    }
    return width;
}

// A main window as an application builds it: a menu bar with a File menu, a
// central widget, and the caption attached in two lines.
struct DemoWindow {
    QMainWindow window;
    QMenu* fileMenu = nullptr;
    TRxGradientCaption* caption = nullptr;

    DemoWindow() {
        fileMenu = window.menuBar()->addMenu(QStringLiteral("&File"));
        fileMenu->addAction(QStringLiteral("&Quit"));
        window.setCentralWidget(new QLabel(QStringLiteral("map")));
        window.resize(500, 300);
        caption = new TRxGradientCaption(&window);
        caption->setFormCaption(QStringLiteral("Tavrin Map Generator Ver 1.1 by Ostrel"));
    }
    QWidget* strip() const { return caption->captionStrip(); }
    QToolButton* button(const char* name) const {
        return strip()->findChild<QToolButton*>(QLatin1String(name));
    }
    QImage grabStrip() const { return strip()->grab().toImage(); }
    // The caption is out of the way and the window, still shown, has its
    // platform title bar back.
    bool usesPlatformTitleBar() const {
        return !window.windowFlags().testFlag(Qt::FramelessWindowHint) && !strip()->isVisible() &&
               window.isVisible();
    }
};

bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class TRxGradientCaptionTest : public QObject {
    Q_OBJECT

private slots:
    // ---- gradient fill ----

    // Bands and remainder of one rectangle: how many bands, where the first one
    // and the remainder lie, the colours at both ends, and that together they
    // cover the rectangle exactly once.
    void gradientFill_data() {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("steps");
        QTest::addColumn<TFillDirection>("direction");
        QTest::addColumn<int>("bands");
        QTest::addColumn<QRect>("firstBand");
        QTest::addColumn<QRect>("remainder");
        using enum TFillDirection;
        QTest::newRow("fewer pixels than steps") << QRect(0, 0, 10, 5) << 64 << fdLeftToRight << 10
                                                 << QRect(0, 0, 1, 5) << QRect(10, 0, 0, 5);
        QTest::newRow("more pixels than steps, remainder")
            << QRect(0, 0, 100, 10) << 64 << fdLeftToRight << 64 << QRect(0, 0, 1, 10)
            << QRect(64, 0, 36, 10);
        QTest::newRow("offset rectangle") << QRect(-50, 5, 250, 8) << 64 << fdLeftToRight << 64
                                          << QRect(-50, 5, 3, 8) << QRect(142, 5, 58, 8);
        QTest::newRow("exact division") << QRect(0, 0, 128, 4) << 64 << fdLeftToRight << 64
                                        << QRect(0, 0, 2, 4) << QRect(128, 0, 0, 4);
        QTest::newRow("single band") << QRect(3, 0, 77, 4) << 1 << fdLeftToRight << 1
                                     << QRect(3, 0, 77, 4) << QRect(80, 0, 0, 4);
        QTest::newRow("zero steps") << QRect(0, 0, 100, 5) << 0 << fdLeftToRight << 1
                                    << QRect(0, 0, 100, 5) << QRect(100, 0, 0, 5);
        QTest::newRow("negative steps") << QRect(0, 0, 100, 5) << -7 << fdLeftToRight << 1
                                        << QRect(0, 0, 100, 5) << QRect(100, 0, 0, 5);
        QTest::newRow("right to left") << QRect(0, 0, 200, 10) << 64 << fdRightToLeft << 64
                                       << QRect(0, 0, 3, 10) << QRect(192, 0, 8, 10);
        QTest::newRow("top to bottom") << QRect(0, 0, 200, 10) << 64 << fdTopToBottom << 10
                                       << QRect(0, 0, 200, 1) << QRect(0, 10, 200, 0);
        QTest::newRow("bottom to top") << QRect(0, 0, 200, 10) << 64 << fdBottomToTop << 10
                                       << QRect(0, 0, 200, 1) << QRect(0, 10, 200, 0);
    }
    void gradientFill() {
        QFETCH(QRect, rect);
        QFETCH(int, steps);
        QFETCH(TFillDirection, direction);
        QFETCH(int, bands);
        QFETCH(QRect, firstBand);
        QFETCH(QRect, remainder);
        // The reversed directions put the start colour at the far edge.
        const bool swapped = direction == TFillDirection::fdRightToLeft ||
                             direction == TFillDirection::fdBottomToTop;
        const QColor start(10, 20, 30);
        const QColor end(210, 120, 30);
        const TGradientFill fill = GradientFill(rect, start, end, steps, direction);
        QCOMPARE(int(fill.bands.size()), bands);
        QCOMPARE(fill.bands.front().rect, firstBand);
        QCOMPARE(fill.remainder.rect, remainder);
        const QColor near = swapped ? end : start;
        const QColor far = swapped ? start : end;
        QCOMPARE(fill.bands.front().colour, near);
        QCOMPARE(fill.bands.back().colour, bands == 1 ? near : far);
        QCOMPARE(fill.remainder.colour, far);

        QRegion covered(fill.remainder.rect);
        int area = fill.remainder.rect.width() * fill.remainder.rect.height();
        for (const TGradientBand& band : fill.bands) {
            covered += band.rect;
            area += band.rect.width() * band.rect.height();
        }
        QVERIFY(covered == QRegion(rect));
        QCOMPARE(area, rect.width() * rect.height());
    }

    void bandComponent_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("value");
        QTest::newRow("first band is the start") << 30 << 200 << 0 << 64 << 30;
        QTest::newRow("last band is the end") << 30 << 200 << 63 << 64 << 200;
        QTest::newRow("middle band") << 0 << 255 << 32 << 64 << 130; // 129.52
        QTest::newRow("rising half rounds up") << 0 << 1 << 1 << 3 << 1;
        QTest::newRow("falling half rounds away from zero") << 1 << 0 << 1 << 3 << 0;
        QTest::newRow("falling below half rounds to nearest") << 255 << 0 << 1 << 64 << 251;
        QTest::newRow("single band is the start") << 10 << 200 << 0 << 1 << 10;
    }
    void bandComponent() {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, k);
        QFETCH(int, count);
        QFETCH(int, value);
        QCOMPARE(GradientBandComponent(start, end, k, count), value);
    }

    // ---- text and geometry ----

    void shortenCaption_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fits") << "Tavrin" << 6 << "Tavrin";
        QTest::newRow("needs cutting") << "Tavrin Map" << 8 << "Tavri...";
        QTest::newRow("first try drops two characters") << "abcdeW" << 9 << "abcd...";
        QTest::newRow("only dots fit") << "Tavrin" << 3 << "...";
        QTest::newRow("not even dots fit") << "Tavrin" << 1 << "...";
        QTest::newRow("empty text") << "" << 0 << "";
        // "a", a surrogate pair, "bcd": a cut after the high surrogate is skipped.
        QTest::newRow("keeps surrogate pairs whole")
            << QStringLiteral("a\U0001F600bcd") << 5 << "a...";
    }
    void shortenCaption() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, shown);
        QCOMPARE(ShortenCaption(text, width, TestWidth), shown);
    }

    void shortenWithFontMetricsFits() {
        const QFontMetrics metrics(QApplication::font());
        const QString text = QStringLiteral("Tavrin Map Generator Ver 1.1 by Ostrel");
        const int width = metrics.horizontalAdvance(text) / 2;
        const QString shown = ShortenCaption(text, width, metrics);
        QVERIFY(shown.size() > 3 && shown.endsWith(QLatin1String("...")));
        QVERIFY(metrics.horizontalAdvance(shown) <= width);
    }

    void keptCaptionParts_data() {
        QTest::addColumn<bool>("fromLeft");
        QTest::addColumn<int>("width");
        QTest::addColumn<std::vector<bool>>("kept");
        QTest::newRow("all fit") << true << 100 << std::vector<bool>{true, true, true};
        QTest::newRow("drop from the left") << true << 70 << std::vector<bool>{false, true, true};
        QTest::newRow("drop from the right") << false << 70 << std::vector<bool>{true, true, false};
        QTest::newRow("form caption alone") << true << 5 << std::vector<bool>{false, false, false};
    }
    void keptCaptionParts() {
        QFETCH(bool, fromLeft);
        QFETCH(int, width);
        QFETCH(std::vector<bool>, kept);
        QCOMPARE(KeptCaptionParts({20, 20, 20}, 30, width, fromLeft), kept);
    }

    // Window 800 wide, frame 4, caption 20 high, buttons 18 wide.
    void captionRect_data() {
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<TCaptionButtons>("buttons");
        QTest::addColumn<int>("width");
        QTest::newRow("main window loses three")
            << 800 << TCaptionButtons{true, true, true, false} << 738;
        QTest::newRow("close only") << 800 << TCaptionButtons{true, false, false, false} << 774;
        QTest::newRow("minimise alone takes two")
            << 800 << TCaptionButtons{true, true, false, false} << 738;
        QTest::newRow("help without min and max")
            << 800 << TCaptionButtons{true, false, false, true} << 756;
        QTest::newRow("help ignored beside max")
            << 800 << TCaptionButtons{true, false, true, true} << 738;
        QTest::newRow("no buttons") << 800 << TCaptionButtons{false, false, false, false} << 792;
        QTest::newRow("narrower than its buttons")
            << 40 << TCaptionButtons{true, true, true, false} << 0;
    }
    void captionRect() {
        QFETCH(int, windowWidth);
        QFETCH(TCaptionButtons, buttons);
        QFETCH(int, width);
        QCOMPARE(CaptionRect(windowWidth, 4, 20, 18, buttons), QRect(4, 4, width, 19));
    }

    void frameEdges_data() {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("frame");
        QTest::addColumn<Qt::Edges>("edges");
        QTest::newRow("left") << QPoint(0, 50) << 4 << Qt::Edges(Qt::LeftEdge);
        QTest::newRow("right") << QPoint(199, 50) << 4 << Qt::Edges(Qt::RightEdge);
        QTest::newRow("top") << QPoint(100, 3) << 4 << Qt::Edges(Qt::TopEdge);
        QTest::newRow("bottom") << QPoint(100, 99) << 4 << Qt::Edges(Qt::BottomEdge);
        QTest::newRow("top left corner") << QPoint(2, 2) << 4 << (Qt::LeftEdge | Qt::TopEdge);
        QTest::newRow("near corner along bottom")
            << QPoint(10, 98) << 4 << (Qt::LeftEdge | Qt::BottomEdge);
        QTest::newRow("inside") << QPoint(100, 50) << 4 << Qt::Edges();
        QTest::newRow("maximised has no frame") << QPoint(0, 0) << 0 << Qt::Edges();
        QTest::newRow("outside") << QPoint(-1, 50) << 4 << Qt::Edges();
    }
    void frameEdges() {
        QFETCH(QPoint, pos);
        QFETCH(int, frame);
        QFETCH(Qt::Edges, edges);
        QCOMPARE(FrameEdgesAt(QSize(200, 100), pos, frame, 16), edges);
    }

    // ---- the painted title bar ----

    void fontSwitch() {
        DemoWindow demo;
        TRxGradientCaption& c = *demo.caption;
        QCOMPARE(c.gradientSteps(), 64);
        const QFont systemFont = c.font();
        QFont big = systemFont;
        big.setPointSize(systemFont.pointSize() + 10);
        c.setFont(big);
        QVERIFY(!c.defaultFont());
        QVERIFY(c.captionHeight() > QFontMetrics(systemFont).height() + 8);
        c.setDefaultFont(true);
        QCOMPARE(c.font(), systemFont);
    }

    // The strip sits above the menu bar, which still opens its menu, and the
    // caption loses the widths of the three visible buttons.
    void stripAndButtonsLayout() {
        DemoWindow demo;
        QVERIFY(ShowActive(demo.window));
        QVERIFY(demo.window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(demo.strip()->isVisible());
        QMenuBar* menuBar = demo.window.menuBar();
        QCOMPARE(demo.strip()->geometry().top(), 4);
        QVERIFY(menuBar->geometry().top() > demo.strip()->geometry().bottom());
        QVERIFY(demo.window.centralWidget()->geometry().top() > menuBar->geometry().bottom());

        const QRect caption = demo.caption->captionRect();
        QCOMPARE(caption.width(), demo.strip()->width() - 3 * demo.caption->buttonWidth());
        for (const char* name : {"close", "maximize", "minimize"})
            QVERIFY2(demo.button(name)->isVisible(), name);
        QVERIFY(!demo.button("help")->isVisible());
        QVERIFY(demo.button("minimize")->geometry().left() >= caption.right());

        const QRect title = menuBar->actionGeometry(demo.fileMenu->menuAction());
        QTest::mouseClick(menuBar, Qt::LeftButton, {}, title.center());
        QTRY_VERIFY(demo.fileMenu->isVisible());
        demo.fileMenu->close();
    }
    void activeAndInactivePaintDifferentEndColours() {
        DemoWindow demo;
        const QPalette palette = demo.window.palette();
        const QColor activeEnd = palette.color(QPalette::Active, QPalette::Highlight);
        const QColor inactiveEnd = palette.color(QPalette::Inactive, QPalette::Mid);
        QVERIFY(activeEnd != inactiveEnd);
        QVERIFY(ShowActive(demo.window));
        QVERIFY(demo.caption->isWindowActive());

        const QRect caption = demo.caption->captionRect();
        const QPoint right(caption.right(), caption.top() + 1);
        const QPoint left(caption.left(), caption.top() + 1);
        QImage image = demo.grabStrip();
        QCOMPARE(image.pixelColor(right).rgb(), activeEnd.rgb());
        // The gradient starts left of the caption, so its left edge is already blended.
        const QColor start = demo.caption->startColor();
        QVERIFY(image.pixelColor(left).rgb() != start.rgb());
        QVERIFY(image.pixelColor(left).rgb() != activeEnd.rgb());

        QWidget other;
        QVERIFY(ShowActive(other));
        QTRY_VERIFY(!demo.caption->isWindowActive());
        image = demo.grabStrip();
        QCOMPARE(image.pixelColor(right).rgb(), inactiveEnd.rgb());
        QCOMPARE(image.pixelColor(left).rgb(),
                 inactiveEnd.rgb()); // no gradient while inactive by default

        demo.caption->setGradientInactive(true);
        image = demo.grabStrip();
        QCOMPARE(image.pixelColor(right).rgb(), inactiveEnd.rgb());
        QVERIFY(image.pixelColor(left).rgb() != inactiveEnd.rgb());
    }

    void buttonsDoubleClickAndAltF4DriveTheWindow() {
        DemoWindow demo;
        QVERIFY(ShowActive(demo.window));
        QTest::mouseClick(demo.button("maximize"), Qt::LeftButton);
        QTRY_VERIFY(demo.window.isMaximized());
        QCOMPARE(demo.strip()->geometry().topLeft(), QPoint(0, 0)); // no resize frame now
        QTest::mouseClick(demo.button("maximize"), Qt::LeftButton);
        QTRY_VERIFY(!demo.window.isMaximized());
        QCOMPARE(demo.strip()->geometry().topLeft(), QPoint(4, 4));

        QTest::mouseDClick(demo.strip(), Qt::LeftButton, {}, QPoint(30, 5));
        QTRY_VERIFY(demo.window.isMaximized());
        QTest::mouseDClick(demo.strip(), Qt::LeftButton, {}, QPoint(30, 5));
        QTRY_VERIFY(!demo.window.isMaximized());

        QTest::mouseClick(demo.button("minimize"), Qt::LeftButton);
        QTRY_VERIFY(demo.window.windowState().testFlag(Qt::WindowMinimized));
        demo.window.showNormal();

        QTest::mouseClick(demo.button("close"), Qt::LeftButton);
        QTRY_VERIFY(!demo.window.isVisible());

        // Alt+F4 closes too: the label ignores the key, so it reaches the window.
        QVERIFY(ShowActive(demo.window));
        QTest::keyClick(demo.window.centralWidget(), Qt::Key_F4, Qt::AltModifier);
        QTRY_VERIFY(!demo.window.isVisible());
    }

    // The offscreen platform, like X11 without a window manager, refuses
    // startSystemMove: the window must not be left without a way to move it.
    void refusedMoveGivesBackThePlatformTitleBar() {
        DemoWindow demo;
        QVERIFY(ShowActive(demo.window));
        QVERIFY(demo.caption->isInEffect());
        QTest::mousePress(demo.strip(), Qt::LeftButton, {}, QPoint(40, 5));
        QTest::mouseMove(demo.strip(), QPoint(80, 10));
        QTest::mouseRelease(demo.strip(), Qt::LeftButton, {}, QPoint(80, 10));
        QTRY_VERIFY(demo.usesPlatformTitleBar());
        QVERIFY(!demo.caption->isInEffect());
        QCOMPARE(demo.window.contentsMargins(), QMargins()); // the demo window's own
    }

    void activeSwitchesTheCaptionOffAndOn() {
        DemoWindow demo;
        QVERIFY(ShowActive(demo.window));
        QSignalSpy activated(demo.caption, &TRxGradientCaption::OnActivate);
        QSignalSpy deactivated(demo.caption, &TRxGradientCaption::OnDeactivate);

        demo.caption->setActive(false);
        demo.caption->setActive(false);
        QCOMPARE(deactivated.count(), 1);
        QVERIFY(demo.usesPlatformTitleBar());

        demo.caption->setActive(true);
        QCOMPARE(activated.count(), 1);
        QVERIFY(demo.window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(demo.strip()->isVisible());
    }

    void rightClickShowsThePopupMenu() {
        DemoWindow demo;
        QVERIFY(ShowActive(demo.window));
        auto menu = std::make_unique<QMenu>();
        menu->addAction(QStringLiteral("Restore"));
        demo.caption->setPopupMenu(menu.get());
        QTest::mouseClick(demo.strip(), Qt::RightButton, {}, QPoint(40, 5));
        QTRY_VERIFY(menu->isVisible());
        menu->close();

        menu.reset(); // a destroyed menu is forgotten, and a right click does nothing
        QCOMPARE(demo.caption->popupMenu(), nullptr);
        QTest::mouseClick(demo.strip(), Qt::RightButton, {}, QPoint(40, 5));
    }

    // Without a window there is no caption to paint: the strip gets the
    // inactive background and its bottom line, and neither text nor gradient.
    void withoutAWindowNothingIsAttached() {
        TRxGradientCaption caption(nullptr);
        QVERIFY(!caption.isInEffect());
        QCOMPARE(caption.captionStrip(), nullptr);
        QVERIFY(caption.captionRect().isEmpty());
        caption.setFormCaption(QStringLiteral("WWWW"));
        caption.setActive(false);
        caption.setActive(true);
        QImage image(50, 20, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        {
            QPainter painter(&image);
            caption.paintCaption(painter, image.rect());
        }
        const QPalette palette = QApplication::palette();
        QImage expected(image.size(), QImage::Format_RGB32);
        expected.fill(palette.color(QPalette::Inactive, QPalette::Mid));
        QPainter(&expected).fillRect(0, 19, 50, 1, palette.color(QPalette::Window));
        QCOMPARE(image, expected);
    }
};

QTEST_MAIN(TRxGradientCaptionTest)
#include "rx_gradient_caption_test.moc"
