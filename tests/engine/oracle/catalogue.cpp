#include "catalogue.h"

#include <array>
#include <cstdint>

namespace tavrin::oracle {
namespace {

struct TTileRow {
    std::string_view Name;
    std::uint8_t Kind;
};

// clang-format off
constexpr CheckedArray<TTileRow, 1, TileCount> TileRows{{
    {"Ashen Hollow", 0}, {"Sour Hollow", 0}, {"Gloom Hollow", 0}, {"Dusk Hollow", 0},
    {"Grim Hollow", 0},  {"Birch Grove", 1}, {"Cedar Grove", 1},  {"Elm Grove", 1},
    {"Ash Grove", 1},    {"Yew Grove", 1},   {"March Land", 2},   {"Grotto", 2},
    {"Burrows", 2},      {"Steep Gap", 2},   {"Rubble", 2},       {"Scarp", 3},
    {"Tor", 3},          {"Thick Grove", 3}, {"Shelves", 3},      {"Summit", 3},
}};

// One row per present clearing. Roads in slot order: cN is a road to clearing
// N of the same tile, eN a road out through tile edge N, and a suffix /1 or /2
// the road's category. "same": the second road set equals the first.
struct TClearingRow {
    std::uint8_t Tile, Clearing, Category, Grade;
    std::string_view RoadsA, RoadsB;
};

constexpr TClearingRow ClearingRows[] = {
    {1, 1, 0, 3, "c4, e6", "same"},
    {1, 2, 0, 3, "c5, e5", "same"},
    {1, 4, 0, 3, "c1, e2, e3", "same"},
    {1, 5, 0, 3, "c2, e1", "same"},
    {2, 1, 0, 3, "c4, e3", "same"},
    {2, 2, 0, 3, "c5, e5", "same"},
    {2, 4, 0, 3, "c1, e1, e6", "same"},
    {2, 5, 0, 3, "c2, e2", "same"},
    {3, 1, 0, 3, "c4, e1", "same"},
    {3, 2, 0, 3, "c5, e6", "same"},
    {3, 4, 0, 3, "c1, e3, e5", "same"},
    {3, 5, 0, 3, "c2, e2", "same"},
    {4, 1, 0, 3, "c4, e2", "same"},
    {4, 2, 0, 3, "c5, e1", "same"},
    {4, 4, 0, 3, "c1, e5, e6", "same"},
    {4, 5, 0, 3, "c2, e3", "same"},
    {5, 1, 0, 3, "c4, e5", "same"},
    {5, 2, 0, 3, "c5, e6", "same"},
    {5, 4, 0, 3, "c1, e1, e2", "same"},
    {5, 5, 0, 3, "c2, e3", "same"},
    {6, 2, 0, 5, "c4, e3, e5", "e3, e5"},
    {6, 4, 0, 5, "c2, e6", "c5, e6"},
    {6, 5, 0, 5, "e1, e2", "c4, e1, e2"},
    {7, 2, 0, 5, "c4, e1, e2", "e1, e2"},
    {7, 4, 0, 5, "c2, e3", "c5, e3"},
    {7, 5, 0, 5, "e5, e6", "c4, e5, e6"},
    {8, 2, 0, 5, "c4, e1, e6", "e1, e6"},
    {8, 4, 0, 5, "c2, e2", "c5, e2"},
    {8, 5, 0, 5, "e3, e5", "c4, e3, e5"},
    {9, 2, 0, 5, "c4, e2, e3", "e2, e3"},
    {9, 4, 0, 5, "c2, e5", "c5, e5"},
    {9, 5, 0, 5, "e1, e6", "c4, e1, e6"},
    {10, 2, 0, 5, "c4, e5, e6", "e5, e6"},
    {10, 4, 0, 5, "c2, e1", "c5, e1"},
    {10, 5, 0, 5, "e2, e3", "c4, e2, e3"},
    {11, 1, 0, 3, "c6, e1, e5", "same"},
    {11, 2, 0, 5, "c3, e2, e4", "same"},
    {11, 3, 0, 5, "c2, c5, c6", "same"},
    {11, 4, 2, 4, "c5/2, c6, e3", "same"},
    {11, 5, 2, 4, "c3, c4/2, e6", "same"},
    {11, 6, 2, 6, "c1, c3, c4", "same"},
    {12, 1, 2, 4, "c3, c4/2, e2", "c2/2, c4, e2"},
    {12, 2, 2, 4, "c3, e1", "c6, e1"},
    {12, 3, 2, 4, "c1, c2, c5/2, c6", "c5, c6"},
    {12, 4, 2, 4, "c1/2, c5, c6", "c1, c5/2, c6"},
    {12, 5, 2, 4, "c3/2, c4, e6", "c3, c4/2, e6"},
    {12, 6, 2, 4, "c3, c4", "c2, c3, c4"},
    {13, 1, 2, 4, "c6, e3", "c6/2, c4, e3"},
    {13, 2, 2, 4, "c3/2, c4, e5", "c3, e5"},
    {13, 3, 2, 4, "c2/2, c5", "c2, c4"},
    {13, 4, 2, 4, "c2, c6", "c1, c3"},
    {13, 5, 2, 4, "c3, e6", "c6, e6"},
    {13, 6, 2, 4, "c1, c4", "c1/2, c5"},
    {14, 1, 1, 4, "c4, c5", "same"},
    {14, 2, 1, 4, "c4, e1", "same"},
    {14, 3, 2, 4, "c6, e2", "same"},
    {14, 4, 1, 4, "c1, c2", "same"},
    {14, 5, 1, 4, "c1, e4", "same"},
    {14, 6, 2, 4, "c3, e6", "same"},
    {15, 1, 0, 3, "c2, c4, c5/1, e6", "c2/1, c4/1, c5, e6"},
    {15, 2, 0, 3, "c1, e1, e2", "c1/1, e1, e2"},
    {15, 3, 0, 3, "c5, c6, e3", "c5, c6/2, e3"},
    {15, 4, 0, 3, "c1, c6", "c1/1, c6"},
    {15, 5, 0, 3, "c1/1, c3, e5", "c1, c3, e5"},
    {15, 6, 2, 3, "c3, c4", "c2/1, c3/2, c4, e2"},
    {16, 1, 1, 4, "c6, e6", "c5, e6"},
    {16, 2, 0, 4, "c3, c5/1, e5", "same"},
    {16, 3, 0, 4, "c2, c5, c6/2", "same"},
    {16, 4, 1, 4, "c6, e2", "same"},
    {16, 5, 0, 4, "c2/1, c3, e3", "same"},
    {16, 6, 1, 4, "c1, c3/2, c4", "same"},
    {17, 1, 1, 7, "c4, c6/2", "c4"},
    {17, 2, 1, 7, "c3, c5, e1/1", "c3, c5/1, e1"},
    {17, 3, 1, 7, "c2/1, c5, c6", "same"},
    {17, 4, 1, 7, "c1, c6", "c1, c5/2, c6"},
    {17, 5, 1, 7, "c2, c3", "c2, c3, c4/2"},
    {17, 6, 1, 7, "c1/2, c3, c4", "c3, c4"},
    {18, 1, 0, 5, "c4/1, c6, e1, e6", "c3, c4"},
    {18, 2, 0, 5, "c3, e2, e3", "c5, c6"},
    {18, 3, 0, 5, "c2, c5, c6/1", "c1, c4/1, c5, c6/1, e3"},
    {18, 4, 0, 5, "c1/1, c5, c6", "c1, c3/1, c6/1, e5, e6"},
    {18, 5, 0, 5, "c3, c4, e5", "c2, c3"},
    {18, 6, 0, 5, "c1, c3/1, c4", "c2, c3/1, c4/1, e1, e2"},
    {19, 1, 0, 4, "c3/1, c4, c6", "c3/1, c4"},
    {19, 2, 1, 4, "c5, e2", "same"},
    {19, 3, 0, 4, "c1/1, c6, e3/1", "c1/1, c6, e3"},
    {19, 4, 0, 4, "c1, c6/1, e1", "same"},
    {19, 5, 1, 4, "c2, e6", "same"},
    {19, 6, 0, 4, "c1, c3, c4/1", "c3, c4/1"},
    {20, 1, 1, 4, "c3", "c3, c4/2"},
    {20, 2, 0, 4, "c4, c5, e5", "same"},
    {20, 3, 1, 4, "c1, c6", "c1, c6/1"},
    {20, 4, 0, 4, "c2, c6/1, e1", "c1/2, c2, c6, e1"},
    {20, 5, 1, 4, "c2, c6, e3", "c2, c6/1, e2"},
    {20, 6, 1, 4, "c3, c4/1, c5", "same"},
};
// clang-format on

// Parses one road list of the table above into a road set. Used in constant
// evaluation, so a malformed entry stops the build.
constexpr TRoadSet ParseRoads(std::string_view text) {
    TRoadSet roads{};
    int slot = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char kind = text[i++];
        if ((kind != 'c' && kind != 'e') || i >= text.size())
            throw "malformed road";
        const int number = text[i++] - '0';
        if (number < 1 || number > 6)
            throw "road number outside 1..6";
        int category = 0;
        if (i < text.size() && text[i] == '/') {
            category = text[i + 1] - '0';
            i += 2;
        }
        if (i < text.size()) {
            if (text.substr(i, 2) != ", ")
                throw "roads are separated by a comma and a blank";
            i += 2;
        }
        TRoad& road = roads[++slot];
        road.Present = true;
        road.RoadCategory = static_cast<std::uint8_t>(category);
        road.Kind = kind == 'c' ? RoadToClearing : RoadToEdge;
        road.Target = kind == 'c' ? static_cast<std::uint8_t>(number) : 0;
        road.Edge = kind == 'e' ? static_cast<std::uint8_t>(number) : 0;
    }
    return roads;
}

struct TClearingRoads {
    TRoadSet A, B;
};

constexpr auto ParsedRoads = [] {
    std::array<TClearingRoads, std::size(ClearingRows)> parsed{};
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        parsed[i].A = ParseRoads(ClearingRows[i].RoadsA);
        parsed[i].B =
            ClearingRows[i].RoadsB == "same" ? parsed[i].A : ParseRoads(ClearingRows[i].RoadsB);
    }
    return parsed;
}();

