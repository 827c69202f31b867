#include "tile_folder.h"

#include "catalogue.h"

#include <filesystem>
#include <system_error>

namespace tavrin {

std::string TileFolderFor(const std::string& programFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path beside(programFolder);
    if (fs::exists(beside / (TileBitmapStem(1, 1) + ".bmp"), error))
        return programFolder;
    const fs::path installed = (beside / InstalledTileFolder).lexically_normal();
    if (fs::is_directory(installed, error))
        return installed.string();
    return programFolder;
}

} // namespace tavrin
