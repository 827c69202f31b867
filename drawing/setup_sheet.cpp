#include "setup_sheet.h"

#include "catalogue.h"
#include "hex_shape.h"
#include "map_picture.h"
#include "qr_code.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <limits>
#include <optional>

namespace tavrin {
namespace {

constexpr qreal RowSpacing = 1.45; // table row height, in body lines
constexpr qreal CellPadding = 0.4; // on either side of a cell's text, in body lines
constexpr qreal MarginMillimetres = 7;
constexpr qreal PointsPerMillimetre = 72 / 25.4;
const QColor RuleColour(0x80, 0x80, 0x80);
const QColor StripeColour(0xee, 0xee, 0xee);
const QColor MarkColour(200, 20, 30);

const char* const CodeLabel = "Map code: ";
const char* const ShareLabel = "Share code: ";

// The sheet's fonts, sized in points: the painter measures in points, and a
// font given in pixels is measured in the painter's units whatever the
// device. Named families keep the sheet alike wherever fontconfig has them
// (DejaVu comes with the build's packages); the style hints choose a sans
// and a fixed-width face elsewhere.
struct TSheetFonts {
    QFont Title = Font(QStringLiteral("DejaVu Sans"), QFont::SansSerif, 14, true);
    QFont Body = Font(QStringLiteral("DejaVu Sans"), QFont::SansSerif, 9, false);
    QFont Bold = Font(QStringLiteral("DejaVu Sans"), QFont::SansSerif, 9, true);
    QFont Small = Font(QStringLiteral("DejaVu Sans"), QFont::SansSerif, 7, false);
    QFont Code = Font(QStringLiteral("DejaVu Sans Mono"), QFont::TypeWriter, 9, false);

    static QFont Font(const QString& family, QFont::StyleHint hint, int points, bool bold) {
        QFont font(family);
        font.setStyleHint(hint);
        font.setPixelSize(points);
        font.setBold(bold);
        // No ligatures: the text layer keeps every letter as typed.
        font.setStyleStrategy(QFont::PreferNoShaping);
        return font;
    }
};

qreal LineHeight(const QFont& font) {
    return QFontMetricsF(font).height();
}

// The lines of the header after the title, in order: label and value.
struct THeaderLine {
    QString Label;
    QString Value;
};

std::vector<THeaderLine> HeaderLines(const TSheetText& text) {
    std::vector<THeaderLine> lines{{QString::fromLatin1(CodeLabel), text.MapCode}};
    if (!text.ShareCode.isEmpty())
        lines.push_back({QString::fromLatin1(ShareLabel), text.ShareCode});
    for (const QString& figure : text.Figures)
        lines.push_back({figure, QString()});
    return lines;
}

QStringList Cells(const TSheetText& text, int k) {
    if (k == 0)
        return SheetHeadings();
    const TSheetRow& row = text.Rows[static_cast<std::size_t>(k - 1)];
    return {row.Step, row.Tile, row.Place, row.Column, row.Row, row.Rotation};
}

int RowCount(const TSheetText& text) {
    return std::min<int>(SheetTableRows, static_cast<int>(text.Rows.size()) + 1);
}

// The range of columns and rows the tiles occupy.
struct TGridSpan {
    std::int32_t MinCol = std::numeric_limits<std::int32_t>::max();
    std::int32_t MaxCol = std::numeric_limits<std::int32_t>::min();
    std::int32_t MinRow = std::numeric_limits<std::int32_t>::max();
    std::int32_t MaxRow = std::numeric_limits<std::int32_t>::min();
};

TGridSpan GridSpan(const TMapState& state) {
    TGridSpan span;
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        span.MinCol = std::min(span.MinCol, tile.Col);
        span.MaxCol = std::max(span.MaxCol, tile.Col);
        span.MinRow = std::min(span.MinRow, tile.Row);
        span.MaxRow = std::max(span.MaxRow, tile.Row);
    }
    return span;
}

void PaintHeader(QPainter& painter, const TSheetFonts& fonts, const TSheetText& text, qreal width) {
    qreal y = 0;
    const QFontMetricsF title(fonts.Title);
    painter.setFont(fonts.Title);
    painter.drawText(QPointF(0, title.ascent()), text.Title);
    painter.setFont(fonts.Body);
    const QFontMetricsF body(fonts.Body);
    const qreal line = std::max(body.height(), LineHeight(fonts.Code));
    // The link's QR code at the top right, as tall as the lines above the
    // legend, so that a phone opens the map from the paper.
    const qreal qrSide = title.height() + line * static_cast<qreal>(HeaderLines(text).size()) - 2;
    qreal right = width;
    if (!text.ShareLink.isEmpty()) {
        PaintQrCode(painter, QRectF(width - qrSide, 0, qrSide, qrSide), text.ShareLink.toUtf8());
        right -= qrSide + body.height();
    }
    painter.drawText(QPointF(right - body.horizontalAdvance(text.Date), title.ascent()), text.Date);
    y += title.height();

    for (const THeaderLine& header : HeaderLines(text)) {
        painter.setFont(fonts.Body);
        painter.drawText(QPointF(0, y + body.ascent()), header.Label);
        painter.setFont(fonts.Code);
        painter.drawText(QPointF(body.horizontalAdvance(header.Label), y + body.ascent()),
                         header.Value);
        y += line;
    }

    // The legend, after a sample of the mark it explains.
    const QFontMetricsF small(fonts.Body);
    const qreal mid = y + small.height() / 2;
    const qreal size = small.ascent() * 0.8;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MarkColour);
    painter.drawPolygon(QPolygonF({QPointF(0, mid - size / 2), QPointF(size, mid - size / 2),
                                   QPointF(size / 2, mid + size / 2)}));
    painter.restore();
    painter.setFont(fonts.Body);
    painter.drawText(QPointF(size * 1.6, y + small.ascent()), text.Legend);
}

