#include "sheet.h"

#include "errors.h"
#include "executable_folder.h"
#include "fonts_ready.h"
#include "map_link.h"
#include "map_picture.h"
#include "picture_export.h"
#include "picture_file.h"
#include "render.h"
#include "session.h"
#include "setup_sheet.h"

#include <optional>
#include <ostream>

namespace tavrin::cli {
namespace {

// The paper --paper names, in any case; the locale's when none is given.
QPageSize Paper(const std::optional<std::string>& name) {
    if (!name)
        return DefaultPaper();
    const QString word = QString::fromStdString(*name).toLower();
    if (word == QLatin1String("a4"))
        return QPageSize(QPageSize::A4);
    if (word == QLatin1String("letter"))
        return QPageSize(QPageSize::Letter);
    if (word == QLatin1String("a3"))
        return QPageSize(QPageSize::A3);
    throw ETavrinError("--paper must be A4, Letter or A3");
}

} // namespace

std::vector<std::string> SheetOptions() {
    return {"--map",     "--file",  "--out",       "--tiles",
            "--palette", "--paper", "--tile-size", "--web-address"};
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

    const QPageSize paper = Paper(args.Option("--paper"));
    TSheetOptions options;
    const TTileChoice tiles = ParseTiles(args.Option("--tiles"));
    options.Look = tiles.Look;
    options.Palette = ParsePalette(args.Option("--palette"));
    if (const auto size = args.Option("--tile-size"))
        options.TileMillimetres = static_cast<double>(
            ParseNumber(*size, MinTileMillimetres, MaxTileMillimetres, "--tile-size"));

    TSession session(err);
    TMapState& state = *session.state;
    if (!loadMap(session, args))
        return RefusedMapStatus;

    const TFontsReady fonts;
    TMapPicture picture(state);
    picture.SetTileFolder(tiles.Folder);
    picture.DrawMap();
    const QString address = QString::fromStdString(
        args.Option("--web-address").value_or(std::string(DefaultWebAddress())));
    const QByteArray pdf = SetupSheetPdf(
        state, picture.Image(),
        SheetWordsToday(state, QString::fromStdString(session.core.SeedText()), address), options,
        SheetPageLayout(paper));
    SavePictureBytes(path, pdf);
    return 0;
}

} // namespace tavrin::cli
