#pragma once
// View > Map Figures: a dock listing every figure of the map shown, and its
// cut-off clearings as the route query names them.

#include "map_figures.h"

#include <QDockWidget>

class QTableWidget;

class TFiguresDock : public QDockWidget {
    Q_OBJECT

public:
    explicit TFiguresDock(QWidget* parent = nullptr);

    // The figures of the map shown; null before the first map.
    void ShowFigures(const tavrin::TMapFigures* figures);

    // The text of one row's value, as shown ("8.33", "none", ...).
    QString ValueText(int row) const;

private:
    QTableWidget* Table = nullptr;
};
