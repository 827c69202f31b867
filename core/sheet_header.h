#pragma once
// The header at the top of a sheet's first page: the title and the date, the
// map code, the share code, the key figures and the legend beside a sample
// mark, each wrapped to the room left of the QR code at the top right. The
// QR code is as tall as the text beside it, and at least large enough for a
// phone to read from paper.

#include "sheet_plan.h"

namespace tavrin {

struct TSheetHeader {
    std::vector<TSheetText> Texts;
    TBox Qr;
    TBox LegendMark;
    TMarkShape LegendArrow{};
    double Height = 0;
};

// The header across `width` points from the page's top; `dashes` adds the
// words that explain a poster's dashed lines to the legend.
TSheetHeader SheetHeader(const TSheetWords& words, double width, bool dashes);

// The side of the QR code of `text` in points, quiet zone included:
// modules of at least half a millimetre (version from the byte capacities
// at error correction level M), and never less than `least`.
double QrSide(std::string_view text, double least);

} // namespace tavrin
