// Figures of the map code finder over many maps and texts, for the README
// and for any change to the share code: code lengths over 100,000 generated
// maps, a million texts of each kind that hold no map, the classic codes of
// a million seeds, and codes damaged every way people damage them. Not run
// by CTest (it takes minutes); run build/bin/map_code_measure. Prints the
// figures; exits with 1 when a law breaks.

#include "acceptance.h"
#include "map_code_text.h"
#include "map_state.h"
#include "map_string.h"
#include "share_code.h"
#include "share_code_payload.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <string>

namespace tavrin {
namespace {

int Broken = 0; // laws broken

void Law(bool kept, const std::string& what) {
    if (!kept && Broken++ < 20)
        std::printf("broken: %s\n", what.c_str());
}

std::size_t SymbolCount(const std::string& code) {
    return code.size() - static_cast<std::size_t>(std::count(code.begin(), code.end(), '-'));
}

void CodeLengthsOfGeneratedMaps() {
    constexpr int maps = 100000;
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, 2026);
    std::size_t least = 1000, most = 0, total = 0, mostDigits = 0;
    for (int i = 0; i < maps; ++i) {
        CreateMap(*state);
        const std::string map = MakeMapString(*state);
        const std::size_t symbols = SymbolCount(ShareCode(map));
        least = std::min(least, symbols), most = std::max(most, symbols), total += symbols;
        mostDigits =
            std::max(mostDigits, share_payload::ClusterDigits(map, false)->Base32(0).size());
    }
    std::printf("share code symbols over %d generated maps: min %zu, mean %.2f, max %zu; "
                "the largest needs %zu of its 32 payload symbols\n",
                maps, least, static_cast<double>(total) / maps, most, mostDigits);
    Law(most <= GeneratedShareCodeSymbols, "a generated map's code takes at most 36 symbols");
}

// A million of each kind of text that holds no map.
void TextsThatHoldNoMap() {
    constexpr int count = 1000000;
    std::mt19937_64 random(29);
    const auto pick = [&random](std::string_view alphabet, std::size_t size) {
        std::string word;
        for (std::size_t i = 0; i < size; ++i)
            word += alphabet[random() % alphabet.size()];
        return word;
    };
    constexpr std::string_view hex = "0123456789abcdef";
    constexpr std::string_view digits = "0123456789";
    constexpr std::string_view alnum =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr std::string_view base32 = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    const char* const words[] = {"File",   "Alteration", "Monitor", "Map",    "Code",  "Tile",
                                 "Stream", "Buffer",     "Reader",  "Writer", "Async", "Http",
                                 "Json",   "Config",     "Manager", "Factory"};
    const std::size_t codeLengths[] = {36, 42, 80, 104};
    const struct {
        const char* name;
        std::function<std::string()> make;
    } kinds[] = {
        {"md5 hashes", [&] { return pick(hex, 32); }},
        {"sha-1 hashes", [&] { return pick(hex, 40); }},
        {"sha-256 hashes", [&] { return pick(hex, 64); }},
        {"12-20 digit numbers", [&] { return pick(digits, 12 + random() % 9); }},
        {"phone numbers",
         [&] {
             return "+" + pick(digits, 1) + " (" + pick(digits, 3) + ") " + pick(digits, 3) + "-" +
                    pick(digits, 4);
         }},
        {"identifiers",
         [&] {
             std::string id;
             for (int w = 2 + static_cast<int>(random() % 4); w > 0; --w)
                 id += words[random() % std::size(words)];
             return id;
         }},
        {"tokens of 20-40 letters and digits", [&] { return pick(alnum, 20 + random() % 21); }},
        {"base-32 words of a code's length",
         [&] { return pick(base32, codeLengths[random() % 4]); }},
        {"the same, grouped as a code",
         [&] { return GroupShareSymbols(pick(base32, codeLengths[random() % 4])); }},
        {"grouped as codes of the earlier form",
         [&] { return GroupShareSymbols(pick(base32, 27 + random() % 9)); }},
    };
    for (const auto& kind : kinds) {
        int found = 0;
        for (int i = 0; i < count; ++i)
            found += FindMapCode(kind.make()).Found ? 1 : 0;
        std::printf("%-36s %d of %d read as a map\n", kind.name, found, count);
        Law(found == 0, kind.name);
    }
}

void ClassicCodesOfAMillionSeeds() {
    constexpr std::uint32_t seeds = 1000000;
    auto state = std::make_unique<TMapState>();
    std::uint32_t wrong = 0;
    for (std::uint32_t seed = 0; seed < seeds; ++seed) {
        InitTiles(*state, seed);
        CreateMap(*state);
        const std::string map = MakeMapString(*state);
        const TMapCodeSearch search = FindMapCode(map);
        const bool itself = search.Found && search.Found->Form == TMapCodeForm::MapString &&
                            search.Found->MapString == map;
        wrong += itself ? 0 : 1;
        Law(itself, "the classic code of seed " + std::to_string(seed));
    }
    std::printf("classic codes of seeds 0..%u read as something else: %u\n", seeds - 1, wrong);
}

// Codes damaged as people damage them: wrapped at a hyphen or inside a group
// by a line break or a blank, two characters swapped, one left out or typed
// twice, one or two look-alike characters. None may open another map.
void DamagedCodesOpenNoOtherMap() {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, 379818);
    const std::pair<char, char> lookAlikes[] = {{'5', 'S'}, {'S', '5'}, {'2', 'Z'}, {'Z', '2'},
                                                {'8', 'B'}, {'B', '8'}, {'6', 'G'}, {'G', '6'},
                                                {'V', 'U'}, {'0', 'D'}, {'D', '0'}, {'1', '7'},
                                                {'7', '1'}, {'Q', '0'}, {'9', 'G'}, {'N', 'M'}};
    long tried = 0, otherMaps = 0, readWhole = 0;
    for (int m = 0; m < 2000; ++m) {
        CreateMap(*state);
        const std::string map = MakeMapString(*state);
        const std::string code = ShareCode(map);
        const auto judge = [&](const std::string& damaged) {
            ++tried;
            const TMapCodeSearch search = FindMapCode(damaged);
            if (search.Found && search.Found->MapString != map) {
                ++otherMaps;
                Law(false, "damaged code " + damaged);
            }
            readWhole += search.Found ? 1 : 0;
        };
        for (std::size_t i = 1; i < code.size(); ++i) {
            for (const char* cut : {"\n", " ", "\r\n"}) {
                judge(code.substr(0, i) + cut + code.substr(i));
                judge("x " + code.substr(0, i) + cut + code.substr(i) + " y");
            }
            judge(std::string(code).erase(i, 1));
            judge(std::string(code).insert(i, 1, code[i - 1]));
            for (std::size_t j = i + 1; j < code.size(); ++j)
                if (code[i] != code[j])
                    judge([&] {
                        std::string s = code;
                        std::swap(s[i], s[j]);
                        return s;
                    }());
            for (const auto& [from, to] : lookAlikes) {
                if (code[i] != from)
                    continue;
                std::string once = code;
                once[i] = to;
                judge(once);
                for (std::size_t j = i + 1; j < code.size(); ++j)
                    for (const auto& [from2, to2] : lookAlikes)
                        if (once[j] == from2) {
                            std::string twice = once;
                            twice[j] = to2;
                            judge(twice);
                        }
            }
        }
    }
    std::printf("damaged codes: %ld tried, %ld opened another map, %ld read as their own map\n",
                tried, otherMaps, readWhole);
}

} // namespace
} // namespace tavrin

int main() {
    tavrin::CodeLengthsOfGeneratedMaps();
    tavrin::TextsThatHoldNoMap();
    tavrin::ClassicCodesOfAMillionSeeds();
    tavrin::DamagedCodesOpenNoOtherMap();
    return tavrin::Broken == 0 ? 0 : 1;
}
