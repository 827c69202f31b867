// The share code: every map reads back byte for byte in a code whose length
// tells its form, and no two wrong symbols, no swap, no symbol left out or
// typed twice passes the check.

#include "acceptance.h"
#include "map_string.h"
#include "old_share_code.h"
#include "share_code.h"
#include "test_state.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace tavrin {
namespace {

std::vector<std::string> GeneratedMaps(std::uint32_t seed, int count) {
    auto state = test::FreshState(seed);
    std::vector<std::string> maps;
    for (int i = 0; i < count; ++i) {
        CreateMap(*state);
        maps.push_back(MakeMapString(*state));
    }
    return maps;
}

std::size_t SymbolCount(const std::string& code) {
    return code.size() - static_cast<std::size_t>(std::count(code.begin(), code.end(), '-'));
}

TEST(ShareCode, GeneratedMapsReadBackInThirtySixSymbols) {
    for (const std::string& map : GeneratedMaps(2026, 400)) {
        const std::string code = ShareCode(map);
        EXPECT_EQ(MapStringOfShareCode(code), map) << code;
        EXPECT_EQ(SymbolCount(code), GeneratedShareCodeSymbols) << code;
        for (const char c : code)
            EXPECT_TRUE(c == '-' || ShareCodeAlphabet.find(c) != std::string_view::npos) << code;
    }
}

// A generated map moved two columns over (parity kept, so it stays one
// cluster), spread out, stacked, at the ends of the byte range, and holding
// rotations no tile can take: each reads back as it was, in its form's
// length.
TEST(ShareCode, OddMapsReadBackInTheirFormsLength) {
    const std::string generated = GeneratedMaps(7, 1).front();
    std::string moved = generated;
    for (std::size_t i = 0; i < moved.size(); i += 3)
        moved[i] = static_cast<char>(moved[i] + 2);
    std::string spread, stacked, extremes, noRotations;
    for (int t = 0; t < 20; ++t) {
        spread += {static_cast<char>(100 + 4 * t), static_cast<char>(90 - 3 * t), 'e'};
        stacked += "ddj";
        extremes += {static_cast<char>(t % 2 ? 0 : 255), static_cast<char>(t % 2 ? 13 : 26), 'f'};
        noRotations += {'d', 'd', static_cast<char>(t == 0 ? 0 : 'd')};
    }
    const struct {
        const char* name;
        std::string map;
        std::size_t symbols;
    } rows[] = {
        {"moved cluster", moved, 42},       {"spread", spread, 80},
        {"stacked", stacked, 80},           {"byte extremes", extremes, 80},
        {"no rotations", noRotations, 104},
    };
    for (const auto& row : rows) {
        const std::string code = ShareCode(row.map);
        EXPECT_EQ(MapStringOfShareCode(code), row.map) << row.name;
        EXPECT_EQ(SymbolCount(code), row.symbols) << row.name;
        EXPECT_LE(code.size(), MaxShareCodeChars) << row.name;
    }
}

// Pins ride four symbols more in every form; the same map without pins
// keeps the code it always had, and no pinned code reads as another.
TEST(ShareCode, PinsReadBackWithTheirMapInFourSymbolsMore) {
    EXPECT_EQ(ShareCode(GeneratedMaps(12345, 1).front()),
              "EHPG-50N5-EWD4-1BQN-AP46-PCQX-P4CH-7084-0N77");
    std::string spread, noRotations;
    for (int t = 0; t < 20; ++t) {
        spread += {static_cast<char>(100 + 4 * t), static_cast<char>(90 - 3 * t), 'e'};
        noRotations += {'d', 'd', static_cast<char>(t == 0 ? 0 : 'd')};
    }
    std::vector<std::string> maps = GeneratedMaps(40, 30);
    maps.push_back(spread);
    maps.push_back(noRotations);
    std::mt19937 random(3);
    for (const std::string& map : maps) {
        for (const TPinMask pins :
             {TPinMask{1u << 11}, AllPins, static_cast<TPinMask>(random() & AllPins) | 2u}) {
            const std::string code = ShareCode(map, pins);
            EXPECT_EQ(SymbolCount(code), SymbolCount(ShareCode(map)) + 4) << code;
            EXPECT_LE(code.size(), MaxShareCodeChars) << code;
            EXPECT_EQ(ReadPinnedShareCode(code), (TSharedMap{map, pins})) << code;
            EXPECT_EQ(ReadShareCode(code), map) << code;
            std::string wrong = ShareCodeSymbols(map, pins);
            wrong[wrong.size() / 2] = wrong[wrong.size() / 2] == '7' ? '8' : '7';
            EXPECT_FALSE(ReadPinnedShareCode(wrong)) << wrong;
        }
        EXPECT_EQ(ReadPinnedShareCode(ShareCode(map)), (TSharedMap{map, 0}));
    }
    EXPECT_THROW(ShareCode(maps.front(), 1u), ERangeError); // bit 0 names no tile
}

TEST(ShareCode, ReadsEitherCaseWithoutHyphensAndCrockfordLookAlikes) {
    const std::string map = GeneratedMaps(11, 1).front();
    const std::string code = ShareCode(map);
    std::string typed;
    for (const char c : code)
        if (c != '-')
            typed += c == '0' ? 'o' : c == '1' ? 'l' : static_cast<char>(std::tolower(c));
    EXPECT_EQ(MapStringOfShareCode(typed), map);
    EXPECT_EQ(ShareLink(map), "tavrin:" + code);
}

// The laws the check is built for, over every position of a few codes: each
// other symbol in each place, any two symbols changed, any two different
// symbols swapped however far apart, any symbol left out or typed twice;
// a symbol typed over a hyphen or swapped with one.
TEST(ShareCode, RefusesTwoWrongSymbolsAnySwapAndAnyMissingOrExtraSymbol) {
    std::vector<std::string> maps = GeneratedMaps(99, 3);
    maps.push_back(std::string(20, 'd') + std::string(40, 'e'));
    std::mt19937 random(5);
    const auto otherThan = [&random](char c) {
        char other = c;
        while (other == c)
            other = ShareCodeAlphabet[random() % ShareCodeAlphabet.size()];
        return other;
    };
    for (const std::string& map : maps) {
        const std::string symbols = ShareCodeSymbols(map);
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            for (const char other : ShareCodeAlphabet) {
                std::string wrong = symbols;
                wrong[i] = other;
                if (other != symbols[i]) {
                    EXPECT_FALSE(ReadShareCode(wrong)) << wrong;
                }
                wrong.insert(i, 1, other);
                EXPECT_FALSE(ReadShareCode(wrong)) << wrong;
            }
            EXPECT_FALSE(ReadShareCode(std::string(symbols).erase(i, 1))) << i;
            for (std::size_t j = i + 1; j < symbols.size(); ++j) {
                std::string two = symbols;
                two[i] = otherThan(two[i]);
                two[j] = otherThan(two[j]);
                EXPECT_FALSE(ReadShareCode(two)) << two;
                if (symbols[i] == symbols[j])
                    continue;
                std::string swapped = symbols;
                std::swap(swapped[i], swapped[j]);
                EXPECT_FALSE(ReadShareCode(swapped)) << swapped;
            }
        }
        const std::string code = ShareCode(map);
        for (std::size_t i = 0; i < code.size(); ++i) {
            if (code[i] != '-')
                continue;
            std::string typedOver = code;
            typedOver[i] = 'A';
            EXPECT_THROW(MapStringOfShareCode(typedOver), EShareCodeMistake) << typedOver;
            std::string moved = code;
            std::swap(moved[i], moved[i + 1]);
            EXPECT_THROW(MapStringOfShareCode(moved), EShareCodeMistake) << moved;
        }
    }
}

