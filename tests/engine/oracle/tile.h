#pragma once
// The tile record: a tile's fixed description (name, kind, clearings and
// roads) side by side with its place on the current map. Records hold no
// pointers and can be copied byte for byte; the field order is the record's
// layout and is kept as it is.

#include "checked.h"

#include <cstdint>
#include <string_view>
#include <type_traits>

namespace tavrin::oracle {

// A string of at most 20 single-byte characters with its length byte in front.
struct TShortString {
    std::uint8_t Length;
    char Chars[20];

    std::string_view View() const { return {Chars, Length}; }
    void Assign(std::string_view text);
};

// Kind of a road slot.
inline constexpr std::uint8_t RoadToClearing = 0; // to clearing Target of the same tile
inline constexpr std::uint8_t RoadToEdge = 1;     // out through the tile's own edge Edge

struct TRoad {
    bool Present;
    std::uint8_t RoadCategory; // kept with the catalogue, never consulted
    std::uint8_t Kind;
    std::uint8_t Target; // clearing 1..6 for RoadToClearing, else 0
    std::uint8_t Edge;   // tile edge 1..6 for RoadToEdge, else 0
};

using TRoadSet = CheckedArray<TRoad, 1, 5>;

struct TClearing {
    bool Present;
    std::uint8_t Category; // kept with the catalogue, never consulted
    std::uint8_t Grade;    // kept with the catalogue, never consulted
    TRoadSet RoadsA;       // in force while the tile is not flipped
    TRoadSet RoadsB;       // in force while the tile is flipped
};

struct TTile {
    TShortString Name;
    std::uint8_t Kind; // 0..3, what the acceptance test demands of the tile
    bool Flipped;
    bool Placed;
    CheckedArray<TClearing, 0, 6> Clearings; // slot 0 stays empty: no clearing
    CheckedArray<bool, 1, 6> Exits;          // edges with a road of RoadsA; derived once
    std::int32_t Col;
    std::int32_t Row;
    std::uint8_t Rotation; // 1..6 once a map exists; 0 before

    // The road set in force for this tile.
    const TRoadSet& Roads(int clearing) const {
        const TClearing& c = Clearings[clearing];
        return Flipped ? c.RoadsB : c.RoadsA;
    }
};

// A table kept with the catalogue that no operation reads.
struct TCharacter {
    TShortString Name;
    std::uint8_t Flag;
    std::uint8_t Entries[12][7];
    std::uint8_t Last;
};

static_assert(std::is_trivially_copyable_v<TRoad> && sizeof(TRoad) == 5);
static_assert(std::is_trivially_copyable_v<TClearing>);
static_assert(std::is_trivially_copyable_v<TTile>);
static_assert(std::is_trivially_copyable_v<TCharacter>);

} // namespace tavrin::oracle
