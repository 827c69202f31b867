#pragma once
// What every door keeps between runs, kept maps and the history of maps
// shown, and how it is read back. A settings file or a browser's storage may
// hold anything (edited by hand, written by a newer version, or hostile), so
// reading is bounded: never more than a list's limit is looked at, an entry
// that does not read as a map the tiles can take is passed over without a
// word, and names are cut for menus.
//
// Kept maps change one step at a time on the list as stored now, never by
// writing a copy back: a window or tab that keeps or removes a map leaves
// what another one kept meanwhile as it is.

#include "translatable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

inline constexpr std::size_t KeptMapLimit = 100;
inline constexpr std::size_t HistoryLimit = 100;
// A kept map's name in a menu or list, in characters; longer names are cut
// and end in an ellipsis.
inline constexpr std::size_t ShownNameLength = 60;
// A stored file name longer than this (in bytes) names no file.
inline constexpr std::size_t StoredPathLength = 4096;

// Said once, the first time the kept maps or the history could not be
// written; the maps shown stay until the program closes.
inline constexpr const char* StoreFailedText =
    TAVRIN_TEXT("Core", "Kept maps and the history cannot be saved: the settings cannot be "
                        "written. The maps shown stay until the program is closed.");

// The map string a stored share code holds, when it is a map the tiles can
// take (a code without mistake, every rotation one a tile has); none for
// anything else.
std::optional<std::string> StoredMapOfCode(std::string_view code);

// `name` (UTF-8) as a menu shows it: whole up to ShownNameLength characters,
// else its first ShownNameLength - 1 and an ellipsis. Bytes that are no
// UTF-8 count as one character each and are left as they are.
std::string ShownName(std::string_view name);

struct TKeptMap {
    std::string Name;      // UTF-8, as the user gave it
    std::string MapString; // the 60 map-string bytes
    friend bool operator==(const TKeptMap&, const TKeptMap&) = default;
};

// The name a kept map takes: the one given (spaces around it dropped), else
// the map's seed naming ("Seed N, map k", empty when it has none), else its
// share code.
std::string KeptMapName(std::string_view given, std::string_view seedNaming,
                        std::string_view mapString);

// Keep Map: `map` joins the front of the list as stored now; the oldest past
// KeptMapLimit leaves.
void KeepMap(std::vector<TKeptMap>& stored, TKeptMap map);

// Remove Kept Map: the first entry equal to `map` leaves; when another door
// removed it already, nothing changes.
void RemoveKeptMap(std::vector<TKeptMap>& stored, const TKeptMap& map);

} // namespace tavrin
