// Looks at a rectangle of the X screen and prints how many distinct colours it
// holds, how many of its pixels are white, and the box (relative to the
// rectangle) that holds the map's pixels: "colours=N white=M total=T
// box=X,Y,W,H". Map pixels are those darker or more colourful than white,
// the window's light grey and the clearings' pale fill; only rows and columns
// with a few of them count, so a stray pixel does not widen the box.
// Usage: screen_probe X Y WIDTH HEIGHT [out.png]

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: screen_probe X Y WIDTH HEIGHT [out.png]\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "screen_probe: no screen\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const int w = std::atoi(argv[3]), h = std::atoi(argv[4]);
    const QImage image =
        screen->grabWindow(0, x, y, w, h).toImage().convertToFormat(QImage::Format_RGB32);
    if (argc > 5)
        image.save(QString::fromLocal8Bit(argv[5]));
    std::set<QRgb> colours;
    long white = 0;
    std::vector<int> mapInRow(static_cast<std::size_t>(image.height()));
    std::vector<int> mapInColumn(static_cast<std::size_t>(image.width()));
    for (int row = 0; row < image.height(); ++row)
        for (int col = 0; col < image.width(); ++col) {
            const QRgb c = image.pixel(col, row) & 0xffffff;
            colours.insert(c);
            white += c == 0xffffff;
            const int chroma =
                std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
            if (qGray(c) < 215 || chroma > 40) {
                ++mapInRow[static_cast<std::size_t>(row)];
                ++mapInColumn[static_cast<std::size_t>(col)];
            }
        }
    const auto span = [](const std::vector<int>& counts) {
        constexpr int enough = 3;
        int first = -1, last = -1;
        for (int i = 0; i < static_cast<int>(counts.size()); ++i) {
            if (counts[static_cast<std::size_t>(i)] >= enough) {
                first = first < 0 ? i : first;
                last = i;
            }
        }
        return std::pair{first < 0 ? 0 : first, first < 0 ? 0 : last - first + 1};
    };
    const auto [boxX, boxW] = span(mapInColumn);
    const auto [boxY, boxH] = span(mapInRow);
    std::printf("colours=%zu white=%ld total=%lld box=%d,%d,%d,%d\n", colours.size(), white,
                static_cast<long long>(image.width()) * image.height(), boxX, boxY, boxW, boxH);
    return 0;
}
