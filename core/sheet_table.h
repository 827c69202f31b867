#pragma once
// The tile table: a heading row, then one row per tile in placing order;
// words to the left and numbers to the right of their cells, every other
// row shaded.

#include "sheet_plan.h"

namespace tavrin {

struct TSheetTable {
    std::array<double, SheetColumns> Widths{}; // each column's, padding included
    double RowHeight = 0;
    int Rows = 0; // the heading row included

    double Width() const;
    double Height() const { return RowHeight * Rows; }
};

// The table's size for `words`, in the sheet's body font.
TSheetTable MeasureTable(const TSheetWords& words);

// Puts the table on `page` with its top-left corner at (x, y).
void PlaceTable(TSheetPage& page, const TSheetTable& table, const TSheetWords& words, double x,
                double y);

} // namespace tavrin
