#include "picture_export.h"

#include "bmp_file.h"
#include "pdf_subject.h"
#include "picture_file.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QSvgGenerator>
#include <array>

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
constexpr qreal PointsPerInch = 72;

// The picture's size on paper at PictureDpi.
QSizeF SizeInPoints(const QImage& picture) {
    return QSizeF(picture.size()) * (PointsPerInch / PictureDpi);
}

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

QByteArray Svg(const QImage& picture, const TPictureMetadata& metadata) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(PictureDpi);
    svg.setSize(picture.size());
    svg.setViewBox(QRect(QPoint(0, 0), picture.size()));
    svg.setTitle(Title(metadata));
    svg.setDescription(Subject(metadata));
    QPainter painter(&svg);
    painter.drawImage(QPoint(0, 0), picture);
    if (!painter.end())
        throw EPictureNotEncoded(TPictureFormat::Svg);
    return buffer.data();
}

QByteArray Pdf(const QImage& picture, const TPictureMetadata& metadata) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Tavrin Map Generator"));
    pdf.setTitle(Title(metadata));
    pdf.setResolution(PictureDpi);
    // PDF pages are measured in whole points; the picture is drawn over the
    // whole page, so the fraction of a point lost to rounding stretches it by
    // less than a pixel instead of cutting it.
    pdf.setPageLayout(QPageLayout(
        QPageSize(SizeInPoints(picture), QPageSize::Point, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&pdf);
    if (!painter.isActive())
        throw EPictureNotEncoded(TPictureFormat::Pdf);
    const QSizeF page =
        QSizeF(pdf.pageLayout().fullRectPoints().size()) * (PictureDpi / PointsPerInch);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), page), picture);
    if (!painter.end())
        throw EPictureNotEncoded(TPictureFormat::Pdf);
    return WithPdfSubject(buffer.data(), Subject(metadata));
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
    switch (format) {
    case TPictureFormat::Svg:
        return Svg(picture, metadata);
    case TPictureFormat::Pdf:
        return Pdf(picture, metadata);
    default:
        return Raster(picture, format, metadata);
    }
}

void ExportPicture(const std::string& path, const QImage& picture, TPictureFormat format,
                   const TPictureMetadata& metadata) {
    SavePictureBytes(path, EncodePicture(picture, format, metadata));
}

} // namespace tavrin
