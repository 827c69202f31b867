// The 120 bitmaps the build generated into the program's folder: format,
// shape, key colour, roads at the right edge midpoints, repeatable bytes, and
// that tiles laid out as the map draws them leave no hole.

#include "hex_shape.h"
#include "tile_file.h"
#include "tile_file_name.h"
#include "tile_frame.h"
#include "tile_painter.h"

#include <QImage>
#include <cmath>
#include <fstream>
#include <grid.h>
#include <gtest/gtest.h>
#include <iterator>
#include <map_state.h>
#include <memory>
#include <string>
#include <vector>

using namespace tavrin;
using namespace tavrin::tileart;

namespace {

const QRgb Key = qRgb(KeyColour.R, KeyColour.G, KeyColour.B);

std::string TilePath(int tile, int rotation) {
    return std::string(TILE_DIR) + "/" + TileFileName(tile, rotation);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QImage LoadTile(int tile, int rotation) {
    QImage image(QString::fromStdString(TilePath(tile, rotation)), "BMP");
    return image.convertToFormat(QImage::Format_RGB32);
}

std::unique_ptr<TMapState> Catalogue() {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, 1);
    return state;
}

// The pixel a few pixels inside the midpoint of map edge `mapEdge`.
QPoint InsideMidpoint(int mapEdge, double depth) {
    const TPoint m = EdgeMidpoint(mapEdge);
    const TPoint n = EdgeNormal(mapEdge);
    const TPoint b = ToBitmap({m.X - depth * n.X, m.Y - depth * n.Y});
    return {static_cast<int>(std::floor(b.X)), static_cast<int>(std::floor(b.Y))};
}

} // namespace

TEST(TileBitmaps, EveryFileIsA200By200TrueColourHexagonOnTheKeyColour) {
    for (int tile = 1; tile <= TileCount; ++tile) {
        for (int rotation = 1; rotation <= RotationCount; ++rotation) {
            SCOPED_TRACE(TilePath(tile, rotation));
            // 24 bits per pixel, no palette.
            ASSERT_EQ(ReadBytes(TilePath(tile, rotation)).size(), 54u + 200u * 200u * 3u);
            const QImage image = LoadTile(tile, rotation);
            ASSERT_EQ(image.width(), BitmapSize);
            ASSERT_EQ(image.height(), BitmapSize);
            EXPECT_EQ(image.pixel(0, BitmapSize - 1), Key); // the map's transparent colour
            int wrong = 0;
            for (int y = 0; y < BitmapSize; ++y)
                for (int x = 0; x < BitmapSize; ++x)
                    wrong += IsInsideHex(x, y) != (image.pixel(x, y) != Key) ? 1 : 0;
            EXPECT_EQ(wrong, 0);
        }
    }
}

TEST(TileBitmaps, RoadsLeaveAtTheMidpointsOfTheRotatedExitEdges) {
    const auto state = Catalogue();
    const QRgb road = qRgb(RoadColour.R, RoadColour.G, RoadColour.B);
    for (int tile = 1; tile <= TileCount; ++tile) {
        for (int rotation = 1; rotation <= RotationCount; ++rotation) {
            const QImage image = LoadTile(tile, rotation);
            for (TEdge edge : AllEdges) {
                const int tileEdge = edge.Number();
                const int mapEdge = ToMapEdge(edge, TRotation(rotation)).Number();
                const bool exit = HasRoadExit(*state, tile, edge);
                // Just inside the rim, and a little further in.
                for (double depth : {2.5, 6.0}) {
                    const QPoint p = InsideMidpoint(mapEdge, depth);
                    EXPECT_EQ(image.pixel(p) == road, exit)
                        << TilePath(tile, rotation) << " tile edge " << tileEdge << " map edge "
                        << mapEdge << " depth " << depth;
                }
            }
        }
    }
}

// The build rendered the files in another process: a fresh render here must
// give the same bytes.
TEST(TileBitmaps, TheSameTileAlwaysGivesTheSameBytes) {
    const auto state = Catalogue();
    for (auto [tile, rotation] : {std::pair{11, 3}, std::pair{1, 1}, std::pair{17, 6}}) {
        const QByteArray fresh = TileFileBytes(RenderTile(*state, tile, rotation));
        EXPECT_EQ(std::vector<std::uint8_t>(fresh.begin(), fresh.end()),
                  ReadBytes(TilePath(tile, rotation)))
            << "file differs from a fresh render";
    }
}

// Draws a tile and its six neighbours as the map does (each bitmap's
// bottom-left colour left out) onto a canvas of the key colour, then looks for
// key colour left anywhere in and around the middle tile's hexagon.
TEST(TileBitmaps, NeighbouringTilesCoverTheMapWithoutHoles) {
    for (int middleCol : {0, 1}) {
        SCOPED_TRACE(middleCol == 0 ? "even middle column" : "odd middle column");
        constexpr int middleRow = 0;
        const int originX = 2 * ColumnStep;
        const int originY = 2 * RowStep;
        QImage canvas(6 * ColumnStep, 5 * RowStep, QImage::Format_RGB32);
        canvas.fill(Key);
        auto tileY = [](int col, int row) {
            return row * RowStep + (IsOddColumn(col) ? OddColumnDrop : 0);
        };
        auto draw = [&](int col, int row, int tile, int rotation) {
            const QImage image = LoadTile(tile, rotation);
            const QRgb transparent = image.pixel(0, image.height() - 1);
            const int x0 = originX + col * ColumnStep;
            const int y0 = originY + tileY(col, row);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != transparent)
                        canvas.setPixel(x0 + x, y0 + y, image.pixel(x, y));
        };
        draw(middleCol, middleRow, 11, 1);
        for (TEdge edge : AllEdges) {
            const TCell cell = Neighbour({middleCol, middleRow}, edge);
            draw(cell.Col, cell.Row, edge.Number() * 3, edge.Number());
        }

        const int mx = originX + middleCol * ColumnStep;
        const int my = originY + tileY(middleCol, middleRow);
        int holes = 0;
        // The middle hexagon's box and a margin wider than any shared edge.
        for (int y = my - 4; y < my + HexHeight + 4; ++y)
            for (int x = mx - 4; x < mx + HexWidth + 4; ++x)
                holes += canvas.pixel(x, y) == Key ? 1 : 0;
        EXPECT_EQ(holes, 0);
    }
}
