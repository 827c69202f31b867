#include "bmp_file.h"

#include "file_save.h"

#include <QBuffer>
#include <QImageWriter>
#include <new>
#include <string_view>

namespace tavrin {

QByteArray EncodeBmp24(QImage image, int dotsPerMetre) {
    // Qt writes true-colour images with 24 bits a pixel and a 40-byte header;
    // other formats (indexed, mono) it would keep, so they are converted.
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    // Writing into memory fails only when the image or its bytes cannot be
    // held.
    if (image.isNull() || !writer.write(image))
        throw std::bad_alloc();
    return buffer.data();
}

void SaveBmpFile(const std::string& path, const QImage& image) {
    const QByteArray bytes = EncodeBmp24(image, PictureDotsPerMetre);
    SaveFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace tavrin
