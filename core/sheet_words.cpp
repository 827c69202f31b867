#include "sheet_words.h"

#include "map_figures.h"
#include "map_link.h"
#include "map_string.h"
#include "placing_order.h"
#include "share_code.h"

#include <cstdio>

namespace tavrin {
namespace {

std::string FigureItem(const TFigureInfo& info, double value) {
    char number[32];
    std::snprintf(number, sizeof number, info.Whole ? "%.0f" : "%.2f", value);
    return std::string(info.Label) + ' ' + number;
}

} // namespace

TSheetWords SheetWords(const TMapState& state, std::string_view seedText, std::string_view date,
                       std::string_view webAddress) {
    TSheetWords words;
    const std::string mapString = MakeMapString(state);
    words.Title = "Tavrin map";
    if (!seedText.empty())
        words.Title += ": " + std::string(seedText);
    words.ShareCode = ShareCode(mapString);
    words.MapName = seedText.empty() ? words.ShareCode : std::string(seedText);
    words.Date = date;
    words.MapCode = mapString;
    words.Link = MapLink(mapString, webAddress);
    const TMapFigures figures = MeasureMap(state);
    for (const TFigureInfo& info : Figures)
        words.Figures.push_back(FigureItem(info, FigureValue(figures, info.Figure)));
    words.Legend = "The red arrow inside each tile points at the top edge of its art: turn the "
                   "real tile so that its top edge lies there.";
    int step = 0;
    for (const TPlacingStep& placing : PlacingOrder(state)) {
        const TTile& tile = state.Tiles[placing.Tile];
        words.Rows.push_back({std::to_string(++step), std::string(tile.Name.View()),
                              PlacingText(state, placing), std::to_string(tile.Col),
                              std::to_string(tile.Row), std::to_string(tile.Rotation)});
    }
    return words;
}

} // namespace tavrin
