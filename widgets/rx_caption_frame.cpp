#include "rx_caption_frame.h"

#include "rx_caption_strip.h"
#include "rx_gradient_caption.h"

#include <QApplication>
#include <QKeyEvent>
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

TRxCaptionFrame::TRxCaptionFrame(const TRxGradientCaption& caption, QWidget* form)
    : m_caption(caption), m_form(form) {
    if (!m_form) {
        return;
    }
    m_formMargins = m_form->contentsMargins();
    m_ownFrameless = m_form->windowFlags().testFlag(Qt::FramelessWindowHint);
    m_strip = new TRxCaptionStrip(caption, m_form);
    connect(m_strip, &TRxCaptionStrip::moveRequested, this, &TRxCaptionFrame::beginMove);
    connect(m_strip, &TRxCaptionStrip::maximizeToggleRequested, this,
            &TRxCaptionFrame::toggleMaximized);
    connect(m_strip, &TRxCaptionStrip::maximizeClicked, this, &TRxCaptionFrame::toggleMaximized);
    connect(m_strip, &TRxCaptionStrip::minimizeClicked, m_form, &QWidget::showMinimized);
    connect(m_strip, &TRxCaptionStrip::closeClicked, m_form, &QWidget::close);
    connect(m_strip, &TRxCaptionStrip::helpClicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    m_form->installEventFilter(this);
    m_form->setMouseTracking(true);
}

// The form may be in the middle of its own destruction here, so its window
// flags are left alone; the strip is hidden at once and goes with the event
// loop (or with the form, whichever comes first).
TRxCaptionFrame::~TRxCaptionFrame() {
    if (m_form) {
        m_form->removeEventFilter(this);
    }
    if (m_strip) {
        m_strip->hide();
        m_strip->deleteLater();
    }
}

TRxCaptionStrip* TRxCaptionFrame::strip() const {
    return m_strip;
}

void TRxCaptionFrame::setActive(bool active) {
    m_active = active;
    attach();
}

bool TRxCaptionFrame::isInEffect() const {
    return m_active && m_form && !m_refused &&
           TRxGradientCaption::PlatformAllowsFrameless(QGuiApplication::platformName());
}

void TRxCaptionFrame::attach() {
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

void TRxCaptionFrame::applyFrame() {
    if (!isInEffect()) {
        m_form->setContentsMargins(m_formMargins);
        return;
    }
    const int frame = frameWidth();
    m_form->setContentsMargins(m_formMargins +
                               QMargins(frame, frame + captionHeight(), frame, frame));
    layoutStrip();
}

void TRxCaptionFrame::layoutStrip() {
    const int frame = frameWidth();
    m_strip->setGeometry(frame, frame, std::max(0, m_form->width() - 2 * frame), captionHeight());
    m_strip->updateButtons(buttonWidth());
    m_strip->raise();
}

void TRxCaptionFrame::refresh() {
    if (m_strip && isInEffect()) {
        m_strip->update();
    }
}

void TRxCaptionFrame::refreshIf(bool active, bool inactive) {
    if (m_windowActive ? active : inactive) {
        refresh();
    }
}

int TRxCaptionFrame::frameWidth() const {
    return m_form && !(m_form->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
               ? ResizeFrame
               : 0;
}

int TRxCaptionFrame::captionHeight() const {
    const QStyle* style = m_form ? m_form->style() : QApplication::style();
    return std::max(style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_form),
                    QFontMetrics(m_caption.font()).height() + 8);
}

int TRxCaptionFrame::buttonWidth() const {
    return captionHeight();
}

TCaptionButtons TRxCaptionFrame::captionButtons() const {
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

QRect TRxCaptionFrame::captionRect() const {
    if (!m_form) {
        return {};
    }
    const int frame = frameWidth();
    return CaptionRect(m_form->width(), frame, captionHeight(), buttonWidth(), captionButtons())
        .translated(-frame, -frame);
}

// ---- title-bar gestures -----------------------------------------------------

void TRxCaptionFrame::beginMove() {
    QWindow* window = m_form ? m_form->windowHandle() : nullptr;
    if (!window || !window->startSystemMove()) {
        refusedByPlatform();
    }
}

// Queued: the window is re-created with its platform frame, which must not
// happen inside the mouse event that asked for the move.
void TRxCaptionFrame::refusedByPlatform() {
    m_refused = true;
    QMetaObject::invokeMethod(this, &TRxCaptionFrame::attach, Qt::QueuedConnection);
}

void TRxCaptionFrame::toggleMaximized() {
    if (m_form->isMaximized()) {
        m_form->showNormal();
    } else {
        m_form->showMaximized();
    }
}

bool TRxCaptionFrame::eventFilter(QObject* watched, QEvent* event) {
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
