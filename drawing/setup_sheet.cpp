#include "setup_sheet.h"

#include "qr_code.h"

#include <QBuffer>
#include <QDate>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

namespace tavrin {
namespace {

constexpr qreal MarginMillimetres = 7;
const QColor RuleColour(0x80, 0x80, 0x80);
const QColor StripeColour(0xee, 0xee, 0xee);

// The mark's fill from the palette, and an outline that stands out on it
// (dark on a light fill, light on a dark one), so the arrow's shape shows on
// any terrain and on paper whatever the colour.
QColor MarkFill(TPalette palette) {
    const TRgb c = PaletteColours(palette).RotationMark;
    return {c.R, c.G, c.B};
}

QColor MarkOutline(TPalette palette) {
    const TRgb c = OutlineFor(PaletteColours(palette).RotationMark);
    return {c.R, c.G, c.B};
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QRectF Rect(const TBox& box) {
    return {box.X, box.Y, box.W, box.H};
}

// The faces the plan measured its words in; the style hints choose a sans
// and a fixed-width face where they are missing. Sized in points: the
// painter measures in points, and a font given in pixels is measured in the
// painter's units whatever the device.
QFont Font(TSheetFont face, double points) {
    QFont font(face == TSheetFont::Mono ? QStringLiteral("DejaVu Sans Mono")
                                        : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(face == TSheetFont::Mono ? QFont::TypeWriter : QFont::SansSerif);
    font.setPixelSize(qRound(points));
    font.setBold(face == TSheetFont::Bold);
    // No ligatures or kerning: the text layer keeps every letter as typed,
    // and the words keep the widths the plan gave them.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void PaintText(QPainter& painter, const TSheetText& text) {
    painter.setFont(Font(text.Font, text.Points));
    const QString words = Latin1(text.Text);
    const qreal width = painter.fontMetrics().horizontalAdvance(words);
    qreal x = text.Box.X;
    if (text.Align == TSheetAlign::Right)
        x = text.Box.Right() - width;
    else if (text.Align == TSheetAlign::Centre)
        x = text.Box.X + (text.Box.W - width) / 2;
    painter.drawText(QPointF(x, text.Box.Y + Ascent(text.Points)), words);
}

QPolygonF Polygon(const TMarkShape& corners) {
    QPolygonF polygon;
    for (const tileart::TPoint& p : corners)
        polygon << QPointF(p.X, p.Y);
    return polygon;
}

void PaintMarks(QPainter& painter, const TSheetPlan& plan, TPalette palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(MarkOutline(palette), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(MarkFill(palette));
    for (const auto& mark : plan.Marks)
        painter.drawPolygon(Polygon(mark));
    painter.restore();
}

// The legend's sample: the mark of an upright tile, under a stretch of its
// top edge.
void PaintLegendMark(QPainter& painter, const TBox& box, const TMarkShape& mark, TPalette palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawLine(QPointF(box.X, box.Y + 0.5), QPointF(box.Right(), box.Y + 0.5));
    // On white paper a light fill needs its outline; a dark one needs none.
    painter.setPen(MarkOutline(palette) == Qt::black ? QPen(Qt::black, 0.5) : QPen(Qt::NoPen));
    painter.setBrush(MarkFill(palette));
    painter.drawPolygon(Polygon(mark));
    painter.restore();
}

} // namespace

TSheetWords SheetWordsToday(const TMapState& state, const QString& seedText,
                            const QString& webAddress) {
    const QByteArray seed = seedText.toLatin1();
    const QByteArray address = webAddress.toUtf8();
    const QByteArray date = QDate::currentDate().toString(Qt::ISODate).toLatin1();
    return SheetWords(state, seed.toStdString(), date.toStdString(), address.toStdString());
}

TSheetPlan PlanSetupSheet(const QPageLayout& layout, const TMapState& state,
                          const TSheetWords& words, const TSheetOptions& options) {
    QPageLayout upright = layout;
    upright.setOrientation(QPageLayout::Portrait);
    const QSizeF area = upright.paintRect(QPageLayout::Point).size();
    return PlanSheet(state, words, {area.width(), area.height()}, options.TileMillimetres);
}

void PaintSheetPage(QPainter& painter, const TSheetPlan& plan, int index, const TMapState& state,
                    const QImage& picture, TTileLook look, TPalette palette) {
    const TSheetPage& page = plan.Pages[static_cast<std::size_t>(index)];
    painter.save();
    for (const TBox& stripe : page.Stripes)
        painter.fillRect(Rect(stripe), StripeColour);
    painter.setPen(QPen(RuleColour, 0.5));
    for (const TSheetLine& rule : page.Rules)
        painter.drawLine(QPointF(rule.X1, rule.Y1), QPointF(rule.X2, rule.Y2));
    for (const TSheetMapView& view : page.Maps) {
        painter.save();
        painter.setClipRect(Rect(view.Page), Qt::IntersectClip);
        painter.translate(view.Page.X, view.Page.Y);
        painter.scale(plan.Scale, plan.Scale);
        painter.translate(-view.Part.X, -view.Part.Y);
        PaintMap(painter, state, look, picture, palette);
        PaintMarks(painter, plan, palette);
        painter.restore();
        painter.setPen(QPen(RuleColour, 0.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(Rect(view.Page));
    }
    painter.setPen(QPen(Qt::black, 0.6, Qt::DashLine));
    for (const TSheetLine& dash : page.Dashes)
        painter.drawLine(QPointF(dash.X1, dash.Y1), QPointF(dash.X2, dash.Y2));
    painter.setPen(Qt::black);
    for (const TSheetText& text : page.Texts)
        PaintText(painter, text);
    if (!page.LegendMark.Empty())
        PaintLegendMark(painter, page.LegendMark, page.LegendArrow, palette);
    if (!page.Qr.Empty())
        PaintQrCode(painter, Rect(page.Qr), QByteArray::fromStdString(plan.QrText), false);
    painter.restore();
}

void PrintSetupSheet(QPagedPaintDevice& device, const TMapState& state, const QImage& picture,
                     const TSheetWords& words, const TSheetOptions& options) {
    const TSheetPlan plan = PlanSetupSheet(device.pageLayout(), state, words, options);
    if (plan.Pages.empty())
        throw ESheetNotPrinted();
    device.setPageOrientation(plan.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        throw ESheetNotPrinted();
    for (int i = 0; i < static_cast<int>(plan.Pages.size()); ++i) {
        if (i > 0 && !device.newPage())
            throw ESheetNotPrinted();
        painter.resetTransform();
        painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
        PaintSheetPage(painter, plan, i, state, picture, options.Look, options.Palette);
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

QByteArray SetupSheetPdf(const TMapState& state, const QImage& picture, const TSheetWords& words,
                         const TSheetOptions& options, const QPageLayout& page) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Tavrin Map Generator"));
    pdf.setTitle(QStringLiteral("Tavrin set-up sheet"));
    pdf.setPageLayout(page);
    PrintSetupSheet(pdf, state, picture, words, options);
    return buffer.data();
}

} // namespace tavrin
