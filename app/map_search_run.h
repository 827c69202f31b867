#pragma once
// Runs Create Map Until off the interface thread: the search works on a copy
// of the engine's state while a progress dialog shows the maps tried and the
// time taken, with Cancel. The window's state takes the map found only when
// the search found one; a search that gave up or was cancelled leaves the
// state (tiles and random generator) as it was.

#include "map_search.h"

#include <QString>

class QWidget;

struct TMapSearchRun {
    tavrin::TMapSearchResult Result;
    double Seconds = 0;
};

// `limit` maps at most (tests pass a small one).
TMapSearchRun RunMapSearch(QWidget* parent, tavrin::TMapState& state,
                           const tavrin::TCriteria& criteria,
                           std::int64_t limit = tavrin::MapSearchLimit);

// "Maps tried: 12000 of 1000000\nTime: 0.4 s".
QString SearchProgressText(std::int64_t maps, std::int64_t limit, double seconds);
