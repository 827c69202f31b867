#include "setup_sheet.h"

#include "catalogue.h"
#include "map_string.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace tavrin {
namespace {

constexpr qreal RowSpacing = 1.4;  // table row height, in body lines
constexpr qreal CellPadding = 0.5; // on either side of a cell's text, in body lines
constexpr qreal MarginMillimetres = 15;
const QColor RuleColour(0x80, 0x80, 0x80);
const QColor StripeColour(0xee, 0xee, 0xee);

const char* const Headings[SheetTableColumns] = {"Tile", "Column", "Row", "Rotation"};
const char* const CodeLabel = "Map code: ";

// The sheet's fonts. Named families keep the sheet alike wherever fontconfig
// has them (DejaVu comes with the build's packages); the style hints choose
// a sans and a fixed-width face elsewhere. The map code is fixed-width so
// that every character stands apart.
struct TSheetFonts {
    QFont Body;
    QFont Bold;
    QFont Code;

    explicit TSheetFonts(const QPaintDevice& device) {
        QFont body(QStringLiteral("DejaVu Sans"));
        body.setStyleHint(QFont::SansSerif);
        body.setPointSizeF(10);
        QFont code(QStringLiteral("DejaVu Sans Mono"));
        code.setStyleHint(QFont::TypeWriter);
        code.setPointSizeF(11);
        // Fonts resolved against the device measure in its units.
        Body = QFont(body, &device);
        Bold = Body;
        Bold.setBold(true);
        Code = QFont(code, &device);
    }
};

// The cells of table row k: headings for k = 0, else tile k.
std::array<QString, SheetTableColumns> Cells(const TSheetText& text, int k) {
    if (k == 0)
        return {QString::fromLatin1(Headings[0]), QString::fromLatin1(Headings[1]),
                QString::fromLatin1(Headings[2]), QString::fromLatin1(Headings[3])};
    const TSheetRow& row = text.Rows[static_cast<std::size_t>(k - 1)];
    return {row.Tile, row.Column, row.Row, row.Rotation};
}

int RowCount(const TSheetText& text) {
    return std::min<int>(SheetTableRows, static_cast<int>(text.Rows.size()) + 1);
}

} // namespace

TSheetText SheetText(const TMapState& state, const QString& seedText) {
    TSheetText text;
    const std::string code = MakeMapString(state);
    text.MapCode = QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
    text.SeedText = seedText;
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        const std::string_view name = tile.Name.View();
        text.Rows.push_back({QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                             QString::number(tile.Col), QString::number(tile.Row),
                             QString::number(tile.Rotation)});
    }
    return text;
}

TSheetMetrics SheetMetrics(const QPaintDevice& device, const TSheetText& text) {
    const TSheetFonts fonts(device);
    const QFontMetricsF body(fonts.Body, &device);
    const QFontMetricsF bold(fonts.Bold, &device);
    const QFontMetricsF code(fonts.Code, &device);

    TSheetMetrics metrics;
    metrics.HeaderHeight = std::max(body.height(), code.height());
    if (!text.SeedText.isEmpty())
        metrics.HeaderHeight += body.height();
    metrics.Gap = body.height();
    metrics.RowHeight = body.height() * RowSpacing;
    for (int k = 0; k < RowCount(text); ++k) {
        const auto cells = Cells(text, k);
        for (int c = 0; c < SheetTableColumns; ++c) {
            const qreal width = (k == 0 ? bold : body).horizontalAdvance(cells[c]);
            metrics.ColumnWidths[c] = std::max(metrics.ColumnWidths[c], width);
        }
    }
    for (qreal& width : metrics.ColumnWidths)
        width += 2 * CellPadding * body.height();
    return metrics;
}

void PaintSetupSheet(QPainter& painter, const TSheetLayout& layout, const TSheetMetrics& metrics,
                     const QImage& picture, const TSheetText& text) {
    const TSheetFonts fonts(*painter.device());
    const QFontMetricsF body(fonts.Body, painter.device());
    const QFontMetricsF code(fonts.Code, painter.device());
    painter.save();
    painter.setPen(Qt::black);

    // Header: the label and the code share one baseline.
    const qreal baseline = std::max(body.ascent(), code.ascent());
    const QString label = QString::fromLatin1(CodeLabel);
    painter.setFont(fonts.Body);
    painter.drawText(QPointF(0, baseline), label);
    painter.setFont(fonts.Code);
    painter.drawText(QPointF(body.horizontalAdvance(label), baseline), text.MapCode);
    if (!text.SeedText.isEmpty()) {
        painter.setFont(fonts.Body);
        painter.drawText(QPointF(0, metrics.HeaderHeight - body.descent()), text.SeedText);
    }

    if (!layout.Map.isEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(layout.Map, picture);
        painter.setPen(QPen(RuleColour, 0));
        painter.drawRect(layout.Map);
    }

    // Table: headings in bold over a rule, tile rows on alternate stripes,
    // names to the left and numbers to the right of their cells.
    const qreal padding = CellPadding * body.height();
    for (int k = 0; k < RowCount(text); ++k) {
        if (k > 0 && k % 2 == 0)
            painter.fillRect(layout.Row(k), StripeColour);
        painter.setFont(k == 0 ? fonts.Bold : fonts.Body);
        painter.setPen(Qt::black);
        const auto cells = Cells(text, k);
        for (int c = 0; c < SheetTableColumns; ++c) {
            const Qt::Alignment side = c == 0 ? Qt::AlignLeft : Qt::AlignRight;
            painter.drawText(layout.Cell(k, c).adjusted(padding, 0, -padding, 0),
                             side | Qt::AlignVCenter, cells[c]);
        }
    }
    painter.setPen(QPen(RuleColour, 0));
    const QRectF headings = layout.Row(0);
    painter.drawLine(headings.bottomLeft(), headings.bottomRight());
    painter.restore();
}

void PrintSetupSheet(QPagedPaintDevice& device, const QImage& picture, const TSheetText& text) {
    const int dpi = device.logicalDpiX();
    QPageLayout page = device.pageLayout();
    page.setOrientation(QPageLayout::Portrait);
    const QSizeF portrait = page.paintRectPixels(dpi).size();
    page.setOrientation(QPageLayout::Landscape);
    const QSizeF landscape = page.paintRectPixels(dpi).size();

    const TSheetMetrics metrics = SheetMetrics(device, text);
    const TSheetLayout layout = SheetLayout(portrait, landscape, picture.size(), metrics);
    device.setPageOrientation(layout.Orientation);
    QPainter painter;
    if (!painter.begin(&device))
        throw ESheetNotPrinted();
    PaintSetupSheet(painter, layout, metrics, picture, text);
    if (!painter.end())
        throw ESheetNotPrinted();
}

QPageLayout SheetPageLayout() {
    const qreal margin = MarginMillimetres;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

QByteArray SetupSheetPdf(const QImage& picture, const TSheetText& text, const QPageLayout& page) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Tavrin Map Generator"));
    pdf.setTitle(QStringLiteral("Tavrin set-up sheet"));
    pdf.setPageLayout(page);
    PrintSetupSheet(pdf, picture, text);
    return buffer.data();
}

} // namespace tavrin
