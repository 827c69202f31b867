#pragma once
// The map history between runs: written to the settings the window was
// given whenever it changes, read back at start. Each map is kept as its
// share code with what names it; an entry edited by hand into something
// that is not a map the tiles can take is passed over.

#include "map_history.h"

#include <deque>

class QSettings;

void StoreHistory(QSettings& settings, const TMapHistory& history);
std::deque<THistoryEntry> StoredHistory(QSettings& settings);
