#pragma once
// The set-up sheet: what a player needs to lay a map out on a table, on one
// page. At the top the map code (and "Seed N, map k" when it is known), then
// the map picture scaled to fit the page, and the tile listing as a table of
// tile name, column, row and rotation in tile order, below or beside the map
// (SheetLayout chooses). The window's printing and tavrin-cli paint it with
// the same functions, so a printed sheet and a sheet PDF agree.

#include "errors.h"
#include "map_state.h"
#include "sheet_layout.h"

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QString>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace tavrin {

// A device that would not take the sheet (a printer that cannot be started,
// a print file that cannot be opened).
class ESheetNotPrinted : public ETavrinError {
public:
    ESheetNotPrinted() : ETavrinError("The sheet could not be printed") {}
};

struct TSheetRow {
    QString Tile; // the tile's display name
    QString Column;
    QString Row;
    QString Rotation;
};

// The sheet's words: the same for every page size.
struct TSheetText {
    QString MapCode;             // the 60-character map string
    QString SeedText;            // "Seed N, map k", or empty when not known
    std::vector<TSheetRow> Rows; // one per tile, in tile order
};

// The sheet's words for the tiles of `state` as they are now. Raises
// EIntOverflow, as MakeMapString does, for a tile far off the grid.
TSheetText SheetText(const TMapState& state, const QString& seedText);

// The sizes of `text` in the sheet's fonts on `device`.
TSheetMetrics SheetMetrics(const QPaintDevice& device, const TSheetText& text);

// Paints the sheet as `layout` places it. The painter's origin is the
// top-left corner of the page's paintable area, in device units.
void PaintSetupSheet(QPainter& painter, const TSheetLayout& layout, const TSheetMetrics& metrics,
                     const QImage& picture, const TSheetText& text);

// Lays the sheet out on the page of `device`, turns the page to the chosen
// orientation and paints the sheet as one page. Raises ESheetNotPrinted when
// the device cannot be painted on.
void PrintSetupSheet(QPagedPaintDevice& device, const QImage& picture, const TSheetText& text);

// The page both the window's printer and tavrin-cli's sheet start from: A4
// with margins of 15 mm.
QPageLayout SheetPageLayout();

// The sheet as a one-page PDF on `page`, painted by PrintSetupSheet.
QByteArray SetupSheetPdf(const QImage& picture, const TSheetText& text,
                         const QPageLayout& page = SheetPageLayout());

} // namespace tavrin
