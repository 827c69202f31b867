#include "render.h"

#include "errors.h"
#include "map_picture.h"
#include "picture_export.h"

#include <QString>
#include <filesystem>

namespace tavrin::cli {

std::string ExecutableFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

void RenderMap(TMapState& state, const std::string& tileFolder, const std::string& outPath) {
    const QString path = QString::fromStdString(outPath);
    const auto format = PictureFormatForPath(path);
    if (!format)
        throw EUsage("--out must name a .bmp, .png, .jpg, .svg or .pdf file");
    TMapPicture picture(state);
    picture.SetTileFolder(QString::fromStdString(tileFolder));
    picture.DrawMap();
    WithPath(outPath, [&] {
        ExportPicture(path, picture.Image(), *format);
        return 0;
    });
}

} // namespace tavrin::cli
