#include "render.h"

#include "errors.h"
#include "executable_folder.h"
#include "fonts_ready.h"
#include "map_figures.h"
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

TTileChoice ParseTiles(const std::optional<std::string>& value) {
    if (!value || *value == "art")
        return {TTileLook::Art, DefaultTileFolder()};
    if (*value == "bitmaps")
        return {TTileLook::Bitmaps, DefaultTileFolder()};
    // An empty name is no folder; taken as one it would be the working
    // folder's root, or worse.
    if (value->empty())
        throw ETavrinError(EmptyTilesText);
    return {TTileLook::Bitmaps, *value};
}

TPalette ParsePalette(const std::optional<std::string>& value) {
    if (!value)
        return TPalette::Standard;
    if (const auto palette = PaletteNamed(*value))
        return *palette;
    throw ETavrinError(PaletteText);
}

void RenderMap(TMapState& state, const TTileChoice& tiles, const std::string& outPath,
               const TRenderMarks& marks) {
    const auto format = PictureFormatForPath(outPath);
    if (!format)
        throw ETavrinError(PictureNameText);
    TMapPicture picture(state);
    picture.SetTileFolder(tiles.Folder);
    picture.DrawMap();
    // The code of the map as read, so that the picture names the map it shows.
    const TPictureMetadata metadata{QString::fromStdString(ShareCode(MakeMapString(state))), {}};
    // The tile art needs fonts for its names and numbers.
    const TFontsReady fonts;
    if (!marks.CutOff && !marks.Route) {
        ExportMap(outPath, state, picture.Image(), *format, tiles.Look, metadata, marks.Palette);
        return;
    }
    // The marks are drawn on the picture (of the tile bitmaps, or the art in
    // another palette), the route's over the cut-off clearings', as the
    // window paints them.
    const TMapPlaces places = MapPlaces(state);
    const bool art = tiles.Look == TTileLook::Art && *format != TPictureFormat::Bmp;
    QImage marked =
        (art ? PictureInPalette(state, picture.Image(), marks.Palette) : picture.Image())
            .convertToFormat(QImage::Format_RGB32);
    if (marks.CutOff)
        DrawCutOffMarks(marked, CutOffPoints(places, MeasureMap(state)), marks.Palette);
    if (const auto& route = marks.Route) {
        TRoute found{};
        FindShortestPath(state, route->From, route->To, found);
        DrawRouteMarks(marked, RouteAnswerMarks(state, places, route->From, route->To, found),
                       marks.Palette);
    }
    ExportPicture(outPath, marked, *format, metadata);
}

} // namespace tavrin::cli
