#include "rx_spin_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>
#include <cmath>

namespace tavrin {

namespace {

// Whole numbers beyond this are no longer exact in a double; a whole-number
// text is kept within it so that reading it back gives the value set.
constexpr double MaxExactWhole = 9007199254740992.0; // 2^53

// Digits that make sense for a double; more only pad with noise.
constexpr int MaxDecimal = 17;

bool IsControlChar(QChar ch) {
    return ch.unicode() < 0x20 || ch.unicode() == 0x7f;
}

// Focus that comes back after a popup or with the window stays where it was
// for the user: no selecting on the way in, no clamping on the way out.
bool IsRealFocusMove(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace

// Checks every change the user makes to the text (typing, pasting, cutting,
// input methods) against MaxLength and EditorEnabled. Text set by the
// program is never rejected, as QLineEdit does not undo a setText.
class TRxSpinEdit::TTypingValidator : public QValidator {
public:
    explicit TTypingValidator(TRxSpinEdit* edit) : QValidator(edit), m_edit(edit) {}
    State validate(QString& input, int&) const override {
        return m_edit->typingAllows(input) ? Acceptable : Invalid;
    }

private:
    TRxSpinEdit* m_edit;
};

TRxSpinEdit::TRxSpinEdit(QWidget* parent) : QLineEdit(parent) {
    m_button = new TRxSpinButton(this);
    m_button->setFocusControl(this);
    connect(m_button, &TRxSpinButton::OnTopClick, this, [this] { StepUp(); });
    connect(m_button, &TRxSpinButton::OnBottomClick, this, [this] { StepDown(); });
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_shownText = text;
        if (!m_holdChange)
            emit changed();
    });
    setValidator(new TTypingValidator(this));
    setText(QStringLiteral("0"));
    layoutButton();
}

bool TRxSpinEdit::typingAllows(const QString& candidate) const {
    if (candidate == m_shownText)
        return true;
    if (!m_editorEnabled)
        return false;
    return m_maxLength == 0 || candidate.size() <= m_maxLength;
}

double TRxSpinEdit::value() const {
    bool ok = false;
    if (m_valueType == TValueType::vtFloat) {
        const double v = QLocale::c().toDouble(text().trimmed(), &ok);
        return ok && std::isfinite(v) ? v : m_minValue;
    }
    const qlonglong v = text().toLongLong(&ok, 10);
    return ok ? static_cast<double>(v) : std::trunc(m_minValue);
}

double TRxSpinEdit::clamp(double value) const {
    if (m_maxValue != m_minValue) {
        if (value < m_minValue)
            return m_minValue;
        if (value > m_maxValue)
            return m_maxValue;
    }
    return value;
}

void TRxSpinEdit::setValue(double value) {
    if (std::isnan(value))
        return;
    value = clamp(value);
    if (m_valueType == TValueType::vtFloat) {
        if (std::isfinite(value))
            setText(QString::number(value, 'f', m_decimal));
        return;
    }
    // nearbyint rounds ties to the even neighbour in the default rounding mode.
    value = std::clamp(std::nearbyint(value), -MaxExactWhole, MaxExactWhole);
    setText(QString::number(static_cast<qlonglong>(value)));
}

void TRxSpinEdit::setValueType(TValueType type) {
    if (type == m_valueType)
        return;
    const double v = value();
    m_valueType = type;
    setValue(v);
}

void TRxSpinEdit::setDecimal(int decimal) {
    decimal = std::clamp(decimal, 0, MaxDecimal);
    if (decimal == m_decimal)
        return;
    m_decimal = decimal;
    if (m_valueType == TValueType::vtFloat)
        setValue(value());
}

bool TRxSpinEdit::AcceptsChar(QChar ch) const {
    if (IsControlChar(ch) || ch == u'+' || ch == u'-' || (ch >= u'0' && ch <= u'9'))
        return true;
    return m_valueType == TValueType::vtFloat && ch == u'.';
}

void TRxSpinEdit::StepUp() {
    step(m_increment);
}

void TRxSpinEdit::StepDown() {
    step(-m_increment);
}

void TRxSpinEdit::step(double delta) {
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    const QString before = text();
    {
        const QScopedValueRollback hold(m_holdChange, true);
        setValue(value() + delta);
    }
    if (QString::compare(before, text(), Qt::CaseInsensitive) != 0) {
        setModified(true);
        emit changed();
    }
}

void TRxSpinEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!m_arrowKeys)
            break;
        if (event->key() == Qt::Key_Up)
            StepUp();
        else
            StepDown();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // QLineEdit reports returnPressed; the key itself goes on to the
        // window, whose default button it presses.
        QLineEdit::keyPressEvent(event);
        event->ignore();
        return;
    case Qt::Key_Escape:
        // Left to the window, whose cancel button it presses.
        event->ignore();
        return;
    default:
        break;
    }

    const QString typed = event->text();
    const bool chord =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool printable =
        !typed.isEmpty() && std::none_of(typed.begin(), typed.end(), IsControlChar);
    if (printable && !chord) {
        const bool refused =
            !m_editorEnabled ||
            std::any_of(typed.begin(), typed.end(), [this](QChar ch) { return !AcceptsChar(ch); });
        if (refused) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TRxSpinEdit::focusInEvent(QFocusEvent* event) {
    const bool hadSelection = hasSelectedText();
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (!IsRealFocusMove(reason) || reason == Qt::MouseFocusReason)
        return;
    if (m_autoSelect)
        selectAll();
    else if (!hadSelection)
        deselect(); // QLineEdit selects on Tab by itself
}

void TRxSpinEdit::focusOutEvent(QFocusEvent* event) {
    if (IsRealFocusMove(event->reason())) {
        // Only a number outside the range is set again: a text that is no
        // number reads as MinValue, which is in range, and so stays as typed.
        const double v = value();
        if (clamp(v) != v)
            setValue(v);
    }
    QLineEdit::focusOutEvent(event);
}

void TRxSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    layoutButton();
}

void TRxSpinEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::StyleChange)
        layoutButton();
}

void TRxSpinEdit::layoutButton() {
    const TSpinEditLayout layout = SpinEditLayoutFor(width(), height());
    m_button->setGeometry(layout.Button);
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int textEnd = layout.TextLeft + layout.TextWidth;
    setTextMargins(0, 0, std::max(0, contents.x() + contents.width() - textEnd), 0);
}

} // namespace tavrin
