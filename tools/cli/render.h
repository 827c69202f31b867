#pragma once
// tavrin-cli render: draws a map exactly as the window does, with the same
// drawing code and the same tile bitmaps, and writes it as a picture file.

#include "arguments.h"
#include "map_state.h"

#include <string>

namespace tavrin::cli {

// The folder of the running executable, where the tile bitmaps lie.
std::string ExecutableFolder();

// Draws the tiles of `state` with the bitmaps of `tileFolder` and writes the
// picture to `outPath` (".bmp": 24-bit Windows bitmap, as Save Map as .bmp
// writes it; ".png"). Missing bitmaps are reported through the state's
// messages and the drawing goes on; errors raise.
void RenderMap(TMapState& state, const std::string& tileFolder, const std::string& outPath);

} // namespace tavrin::cli
