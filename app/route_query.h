#pragma once
// The route query at the bottom of the window: From and To, each a tile list
// and a clearing input, and Find shortest path, which answers in a message
// box and draws the answer over the map. A left click on a clearing of the
// map makes it From, a right click To, and rings it at once with its label.
//
// The query builds its controls in the panel it is given, where the window's
// layout puts them; Find shortest path opens with the first map and stays
// open for the rest of the run.

#include "command_context.h"
#include "location.h"

#include <QObject>
#include <array>
#include <optional>

class QComboBox;
class QPushButton;
class TMapView;

namespace tavrin {
class TRxSpinEdit;
}

class TRouteQuery : public QObject {
    Q_OBJECT

public:
    TRouteQuery(QWidget* panel, TMapView& view, const TCommandContext& context);

    // Find shortest path: the answer goes on the map before its box opens,
    // so both are seen. A tile outside the list or a clearing outside 0..6
    // is a range error.
    void FindPath();

    // A map is shown: the query opens, and the ends chosen on the last map
    // are forgotten with its picture.
    void MapShown();

    // The query's controls in the order Tab visits them.
    std::array<QWidget*, 5> TabChain() const;

private:
    void ChooseClearing(tavrin::TLocation clearing, Qt::MouseButton button);
    void MarkChosenEnds();

    TMapView& View;
    const TCommandContext& Context;
    QComboBox* cbFromTile = nullptr;
    QComboBox* cbToTile = nullptr;
    tavrin::TRxSpinEdit* edFromClearing = nullptr;
    tavrin::TRxSpinEdit* edToClearing = nullptr;
    QPushButton* btnFindPath = nullptr;
    // The ends chosen on the map since it was shown, while the inputs still
    // hold them.
    std::optional<tavrin::TLocation> ChosenFrom;
    std::optional<tavrin::TLocation> ChosenTo;
    bool ChosenMarked = false; // the map shows the chosen ends, not an answer
};
