#include "picture_export_dialog.h"

#include <array>

namespace {

struct TExportFilter {
    tavrin::TPictureFormat Format;
    const char* Filter; // description|patterns
};

// clang-format off
constexpr std::array<TExportFilter, 4> ExportFilters{{
    {tavrin::TPictureFormat::Png,  "PNG image (*.png)|*.png"},
    {tavrin::TPictureFormat::Jpeg, "JPEG image (*.jpg)|*.jpg;*.jpeg"},
    {tavrin::TPictureFormat::Svg,  "SVG drawing (*.svg)|*.svg"},
    {tavrin::TPictureFormat::Pdf,  "PDF document (*.pdf)|*.pdf"},
}};
// clang-format on

} // namespace

TFileDialog PictureExportDialog() {
    QStringList filters;
    for (const TExportFilter& filter : ExportFilters)
        filters << QString::fromLatin1(filter.Filter);
    return {QStringLiteral("Export Picture"), filters.join(QLatin1Char('|')), QStringLiteral("png"),
            true};
}

tavrin::TPictureFormat ExportFilterFormat(int filter) {
    if (filter < 0 || filter >= static_cast<int>(ExportFilters.size()))
        return tavrin::TPictureFormat::Png;
    return ExportFilters[static_cast<std::size_t>(filter)].Format;
}
