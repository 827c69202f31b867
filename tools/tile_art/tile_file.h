#pragma once
// The bytes of a tile bitmap file: the rendered tile as a 24-bit Windows
// bitmap, its header's resolution fixed at 72 dots per inch, so that the bytes
// depend on the pixels alone and every build writes the same files.

#include <QByteArray>
#include <QImage>
#include <bmp_file.h>

namespace tavrin::tileart {

inline constexpr int TileDotsPerMetre = 2835;

inline QByteArray TileFileBytes(const QImage& tile) {
    return EncodeBmp24(tile, TileDotsPerMetre);
}

} // namespace tavrin::tileart