// Column numbers above and below the map and row numbers left of it, each
// level with the middle of its tiles; rows by the parity of the leftmost
// column shown.
void PaintGridNumbers(QPainter& painter, const TSheetFonts& fonts, const TSheetPage& page,
                      const TSheetMetrics& metrics, const TMapState& state, qreal scale) {
    const TLayoutBox box = LayoutBox(state);
    const TGridSpan span = GridSpan(state);
    const QRectF& part = page.MapPart;
    const auto toPage = [&](qreal x, qreal y) {
        return page.Map.topLeft() + (QPointF(x, y) - part.topLeft()) * scale;
    };
    painter.setFont(fonts.Small);
    painter.setPen(Qt::black);
    std::optional<std::int32_t> left;
    for (std::int32_t col = span.MinCol; col <= span.MaxCol; ++col) {
        const qreal x = TileX(col) + box.OffsetX() + TileBoxSide / 2.0;
        if (x < part.left() || x > part.right())
            continue;
        if (!left)
            left = col;
        const qreal at = toPage(x, 0).x();
        const QString number = QString::number(col);
        painter.drawText(
            QRectF(at - 20, page.Map.top() - metrics.GridHeight, 40, metrics.GridHeight),
            Qt::AlignCenter, number);
        painter.drawText(QRectF(at - 20, page.Map.bottom(), 40, metrics.GridHeight),
                         Qt::AlignCenter, number);
    }
    if (!left)
        return;
    for (std::int32_t row = span.MinRow; row <= span.MaxRow; ++row) {
        const QString number = QString::number(row);
        // A row whose middle in that column lies just off the map (the
        // other columns' tiles reach further) is labelled at the map's edge.
        const qreal y = TileY(*left, row) + box.OffsetY() + tileart::HexHeight / 2.0;
        if (y < part.top() - RowStep / 2.0 || y > part.bottom() + RowStep / 2.0)
            continue;
        const qreal at = std::clamp(toPage(0, y).y(), page.Map.top(), page.Map.bottom());
        painter.drawText(
            QRectF(page.Map.left() - metrics.GridWidth, at - 10, metrics.GridWidth, 20),
            Qt::AlignCenter, number);
    }
}

