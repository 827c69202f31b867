// The map view on the largest picture (8192 x 8192): making the smooth copy
// for a scale, and one full repaint of a 1450 x 830 view at that scale, as
// the view paints it (from the copy once made, a quick scaling before, the
// part on screen scaled smoothly when enlarged). A pan repaints less than a
// full view. For comparison, a full repaint that scales smoothly from the
// picture each time, as the view would without its copy. Qt spreads
// smooth scaling over threads, so the times are wall-clock. Not run by CTest;
// run build/bin/view_bench (it uses the offscreen platform unless told
// otherwise).

#include "map_state.h"
#include "map_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int PictureSide = 8192;
const QSize ViewSize(1450, 830);

// Tile-like content, so scaling has detail to average: bands of colour
// with a pattern that changes every few pixels.
const QImage& BigPicture() {
    static const QImage picture = [] {
        QImage image(PictureSide, PictureSide, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb((x / 7 * 37) & 255, (y / 5 * 53) & 255, ((x ^ y) * 11) & 255);
        }
        return image;
    }();
    return picture;
}

// A view showing the big picture at `percent` (0: fitted), with its smooth
// copy made if it takes one.
std::unique_ptr<TMapView> ViewAt(int percent) {
    static tavrin::TMapState state;
    auto view = std::make_unique<TMapView>();
    view->resize(ViewSize);
    view->SetZoomMode(percent == 0 ? tavrin::FitZoom : tavrin::TZoomMode{false, percent});
    view->SetMap(BigPicture(), state);
    view->show();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return view;
}

void BM_MakeSmoothCopy(benchmark::State& bench) {
    const double scale = bench.range(0) / 100.0;
    const QSize size(qRound(PictureSide * scale), qRound(PictureSide * scale));
    BigPicture();
    for (auto _ : bench)
        benchmark::DoNotOptimize(
            BigPicture().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
BENCHMARK(BM_MakeSmoothCopy)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime();

// Arg 0: fitted (about 10%).
void BM_RepaintView(benchmark::State& bench) {
    auto view = ViewAt(static_cast<int>(bench.range(0)));
    QImage target(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        view->viewport()->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    bench.counters["scale%"] = view->Scale() * 100;
}
BENCHMARK(BM_RepaintView)
    ->Arg(0)
    ->Arg(50)
    ->Arg(100)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_RepaintScalingSmoothlyEachTime(benchmark::State& bench) {
    const double scale = bench.range(0) / 100.0;
    QImage target(ViewSize, QImage::Format_ARGB32_Premultiplied);
    BigPicture();
    for (auto _ : bench) {
        QPainter painter(&target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
        const QRectF source(0, 0, ViewSize.width() / scale, ViewSize.height() / scale);
        painter.drawImage(source, BigPicture(), source);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_RepaintScalingSmoothlyEachTime)
    ->Arg(10)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
