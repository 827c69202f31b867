#include "editor_picture.h"

#include "catalogue.h"
#include "map_layout.h"
#include "mark_layout.h"
#include "route_marks.h"
#include "tile_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <new>

namespace tavrin {

namespace {

const TEditorColours Colours;

QPointF Q(TPoint p) {
    return {p.X, p.Y};
}

QPolygonF Hexagon(TCell cell, const TEditorFrame& frame) {
    QPolygonF polygon;
    for (const TPoint& corner : CellHexagon(cell, frame))
        polygon << Q(corner);
    return polygon;
}

QPolygonF ToDevice(const QTransform& toView, const QPolygonF& polygon) {
    return toView.map(polygon);
}

// The cells a tile may be dropped in: every empty cell beside a laid tile.
std::vector<TCell> EmptyCellsBeside(const TMapEditor& editor) {
    std::vector<TCell> cells;
    const TMapState& state = editor.State();
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        if (!tile.Placed)
            continue;
        for (int e = 1; e <= 6; ++e) {
            const TCell cell = Neighbour({tile.Col, tile.Row}, TEdge(e));
            if (editor.TileIn(cell) == 0 &&
                std::find(cells.begin(), cells.end(), cell) == cells.end())
                cells.push_back(cell);
        }
    }
    return cells;
}

void PaintPin(QPainter& painter, QPointF at, double size) {
    const TEditorColours& c = Colours;
    painter.setPen(QPen(c.Pin, size * 0.18, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at, at + QPointF(size * 0.45, -size * 0.9));
    painter.setPen(QPen(c.Pin, size * 0.12));
    painter.setBrush(c.PinHead);
    painter.drawEllipse(at + QPointF(size * 0.55, -size * 1.05), size * 0.38, size * 0.38);
}

} // namespace

TEditorColours EditorColours(TPalette palette) {
    TEditorColours colours;
    colours.Mismatch = ToQColor(PaletteColours(palette).Disagreement);
    colours.Unreached = ToQColor(PaletteColours(palette).Unreached);
    return colours;
}

QImage TEditorPicture::TileBitmap(int tile, int rotation) {
    std::string path = TileFolder;
    if (!path.ends_with('/'))
        path += '/';
    path += TileBitmapStem(tile, rotation) + std::string(TileBitmapExtension);
    try {
        return Tiles.KeyedTileAt(path);
    } catch (const ETavrinError&) {
        return {}; // a file that is no bitmap shows as a missing one
    }
}

void TEditorPicture::SetLook(TTileLook look, TPalette palette) {
    if (palette != Palette)
        ArtTiles.clear();
    Look = look;
    Palette = palette;
}

const QImage& TEditorPicture::ArtTile(const TMapState& state, int tile, int rotation) {
    QImage& art = ArtTiles[{tile, rotation}];
    if (art.isNull()) {
        art = QImage(TileBoxSide, TileBoxSide, QImage::Format_ARGB32_Premultiplied);
        if (art.isNull())
            throw std::bad_alloc();
        art.fill(Qt::transparent);
        QPainter painter(&art);
        tileart::PaintTileArt(painter, state, tile, rotation,
                              QRectF(0, 0, TileBoxSide, TileBoxSide), Palette);
    }
    return art;
}

QImage TEditorPicture::TileImage(const TMapState& state, int tile, int rotation) {
    return Look == TTileLook::Art ? ArtTile(state, tile, rotation) : TileBitmap(tile, rotation);
}

void TEditorPicture::Draw(const TMapEditor& editor) {
    const TMapState& state = editor.State();
    PictureFrame = EditorFrame(state);
    Shown = 1 - Shown;
    QImage& picture = Pictures[Shown];
    const QSize size(PictureFrame.Width, PictureFrame.Height);
    if (picture.size() != size)
        picture = QImage(size, QImage::Format_RGB32);
    if (picture.isNull())
        throw std::bad_alloc();
    picture.fill(Colours.Table);
    Tiles.StartDrawing();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Colours.EmptyCell, 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    for (const TCell& cell : EmptyCellsBeside(editor))
        painter.drawPolygon(Hexagon(cell, PictureFrame));
    // In tile order, as the map picture lays them.
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        if (!tile.Placed)
            continue;
        const TCell cell{tile.Col, tile.Row};
        const QImage image = TileImage(state, t, tile.Rotation);
        if (!image.isNull()) {
            painter.drawImage(Q(CellCorner(cell, PictureFrame)), image);
            continue;
        }
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Colours.MissingTile);
        const QPolygonF hexagon = Hexagon(cell, PictureFrame);
        painter.drawPolygon(hexagon);
        painter.drawText(
            hexagon.boundingRect(), Qt::AlignCenter,
            QString::fromLatin1(state.Tiles[t].Name.View().data(),
                                static_cast<qsizetype>(state.Tiles[t].Name.View().size())) +
                QStringLiteral("\n") + QString::number(tile.Rotation));
    }
}

