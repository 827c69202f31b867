#include "render.h"

#include "errors.h"
#include "executable_folder.h"
#include "fonts_ready.h"
#include "map_picture.h"
#include "map_places.h"
#include "map_string.h"
#include "picture_export.h"
#include "route_marks.h"
#include "route_search.h"
#include "share_code.h"
#include "tile_folder.h"

namespace tavrin::cli {

std::string DefaultTileFolder() {
    return TileFolderFor(ExecutableFolder());
}

bool IsPictureName(const std::string& path) {
    return PictureFormatForPath(path).has_value();
}

void RenderMap(TMapState& state, const std::string& tileFolder, const std::string& outPath,
               std::optional<TRouteQuery> route) {
    const auto format = PictureFormatForPath(outPath);
    if (!format)
        throw ETavrinError(PictureNameText);
    TMapPicture picture(state);
    picture.SetTileFolder(tileFolder);
    picture.DrawMap();
    // The code of the map as read, so that the picture names the map it shows.
    const TPictureMetadata metadata{QString::fromStdString(ShareCode(MakeMapString(state))), {}};
    if (!route) {
        ExportPicture(outPath, picture.Image(), *format, metadata);
        return;
    }
    TRoute found{};
    FindShortestPath(state, route->From, route->To, found);
    const TFontsReady fonts;
    QImage marked = picture.Image().convertToFormat(QImage::Format_RGB32);
    DrawRouteMarks(marked,
                   RouteAnswerMarks(state, MapPlaces(state), route->From, route->To, found));
    ExportPicture(outPath, marked, *format, metadata);
}

} // namespace tavrin::cli
