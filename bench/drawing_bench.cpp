// Create Map followed by the drawing, with the tile bitmaps the build renders
// into the program's folder: what Ctrl+M costs. Once with the decoded tiles
// kept between drawings (as the window does) and once reading and decoding
// all 20 tile files every time. Not run by CTest; run build/bin/drawing_bench.

#include "acceptance.h"
#include "map_picture.h"
#include "map_state.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <memory>

using namespace tavrin;

namespace {

std::unique_ptr<TMapState> FreshState(std::uint32_t seed) {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, seed);
    return state;
}

const std::string TileFolder = TILE_DIR;

void BM_CreateMapAndDraw(benchmark::State& bench) {
    auto state = FreshState(1);
    TMapPicture picture(*state);
    picture.SetTileFolder(TileFolder);
    for (auto _ : bench) {
        CreateMap(*state);
        picture.DrawMap();
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
}
BENCHMARK(BM_CreateMapAndDraw)->Unit(benchmark::kMillisecond);

void BM_CreateMapAndDrawReadingEveryTile(benchmark::State& bench) {
    auto state = FreshState(1);
    for (auto _ : bench) {
        CreateMap(*state);
        TMapPicture picture(*state); // nothing kept from an earlier drawing
        picture.SetTileFolder(TileFolder);
        picture.DrawMap();
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
}
BENCHMARK(BM_CreateMapAndDrawReadingEveryTile)->Unit(benchmark::kMillisecond);

// The drawing alone, the same map every time.
void BM_DrawMap(benchmark::State& bench) {
    auto state = FreshState(2);
    CreateMap(*state);
    TMapPicture picture(*state);
    picture.SetTileFolder(TileFolder);
    for (auto _ : bench) {
        picture.DrawMap();
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
}
BENCHMARK(BM_DrawMap)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
