#include "map_string.h"

#include "edge.h"
#include "translatable.h"

namespace tavrin {
namespace {

constexpr int CodeBias = 100;
constexpr std::size_t MessageLimit = 100;

char Encode(std::int32_t value) {
    // Only the low 8 bits of the checked sum make the character.
    return static_cast<char>(static_cast<std::uint8_t>(CheckedAdd(value, CodeBias) & 0xff));
}

int Decode(char c) {
    return static_cast<int>(static_cast<unsigned char>(c)) - CodeBias;
}

} // namespace

std::string MakeMapString(const TMapState& state) {
    std::string text;
    text.reserve(MapStringLength);
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = state.Tiles[t];
        text += Encode(tile.Col);
        text += Encode(tile.Row);
        text += Encode(tile.Rotation);
    }
    return text;
}

std::string MapStringNotValidMessage(std::string_view text) {
    std::string shown(text.substr(0, MessageLimit));
    if (text.size() > MessageLimit)
        shown += "...";
    return FillText(TAVRIN_TEXT("Core", "Internal Error: mapstring not valid=%1"), {shown});
}

bool ReadMapString(TMapState& state, std::string_view text) {
    if (text.size() != MapStringLength) {
        state.ShowMessage(MapStringNotValidMessage(text));
        return false;
    }
    // Every rotation is checked before any tile is written, so a bad string
    // leaves the map in memory whole.
    CheckedArray<std::uint8_t, 1, TileCount> rotations;
    for (int t = 1; t <= TileCount; ++t)
        rotations[t] = static_cast<std::uint8_t>(RotationFrom(Decode(text[3 * t - 1])).Number());
    for (int t = 1; t <= TileCount; ++t) {
        TTile& tile = state.Tiles[t];
        tile.Col = Decode(text[3 * t - 3]);
        tile.Row = Decode(text[3 * t - 2]);
        tile.Rotation = rotations[t];
    }
    return true;
}

} // namespace tavrin
