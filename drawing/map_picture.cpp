#include "map_picture.h"

#include "bmp_file.h"
#include "catalogue.h"
#include "checked.h"
#include "translatable.h"

#include <QPainter>
#include <algorithm>
#include <new>

namespace tavrin {

QSize PictureSize(const TLayoutBox& box) {
    return {std::min(box.Width(), MaxPictureSide), std::min(box.Height(), MaxPictureSide)};
}

QString TileBitmapName(int tile, int rotation, const QString& extension) {
    return QString::fromStdString(TileBitmapStem(tile, rotation)) + extension;
}

TMapPicture::TMapPicture(TMapState& state) : State(state) {}

void TMapPicture::DrawMap() {
    // Everything that can overflow is computed before anything is changed.
    const TLayoutBox box = LayoutBox(State);
    const std::int32_t offsetX = box.OffsetX();
    const std::int32_t offsetY = box.OffsetY();
    const QSize size = PictureSize(box);

    State.OffsetX = offsetX;
    State.OffsetY = offsetY;
    State.MapPresent = true;
    Picture = QImage(size, QImage::Format_RGB32);
    if (Picture.isNull())
        throw std::bad_alloc();
    Picture.fill(Qt::white);
    Picture.setDotsPerMeterX(PictureDotsPerMetre);
    Picture.setDotsPerMeterY(PictureDotsPerMetre);
    Tiles.StartDrawing();

    // No event processing between tiles: a command started meanwhile could
    // change the tiles or start a drawing of its own on this picture.
    for (int i = 1; i <= TileCount; ++i) {
        const TTile& tile = State.Tiles[i];
        DrawTile(tile.Col, tile.Row, QString::fromLatin1(TileBitmapExtension), tile.Rotation,
                 static_cast<std::uint8_t>(i));
    }
}

void TMapPicture::DrawTile(std::int32_t column, std::int32_t row, const QString& extension,
                           std::uint8_t rotation, std::uint8_t tile) {
    const std::int32_t x = CheckedAdd(TileX(column), State.OffsetX);
    const std::int32_t y = CheckedAdd(TileY(column, row), State.OffsetY);
    DrawTileBitmap(x, y, extension, rotation, tile);
}

void TMapPicture::DrawTileBitmap(std::int32_t x, std::int32_t y, const QString& extension,
                                 std::uint8_t rotation, std::uint8_t tile) {
    std::string path = TileFolder;
    if (!path.ends_with('/'))
        path += '/';
    path += TileBitmapName(tile, rotation, extension).toStdString(); // ASCII

    const QImage bitmap = Tiles.KeyedTileAt(path);
    if (bitmap.isNull()) {
        State.ShowMessage(FillText(TAVRIN_TEXT("Core", "File not found: %1"), {path}));
        return;
    }

    // Only the part that lies on the picture is painted; positions far
    // outside it are never handed to the painter.
    const qint64 right = qint64{x} + bitmap.width();
    const qint64 bottom = qint64{y} + bitmap.height();
    if (x >= Picture.width() || y >= Picture.height() || right <= 0 || bottom <= 0)
        return;
    QPainter painter(&Picture);
    painter.drawImage(QPoint(x, y), bitmap);
}

} // namespace tavrin
