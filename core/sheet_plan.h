#pragma once
// The set-up sheet's plan: every page, and on it every text, the QR code,
// the map's views with their grid numbers, the rotation marks and the tile
// table, as boxes in points. Computed once from the map, its words, the
// paper and the size asked for; the window's printing, tavrin-cli and the
// web page only paint it.
//
// The map goes on one page with the header and the table whenever it fits
// with every tile's name readable (MinNameMillimetres), the page turned as
// suits it; otherwise on a page of its own with the header, as large as
// fits, and the table on the next. Only a size asked per tile, or a map that
// even a whole page cannot show readably, makes a poster: the table first,
// then the map in overlapping parts of equal size, so that no part is a
// sliver, and no part that holds no tile. A map whose tiles lie apart is
// shown as its groups of touching tiles (MapGroups), each with its own
// grid numbers.

#include "map_state.h"
#include "rotation_mark.h"
#include "sheet_box.h"
#include "sheet_words.h"
#include "text_width.h"

#include <array>
#include <string>
#include <vector>

namespace tavrin {

// What a text is, for painting and for the plan's checks.
enum class TSheetPart : unsigned char { Header, Legend, Grid, PageLabel, Table };
enum class TSheetAlign : unsigned char { Left, Centre, Right };

// The size of the sheet's body text, in points: its header and page labels.
constexpr double SheetBodyPoints = 9;

struct TSheetText {
    TBox Box; // the text stands on the box's top line, its baseline Ascent lower
    std::string Text;
    TSheetFont Font = TSheetFont::Sans;
    double Points = SheetBodyPoints;
    TSheetAlign Align = TSheetAlign::Left;
    TSheetPart Part = TSheetPart::Header;
};

// A view of the map: `Part` of the map picture (pixels) shown in `Page`
// (points), at the plan's scale.
struct TSheetMapView {
    TBox Page;
    TBox Part;
};

struct TSheetLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

struct TSheetPage {
    std::vector<TSheetText> Texts;
    std::vector<TSheetMapView> Maps;
    TBox Qr;                        // the link's QR code, quiet zone included; empty when none
    TBox LegendMark;                // a stretch of edge along its top and a mark under it
    TMarkShape LegendArrow{};       //   (that mark); empty box when none
    TBox Table;                     // empty when none
    std::vector<TBox> Stripes;      // the table's shaded rows
    std::vector<TSheetLine> Rules;  // under the table's headings
    std::vector<TSheetLine> Dashes; // where a neighbouring poster part begins
    int TableRows = 0;              // tile rows listed on the page
};

// The paintable area of the paper, upright, in points.
struct TSheetPaper {
    double Width = 0;
    double Height = 0;
};

struct TSheetPlan {
    bool Landscape = false;
    double Width = 0; // the paintable area as turned, in points
    double Height = 0;
    double Scale = 0;                          // points per picture pixel
    std::string QrText;                        // the link the QR code holds
    std::array<TMarkShape, TileCount> Marks{}; // tile 1..20's, in picture pixels
    std::vector<TSheetPage> Pages;
};

// The smallest and largest tile width that can be asked for, in millimetres.
inline constexpr int MinTileMillimetres = 20;
inline constexpr int MaxTileMillimetres = 300;

// How much neighbouring poster parts share, in points (10 mm).
inline constexpr double PosterOverlap = 10 / 25.4 * 72;

// The paintable area of A4, Letter or A3 (`name` in any case) inside the
// sheet's margins of 7 mm; raises ETavrinError for another name.
TSheetPaper PaperArea(std::string_view name);
inline constexpr double SheetMarginMillimetres = 7;

// The plan for `state` and its `words` on `paper`; `tileMillimetres` is a
// tile's width asked for, 0 for as large as fits. Raises EIntOverflow where
// the map picture would.
TSheetPlan PlanSheet(const TMapState& state, const TSheetWords& words, TSheetPaper paper,
                     double tileMillimetres = 0);

} // namespace tavrin
