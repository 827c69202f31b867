// Fuzz target: the bytes of a tile bitmap file, as the drawing reads them.
// Checked: the reader either refuses the bytes with EInvalidBitmap or gives an
// image of 1 to MaxTileSide pixels a side; keying it keeps its size, makes
// every pixel either fully transparent or opaque, the bottom-left one
// transparent, and exactly the pixels of the bottom-left pixel's colour.
// A broken law aborts, which the fuzzer reports as a crash.

#include "fuzz_check.h"
#include "tile_bitmap.h"

#include <QByteArray>
#include <QImage>
#include <QtGlobal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tavrin;

namespace {

// Qt's codecs warn about most hostile inputs; millions of such lines would
// only hide the fuzzer's own report.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (qInstallMessageHandler(Quiet), true);
    (void)quiet;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QImage tile;
    try {
        tile = DecodeTileBitmap(bytes, "fuzz.bmp");
    } catch (const EInvalidBitmap&) {
        return 0;
    }
    Check(!tile.isNull(), "a decoded tile has pixels");
    Check(tile.width() >= 1 && tile.width() <= MaxTileSide, "a tile's width");
    Check(tile.height() >= 1 && tile.height() <= MaxTileSide, "a tile's height");

    const QImage keyed = KeyedTile(tile);
    Check(keyed.size() == tile.size(), "keying keeps the size");
    const QImage rgb = tile.convertToFormat(QImage::Format_RGB32);
    const QRgb key = rgb.pixel(0, rgb.height() - 1) & RGB_MASK;
    Check(qAlpha(keyed.pixel(0, keyed.height() - 1)) == 0, "the bottom-left pixel is transparent");
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x) {
            const QRgb pixel = keyed.pixel(x, y);
            const bool transparent = qAlpha(pixel) == 0;
            Check(transparent || qAlpha(pixel) == 255, "a pixel is transparent or opaque");
            Check(transparent == ((rgb.pixel(x, y) & RGB_MASK) == key),
                  "transparent exactly where the key colour is");
        }
    return 0;
}
