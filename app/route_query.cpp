#include "route_query.h"

#include "catalogue.h"
#include "errors.h"
#include "listing.h"
#include "map_view.h"
#include "route_marks.h"
#include "route_search.h"
#include "rx_spin_edit.h"
#include "ui_language.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace {

// A clearing input's value, truncated toward zero; outside 0..6 it is a range
// error (checked before the conversion, so no value can overflow it).
int ClearingValue(double value) {
    const double whole = std::trunc(value);
    if (!(whole >= 0 && whole <= 6))
        throw tavrin::ERangeError();
    return static_cast<int>(whole);
}

} // namespace

TRouteQuery::TRouteQuery(QWidget* panel, TMapView& view, const TCommandContext& context)
    : QObject(panel), View(view), Context(context) {
    Named(new QLabel(tr("From"), panel), "Label1")->move(16, 44);
    Named(new QLabel(tr("To"), panel), "Label2")->move(16, 68);

    cbFromTile = Named(new QComboBox(panel), "cbFromTile");
    cbFromTile->setGeometry(48, 40, 145, 21);
    cbToTile = Named(new QComboBox(panel), "cbToTile");
    cbToTile->setGeometry(48, 64, 145, 21);
    for (QComboBox* list : {cbFromTile, cbToTile}) {
        list->setEditable(false);
        list->setMaxVisibleItems(tavrin::TileCount);
        for (int tile = 1; tile <= tavrin::TileCount; ++tile)
            list->addItem(EngineText(tavrin::TileFileNames[tile]));
        list->setCurrentIndex(tavrin::StartTile - 1);
    }

    edFromClearing = Named(new tavrin::TRxSpinEdit(panel), "edFromClearing");
    edFromClearing->setGeometry(200, 40, 41, 21);
    edToClearing = Named(new tavrin::TRxSpinEdit(panel), "edToClearing");
    edToClearing->setGeometry(200, 64, 41, 21);
    for (tavrin::TRxSpinEdit* clearing : {edFromClearing, edToClearing}) {
        clearing->setMinValue(1);
        clearing->setMaxValue(6);
        clearing->setValue(1);
        clearing->setMaxLength(1);
    }

    btnFindPath = Named(new QPushButton(tr("Find shortest path"), panel), "btnFindPath");
    btnFindPath->setGeometry(248, 40, 121, 25);
    // A translated caption may need more room than the English one.
    if (btnFindPath->text() != QLatin1String("Find shortest path"))
        btnFindPath->resize(std::max(121, btnFindPath->sizeHint().width()), 25);
    btnFindPath->setEnabled(false);
    // The button has no hint; the status bar says what it does.
    btnFindPath->setStatusTip(
        tr("Show the shortest road route from the From clearing to the To clearing"));
    connect(btnFindPath, &QPushButton::clicked, this,
            [this] { Context.Run([this] { FindPath(); }); });

    // The controls without a caption, as a screen reader names them.
    const std::pair<QWidget*, const char*> names[] = {{cbFromTile, QT_TR_NOOP("From tile")},
                                                      {edFromClearing, QT_TR_NOOP("From clearing")},
                                                      {cbToTile, QT_TR_NOOP("To tile")},
                                                      {edToClearing, QT_TR_NOOP("To clearing")}};
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(tr(name));

    connect(&View, &TMapView::ClearingClicked, this, &TRouteQuery::ChooseClearing);
    // An end typed or chosen in the inputs is no longer the one clicked.
    const auto forget = [this](std::optional<tavrin::TLocation>& end) {
        if (!end)
            return;
        end.reset();
        if (ChosenMarked)
            MarkChosenEnds();
    };
    connect(cbFromTile, &QComboBox::currentIndexChanged, this, [=, this] { forget(ChosenFrom); });
    connect(edFromClearing, &tavrin::TRxSpinEdit::changed, this, [=, this] { forget(ChosenFrom); });
    connect(cbToTile, &QComboBox::currentIndexChanged, this, [=, this] { forget(ChosenTo); });
    connect(edToClearing, &tavrin::TRxSpinEdit::changed, this, [=, this] { forget(ChosenTo); });
}

std::array<QWidget*, 5> TRouteQuery::TabChain() const {
    return {edFromClearing, edToClearing, btnFindPath, cbFromTile, cbToTile};
}

void TRouteQuery::FindPath() {
    const tavrin::TLocation from = tavrin::LocationFrom(cbFromTile->currentIndex() + 1,
                                                        ClearingValue(edFromClearing->value()));
    const tavrin::TLocation to =
        tavrin::LocationFrom(cbToTile->currentIndex() + 1, ClearingValue(edToClearing->value()));
    tavrin::TRoute route{};
    tavrin::FindShortestPath(Context.State, from, to, route);
    ChosenMarked = false;
    View.SetRouteMarks(tavrin::RouteAnswerMarks(Context.State, View.Places(), from, to, route));
    Context.Dialogs.ShowMessage(&Context.Window, CoreText(tavrin::RouteAnswer(route)));
}

void TRouteQuery::MapShown() {
    btnFindPath->setEnabled(true);
    ChosenFrom.reset();
    ChosenTo.reset();
    ChosenMarked = false;
}

// A left click chooses the clearing as the route's start, a right click as
// its end; the last route's drawing goes, as it no longer answers the query,
// and the ends chosen on the map are ringed instead.
void TRouteQuery::ChooseClearing(tavrin::TLocation clearing, Qt::MouseButton button) {
    const bool from = button == Qt::LeftButton;
    (from ? cbFromTile : cbToTile)->setCurrentIndex(clearing.Tile - 1);
    (from ? edFromClearing : edToClearing)->setValue(clearing.Clearing);
    (from ? ChosenFrom : ChosenTo) = clearing;
    MarkChosenEnds();
}

void TRouteQuery::MarkChosenEnds() {
    tavrin::TRouteMarks marks;
    if (ChosenFrom)
        marks.Start = tavrin::ClearingCentre(View.Places(), *ChosenFrom);
    if (ChosenTo)
        marks.End = tavrin::ClearingCentre(View.Places(), *ChosenTo);
    View.SetRouteMarks(std::move(marks));
    ChosenMarked = true;
}
