#include "sheet.h"

#include "errors.h"
#include "executable_folder.h"
#include "fonts_ready.h"
#include "map_picture.h"
#include "picture_export.h"
#include "picture_file.h"
#include "render.h"
#include "session.h"
#include "setup_sheet.h"

#include <optional>
#include <ostream>

namespace tavrin::cli {
std::vector<std::string> SheetOptions() {
    return {"--map", "--file", "--out", "--tiles"};
}

int Sheet(const TArguments& args, std::ostream& err, TMapLoader loadMap) {
    if (!args.Positional().empty())
        throw ETavrinError("sheet takes no word '" + args.Positional().front() + "'");
    const auto outPath = args.Option("--out");
    if (!outPath)
        throw ETavrinError("--out FILE.pdf is required");
    const std::string& path = *outPath;
    if (PictureFormatForPath(path) != TPictureFormat::Pdf)
        throw ETavrinError("--out must name a .pdf file");

    TSession session(err);
    TMapState& state = *session.state;
    if (!loadMap(state, args))
        return RefusedMapStatus;

    const TFontsReady fonts;
    TMapPicture picture(state);
    picture.SetTileFolder(args.Option("--tiles").value_or(DefaultTileFolder()));
    picture.DrawMap();
    const QByteArray pdf = SetupSheetPdf(picture.Image(), SheetText(state, QString()));
    SavePictureBytes(path, pdf);
    return 0;
}

} // namespace tavrin::cli
