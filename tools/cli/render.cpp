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

void RenderMap(TMapState& state, const std::string& tileFolder, const std::string& outPath,
               std::optional<TRouteQuery> route) {
    const QString path = QFile::decodeName(outPath.c_str());
    const auto format = PictureFormatForPath(path);
    if (!format)
        throw ETavrinError(PictureNameText);
    TMapPicture picture(state);
    picture.SetTileFolder(QFile::decodeName(tileFolder.c_str()));
    picture.DrawMap();
    if (!route) {
        ExportPicture(path, picture.Image(), *format);
        return;
    }
    TRoute found{};
    FindShortestPath(state, route->From, route->To, found);
    const TFontsReady fonts;
    QImage marked = picture.Image().convertToFormat(QImage::Format_RGB32);
    DrawRouteMarks(marked,
                   RouteAnswerMarks(state, MapPlaces(state), route->From, route->To, found));
    ExportPicture(path, marked, *format);
}

} // namespace tavrin::cli
