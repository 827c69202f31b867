#include "map_history.h"

#include <cassert>

void TMapHistory::Add(THistoryEntry entry) {
    if (const THistoryEntry* current = Current(); current && *current == entry)
        return;
    if (!Entries_.empty())
        Entries_.resize(Current_ + 1);
    Entries_.push_back(std::move(entry));
    if (Entries_.size() > Capacity)
        Entries_.pop_front();
    Current_ = Entries_.size() - 1;
}

const THistoryEntry& TMapHistory::Back() {
    assert(CanGoBack());
    return Entries_[--Current_];
}

const THistoryEntry& TMapHistory::Forward() {
    assert(CanGoForward());
    return Entries_[++Current_];
}

void TMapHistory::NameCurrent(std::string file) {
    assert(!Entries_.empty());
    Entries_[Current_].File = std::move(file);
}

const THistoryEntry* TMapHistory::Current() const {
    return Entries_.empty() ? nullptr : &Entries_[Current_];
}
