// The web page's session: maps named by seed and number as tavrin-cli makes
// them, and refused commands that leave the map shown as it was.

#include "acceptance.h"
#include "map_string.h"
#include "page_session.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace tavrin::web {
namespace {

// The first `count` maps of a seed, as `tavrin-cli generate` prints them.
std::vector<std::string> SeedMaps(std::uint32_t seed, int count) {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, seed);
    std::vector<std::string> maps;
    for (int k = 0; k < count; ++k) {
        tavrin::CreateMap(*state);
        maps.push_back(MakeMapString(*state));
    }
    return maps;
}

std::string RefusalOf(auto command) {
    try {
        command();
    } catch (const TRefusal& refusal) {
        return refusal.Text;
    }
    return "(not refused)";
}

TEST(PageSession, MapOfASeedGoesOnWithThatSeedsSequence) {
    const auto maps = SeedMaps(12345, 3);
    TPageSession session;
    const TPageMap second = session.MapOfSeed(12345, 2);
    EXPECT_EQ(second.MapString, maps[1]);
    const TPageMap third = session.CreateMap();
    EXPECT_EQ(third.MapString, maps[2]);
    EXPECT_EQ(third.Seed, 12345u);
    EXPECT_EQ(third.Number, 3);
}

TEST(PageSession, RefusedCodesKeepTheMapShown) {
    TPageSession session;
    const std::string shown = session.MapOfSeed(7, 1).MapString;
    std::u32string badRotation(60, U'e');
    badRotation[2] = U'a';
    const struct {
        std::u32string Code;
        std::string Text;
    } rows[] = {
        {U" \tabc\r\n", "The clipboard holds no map code"},
        {U"\u20ac" + std::u32string(59, U'e'), "The clipboard holds no map code"},
        {badRotation, "Range check error."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RefusalOf([&] { session.PasteCode(row.Code); }), row.Text);
        EXPECT_EQ(session.MapString(), shown);
    }
    // A pasted map is read as a loaded one: every tile placed, no seed; its
    // share code reads back as the same map.
    const std::u32string code(shown.begin(), shown.end());
    const TPageMap pasted = session.PasteCode(U"here: " + code + U" ");
    EXPECT_EQ(pasted.MapString, shown);
    EXPECT_FALSE(pasted.Seed.has_value());
    const std::u32string share(pasted.ShareCode.begin(), pasted.ShareCode.end());
    EXPECT_EQ(session.PasteCode(share).MapString, shown);
    for (const std::int64_t number : {0, 100001})
        EXPECT_EQ(RefusalOf([&] { session.MapOfSeed(1, number); }), MapNumberText);
}

TEST(PageSession, SearchGoesOnFromTheMapShownAndNamesWhatItFinds) {
    TPageSession session;
    session.MapOfSeed(12345, 1);
    EXPECT_EQ(RefusalOf([&] { session.StartSearch("reach>=95"); }).substr(0, 14), "bad criterion ");
    session.StartSearch("reachable>=95");
    std::optional<TPageMap> found;
    while (!found)
        found = session.SearchOn(10);
    EXPECT_GE(found->Figures.Reachable, 95);
    const auto maps = SeedMaps(12345, static_cast<int>(found->Number));
    EXPECT_EQ(found->MapString, maps.back());
    EXPECT_EQ(session.CreateMap().Number, found->Number + 1);
}

} // namespace
} // namespace tavrin::web
