// Finding a map in pasted text: every form, with words around it, and what
// is answered when nothing, or only a mistaken code, is there.

#include "map_code_text.h"
#include "share_code.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

// The first map of seed 7, as `tavrin-cli generate --seed 7` prints it.
const std::string Seed7 = "dbhdffefjdgfedheejcbhdefgcggdjddfhdjebedcefdgeahecifeecdffch";

TEST(MapCodeText, FindsEveryFormWithWordsAround) {
    const std::string code = ShareCode(Seed7);
    std::string wrong = code;
    wrong[3] = wrong[3] == 'A' ? 'B' : 'A';
    std::string badRotation = Seed7;
    badRotation[14] = 'k';
    std::string oddBytes = Seed7;
    oddBytes[4] = ' ';
    oddBytes[3] = '\\';
    const auto map = [](TMapCodeForm form, std::string s) {
        return std::optional<TFoundMapCode>(TFoundMapCode{form, std::move(s), {}});
    };
    const auto seed = [](std::uint32_t n, std::int64_t k) {
        return std::optional<TFoundMapCode>(TFoundMapCode{TMapCodeForm::Seed, {}, {n, k}});
    };
    const struct {
        const char* name;
        std::string text;
        std::optional<TFoundMapCode> found;
        bool mistake;
    } rows[] = {
        {"share code", code, map(TMapCodeForm::ShareCode, Seed7), false},
        {"share code in a sentence", "Try this one: " + code + ", it is great!",
         map(TMapCodeForm::ShareCode, Seed7), false},
        {"link", "open tavrin:" + code + " now", map(TMapCodeForm::Link, Seed7), false},
        {"link with slashes", "tavrin://" + code, map(TMapCodeForm::Link, Seed7), false},
        {"map string", Seed7, map(TMapCodeForm::MapString, Seed7), false},
        {"map string in quotes", "code \"" + Seed7 + "\".", map(TMapCodeForm::MapString, Seed7),
         false},
        {"map string of odd bytes, alone", "\t" + oddBytes + "\r\n",
         map(TMapCodeForm::MapString, oddBytes), false},
        {"map string with a bad rotation, alone", badRotation,
         map(TMapCodeForm::MapString, badRotation), false},
        {"map string with a bad rotation, among words", "x " + badRotation, std::nullopt, false},
        {"seed", "look at seed 7", seed(7, 1), false},
        {"the status bar's naming", "Seed 12345, map 3", seed(12345, 3), false},
        {"seed slash", "seed: 42/9", seed(42, 9), false},
        {"number slash number", "play 4294967295/2 tonight", seed(4294967295u, 2), false},
        {"link before the seed", "seed 3 or tavrin:" + code, map(TMapCodeForm::Link, Seed7), false},
        {"a date is no seed", "on 12/25/2026", std::nullopt, false},
        {"a seed too large", "seed 4294967296", std::nullopt, false},
        {"a map number too large", "5/100001", std::nullopt, false},
        {"mistaken code", "here: " + wrong, std::nullopt, true},
        {"mistaken link", "tavrin:" + wrong, std::nullopt, true},
        {"plain words", "hello world, internationalisation", std::nullopt, false},
        {"empty", "", std::nullopt, false},
    };
    for (const auto& row : rows) {
        const TMapCodeSearch search = FindMapCode(row.text);
        EXPECT_EQ(search.Found, row.found) << row.name;
        if (!row.found) {
            EXPECT_EQ(search.Mistake, row.mistake) << row.name;
        }
    }
}

TEST(MapCodeText, SeedMapsAreThoseOfTheGenerator) {
    EXPECT_EQ(MapStringOfSeed({7, 1}), Seed7);
    EXPECT_NE(MapStringOfSeed({7, 2}), Seed7);
}

} // namespace
} // namespace tavrin
