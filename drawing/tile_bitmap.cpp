#include "tile_bitmap.h"

#include "file_read.h"

#include <QBuffer>
#include <QImageReader>
#include <new>

namespace tavrin {

QImage DecodeTileBitmap(const QByteArray& bytes, const std::string& path) {
    QByteArray data = bytes; // shared, never copied: the buffer only reads
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    // Windows bitmaps only: a PNG or JPEG under a tile's name is not a tile.
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);

    // The header alone gives the size; a top-down bitmap declares its height
    // negative. Qt's allocation limit is process-wide (a static of
    // QImageReader), so it is not lowered here: this check bounds every
    // allocation of the decoder, which then writes into the image below.
    const QSize declared = reader.size();
    const qint64 width = declared.width();
    const qint64 height = declared.height() < 0 ? -qint64{declared.height()} : declared.height();
    if (width < 1 || height < 1 || width > MaxTileSide || height > MaxTileSide)
        throw EInvalidBitmap(path);

    // The decoder leaves untouched the rows a cut-short file has no data
    // for, and it writes into an image of its own size and format when it is
    // given one: start from a cleared image, so such a file always draws the
    // same.
    const QSize size(static_cast<int>(width), static_cast<int>(height));
    QImage image(size, reader.imageFormat());
    if (image.isNull())
        throw EInvalidBitmap(path);
    image.fill(0);
    if (!reader.read(&image) || image.size() != size)
        throw EInvalidBitmap(path);
    return image;
}

QImage ReadTileBitmap(const std::string& path) {
    const std::string bytes = ReadFileHead(path, MaxTileFileBytes);
    return DecodeTileBitmap(
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), path);
}

QImage KeyedTile(const QImage& tile) {
    const QImage rgb = tile.convertToFormat(QImage::Format_RGB32);
    QImage keyed(rgb.size(), QImage::Format_ARGB32);
    if (rgb.isNull() || keyed.isNull())
        throw std::bad_alloc();
    const QRgb key = rgb.pixel(0, rgb.height() - 1) & RGB_MASK;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = (in[x] & RGB_MASK) == key ? 0u : in[x] | ~RGB_MASK;
    }
    return keyed;
}

} // namespace tavrin
