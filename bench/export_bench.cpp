// What Export Picture and Print cost: encoding a drawn map picture in each
// format, the map as vector art in SVG and PDF, and painting the set-up sheet
// as a PDF. The map is drawn once from the tile bitmaps beside this program.
// Not run by CTest; run build/bin/export_bench.

#include "acceptance.h"
#include "map_picture.h"
#include "picture_export.h"
#include "setup_sheet.h"

#include <QGuiApplication>
#include <QPageSize>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

using namespace tavrin;

namespace {

// A map made from seed 7 and drawn as the window draws it.
struct TDrawnMap {
    std::unique_ptr<TMapState> State = std::make_unique<TMapState>();
    QImage Picture;

    TDrawnMap() {
        InitTiles(*State, 7);
        CreateMap(*State);
        TMapPicture picture(*State);
        picture.SetTileFolder(
            std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
        picture.DrawMap();
        Picture = picture.Image();
    }
};

const TDrawnMap& Map() {
    static const TDrawnMap map;
    return map;
}

void BM_EncodePicture(benchmark::State& bench) {
    const auto format = static_cast<TPictureFormat>(bench.range(0));
    std::int64_t bytes = 0;
    for (auto _ : bench)
        bytes = EncodePicture(Map().Picture, format).size();
    bench.counters["file_kB"] = static_cast<double>(bytes) / 1000;
}
BENCHMARK(BM_EncodePicture)
    ->ArgName("format(bmp,png,jpg,svg,pdf)")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond);

// The map alone with the tile art drawn as vectors.
void BM_EncodeMapArt(benchmark::State& bench) {
    const auto format = static_cast<TPictureFormat>(bench.range(0));
    std::int64_t bytes = 0;
    for (auto _ : bench)
        bytes = EncodeMap(*Map().State, Map().Picture, format, TTileLook::Art).size();
    bench.counters["file_kB"] = static_cast<double>(bytes) / 1000;
}
BENCHMARK(BM_EncodeMapArt)
    ->ArgName("format(svg,pdf)")
    ->Arg(static_cast<int>(TPictureFormat::Svg))
    ->Arg(static_cast<int>(TPictureFormat::Pdf))
    ->Unit(benchmark::kMillisecond);

// The sheet as tavrin-cli writes it, with the art or the bitmaps, on A3
// (one page: the map beside the table) and on A4 (the map on a page of its
// own, the table on a second).
void BM_SetupSheetPdf(benchmark::State& bench) {
    const TSheetWords text = SheetWordsToday(*Map().State, QString(), QString());
    TSheetOptions options;
    options.Look = bench.range(0) == 0 ? TTileLook::Art : TTileLook::Bitmaps;
    const QPageLayout page =
        SheetPageLayout(QPageSize(bench.range(1) == 3 ? QPageSize::A3 : QPageSize::A4));
    std::int64_t bytes = 0;
    for (auto _ : bench)
        bytes = SetupSheetPdf(*Map().State, Map().Picture, text, options, page).size();
    bench.counters["file_kB"] = static_cast<double>(bytes) / 1000;
}
BENCHMARK(BM_SetupSheetPdf)
    ->ArgNames({"look(art,bitmaps)", "paper(A3,A4)"})
    ->ArgsProduct({{0, 1}, {3, 4}})
    ->Unit(benchmark::kMillisecond);

} // namespace

// The sheet's fonts need a GUI application; no window is shown.
int main(int argc, char** argv) {
    int qtArgc = 3;
    char name[] = "export_bench", option[] = "-platform", platform[] = "offscreen";
    char* qtArgv[] = {name, option, platform, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
