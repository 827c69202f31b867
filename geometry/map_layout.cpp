#include "map_layout.h"

#include "checked.h"

#include <algorithm>

namespace tavrin {

std::int32_t TileX(std::int32_t column) {
    return CheckedMul(column, ColumnStep);
}

std::int32_t TileY(std::int32_t column, std::int32_t row) {
    return CheckedAdd(CheckedMul(row, RowStep), IsOddColumn(column) ? OddColumnDrop : 0);
}

std::int32_t TLayoutBox::Width() const {
    return CheckedSub(MaxX, MinX);
}
std::int32_t TLayoutBox::Height() const {
    return CheckedSub(MaxY, MinY);
}
std::int32_t TLayoutBox::OffsetX() const {
    return CheckedSub(0, MinX);
}
std::int32_t TLayoutBox::OffsetY() const {
    return CheckedSub(0, MinY);
}

TLayoutBox LayoutBox(const TMapState& state) {
    TLayoutBox box;
    for (int i = 1; i <= TileCount; ++i) {
        const TTile& tile = state.Tiles[i];
        const std::int32_t x = TileX(tile.Col);
        const std::int32_t y = TileY(tile.Col, tile.Row);
        box.MinX = std::min(box.MinX, x);
        box.MinY = std::min(box.MinY, y);
        box.MaxX = std::max(box.MaxX, CheckedAdd(x, TileBoxSide));
        box.MaxY = std::max(box.MaxY, CheckedAdd(y, TileBoxSide));
    }
    return box;
}

} // namespace tavrin
