#include "caption_geometry.h"

#include <algorithm>
#include <cstdint>

int CaptionButtonCount(const TCaptionButtons& buttons) {
    int count = buttons.systemMenu ? 1 : 0;
    if (buttons.minimize || buttons.maximize) {
        count += 2;
    } else if (buttons.help) {
        count += 1;
    }
    return count;
}

QRect CaptionRect(int windowWidth, int frame, int captionHeight, int buttonWidth,
                  const TCaptionButtons& buttons) {
    const std::int64_t width = std::int64_t{windowWidth} - 2 * std::int64_t{frame} -
                               std::int64_t{CaptionButtonCount(buttons)} * buttonWidth;
    const int clamped =
        static_cast<int>(std::clamp<std::int64_t>(width, 0, std::max(0, windowWidth)));
    return QRect(frame, frame, clamped, std::max(0, captionHeight - 1));
}

Qt::Edges FrameEdgesAt(const QSize& window, const QPoint& pos, int frame, int corner) {
    Qt::Edges edges;
    if (frame <= 0 || !QRect(QPoint(0, 0), window).contains(pos)) {
        return edges;
    }
    const int right = window.width() - 1 - pos.x();
    const int bottom = window.height() - 1 - pos.y();
    const bool inFrame = pos.x() < frame || pos.y() < frame || right < frame || bottom < frame;
    if (!inFrame) {
        return edges;
    }
    const int reach = std::max(frame, corner);
    if (pos.x() < reach) {
        edges |= Qt::LeftEdge;
    } else if (right < reach) {
        edges |= Qt::RightEdge;
    }
    if (pos.y() < reach) {
        edges |= Qt::TopEdge;
    } else if (bottom < reach) {
        edges |= Qt::BottomEdge;
    }
    return edges;
}
