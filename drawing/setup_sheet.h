#pragma once
// The set-up sheet on paper: the core's sheet plan (sheet_plan.h) painted
// with Qt, page by page, on a printer, the print preview or a PDF. The
// window's printing and tavrin-cli both come here, so a printed sheet and a
// sheet PDF are the same plan painted the same way.

#include "errors.h"
#include "map_art.h"
#include "map_state.h"
#include "sheet_plan.h"
#include "sheet_words.h"

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

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
    TPalette Palette = TPalette::Standard; // the art's and the marks' colours
};

// The sheet's words for the map as it is now, dated today; `seedText` is
// "Seed N, map k" or empty, `webAddress` where the web page is served or
// empty.
TSheetWords SheetWordsToday(const TMapState& state, const QString& seedText,
                            const QString& webAddress);

// The plan for the paintable area of `layout` (its paper and margins).
TSheetPlan PlanSetupSheet(const QPageLayout& layout, const TMapState& state,
                          const TSheetWords& words, const TSheetOptions& options);

// Paints page `index` of `plan`, the painter measuring in points from the
// top-left corner of the page's paintable area. `picture` is the drawn map,
// painted when `look` asks for the tile bitmaps; the art and the rotation
// marks take their colours from `palette`.
void PaintSheetPage(QPainter& painter, const TSheetPlan& plan, int index, const TMapState& state,
                    const QImage& picture, TTileLook look, TPalette palette = TPalette::Standard);

// Plans the sheet on the paper of `device` (its page size and margins, as a
// print dialog left them), turns the page to the plan's orientation and
// paints every page. Raises ESheetNotPrinted when the device cannot be
// painted on or the map cannot be laid on its paper at the size asked.
void PrintSetupSheet(QPagedPaintDevice& device, const TMapState& state, const QImage& picture,
                     const TSheetWords& words, const TSheetOptions& options);

// The paper a sheet starts on: Letter where the locale measures in inches,
// A4 elsewhere.
QPageSize DefaultPaper();

// That paper (or `paper`) upright with margins of 7 mm.
QPageLayout SheetPageLayout(const QPageSize& paper = DefaultPaper());

// The sheet as a PDF on `page`, painted by PrintSetupSheet.
QByteArray SetupSheetPdf(const TMapState& state, const QImage& picture, const TSheetWords& words,
                         const TSheetOptions& options = {},
                         const QPageLayout& page = SheetPageLayout());

} // namespace tavrin
