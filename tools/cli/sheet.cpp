#include "sheet.h"

#include "errors.h"
#include "map_picture.h"
#include "picture_export.h"
#include "picture_file.h"
#include "render.h"
#include "session.h"
#include "setup_sheet.h"

#include <QGuiApplication>
#include <optional>
#include <ostream>

namespace tavrin::cli {
namespace {

// The sheet's text needs fonts, and fonts need a GUI application: one is
// made for the command when the process has none. tavrin-cli never shows a
// window, so it runs on the offscreen platform whether or not a display is
// there. Qt's own notes about its environment (no runtime folder, say) are
// kept off stderr, which carries the tool's messages alone.
class TFontsReady {
public:
    TFontsReady() {
        if (QCoreApplication::instance())
            return;
        Previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        App.emplace(Argc, Argv);
    }
    ~TFontsReady() {
        if (!App)
            return;
        App.reset();
        qInstallMessageHandler(Previous);
    }
    TFontsReady(const TFontsReady&) = delete;
    TFontsReady& operator=(const TFontsReady&) = delete;

private:
    static inline int Argc = 3;
    static inline char Name[] = "tavrin-cli";
    static inline char Option[] = "-platform";
    static inline char Platform[] = "offscreen";
    static inline char* Argv[] = {Name, Option, Platform, nullptr};
    std::optional<QGuiApplication> App;
    QtMessageHandler Previous = nullptr;
};

} // namespace

std::vector<std::string> SheetOptions() {
    return {"--map", "--file", "--out", "--tiles"};
}

int Sheet(const TArguments& args, std::ostream& err, TMapLoader loadMap) {
    if (!args.Positional().empty())
        throw ETavrinError("sheet takes no word '" + args.Positional().front() + "'");
    const auto outPath = args.Option("--out");
    if (!outPath)
        throw ETavrinError("--out FILE.pdf is required");
    const QString path = QString::fromStdString(*outPath);
    if (PictureFormatForPath(path) != TPictureFormat::Pdf)
        throw ETavrinError("--out must name a .pdf file");

    TSession session(err);
    TMapState& state = *session.state;
    if (!loadMap(state, args))
        return RefusedMapStatus;

    const TFontsReady fonts;
    TMapPicture picture(state);
    picture.SetTileFolder(
        QString::fromStdString(args.Option("--tiles").value_or(DefaultTileFolder())));
    picture.DrawMap();
    const QByteArray pdf = SetupSheetPdf(picture.Image(), SheetText(state, QString()));
    SavePictureBytes(path, pdf);
    return 0;
}

} // namespace tavrin::cli