// A poster page's label, and dashed lines where its neighbours' parts begin:
// the strip between such a line and the map's edge is on both pages.
void PaintPosterMarks(QPainter& painter, const TSheetFonts& fonts, const TSheetPlan& plan,
                      const TSheetPage& page) {
    const int count = plan.PosterRows * plan.PosterColumns;
    const int number = (page.PosterRow - 1) * plan.PosterColumns + page.PosterColumn;
    painter.setFont(fonts.Body);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, QFontMetricsF(fonts.Body).ascent()),
                     QStringLiteral("Map page %1 of %2: row %3, column %4. Each strip between a "
                                    "dashed line and the map's edge is on the next page too.")
                         .arg(number)
                         .arg(count)
                         .arg(page.PosterRow)
                         .arg(page.PosterColumn));
    painter.save();
    painter.setPen(QPen(Qt::black, 0.6, Qt::DashLine));
    for (const TSheetPage& other : plan.Pages) {
        if (other.PosterRow == 0)
            continue;
        const int rows = other.PosterRow - page.PosterRow;
        const int columns = other.PosterColumn - page.PosterColumn;
        const qreal s = plan.Scale;
        if (rows == 0 && std::abs(columns) == 1) {
            const qreal x = columns > 0 ? other.MapPart.left() : other.MapPart.right();
            const qreal at = page.Map.left() + (x - page.MapPart.left()) * s;
            painter.drawLine(QPointF(at, page.Map.top()), QPointF(at, page.Map.bottom()));
        }
        if (columns == 0 && std::abs(rows) == 1) {
            const qreal y = rows > 0 ? other.MapPart.top() : other.MapPart.bottom();
            const qreal at = page.Map.top() + (y - page.MapPart.top()) * s;
            painter.drawLine(QPointF(page.Map.left(), at), QPointF(page.Map.right(), at));
        }
    }
    painter.restore();
}

// The table: headings in bold over a rule, tile rows on alternate stripes,
// words to the left and numbers to the right of their cells.
void PaintTable(QPainter& painter, const TSheetFonts& fonts, const TSheetPlan& plan,
                const TSheetPage& page, const TSheetText& text) {
    const qreal padding = CellPadding * LineHeight(fonts.Body);
    for (int k = 0; k < RowCount(text); ++k) {
        if (k > 0 && k % 2 == 0)
            painter.fillRect(page.TableRow(k, plan.RowHeight), StripeColour);
        painter.setFont(k == 0 ? fonts.Bold : fonts.Body);
        painter.setPen(Qt::black);
        const QStringList cells = Cells(text, k);
        for (int c = 0; c < SheetTableColumns; ++c) {
            const bool words = c == 1 || c == 2;
            painter.drawText(plan.Cell(page, k, c).adjusted(padding, 0, -padding, 0),
                             (words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, cells[c]);
        }
    }
    painter.setPen(QPen(RuleColour, 0.5));
    const QRectF headings = page.TableRow(0, plan.RowHeight);
    painter.drawLine(headings.bottomLeft(), headings.bottomRight());
}

} // namespace

TSheetMetrics SheetMetrics(const TSheetText& text) {
    const TSheetFonts fonts;
    const QFontMetricsF body(fonts.Body);
    const QFontMetricsF bold(fonts.Bold);
    const QFontMetricsF small(fonts.Small);

    TSheetMetrics metrics;
    const qreal line = std::max(body.height(), LineHeight(fonts.Code));
    metrics.HeaderHeight = LineHeight(fonts.Title) +
                           line * static_cast<qreal>(HeaderLines(text).size()) + body.height();
    metrics.Gap = body.height();
    for (const TSheetRow& row : text.Rows)
        metrics.GridWidth = std::max(metrics.GridWidth, small.horizontalAdvance(row.Row));
    metrics.GridWidth += 4;
    metrics.GridHeight = small.height() + 4;
    metrics.LabelHeight = body.height() * 1.5;
    metrics.RowHeight = body.height() * RowSpacing;
    for (int k = 0; k < RowCount(text); ++k) {
        const QStringList cells = Cells(text, k);
        for (int c = 0; c < SheetTableColumns; ++c) {
            const qreal width = (k == 0 ? bold : body).horizontalAdvance(cells[c]);
            metrics.ColumnWidths[c] = std::max(metrics.ColumnWidths[c], width);
        }
    }
    for (qreal& width : metrics.ColumnWidths)
        width += 2 * CellPadding * body.height();
    return metrics;
}

