#include "rx_gradient_caption.h"

#include "caption_text.h"
#include "gradient_fill.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// Width of the resize frame round a window that is not maximised, and how far
// along an edge from a corner a press still grabs both edges.
constexpr int ResizeFrame = 4;
constexpr int ResizeCorner = 16;

bool IsAltF4(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F4 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

} // namespace

TRxGradientCaption::TRxGradientCaption(QWidget* owner)
    : QObject(owner), m_form(owner ? owner->window() : nullptr) {
    const QPalette palette = m_form ? m_form->palette() : QApplication::palette();
    m_startColor = palette.color(QPalette::Active, QPalette::WindowText);
    m_fontInactiveColor = palette.color(QPalette::Inactive, QPalette::WindowText);
    loadDefaultFont();
    if (m_form) {
        m_formMargins = m_form->contentsMargins();
        m_ownFrameless = m_form->windowFlags().testFlag(Qt::FramelessWindowHint);
        m_strip = new TRxCaptionStrip(*this, m_form);
        connect(m_strip, &TRxCaptionStrip::moveRequested, this, &TRxGradientCaption::beginMove);
        connect(m_strip, &TRxCaptionStrip::maximizeToggleRequested, this,
                &TRxGradientCaption::toggleMaximized);
        connect(m_strip, &TRxCaptionStrip::maximizeClicked, this,
                &TRxGradientCaption::toggleMaximized);
        connect(m_strip, &TRxCaptionStrip::menuRequested, this, &TRxGradientCaption::showPopup);
        connect(m_strip, &TRxCaptionStrip::minimizeClicked, m_form, &QWidget::showMinimized);
        connect(m_strip, &TRxCaptionStrip::closeClicked, m_form, &QWidget::close);
        connect(m_strip, &TRxCaptionStrip::helpClicked, this,
                [] { QWhatsThis::enterWhatsThisMode(); });
        m_form->installEventFilter(this);
        m_form->setMouseTracking(true);
    }
    attach();
}

// The form may be in the middle of its own destruction here, so its window
// flags are left alone; the strip is hidden at once and goes with the event
// loop (or with the form, whichever comes first).
TRxGradientCaption::~TRxGradientCaption() {
    if (m_form) {
        m_form->removeEventFilter(this);
    }
    if (m_strip) {
        m_strip->hide();
        m_strip->deleteLater();
    }
}

bool TRxGradientCaption::PlatformAllowsFrameless(const QString& platformName) {
    static const QStringList allowed{QStringLiteral("xcb"), QStringLiteral("windows"),
                                     QStringLiteral("cocoa"), QStringLiteral("offscreen")};
    return allowed.contains(platformName) || platformName.startsWith(QLatin1String("wayland"));
}

bool TRxGradientCaption::isInEffect() const {
    return m_active && m_form && !m_refused &&
           PlatformAllowsFrameless(QGuiApplication::platformName());
}

QWidget* TRxGradientCaption::captionStrip() const {
    return m_strip;
}

// ---- properties -------------------------------------------------------------

void TRxGradientCaption::setActive(bool active) {
    if (active == m_active) {
        return;
    }
    m_active = active;
    attach();
    if (active) {
        emit OnActivate();
    } else {
        emit OnDeactivate();
    }
}

void TRxGradientCaption::setCaptions(const TRxCaptionList& captions) {
    m_captions = captions;
    refresh();
}

void TRxGradientCaption::setDefaultFont(bool useDefault) {
    m_defaultFont = useDefault;
    if (useDefault) {
        loadDefaultFont();
    }
    attach();
}

void TRxGradientCaption::setFormCaption(const QString& caption) {
    m_formCaption = caption;
    refresh();
}

void TRxGradientCaption::setFontInactiveColor(const QColor& colour) {
    m_fontInactiveColor = colour;
    refreshIf(false, true);
}

void TRxGradientCaption::setFont(const QFont& font) {
    m_font = font;
    m_defaultFont = false;
    attach(); // the caption height follows the font
}

void TRxGradientCaption::setFontColor(const QColor& colour) {
    m_fontColor = colour;
    m_defaultFont = false;
    refresh();
}

void TRxGradientCaption::setGradientActive(bool on) {
    m_gradientActive = on;
    refreshIf(true, false);
}

void TRxGradientCaption::setGradientInactive(bool on) {
    m_gradientInactive = on;
    refreshIf(false, true);
}

void TRxGradientCaption::setGradientSteps(int steps) {
    m_gradientSteps = steps;
    refreshIf(m_gradientActive, m_gradientInactive);
}

void TRxGradientCaption::setHideDirection(THideDirection direction) {
    m_hideDirection = direction;
    refresh();
}

void TRxGradientCaption::setPopupMenu(QMenu* menu) {
    m_popupMenu = menu;
}

void TRxGradientCaption::setStartColor(const QColor& colour) {
    m_startColor = colour;
    refresh();
}

void TRxGradientCaption::loadDefaultFont() {
    m_font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    m_font.setBold(true);
    const QPalette palette = m_form ? m_form->palette() : QApplication::palette();
    m_fontColor = palette.color(QPalette::Active, QPalette::HighlightedText);
}

