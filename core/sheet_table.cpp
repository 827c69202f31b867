#include "sheet_table.h"

#include <numeric>

namespace tavrin {
namespace {

constexpr double Points = 9;
constexpr double RowSpacing = 1.45; // a row's height, in lines
constexpr double Padding = 0.4;     // on either side of a cell's text, in lines

std::string_view Cell(const TSheetWords& words, int k, int c) {
    return k == 0 ? SheetHeadings[static_cast<std::size_t>(c)]
                  : std::string_view(
                        words.Rows[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(c)]);
}

TSheetFont FontOf(int k) {
    return k == 0 ? TSheetFont::Bold : TSheetFont::Sans;
}

} // namespace

double TSheetTable::Width() const {
    return std::accumulate(Widths.begin(), Widths.end(), 0.0);
}

TSheetTable MeasureTable(const TSheetWords& words) {
    TSheetTable table;
    table.Rows = static_cast<int>(words.Rows.size()) + 1;
    table.RowHeight = LineHeight(Points) * RowSpacing;
    for (int k = 0; k < table.Rows; ++k)
        for (int c = 0; c < SheetColumns; ++c) {
            double& width = table.Widths[static_cast<std::size_t>(c)];
            width = std::max(width, TextWidth(Cell(words, k, c), FontOf(k), Points));
        }
    for (double& width : table.Widths)
        width += 2 * Padding * LineHeight(Points);
    return table;
}

void PlaceTable(TSheetPage& page, const TSheetTable& table, const TSheetWords& words, double x,
                double y) {
    page.Table = {x, y, table.Width(), table.Height()};
    page.TableRows = table.Rows - 1;
    const double padding = Padding * LineHeight(Points);
    const double line = LineHeight(Points);
    for (int k = 0; k < table.Rows; ++k) {
        const double top = y + k * table.RowHeight;
        if (k > 0 && k % 2 == 0)
            page.Stripes.push_back({x, top, table.Width(), table.RowHeight});
        double left = x;
        for (int c = 0; c < SheetColumns; ++c) {
            const double width = table.Widths[static_cast<std::size_t>(c)];
            const bool words_ = c == 1 || c == 2;
            page.Texts.push_back(
                {{left + padding, top + (table.RowHeight - line) / 2, width - 2 * padding, line},
                 std::string(Cell(words, k, c)),
                 FontOf(k),
                 Points,
                 words_ ? TSheetAlign::Left : TSheetAlign::Right,
                 TSheetPart::Table});
            left += width;
        }
    }
    const double rule = y + table.RowHeight;
    page.Rules.push_back({x, rule, x + table.Width(), rule});
}

} // namespace tavrin
