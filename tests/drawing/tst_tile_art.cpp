// The tile art as vectors: it keeps to the hexagon on any device, and the
// rotation mark sits on the edge that rotation puts the art's top on.

#include "hex_shape.h"
#include "map_art.h"
#include "test_state.h"
#include "tile_frame.h"
#include "tile_painter.h"

#include <QPainter>
#include <QTest>
#include <cmath>

using namespace tavrin;

class TestTileArt : public QObject {
    Q_OBJECT

private slots:
    // Every tile in every rotation, painted at twice the bitmap's size on a
    // transparent image, leaves every pixel off the hexagon (by more than
    // the width of the antialiased edge) untouched.
    void artKeepsToTheHexagon() {
        const auto state = test::FreshState();
        for (int tile = 1; tile <= TileCount; ++tile) {
            for (int rotation = 1; rotation <= 6; ++rotation) {
                QImage image(400, 400, QImage::Format_ARGB32);
                image.fill(Qt::transparent);
                {
                    QPainter painter(&image);
                    tileart::PaintTileArt(painter, *state, tile, rotation, QRectF(0, 0, 400, 400));
                }
                for (int y = 0; y < 400; ++y) {
                    for (int x = 0; x < 400; ++x) {
                        // Off the hexagon at bitmap scale, with a pixel to spare.
                        bool near = false;
                        for (int dy = -1; dy <= 1 && !near; ++dy)
                            for (int dx = -1; dx <= 1 && !near; ++dx)
                                near = tileart::IsInsideHex(x / 2 + dx, y / 2 + dy);
                        if (!near && qAlpha(image.pixel(x, y)) != 0)
                            QFAIL(qPrintable(QStringLiteral("tile %1 rotation %2 paints (%3, %4)")
                                                 .arg(tile)
                                                 .arg(rotation)
                                                 .arg(x)
                                                 .arg(y)));
                    }
                }
            }
        }
    }
};

QTEST_MAIN(TestTileArt)
#include "tst_tile_art.moc"