void PaintEditorMarks(QPainter& painter, const QTransform& toView, double scale,
                      const TMapEditor& editor, const std::vector<TLayoutFinding>& findings,
                      const TEditorFrame& frame, std::optional<TCell> dropCell, TPalette palette) {
    const TEditorColours c = EditorColours(palette);
    const TMapState& state = editor.State();
    const TMarkSizes sizes = MarkSizes(scale);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);

    if (dropCell) {
        painter.setPen(QPen(c.DropCell, sizes.RingWidth * 1.5));
        painter.drawPolygon(ToDevice(toView, Hexagon(*dropCell, frame)));
    }
    const int selected = editor.Selected();
    if (state.Tiles[selected].Placed) {
        const TTile& tile = state.Tiles[selected];
        painter.setPen(QPen(c.Casing, sizes.RingWidth * 2.6));
        const QPolygonF outline = ToDevice(toView, Hexagon({tile.Col, tile.Row}, frame));
        painter.drawPolygon(outline);
        painter.setPen(QPen(c.Selection, sizes.RingWidth * 1.6));
        painter.drawPolygon(outline);
    }
    for (const TLayoutFinding& finding : findings) {
        if (finding.Kind == TFindingKind::RoadMismatch && finding.Direction >= 1 &&
            finding.Direction <= 6) {
            const TTile& tile = state.Tiles[finding.Tile];
            const auto bar = EdgeBar({tile.Col, tile.Row}, finding.Direction, frame);
            const QLineF line(toView.map(Q(bar[0])), toView.map(Q(bar[1])));
            painter.setPen(QPen(c.Casing, sizes.RoadWidth * 3.2, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(line);
            painter.setPen(QPen(c.Mismatch, sizes.RoadWidth * 2.2, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(line);
        } else if (finding.Kind == TFindingKind::Unreached && finding.Clearing.Tile != 0 &&
                   state.Tiles[finding.Clearing.Tile].Placed) {
            const QPointF centre = toView.map(Q(ClearingPoint(state, finding.Clearing, frame)));
            painter.setPen(QPen(c.Casing, sizes.RingWidth * 2));
            painter.drawEllipse(centre, sizes.RingRadius, sizes.RingRadius);
            painter.setPen(QPen(c.Unreached, sizes.RingWidth));
            painter.drawEllipse(centre, sizes.RingRadius, sizes.RingRadius);
        }
    }
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        if (!tile.Placed || !editor.IsPinned(t))
            continue;
        const auto hexagon = CellHexagon({tile.Col, tile.Row}, frame);
        // In the left corner, where the art puts no name.
        const QPointF at = toView.map(QPointF(hexagon[5].X + 18, hexagon[5].Y + 10));
        PaintPin(painter, at, std::max(14.0, 26.0 * scale));
    }
    painter.restore();
}

} // namespace tavrin
