#pragma once
// The set-up sheet: what a player needs to lay a map out on a table. At the
// top the title (with "Seed N, map k" when known) and the date, the map code,
// the map's key figures and a one-line legend of the rotation marks; the map large, with column
// numbers above and below it and row numbers beside it, a rotation mark on
// every tile; and the tile table in placing order. SheetLayout decides what
// goes on which page. The window's printing and tavrin-cli paint it with the
// same functions, so a printed sheet and a sheet PDF agree.

#include "errors.h"
#include "map_art.h"
#include "map_state.h"
#include "sheet_layout.h"
#include "sheet_text.h"

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>

class QPagedPaintDevice;
class QPainter;

namespace tavrin {

// A device that would not take the sheet (a printer that cannot be started,
// a print file that cannot be opened, a tile size too large for the paper).
class ESheetNotPrinted : public ETavrinError {
public:
    ESheetNotPrinted() : ETavrinError("The sheet could not be printed") {}
};

// What the user chose for the sheet.
struct TSheetOptions {
    TTileLook Look = TTileLook::Art;
    double TileMillimetres = 0; // a tile's width on paper; 0: as large as the pages allow
};

// The smallest and largest tile width that can be asked for, in millimetres.
inline constexpr int MinTileMillimetres = 20;
inline constexpr int MaxTileMillimetres = 300;

// The sizes of the sheet's words in its fonts, in points.
TSheetMetrics SheetMetrics(const TSheetText& text);

// The pages of the sheet for a paintable area of `portrait` points (upright).
TSheetPlan PlanSetupSheet(QSizeF portrait, const TMapState& state, const TSheetMetrics& metrics,
                          const TSheetOptions& options);

// Paints page `index` of `plan`. The painter measures in points from the
// top-left corner of the page's paintable area. `picture` is the drawn map,
// painted when the options ask for the tile bitmaps.
void PaintSheetPage(QPainter& painter, const TSheetPlan& plan, int index,
                    const TSheetMetrics& metrics, const TMapState& state, const QImage& picture,
                    const TSheetText& text, TTileLook look);

// Plans the sheet on the paper of `device` (its page size and margins, as a
// print dialog left them), turns the page to the plan's orientation and
// paints every page. Raises ESheetNotPrinted when the device cannot be
// painted on or the map cannot be laid on its paper at the size asked.
void PrintSetupSheet(QPagedPaintDevice& device, const TMapState& state, const QImage& picture,
                     const TSheetText& text, const TSheetOptions& options);

// The paper a sheet starts on: Letter where the locale measures in inches,
// A4 elsewhere.
QPageSize DefaultPaper();

// That paper (or `paper`) upright with margins of 10 mm.
QPageLayout SheetPageLayout(const QPageSize& paper = DefaultPaper());

// The sheet as a PDF on `page`, painted by PrintSetupSheet.
QByteArray SetupSheetPdf(const TMapState& state, const QImage& picture, const TSheetText& text,
                         const TSheetOptions& options = {},
                         const QPageLayout& page = SheetPageLayout());

} // namespace tavrin
