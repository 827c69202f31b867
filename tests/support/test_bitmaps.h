#pragma once
// Small tile bitmaps for the tests, written straight with Qt's BMP writer
// (not through the file layer), for the program to read as tile files.

#include <QColor>
#include <QImage>
#include <QString>

// A w × h bitmap of `fill` whose bottom-left pixel, and with it every pixel
// of the key colour, has the colour `key`.
inline QImage TileImage(int w, int h, QColor fill, QColor key) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    image.setPixelColor(0, h - 1, key);
    return image;
}

inline bool WriteTile(const QString& path, const QImage& image) {
    return image.save(path, "BMP");
}
