#pragma once
// The page's kept maps and history as the browser's storage holds them: text,
// one map a line, each map as its share code.
//   kept maps, newest first:  CODE <tab> name
//   history, oldest first:    CODE <tab> seed <tab> number   (both empty for
//                             a map not made from a seed)
// Read by the core's rules: the first KeptMapLimit kept maps and the last
// HistoryLimit history lines at most, however long the text; a line that
// holds no map the tiles can take is passed over. Every change is made to
// the text as stored now (the page runs it inside one storage transaction),
// so that two tabs never lose each other's maps.

#include "stored_maps.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::web {

struct TPageHistoryEntry {
    std::string MapString;
    std::optional<std::uint32_t> Seed; // with Number, the map's seed naming
    std::int64_t Number = 0;
    friend bool operator==(const TPageHistoryEntry&, const TPageHistoryEntry&) = default;
};

std::vector<TKeptMap> ReadKeptMaps(std::string_view text);
std::string KeptMapsText(const std::vector<TKeptMap>& maps);

std::vector<TPageHistoryEntry> ReadHistory(std::string_view text);
std::string HistoryText(const std::vector<TPageHistoryEntry>& entries);

// A map shown joins the end of the history as stored now, unless it is the
// newest there already (a tab reloaded, an address opened twice); the oldest
// past HistoryLimit leaves.
void AddToHistory(std::vector<TPageHistoryEntry>& stored, TPageHistoryEntry entry);

} // namespace tavrin::web
