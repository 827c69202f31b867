#include "editor_tray.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int TrayWidth = 112;
constexpr int TopBand = 28; // the tray's title
constexpr int MaxItemHeight = 104;
constexpr int MinItemHeight = 40;

} // namespace

TEditorTray::TEditorTray(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EditorTray"));
    setAccessibleName(tr("Tray"));
    setFixedWidth(TrayWidth);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    setToolTip(tr("Tiles lifted off the map: drag one onto the map to lay it"));
}

void TEditorTray::SetItems(std::vector<TItem> items, int selected) {
    Items = std::move(items);
    Selected = selected;
    update();
}

// As many tiles as are lifted share the tray's height, each as large as
// there is room for.
QRect TEditorTray::ItemBox(int index) const {
    const int count = std::max<int>(1, static_cast<int>(Items.size()));
    const int step = std::clamp((height() - TopBand) / count, MinItemHeight, MaxItemHeight);
    return {4, TopBand + index * step, TrayWidth - 8, step - 4};
}

int TEditorTray::TileAt(QPoint point) const {
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (ItemBox(static_cast<int>(i)).contains(point))
            return Items[i].Tile;
    return 0;
}

void TEditorTray::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, 4, width(), 20), Qt::AlignCenter, tr("Tray"));
    if (Items.empty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(QRect(6, 28, width() - 12, 120), Qt::AlignHCenter | Qt::TextWordWrap,
                         tr("Delete lifts the selected tile here"));
        return;
    }
    for (std::size_t i = 0; i < Items.size(); ++i) {
        const TItem& item = Items[i];
        const QRect box = ItemBox(static_cast<int>(i));
        if (item.Tile == Selected) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
            painter.drawRect(box.adjusted(1, 1, -1, -1));
        }
        const int side = box.height() - 20;
        const QRect art((box.width() - side) / 2 + box.left(), box.top() + 2, side, side);
        if (!item.Bitmap.isNull())
            painter.drawImage(art, item.Bitmap);
        else
            painter.drawRect(art.adjusted(8, 8, -8, -8));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(box.left(), art.bottom(), box.width(), 16), Qt::AlignCenter,
                         item.Name);
    }
}

void TEditorTray::mousePressEvent(QMouseEvent* event) {
    Pressed = event->button() == Qt::LeftButton ? TileAt(event->position().toPoint()) : 0;
    PressPos = event->position().toPoint();
    Dragging = false;
    if (Pressed != 0)
        emit TileClicked(Pressed);
}

void TEditorTray::mouseMoveEvent(QMouseEvent* event) {
    if (Pressed == 0)
        return;
    if ((event->position().toPoint() - PressPos).manhattanLength() >=
        QApplication::startDragDistance())
        Dragging = true;
    if (Dragging) {
        setCursor(Qt::ClosedHandCursor);
        emit TileDragged(Pressed, event->globalPosition().toPoint());
    }
}

void TEditorTray::mouseReleaseEvent(QMouseEvent* event) {
    const int tile = Pressed;
    const bool dropped = Dragging;
    Pressed = 0;
    Dragging = false;
    unsetCursor();
    if (tile != 0 && dropped)
        emit TileDropped(tile, event->globalPosition().toPoint());
}
