#pragma once
// Tile bitmaps: Windows bitmap files read with Qt's codec, refused before
// decoding when they declare more pixels than any tile art needs, and keyed on
// the colour of their bottom-left pixel.

#include "file_error.h"

#include <QByteArray>
#include <QImage>
#include <string>

namespace tavrin {

// A tile file that is not a usable Windows bitmap; Path() names it.
class EInvalidBitmap : public EFileError {
public:
    explicit EInvalidBitmap(std::string path)
        : EFileError("Bitmap image is not valid", std::move(path)) {}
};

// Neither side of a tile bitmap may exceed this many pixels: five times the
// 200 pixels the layout gives a tile, and small enough that twenty of them
// decode in moments.
inline constexpr int MaxTileSide = 1024;

// The most bytes of a tile file that are read: the largest bitmap within
// MaxTileSide (32 bits a pixel) with the largest headers and palette. A file
// that needs more than this is not a tile.
inline constexpr std::size_t MaxTileFileBytes =
    std::size_t{MaxTileSide} * MaxTileSide * 4 + 14 + 124 + 256 * 4 + 12;

// Decodes a tile bitmap held in memory. The size in its header is checked
// against MaxTileSide before any pixel is decoded; anything that is not a
// Windows bitmap of 1 to MaxTileSide pixels a side raises EInvalidBitmap
// naming `path`. A cut-short file decodes the same every time: pixels it has
// no data for hold value 0.
QImage DecodeTileBitmap(const QByteArray& bytes, const std::string& path);

// Reads (at most MaxTileFileBytes) and decodes the tile bitmap at `path`.
// Raises EInOutError when the file cannot be read.
QImage ReadTileBitmap(const std::string& path);

// A copy of `tile` in which every pixel of the bottom-left pixel's colour is
// fully transparent and every other one opaque (any alpha of the file is
// ignored, as it is for the key).
QImage KeyedTile(const QImage& tile);

} // namespace tavrin
