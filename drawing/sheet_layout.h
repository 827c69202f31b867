#pragma once
// Where the parts of the set-up sheet go on its pages: pure arithmetic on
// sizes, so that the choice of pages, orientation and scale can be checked
// without painting anything. All lengths are in points (1/72 inch) on the
// page's paintable area; the map is measured in picture pixels (the layout
// box of the map picture, 200 pixels a tile).
//
// The sheet is one page when the map, at a size where every tile's name can
// be read, fits beside or below the table under the header. Failing that the
// map takes the first page alone, with the header, and the table follows on
// a second. A map too large even for that, or one printed at a chosen size
// per tile, goes over several pages (a poster) after a first page with the
// header and the table: each poster page shows a part of the map, and
// neighbouring parts overlap by PosterOverlap so that they can be laid
// together. A map whose poster would take more than MaxPosterPages is shown
// whole on one page after all. One orientation serves the whole sheet.

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <cstdint>
#include <vector>

namespace tavrin {

// Number, tile, where to lay it, column, row, rotation.
inline constexpr int SheetTableColumns = 6;
// A heading row, then one row per tile.
inline constexpr int SheetTableRows = 21;

// The most pages a poster may take; a map that would need more is shown
// whole on one page, however small.
inline constexpr int MaxPosterPages = 60;

// How much neighbouring poster pages share, in points (10 mm).
inline constexpr qreal PosterOverlap = 10 / 25.4 * 72;

// The sizes of the sheet's text, measured in its fonts.
struct TSheetMetrics {
    qreal HeaderHeight = 0; // title, codes and the legend
    qreal Gap = 0;          // between the header, the map and the table
    qreal GridWidth = 0;    // room for the row numbers left of the map
    qreal GridHeight = 0;   // room for the column numbers above and below it
    qreal LabelHeight = 0;  // a poster page's label line
    qreal RowHeight = 0;    // one table row
    std::array<qreal, SheetTableColumns> ColumnWidths{};

    qreal TableWidth() const;
    qreal TableHeight() const { return RowHeight * SheetTableRows; }
};

struct TSheetPage {
    bool Header = false; // the title, the codes and the legend at the top
    QRectF Table;        // the table; empty on pages without it
    QRectF Map;          // where the map, or its part, lies; empty when none
    QRectF MapPart;      // the part of the map shown there, in picture pixels
    int PosterRow = 0;   // 1.. on a poster page, 0 elsewhere
    int PosterColumn = 0;

    // Row k of the table: 0 the headings, 1..20 the tiles in placing order.
    QRectF TableRow(int k, qreal rowHeight) const;
};

struct TSheetPlan {
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    qreal Scale = 0; // points per picture pixel
    int PosterRows = 0;
    int PosterColumns = 0;
    std::vector<TSheetPage> Pages;
    std::array<qreal, SheetTableColumns> ColumnWidths{};
    qreal RowHeight = 0;

    // The cell of table row k, column c on `page`.
    QRectF Cell(const TSheetPage& page, int k, int c) const;
};

// Plans the sheet for a paintable area of `portrait` points when upright (its
// transpose when turned) and a map of `map` picture pixels. `minScale` is the
// smallest scale (points per pixel) at which the map can be read; `tileScale`
// is the scale the user asked for, or 0 to show the map as large as the
// pages allow. Of upright and turned it takes the one that shows the map
// larger, or, for a poster, needs fewer pages; upright on a tie.
TSheetPlan PlanSheet(QSizeF portrait, QSizeF map, const TSheetMetrics& metrics, qreal minScale,
                     qreal tileScale = 0);

} // namespace tavrin
