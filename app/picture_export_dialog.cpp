#include "picture_export_dialog.h"

#include <QCoreApplication>
#include <array>

namespace {

using tavrin::TPictureFormat;
using tavrin::TTileLook;

struct TExportFilter {
    TPictureFormat Format;
    TTileLook Look;
    const char* Filter; // description|patterns
};

// clang-format off
constexpr std::array<TExportFilter, 6> ExportFilters{{
    {TPictureFormat::Png,  TTileLook::Bitmaps, QT_TRANSLATE_NOOP("TPictureExport", "PNG image (*.png)|*.png")},
    {TPictureFormat::Jpeg, TTileLook::Bitmaps, QT_TRANSLATE_NOOP("TPictureExport", "JPEG image (*.jpg)|*.jpg;*.jpeg")},
    {TPictureFormat::Svg,  TTileLook::Art,     QT_TRANSLATE_NOOP("TPictureExport", "SVG drawing (*.svg)|*.svg")},
    {TPictureFormat::Pdf,  TTileLook::Art,     QT_TRANSLATE_NOOP("TPictureExport", "PDF document (*.pdf)|*.pdf")},
    {TPictureFormat::Svg,  TTileLook::Bitmaps, QT_TRANSLATE_NOOP("TPictureExport", "SVG drawing, Tile bitmaps (*.svg)|*.svg")},
    {TPictureFormat::Pdf,  TTileLook::Bitmaps, QT_TRANSLATE_NOOP("TPictureExport", "PDF document, Tile bitmaps (*.pdf)|*.pdf")},
}};
// clang-format on

} // namespace

TFileDialog PictureExportDialog() {
    QStringList filters;
    for (const TExportFilter& filter : ExportFilters)
        filters << QCoreApplication::translate("TPictureExport", filter.Filter);
    return {QCoreApplication::translate("TPictureExport", "Export Picture"),
            filters.join(QLatin1Char('|')), QStringLiteral("png"), true};
}

tavrin::TPictureFormat ExportFilterFormat(int filter) {
    if (filter < 0 || filter >= static_cast<int>(ExportFilters.size()))
        return tavrin::TPictureFormat::Png;
    return ExportFilters[static_cast<std::size_t>(filter)].Format;
}

tavrin::TTileLook ExportFilterLook(int filter) {
    if (filter < 0 || filter >= static_cast<int>(ExportFilters.size()))
        return TTileLook::Art;
    return ExportFilters[static_cast<std::size_t>(filter)].Look;
}
