// The spin edit as the route query sets it up (1..6, value 1, one character),
// driven through keys, focus and mouse like a user would.

#include "rx_spin_edit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>

using tavrin::SpinEditLayoutFor;
using tavrin::SpinHalfAt;
using tavrin::TRxSpinButton;
using tavrin::TRxSpinEdit;
using tavrin::TSpinHalf;

// Stands in for the main window: records the keys its children leave alone,
// as its default and cancel buttons would receive them.
class THost : public QWidget {
public:
    QList<int> UnconsumedKeys;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        UnconsumedKeys << event->key();
        event->accept();
    }
};

class TRxSpinEditTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_host = new THost;
        m_edit = new TRxSpinEdit(m_host);
        m_edit->setMinValue(1);
        m_edit->setMaxValue(6);
        m_edit->setValue(1);
        m_edit->setMaxLength(1);
        m_edit->setGeometry(10, 10, 41, 21);
        m_other = new QLineEdit(m_host);
        m_other->setGeometry(10, 40, 80, 21);
        m_host->resize(120, 80);
        m_host->show();
        m_host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_host));
        // Each case moves the focus into the edit itself.
        m_other->setFocus(Qt::OtherFocusReason);
        QVERIFY(m_other->hasFocus());
    }

    void cleanup() {
        delete m_host;
        m_host = nullptr;
    }

    void arrowKeysStepWithinTheRange_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("notifications");

        QTest::newRow("up at 6 stays") << "6" << int(Qt::Key_Up) << "6" << 0;
        QTest::newRow("down at 1 stays") << "1" << int(Qt::Key_Down) << "1" << 0;
        QTest::newRow("up from 3") << "3" << int(Qt::Key_Up) << "4" << 1;
        QTest::newRow("down from 3") << "3" << int(Qt::Key_Down) << "2" << 1;
        QTest::newRow("up from a typed 9 clamps") << "9" << int(Qt::Key_Up) << "6" << 1;
        QTest::newRow("down from a lone minus") << "-" << int(Qt::Key_Down) << "1" << 1;
    }

    void arrowKeysStepWithinTheRange() {
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(QString, shown);
        QFETCH(int, notifications);

        m_edit->setText(start);
        m_edit->setModified(false);
        QSignalSpy changed(m_edit, &TRxSpinEdit::changed);
        QSignalSpy textChanged(m_edit, &QLineEdit::textChanged);
        QSignalSpy textEdited(m_edit, &QLineEdit::textEdited);

        QTest::keyClick(m_edit, Qt::Key(key));

        QCOMPARE(m_edit->text(), shown);
        QCOMPARE(changed.count(), notifications);
        QCOMPARE(textChanged.count(), notifications);
        QCOMPARE(textEdited.count(), 0);
        QCOMPARE(m_edit->isModified(), notifications > 0);
        QVERIFY(m_host->UnconsumedKeys.isEmpty());
    }

    void leavingTheFieldClampsNumbersOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("9 becomes 6") << "9" << 6.0 << "6";
        QTest::newRow("0 becomes 1") << "0" << 1.0 << "1";
        QTest::newRow("4 stays") << "4" << 4.0 << "4";
        QTest::newRow("lone minus stays, reads 1") << "-" << 1.0 << "-";
        QTest::newRow("lone plus stays, reads 1") << "+" << 1.0 << "+";
    }

    void leavingTheFieldClampsNumbersOnly() {
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(QString, shown);
        m_edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(m_edit, typed);
        QCOMPARE(m_edit->text(), typed);
        m_other->setFocus(Qt::TabFocusReason);

        QCOMPARE(m_edit->text(), shown);
        QCOMPARE(m_edit->value(), value);
    }

    void onlySignsAndDigitsCanBeTyped() {
        m_edit->setMaxLength(0);
        m_edit->setFocus(Qt::TabFocusReason);
        QSignalSpy changed(m_edit, &TRxSpinEdit::changed);

        QTest::keyClicks(m_edit, QStringLiteral("a1 x.2,-+"));

        QCOMPARE(m_edit->text(), QStringLiteral("12-+"));
        QCOMPARE(changed.count(), 4);
    }

    void enterAndEscapeReachTheWindow_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void enterAndEscapeReachTheWindow() {
        QFETCH(int, key);
        m_edit->setFocus(Qt::TabFocusReason);

        QTest::keyClick(m_edit, Qt::Key(key));

        QCOMPARE(m_host->UnconsumedKeys, QList<int>{key});
        QCOMPARE(m_edit->text(), QStringLiteral("1"));
    }

    void enteringByKeySelectsAllButByClickDoesNot() {
        m_edit->setText(QStringLiteral("3"));
        m_edit->setFocus(Qt::OtherFocusReason);
        QCOMPARE(m_edit->selectedText(), QStringLiteral("3"));

        m_other->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(m_edit->spinButton(), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(m_edit->hasFocus());
        QCOMPARE(m_edit->text(), QStringLiteral("4"));
        QVERIFY(!m_edit->hasSelectedText());
    }

    void buttonHalvesStepAnEmptyField_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("shown");

        // The button of a 41 x 21 edit is 18 x 18.
        QTest::newRow("up half: 1 + 1") << QPoint(4, 4) << "2";
        QTest::newRow("down half: 0 clamped to 1") << QPoint(13, 13) << "1";
    }

    void buttonHalvesStepAnEmptyField() {
        QFETCH(QPoint, at);
        QFETCH(QString, shown);
        m_edit->clear();
        QSignalSpy changed(m_edit, &TRxSpinEdit::changed);

        QTest::mouseClick(m_edit->spinButton(), Qt::LeftButton, {}, at);

        QCOMPARE(m_edit->text(), shown);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_edit->spinButton()->pressedHalf(), TSpinHalf::None);
    }

    void diagonalSplitsTheButton_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<TSpinHalf>("half");

        const QSize square(18, 18);
        QTest::newRow("bottom-right corner") << QPoint(17, 17) << square << TSpinHalf::Down;
        QTest::newRow("on the diagonal") << QPoint(9, 9) << square << TSpinHalf::Up;
        QTest::newRow("just below the diagonal") << QPoint(9, 10) << square << TSpinHalf::Down;
        QTest::newRow("just above the diagonal") << QPoint(8, 9) << square << TSpinHalf::Up;
        QTest::newRow("bottom-left corner") << QPoint(0, 17) << square << TSpinHalf::Up;
        QTest::newRow("wide, on the diagonal") << QPoint(18, 9) << QSize(36, 18) << TSpinHalf::Up;
        QTest::newRow("wide, below it") << QPoint(18, 10) << QSize(36, 18) << TSpinHalf::Down;
        QTest::newRow("left of the button") << QPoint(-1, 17) << square << TSpinHalf::None;
        QTest::newRow("right of the button") << QPoint(18, 17) << square << TSpinHalf::None;
        QTest::newRow("empty button") << QPoint(0, 0) << QSize(0, 0) << TSpinHalf::None;
    }

    void diagonalSplitsTheButton() {
        QFETCH(QPoint, at);
        QFETCH(QSize, size);
        QFETCH(TSpinHalf, half);
        QCOMPARE(SpinHalfAt(at.x(), at.y(), size.width(), size.height()), half);
    }

    void holdingAHalfRepeatsAndPausesOffIt() {
        TRxSpinButton* button = m_edit->spinButton();
        const QTimer& timer = button->repeatTimer();
        const QPoint up(4, 4);
        const QPoint down(13, 13);

        QTest::mousePress(button, Qt::LeftButton, {}, up);
        QCOMPARE(m_edit->text(), QStringLiteral("2"));
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), TRxSpinButton::FirstRepeatDelayMs);

        button->repeatTick(); // at 400 ms
        QCOMPARE(m_edit->text(), QStringLiteral("3"));
        QCOMPARE(timer.interval(), TRxSpinButton::RepeatIntervalMs);

        QTest::mouseMove(button, down);
        QCOMPARE(button->pressedHalf(), TSpinHalf::None);
        button->repeatTick();
        QCOMPARE(m_edit->text(), QStringLiteral("3"));

        QTest::mouseMove(button, up);
        QCOMPARE(button->pressedHalf(), TSpinHalf::Up);
        for (const char* expected : {"4", "5", "6", "6"}) {
            button->repeatTick();
            QCOMPARE(m_edit->text(), QString::fromLatin1(expected));
        }

        QTest::mouseRelease(button, Qt::LeftButton, {}, up);
        QVERIFY(!timer.isActive());
        QCOMPARE(button->pressedHalf(), TSpinHalf::None);
        button->repeatTick();
        QCOMPARE(m_edit->text(), QStringLiteral("6"));
    }

    void disablingEndsARepeat() {
        TRxSpinButton* button = m_edit->spinButton();
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(button->repeatTimer().isActive());

        m_edit->setEnabled(false);

        QVERIFY(!button->repeatTimer().isActive());
        button->repeatTick();
        QCOMPARE(m_edit->text(), QStringLiteral("2"));
    }

    void setValueClampsAndRounds_data() {
        QTest::addColumn<double>("set");
        QTest::addColumn<QString>("shown");

        QTest::newRow("below the range") << -3.0 << "1";
        QTest::newRow("above the range") << 40.0 << "6";
        QTest::newRow("tie rounds to even, down") << 2.5 << "2";
        QTest::newRow("tie rounds to even, up") << 3.5 << "4";
        QTest::newRow("not a number is ignored") << std::numeric_limits<double>::quiet_NaN() << "5";
    }

    void setValueClampsAndRounds() {
        QFETCH(double, set);
        QFETCH(QString, shown);
        m_edit->setValue(5);
        m_edit->setValue(set);
        QCOMPARE(m_edit->text(), shown);
    }

    // Typing is held to MaxLength, but a value the program sets or steps to is
    // shown whole: 9 + 1 must not read back as 1.
    void steppedValueIsNotCutToMaxLength() {
        m_edit->setMaxValue(20);
        m_edit->setValue(9);
        m_edit->StepUp();
        QCOMPARE(m_edit->text(), QStringLiteral("10"));
        QCOMPARE(m_edit->value(), 10.0);

        m_edit->setValue(5);
        m_edit->setFocus(Qt::MouseFocusReason);
        m_edit->end(false);
        QTest::keyClick(m_edit, Qt::Key_3);
        QCOMPARE(m_edit->text(), QStringLiteral("5"));
    }

    void readOnlyEditDoesNotStep() {
        m_edit->setReadOnly(true);
        QSignalSpy changed(m_edit, &TRxSpinEdit::changed);
        QTest::keyClick(m_edit, Qt::Key_Up);
        QTest::mouseClick(m_edit->spinButton(), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(m_edit->text(), QStringLiteral("1"));
        QCOMPARE(changed.count(), 0);
    }

    void layoutOfA41x21Edit() {
        const auto layout = SpinEditLayoutFor(41, 21);
        QCOMPARE(layout.Button, QRect(21, 1, 18, 18));
        QCOMPARE(layout.TextWidth, 17);
        QCOMPARE(m_edit->spinButton()->geometry(), layout.Button);

        const auto tiny = SpinEditLayoutFor(3, 2);
        QCOMPARE(tiny.Button.size(), QSize(0, 0));
        QCOMPARE(tiny.TextWidth, 0);
    }

private:
    THost* m_host = nullptr;
    TRxSpinEdit* m_edit = nullptr;
    QLineEdit* m_other = nullptr;
};

QTEST_MAIN(TRxSpinEditTest)
#include "rx_spin_edit_test.moc"