TEST(ShareCode, RefusesWhatIsNoCode) {
    for (const char* text : {"", "U", "1234-5678-9ABC", "7KQ2-M9XD-!ABC", "-----",
                             "000000000000000000000000000000000000"})
        EXPECT_THROW(MapStringOfShareCode(text), EShareCodeMistake) << text;
}

// Codes written before the check grew still read: any map from where the
// program stored them (kept maps, history), with or without hyphens; the
// map of one pinned code is that of seed 12345. (Text reads only those of
// generated maps: map_code_text_test.)
TEST(ShareCode, CodesOfTheEarlierFormStillRead) {
    const std::string pinned = "M7RFC-5GAJ-FFQA-AA1X-MVQE-F66D-ZWEX";
    EXPECT_EQ(MapStringOfShareCode(pinned), GeneratedMaps(12345, 1).front());
    std::vector<std::string> maps = GeneratedMaps(31, 50);
    std::string moved = maps.front();
    for (std::size_t i = 0; i < moved.size(); i += 3)
        moved[i] = static_cast<char>(moved[i] + 2);
    maps.push_back(moved);
    for (const std::string& map : maps) {
        const std::string old = OldShareCode(map);
        EXPECT_EQ(MapStringOfShareCode(old), map) << old;
        EXPECT_FALSE(ReadShareCode(old)) << old;
        std::string ungrouped = old;
        std::erase(ungrouped, '-');
        EXPECT_EQ(MapStringOfOldShareCode(ungrouped), map) << old;
        EXPECT_EQ(MadeLikeAGeneratedMap(map), map != moved) << old;
    }
}

} // namespace
} // namespace tavrin
