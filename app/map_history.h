#pragma once
// The maps shown in this session, in the order they were shown, with the one
// on screen marked: Back and Forward step through them as a browser steps
// through pages. Showing a new map after going back drops the maps ahead of
// the one on screen. Only the last Capacity maps are kept; older ones fall
// off the front. Plain C++, so it is tested without a window.

#include "map_seed.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

struct THistoryEntry {
    std::string MapString;                 // the map as its 60-character map string
    std::optional<TSeedPosition> Position; // which map of which seed, when it was made here
    std::string File;                      // the file it was loaded from or saved to, if any
    friend bool operator==(const THistoryEntry&, const THistoryEntry&) = default;
};

class TMapHistory {
public:
    static constexpr std::size_t Capacity = 100;

    // A new map on screen: the maps ahead of the current one are dropped and
    // the new one becomes current. A map equal to the current one (loading
    // the same file again) adds nothing.
    void Add(THistoryEntry entry);

    bool CanGoBack() const { return Current_ > 0; }
    bool CanGoForward() const { return Current_ + 1 < Entries_.size(); }

    // Step and return the map now current. Only called when the step is
    // possible (CanGoBack / CanGoForward).
    const THistoryEntry& Back();
    const THistoryEntry& Forward();

    // The map on screen now lives in `file` (it was saved there). Only called
    // when there is a map.
    void NameCurrent(std::string file);

    // The map on screen; null before the first map.
    const THistoryEntry* Current() const;
    std::size_t Size() const { return Entries_.size(); }

private:
    std::deque<THistoryEntry> Entries_;
    std::size_t Current_ = 0; // meaningful only while Entries_ is not empty
};
