// The web page's session: maps named by seed and number as tavrin-cli makes
// them, and refused commands that leave the map shown as it was.

#include "acceptance.h"
#include "map_string.h"
#include "page_session.h"
#include "share_code.h"

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

// A shared map with a tile turned and three pins: its finding line and
// marks come with it; Re-roll Unpinned keeps the pins and makes a map with
// no finding, whose code carries the pins on; Create Map afterwards is the
// next map of the sequence, untouched by the re-roll.
TEST(PageSession, AnEditedMapShowsItsFindingsAndRerollsAroundItsPins) {
    const auto maps = SeedMaps(12345, 2);
    std::string turned = maps[0];
    turned[8] = 'j'; // Gloom Hollow turned against Burrows
    const std::uint32_t pins = (1u << 11) | (1u << 12) | (1u << 16);
    TPageSession session;
    session.OpenText(U"12345/1", TTextSource::Address);
    const std::string code = ShareCode(turned, pins);
    const TPageMap shared =
        *session.OpenText(std::u32string(code.begin(), code.end()), TTextSource::Address);
    EXPECT_TRUE(shared.Edited);
    EXPECT_EQ(shared.FindingLine,
              "Gloom Hollow has a road at its upper right edge; Burrows has none at the edge they "
              "share");
    EXPECT_EQ(shared.Bars.size(), 1u);
    EXPECT_EQ(shared.Pins, (std::vector<int>{11, 12, 16}));
    EXPECT_EQ(shared.ShareCode, code);

    // Complete Map keeps every tile: the turned one cannot be mended.
    EXPECT_EQ(RefusalOf([&] { session.CompleteMap(); }).rfind("The map cannot be completed: ", 0),
              0u);
    EXPECT_EQ(session.MapString(), turned);

    const TPageMap rerolled = session.RerollUnpinned();
    EXPECT_TRUE(rerolled.Bars.empty() && rerolled.Rings.empty());
    EXPECT_EQ(rerolled.Pins, shared.Pins);
    for (const int t : {11, 12, 16})
        EXPECT_EQ(rerolled.MapString.substr(3 * (t - 1), 3), turned.substr(3 * (t - 1), 3)) << t;
    EXPECT_EQ(ReadPinnedShareCode(rerolled.ShareCode), (TSharedMap{rerolled.MapString, pins}));
    EXPECT_EQ(rerolled.Name.rfind("Map edited from ", 0), 0u) << rerolled.Name;

    EXPECT_FALSE(session.CreateMap().Edited);
    EXPECT_EQ(session.MapString(), maps[1]);
}

} // namespace
} // namespace tavrin::web