constexpr bool RowsAreOrderedAndValid() {
    for (std::size_t i = 0; i < std::size(ClearingRows); ++i) {
        const TClearingRow& row = ClearingRows[i];
        if (row.Tile < 1 || row.Tile > TileCount || row.Clearing < 1 || row.Clearing > 6)
            return false;
        if (i > 0) {
            const TClearingRow& prev = ClearingRows[i - 1];
            if (row.Tile < prev.Tile || (row.Tile == prev.Tile && row.Clearing <= prev.Clearing))
                return false;
        }
    }
    return true;
}

static_assert(std::size(ClearingRows) == 95, "the catalogue has 95 clearings");
static_assert(RowsAreOrderedAndValid(), "rows run by tile, then clearing, each once");

// clang-format off
constexpr std::string_view CharacterNames[6] = {
    "Marauder", "Delver", "Iron Warden", "Marshal", "Huntress", "Duelist"};
constexpr std::uint8_t CharacterLast[6] = {3, 3, 2, 2, 2, 1};
// Twelve entries per character: five small numbers and two zero bytes each.
constexpr std::uint8_t CharacterEntry[12][5] = {
    {0, 1, 2, 3, 4}, {1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}, {3, 4, 5, 6, 0},
    {4, 5, 6, 0, 1}, {5, 6, 0, 1, 2}, {6, 0, 1, 2, 3}, {0, 2, 4, 6, 1},
    {1, 3, 5, 0, 2}, {2, 4, 6, 1, 3}, {3, 5, 0, 2, 4}, {4, 6, 1, 3, 5}};
