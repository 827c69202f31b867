#pragma once
// The set-up sheet's words, the same for every paper and every door: the
// title, the date, the codes, the map's key figures, the legend and the tile
// table in placing order. Text is Latin-1, as the engine's names and map
// strings are.

#include "map_state.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Number, tile, where to lay it, column, row, rotation.
inline constexpr int SheetColumns = 6;
using TSheetRow = std::array<std::string, SheetColumns>;
inline constexpr std::array<std::string_view, SheetColumns> SheetHeadings{
    "#", "Tile", "Lay it", "Column", "Row", "Rotation"};

struct TSheetWords {
    std::string Title;   // "Tavrin map", with ": Seed N, map k" when known
    std::string MapName; // "Seed N, map k", or the share code
    std::string Date;    // as the door gives it
    std::string MapCode; // the 60-character map string
    std::string ShareCode;
    std::string Link;                 // for the QR code: MapLink's
    std::vector<std::string> Figures; // "Reachable clearings 95", ...
    std::string Legend;               // how to read the rotation marks
    std::vector<TSheetRow> Rows;      // one per tile, in placing order
};

// The words for the tiles of `state`; `seedText` is "Seed N, map k" or
// empty, `webAddress` where the page is served or empty (see MapLink).
// Raises EIntOverflow for a tile far off the grid, EWebAddress for a bad
// address.
TSheetWords SheetWords(const TMapState& state, std::string_view seedText, std::string_view date,
                       std::string_view webAddress);

} // namespace tavrin
