// The names a screen reader gives the window's controls. Buttons and menu
// items are read by their captions; the controls without one are named here.

#include "form1.h"
#include "map_view.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

void TForm1::nameForScreenReaders() {
    const std::pair<QWidget*, const char*> names[] = {
        {Memo1, "Tile listing"},   {ScrollBox1, "Map"},
        {cbFromTile, "From tile"}, {edFromClearing, "From clearing"},
        {cbToTile, "To tile"},     {edToClearing, "To clearing"},
        {lblSeed, "Map seed"},     {lblZoom, "Zoom"},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(QString::fromLatin1(name));
    Memo1->setAccessibleDescription(
        QStringLiteral("Each tile's name, column, row and rotation on the map"));
}
