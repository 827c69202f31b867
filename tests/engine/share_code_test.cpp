// The share code: every map reads back byte for byte, generated maps stay
// short, and no single wrong symbol or swap of neighbours passes the check.

#include "acceptance.h"
#include "map_string.h"
#include "share_code.h"
#include "test_state.h"

#include <algorithm>
#include <gtest/gtest.h>

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

TEST(ShareCode, GeneratedMapsReadBackWithinFortySymbols) {
    for (const std::string& map : GeneratedMaps(2026, 400)) {
        const std::string code = ShareCode(map);
        EXPECT_EQ(MapStringOfShareCode(code), map) << code;
        EXPECT_LE(SymbolCount(code), 40u) << code;
        for (const char c : code)
            EXPECT_TRUE(c == '-' || ShareCodeAlphabet.find(c) != std::string_view::npos) << code;
    }
}

// A generated map moved two columns over (parity kept, so it stays one
// cluster), spread out, stacked, at the ends of the byte range, and holding
// rotations no tile can take: each reads back as it was.
TEST(ShareCode, OddMapsReadBack) {
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
        std::size_t maxSymbols;
    } rows[] = {
        {"moved cluster", moved, 40},       {"spread", spread, 80},
        {"stacked", stacked, 80},           {"byte extremes", extremes, 80},
        {"no rotations", noRotations, 100},
    };
    for (const auto& row : rows) {
        const std::string code = ShareCode(row.map);
        EXPECT_EQ(MapStringOfShareCode(code), row.map) << row.name;
        EXPECT_LE(SymbolCount(code), row.maxSymbols) << row.name;
    }
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

// The law the check is built for, over every position of a few codes: each
// of the 31 other symbols in each place, and each swap of two different
// neighbours, is refused; so is a symbol typed over a hyphen or swapped
// with one.
TEST(ShareCode, RefusesEveryWrongSymbolAndEveryNeighbourSwap) {
    std::vector<std::string> maps = GeneratedMaps(99, 4);
    maps.push_back(std::string(20, 'd') + std::string(40, 'e'));
    for (const std::string& map : maps) {
        const std::string symbols = ShareCodeSymbols(map);
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            for (const char other : ShareCodeAlphabet) {
                if (other == symbols[i])
                    continue;
                std::string wrong = symbols;
                wrong[i] = other;
                EXPECT_THROW(MapStringOfShareCode(wrong), EShareCodeMistake) << wrong;
            }
            if (i + 1 < symbols.size() && symbols[i] != symbols[i + 1]) {
                std::string swapped = symbols;
                std::swap(swapped[i], swapped[i + 1]);
                EXPECT_THROW(MapStringOfShareCode(swapped), EShareCodeMistake) << swapped;
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
    for (const char* text : {"", "U", "1234-5678-9ABC", "7KQ2-M9XD-!ABC", "-----"})
        EXPECT_THROW(MapStringOfShareCode(text), EShareCodeMistake) << text;
}

} // namespace
} // namespace tavrin
