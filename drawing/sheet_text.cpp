#include "sheet_text.h"

#include "map_string.h"
#include "placing_order.h"

namespace tavrin {
namespace {

QString Words(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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
    text.MapCode = Words(MakeMapString(state));
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
