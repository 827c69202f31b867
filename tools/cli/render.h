#pragma once
// tavrin-cli render: draws a map exactly as the window does, with the same
// drawing code and the same tile bitmaps, and writes it as a picture file.

#include "colour_palette.h"
#include "location.h"
#include "map_art.h"
#include "map_state.h"

#include <optional>
#include <string>

namespace tavrin::cli {

// Every name here is bytes, passed to the system exactly as given.

// Where the tile bitmaps lie when --tiles is not given: beside tavrin-cli,
// or in the installed data folder (see TileFolderFor).
std::string DefaultTileFolder();

// True for a name ending in an extension render writes (.bmp, .png, .jpg or
// .jpeg, .svg, .pdf), in any case.
bool IsPictureName(const std::string& path);

// The one line that refuses any other name.
inline constexpr const char* PictureNameText =
    "--out must name a .bmp, .png, .jpg, .svg or .pdf file";

// What --tiles chose: "art" draws the program's own tile art as vectors,
// "bitmaps" the tile bitmaps beside tavrin-cli, and any other value names a
// folder of tile bitmaps (write ./art for a folder called art).
struct TTileChoice {
    TTileLook Look = TTileLook::Art;
    std::string Folder;
};
// An empty value is refused with EmptyTilesText.
TTileChoice ParseTiles(const std::optional<std::string>& value);
inline constexpr const char* EmptyTilesText = "--tiles must be art, bitmaps or a folder's name";

// What --palette chose: "standard" (also when not given) or "colour-blind";
// any other value is refused with PaletteText.
TPalette ParsePalette(const std::optional<std::string>& value);
inline constexpr const char* PaletteText = "--palette must be standard or colour-blind";

// Draws the tiles of `state` with the bitmaps of the chosen folder and saves
// the map to `outPath` in the format its extension names (".bmp": 24-bit
// Windows bitmap, byte for byte as Save Map as .bmp writes it; .svg and .pdf
// with the tile art as vectors unless bitmaps were chosen). The file is
// encoded in memory and saved through the file layer. Missing bitmaps are
// reported through the state's messages and the drawing goes on; errors
// raise.
//
// The marks are drawn on the picture of the tile bitmaps as the window draws
// them over the map: with `CutOff` a cross in a ring on each clearing no road
// joins to the start; with `Route` the answer to the query from its first
// clearing to its second, the route traced and ringed or both ends marked as
// not joined. `Palette` colours the art and the marks; a .bmp file and the
// tile bitmaps keep their own colours.
struct TRouteQuery {
    TLocation From;
    TLocation To;
};
struct TRenderMarks {
    bool CutOff = false;
    std::optional<TRouteQuery> Route;
    TPalette Palette = TPalette::Standard;
};
void RenderMap(TMapState& state, const TTileChoice& tiles, const std::string& outPath,
               const TRenderMarks& marks = {});

} // namespace tavrin::cli