// ---- attaching --------------------------------------------------------------

// Makes the form frameless with the strip on top, or gives it back its own
// title bar, to match isInEffect(); then repaints with the current active state.
void TRxGradientCaption::attach() {
    if (!m_form) {
        return;
    }
    const bool effect = isInEffect();
    const bool frameless = effect || m_ownFrameless;
    if (m_form->windowFlags().testFlag(Qt::FramelessWindowHint) != frameless) {
        // Changing the flags hides a shown window; show it again in its old state.
        const bool wasVisible = m_form->isVisible();
        m_form->setWindowFlag(Qt::FramelessWindowHint, frameless);
        if (wasVisible) {
            m_form->show();
        }
    }
    m_strip->setVisible(effect);
    applyFrame();
    if (m_form->isVisible()) {
        m_windowActive = m_form->isActiveWindow();
    }
    refresh();
}

void TRxGradientCaption::applyFrame() {
    if (!isInEffect()) {
        m_form->setContentsMargins(m_formMargins);
        return;
    }
    const int frame = frameWidth();
    m_form->setContentsMargins(m_formMargins +
                               QMargins(frame, frame + captionHeight(), frame, frame));
    layoutStrip();
}

void TRxGradientCaption::layoutStrip() {
    const int frame = frameWidth();
    m_strip->setGeometry(frame, frame, std::max(0, m_form->width() - 2 * frame), captionHeight());
    m_strip->updateButtons(buttonWidth());
    m_strip->raise();
}

void TRxGradientCaption::refresh() {
    if (m_strip && isInEffect()) {
        m_strip->update();
    }
}

void TRxGradientCaption::refreshIf(bool active, bool inactive) {
    if (m_windowActive ? active : inactive) {
        refresh();
    }
}

int TRxGradientCaption::frameWidth() const {
    return m_form && !(m_form->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
               ? ResizeFrame
               : 0;
}

int TRxGradientCaption::captionHeight() const {
    const QStyle* style = m_form ? m_form->style() : QApplication::style();
    return std::max(style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_form),
                    QFontMetrics(m_font).height() + 8);
}

int TRxGradientCaption::buttonWidth() const {
    return captionHeight();
}

