#include "sheet_layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tavrin {
namespace {

using TOrientation = QPageLayout::Orientation;
constexpr TOrientation Orientations[] = {QPageLayout::Portrait, QPageLayout::Landscape};

QSizeF Area(QSizeF portrait, TOrientation orientation) {
    return orientation == QPageLayout::Portrait ? portrait : portrait.transposed();
}

// The largest scale at which `map` fits `room`; 0 when there is no room.
qreal FitScale(QSizeF room, QSizeF map) {
    if (room.width() <= 0 || room.height() <= 0 || map.isEmpty())
        return 0;
    return std::min(room.width() / map.width(), room.height() / map.height());
}

// A page with the map whole, its top-left corner (inside the grid's
// margins) at `at`.
TSheetPage WholeMap(QPointF at, QSizeF map, qreal scale, const TSheetMetrics& m) {
    TSheetPage page;
    page.Map = QRectF(at + QPointF(m.GridWidth, m.GridHeight), map * scale);
    page.MapPart = QRectF(QPointF(0, 0), map);
    return page;
}

// Pages needed to cover `length` pixels with parts of `part` pixels that
// overlap by `overlap` pixels.
int PartsAlong(qreal length, qreal part, qreal overlap) {
    if (length <= part)
        return 1;
    return 1 + static_cast<int>(std::ceil((length - part) / (part - overlap) - 1e-9));
}

// The sheet as the map with the header on one page and the table on the
// next, in the orientation that shows the map larger, if that reaches
// `needed` and beats `best`; `scaleFor` turns the fitting scale into the one
// used.
template <typename TScaleFor>
void TwoPages(TSheetPlan& plan, QSizeF portrait, QSizeF map, const TSheetMetrics& m, qreal needed,
              qreal& best, TScaleFor scaleFor) {
    const QSizeF table(m.TableWidth(), m.TableHeight());
    const QSizeF grid(m.GridWidth, 2 * m.GridHeight);
    const qreal top = m.HeaderHeight + m.Gap;
    for (TOrientation orientation : Orientations) {
        const QSizeF area = Area(portrait, orientation);
        const qreal fit = FitScale(QSizeF(area.width(), area.height() - top) - grid, map);
        if (fit < needed || fit <= best)
            continue;
        best = fit;
        TSheetPage mapPage = WholeMap(QPointF(0, top), map, scaleFor(fit), m);
        mapPage.Header = true;
        TSheetPage tablePage;
        tablePage.Table = QRectF(QPointF(0, 0), table);
        plan.Orientation = orientation;
        plan.Scale = scaleFor(fit);
        plan.Pages = {mapPage, tablePage};
    }
}

} // namespace

qreal TSheetMetrics::TableWidth() const {
    return std::accumulate(ColumnWidths.begin(), ColumnWidths.end(), qreal{0});
}

QRectF TSheetPage::TableRow(int k, qreal rowHeight) const {
    return QRectF(Table.left(), Table.top() + k * rowHeight, Table.width(), rowHeight);
}

QRectF TSheetPlan::Cell(const TSheetPage& page, int k, int c) const {
    const qreal left =
        std::accumulate(ColumnWidths.begin(), ColumnWidths.begin() + c, page.Table.left());
    return QRectF(left, page.Table.top() + k * RowHeight, ColumnWidths[c], RowHeight);
}

TSheetPlan PlanSheet(QSizeF portrait, QSizeF map, const TSheetMetrics& m, qreal minScale,
                     qreal tileScale) {
    TSheetPlan plan;
    plan.ColumnWidths = m.ColumnWidths;
    plan.RowHeight = m.RowHeight;
    const QSizeF table(m.TableWidth(), m.TableHeight());
    const QSizeF grid(m.GridWidth, 2 * m.GridHeight);
    const qreal top = m.HeaderHeight + m.Gap;
    const qreal needed = tileScale > 0 ? tileScale : minScale;
    auto scaleFor = [&](qreal fit) { return tileScale > 0 ? tileScale : fit; };

    // One page: the table below the map or beside it.
    qreal best = 0;
    for (TOrientation orientation : Orientations) {
        const QSizeF area = Area(portrait, orientation);
        const QSizeF below(area.width(), area.height() - top - m.Gap - table.height());
        const QSizeF beside(area.width() - m.Gap - table.width(), area.height() - top);
        for (bool isBelow : {true, false}) {
            const qreal fit = FitScale((isBelow ? below : beside) - grid, map);
            if (fit < needed || fit <= best)
                continue;
            best = fit;
            TSheetPage page = WholeMap(QPointF(0, top), map, scaleFor(fit), m);
            page.Header = true;
            const QRectF room = page.Map.adjusted(0, 0, 0, m.GridHeight);
            page.Table = isBelow ? QRectF(QPointF(0, room.bottom() + m.Gap), table)
                                 : QRectF(QPointF(room.right() + m.Gap, top), table);
            plan.Orientation = orientation;
            plan.Scale = scaleFor(fit);
            plan.Pages = {page};
        }
    }
    if (!plan.Pages.empty())
        return plan;

    // Two pages: the map with the header, then the table.
    TwoPages(plan, portrait, map, m, needed, best, scaleFor);
    if (!plan.Pages.empty())
        return plan;

    // A poster: the header and the table, then the map in overlapping parts.
    plan.Scale = needed;
    int fewest = 0;
    for (TOrientation orientation : Orientations) {
        const QSizeF area = Area(portrait, orientation);
        const QSizeF part = (QSizeF(area.width(), area.height() - m.LabelHeight) - grid) / needed;
        const qreal overlap = PosterOverlap / needed;
        if (part.width() <= overlap || part.height() <= overlap)
            continue;
        const int columns = PartsAlong(map.width(), part.width(), overlap);
        const int rows = PartsAlong(map.height(), part.height(), overlap);
        if (fewest != 0 && rows * columns >= fewest)
            continue;
        fewest = rows * columns;
        plan.Orientation = orientation;
        plan.PosterRows = rows;
        plan.PosterColumns = columns;
        TSheetPage first;
        first.Header = true;
        first.Table = QRectF(QPointF(0, top), table);
        plan.Pages = {first};
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                const QRectF shown =
                    QRectF(QPointF(c * (part.width() - overlap), r * (part.height() - overlap)),
                           part) &
                    QRectF(QPointF(0, 0), map);
                TSheetPage page;
                page.Map = QRectF(QPointF(m.GridWidth, m.LabelHeight + m.GridHeight),
                                  shown.size() * needed);
                page.MapPart = shown;
                page.PosterRow = r + 1;
                page.PosterColumn = c + 1;
                plan.Pages.push_back(page);
            }
        }
    }
    // A map spread so far that its poster would run to hundreds of pages
    // (tiles of a loaded map far apart) is shown whole on one page instead,
    // however small: no print job of that size is what anyone wants.
    if (static_cast<int>(plan.Pages.size()) > MaxPosterPages + 1) {
        plan = TSheetPlan{};
        plan.ColumnWidths = m.ColumnWidths;
        plan.RowHeight = m.RowHeight;
        qreal none = 0;
        TwoPages(plan, portrait, map, m, 0, none, [](qreal fit) { return fit; });
    }
    return plan;
}

} // namespace tavrin
