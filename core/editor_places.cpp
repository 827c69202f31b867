#include "editor_places.h"

#include "clearing_layout.h"
#include "grid.h"
#include "hex_shape.h"
#include "map_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavrin {

namespace {

constexpr double HalfWidth = tileart::HexWidth / 2.0;
constexpr double HalfHeight = tileart::HexHeight / 2.0;

// A point of the map-aligned tile frame on the picture, in the cell.
TPoint OnPicture(TCell cell, TPoint framePoint, const TEditorFrame& frame) {
    const TPoint corner = CellCorner(cell, frame);
    const TPoint p = tileart::ToBitmap(framePoint);
    return {corner.X + p.X, corner.Y + p.Y};
}

} // namespace

TEditorFrame EditorFrame(const TMapState& state) {
    std::int64_t minX = 0, minY = 0, maxX = TileBoxSide, maxY = TileBoxSide;
    bool any = false;
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        if (!tile.Placed)
            continue;
        const std::int64_t x = TileX(tile.Col);
        const std::int64_t y = TileY(tile.Col, tile.Row);
        if (!any) {
            minX = x, minY = y, maxX = x + TileBoxSide, maxY = y + TileBoxSide;
            any = true;
        }
        minX = std::min(minX, x), minY = std::min(minY, y);
        maxX = std::max(maxX, x + TileBoxSide), maxY = std::max(maxY, y + TileBoxSide);
    }
    minX -= ColumnStep, maxX += ColumnStep;
    minY -= RowStep, maxY += RowStep;
    return {static_cast<std::int32_t>(-minX), static_cast<std::int32_t>(-minY),
            static_cast<std::int32_t>(maxX - minX), static_cast<std::int32_t>(maxY - minY)};
}

TPoint CellCorner(TCell cell, const TEditorFrame& frame) {
    return {static_cast<double>(TileX(cell.Col)) + frame.OffsetX,
            static_cast<double>(TileY(cell.Col, cell.Row)) + frame.OffsetY};
}

TPoint CellCentre(TCell cell, const TEditorFrame& frame) {
    const TPoint corner = CellCorner(cell, frame);
    return {corner.X + HalfWidth, corner.Y + HalfHeight};
}

// The cells around the column and row the point would have without the odd
// columns' drop; the nearest centre wins, which is the hexagon on a regular
// grid.
TCell CellAt(TPoint p, const TEditorFrame& frame) {
    const double x = p.X - frame.OffsetX - HalfWidth;
    const double y = p.Y - frame.OffsetY - HalfHeight;
    const auto col = static_cast<std::int32_t>(std::floor(x / ColumnStep + 0.5));
    const auto row = static_cast<std::int32_t>(std::floor(y / RowStep + 0.5));
    TCell best{col, row};
    double bestDistance = std::numeric_limits<double>::max();
    for (std::int32_t c = col - 1; c <= col + 1; ++c) {
        for (std::int32_t r = row - 1; r <= row + 1; ++r) {
            const TPoint centre = CellCentre({c, r}, frame);
            const double distance = std::hypot(centre.X - p.X, centre.Y - p.Y);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = {c, r};
            }
        }
    }
    return best;
}

std::array<TPoint, 6> CellHexagon(TCell cell, const TEditorFrame& frame) {
    std::array<TPoint, 6> corners;
    for (int i = 0; i < 6; ++i)
        corners[i] = OnPicture(
            cell, tileart::TurnClockwise({-tileart::CornerRadius / 2, -tileart::EdgeDistance}, i),
            frame);
    return corners;
}

std::array<TPoint, 2> EdgeBar(TCell cell, int mapEdge, const TEditorFrame& frame) {
    constexpr double Reach = 0.35 * tileart::CornerRadius; // of the edge's half-length 50
    const int steps = mapEdge - 1;
    return {OnPicture(cell, tileart::TurnClockwise({-Reach, -tileart::EdgeDistance}, steps), frame),
            OnPicture(cell, tileart::TurnClockwise({Reach, -tileart::EdgeDistance}, steps), frame)};
}

TPoint ClearingPoint(const TMapState& state, TLocation location, const TEditorFrame& frame) {
    const TTile& tile = state.Tiles[location.Tile];
    const TCell cell{tile.Col, tile.Row};
    if (location.Clearing == 0)
        return CellCentre(cell, frame);
    const TPoint own = tileart::ClearingPosition(location.Tile, location.Clearing);
    return OnPicture(cell, tileart::RotateToMapFrame(own, tile.Rotation), frame);
}

} // namespace tavrin
