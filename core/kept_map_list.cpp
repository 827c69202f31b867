#include "kept_map_list.h"

#include <algorithm>

namespace tavrin {

TKeptMapList::TKeptMapList(std::vector<TKeptMapEntry> maps) : Maps_(std::move(maps)) {
    if (Maps_.size() > Limit)
        Maps_.resize(Limit);
}

void TKeptMapList::Add(TKeptMapEntry map) {
    Maps_.insert(Maps_.begin(), std::move(map));
    if (Maps_.size() > Limit)
        Maps_.pop_back();
}

bool TKeptMapList::Remove(std::size_t index) {
    if (index >= Maps_.size())
        return false;
    Maps_.erase(Maps_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool TKeptMapList::Move(std::size_t from, std::size_t to) {
    if (from >= Maps_.size() || to >= Maps_.size())
        return false;
    const auto first = Maps_.begin();
    if (from < to)
        std::rotate(first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1,
                    first + static_cast<std::ptrdiff_t>(to) + 1);
    else
        std::rotate(first + static_cast<std::ptrdiff_t>(to),
                    first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1);
    return true;
}

} // namespace tavrin
