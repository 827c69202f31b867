#pragma once
// The diagonal spin button: a square split along the diagonal from its
// bottom-left to its top-right corner into an up half (upper left) and a down
// half (lower right). Pressing a half steps once at once and then repeats
// while the mouse is held on that half: first after 400 ms, then every 100 ms.
//
// The arithmetic that drawing and mouse handling need (which half a point
// lies in, where the glyphs go) is in pure functions so it can be checked
// without a window.

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

namespace tavrin {

enum class TSpinHalf { None, Up, Down };

// Which half of a w x h button the point (x, y) (button coordinates) lies in:
// the down half when y > h - (h / w) * x, that is strictly below the diagonal
// from the bottom-left to the top-right corner, else the up half. Points on
// the diagonal belong to the up half. Points outside the button, and any
// point of an empty button, lie in no half.
constexpr TSpinHalf SpinHalfAt(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0 || x < 0 || y < 0 || x >= w || y >= h)
        return TSpinHalf::None;
    // y > h - h*x/w, multiplied through by w > 0 to stay in whole numbers.
    const std::int64_t lhs = std::int64_t{y} * w;
    const std::int64_t rhs = std::int64_t{h} * (std::int64_t{w} - x);
    return lhs > rhs ? TSpinHalf::Down : TSpinHalf::Up;
}

// The arrow glyphs, 6 x 6 pixels, one byte per row from the top, bit 5 the
// leftmost pixel; a set bit is a black pixel, the rest is transparent.
inline constexpr int SpinGlyphSize = 6;
using TSpinGlyphRows = std::array<std::uint8_t, SpinGlyphSize>;
inline constexpr TSpinGlyphRows SpinUpGlyphRows{0b001100, 0b011110, 0b111111,
                                                0b001100, 0b001100, 0b001100};
inline constexpr TSpinGlyphRows SpinDownGlyphRows{0b001100, 0b001100, 0b001100,
                                                  0b111111, 0b011110, 0b001100};

constexpr bool SpinGlyphPixel(const TSpinGlyphRows& rows, int x, int y) {
    if (x < 0 || y < 0 || x >= SpinGlyphSize || y >= SpinGlyphSize)
        return false;
    return (rows[static_cast<std::size_t>(y)] >> (SpinGlyphSize - 1 - x)) & 1u;
}

// Top-left corner of a glyph of the given size centred in the quarter of a
// w x h button that belongs to the half: the upper-left quarter for the up
// glyph, the lower-right quarter for the down glyph. The two places mirror
// each other through the button's centre, so both glyphs keep the same
// distance from the frame.
constexpr QPoint SpinGlyphOrigin(TSpinHalf half, int w, int h, int glyphW, int glyphH) {
    const int x = (w / 2 - glyphW + 1) / 2;
    const int y = (h / 2 - glyphH + 1) / 2;
    if (half == TSpinHalf::Down)
        return {w - x - glyphW, h - y - glyphH};
    return {x, y};
}

class TRxSpinButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap UpGlyph READ upGlyph WRITE setUpGlyph)
    Q_PROPERTY(QPixmap DownGlyph READ downGlyph WRITE setDownGlyph)
    Q_PROPERTY(QWidget* FocusControl READ focusControl WRITE setFocusControl)

public:
    static constexpr int FirstRepeatDelayMs = 400;
    static constexpr int RepeatIntervalMs = 100;

    explicit TRxSpinButton(QWidget* parent = nullptr);

    QPixmap upGlyph() const { return m_upGlyph; }
    void setUpGlyph(const QPixmap& glyph);
    QPixmap downGlyph() const { return m_downGlyph; }
    void setDownGlyph(const QPixmap& glyph);

    // The widget that takes the focus when the button is pressed.
    QWidget* focusControl() const { return m_focusControl.data(); }
    void setFocusControl(QWidget* control) { m_focusControl = control; }

    // The half drawn sunken, or None.
    TSpinHalf pressedHalf() const { return m_shownPressed; }

    // The repeat timer, for looking at its state and interval.
    const QTimer& repeatTimer() const { return m_repeat; }

    // What the repeat timer runs at each tick: one more step of the pressed
    // half while it is shown pressed and the mouse is still held, and the
    // switch from the first delay to the repeat interval. Public so that the
    // repetition can be driven without waiting for the clock.
    void repeatTick();

signals:
    void OnTopClick();
    void OnBottomClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TSpinHalf halfAt(QPoint pos) const;
    void showPressed(TSpinHalf half);
    void stopTracking();
    void click(TSpinHalf half);

    QPixmap m_upGlyph;
    QPixmap m_downGlyph;
    QPointer<QWidget> m_focusControl;
    QTimer m_repeat;
    // The half the current press started on; None when the mouse is not held.
    TSpinHalf m_tracking = TSpinHalf::None;
    TSpinHalf m_shownPressed = TSpinHalf::None;
};

} // namespace tavrin
