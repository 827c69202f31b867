#include "map_history.h"

#include <cassert>

void TMapHistory::Add(THistoryEntry entry) {
    if (const THistoryEntry* current = Current(); current && *current == entry)
        return;
    if (Current_ < Entries_.size())
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
    assert(Current_ < Entries_.size());
    Entries_[Current_].File = std::move(file);
}

const THistoryEntry* TMapHistory::Current() const {
    return Current_ < Entries_.size() ? &Entries_[Current_] : nullptr;
}

std::deque<THistoryEntry> TMapHistory::Kept() const {
    if (Current_ >= Entries_.size())
        return Entries_;
    return {Entries_.begin(), Entries_.begin() + static_cast<std::ptrdiff_t>(Current_) + 1};
}

void TMapHistory::Restore(std::deque<THistoryEntry> entries) {
    while (entries.size() > Capacity)
        entries.pop_front();
    Entries_ = std::move(entries);
    Current_ = Entries_.size();
}
