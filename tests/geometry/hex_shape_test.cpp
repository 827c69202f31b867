// The per-pixel hexagon and how copies of it fit together at the map's layout
// steps.

#include "hex_shape.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tavrin;
using namespace tavrin::tileart;

namespace {

bool OnRim(int x, int y) {
    return !IsInsideHex(x - 1, y) || !IsInsideHex(x + 1, y) || !IsInsideHex(x, y - 1) ||
           !IsInsideHex(x, y + 1);
}

int TileY(int col, int row) {
    return row * RowStep + (IsOddColumn(col) ? OddColumnDrop : 0);
}

} // namespace

TEST(HexShape, FillsItsBoundingBoxCornerToCornerAndEdgeToEdge) {
    // The flat top and bottom edges run from x 50 to 149.
    for (int y : {0, HexHeight - 1}) {
        EXPECT_FALSE(IsInsideHex(49, y));
        EXPECT_TRUE(IsInsideHex(50, y));
        EXPECT_TRUE(IsInsideHex(149, y));
        EXPECT_FALSE(IsInsideHex(150, y));
    }
    // The side corners reach the first and the last column at half height.
    EXPECT_TRUE(IsInsideHex(0, 87));
    EXPECT_TRUE(IsInsideHex(HexWidth - 1, 87));
    EXPECT_FALSE(IsInsideHex(0, 80));
    EXPECT_FALSE(IsInsideHex(0, 95));
    // Nothing outside the box, and the bottom-left pixel of the bitmap is out.
    EXPECT_FALSE(IsInsideHex(-1, 87));
    EXPECT_FALSE(IsInsideHex(HexWidth, 87));
    EXPECT_FALSE(IsInsideHex(100, -1));
    EXPECT_FALSE(IsInsideHex(100, HexHeight));
    EXPECT_FALSE(IsInsideHex(0, BitmapSize - 1));
}

TEST(HexShape, IsMirrorSymmetricAndConvexPerRow) {
    for (int y = 0; y < HexHeight; ++y) {
        int runs = 0;
        for (int x = 0; x < HexWidth; ++x) {
            ASSERT_EQ(IsInsideHex(x, y), IsInsideHex(HexWidth - 1 - x, y)) << x << "," << y;
            ASSERT_EQ(IsInsideHex(x, y), IsInsideHex(x, HexHeight - 1 - y)) << x << "," << y;
            if (IsInsideHex(x, y) && !IsInsideHex(x - 1, y))
                ++runs;
        }
        EXPECT_EQ(runs, 1) << "row " << y;
    }
}

// Lays hexagons out over a stretch of grid and counts how often each pixel of
// a window well inside is covered: never zero (a gap would show the picture
// beneath), at most twice, and a pixel covered twice lies on the rim of both
// hexagons, so the overlap is one pixel thin.
TEST(HexShape, TilesThePlaneAtTheLayoutSteps) {
    constexpr int left = 0, top = 0, width = 2 * 2 * ColumnStep, height = 3 * RowStep;
    std::vector<int> cover(static_cast<std::size_t>(width * height), 0);
    std::vector<int> rimCount(cover.size(), 0);
    for (int col = -3; col <= 6; ++col) {
        for (int row = -3; row <= 5; ++row) {
            const int ox = col * ColumnStep;
            const int oy = TileY(col, row);
            for (int y = top; y < top + height; ++y) {
                for (int x = left; x < left + width; ++x) {
                    if (!IsInsideHex(x - ox, y - oy))
                        continue;
                    const auto i = static_cast<std::size_t>((y - top) * width + (x - left));
                    ++cover[i];
                    rimCount[i] += OnRim(x - ox, y - oy) ? 1 : 0;
                }
            }
        }
    }
    int overlaps = 0;
    for (std::size_t i = 0; i < cover.size(); ++i) {
        const int x = left + static_cast<int>(i) % width;
        const int y = top + static_cast<int>(i) / width;
        ASSERT_GE(cover[i], 1) << "gap at " << x << "," << y;
        ASSERT_LE(cover[i], 2) << "triple cover at " << x << "," << y;
        if (cover[i] == 2) {
            ++overlaps;
            EXPECT_EQ(rimCount[i], 2) << "thick overlap at " << x << "," << y;
        }
    }
    // Only some of the slanted edges overlap at all, one pixel per column.
    const int slantedColumnsInWindow = (width / ColumnStep) * 3 * 4 * 50;
    EXPECT_GT(overlaps, 0);
    EXPECT_LE(overlaps, slantedColumnsInWindow / 2);
}
