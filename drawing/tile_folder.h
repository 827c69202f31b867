#pragma once
// Where a program finds its tile bitmaps. A build keeps them beside the
// executables; an installed program keeps them in the shared data folder,
// ../share/tavrin-map-generator from the folder of its executable (so
// /usr/bin/tavrin-cli reads /usr/share/tavrin-map-generator/). Names are
// bytes, as the system keeps them.

#include <string>

namespace tavrin {

// The tile folder for a program whose executable lies in `programFolder`:
// that folder when it holds the first tile's bitmap, else the installed data
// folder when it exists, else `programFolder` again, so that the bitmaps a
// drawing misses are reported with paths beside the program.
std::string TileFolderFor(const std::string& programFolder);

// The installed data folder's path relative to the executable's folder.
inline constexpr const char* InstalledTileFolder = "../share/tavrin-map-generator";

} // namespace tavrin
