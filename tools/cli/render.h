#pragma once
// tavrin-cli render: draws a map exactly as the window does, with the same
// drawing code and the same tile bitmaps, and writes it as a picture file.

#include "location.h"
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

// Draws the tiles of `state` with the bitmaps of `tileFolder` and saves the
// picture to `outPath` in the format its extension names (".bmp": 24-bit
// Windows bitmap, byte for byte as Save Map as .bmp writes it). The picture
// is encoded in memory and saved through the file layer. Missing bitmaps are
// reported through the state's messages and the drawing goes on; errors
// raise.
//
// With `route`, the answer to the query from its first clearing to its second
// is drawn on the picture as the window draws it over the map: the route
// traced and ringed, or both ends marked as not joined.
struct TRouteQuery {
    TLocation From;
    TLocation To;
};
void RenderMap(TMapState& state, const std::string& tileFolder, const std::string& outPath,
               std::optional<TRouteQuery> route = std::nullopt);

} // namespace tavrin::cli