TCaptionButtons TRxGradientCaption::captionButtons() const {
    if (!m_form) {
        return {};
    }
    const Qt::WindowFlags flags = m_form->windowFlags();
    if (!flags.testFlag(Qt::CustomizeWindowHint)) {
        const bool window = m_form->windowType() == Qt::Window;
        return {true, window, window, false};
    }
    return {flags.testAnyFlags(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
            flags.testFlag(Qt::WindowMinimizeButtonHint),
            flags.testFlag(Qt::WindowMaximizeButtonHint),
            flags.testFlag(Qt::WindowContextHelpButtonHint)};
}

QRect TRxGradientCaption::captionRect() const {
    if (!m_form) {
        return {};
    }
    const int frame = frameWidth();
    return CaptionRect(m_form->width(), frame, captionHeight(), buttonWidth(), captionButtons())
        .translated(-frame, -frame);
}

// ---- title-bar gestures -----------------------------------------------------

void TRxGradientCaption::beginMove() {
    QWindow* window = m_form ? m_form->windowHandle() : nullptr;
    if (!window || !window->startSystemMove()) {
        refusedByPlatform();
    }
}

// Queued: the window is re-created with its platform frame, which must not
// happen inside the mouse event that asked for the move.
void TRxGradientCaption::refusedByPlatform() {
    m_refused = true;
    QMetaObject::invokeMethod(this, &TRxGradientCaption::attach, Qt::QueuedConnection);
}

void TRxGradientCaption::toggleMaximized() {
    if (m_form->isMaximized()) {
        m_form->showNormal();
    } else {
        m_form->showMaximized();
    }
}

void TRxGradientCaption::showPopup(QPoint global) {
    if (m_popupMenu) {
        m_popupMenu->popup(global);
    }
}

bool TRxGradientCaption::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_form || !isInEffect()) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Resize:
        layoutStrip();
        break;
    case QEvent::WindowStateChange:
        applyFrame();
        break;
    case QEvent::Show:
    case QEvent::ActivationChange:
        m_windowActive = m_form->isActiveWindow();
        m_strip->update();
        break;
    case QEvent::KeyPress:
        // Reaches the form only when no child took the key.
        if (IsAltF4(event)) {
            m_form->close();
            return true;
        }
        break;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::Edges edges =
            FrameEdgesAt(m_form->size(), mouse->position().toPoint(), frameWidth(), ResizeCorner);
        if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge)) {
            m_form->setCursor(Qt::SizeFDiagCursor);
        } else if (edges == (Qt::RightEdge | Qt::TopEdge) ||
                   edges == (Qt::LeftEdge | Qt::BottomEdge)) {
            m_form->setCursor(Qt::SizeBDiagCursor);
        } else if (edges & (Qt::LeftEdge | Qt::RightEdge)) {
            m_form->setCursor(Qt::SizeHorCursor);
        } else if (edges) {
            m_form->setCursor(Qt::SizeVerCursor);
        } else {
            m_form->unsetCursor();
        }
        break;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::Edges edges =
            FrameEdgesAt(m_form->size(), mouse->position().toPoint(), frameWidth(), ResizeCorner);
        if (mouse->button() == Qt::LeftButton && edges) {
            QWindow* window = m_form->windowHandle();
            if (!window || !window->startSystemResize(edges)) {
                refusedByPlatform();
            }
            return true;
        }
        break;
    }
    case QEvent::Paint:
        if (frameWidth() > 0) {
            QPainter painter(m_form);
            painter.setPen(m_form->palette().color(QPalette::Dark));
            painter.drawRect(m_form->rect().adjusted(0, 0, -1, -1));
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// ---- painting ---------------------------------------------------------------

QColor TRxGradientCaption::captionColour(bool active) const {
    const QPalette palette = m_form ? m_form->palette() : QApplication::palette();
    return active ? palette.color(QPalette::Active, QPalette::Highlight)
                  : palette.color(QPalette::Inactive, QPalette::Mid);
}

void TRxGradientCaption::paintCaption(QPainter& painter, const QRect& stripRect) const {
    const bool active = m_windowActive;
    const QColor end = captionColour(active);
    painter.fillRect(stripRect, end);
    const QPalette palette = m_form ? m_form->palette() : QApplication::palette();
    painter.fillRect(QRect(stripRect.left(), stripRect.bottom(), stripRect.width(), 1),
                     palette.color(QPalette::Window));

    const QRect caption = captionRect();
    if (caption.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(caption);
    if (active ? m_gradientActive : m_gradientInactive) {
        // The gradient starts a quarter of the width left of the caption, so
        // the visible left edge already shows a fifth of the blend.
        const int width = caption.width();
        const QRect span(caption.left() - width / 4, caption.top(), width + width / 4,
                         caption.height());
        PaintGradientFill(painter, GradientFill(span, m_startColor, end, m_gradientSteps,
                                                TFillDirection::fdLeftToRight));
    } else {
        painter.fillRect(caption, end);
    }

    int textLeft = caption.left() + 2;
    if (captionButtons().systemMenu && m_form) {
        const int side = caption.height();
        const QRect square(caption.left() + 1, caption.top(), side, side);
        QIcon icon = m_form->windowIcon();
        if (icon.isNull()) {
            icon = m_form->style()->standardIcon(QStyle::SP_TitleBarMenuButton, nullptr, m_form);
        }
        const int size =
            std::min(side, m_form->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_form));
        icon.paint(&painter,
                   QRect(square.center() - QPoint(size / 2, size / 2), QSize(size, size)));
        textLeft = square.right() + 1 + 2;
    }
    paintText(painter,
              QRect(textLeft, caption.top(), caption.right() + 1 - textLeft, caption.height()));
    painter.restore();
}

// Draws the visible caption parts and then the form caption into `area`, from
// its left edge (right edge for right-to-left windows), each text shortened
// with "..." to the room left for it.
void TRxGradientCaption::paintText(QPainter& painter, const QRect& area) const {
    struct Item {
        QString text;
        QFont font;
        QColor colour;
        int gap;
    };
    const bool active = m_windowActive;
    std::vector<Item> parts;
    for (const TRxCaption& part : m_captions) {
        if (!part.visible) {
            continue;
        }
        const QFont font = part.font.value_or(m_font);
        const QColor colour =
            active ? (part.color.isValid() ? part.color : m_fontColor)
                   : (part.inactiveColor.isValid() ? part.inactiveColor : m_fontInactiveColor);
        const int gap = part.glueNext ? 0 : QFontMetrics(font).horizontalAdvance(QLatin1Char(' '));
        parts.push_back({part.text, font, colour, gap});
    }
    std::vector<int> widths;
    for (const Item& part : parts) {
        widths.push_back(QFontMetrics(part.font).horizontalAdvance(part.text) + part.gap);
    }
    const std::vector<bool> kept =
        KeptCaptionParts(widths, QFontMetrics(m_font).horizontalAdvance(m_formCaption),
                         area.width(), m_hideDirection == hdLeftToRight);

    std::vector<Item> items;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (kept[i]) {
            items.push_back(parts[i]);
        }
    }
    items.push_back({m_formCaption, m_font, active ? m_fontColor : m_fontInactiveColor, 0});

    const bool rightToLeft = m_form && m_form->layoutDirection() == Qt::RightToLeft;
    painter.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    int used = 0;
    for (const Item& item : items) {
        const int room = area.width() - used;
        if (room <= 0) {
            break;
        }
        const QFontMetrics metrics(item.font);
        const QString text = ShortenCaption(item.text, room, metrics);
        const int width = std::min(room, metrics.horizontalAdvance(text));
        const QRect box =
            rightToLeft ? QRect(area.right() + 1 - used - width, area.top(), width, area.height())
                        : QRect(area.left() + used, area.top(), width, area.height());
        painter.setFont(item.font);
        painter.setPen(item.colour);
        painter.drawText(box, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text);
        used += width + item.gap;
    }
}
