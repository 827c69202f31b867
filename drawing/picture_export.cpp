#include "picture_export.h"

#include "bmp_file.h"
#include "pdf_subject.h"
#include "picture_file.h"
#include "setup_sheet.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
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

QString Title(const TPictureMetadata& metadata) {
    QString title = QStringLiteral("Tavrin map");
    if (!metadata.Code.isEmpty())
        title += QLatin1Char(' ') + metadata.Code;
    return title;
}

// The naming and the link; without either, who drew the picture.
QString Subject(const TPictureMetadata& metadata) {
    QStringList parts;
    if (!metadata.Seed.isEmpty())
        parts << metadata.Seed;
    if (!metadata.Code.isEmpty())
        parts << QStringLiteral("tavrin:") + metadata.Code;
    return parts.isEmpty() ? QStringLiteral("Drawn by Tavrin Map Generator")
                           : parts.join(QStringLiteral("; "));
}

QByteArray Raster(const QImage& picture, TPictureFormat format, const TPictureMetadata& metadata) {
    if (format == TPictureFormat::Bmp)
        return EncodeBmp24(picture, PictureDotsPerMetre);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // The resolution the bitmap declares, so that viewers size both alike.
    QImage declared = picture;
    declared.setDotsPerMeterX(PictureDotsPerMetre);
    declared.setDotsPerMeterY(PictureDotsPerMetre);
    declared.setText(QStringLiteral("Title"), Title(metadata));
    if (!metadata.Code.isEmpty())
        declared.setText(QStringLiteral("MapCode"), metadata.Code);
    if (!metadata.Seed.isEmpty())
        declared.setText(QStringLiteral("Seed"), metadata.Seed);
    QImageWriter writer(&buffer, format == TPictureFormat::Png ? "png" : "jpeg");
    if (format == TPictureFormat::Jpeg)
        writer.setQuality(JpegQuality);
    if (!writer.write(declared))
        throw EPictureNotEncoded(format);
    return buffer.data();
}

// SVG: a canvas of the map's size at PictureDpi, the map painted in
// picture pixels.
QByteArray Svg(QSizeF size, const TMapPainting& paint, const TPictureMetadata& metadata) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(PictureDpi);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(Title(metadata));
    svg.setDescription(Subject(metadata));
    QPainter painter(&svg);
    paint(painter);
    if (!painter.end())
        throw EPictureNotEncoded(TPictureFormat::Svg);
    return buffer.data();
}

// PDF: one page of standard paper, turned to suit the map, with the map as
// large as the margins allow and centred.
QByteArray Pdf(QSizeF size, const TMapPainting& paint, const TPictureMetadata& metadata) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Tavrin Map Generator"));
    pdf.setTitle(Title(metadata));
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
    return WithPdfSubject(buffer.data(), Subject(metadata));
}

QByteArray Drawing(QSizeF size, TPictureFormat format, const TMapPainting& paint,
                   const TPictureMetadata& metadata) {
    return format == TPictureFormat::Svg ? Svg(size, paint, metadata) : Pdf(size, paint, metadata);
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

std::optional<TPictureFormat> PictureFormatForPath(std::string_view path) {
    // Only ASCII letters fold, so a byte of another encoding never matches.
    const auto endsWith = [path](std::string_view extension) {
        if (path.size() < extension.size())
            return false;
        const std::string_view tail = path.substr(path.size() - extension.size());
        for (std::size_t i = 0; i < tail.size(); ++i) {
            const char c = tail[i];
            if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != extension[i])
                return false;
        }
        return true;
    };
    if (endsWith(".jpeg"))
        return TPictureFormat::Jpeg;
    for (const TFormatInfo& info : Formats)
        if (endsWith(info.Extension))
            return info.Format;
    return std::nullopt;
}

TPictureFormat ExportFormat(std::string_view name, TPictureFormat chosen) {
    return PictureFormatForPath(name).value_or(chosen);
}

QByteArray EncodePicture(const QImage& picture, TPictureFormat format,
                         const TPictureMetadata& metadata) {
    if (picture.isNull())
        throw EPictureNotEncoded(format);
    if (!IsDrawing(format))
        return Raster(picture, format, metadata);
    return Drawing(
        QSizeF(picture.size()), format,
        [&picture](QPainter& painter) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QPointF(0, 0), picture);
        },
        metadata);
}

QImage PictureInPalette(const TMapState& state, const QImage& picture, TPalette palette) {
    if (palette == TPalette::Standard || picture.isNull())
        return picture;
    QImage art(picture.size(), QImage::Format_RGB32);
    art.fill(Qt::white);
    QPainter painter(&art);
    PaintMap(painter, state, TTileLook::Art, picture, palette);
    return art;
}

QByteArray EncodeMap(const TMapState& state, const QImage& picture, TPictureFormat format,
                     TTileLook look, const TPictureMetadata& metadata, TPalette palette) {
    if (format == TPictureFormat::Bmp || look == TTileLook::Bitmaps)
        return EncodePicture(picture, format, metadata);
    if (!IsDrawing(format))
        return EncodePicture(PictureInPalette(state, picture, palette), format, metadata);
    return Drawing(
        MapBoxSize(state), format,
        [&](QPainter& painter) { PaintMap(painter, state, TTileLook::Art, picture, palette); },
        metadata);
}

void ExportPicture(const std::string& path, const QImage& picture, TPictureFormat format,
                   const TPictureMetadata& metadata) {
    SavePictureBytes(path, EncodePicture(picture, format, metadata));
}

void ExportMap(const std::string& path, const TMapState& state, const QImage& picture,
               TPictureFormat format, TTileLook look, const TPictureMetadata& metadata,
               TPalette palette) {
    SavePictureBytes(path, EncodeMap(state, picture, format, look, metadata, palette));
}

} // namespace tavrin
