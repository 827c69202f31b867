// The session core: the maps it takes, what names them, the history Back
// and Forward step through, and the answer to every text a door opens.

#include "acceptance.h"
#include "map_code_text.h"
#include "map_link.h"
#include "map_string.h"
#include "map_text_table.h"
#include "session_core.h"
#include "test_state.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tavrin {
namespace {

// The first `count` maps of a seed, as `tavrin-cli generate --seed N` prints them.
std::vector<std::string> SeedMaps(std::uint32_t seed, int count) {
    const auto state = test::FreshState(seed);
    std::vector<std::string> maps;
    for (int k = 0; k < count; ++k) {
        CreateMap(*state);
        maps.push_back(MakeMapString(*state));
    }
    return maps;
}

bool AllPlaced(const TMapState& state) {
    for (int t = 1; t <= TileCount; ++t)
        if (!state.Tiles[t].Placed)
            return false;
    return true;
}

class SessionCore : public testing::Test {
protected:
    std::unique_ptr<TMapState> State = test::FreshState(12345);
    test::TRecordingSink Sink;
    TSessionCore Core{*State};

    SessionCore() { State->Messages = &Sink; }
    std::string Shown() const { return MakeMapString(*State); }
};

// The session starts on the generator's seed; a seed given starts another
// sequence at the map asked for, and Create Map goes on with it.
TEST_F(SessionCore, CreateMapFollowsTheSeedsSequence) {
    EXPECT_EQ(Core.Current(), nullptr);
    EXPECT_EQ(Core.SeedText(), "");
    const auto maps = SeedMaps(12345, 2);
    Core.CreateMap();
    Core.CreateMap();
    EXPECT_EQ(Shown(), maps[1]);
    EXPECT_EQ(Core.SeedText(), "Seed 12345, map 2");

    Core.CreateMapFromSeed(7, 3);
    const auto seven = SeedMaps(7, 4);
    EXPECT_EQ(Shown(), seven[2]);
    EXPECT_EQ(Core.SeedText(), "Seed 7, map 3");
    EXPECT_EQ(Core.History().Size(), 3u); // the maps before map 3 are made, not shown
    Core.CreateMap();
    EXPECT_EQ(Shown(), seven[3]);
    EXPECT_EQ(Core.Sequence(), (TSeedPosition{7, 4}));
}

// A map Create Map Until found further along the sequence is named by its
// place in it, and Create Map goes on after it.
TEST_F(SessionCore, MapFoundIsNamedByItsPlaceInTheSequence) {
    const auto maps = SeedMaps(12345, 4);
    Core.CreateMap();
    CreateMap(*State); // the search's maps, made on the tiles
    CreateMap(*State);
    Core.TakeMapFound(2);
    EXPECT_EQ(Shown(), maps[2]);
    EXPECT_EQ(Core.SeedText(), "Seed 12345, map 3");
    Core.CreateMap();
    EXPECT_EQ(Core.SeedText(), "Seed 12345, map 4");
    EXPECT_EQ(Shown(), maps[3]);
}

// Back and Forward put earlier maps into the tiles, every tile placed, with
// their names; a map made after going back drops the maps ahead and goes on
// with the seed's sequence. A loaded map is named by its file, not by a seed.
TEST_F(SessionCore, BackAndForwardPlaceEveryTileAndKeepTheNames) {
    const auto maps = SeedMaps(12345, 4);
    for (int k = 0; k < 3; ++k)
        Core.CreateMap();
    EXPECT_TRUE(Core.Back());
    EXPECT_TRUE(Core.Back());
    EXPECT_FALSE(Core.Back());
    EXPECT_EQ(Shown(), maps[0]);
    EXPECT_EQ(Core.SeedText(), "Seed 12345, map 1");
    EXPECT_TRUE(Core.Forward());
    Core.CreateMap();
    EXPECT_EQ(Shown(), maps[3]);
    EXPECT_FALSE(Core.CanGoForward());

    ASSERT_TRUE(Core.LoadMapLine(SeedMaps(99, 1)[0], "/maps/other.tvm"));
    EXPECT_EQ(Core.SeedText(), "");
    EXPECT_EQ(Core.Current()->File, "/maps/other.tvm");
    for (int t = 1; t <= TileCount; ++t)
        State->Tiles[t].Placed = false;
    EXPECT_TRUE(Core.Back());
    EXPECT_EQ(Shown(), maps[3]);
    EXPECT_TRUE(AllPlaced(*State));
    EXPECT_TRUE(Sink.Messages.empty());
}

// A line of the wrong length is answered by the engine and changes nothing;
// a map loaded before any was created has every tile placed, so its routes
// can be queried.
TEST_F(SessionCore, LoadedMapHasEveryTilePlaced) {
    EXPECT_FALSE(Core.LoadMapLine("ddgdd", "short.tvm"));
    EXPECT_EQ(Sink.Messages.size(), 1u);
    EXPECT_EQ(Core.History().Size(), 0u);
    ASSERT_TRUE(Core.LoadMapLine(SeedMaps(5, 1)[0], "five.tvm"));
    EXPECT_TRUE(AllPlaced(*State));
}

// Saving names the map shown by its file, once; the seed name stays.
TEST_F(SessionCore, SavingNamesTheMapByItsFile) {
    EXPECT_FALSE(Core.MapSaved("/maps/a.tvm"));
    Core.CreateMap();
    EXPECT_TRUE(Core.MapSaved("/maps/a.tvm"));
    EXPECT_FALSE(Core.MapSaved("/maps/a.tvm"));
    EXPECT_EQ(Core.Current()->File, "/maps/a.tvm");
    EXPECT_EQ(Core.SeedText(), "Seed 12345, map 1");
}

// Every text of the doors' table, from every source: a map is shown with
// every tile placed and named as the table says, and Create Map goes on
// after a seed's map; anything else keeps the map shown and is answered in
// the source's words. An address with nothing in it asks for nothing.
TEST(SessionCoreText, EveryTextOfTheTableFromEverySource) {
    for (const TTextSource source : {TTextSource::Clipboard, TTextSource::TypedText,
                                     TTextSource::Address, TTextSource::Argument}) {
        for (const test::TMapTextRow& row : test::MapTextTable()) {
            SCOPED_TRACE("\"" + row.Text + "\" from source " +
                         std::to_string(static_cast<int>(source)));
            const auto state = test::FreshState(12345);
            test::TRecordingSink sink;
            state->Messages = &sink;
            TSessionCore core(*state);
            core.CreateMap();
            const std::string before = MakeMapString(*state);
            const TOpenAnswer answer = core.OpenText(row.Text, source);
            if (row.Answer == test::TMapTextRow::Map || row.Answer == test::TMapTextRow::Seed) {
                EXPECT_EQ(answer.End, TOpenEnd::Opened);
                EXPECT_EQ(answer.Text, "");
                EXPECT_EQ(MakeMapString(*state), MapStringOfSeed({row.SeedNumber, row.MapNumber}));
                EXPECT_TRUE(AllPlaced(*state));
                EXPECT_EQ(core.History().Size(), 2u);
            }
            if (row.Answer == test::TMapTextRow::Map) {
                EXPECT_EQ(core.SeedText(), "");
                EXPECT_EQ(core.Current()->Source,
                          row.Text.starts_with("tavrin:") ? "link" : "pasted code");
            } else if (row.Answer == test::TMapTextRow::Seed) {
                EXPECT_EQ(core.SeedText(), SeedMapText({row.SeedNumber, row.MapNumber}));
                core.CreateMap();
                EXPECT_EQ(MakeMapString(*state),
                          MapStringOfSeed({row.SeedNumber, row.MapNumber + 1}));
            } else {
                EXPECT_EQ(MakeMapString(*state), before);
                EXPECT_EQ(core.History().Size(), 1u);
                EXPECT_EQ(core.SeedText(), "Seed 12345, map 1");
            }
            if (row.Answer == test::TMapTextRow::Refused) {
                EXPECT_EQ(answer.End, TOpenEnd::Refused);
                EXPECT_EQ(answer.Text, row.Refusal);
            }
            if (row.Answer == test::TMapTextRow::None && row.Text.empty() &&
                source == TTextSource::Address) {
                EXPECT_EQ(answer.End, TOpenEnd::NoAddress);
                EXPECT_EQ(answer.Text, "");
            } else if (row.Answer == test::TMapTextRow::None) {
                EXPECT_EQ(answer.End, TOpenEnd::NoMapCode);
                EXPECT_EQ(answer.Text, NoMapCodeText(source));
            }
            EXPECT_TRUE(sink.Messages.empty());
            EXPECT_EQ(answer.Pins, 0u); // no code of the table pins a tile
        }
    }
}

// A pinned page link opens its map and hands its pins to the door.
TEST_F(SessionCore, APinnedLinkOpensItsMapWithItsPins) {
    const std::string map = MapStringOfSeed({77, 3});
    const std::uint32_t pins = (1u << 11) | (1u << 4);
    const TOpenAnswer answer =
        Core.OpenText(MapLink(map, "example.org/tavrin", pins), TTextSource::Address);
    EXPECT_EQ(answer.End, TOpenEnd::Opened);
    EXPECT_EQ(answer.Pins, pins);
    EXPECT_EQ(Shown(), map);
}

// A map string with a bad rotation raises as Load Map's does, before any
// tile is written.
TEST_F(SessionCore, BadRotationRaisesAndKeepsTheMap) {
    Core.CreateMap();
    const std::string before = Shown();
    std::string bad = before;
    bad[2] = 'a';
    EXPECT_THROW(Core.OpenText(bad, TTextSource::Clipboard), ETavrinError);
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(Core.History().Size(), 1u);
}

} // namespace
} // namespace tavrin
