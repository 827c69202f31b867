#pragma once
// A single-line numeric input with a diagonal spin button inside its right
// end. The value is not stored apart from the text: reading Value converts
// the current text each time, and a text that is no number reads as
// MinValue. Arrow keys and the button step the value by Increment within
// MinValue..MaxValue; typing is limited to signs and digits; leaving the
// field pulls a number outside the range back into it.
//
// Setting it up as a clearing input (1..6, one character):
//
//     auto* edit = new TRxSpinEdit(panel);
//     edit->setMinValue(1);
//     edit->setMaxValue(6);
//     edit->setValue(1);
//     edit->setMaxLength(1);
//     connect(edit, &TRxSpinEdit::changed, ...);

#include "rx_spin_button.h"

#include <QLineEdit>
#include <QRect>

namespace tavrin {

enum class TValueType { vtInteger, vtFloat };
// Only the diagonal button is drawn; bkStandard is accepted and shows it too.
enum class TSpinButtonKind { bkStandard, bkDiagonal };

// Width of the edit's 3-D border, inside which the text and the button lie.
inline constexpr int SpinEditBorder = 2;

// Where the button and the text area of a width x height edit lie, in the
// edit's own coordinates: the button is a square of side height - 3 whose
// left edge is at width - height - 1 in the client area (inside the border)
// and which starts one pixel above the client area; the text area runs from
// the client area's left edge to 2 pixels before the button.
struct TSpinEditLayout {
    QRect Button;
    int TextLeft = 0;
    int TextWidth = 0;
};

constexpr TSpinEditLayout SpinEditLayoutFor(int width, int height) {
    const int side = height - 3 > 0 ? height - 3 : 0;
    const int clientButtonLeft = width - height - 1;
    const int textWidth = clientButtonLeft - 2 > 0 ? clientButtonLeft - 2 : 0;
    return {QRect(SpinEditBorder + clientButtonLeft, SpinEditBorder - 1, side, side),
            SpinEditBorder, textWidth};
}

class TRxSpinEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(double Value READ value WRITE setValue NOTIFY changed)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(double Increment READ increment WRITE setIncrement)
    Q_PROPERTY(int Decimal READ decimal WRITE setDecimal)
    Q_PROPERTY(bool EditorEnabled READ editorEnabled WRITE setEditorEnabled)
    Q_PROPERTY(bool ArrowKeys READ arrowKeys WRITE setArrowKeys)
    Q_PROPERTY(bool AutoSelect READ autoSelect WRITE setAutoSelect)

public:
    explicit TRxSpinEdit(QWidget* parent = nullptr);

    // When MinValue and MaxValue are equal nothing is clamped. Changing them
    // leaves the text alone; the next set, step or leaving the field clamps.
    double minValue() const { return m_minValue; }
    void setMinValue(double minValue) { m_minValue = minValue; }
    double maxValue() const { return m_maxValue; }
    void setMaxValue(double maxValue) { m_maxValue = maxValue; }

    // The current text as a number (a whole number for vtInteger); MinValue
    // (cut to a whole number for vtInteger) when the text is none.
    double value() const;
    // Clamps, rounds (to the nearest whole number, ties to even, for
    // vtInteger; to Decimal places for vtFloat) and shows the result. Not a
    // number is ignored.
    void setValue(double value);

    // At most this many characters can be typed or pasted; 0 means no limit.
    // Unlike QLineEdit's own limit, a value set or stepped to is never cut
    // short, so the text always shows the whole number.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = length > 0 ? length : 0; }

    double increment() const { return m_increment; }
    void setIncrement(double increment) { m_increment = increment; }

    TValueType valueType() const { return m_valueType; }
    void setValueType(TValueType type);

    // Decimal places shown for vtFloat.
    int decimal() const { return m_decimal; }
    void setDecimal(int decimal);

    // False: nothing can be typed, pasted or cut, but the value still steps.
    bool editorEnabled() const { return m_editorEnabled; }
    void setEditorEnabled(bool enabled) { m_editorEnabled = enabled; }

    TSpinButtonKind buttonKind() const { return m_buttonKind; }
    void setButtonKind(TSpinButtonKind kind) { m_buttonKind = kind; }

    bool arrowKeys() const { return m_arrowKeys; }
    void setArrowKeys(bool on) { m_arrowKeys = on; }

    // Select the whole text on entering the field other than by a click.
    bool autoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool on) { m_autoSelect = on; }

    TRxSpinButton* spinButton() const { return m_button; }

    // Whether a typed (printable) character may go into the text: "+", "-"
    // and the digits, and for vtFloat also the decimal point.
    virtual bool AcceptsChar(QChar ch) const;
    // One step up or down by Increment, clamped. A read-only edit beeps
    // instead. Raises the change notification once, and only when the text
    // changed.
    virtual void StepUp();
    virtual void StepDown();

signals:
    // The change notification: raised once for every change of the text,
    // whether typed, set or stepped.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class TTypingValidator;

    void step(double delta);
    double clamp(double value) const;
    void layoutButton();
    bool typingAllows(const QString& candidate) const;

    TRxSpinButton* m_button = nullptr;
    double m_minValue = 0;
    double m_maxValue = 0;
    double m_increment = 1;
    int m_maxLength = 0;
    int m_decimal = 2;
    TValueType m_valueType = TValueType::vtInteger;
    TSpinButtonKind m_buttonKind = TSpinButtonKind::bkDiagonal;
    bool m_editorEnabled = true;
    bool m_arrowKeys = true;
    bool m_autoSelect = true;
    // Raised while a step sets the text, so that the step notifies once.
    bool m_holdChange = false;
    // The text as last shown, to tell what a user edit would change.
    QString m_shownText;
};

} // namespace tavrin