TSheetPlan PlanSetupSheet(QSizeF portrait, const TMapState& state, const TSheetMetrics& metrics,
                          const TSheetOptions& options) {
    // A tile's width is the 200 pixels of its box.
    const qreal tileScale = options.TileMillimetres * PointsPerMillimetre / TileBoxSide;
    return PlanSheet(portrait, MapBoxSize(state), metrics, ReadableScale(state), tileScale);
}

void PaintSheetPage(QPainter& painter, const TSheetPlan& plan, int index,
                    const TSheetMetrics& metrics, const TMapState& state, const QImage& picture,
                    const TSheetText& text, TTileLook look) {
    const TSheetPage& page = plan.Pages[static_cast<std::size_t>(index)];
    const TSheetFonts fonts;
    painter.save();
    painter.setPen(Qt::black);
    if (page.Header) {
        const qreal width = std::max(page.Map.right() + metrics.GridWidth, page.Table.right());
        PaintHeader(painter, fonts, text, width);
    }
    if (!page.Map.isEmpty()) {
        painter.save();
        painter.setClipRect(page.Map, Qt::IntersectClip);
        painter.translate(page.Map.topLeft());
        painter.scale(plan.Scale, plan.Scale);
        painter.translate(-page.MapPart.topLeft());
        PaintMap(painter, state, look, picture);
        PaintRotationMarks(painter, state);
        painter.restore();
        painter.setPen(QPen(RuleColour, 0.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(page.Map);
        PaintGridNumbers(painter, fonts, page, metrics, state, plan.Scale);
        if (page.PosterRow > 0)
            PaintPosterMarks(painter, fonts, plan, page);
    }
    if (!page.Table.isEmpty())
        PaintTable(painter, fonts, plan, page, text);
    painter.restore();
}

void PrintSetupSheet(QPagedPaintDevice& device, const TMapState& state, const QImage& picture,
                     const TSheetText& text, const TSheetOptions& options) {
    QPageLayout page = device.pageLayout();
    page.setOrientation(QPageLayout::Portrait);
    const QSizeF portrait = page.paintRect(QPageLayout::Point).size();
    const TSheetMetrics metrics = SheetMetrics(text);
    const TSheetPlan plan = PlanSetupSheet(portrait, state, metrics, options);
    if (plan.Pages.empty())
        throw ESheetNotPrinted();

    device.setPageOrientation(plan.Orientation);
    QPainter painter;
    if (!painter.begin(&device))
        throw ESheetNotPrinted();
    for (int i = 0; i < static_cast<int>(plan.Pages.size()); ++i) {
        if (i > 0 && !device.newPage())
            throw ESheetNotPrinted();
        painter.resetTransform();
        painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
        PaintSheetPage(painter, plan, i, metrics, state, picture, text, options.Look);
    }
    if (!painter.end())
        throw ESheetNotPrinted();
}

QPageSize DefaultPaper() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

QPageLayout SheetPageLayout(const QPageSize& paper) {
    const qreal margin = MarginMillimetres;
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin),
                       QPageLayout::Millimeter);
}

QByteArray SetupSheetPdf(const TMapState& state, const QImage& picture, const TSheetText& text,
                         const TSheetOptions& options, const QPageLayout& page) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Tavrin Map Generator"));
    pdf.setTitle(QStringLiteral("Tavrin set-up sheet"));
    pdf.setPageLayout(page);
    PrintSetupSheet(pdf, state, picture, text, options);
    return buffer.data();
}

} // namespace tavrin
