// What every door reads back of the maps it stored: the maps that read,
// names cut for menus, and lists kept to their limit.

#include "share_code.h"
#include "stored_maps.h"

#include <gtest/gtest.h>

namespace {

std::string MapWithRotation(char rotation) {
    std::string map;
    for (int tile = 0; tile < 20; ++tile)
        map += std::string("ab") + rotation;
    return map;
}

TEST(StoredMaps, OnlyCodesOfMapsTheTilesTakeRead) {
    const std::string map = MapWithRotation('j');
    EXPECT_EQ(tavrin::StoredMapOfCode(tavrin::ShareCode(map)), map);
    EXPECT_EQ(tavrin::StoredMapOfCode(tavrin::ShareCode(MapWithRotation('k'))), std::nullopt);
    EXPECT_EQ(tavrin::StoredMapOfCode(tavrin::ShareCode(MapWithRotation('d'))), std::nullopt);
    EXPECT_EQ(tavrin::StoredMapOfCode("not a code"), std::nullopt);
    EXPECT_EQ(tavrin::StoredMapOfCode(std::string(1000000, '7')), std::nullopt);
}

TEST(StoredMaps, NamesAreCutForMenusByCharacter) {
    const std::string sixty(60, 'n');
    EXPECT_EQ(tavrin::ShownName(sixty), sixty);
    EXPECT_EQ(tavrin::ShownName(sixty + "n"), std::string(59, 'n') + "\u2026");
    // Two-byte characters are never split; stray bytes count one each.
    std::string umlauts;
    for (int i = 0; i < 70; ++i)
        umlauts += "\u00e4";
    std::string cut;
    for (int i = 0; i < 59; ++i)
        cut += "\u00e4";
    EXPECT_EQ(tavrin::ShownName(umlauts), cut + "\u2026");
    EXPECT_EQ(tavrin::ShownName(std::string(61, '\xff')), std::string(59, '\xff') + "\u2026");
}

TEST(StoredMaps, KeepingStaysWithinTheLimitAndRemovingTwiceIsHarmless) {
    std::vector<tavrin::TKeptMap> kept;
    for (std::size_t i = 0; i <= tavrin::KeptMapLimit; ++i)
        tavrin::KeepMap(kept, {std::to_string(i), MapWithRotation('e')});
    ASSERT_EQ(kept.size(), tavrin::KeptMapLimit);
    EXPECT_EQ(kept.front().Name, std::to_string(tavrin::KeptMapLimit));
    EXPECT_EQ(kept.back().Name, "1");
    const tavrin::TKeptMap newest = kept.front();
    tavrin::RemoveKeptMap(kept, newest);
    tavrin::RemoveKeptMap(kept, newest);
    EXPECT_EQ(kept.size(), tavrin::KeptMapLimit - 1);
}

} // namespace
