#pragma once
// Pins as a user writes them for tavrin-cli generate --pin: a comma-separated
// list of TILE:COL/ROW/ROT, the tile by number, by its name as the tile
// listing writes it ("March Land") or by its token ("MarchLand"), and the
// column, row and rotation as the listing gives them ("March Land:0/0/3").
// Every mistake is refused in one line before any map is made.

#include "errors.h"
#include "layout_completion.h"
#include "map_criteria.h"
#include "map_state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

struct TPin {
    int Tile = 0;
    std::int32_t Col = 0;
    std::int32_t Row = 0;
    int Rotation = 1;
    friend bool operator==(const TPin&, const TPin&) = default;
};

// The pins of `text`, in the order given. Raises ETavrinError with one line
// for an entry that is not TILE:COL/ROW/ROT, a tile that names none or is
// pinned twice, a column or row outside -100..155 (a map string's range), a
// rotation outside 1..6, or two pins in one cell.
std::vector<TPin> ParsePins(std::string_view text);

// Lays the pinned tiles on `state` and lifts every other; the set of the pinned.
TTileSet LayPins(TMapState& state, const std::vector<TPin>& pins);

// How many completions tavrin-cli generate --pin --where tries for one map.
inline constexpr std::int64_t PinnedSearchLimit = 10000;

struct TPinnedMap {
    bool Found = false;
    std::int64_t Completions = 0; // completions tried; when found, the last is the map
    std::string Sentence;         // why none was found
};

// Completes the pinned layout with the seeds `seed`, `seed` + 1, ... until
// the map meets `criteria` (the first completion, when there are none), for
// at most PinnedSearchLimit completions. When one is found the state holds
// it; otherwise the pinned tiles only.
TPinnedMap CompletePinned(TMapState& state, const std::vector<TPin>& pins, std::uint32_t seed,
                          const TCriteria& criteria);

} // namespace tavrin
