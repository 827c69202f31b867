#include "sheet_text.h"

#include "map_figures.h"
#include "map_string.h"
#include "map_texts.h"
#include "placing_order.h"
#include "share_code.h"

namespace tavrin {
namespace {

QString Words(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Figures a line, so that each line fits across an upright page.
constexpr std::size_t FiguresPerLine = 4;

// The map's figures as the window labels them, a few to a line: "Reachable
// clearings 95, Cut-off clearings 0, ...".
QStringList FigureLines(const TMapState& state) {
    const TMapFigures figures = MeasureMap(state);
    QStringList lines;
    for (std::size_t i = 0; i < Figures.size(); ++i) {
        const TFigureInfo& info = Figures[i];
        const QString item = Words(info.Label) + QLatin1Char(' ') +
                             QString::fromStdString(FigureValueText(figures, info.Figure));
        if (i % FiguresPerLine == 0)
            lines << item;
        else
            lines.back() += QStringLiteral(", ") + item;
    }
    return lines;
}

} // namespace

QStringList SheetHeadings() {
    return {QStringLiteral("#"),      QStringLiteral("Tile"), QStringLiteral("Lay it"),
            QStringLiteral("Column"), QStringLiteral("Row"),  QStringLiteral("Rotation")};
}

TSheetText SheetText(const TMapState& state, const QString& seedText, const QDate& date) {
    TSheetText text;
    text.Title = QStringLiteral("Tavrin map");
    if (!seedText.isEmpty())
        text.Title += QStringLiteral(": ") + seedText;
    text.Date = date.toString(Qt::ISODate);
    const std::string mapString = MakeMapString(state);
    text.MapCode = Words(mapString);
    text.ShareCode = QString::fromStdString(ShareCode(mapString));
    text.ShareLink = QString::fromStdString(ShareLink(mapString));
    text.Figures = FigureLines(state);
    text.Legend = QStringLiteral("The red triangle on each tile marks the top edge of its art: "
                                 "turn the real tile so that edge lies at the triangle.");
    int step = 0;
    for (const TPlacingStep& placing : PlacingOrder(state)) {
        const TTile& tile = state.Tiles[placing.Tile];
        text.Rows.push_back({QString::number(++step), Words(tile.Name.View()),
                             Words(PlacingText(state, placing)), QString::number(tile.Col),
                             QString::number(tile.Row), QString::number(tile.Rotation)});
    }
    return text;
}

} // namespace tavrin
