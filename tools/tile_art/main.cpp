// tavrin-tile-art [--svg] OUTDIR: writes the 120 tile bitmaps (20 tiles,
// rotations 1..6) into OUTDIR, which must exist; with --svg, the same tiles as
// SVG files (MarchLand3.svg) for the web page, and in OUTDIR/colour-blind/
// the same in the colour-blind palette. Exits with 0 only when every file has
// been written in full; any failure is reported on stderr and gives 1.

#include "colour_palette.h"
#include "file_save.h"
#include "tile_file.h"
#include "tile_file_name.h"
#include "tile_painter.h"

#include <QGuiApplication>
#include <catalogue.h>
#include <cstdio>
#include <exception>
#include <file_error.h>
#include <filesystem>
#include <map_state.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const bool svg = argc == 3 && std::string_view(argv[1]) == "--svg";
    if (argc != 2 && !svg) {
        std::fprintf(stderr, "usage: %s [--svg] OUTDIR\n", argc > 0 ? argv[0] : "tavrin-tile-art");
        return 2;
    }
    // Text needs a platform plugin; none of them may need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const std::string outDir(argv[argc - 1]);
    try {
        auto state = std::make_unique<tavrin::TMapState>();
        tavrin::InitTiles(*state, 1); // the seed does not enter the catalogue
        using namespace tavrin::tileart;
        using tavrin::TPalette;
        const auto palettes = svg ? std::vector{TPalette::Standard, TPalette::ColourBlind}
                                  : std::vector{TPalette::Standard};
        for (const TPalette palette : palettes) {
            std::string folder = outDir;
            if (palette != TPalette::Standard) {
                folder += "/" + std::string(tavrin::PaletteName(palette));
                std::filesystem::create_directories(folder);
            }
            for (int tile = 1; tile <= tavrin::TileCount; ++tile) {
                for (int rotation = 1; rotation <= RotationCount; ++rotation) {
                    // Each file is replaced whole or not at all, so a failed
                    // run never leaves a truncated bitmap under a name the
                    // program would load.
                    const QByteArray bytes =
                        svg ? RenderTileSvg(*state, tile, rotation, palette)
                            : TileFileBytes(RenderTile(*state, tile, rotation));
                    const std::string name = svg ? tavrin::TileBitmapStem(tile, rotation) + ".svg"
                                                 : TileFileName(tile, rotation);
                    tavrin::SaveFile(folder + "/" + name,
                                     std::string_view(bytes.constData(),
                                                      static_cast<std::size_t>(bytes.size())));
                }
            }
        }
    } catch (const tavrin::EFileError& e) {
        std::fprintf(stderr, "cannot write %s: %s\n", e.Path().c_str(), e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tile art failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
