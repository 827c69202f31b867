#pragma once
// The maps shown in this session, in the order they were shown, with the one
// on screen marked: Back and Forward step through them as a browser steps
// through pages. Showing a new map after going back drops the maps ahead of
// the one on screen. Only the last Capacity maps are kept; older ones fall
// off the front. Plain C++, so it is tested without a window.

#include "map_seed.h"
#include "stored_maps.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

struct THistoryEntry {
    std::string MapString;                 // the map as its 60-character map string
    std::optional<TSeedPosition> Position; // which map of which seed, when it was made here
    std::string File;                      // the file it was loaded from or saved to, if any
    std::string Source;                    // else where it came from: "pasted code", ...
    friend bool operator==(const THistoryEntry&, const THistoryEntry&) = default;
};

class TMapHistory {
public:
    static constexpr std::size_t Capacity = tavrin::HistoryLimit;

    // A new map on screen: the maps ahead of the current one are dropped and
    // the new one becomes current. A map equal to the current one (loading
    // the same file again) adds nothing.
    void Add(THistoryEntry entry);

    // After Restore nothing is on screen yet, and Back shows the last map.
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
    // Where the map on screen stands, from 0; Size() while none is shown.
    std::size_t Index() const { return Current_; }

    // The maps worth keeping for the next run: those up to the one on
    // screen (the maps ahead of it were left), or all while none is shown.
    std::deque<THistoryEntry> Kept() const;

    // The maps of an earlier run, none of them on screen (the last
    // Capacity of them).
    void Restore(std::deque<THistoryEntry> entries);

private:
    std::deque<THistoryEntry> Entries_;
    std::size_t Current_ = 0; // Entries_.size() while no map is on screen
};
