#pragma once
// The window's map editor: Map > Edit Map turns editing on and off for the
// map shown. The rules are the core's (map_editor.h); this part turns keys,
// clicks, drags and the wheel into the core's edits, keeps them on a
// QUndoStack, and shows the editor's picture, marks, tray and the line under
// the map that names the first finding.
//
// While editing, the map shown (the tiles, the history) is untouched, and
// the commands that would show another map wait: leaving the editor puts the
// edited map into the history as any other map, named after the map it was
// edited from, and a map left unchanged stays as it was. The editor is not
// left while tiles wait in the tray: the line says so.
//
// Keys on the map view: the arrows select, R and Shift+R turn, P pins,
// Delete lifts into the tray. Enter and Esc stay the window's. The input
// is turned into edits in map_editor_input.cpp.

#include "command_context.h"
#include "editor_picture.h"
#include "map_editor.h"

#include <QObject>
#include <QPoint>
#include <QUndoStack>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class TEditorTray;
class TMapView;

class TMapEditorPart : public QObject {
    Q_OBJECT

public:
    // `waiting` are the actions that show another map; they are off while
    // editing. `backForward` are Back and Forward, which follow the history
    // again afterwards.
    TMapEditorPart(TMapView& view, TCommandContext& context, std::vector<QAction*> waiting,
                   std::vector<QAction*> backForward);
    ~TMapEditorPart() override;

    QAction* EditMapAction() const { return A_EditMap; }
    QAction* CompleteMapAction() const { return A_CompleteMap; }
    QAction* RerollAction() const { return A_RerollUnpinned; }
    QAction* UndoAction() const { return A_Undo; }
    QAction* RedoAction() const { return A_Redo; }
    // The line under the map; the window lays it out, hidden until editing.
    QLabel* FindingLine() const { return lblFinding; }

    bool IsEditing() const { return Editor != nullptr; }
    // The editor while editing, else null.
    const tavrin::TMapEditor* CurrentEditor() const { return Editor.get(); }

    // Starts or leaves editing, as the Edit Map action does.
    void SetEditing(bool on);

    // Turns the waiting actions off again while editing, after a menu has
    // brought its own up to date.
    void KeepWaiting();

    // Puts a layout in place and shows it (the undo stack's commands).
    void ShowLayout(const tavrin::TEditLayout& layout);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start();
    bool Leave();
    void Do(std::optional<tavrin::TMapEdit> edit);
    void Complete(bool reroll);
    void Redraw();
    void ShowTray();
    void ShowSelected();
    void Note(const std::string& sentence);
    bool KeyPressed(QKeyEvent* event);
    bool MouseEvent(QEvent* event);
    void DragTo(QPoint viewportPos);
    void DropAt(int tile, QPoint globalPos);
    int TileUnder(QPointF viewportPos) const;
    void PlaceTray();

    TMapView& View;
    TCommandContext& Context;
    std::vector<QAction*> Waiting;
    std::vector<QAction*> BackForward;
    std::vector<bool> WasEnabled; // the waiting actions' states as editing began
    std::unique_ptr<tavrin::TMapEditor> Editor;
    std::vector<tavrin::TLayoutFinding> Findings;
    tavrin::TEditorPicture Picture;
    QUndoStack Stack;
    TEditorTray* Tray = nullptr;
    QLabel* lblFinding = nullptr;

    QAction* A_EditMap = nullptr;
    QAction* A_CompleteMap = nullptr;
    QAction* A_RerollUnpinned = nullptr;
    QAction* A_Undo = nullptr;
    QAction* A_Redo = nullptr;

    // A tile being dragged on the map, and the cell it would go to.
    int Pressed = 0;
    QPoint PressPos;
    bool Dragging = false;
    std::optional<tavrin::TCell> DropCell;
    int WheelTurn = 0;
};
