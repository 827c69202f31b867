#pragma once
// Where the parts of the set-up sheet go on a page: pure arithmetic on sizes,
// so that the choice of orientation and the map's place can be checked
// without painting anything.
//
// The sheet has three blocks, all left-aligned in the page's paintable area:
// the header (map code, and the seed line when known) at the top, the map
// picture scaled to fit, and the tile table, either below the map or beside
// it. All sizes are in the device units of the page being painted.

#include <QPageLayout>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <array>
#include <cstdint>

namespace tavrin {

// One table column per field: tile name, column, row, rotation.
inline constexpr int SheetTableColumns = 4;
// A heading row, then one row per tile.
inline constexpr int SheetTableRows = 21;

// The sizes of the sheet's text, measured in its fonts on the device.
struct TSheetMetrics {
    qreal HeaderHeight = 0; // map code line, plus the seed line when there is one
    qreal Gap = 0;          // between the header, the map and the table
    qreal RowHeight = 0;    // one table row
    std::array<qreal, SheetTableColumns> ColumnWidths{};

    qreal TableWidth() const;
    qreal TableHeight() const { return RowHeight * SheetTableRows; }
};

enum class TTablePlace : std::uint8_t { Below, Beside };

struct TSheetLayout {
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    TTablePlace Place = TTablePlace::Below;
    qreal Scale = 0; // device units per picture pixel; 0 when there is no room
    QRectF Map;      // the scaled picture
    QRectF Table;    // the whole table
    qreal RowHeight = 0;
    std::array<qreal, SheetTableColumns> ColumnWidths{};

    // Row k of the table: 0 the headings, 1..20 the tiles in tile order.
    QRectF Row(int k) const;
    // The cell of row k, column c.
    QRectF Cell(int k, int c) const;
};

// Lays the sheet out on a page whose paintable area measures `portrait` when
// upright and `landscape` when turned, for a picture of `picture` pixels. Of
// the four ways to place it (upright or turned, table below or beside the
// map) it takes the one that shows the map largest; on a tie the first of
// upright-below, upright-beside, turned-below, turned-beside. The map keeps
// its proportions and never leaves the area, however tall or wide it is.
TSheetLayout SheetLayout(QSizeF portrait, QSizeF landscape, QSize picture,
                         const TSheetMetrics& metrics);

} // namespace tavrin
