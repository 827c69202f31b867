#include "map_editor_part.h"

#include "editor_tray.h"
#include "hex_shape.h"
#include "map_string.h"
#include "map_view.h"
#include "ui_language.h"

#include <QAction>
#include <QLabel>
#include <QUndoCommand>

namespace {

// An edit on the undo stack: doing it puts the layout after it in place,
// undoing it the layout before.
class TEditCommand : public QUndoCommand {
public:
    TEditCommand(TMapEditorPart& part, tavrin::TMapEdit edit)
        : QUndoCommand(CoreText(edit.Name)), Part(part), Edit(std::move(edit)) {}
    void redo() override { Part.ShowLayout(Edit.After); }
    void undo() override { Part.ShowLayout(Edit.Before); }

private:
    TMapEditorPart& Part;
    tavrin::TMapEdit Edit;
};

} // namespace

TMapEditorPart::TMapEditorPart(TMapView& view, TCommandContext& context,
                               std::vector<QAction*> waiting, std::vector<QAction*> backForward)
    : QObject(&view), View(view), Context(context), Waiting(std::move(waiting)),
      BackForward(std::move(backForward)) {
    QWidget& window = Context.Window;
    const auto make = [&window](QAction*& action, const char* name, const QString& text,
                                const QKeySequence& key, const QString& hint) {
        action = new QAction(text, &window);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setToolTip(hint);
        action->setStatusTip(hint);
        window.addAction(action);
    };
    make(A_EditMap, "A_EditMap", tr("&Edit Map"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         tr("Turn, move, pin and lift the tiles of the map shown"));
    make(A_CompleteMap, "A_CompleteMap", tr("Com&plete Map"), {},
         tr("Lay the tray's tiles around the tiles on the map"));
    make(A_RerollUnpinned, "A_RerollUnpinned", tr("Re-r&oll Unpinned"), {},
         tr("Lay every tile that is not pinned anew"));
    A_EditMap->setCheckable(true);
    A_CompleteMap->setEnabled(false);
    A_RerollUnpinned->setEnabled(false);

    A_Undo = Stack.createUndoAction(&window, tr("&Undo"));
    A_Redo = Stack.createRedoAction(&window, tr("&Redo"));
    A_Undo->setObjectName(QStringLiteral("A_Undo"));
    A_Redo->setObjectName(QStringLiteral("A_Redo"));
    A_Undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    A_Redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    A_Undo->setStatusTip(tr("Undo the last edit of the map"));
    A_Redo->setStatusTip(tr("Redo the edit undone last"));
    window.addAction(A_Undo);
    window.addAction(A_Redo);

    Context.Bind(A_EditMap, [this] { SetEditing(A_EditMap->isChecked()); });
    Context.Bind(A_CompleteMap, [this] { Complete(false); });
    Context.Bind(A_RerollUnpinned, [this] { Complete(true); });

    lblFinding = new QLabel(&window);
    lblFinding->setObjectName(QStringLiteral("lblFinding"));
    lblFinding->setAccessibleName(tr("What is wrong with the map"));
    lblFinding->setWordWrap(true);
    lblFinding->setContentsMargins(6, 3, 6, 3);
    lblFinding->hide();

    Tray = new TEditorTray(&View);
    Tray->hide();
    connect(Tray, &TEditorTray::TileClicked, this, [this](int tile) {
        if (!Editor)
            return;
        Editor->Select(tile);
        ShowTray();
        View.viewport()->update();
    });
    connect(Tray, &TEditorTray::TileDragged, this,
            [this](int, QPoint globalPos) { DragTo(View.viewport()->mapFromGlobal(globalPos)); });
    connect(Tray, &TEditorTray::TileDropped, this,
            [this](int tile, QPoint globalPos) { Context.Run([&] { DropAt(tile, globalPos); }); });

    // The edited map looks as the map's view does, palette and all.
    connect(&View, &TMapView::LookChanged, this, [this] {
        if (!Editor)
            return;
        Picture.SetLook(View.TileLook(), View.Palette());
        Redraw();
    });

    View.installEventFilter(this);
    View.viewport()->installEventFilter(this);
    Context.Window.installEventFilter(this);
}

TMapEditorPart::~TMapEditorPart() {
    // The commands left on the stack refer to this part.
    Stack.clear();
}

void TMapEditorPart::SetEditing(bool on) {
    if (on && !IsEditing())
        Start();
    else if (!on && IsEditing())
        Leave();
    A_EditMap->setChecked(IsEditing());
}

void TMapEditorPart::Start() {
    if (!Context.MapInMemory())
        return;
    Editor = std::make_unique<tavrin::TMapEditor>(Context.State, Context.State.Random.Seed,
                                                  Context.Session.Pins());
    Picture.SetTileFolder(Context.Picture.GetTileFolder());
    Stack.clear();
    WasEnabled.clear();
    for (QAction* action : Waiting)
        WasEnabled.push_back(action->isEnabled());
    KeepWaiting();
    for (QAction* action : BackForward)
        action->setEnabled(false);
    A_CompleteMap->setEnabled(true);
    A_RerollUnpinned->setEnabled(true);

    // The tiles stay where they were on screen as the editor's margin comes.
    Picture.SetLook(View.TileLook(), View.Palette());
    Picture.Draw(*Editor);
    const tavrin::TEditorFrame& frame = Picture.Frame();
    View.ShowEditing(Picture.Image(), {frame.OffsetX - Context.State.OffsetX,
                                       frame.OffsetY - Context.State.OffsetY});
    View.SetOverlay([this](QPainter& painter, const QTransform& toView, double scale) {
        tavrin::PaintEditorMarks(painter, toView, scale, *Editor, Findings, Picture.Frame(),
                                 DropCell, View.Palette());
    });
    Findings = Editor->Findings();
    lblFinding->setText(CoreText(tavrin::FindingLine(Findings)));
    lblFinding->show();
    PlaceTray();
    Tray->show();
    Tray->raise();
    ShowTray();
    ShowSelected();
    View.setFocus();
}

// The edited map goes into the history before the editor closes, so a map
// that cannot be taken leaves the editor open with every edit in it.
bool TMapEditorPart::Leave() {
    const std::string refusal = tavrin::LeaveRefusal(*Editor);
    if (!refusal.empty()) {
        Note(refusal);
        return false;
    }
    const std::string line = tavrin::MakeMapString(Editor->State());
    const THistoryEntry* current = Context.Session.Current();
    const bool changed = current && current->MapString != line;
    if (changed) {
        const std::string source =
            tavrin::EditedSource(current->Position, current->Source, current->MapString);
        Context.Session.LoadMapLine(line, {}, QString::fromStdString(source));
    }
    // Copy Map Code passes the pins on, so that a re-roll can be repeated.
    Context.Session.SetPins(Editor->PinMask());
    View.SetOverlay({});
    Tray->hide();
    lblFinding->hide();
    Stack.clear();
    Editor.reset();
    Findings.clear();
    DropCell.reset();
    Pressed = 0;
    Dragging = false;
    for (std::size_t i = 0; i < Waiting.size(); ++i)
        Waiting[i]->setEnabled(WasEnabled[i]);
    BackForward[0]->setEnabled(Context.Session.CanGoBack());
    BackForward[1]->setEnabled(Context.Session.CanGoForward());
    A_CompleteMap->setEnabled(false);
    A_RerollUnpinned->setEnabled(false);
    if (!changed)
        View.SetMap(Context.Picture.Image(), Context.State);
    return true;
}

void TMapEditorPart::KeepWaiting() {
    if (IsEditing())
        for (QAction* action : Waiting)
            action->setEnabled(false);
}

void TMapEditorPart::ShowLayout(const tavrin::TEditLayout& layout) {
    if (!Editor)
        return;
    Editor->Apply(layout);
    Redraw();
}

void TMapEditorPart::Do(std::optional<tavrin::TMapEdit> edit) {
    if (edit)
        Stack.push(new TEditCommand(*this, std::move(*edit)));
}

void TMapEditorPart::Complete(bool reroll) {
    if (!Editor)
        return;
    tavrin::TCompletionEdit result = reroll ? Editor->RerollUnpinned() : Editor->CompleteMap();
    if (result.Edit)
        Do(std::move(result.Edit));
    else
        Note(result.Sentence);
}

// The picture keeps the tiles where they were on screen when the map's box
// grows or shrinks.
void TMapEditorPart::Redraw() {
    const tavrin::TEditorFrame before = Picture.Frame();
    Picture.Draw(*Editor);
    const tavrin::TEditorFrame& after = Picture.Frame();
    Findings = Editor->Findings();
    lblFinding->setText(CoreText(tavrin::FindingLine(Findings)));
    View.ShowEditing(Picture.Image(),
                     {after.OffsetX - before.OffsetX, after.OffsetY - before.OffsetY});
    ShowTray();
}

// The selected tile is brought into view when it is on the map.
void TMapEditorPart::ShowSelected() {
    const tavrin::TTile& tile = Editor->State().Tiles[Editor->Selected()];
    if (!tile.Placed)
        return;
    const tavrin::TPoint corner = tavrin::CellCorner({tile.Col, tile.Row}, Picture.Frame());
    View.EnsureVisible(
        QRectF(corner.X, corner.Y, tavrin::tileart::HexWidth, tavrin::tileart::HexHeight));
    View.viewport()->update();
}

void TMapEditorPart::Note(const std::string& sentence) {
    if (!sentence.empty())
        lblFinding->setText(CoreText(sentence));
}

void TMapEditorPart::ShowTray() {
    std::vector<TEditorTray::TItem> items;
    const tavrin::TMapState& state = Editor->State();
    for (int tile : Editor->Tray()) {
        const std::string_view name = state.Tiles[tile].Name.View();
        items.push_back({tile,
                         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                         Picture.TileImage(state, tile, state.Tiles[tile].Rotation)});
    }
    Tray->SetItems(std::move(items), Editor->Selected());
}

// The tray stands at the right edge of the map view, its full height.
void TMapEditorPart::PlaceTray() {
    const QRect area = View.viewport()->geometry();
    Tray->setGeometry(area.right() + 1 - Tray->width(), area.top(), Tray->width(), area.height());
}
