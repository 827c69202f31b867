#pragma once
// What the map editor shows: the laid tiles on a picture with a cell's
// margin all round (editor_places.h), and over it the editor's marks: a bar
// on every shared edge whose road exits disagree, a ring on every clearing no
// road reaches, a pin on every pinned tile, the selected tile outlined and,
// while a tile is dragged, the cell it would go to.
//
// The tiles look as they do in the map's view: the program's art in the
// palette chosen, or the tile bitmaps beside the program. A tile whose bitmap
// is missing is drawn as an outlined hexagon with its name: the editor
// redraws at every edit and never says so in a message box.

#include "colour_palette.h"
#include "editor_places.h"
#include "map_art.h"
#include "map_editor.h"
#include "tile_cache.h"

#include <QColor>
#include <QImage>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QPainter;
class QTransform;

namespace tavrin {

// The editor's colours; the marks of what is wrong take the palette's. Every
// mark differs by shape as well: bars, rings, pins, outlines.
struct TEditorColours {
    QColor Table{236, 232, 222};     // the picture round the map
    QColor EmptyCell{200, 194, 180}; // the outline of a cell a tile may go to
    QColor Mismatch{215, 25, 32};    // bars on disagreeing edges
    QColor Unreached{215, 25, 32};   // rings on clearings no road reaches
    QColor Casing{255, 255, 255, 220};
    QColor Selection{20, 90, 200}; // the selected tile's outline
    QColor Pin{30, 30, 30};        // the pin's needle and the rim of its head
    QColor PinHead{240, 170, 20};
    QColor DropCell{20, 140, 60}; // where a dragged tile would go
    QColor MissingTile{250, 250, 250};
};
TEditorColours EditorColours(TPalette palette);

class TEditorPicture {
public:
    void SetTileFolder(std::string folder) { TileFolder = std::move(folder); }
    // How the tiles look from the next Draw on.
    void SetLook(TTileLook look, TPalette palette);

    // Draws the laid tiles of the editor's map; the frame says where the
    // grid lies on the picture.
    void Draw(const TMapEditor& editor);
    const QImage& Image() const { return Pictures[Shown]; }
    const TEditorFrame& Frame() const { return PictureFrame; }

    // A tile in a rotation as the picture draws it (null when its bitmap is
    // missing), for the tray.
    QImage TileImage(const TMapState& state, int tile, int rotation);

private:
    std::string TileFolder;
    // Drawn into in turn: the view holds the one shown, so the other is
    // drawn without a copy and, while the map's box keeps its size, without
    // a new allocation.
    QImage Pictures[2];
    int Shown = 0;
    TEditorFrame PictureFrame;
    TTileCache Tiles;
    TTileLook Look = TTileLook::Bitmaps;
    TPalette Palette = TPalette::Standard;
    // The art of each tile in each rotation, painted once for the palette:
    // an edit redraws every tile.
    std::map<std::pair<int, int>, QImage> ArtTiles;
    const QImage& ArtTile(const TMapState& state, int tile, int rotation);
    // The keyed bitmap of a tile in a rotation; null when it is missing.
    QImage TileBitmap(int tile, int rotation);
};

// The marks over the picture; `toView` maps picture coordinates to the
// device at zoom `scale`, in the colours of `palette`. `dropCell` is where a
// dragged tile would go.
void PaintEditorMarks(QPainter& painter, const QTransform& toView, double scale,
                      const TMapEditor& editor, const std::vector<TLayoutFinding>& findings,
                      const TEditorFrame& frame, std::optional<TCell> dropCell, TPalette palette);

} // namespace tavrin
