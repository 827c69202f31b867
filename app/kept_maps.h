#pragma once
// Map > Kept Maps: maps the user chose to keep, each with a name, remembered
// in the shared settings until the user removes them. Each map is stored as
// its share code, which any map has and which reads back byte for byte.
// Every window on the account shares the list: keeping and removing change
// the list as stored now (see TSettingsStore), and the list is read afresh
// whenever a menu shows it. Reading follows the core's bounds: the first
// KeptMapLimit entries at most, an entry that is no map passed over.

#include "stored_maps.h"

#include <functional>
#include <vector>

class TSettingsStore;

class TKeptMaps {
public:
    // `store` outlives this object.
    explicit TKeptMaps(TSettingsStore& store) : Store(store) {}

    // As stored now, newest first.
    std::vector<tavrin::TKeptMap> Maps() const;

    // Puts the map at the front; the oldest beyond the limit is dropped.
    // False when the settings could not be written.
    bool Add(tavrin::TKeptMap map);
    // Removes the entry equal to `map`, if another window has not.
    bool Remove(const tavrin::TKeptMap& map);

private:
    bool Change(const std::function<void(std::vector<tavrin::TKeptMap>&)>& change);

    TSettingsStore& Store;
};
