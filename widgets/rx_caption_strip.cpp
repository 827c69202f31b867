#include "rx_caption_strip.h"

#include "caption_geometry.h"
#include "rx_gradient_caption.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

TRxCaptionStrip::TRxCaptionStrip(const TRxGradientCaption& caption, QWidget* window)
    : QWidget(window), m_caption(caption), m_minimize(makeButton("minimize")),
      m_maximize(makeButton("maximize")), m_close(makeButton("close")), m_help(makeButton("help")) {
    setObjectName(QStringLiteral("captionStrip"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_minimize->setIcon(style()->standardIcon(QStyle::SP_TitleBarMinButton, nullptr, this));
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, this));
    m_help->setIcon(style()->standardIcon(QStyle::SP_TitleBarContextHelpButton, nullptr, this));
    connect(m_minimize, &QToolButton::clicked, this, &TRxCaptionStrip::minimizeClicked);
    connect(m_maximize, &QToolButton::clicked, this, &TRxCaptionStrip::maximizeClicked);
    connect(m_close, &QToolButton::clicked, this, &TRxCaptionStrip::closeClicked);
    connect(m_help, &QToolButton::clicked, this, &TRxCaptionStrip::helpClicked);
}

QToolButton* TRxCaptionStrip::makeButton(const char* name) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    return button;
}

void TRxCaptionStrip::updateButtons(int buttonWidth) {
    const TCaptionButtons shown = m_caption.captionButtons();
    const bool minMax = shown.minimize || shown.maximize;
    const QWidget* form = window();
    m_maximize->setIcon(style()->standardIcon(form->isMaximized() ? QStyle::SP_TitleBarNormalButton
                                                                  : QStyle::SP_TitleBarMaxButton,
                                              nullptr, this));
    m_minimize->setEnabled(shown.minimize);
    m_maximize->setEnabled(shown.maximize);

    // Right to left: close, maximise, minimise, then help when it has a place.
    const int buttonHeight = std::max(0, height() - 5);
    const int top = (height() - 1 - buttonHeight) / 2;
    int right = width();
    const auto place = [&](QToolButton* button, bool visible) {
        button->setVisible(visible);
        if (visible) {
            right -= buttonWidth;
            button->setGeometry(right + 1, top, std::max(0, buttonWidth - 2), buttonHeight);
            button->setIconSize(QSize(buttonHeight - 4, buttonHeight - 4));
        }
    };
    place(m_close, shown.systemMenu);
    place(m_maximize, minMax);
    place(m_minimize, minMax);
    place(m_help, !minMax && shown.help);
}

void TRxCaptionStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_caption.paintCaption(painter, rect());
}

void TRxCaptionStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = true;
        m_pressPos = event->position().toPoint();
    } else if (event->button() == Qt::RightButton) {
        m_rightPressed = true;
    }
    event->accept();
}

// The move starts once the pointer has travelled the drag distance, so that a
// double click stays a double click and is not eaten by the platform's move.
void TRxCaptionStrip::mouseMoveEvent(QMouseEvent* event) {
    if (m_leftPressed && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - m_pressPos).manhattanLength() >=
            QApplication::startDragDistance()) {
        m_leftPressed = false;
        emit moveRequested();
    }
    event->accept();
}

void TRxCaptionStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = false;
    } else if (event->button() == Qt::RightButton && m_rightPressed) {
        m_rightPressed = false;
        if (rect().contains(event->position().toPoint())) {
            emit menuRequested(event->globalPosition().toPoint());
        }
    }
    event->accept();
}

void TRxCaptionStrip::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = false;
        emit maximizeToggleRequested();
    }
    event->accept();
}
