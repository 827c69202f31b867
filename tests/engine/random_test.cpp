// The generator's outputs are pinned: maps are reproduced seed for seed by
// other implementations, so any change to the formula must break these.

#include "random.h"

#include <gtest/gtest.h>
#include <vector>

using tavrin::TRandom;

namespace {

std::vector<std::uint32_t> Draws(std::uint32_t seed, std::vector<std::uint32_t> bounds) {
    TRandom random{seed};
    std::vector<std::uint32_t> out;
    for (std::uint32_t n : bounds)
        out.push_back(random.Draw(n));
    return out;
}

} // namespace

TEST(Random, FirstDrawsForPinnedSeeds) {
    EXPECT_EQ(Draws(0, {6, 20, 20, 20, 20}), (std::vector<std::uint32_t>{0, 0, 17, 4, 5}));
    EXPECT_EQ(Draws(1, {100, 100, 100}), (std::vector<std::uint32_t>{3, 86, 20}));
    EXPECT_EQ(Draws(12345, {6, 20, 36, 20}), (std::vector<std::uint32_t>{2, 5, 2, 11}));
    EXPECT_EQ(Draws(86399999, {6, 6, 6}), (std::vector<std::uint32_t>{4, 5, 2}));
}

TEST(Random, SeedStepsModulo32BitsWhateverTheBound) {
    TRandom random{0xffffffffu};
    EXPECT_EQ(random.Draw(0xffffffffu), 4160191483u);
    EXPECT_EQ(random.Seed, 4160191484u);
    random.Seed = 1;
    random.Draw(1);
    EXPECT_EQ(random.Seed, 134775814u);
}

TEST(Random, ClockSeedIsMillisecondsSinceMidnight) {
    EXPECT_LT(tavrin::ClockSeed(), 86400000u);
}