// clang-format on

} // namespace

void TShortString::Assign(std::string_view text) {
    if (text.size() > sizeof(Chars))
        throw ERangeError();
    Length = static_cast<std::uint8_t>(text.size());
    for (std::size_t i = 0; i < sizeof(Chars); ++i)
        Chars[i] = i < text.size() ? text[i] : '\0';
}

void FillCatalogue(TMapState& state) {
    for (int t = 1; t <= TileCount; ++t) {
        state.Tiles[t].Name.Assign(TileRows[t].Name);
        state.Tiles[t].Kind = TileRows[t].Kind;
    }
    for (std::size_t i = 0; i < std::size(ClearingRows); ++i) {
        const TClearingRow& row = ClearingRows[i];
        TClearing& clearing = state.Tiles[row.Tile].Clearings[row.Clearing];
        clearing.Present = true;
        clearing.Category = row.Category;
        clearing.Grade = row.Grade;
        clearing.RoadsA = ParsedRoads[i].A;
        clearing.RoadsB = ParsedRoads[i].B;
    }
}

void FillCharacters(TMapState& state) {
    for (int c = 1; c <= 6; ++c) {
        TCharacter& character = state.Characters[c];
        character.Name.Assign(CharacterNames[c - 1]);
        character.Flag = 0;
        for (int e = 0; e < 12; ++e) {
            for (int b = 0; b < 5; ++b)
                character.Entries[e][b] = CharacterEntry[(e + c) % 12][b];
            character.Entries[e][5] = 0;
            character.Entries[e][6] = 0;
        }
        character.Last = CharacterLast[c - 1];
    }
}

} // namespace tavrin::oracle
