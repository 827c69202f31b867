#include "rx_gradient_caption.h"

#include "rx_caption_strip.h"

#include <QApplication>
#include <QWidget>

TRxGradientCaption::TRxGradientCaption(QWidget* owner)
    : QObject(owner), m_frame(*this, owner ? owner->window() : nullptr) {
    const QWidget* form = m_frame.form();
    const QPalette palette = form ? form->palette() : QApplication::palette();
    m_look.startColor = palette.color(QPalette::Active, QPalette::WindowText);
    m_look.fontInactiveColor = palette.color(QPalette::Inactive, QPalette::WindowText);
    loadDefaultFont();
    if (TRxCaptionStrip* strip = m_frame.strip()) {
        connect(strip, &TRxCaptionStrip::menuRequested, this, &TRxGradientCaption::showPopup);
    }
    m_frame.attach();
}

bool TRxGradientCaption::PlatformAllowsFrameless(const QString& platformName) {
    static const QStringList allowed{QStringLiteral("xcb"), QStringLiteral("windows"),
                                     QStringLiteral("cocoa"), QStringLiteral("offscreen")};
    return allowed.contains(platformName) || platformName.startsWith(QLatin1String("wayland"));
}

QWidget* TRxGradientCaption::captionStrip() const {
    return m_frame.strip();
}

void TRxGradientCaption::paintCaption(QPainter& painter, const QRect& stripRect) const {
    m_look.paint(painter, stripRect, captionRect(), m_frame.isWindowActive(),
                 captionButtons().systemMenu, m_frame.form());
}

// ---- properties -------------------------------------------------------------

void TRxGradientCaption::setActive(bool active) {
    if (active == isActive()) {
        return;
    }
    m_frame.setActive(active);
    if (active) {
        emit OnActivate();
    } else {
        emit OnDeactivate();
    }
}

void TRxGradientCaption::setCaptions(const TRxCaptionList& captions) {
    m_look.captions = captions;
    m_frame.refresh();
}

void TRxGradientCaption::setDefaultFont(bool useDefault) {
    m_defaultFont = useDefault;
    if (useDefault) {
        loadDefaultFont();
    }
    m_frame.attach();
}

void TRxGradientCaption::setFormCaption(const QString& caption) {
    m_look.formCaption = caption;
    m_frame.refresh();
}

void TRxGradientCaption::setFontInactiveColor(const QColor& colour) {
    m_look.fontInactiveColor = colour;
    m_frame.refreshIf(false, true);
}

void TRxGradientCaption::setFont(const QFont& font) {
    m_look.font = font;
    m_defaultFont = false;
    m_frame.attach(); // the caption height follows the font
}

void TRxGradientCaption::setFontColor(const QColor& colour) {
    m_look.fontColor = colour;
    m_defaultFont = false;
    m_frame.refresh();
}

void TRxGradientCaption::setGradientActive(bool on) {
    m_look.gradientActive = on;
    m_frame.refreshIf(true, false);
}

void TRxGradientCaption::setGradientInactive(bool on) {
    m_look.gradientInactive = on;
    m_frame.refreshIf(false, true);
}

void TRxGradientCaption::setGradientSteps(int steps) {
    m_look.gradientSteps = steps;
    m_frame.refreshIf(m_look.gradientActive, m_look.gradientInactive);
}

void TRxGradientCaption::setHideDirection(THideDirection direction) {
    m_look.hideLeftToRight = direction == hdLeftToRight;
    m_frame.refresh();
}

void TRxGradientCaption::setPopupMenu(QMenu* menu) {
    m_popupMenu = menu;
}

void TRxGradientCaption::setStartColor(const QColor& colour) {
    m_look.startColor = colour;
    m_frame.refresh();
}

void TRxGradientCaption::loadDefaultFont() {
    const QWidget* form = m_frame.form();
    m_look.loadDefaultFont(form ? form->palette() : QApplication::palette());
}

void TRxGradientCaption::showPopup(QPoint global) {
    if (m_popupMenu) {
        m_popupMenu->popup(global);
    }
}
