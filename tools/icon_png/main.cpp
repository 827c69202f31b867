// tavrin-icon-png SVG SIZE OUT.png: renders the program's icon at SIZE x SIZE
// pixels for the desktop's icon theme, which wants a bitmap in each of its
// fixed sizes beside the scalable one. Exit status 1 when the icon cannot be
// read or the bitmap cannot be written.

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: tavrin-icon-png SVG SIZE OUT.png\n");
        return 1;
    }
    const int side = QString::fromLocal8Bit(argv[2]).toInt();
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid() || side < 1 || side > 1024) {
        std::fprintf(stderr, "tavrin-icon-png: cannot render %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "tavrin-icon-png: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
