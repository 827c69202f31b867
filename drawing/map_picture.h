#pragma once
// The map picture: the 20 tile bitmaps laid out on the hex grid's pixel
// positions, in tile order, each keyed on the colour of its bottom-left pixel.
// The window and the command-line renderer both draw through this class, so
// they produce the same picture from the same map.
//
// The tiles lie where map_layout.h puts them. The picture takes the size of
// the map's layout box, clipped at MaxPictureSide a side.

#include "map_layout.h"
#include "map_state.h"
#include "tile_bitmap.h"
#include "tile_cache.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin {

inline constexpr int MaxPictureSide = 8192;

// The picture's size for a layout box: the box's, at most MaxPictureSide.
QSize PictureSize(const TLayoutBox& box);

// The tile bitmap's file name: token, rotation in decimal, extension.
QString TileBitmapName(int tile, int rotation, const QString& extension);

class TMapPicture {
public:
    // Messages ("File not found: ...") go to the state's message sink.
    explicit TMapPicture(TMapState& state);

    // The folder the tile bitmaps are read from, its name as bytes.
    void SetTileFolder(std::string folder) { TileFolder = std::move(folder); }
    const std::string& GetTileFolder() const { return TileFolder; }

    // Computes the layout box, sets OffsetX, OffsetY and MapPresent, starts a
    // white picture of the box's size and draws tiles 1..20 in order. Errors
    // end the drawing with the tiles drawn so far in the picture.
    void DrawMap();

    // Draws one tile at its cell's pixel position plus the offsets.
    void DrawTile(std::int32_t column, std::int32_t row, const QString& extension,
                  std::uint8_t rotation, std::uint8_t tile);

    // Loads the tile's bitmap from the tile folder and draws it keyed, at its
    // own size, with its top-left corner at (x, y). A missing file shows
    // "File not found: " and its full path and draws nothing. A file that is
    // unchanged since an earlier drawing is not decoded again.
    void DrawTileBitmap(std::int32_t x, std::int32_t y, const QString& extension,
                        std::uint8_t rotation, std::uint8_t tile);

    const QImage& Image() const { return Picture; }

private:
    TMapState& State;
    std::string TileFolder;
    QImage Picture;
    TTileCache Tiles;
};

} // namespace tavrin
