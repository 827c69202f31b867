#include "picture_export.h"

#include "bmp_file.h"
#include "picture_file.h"
#include "setup_sheet.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <functional>

namespace tavrin {
namespace {

struct TFormatInfo {
    TPictureFormat Format;
    const char* Extension;
    const char* Name; // as the user knows the format
};

// clang-format off
constexpr std::array<TFormatInfo, 5> Formats{{
    {TPictureFormat::Bmp,  ".bmp", "BMP"},
    {TPictureFormat::Png,  ".png", "PNG"},
    {TPictureFormat::Jpeg, ".jpg", "JPEG"},
    {TPictureFormat::Svg,  ".svg", "SVG"},
    {TPictureFormat::Pdf,  ".pdf", "PDF"},
}};
// clang-format on

const TFormatInfo& Info(TPictureFormat format) {
    return Formats[static_cast<std::size_t>(format)];
}

constexpr int JpegQuality = 90;

// Paints the map in picture pixels.
using TMapPainting = std::function<void(QPainter&)>;

QByteArray Raster(const QImage& picture, TPictureFormat format) {
    if (format == TPictureFormat::Bmp)
        return EncodeBmp24(picture, PictureDotsPerMetre);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // The resolution the bitmap declares, so that viewers size both alike.
    QImage declared = picture;
    declared.setDotsPerMeterX(PictureDotsPerMetre);
    declared.setDotsPerMeterY(PictureDotsPerMetre);
    QImageWriter writer(&buffer, format == TPictureFormat::Png ? "png" : "jpeg");
    if (format == TPictureFormat::Jpeg)
        writer.setQuality(JpegQuality);
    if (!writer.write(declared))
        throw EPictureNotEncoded(format);
    return buffer.data();
}

// SVG: a canvas of the map's size at PictureDpi, the map painted in
// picture pixels.
QByteArray Svg(QSizeF size, const TMapPainting& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(PictureDpi);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(QStringLiteral("Tavrin map"));
    svg.setDescription(QStringLiteral("Drawn by Tavrin Map Generator"));
    QPainter painter(&svg);
    paint(painter);
    if (!painter.end())
        throw EPictureNotEncoded(TPictureFormat::Svg);
    return buffer.data();
}

// PDF: one page of standard paper, turned to suit the map, with the map as
// large as the margins allow and centred.
QByteArray Pdf(QSizeF size, const TMapPainting& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Tavrin Map Generator"));
    pdf.setTitle(QStringLiteral("Tavrin map"));
    QPageLayout page = SheetPageLayout();
    page.setOrientation(size.width() > size.height() ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);
    pdf.setPageLayout(page);
    QPainter painter(&pdf);
    if (!painter.isActive())
        throw EPictureNotEncoded(TPictureFormat::Pdf);
    const QSizeF area = QSizeF(pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
    const qreal scale = std::min(area.width() / size.width(), area.height() / size.height());
    painter.translate((area.width() - size.width() * scale) / 2,
                      (area.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    paint(painter);
    if (!painter.end())
        throw EPictureNotEncoded(TPictureFormat::Pdf);
    return buffer.data();
}

QByteArray Drawing(QSizeF size, TPictureFormat format, const TMapPainting& paint) {
    return format == TPictureFormat::Svg ? Svg(size, paint) : Pdf(size, paint);
}

bool IsDrawing(TPictureFormat format) {
    return format == TPictureFormat::Svg || format == TPictureFormat::Pdf;
}

} // namespace

EPictureNotEncoded::EPictureNotEncoded(TPictureFormat format)
    : ETavrinError(std::string("The picture could not be written as ") + Info(format).Name) {}

QString PictureExtension(TPictureFormat format) {
    return QString::fromLatin1(Info(format).Extension);
}

std::optional<TPictureFormat> PictureFormatForPath(const QString& path) {
    if (path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive))
        return TPictureFormat::Jpeg;
    for (const TFormatInfo& info : Formats)
        if (path.endsWith(QLatin1String(info.Extension), Qt::CaseInsensitive))
            return info.Format;
    return std::nullopt;
}

TPictureFormat ExportFormat(const QString& name, TPictureFormat chosen) {
    return PictureFormatForPath(name).value_or(chosen);
}

QByteArray EncodePicture(const QImage& picture, TPictureFormat format) {
    if (picture.isNull())
        throw EPictureNotEncoded(format);
    if (!IsDrawing(format))
        return Raster(picture, format);
    return Drawing(QSizeF(picture.size()), format, [&picture](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPointF(0, 0), picture);
    });
}

QByteArray EncodeMap(const TMapState& state, const QImage& picture, TPictureFormat format,
                     TTileLook look) {
    if (!IsDrawing(format) || look == TTileLook::Bitmaps)
        return EncodePicture(picture, format);
    return Drawing(MapBoxSize(state), format,
                   [&](QPainter& painter) { PaintMap(painter, state, TTileLook::Art, picture); });
}

void ExportPicture(const QString& path, const QImage& picture, TPictureFormat format) {
    SavePictureBytes(path, EncodePicture(picture, format));
}

void ExportMap(const QString& path, const TMapState& state, const QImage& picture,
               TPictureFormat format, TTileLook look) {
    SavePictureBytes(path, EncodeMap(state, picture, format, look));
}

} // namespace tavrin
