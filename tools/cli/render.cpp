#include "render.h"

#include "errors.h"
#include "map_picture.h"
#include "picture_export.h"

namespace tavrin::cli {

bool IsPictureName(const std::string& path) {
    return PictureFormatForPath(path).has_value();
}

void RenderMap(TMapState& state, const std::string& tileFolder, const std::string& outPath) {
    const auto format = PictureFormatForPath(outPath);
    if (!format)
        throw ETavrinError(PictureNameText);
    TMapPicture picture(state);
    picture.SetTileFolder(tileFolder);
    picture.DrawMap();
    ExportPicture(outPath, picture.Image(), *format);
}

} // namespace tavrin::cli
