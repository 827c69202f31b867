#include "rx_spin_button.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace tavrin {

namespace {

QPixmap GlyphPixmap(const TSpinGlyphRows& rows) {
    QImage image(SpinGlyphSize, SpinGlyphSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < SpinGlyphSize; ++y)
        for (int x = 0; x < SpinGlyphSize; ++x)
            if (SpinGlyphPixel(rows, x, y))
                image.setPixel(x, y, qRgb(0, 0, 0));
    return QPixmap::fromImage(image);
}

} // namespace

TRxSpinButton::TRxSpinButton(QWidget* parent)
    : QWidget(parent), m_upGlyph(GlyphPixmap(SpinUpGlyphRows)),
      m_downGlyph(GlyphPixmap(SpinDownGlyphRows)) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    connect(&m_repeat, &QTimer::timeout, this, &TRxSpinButton::repeatTick);
}

void TRxSpinButton::setUpGlyph(const QPixmap& glyph) {
    m_upGlyph = glyph;
    update();
}

void TRxSpinButton::setDownGlyph(const QPixmap& glyph) {
    m_downGlyph = glyph;
    update();
}

void TRxSpinButton::repeatTick() {
    if (m_tracking == TSpinHalf::None) {
        m_repeat.stop();
        return;
    }
    if (m_repeat.interval() != RepeatIntervalMs)
        m_repeat.setInterval(RepeatIntervalMs);
    // Off the pressed half the repetition pauses; the timer keeps running so
    // that it resumes on the next tick after the mouse comes back.
    if (m_shownPressed == m_tracking)
        click(m_tracking);
}

TSpinHalf TRxSpinButton::halfAt(QPoint pos) const {
    return SpinHalfAt(pos.x(), pos.y(), width(), height());
}

void TRxSpinButton::showPressed(TSpinHalf half) {
    if (m_shownPressed == half)
        return;
    m_shownPressed = half;
    update();
}

void TRxSpinButton::stopTracking() {
    m_tracking = TSpinHalf::None;
    m_repeat.stop();
    showPressed(TSpinHalf::None);
}

void TRxSpinButton::click(TSpinHalf half) {
    if (half == TSpinHalf::Up)
        emit OnTopClick();
    else if (half == TSpinHalf::Down)
        emit OnBottomClick();
}

void TRxSpinButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    QWidget* focus = m_focusControl.data();
    if (focus && !focus->hasFocus() && focus->isEnabled() && focus->isVisible() &&
        (focus->focusPolicy() & Qt::ClickFocus))
        focus->setFocus(Qt::MouseFocusReason);
    const TSpinHalf half = halfAt(event->position().toPoint());
    if (half == TSpinHalf::None)
        return;
    m_tracking = half;
    showPressed(half);
    // Started before the step, so that a step which disables or hides the
    // button (and so stops tracking) also stops the timer.
    m_repeat.start(FirstRepeatDelayMs);
    click(half);
}

void TRxSpinButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (m_tracking == TSpinHalf::None)
        return;
    const bool onPressedHalf = halfAt(event->position().toPoint()) == m_tracking;
    showPressed(onPressedHalf ? m_tracking : TSpinHalf::None);
}

void TRxSpinButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        stopTracking();
}

// A disabled or hidden button receives no release, so the press ends here
// instead of repeating for ever.
void TRxSpinButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stopTracking();
    QWidget::changeEvent(event);
}

void TRxSpinButton::hideEvent(QHideEvent* event) {
    stopTracking();
    QWidget::hideEvent(event);
}

void TRxSpinButton::paintEvent(QPaintEvent*) {
    const int w = width();
    const int h = height();
    if (w < 4 || h < 4)
        return;
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.button());

    const bool upSunken = m_shownPressed == TSpinHalf::Up;
    const bool downSunken = m_shownPressed == TSpinHalf::Down;
    const QColor light = pal.color(QPalette::Light);
    const QColor dark = pal.color(QPalette::Dark);

    // Up half: its outer edges are the top and the left side, its inner edge
    // runs just above the diagonal.
    p.setPen(upSunken ? dark : light);
    p.drawLine(1, 1, w - 3, 1);
    p.drawLine(1, 1, 1, h - 3);
    p.setPen(upSunken ? light : dark);
    p.drawLine(1, h - 3, w - 3, 1);

    // Down half: the bottom and the right side outside, just below the
    // diagonal inside.
    p.setPen(downSunken ? light : dark);
    p.drawLine(2, h - 2, w - 2, h - 2);
    p.drawLine(w - 2, 2, w - 2, h - 2);
    p.setPen(downSunken ? dark : light);
    p.drawLine(2, h - 2, w - 2, 2);

    p.setPen(pal.color(QPalette::Shadow));
    p.drawRect(0, 0, w - 1, h - 1);
    p.drawLine(0, h - 1, w - 1, 0);

    if (!isEnabled())
        p.setOpacity(0.4);
    const auto drawGlyph = [&](TSpinHalf half, const QPixmap& glyph, bool sunken) {
        QPoint at = SpinGlyphOrigin(half, w, h, glyph.width(), glyph.height());
        if (sunken)
            at += QPoint(1, 1);
        p.drawPixmap(at, glyph);
    };
    drawGlyph(TSpinHalf::Up, m_upGlyph, upSunken);
    drawGlyph(TSpinHalf::Down, m_downGlyph, downSunken);
}

} // namespace tavrin
