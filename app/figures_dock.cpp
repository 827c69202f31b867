#include "figures_dock.h"

#include "map_texts.h"
#include "route_search.h"
#include "ui_language.h"

#include <QHeaderView>
#include <QTableWidget>

namespace {

QString CutOffText(const tavrin::TMapFigures& figures) {
    QStringList names;
    for (const tavrin::TLocation location : figures.CutOffList())
        names << QString::fromUtf8(tavrin::LocationText(location));
    return names.isEmpty() ? TFiguresDock::tr("none") : names.join(QStringLiteral(", "));
}

} // namespace

TFiguresDock::TFiguresDock(QWidget* parent) : QDockWidget(tr("Map Figures"), parent) {
    setObjectName(QStringLiteral("MapFigures1"));
    Table = new QTableWidget(static_cast<int>(tavrin::Figures.size()) + 1, 2, this);
    Table->setObjectName(QStringLiteral("tblFigures"));
    Table->setAccessibleName(tr("Map figures"));
    Table->horizontalHeader()->hide();
    Table->verticalHeader()->hide();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setWordWrap(true);
    Table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    Table->horizontalHeader()->setStretchLastSection(true);
    int row = 0;
    for (const tavrin::TFigureInfo& info : tavrin::Figures)
        Table->setItem(row++, 0, new QTableWidgetItem(CoreText(info.Label)));
    Table->setItem(row, 0, new QTableWidgetItem(tr("Cut off")));
    for (int r = 0; r < Table->rowCount(); ++r)
        Table->setItem(r, 1, new QTableWidgetItem());
    setWidget(Table);
}

void TFiguresDock::ShowFigures(const tavrin::TMapFigures* figures) {
    int row = 0;
    for (const tavrin::TFigureInfo& info : tavrin::Figures)
        Table->item(row++, 1)->setText(
            figures ? QString::fromUtf8(tavrin::FigureValueText(*figures, info.Figure))
                    : QString());
    Table->item(row, 1)->setText(figures ? CutOffText(*figures) : QString());
    Table->resizeRowsToContents();
}

QString TFiguresDock::ValueText(int row) const {
    return Table->item(row, 1)->text();
}
