// The SVG tiles of the web page: vectors drawn as the bitmaps are, clearings where
// the map view looks for them, nothing outside the hexagon.

#include "clearing_layout.h"
#include "hex_shape.h"
#include "tile_frame.h"
#include "tile_painter.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <gtest/gtest.h>
#include <map_state.h>
#include <memory>

using namespace tavrin;
using namespace tavrin::tileart;

TEST(TileSvg, MatchesTheBitmapAtEveryClearingAndIsClippedToTheHexagon) {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, 1);
    for (int tile = 1; tile <= TileCount; ++tile) {
        for (const int rotation : {1, 4}) {
            const QByteArray document = RenderTileSvg(*state, tile, rotation);
            // Qt's renderer ignores clip paths (browsers apply them), so the
            // clip is checked in the document: the hexagon's corners, around
            // the whole drawing.
            EXPECT_TRUE(document.contains("<clipPath id=\"hexagon\"><polygon points=\"0,87.5 "
                                          "50,0 150,0 200,87.5 150,175 50,175\"/></clipPath>"));
            EXPECT_TRUE(document.contains("<g clip-path=\"url(#hexagon)\""));
            EXPECT_FALSE(document.contains("<image")) << "the art is vectors";
            QSvgRenderer svg(document);
            ASSERT_TRUE(svg.isValid()) << tile << "/" << rotation;
            QImage drawn(BitmapSize, BitmapSize, QImage::Format_ARGB32);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            svg.render(&painter, QRectF(0, 0, BitmapSize, BitmapSize));
            painter.end();
            const QImage bitmap = RenderTile(*state, tile, rotation);
            for (int c = 1; c <= 6; ++c) {
                if (!state->Tiles[tile].Clearings[c].Present)
                    continue;
                // Beside the centre, clear of the clearing's number.
                const TPoint at = ToBitmap(RotateToMapFrame(ClearingPosition(tile, c), rotation));
                const QPoint p(static_cast<int>(at.X + ClearingRadius - 5), static_cast<int>(at.Y));
                EXPECT_EQ(drawn.pixel(p) | 0xff000000u, bitmap.pixel(p) | 0xff000000u)
                    << tile << "/" << rotation << " clearing " << c;
            }
        }
    }
}
