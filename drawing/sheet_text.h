#pragma once
// The set-up sheet's words: the same for every paper size and every look of
// the tiles. The tile table lists the tiles in the order to lay them out.

#include "map_state.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace tavrin {

struct TSheetRow {
    QString Step;  // 1..20
    QString Tile;  // the tile's display name
    QString Place; // "first", "below right of March Land", ...
    QString Column;
    QString Row;
    QString Rotation;
};

struct TSheetText {
    QString Title;               // "Tavrin map", with ": Seed N, map k" when known
    QString Date;                // the day the sheet was made, as yyyy-MM-dd
    QString MapCode;             // the 60-character map string
    QString ShareCode;           // the short code to share the map
    QString ShareLink;           // the map's tavrin: link, for the QR code
    QStringList Figures;         // the map's key figures, a few to a line
    QString Legend;              // how to read the rotation marks
    std::vector<TSheetRow> Rows; // one per tile, in placing order
};

// The table's headings, in column order.
QStringList SheetHeadings();

// The sheet's words for the tiles of `state` as they are now; `seedText` is
// "Seed N, map k", or empty when the map was not made from a known seed.
// Raises EIntOverflow, as MakeMapString does, for a tile far off the grid.
TSheetText SheetText(const TMapState& state, const QString& seedText,
                     const QDate& date = QDate::currentDate());

} // namespace tavrin
