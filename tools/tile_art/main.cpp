// tavrin-tile-art OUTDIR: writes the 120 tile bitmaps (20 tiles, rotations
// 1..6) into OUTDIR, which must exist. Exits with 0 only when every file has
// been written in full; any failure is reported on stderr and gives 1.

#include "bmp_writer.h"
#include "tile_file_name.h"
#include "tile_painter.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map_state.h>
#include <memory>

namespace {

// Writes to a temporary name and renames it, so a failed run never leaves a
// truncated bitmap behind under a name the program would load.
bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path partial = path;
    partial += ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            return false;
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    return !error;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argc > 0 ? argv[0] : "tavrin-tile-art");
        return 2;
    }
    // Text needs a platform plugin; none of them may need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const std::filesystem::path outDir(argv[1]);
    try {
        auto state = std::make_unique<tavrin::TMapState>();
        tavrin::InitTiles(*state, 1); // the seed does not enter the catalogue
        using namespace tavrin::tileart;
        for (int tile = 1; tile <= tavrin::TileCount; ++tile) {
            for (int rotation = 1; rotation <= RotationCount; ++rotation) {
                const QImage image = RenderTile(*state, tile, rotation);
                const auto bytes = EncodeBmp24(image.width(), image.height(), ImagePixels(image));
                const std::filesystem::path path = outDir / TileFileName(tile, rotation);
                if (!WriteFile(path, bytes)) {
                    std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
                    return 1;
                }
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tile art failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
