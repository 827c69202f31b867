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

TEST(PageSession, AddressOfASeedGoesOnWithThatSeedsSequence) {
    const auto maps = SeedMaps(12345, 3);
    TPageSession session;
    EXPECT_FALSE(session.OpenText(U" ", TTextSource::Address).has_value());
    const auto second = session.OpenText(U"12345/2", TTextSource::Address);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->MapString, maps[1]);
    const TPageMap third = session.CreateMap();
    EXPECT_EQ(third.MapString, maps[2]);
    EXPECT_EQ(third.Seed, 12345u);
    EXPECT_EQ(third.Number, 3);
    EXPECT_EQ(third.Name, "Seed 12345, map 3");
}

// A refused text keeps the map shown and the sequence Create Map goes on
// with, also when the engine raised part-way.
TEST(PageSession, RefusedCodesKeepTheMapShown) {
    TPageSession session;
    const std::string shown = session.OpenText(U"7/1", TTextSource::TypedText)->MapString;
    std::u32string badRotation(60, U'e');
    badRotation[2] = U'a';
    const struct {
        std::u32string Code;
        std::string Text;
    } rows[] = {
        {U" \tabc\r\n", "The text holds no map code"},
        {U"\u20ac" + std::u32string(59, U'e'), "The text holds no map code"},
        {badRotation, "Range check error."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RefusalOf([&] { session.OpenText(row.Code, TTextSource::TypedText); }), row.Text);
        EXPECT_EQ(session.MapString(), shown);
    }
    // A pasted map is read as a loaded one: no seed; its share code reads
    // back as the same map.
    const std::u32string code(shown.begin(), shown.end());
    const TPageMap pasted = *session.OpenText(U"here: " + code + U" ", TTextSource::TypedText);
    EXPECT_EQ(pasted.MapString, shown);
    EXPECT_FALSE(pasted.Seed.has_value());
    EXPECT_EQ(pasted.Name, "Pasted map");
    const std::u32string share(pasted.ShareCode.begin(), pasted.ShareCode.end());
    EXPECT_EQ(session.OpenText(share, TTextSource::Address)->MapString, shown);
    EXPECT_EQ(session.CreateMap().MapString, SeedMaps(7, 2)[1]);
}

TEST(PageSession, SearchGoesOnFromTheMapShownAndNamesWhatItFinds) {
    TPageSession session;
    session.OpenText(U"seed 12345", TTextSource::Address);
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
