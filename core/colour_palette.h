#pragma once
// The colours of the map: the ground of the four terrain kinds and every mark
// drawn over a map (the route, its From and To, clearings cut off from the
// start, the printed rotation marks and the map editor's marks). Two
// palettes: the standard one, which the tile bitmaps are drawn in, and one
// whose colours stay apart for players who see red and green (or blue and
// yellow) poorly and in greyscale (colour_vision.h measures how far apart).
// The window, the sheet, tavrin-cli and the page all read their colours here.

#include "rgb.h"

#include <array>
#include <optional>
#include <string_view>

namespace tavrin {

enum class TPalette { Standard, ColourBlind };

struct TPaletteColours {
    std::array<TRgb, 4> Terrain; // the ground of tile kinds 0..3
    TRgb Route;                  // the route's roads and the rings on its way
    TRgb From;                   // the ring and label of the route's start
    TRgb To;                     // the ring and label of its end
    TRgb NotJoined;              // both ends of a query no road joins
    TRgb CutOff;                 // the cross on a clearing the start cannot reach
    TRgb RotationMark;           // the arrow on each tile of a printed sheet
    TRgb Disagreement;           // the map editor's bar on an edge whose roads disagree
    TRgb Unreached;              // the map editor's ring on an unreached clearing
};

// One colour of a palette under the name the page's style sheet knows it by
// ("route", "from", ..., "terrain-0".."terrain-3").
struct TNamedColour {
    std::string_view Name;
    TRgb Colour;
};

const TPaletteColours& PaletteColours(TPalette palette);

// Every colour of the palette, terrain first.
std::array<TNamedColour, 12> NamedColours(TPalette palette);

// The palette's name on command lines, in settings and on the page:
// "standard" or "colour-blind".
std::string_view PaletteName(TPalette palette);
std::optional<TPalette> PaletteNamed(std::string_view name);

// The outline that shows a mark's shape on any ground: black round a light
// fill, white round a dark one.
TRgb OutlineFor(TRgb fill);

// "#rrggbb".
std::array<char, 8> HexText(TRgb colour);

} // namespace tavrin
