#pragma once
// Map > Kept Maps as data: the maps the user chose to keep, each under a
// name, newest first, at most Limit of them. Where they are stored is the
// door's business (the window keeps them in its settings, app/kept_maps.h);
// what adding, removing and moving does to the list is decided here.

#include <cstddef>
#include <string>
#include <vector>

namespace tavrin {

struct TKeptMapEntry {
    std::string Name;      // UTF-8
    std::string MapString; // the 60 map-string bytes
    friend bool operator==(const TKeptMapEntry&, const TKeptMapEntry&) = default;
};

class TKeptMapList {
public:
    static constexpr std::size_t Limit = 100;

    // The maps as stored, newest first; those beyond Limit are dropped.
    explicit TKeptMapList(std::vector<TKeptMapEntry> maps = {});

    const std::vector<TKeptMapEntry>& Maps() const { return Maps_; }

    // Puts the map at the front; the oldest beyond Limit is dropped.
    void Add(TKeptMapEntry map);
    // False, changing nothing, when there is no map at `index`.
    bool Remove(std::size_t index);
    // Takes the map at `from` out and puts it at `to`, the others closing
    // up; false, changing nothing, when either is no place in the list.
    bool Move(std::size_t from, std::size_t to);

private:
    std::vector<TKeptMapEntry> Maps_;
};

} // namespace tavrin
