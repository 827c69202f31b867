#include "rx_caption_painter.h"

#include "caption_text.h"
#include "gradient_fill.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

QColor CaptionColour(const QPalette& palette, bool active) {
    return active ? palette.color(QPalette::Active, QPalette::Highlight)
                  : palette.color(QPalette::Inactive, QPalette::Mid);
}

} // namespace

void TRxCaptionPainter::loadDefaultFont(const QPalette& palette) {
    font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    fontColor = palette.color(QPalette::Active, QPalette::HighlightedText);
}

void TRxCaptionPainter::paint(QPainter& painter, const QRect& stripRect, const QRect& caption,
                              bool active, bool systemMenu, const QWidget* form) const {
    const QPalette palette = form ? form->palette() : QApplication::palette();
    const QColor end = CaptionColour(palette, active);
    painter.fillRect(stripRect, end);
    painter.fillRect(QRect(stripRect.left(), stripRect.bottom(), stripRect.width(), 1),
                     palette.color(QPalette::Window));

    if (caption.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(caption);
    if (active ? gradientActive : gradientInactive) {
        // The gradient starts a quarter of the width left of the caption, so
        // the visible left edge already shows a fifth of the blend.
        const int width = caption.width();
        const QRect span(caption.left() - width / 4, caption.top(), width + width / 4,
                         caption.height());
        PaintGradientFill(painter, GradientFill(span, startColor, end, gradientSteps,
                                                TFillDirection::fdLeftToRight));
    } else {
        painter.fillRect(caption, end);
    }

    int textLeft = caption.left() + 2;
    if (systemMenu && form) {
        const int side = caption.height();
        const QRect square(caption.left() + 1, caption.top(), side, side);
        QIcon icon = form->windowIcon();
        if (icon.isNull()) {
            icon = form->style()->standardIcon(QStyle::SP_TitleBarMenuButton, nullptr, form);
        }
        const int size =
            std::min(side, form->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, form));
        icon.paint(&painter,
                   QRect(square.center() - QPoint(size / 2, size / 2), QSize(size, size)));
        textLeft = square.right() + 1 + 2;
    }
    paintText(painter,
              QRect(textLeft, caption.top(), caption.right() + 1 - textLeft, caption.height()),
              active, form && form->layoutDirection() == Qt::RightToLeft);
    painter.restore();
}

// Draws the visible caption parts and then the form caption into `area`, from
// its left edge (right edge for right-to-left windows), each text shortened
// with "..." to the room left for it.
void TRxCaptionPainter::paintText(QPainter& painter, const QRect& area, bool active,
                                  bool rightToLeft) const {
    struct Item {
        QString text;
        QFont font;
        QColor colour;
        int gap;
    };
    std::vector<Item> parts;
    for (const TRxCaption& part : captions) {
        if (!part.visible) {
            continue;
        }
        const QFont partFont = part.font.value_or(font);
        const QColor colour =
            active ? (part.color.isValid() ? part.color : fontColor)
                   : (part.inactiveColor.isValid() ? part.inactiveColor : fontInactiveColor);
        const int gap =
            part.glueNext ? 0 : QFontMetrics(partFont).horizontalAdvance(QLatin1Char(' '));
        parts.push_back({part.text, partFont, colour, gap});
    }
    std::vector<int> widths;
    for (const Item& part : parts) {
        widths.push_back(QFontMetrics(part.font).horizontalAdvance(part.text) + part.gap);
    }
    const std::vector<bool> kept = KeptCaptionParts(
        widths, QFontMetrics(font).horizontalAdvance(formCaption), area.width(), hideLeftToRight);

    std::vector<Item> items;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (kept[i]) {
            items.push_back(parts[i]);
        }
    }
    items.push_back({formCaption, font, active ? fontColor : fontInactiveColor, 0});

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
