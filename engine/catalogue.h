#pragma once
// The fixed content of the 20 tiles: names, file-name tokens, kinds, and the
// clearings with their roads in both road sets. The tables are constexpr data
// checked at compile time; FillCatalogue writes them into the tile records.

#include "checked.h"
#include "map_state.h"

#include <string>
#include <string_view>

namespace tavrin {

// Token t names tile t in bitmap file names, in the tile lists and in route
// text: the display name without its blanks.
inline constexpr CheckedArray<std::string_view, 1, TileCount> TileFileNames{{
    "AshenHollow", "SourHollow", "GloomHollow", "DuskHollow", "GrimHollow",
    "BirchGrove",  "CedarGrove", "ElmGrove",    "AshGrove",   "YewGrove",
    "MarchLand",   "Grotto",     "Burrows",     "SteepGap",   "Rubble",
    "Scarp",       "Tor",        "ThickGrove",  "Shelves",    "Summit",
}};

// Tile bitmap files are named by the tile's token, the rotation in decimal
// and ".bmp": MarchLand3.bmp is tile 11 in rotation 3. The drawing reads them
// and the tile-art generator writes them.
inline constexpr std::string_view TileBitmapExtension = ".bmp";

// "MarchLand3": the name without its extension. Any rotation is written as
// it is (a map that was never made shows rotation 0).
std::string TileBitmapStem(int tile, int rotation);

// "MarchLand3.bmp".
std::string TileBitmapName(int tile, int rotation);

// Writes names, kinds, clearings and roads of tiles 1..20 (the placement
// fields, Flipped and clearing slot 0 are left alone).
void FillCatalogue(TMapState& state);

// Fills the six records of Characters.
void FillCharacters(TMapState& state);

} // namespace tavrin
