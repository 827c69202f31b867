#include "sheet_layout.h"

#include <algorithm>
#include <numeric>

namespace tavrin {
namespace {

// The sheet on one area with the table in one place.
TSheetLayout Place(QSizeF area, QPageLayout::Orientation orientation, TTablePlace place,
                   QSize picture, const TSheetMetrics& metrics) {
    TSheetLayout layout;
    layout.Orientation = orientation;
    layout.Place = place;
    layout.RowHeight = metrics.RowHeight;
    layout.ColumnWidths = metrics.ColumnWidths;

    const qreal top = metrics.HeaderHeight + metrics.Gap;
    const QSizeF room =
        place == TTablePlace::Below
            ? QSizeF(area.width(), area.height() - top - metrics.Gap - metrics.TableHeight())
            : QSizeF(area.width() - metrics.Gap - metrics.TableWidth(), area.height() - top);
    if (!picture.isEmpty() && room.width() > 0 && room.height() > 0)
        layout.Scale = std::min(room.width() / picture.width(), room.height() / picture.height());
    layout.Map = QRectF(0, top, picture.width() * layout.Scale, picture.height() * layout.Scale);

    const QSizeF table(metrics.TableWidth(), metrics.TableHeight());
    layout.Table = place == TTablePlace::Below
                       ? QRectF(QPointF(0, layout.Map.bottom() + metrics.Gap), table)
                       : QRectF(QPointF(layout.Map.right() + metrics.Gap, top), table);
    return layout;
}

} // namespace

qreal TSheetMetrics::TableWidth() const {
    return std::accumulate(ColumnWidths.begin(), ColumnWidths.end(), qreal{0});
}

QRectF TSheetLayout::Row(int k) const {
    return QRectF(Table.left(), Table.top() + k * RowHeight, Table.width(), RowHeight);
}

QRectF TSheetLayout::Cell(int k, int c) const {
    const qreal left =
        std::accumulate(ColumnWidths.begin(), ColumnWidths.begin() + c, Table.left());
    return QRectF(left, Table.top() + k * RowHeight, ColumnWidths[c], RowHeight);
}

TSheetLayout SheetLayout(QSizeF portrait, QSizeF landscape, QSize picture,
                         const TSheetMetrics& metrics) {
    const TSheetLayout candidates[] = {
        Place(portrait, QPageLayout::Portrait, TTablePlace::Below, picture, metrics),
        Place(portrait, QPageLayout::Portrait, TTablePlace::Beside, picture, metrics),
        Place(landscape, QPageLayout::Landscape, TTablePlace::Below, picture, metrics),
        Place(landscape, QPageLayout::Landscape, TTablePlace::Beside, picture, metrics),
    };
    const TSheetLayout* best = &candidates[0];
    for (const TSheetLayout& candidate : candidates)
        if (candidate.Scale > best->Scale)
            best = &candidate;
    return *best;
}

} // namespace tavrin
