#pragma once
// The map history between runs, shared by every window on the account: the
// maps shown, oldest first, each kept as its share code with what names it.
// A window never writes its own history over the stored one. It tells the
// store what its history holds after each change, and the store applies only
// the step from what it held before: maps the window left (going Back) go,
// maps it showed are added at the end, a map saved to a file is named in
// place. So windows showing maps in turn (A1, B1, A2, B2) store all four.
//
// Reading follows the core's bounds: the last HistoryLimit entries at most,
// however many the list claims; an entry that is no map the tiles can take
// is passed over; a file name too long to name a file is dropped.

#include "map_history.h"

#include <deque>

class TSettingsStore;

class THistoryStore {
public:
    // `store` outlives this object.
    explicit THistoryStore(TSettingsStore& store) : Store(store) {}

    // The history as stored now; the window's history starts from it.
    std::deque<THistoryEntry> Read();

    // The window's history now keeps `kept` (TMapHistory::Kept()): the step
    // from what it kept at the last Read or Follow is applied to the stored
    // history. False when the settings could not be written.
    bool Follow(const std::deque<THistoryEntry>& kept);

private:
    TSettingsStore& Store;
    std::deque<THistoryEntry> Followed;
};
