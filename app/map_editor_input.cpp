// The map editor's input: keys on the map view, clicks, drags and the wheel
// on its viewport, and tiles dropped from the tray, each turned into one of
// the core's edits.

#include "editor_tray.h"
#include "map_editor_part.h"
#include "map_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

// One notch of a mouse wheel.
constexpr int WheelNotch = 120;

tavrin::TPoint PicturePoint(const TMapView& view, QPointF viewportPos) {
    const QPointF p = view.ToPicture(viewportPos);
    return {p.x(), p.y()};
}

} // namespace

int TMapEditorPart::TileUnder(QPointF viewportPos) const {
    return Editor->TileIn(tavrin::CellAt(PicturePoint(View, viewportPos), Picture.Frame()));
}

void TMapEditorPart::DragTo(QPoint viewportPos) {
    std::optional<tavrin::TCell> cell;
    if (View.viewport()->rect().contains(viewportPos) &&
        !Tray->geometry().contains(View.viewport()->mapTo(&View, viewportPos)))
        cell = tavrin::CellAt(PicturePoint(View, viewportPos), Picture.Frame());
    if (cell != DropCell) {
        DropCell = cell;
        View.viewport()->update();
    }
}

// A tile let go over the tray is lifted; over the map it goes to the cell
// under it, swapping with a tile there.
void TMapEditorPart::DropAt(int tile, QPoint globalPos) {
    DropCell.reset();
    View.viewport()->update();
    if (!Editor)
        return;
    if (Tray->rect().contains(Tray->mapFromGlobal(globalPos))) {
        Do(Editor->Lift(tile));
        return;
    }
    const QPoint at = View.viewport()->mapFromGlobal(globalPos);
    if (View.viewport()->rect().contains(at))
        Do(Editor->MoveTo(tile, tavrin::CellAt(PicturePoint(View, at), Picture.Frame())));
}

bool TMapEditorPart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == View.viewport() && event->type() == QEvent::Resize)
        PlaceTray();
    if (!Editor)
        return false;
    // The edited map is kept when the window closes, as when the editor is
    // left (unless tiles wait in the tray, which leave no map to keep).
    if (watched == &Context.Window && event->type() == QEvent::Close) {
        Context.Run([this] { SetEditing(false); });
        return false;
    }
    if (watched == &View && event->type() == QEvent::KeyPress) {
        bool handled = false;
        Context.Run([&] { handled = KeyPressed(static_cast<QKeyEvent*>(event)); });
        return handled;
    }
    if (watched == View.viewport()) {
        bool handled = false;
        Context.Run([&] { handled = MouseEvent(event); });
        return handled;
    }
    return false;
}

bool TMapEditorPart::KeyPressed(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers != Qt::NoModifier)
        return false;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int selected = Editor->Selected();
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        static constexpr tavrin::TArrow arrows[] = {tavrin::TArrow::Left, tavrin::TArrow::Up,
                                                    tavrin::TArrow::Right, tavrin::TArrow::Down};
        if (Editor->SelectToward(arrows[event->key() - Qt::Key_Left])) {
            ShowTray();
            ShowSelected();
        }
        return true;
    }
    case Qt::Key_R:
        Do(Editor->Turn(selected, shift ? -1 : 1));
        return true;
    case Qt::Key_P:
        Do(Editor->TogglePin(selected));
        return true;
    case Qt::Key_Delete:
        Do(Editor->Lift(selected));
        return true;
    default:
        return false;
    }
}

// Clicks select, a drag moves a tile, the wheel turns the tile under it
// (Ctrl and the wheel still zoom). Nothing reaches the route query's
// clearing clicks or the listing's tooltips while editing.
bool TMapEditorPart::MouseEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        View.setFocus();
        if (mouse->button() != Qt::LeftButton)
            return true;
        Pressed = TileUnder(mouse->position());
        PressPos = mouse->position().toPoint();
        Dragging = false;
        if (Pressed != 0) {
            Editor->Select(Pressed);
            ShowTray();
            View.viewport()->update();
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (Pressed == 0) {
            View.viewport()->setCursor(TileUnder(mouse->position()) != 0 ? Qt::OpenHandCursor
                                                                         : Qt::ArrowCursor);
            return true;
        }
        if ((mouse->position().toPoint() - PressPos).manhattanLength() >=
            QApplication::startDragDistance())
            Dragging = true;
        if (Dragging) {
            View.viewport()->setCursor(Qt::ClosedHandCursor);
            DragTo(mouse->position().toPoint());
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int tile = Pressed;
        const bool dropped = Dragging;
        Pressed = 0;
        Dragging = false;
        View.viewport()->setCursor(Qt::ArrowCursor);
        if (tile != 0 && dropped)
            DropAt(tile, mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier)
            return false;
        const int tile = TileUnder(wheel->position());
        if (tile == 0)
            return false;
        Editor->Select(tile);
        WheelTurn += wheel->angleDelta().y();
        int steps = 0;
        for (; WheelTurn >= WheelNotch; WheelTurn -= WheelNotch)
            ++steps;
        for (; WheelTurn <= -WheelNotch; WheelTurn += WheelNotch)
            --steps;
        Do(Editor->Turn(tile, steps));
        View.viewport()->update();
        return true;
    }
    case QEvent::ToolTip:
        return true;
    default:
        return false;
    }
}
