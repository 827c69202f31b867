#include "render.h"

#include "errors.h"
#include "fonts_ready.h"
#include "map_picture.h"
#include "map_places.h"
#include "picture_export.h"
#include "route_marks.h"
#include "route_search.h"

#include <QFile>
#include <QString>
#include <cctype>
#include <filesystem>
#include <new>
#include <string_view>

namespace tavrin::cli {

std::string ExecutableFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

bool IsPictureName(const std::string& path) {
    return PictureFormatForPath(QFile::decodeName(path.c_str())).has_value();
}

TTileChoice ParseTiles(const std::optional<std::string>& value) {
    if (!value || *value == "art")
        return {TTileLook::Art, ExecutableFolder()};
    if (*value == "bitmaps")
        return {TTileLook::Bitmaps, ExecutableFolder()};
    return {TTileLook::Bitmaps, *value};
}

void RenderMap(TMapState& state, const TTileChoice& tiles, const std::string& outPath,
               std::optional<TRouteQuery> route) {
    const QString path = QFile::decodeName(outPath.c_str());
    const auto format = PictureFormatForPath(path);
    if (!format)
        throw ETavrinError(PictureNameText);
    TMapPicture picture(state);
    picture.SetTileFolder(QFile::decodeName(tiles.Folder.c_str()));
    picture.DrawMap();
    // The tile art needs fonts for its names and numbers.
    const TFontsReady fonts;
    if (!route) {
        ExportMap(path, state, picture.Image(), *format, tiles.Look);
        return;
    }
    // The route's marks are drawn on the picture of the tile bitmaps.
    TRoute found{};
    FindShortestPath(state, route->From, route->To, found);
    QImage marked = picture.Image().convertToFormat(QImage::Format_RGB32);
    DrawRouteMarks(marked,
                   RouteAnswerMarks(state, MapPlaces(state), route->From, route->To, found));
    ExportPicture(path, marked, *format);
}

} // namespace tavrin::cli
