// Looks at a rectangle of the X screen and prints how many distinct colours it
// holds and how many of its pixels are white: "colours=N white=M total=T".
// Usage: screen_probe X Y WIDTH HEIGHT [out.png]

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <set>

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
    for (int row = 0; row < image.height(); ++row)
        for (int col = 0; col < image.width(); ++col) {
            const QRgb c = image.pixel(col, row) & 0xffffff;
            colours.insert(c);
            white += c == 0xffffff;
        }
    std::printf("colours=%zu white=%ld total=%lld\n", colours.size(), white,
                static_cast<long long>(image.width()) * image.height());
    return 0;
}
