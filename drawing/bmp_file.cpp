#include "bmp_file.h"

#include "io_error.h"

#include <QFile>
#include <QSaveFile>
#include <cstdint>

namespace tavrin {
namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr std::uint32_t CompressRgb = 0;
constexpr std::uint32_t CompressRle8 = 1;
constexpr std::uint32_t CompressRle4 = 2;
constexpr std::uint32_t CompressBitfields = 3;

// The largest file a bitmap within MaxBitmapSide can need: 32 bits a pixel
// plus the largest headers and palette. Anything bigger is refused unread.
constexpr qint64 MaxBmpFileSize =
    qint64{MaxBitmapSide} * MaxBitmapSide * 4 + FileHeaderSize + 124 + 256 * 4 + 12;

// Little-endian fields of the headers; callers have checked the length.
std::uint32_t U16(const QByteArray& b, int at) {
    const auto lo = static_cast<std::uint8_t>(b[at]);
    const auto hi = static_cast<std::uint8_t>(b[at + 1]);
    return lo | static_cast<std::uint32_t>(hi) << 8;
}

std::uint32_t U32(const QByteArray& b, int at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

std::int32_t I32(const QByteArray& b, int at) {
    return static_cast<std::int32_t>(U32(b, at));
}

void Put16(QByteArray& b, std::uint32_t v) {
    b.append(static_cast<char>(v & 0xff));
    b.append(static_cast<char>(v >> 8 & 0xff));
}

void Put32(QByteArray& b, std::uint32_t v) {
    Put16(b, v & 0xffff);
    Put16(b, v >> 16);
}

qint64 RowBytes(qint64 width, qint64 bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

} // namespace

bool BmpHeaderValid(const QByteArray& bytes) {
    const qint64 size = bytes.size();
    if (size < FileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const qint64 pixelOffset = U32(bytes, 10);
    const qint64 infoSize = U32(bytes, 14);
    const bool core = infoSize == 12;
    if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 64 &&
        infoSize != 108 && infoSize != 124)
        return false;
    if (FileHeaderSize + infoSize > size)
        return false;

    qint64 width = 0, height = 0, planes = 0, bits = 0, colours = 0;
    std::uint32_t compression = CompressRgb;
    qint64 imageSize = 0;
    if (core) {
        width = U16(bytes, 18);
        height = U16(bytes, 20);
        planes = U16(bytes, 22);
        bits = U16(bytes, 24);
    } else {
        width = I32(bytes, 18);
        height = I32(bytes, 22);
        planes = U16(bytes, 26);
        bits = U16(bytes, 28);
        compression = U32(bytes, 30);
        imageSize = U32(bytes, 34);
        colours = U32(bytes, 46);
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width < 1 || width > MaxBitmapSide || height < 1 || height > MaxBitmapSide || planes != 1)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;

    // The palette of an indexed bitmap and the colour masks of a bitfield one
    // lie between the info header and the pixels.
    qint64 tables = 0;
    if (bits <= 8) {
        const qint64 full = qint64{1} << bits;
        if (colours > full)
            return false;
        tables = (colours == 0 ? full : colours) * (core ? 3 : 4);
    }
    if (compression == CompressBitfields && infoSize == 40)
        tables += 12;
    if (pixelOffset < FileHeaderSize + infoSize || pixelOffset > size ||
        FileHeaderSize + infoSize + tables > size)
        return false;

    const qint64 available = size - pixelOffset;
    switch (compression) {
    case CompressRgb:
        return RowBytes(width, bits) * height <= available;
    case CompressBitfields:
        return (bits == 16 || bits == 32) && RowBytes(width, bits) * height <= available;
    case CompressRle8:
    case CompressRle4:
        // Run-length pixels are stored bottom-up only, and their size is
        // declared in the header.
        return !topDown && bits == (compression == CompressRle8 ? 8 : 4) && imageSize > 0 &&
               imageSize <= available;
    default:
        return false;
    }
}

QImage DecodeBmp(const QByteArray& bytes) {
    if (!BmpHeaderValid(bytes))
        throw EInvalidBitmap();
    QImage image = QImage::fromData(bytes, "BMP");
    if (image.isNull())
        throw EInvalidBitmap();
    return image;
}

QImage ReadBmpFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ThrowInOutError(file, false);
    if (file.size() > MaxBmpFileSize)
        throw EInvalidBitmap();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        ThrowInOutError(file, false);
    return DecodeBmp(bytes);
}

bool WriteBmp24(QIODevice& device, const QImage& image) {
    if (image.isNull())
        return false;
    const QImage rgb =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    const qint64 width = rgb.width();
    const qint64 height = rgb.height();
    const qint64 rowBytes = RowBytes(width, 24);
    const qint64 pixelBytes = rowBytes * height;
    if (pixelBytes + FileHeaderSize + InfoHeaderSize > 0xffffffffLL)
        return false;

    QByteArray header;
    header.append("BM");
    Put32(header, static_cast<std::uint32_t>(FileHeaderSize + InfoHeaderSize + pixelBytes));
    Put32(header, 0);
    Put32(header, FileHeaderSize + InfoHeaderSize);
    Put32(header, InfoHeaderSize);
    Put32(header, static_cast<std::uint32_t>(width));
    Put32(header, static_cast<std::uint32_t>(height)); // positive: rows bottom-up
    Put16(header, 1);                                  // planes
    Put16(header, 24);                                 // bits per pixel
    Put32(header, CompressRgb);
    Put32(header, static_cast<std::uint32_t>(pixelBytes));
    Put32(header, 3780); // 96 pixels per inch, in pixels per metre
    Put32(header, 3780);
    Put32(header, 0); // no palette
    Put32(header, 0);
    if (device.write(header) != header.size())
        return false;

    QByteArray row(rowBytes, '\0');
    for (qint64 y = height - 1; y >= 0; --y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(y)));
        for (qint64 x = 0; x < width; ++x) {
            row[3 * x] = static_cast<char>(qBlue(pixels[x]));
            row[3 * x + 1] = static_cast<char>(qGreen(pixels[x]));
            row[3 * x + 2] = static_cast<char>(qRed(pixels[x]));
        }
        if (device.write(row) != row.size())
            return false;
    }
    return true;
}

void SaveBmpFile(const QString& path, const QImage& image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        ThrowInOutError(file, true);
    if (!WriteBmp24(file, image) || !file.commit())
        ThrowInOutError(file, true);
}

} // namespace tavrin
