#include "stored_maps.h"

#include "map_string.h"
#include "share_code.h"

#include <algorithm>

namespace tavrin {

namespace {

// Rotation codes 101..106, as the map string writes them.
constexpr char FirstRotation = 'e';
constexpr char LastRotation = 'j';

// The length of the UTF-8 sequence starting at `text[at]`; 1 for a byte
// that starts none, so that any bytes are walked one character at a time.
std::size_t CharacterBytes(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (at + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

} // namespace

std::optional<std::string> StoredMapOfCode(std::string_view code) {
    // A stored code is never longer than a share code; a longer text is not
    // worth decoding.
    if (code.size() > MaxShareCodeChars)
        return std::nullopt;
    std::string map;
    try {
        map = MapStringOfShareCode(code);
    } catch (const EShareCodeMistake&) {
        return std::nullopt;
    }
    if (map.size() != MapStringLength)
        return std::nullopt;
    for (std::size_t r = 2; r < map.size(); r += 3)
        if (map[r] < FirstRotation || map[r] > LastRotation)
            return std::nullopt;
    return map;
}

std::string ShownName(std::string_view name) {
    std::size_t characters = 0;
    std::size_t cut = 0; // where the ellipsis goes, should one be needed
    for (std::size_t at = 0; at < name.size(); at += CharacterBytes(name, at)) {
        if (++characters == ShownNameLength)
            cut = at;
        if (characters > ShownNameLength)
            return std::string(name.substr(0, cut)) + "\u2026";
    }
    return std::string(name);
}

std::string KeptMapName(std::string_view given, std::string_view seedNaming,
                        std::string_view mapString) {
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!given.empty() && space(given.front()))
        given.remove_prefix(1);
    while (!given.empty() && space(given.back()))
        given.remove_suffix(1);
    if (!given.empty())
        return std::string(given);
    if (!seedNaming.empty())
        return std::string(seedNaming);
    return ShareCode(mapString);
}

void KeepMap(std::vector<TKeptMap>& stored, TKeptMap map) {
    stored.insert(stored.begin(), std::move(map));
    if (stored.size() > KeptMapLimit)
        stored.resize(KeptMapLimit);
}

void RemoveKeptMap(std::vector<TKeptMap>& stored, const TKeptMap& map) {
    const auto found = std::find(stored.begin(), stored.end(), map);
    if (found != stored.end())
        stored.erase(found);
}

} // namespace tavrin
